// SPDX-License-Identifier: LicenseRef-proprietary
#include "marks_csv.h"
#include "measurement.h"
#include "section_layout.h"

#include <QDir>
#include <QFile>
#include <QLocale>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

#include <cmath>

Q_DECLARE_METATYPE(layout::Job)

namespace {

layout::Job oneSection(layout::Unit unit, const QString &length)
{
    layout::Job job;
    job.name = QStringLiteral("Porch");
    job.unit = unit;
    if (unit == layout::Unit::Millimetres) {
        job.railpinWidth = QStringLiteral("35");
        job.maximumGap = QStringLiteral("100");
    }
    layout::Section section;
    section.name = QStringLiteral("Front");
    section.length = length;
    job.sections = {section};
    return job;
}

}  // namespace

// The marks CSV as the program writes it for a language whose numbers take a
// decimal comma, opened by a real spreadsheet (Gnumeric's ssconvert) under
// that language's locale: every exact value is read as the number written,
// never as a number a thousand times larger nor as text, and every fraction
// stays the text written, never a date or another fraction. The locales are
// generated for the run into a folder of their own, as no root is needed.
class TestCsvSpreadsheet : public QObject
{
    Q_OBJECT

    QTemporaryDir locales;
    QString converter;

    // The locale's files under `locales`, made once; empty when made, else why not.
    QString generate(const QString &name)
    {
        const QString folder = locales.filePath(name + QStringLiteral(".UTF-8"));
        if (QFileInfo::exists(folder + QStringLiteral("/LC_NUMERIC")))
            return {};
        QProcess localedef;
        localedef.start(QStringLiteral("localedef"),
                        {QStringLiteral("-i"), name, QStringLiteral("-f"), QStringLiteral("UTF-8"), folder});
        if (!localedef.waitForFinished(120000))
            return QStringLiteral("localedef did not finish for %1").arg(name);
        // localedef may warn and exit non-zero and still have written the locale.
        if (!QFileInfo::exists(folder + QStringLiteral("/LC_NUMERIC")))
            return QStringLiteral("localedef made no %1 (its sources come with the locales package): %2")
                .arg(name, QString::fromLocal8Bit(localedef.readAllStandardError()));
        return {};
    }

private slots:
    void initTestCase()
    {
        converter = QStandardPaths::findExecutable(QStringLiteral("ssconvert"));
        if (converter.isEmpty())
            QSKIP("ssconvert (gnumeric) is not installed");
        if (QStandardPaths::findExecutable(QStringLiteral("localedef")).isEmpty())
            QSKIP("localedef (libc-bin) is not installed");
        QVERIFY(locales.isValid());
    }

    void decimalCommaReadsAsNumbers_data()
    {
        QTest::addColumn<QString>("locale");
        QTest::addColumn<layout::Job>("job");
        for (const char *locale : {"es_ES", "fr_FR"}) {
            const QString name = QString::fromLatin1(locale);
            QTest::addRow("%s, 36 in", locale) << name << oneSection(layout::Unit::Inches, QStringLiteral("36"));
            QTest::addRow("%s, 17 ft 3 in", locale)
                << name << oneSection(layout::Unit::Inches, QStringLiteral("17' 3\""));
            QTest::addRow("%s, 2400 mm", locale)
                << name << oneSection(layout::Unit::Millimetres, QStringLiteral("2400"));
        }
    }
    void decimalCommaReadsAsNumbers()
    {
        QFETCH(QString, locale);
        QFETCH(layout::Job, job);
        const QString problem = generate(locale);
        QVERIFY2(problem.isEmpty(), qPrintable(problem));
        const QString decimalPoint = QLocale(locale).decimalPoint();
        QCOMPARE(decimalPoint, QStringLiteral(","));
        const layout::SectionLayout laidOut = layout::layOut(job, job.sections.front());
        QVERIFY(laidOut.laidOut());

        const QTemporaryDir folder;
        const QString written = folder.filePath(QStringLiteral("marks.csv"));
        const QString readBack = folder.filePath(QStringLiteral("read.txt"));
        QFile file(written);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(exports::marksCsv(job, {laidOut}, exports::CsvStyle::forDecimalPoint(decimalPoint.front())));
        file.close();

        // Read under the locale; written back with a point and every value
        // raw, so that a number and a text that looks like one differ.
        QProcess reader;
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(QStringLiteral("LOCPATH"), locales.path());
        environment.insert(QStringLiteral("LC_ALL"), locale + QStringLiteral(".UTF-8"));
        environment.insert(QStringLiteral("LANG"), locale + QStringLiteral(".UTF-8"));
        reader.setProcessEnvironment(environment);
        reader.start(converter, {QStringLiteral("--export-type=Gnumeric_stf:stf_assistant"),
                                 QStringLiteral("--export-options=locale=C format=raw separator=| quoting-mode=never"),
                                 written, readBack});
        QVERIFY(reader.waitForFinished(60000));
        QCOMPARE(reader.exitCode(), 0);
        QFile read(readBack);
        QVERIFY(read.open(QIODevice::ReadOnly));
        QList<QStringList> rows;
        for (const QString &line : QString::fromUtf8(read.readAll()).split(u'\n', Qt::SkipEmptyParts))
            rows << QString(line).remove(u'\r').split(u'|');
        QCOMPARE(rows.size(), qsizetype(1 + laidOut.marks.size()));

        const bool inches = job.unit == layout::Unit::Inches;
        const QString unit = inches ? QStringLiteral("in") : QStringLiteral("mm");
        const QStringList &headings = rows.constFirst();
        const qsizetype left = headings.indexOf(QStringLiteral("Left edge (%1)").arg(unit));
        const qsizetype fromMiddle = headings.indexOf(QStringLiteral("From mid-span (%1)").arg(unit));
        const qsizetype leftMark = headings.indexOf(QStringLiteral("Left edge, fraction"));
        QVERIFY2(left >= 0 && fromMiddle >= 0, qPrintable(headings.join(u'|')));
        QCOMPARE(leftMark >= 0, inches);
        const int places = inches ? 6 : 3;
        for (std::size_t index = 0; index < laidOut.marks.size(); ++index) {
            const layout::RailpinMarks &marks = laidOut.marks[index];
            const QStringList &row = rows.at(qsizetype(index) + 1);
            QVERIFY(row.size() == headings.size());
            for (const auto &[column, exact] : {std::pair{left, marks.leftEdge}, {fromMiddle, marks.fromMidSpan}}) {
                bool number = false;
                const double value = QLocale::c().toDouble(row.at(column), &number);
                QVERIFY2(number, qPrintable(row.at(column)));
                QVERIFY2(std::abs(value - exact) <= 0.5 * std::pow(10.0, -places), qPrintable(row.at(column)));
            }
            if (inches)
                QCOMPARE(row.at(leftMark), exports::CsvStyle::fraction(layout::markText(marks.leftEdge, job)));
        }
    }
};

QTEST_GUILESS_MAIN(TestCsvSpreadsheet)
#include "tst_csv_spreadsheet.moc"
