// SPDX-License-Identifier: LicenseRef-proprietary
#include "drawing_files.h"
#include "elevation.h"
#include "job_file.h"
#include "job_layout.h"

#include <QDir>
#include <QFile>
#include <QTest>
#include <QXmlStreamReader>

// The SVG and DXF of a fixed set of jobs, byte for byte as they were written
// when the files under tests/data/drawings were made: how the writers build
// their bytes may change, what they write may not, as drawings already made
// are compared and diffed by the users' own tools.
namespace {

const QString kHostile = QStringLiteral("<&\"'> \u00e9t\u00e9 \U0001F6AA") + QChar(char16_t(0xd800)) +
                         QStringLiteral("\u0007\u202e]]> &amp;");

QByteArray contents(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

}  // namespace

class TestDrawingFiles : public QObject
{
    Q_OBJECT

private slots:
    void sameBytesAsBefore_data()
    {
        QTest::addColumn<QByteArray>("jobFile");
        QTest::addColumn<QString>("name");  // given to every section and run, when not empty
        QTest::newRow("level") << QByteArray(R"({"format": "railpin-job", "version": 1, "name": "Porch",
            "railpinWidth": "1 3/8", "maximumGap": "4", "sections": [{"name": "Front", "length": "36 5/32"},
            {"name": "Side", "length": "47 3/16", "ends": "half", "count": 11}]})")
                               << QString();
        QTest::newRow("stair by its length") << QByteArray(R"({"format": "railpin-job", "version": 1,
            "railpinWidth": "1 1/2", "maximumGap": "4", "sections": [{"name": "Stair", "length": "61 7/16",
            "stair": {"rise": "7 1/2", "run": "10 1/4"}}]})")
                                             << QString();
        QTest::newRow("stair by its treads") << QByteArray(R"({"format": "railpin-job", "version": 4,
            "railpinWidth": "1 1/2", "maximumGap": "4", "sections": [{"name": "Treads", "length": "",
            "stair": {"rise": "7 1/4", "run": "10 1/2", "treads": 5, "nosing": "1", "newels": "both"}}]})")
                                             << QString();
        QTest::newRow("metric") << QByteArray(R"({"format": "railpin-job", "version": 2, "unit": "mm",
            "railpinWidth": "35", "maximumGap": "100", "sections": [{"name": "Balcony", "length": "2417.5"},
            {"name": "Stair", "length": "1500", "stair": {"angle": 33.5}}]})")
                                << QString();
        QTest::newRow("runs with bays") << QByteArray(R"({"format": "railpin-job", "version": 4,
            "railpinWidth": "1 1/2", "maximumGap": "4", "postWidth": "3 1/2", "maxPostSpacing": "6'",
            "runs": [{"name": "Left", "length": "12'", "start": "wall", "end": "post"},
            {"name": "Front", "length": "207", "start": "corner", "end": "post"}],
            "sections": [{"name": "Gate", "length": "40"}]})")
                                        << QString();
        QTest::newRow("hostile names") << QByteArray(R"({"format": "railpin-job", "version": 4,
            "railpinWidth": "1 3/8", "maximumGap": "4", "postWidth": "3 1/2", "maxPostSpacing": "6'",
            "runs": [{"name": "R", "length": "100", "start": "post", "end": "post"}],
            "sections": [{"name": "S", "length": "20"}, {"name": "T", "length": "12"}]})")
                                       << kHostile;
    }
    void sameBytesAsBefore()
    {
        QFETCH(QByteArray, jobFile);
        QFETCH(QString, name);
        layout::JobReadResult read = layout::parseJob(jobFile, QStringLiteral("drawing.railpin"));
        QVERIFY2(read.job, qPrintable(read.error));
        layout::Job job = *read.job;
        if (!name.isEmpty()) {
            for (layout::Section &section : job.sections)
                section.name = name;
            for (layout::Run &run : job.runs)
                run.name = name;
        }
        const layout::JobLayout laid = layout::layOutForOutput(job);
        QVERIFY2(laid.laidOut(), qPrintable(laid.refusal));
        const exports::Elevation drawing = exports::elevation(job, laid.sections);
        QVERIFY(!drawing.labels.empty());

        const QDir expected(QStringLiteral(RAILPIN_SOURCE_DIR "/tests/data/drawings"));
        const QString row = QString::fromLatin1(QTest::currentDataTag()).replace(u' ', u'-');
        const std::pair<const char *, QByteArray> files[] = {{".svg", exports::drawingSvg(drawing, job.unit)},
                                                             {".dxf", exports::drawingDxf(drawing, job.unit)}};
        QStringList differing;
        for (const auto &[suffix, bytes] : files) {
            const QString file = row + QLatin1String(suffix);
            if (bytes == contents(expected.filePath(file)))
                continue;
            // Left where the test ran, to be compared with the expected file.
            QFile actual(QStringLiteral("actual-") + file);
            QVERIFY(actual.open(QIODevice::WriteOnly) && actual.write(bytes) == bytes.size());
            differing << actual.fileName();
        }
        QVERIFY2(differing.isEmpty(),
                 qPrintable(differing.join(u' ') + QStringLiteral(" differ from ") + expected.path()));

        QXmlStreamReader svg(files[0].second);
        while (!svg.atEnd())
            svg.readNext();
        QVERIFY2(!svg.hasError(), qPrintable(svg.errorString()));
    }
};

QTEST_GUILESS_MAIN(TestDrawingFiles)
#include "tst_drawing_files.moc"
