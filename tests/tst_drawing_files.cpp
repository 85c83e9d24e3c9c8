// SPDX-License-Identifier: LicenseRef-proprietary
#include "drawing_bytes.h"
#include "drawing_files.h"
#include "drawing_numbers.h"
#include "elevation.h"
#include "job_file.h"
#include "job_layout.h"

#include <QDir>
#include <QFile>
#include <QRandomGenerator>
#include <QTest>
#include <QXmlStreamReader>

#include <algorithm>
#include <array>
#include <cmath>
#include <limits>
#include <vector>

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
        // Made whole, and made again a part at a time as the files are written.
        QByteArray streamedSvg;
        QByteArray streamedDxf;
        QVERIFY(exports::writeDrawingSvg(job, laid.sections, exports::appendTo(streamedSvg)));
        QVERIFY(exports::writeDrawingDxf(job, laid.sections, exports::appendTo(streamedDxf)));
        const std::pair<const char *, QByteArray> files[] = {{".svg", exports::drawingSvg(drawing, job.unit)},
                                                             {".dxf", exports::drawingDxf(drawing, job.unit)},
                                                             {".svg", streamedSvg},
                                                             {".dxf", streamedDxf}};
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

    // A long job's drawing goes on in pieces, each of them bounded, the same
    // bytes as made whole; a piece refused stops it, and nothing more comes.
    void piecesStopWhenRefused_data()
    {
        QTest::addColumn<bool>("svg");
        QTest::newRow("SVG") << true;
        QTest::newRow("DXF") << false;
    }
    void piecesStopWhenRefused()
    {
        QFETCH(bool, svg);
        QByteArray file = R"({"format": "railpin-job", "version": 1, "railpinWidth": "1 3/8", "maximumGap": "4",
                              "sections": [)";
        for (int index = 0; index < 12; ++index)
            file += QByteArray(index == 0 ? "" : ",") + R"({"name": "Long", "length": "4000"})";
        const layout::JobReadResult read = layout::parseJob(file + "]}");
        QVERIFY2(read.job, qPrintable(read.error));
        const layout::JobLayout laid = layout::layOutForOutput(*read.job);
        QVERIFY(laid.laidOut());
        const auto write = [&](const exports::PieceSink &sink) {
            return svg ? exports::writeDrawingSvg(*read.job, laid.sections, sink)
                       : exports::writeDrawingDxf(*read.job, laid.sections, sink);
        };

        QList<qsizetype> sizes;
        QByteArray whole;
        QVERIFY(write([&](QByteArrayView piece) {
            sizes.append(piece.size());
            whole += piece;
            return true;
        }));
        QVERIFY2(sizes.size() > 10, qPrintable(QString::number(sizes.size())));
        QVERIFY(*std::max_element(sizes.begin(), sizes.end()) <= exports::DrawingBytes::kPiece);
        const exports::Elevation drawing = exports::elevation(*read.job, laid.sections);
        QVERIFY(whole ==
                (svg ? exports::drawingSvg(drawing, read.job->unit) : exports::drawingDxf(drawing, read.job->unit)));

        int calls = 0;
        QVERIFY(!write([&calls](QByteArrayView) { return ++calls < 2; }));
        QCOMPARE(calls, 2);
    }

    // The drawings' numbers are appended as Qt's own formatting wrote them.
    void numbersAsQtWritesThem_data()
    {
        QTest::addColumn<double>("value");
        const std::pair<const char *, double> values[] = {
            {"zero", 0.0},
            {"negative zero", -0.0},
            {"whole", 36.0},
            {"sixteenths", -47.1875},
            {"a third", 1.0 / 3},
            {"15 digits", 123456789012345.0},
            {"16 digits", 1234567890123456.0},
            {"a hairline", 1.0 / 64},
            {"tiny", 1.5e-7},
            {"huge", -2.5e21},
            {"halfway between two", 858896683345472.5},
            {"subnormal", std::numeric_limits<double>::denorm_min()},
            {"largest", std::numeric_limits<double>::max()},
            {"infinity", -std::numeric_limits<double>::infinity()},
            {"not a number", -std::numeric_limits<double>::quiet_NaN()},
            // Where the digits are found in whole numbers: its edges, and
            // values that round up to the next power of ten.
            {"a ten-thousandth", 1e-4},
            {"just under a ten-thousandth", 0.99999999999999e-4},
            {"a tenth", -0.1},
            {"rounds up to 10", 9.9999999999999999},
            {"rounds up to 1000", 999.99999999999996},
            {"largest without an exponent", 999999999999999.0},
            {"rounds up to 10^15", 999999999999999.94},
            {"one decimal after 15 digits", 100000000000000.1},
            {"sixteenths with zeros between", 1000000.0625},
            // The first digit's power found by comparing with the powers of
            // ten as doubles, those under 1 just above the powers themselves.
            {"the double nearest a thousandth", 0.001},
            {"just under a thousandth", std::nextafter(0.001, 0.0)},
            {"just under a tenth", std::nextafter(0.1, 0.0)},
            {"one", 1.0},
            {"just under one", std::nextafter(1.0, 0.0)},
            {"just under 10^5, rounds up to it", std::nextafter(100000.0, 0.0)},
            {"10^14", 1e14},
            {"just under 10^14", std::nextafter(1e14, 0.0)},
            {"just under 10^15, rounds up past the digits", std::nextafter(1e15, 0.0)},
            // Below 2^-11 the bits below the digits pass 64.
            {"2^-11", std::ldexp(1.0, -11)},
            {"just under 2^-11", std::nextafter(std::ldexp(1.0, -11), 0.0)},
            {"below 2^-11", -0.000314159265358979},
            // The last eight digits all zeros, and all but one.
            {"seven whole digits", 1234567.0},
            {"eight whole digits", -12345678.0},
            {"a negative centre", -1234.56789012345678},
            {"negative, under a ten-thousandth", -9.5e-5},
            // Exactly halfway between two numbers of 15 digits: Qt rounds up.
            {"halfway, a quarter", 12345678901234.25},
            {"halfway, negative eighths", -1234567890123.125},
            {"halfway, negative", -858896683345472.5},
        };
        for (const auto &[row, value] : values)
            QTest::newRow(row) << value;
        // Centres as a long section gives them: a pitch of many digits, added up.
        double centre = 0;
        for (int index = 0; index < 200; ++index, centre += 5.31944444444444 * 37)
            QTest::newRow(qPrintable(QStringLiteral("centre %1").arg(index))) << centre;
    }
    // Values of every size, with as many digits as a double holds; and binary
    // fractions, whose decimals end, many of them exactly halfway between two
    // numbers of 15 digits.
    void randomNumbersAsQtWritesThem_data()
    {
        QTest::addColumn<bool>("fractions");
        QTest::newRow("every size") << false;
        QTest::newRow("binary fractions") << true;
    }
    void randomNumbersAsQtWritesThem()
    {
        QFETCH(bool, fractions);
        QRandomGenerator random(29);
        std::vector<double> values;
        for (int index = 0; index < 200000; ++index) {
            const double value = fractions
                                     ? std::ldexp(double(random.bounded(qint64(1) << 53)) - double(qint64(1) << 52),
                                                  -random.bounded(0, 64))
                                     : (random.generateDouble() - 0.5) * std::pow(10.0, random.bounded(-8, 24));
            QByteArray bytes;
            exports::appendNumber(bytes, value);
            const QByteArray qt = QByteArray::number(value, 'g', 15);
            if (bytes != qt)
                QFAIL(qPrintable(
                    QStringLiteral("%1 written as %2").arg(QString::fromLatin1(qt), QString::fromLatin1(bytes))));
            values.push_back(value);
        }
        // All in one drawing, each value again after one and after five
        // others: a number written before is copied, never another's text.
        QByteArray drawn;
        QByteArray expected;
        {
            exports::DrawingBytes drawing(exports::appendTo(drawn));
            for (std::size_t index = 0; index < values.size(); ++index) {
                for (const double value : {values[index], values[index / 2 * 2], values[index / 6 * 6]}) {
                    drawing.appendNumber(value);
                    drawing.append(' ');
                    expected += QByteArray::number(value, 'g', 15) + ' ';
                }
            }
            QVERIFY(drawing.finish());
        }
        QVERIFY(drawn == expected);
    }
    // Texts kept from one pass for the next: each value asked for gets its
    // own text, whether the kept one is of the same value or not, across
    // the blocks the kept texts are held in.
    void keptNumbersGiveEachValueItsOwn_data()
    {
        QTest::addColumn<int>("kept");
        QTest::addColumn<int>("asked");
        QTest::addColumn<int>("differentEvery");  // 0: never
        QTest::newRow("the same values in order") << 10000 << 10000 << 0;
        QTest::newRow("every seventh another value") << 10000 << 10000 << 7;
        QTest::newRow("more asked than kept") << 5000 << 9000 << 0;
        QTest::newRow("none kept") << 0 << 100 << 0;
    }
    void keptNumbersGiveEachValueItsOwn()
    {
        QFETCH(int, kept);
        QFETCH(int, asked);
        QFETCH(int, differentEvery);
        // Left edges as a long section gives them, among the longest texts
        // there are and values whose bits are alike but not the same.
        const auto valueAt = [](int index) {
            switch (index % 500) {
            case 1:
                return -1.23456789012345e-300;
            case 2:
                return -0.0;
            case 3:
                return std::numeric_limits<double>::quiet_NaN();
            default:
                return 1.25 + index * 5.31944444444444;
            }
        };
        exports::KeptNumbers texts;
        exports::NumberText number;
        for (int index = 0; index < kept; ++index) {
            number.set(valueAt(index));
            texts.keep(number);
        }
        for (int index = 0; index < asked; ++index) {
            const bool different = differentEvery > 0 && index % differentEvery == 0;
            const double value = different ? valueAt(index) / 3 : valueAt(index);
            texts.setNext(number, value);
            const QByteArray text = number.view().toByteArray();
            if (text != QByteArray::number(value, 'g', 15))
                QFAIL(qPrintable(
                    QStringLiteral("value %1 written as %2")
                        .arg(QString::fromLatin1(QByteArray::number(value, 'g', 15)), QString::fromLatin1(text))));
        }
    }

    // A railpin's number in its label, as Qt writes a whole number.
    void countsAsQtWritesThem_data()
    {
        QTest::addColumn<qint64>("count");
        for (const qint64 count : {qint64(1), qint64(9), qint64(10), qint64(99), qint64(100), qint64(999), qint64(1000),
                                   qint64(9999), qint64(10000), qint64(123456), qint64(0), qint64(-7),
                                   std::numeric_limits<qint64>::max(), std::numeric_limits<qint64>::min()})
            QTest::newRow(qPrintable(QString::number(count))) << count;
    }
    void countsAsQtWritesThem()
    {
        QFETCH(qint64, count);
        std::array<char, exports::kCountRoom> text{};
        const char *end = exports::writeCount(text.data(), count);
        QCOMPARE(QByteArray(text.data(), end - text.data()), QByteArray::number(count));
    }

    // A name longer than a piece of the file goes on whole, in both files
    // and in the DXF's plain and escaped texts, the same as made whole.
    void namesLongerThanAPiece_data()
    {
        QTest::addColumn<QString>("name");
        const auto length = qsizetype(exports::DrawingBytes::kPiece + 5000);
        QTest::newRow("plain") << QString(length, u'a');
        QTest::newRow("escaped") << QString(length, QChar(0xe9));
    }
    void namesLongerThanAPiece()
    {
        QFETCH(QString, name);
        const layout::JobReadResult read = layout::parseJob(R"({"format": "railpin-job", "version": 1,
            "railpinWidth": "1 3/8", "maximumGap": "4", "sections": [{"name": "", "length": "40"}]})");
        QVERIFY2(read.job, qPrintable(read.error));
        layout::Job job = *read.job;
        job.sections.front().name = name;
        const layout::JobLayout laid = layout::layOutForOutput(job);
        QVERIFY(laid.laidOut());
        const exports::Elevation drawing = exports::elevation(job, laid.sections);
        QByteArray dxf;
        QByteArray svg;
        QVERIFY(exports::writeDrawingDxf(job, laid.sections, exports::appendTo(dxf)));
        QVERIFY(exports::writeDrawingSvg(job, laid.sections, exports::appendTo(svg)));
        QVERIFY(dxf == exports::drawingDxf(drawing, job.unit));
        QVERIFY(svg == exports::drawingSvg(drawing, job.unit));
        const QByteArray dxfName =
            name.front() == u'a' ? name.toLatin1() : QByteArray("\\U+00E9").repeated(name.size());
        QVERIFY(dxf.contains("\r\n  1\r\n" + dxfName + "\r\n"));
        QVERIFY(svg.contains(">" + name.toUtf8() + "</text>"));
    }

    void numbersAsQtWritesThem()
    {
        QFETCH(double, value);
        QByteArray bytes("x=");
        exports::appendNumber(bytes, value);
        QCOMPARE(bytes, "x=" + QByteArray::number(value, 'g', 15));
        QCOMPARE(QString::fromLatin1(bytes.mid(2)), QString::number(value, 'g', 15));
    }
};

QTEST_GUILESS_MAIN(TestDrawingFiles)
#include "tst_drawing_files.moc"
