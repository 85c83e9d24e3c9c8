// SPDX-License-Identifier: LicenseRef-proprietary
#include "measurement.h"
#include "mod_math.h"

#include <QLocale>
#include <QTest>

using layout::Unit;

class TestMeasurementStrict : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { QLocale::setDefault(QLocale::c()); }

    // Every form the calculator reads gives the calculator's own number.
    void calculatorForms_data()
    {
        QTest::addColumn<QString>("text");
        QTest::newRow("whole") << "36";
        QTest::newRow("decimal") << "36.5";
        QTest::newRow("decimal not exact in binary") << "36.1";
        QTest::newRow("mixed number") << "1 3/8";
        QTest::newRow("bare fraction") << "3/8";
        QTest::newRow("improper fraction") << "11/8";
        QTest::newRow("thirds") << "2 1/3";
        QTest::newRow("padded") << "  1 3/8 ";
        QTest::newRow("two spaces in a mixed number") << "1  3/8";
        QTest::newRow("leading point") << ".5";
        QTest::newRow("negative decimal") << "-3";
        QTest::newRow("negative fraction") << "-3/8";
        QTest::newRow("large whole") << "123456789";
    }
    void calculatorForms()
    {
        QFETCH(QString, text);
        const layout::Reading reading = layout::readMeasurement(text, Unit::Inches);
        QVERIFY2(reading.value.has_value(), qPrintable(reading.problem));
        QCOMPARE(*reading.value, modMath::FractionToDecimal(text));
        QVERIFY(reading.problem.isEmpty());
    }

    void feetAndInches_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<float>("inches");
        QTest::newRow("feet, inches and a fraction") << "12' 3 1/2\"" << 147.5F;
        QTest::newRow("feet alone") << "12'" << 144.0F;
        QTest::newRow("inches with the mark") << "3 1/2\"" << 3.5F;
        QTest::newRow("no blanks") << "12'3\"" << 147.0F;
        QTest::newRow("blanks before the marks") << "12 ' 3 \"" << 147.0F;
        QTest::newRow("hyphen between feet and inches") << "12'-3 1/2\"" << 147.5F;
        QTest::newRow("inches without their mark after feet") << "5' 6" << 66.0F;
        QTest::newRow("decimal feet") << "1.5'" << 18.0F;
        QTest::newRow("prime marks") << "2′ 1/4″" << 24.25F;
        QTest::newRow("typographic quotes") << "2’ 1”" << 25.0F;
        QTest::newRow("hyphen in a mixed number") << "1-3/8" << 1.375F;
        QTest::newRow("in after a fraction") << "1 3/8 in" << 1.375F;
        QTest::newRow("in without a blank") << "1 3/8in" << 1.375F;
        QTest::newRow("in after a whole") << "36 in" << 36.0F;
        QTest::newRow("feet and a hyphenated fraction") << "8' 2-1/2\"" << 98.5F;
    }
    void feetAndInches()
    {
        QFETCH(QString, text);
        QFETCH(float, inches);
        const layout::Reading reading = layout::readMeasurement(text, Unit::Inches);
        QVERIFY2(reading.value.has_value(), qPrintable(reading.problem));
        QCOMPARE(*reading.value, inches);
    }

    // Where the calculator reads 0 or a part of the text, a job says what it could not read.
    void refusedInches_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("problem");
        const QString notMeasurement = QStringLiteral(
            "\"%1\" is not a measurement: type inches as 36, 36.5, 1 3/8, 1-3/8, 1 3/8 in or 12' 3 1/2\"");
        for (const char *text : {"abc", "36abc", "1 3/", "/8", "3 / 8", "1.5 3/8", "-1 3/8", "-12'", "12''", "3\" 12'",
                                 "12'-", "36e1", "1,5", "1/2/3", "\"", "1 2", "1--3/8", "36 inn", "in"})
            QTest::newRow(text) << QString::fromUtf8(text) << notMeasurement.arg(QString::fromUtf8(text));
        QTest::newRow("millimetres in an inch job") << "36 mm"
                                                    << "\"36 mm\" is in millimetres: this job is in inches, type "
                                                       "inches such as 1 3/8";
        QTest::newRow("empty") << ""
                               << "no measurement is typed";
        QTest::newRow("blank") << "   "
                               << "no measurement is typed";
        QTest::newRow("zero denominator") << "3/0"
                                          << "\"3/0\" divides by zero";
        QTest::newRow("piece beyond 32 bits") << "1/4294967296"
                                              << "\"1/4294967296\" has a number too large to be read";
        const QString huge = QStringLiteral("1") + QString(40, u'0');
        QTest::newRow("beyond single precision")
            << huge << QStringLiteral("\"%1\" is too large to be a measurement").arg(huge);
        const QString hugeBelowZero = u'-' + huge;
        QTest::newRow("beyond single precision, below zero")
            << hugeBelowZero << QStringLiteral("\"%1\" is too large to be a measurement").arg(hugeBelowZero);
    }
    void refusedInches()
    {
        QFETCH(QString, text);
        QFETCH(QString, problem);
        const layout::Reading reading = layout::readMeasurement(text, Unit::Inches);
        QVERIFY(!reading.value.has_value());
        QCOMPARE(reading.problem, problem);
        // The reader for exact values refuses the same texts.
        QVERIFY(!layout::measurementValue(text, Unit::Inches).has_value());
    }

    void decimalComma()
    {
        QCOMPARE(layout::readMeasurement(QStringLiteral("36,5"), Unit::Inches, u',').value, 36.5F);
        QCOMPARE(layout::readMeasurement(QStringLiteral("1 3/8"), Unit::Inches, u',').value, 1.375F);
        // With a comma as the separator, a point may be a thousands separator: refused, not guessed.
        QVERIFY(!layout::readMeasurement(QStringLiteral("1.500"), Unit::Millimetres, u',').value);
        QCOMPARE(layout::readMeasurement(QStringLiteral("914,5"), Unit::Millimetres, u',').value, 914.5F);
        QVERIFY(!layout::readMeasurement(QStringLiteral("914,5"), Unit::Millimetres).value);
    }

    void millimetres_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("read");
        QTest::addColumn<float>("value");
        QTest::addColumn<QString>("problem");
        QTest::newRow("whole") << "914" << true << 914.0F << "";
        QTest::newRow("decimal") << "914.5" << true << 914.5F << "";
        QTest::newRow("negative") << "-3" << true << -3.0F << "";
        QTest::newRow("fraction") << "1/2" << false << 0.0F
                                  << "\"1/2\" is a fraction: fractions are not used in millimetre jobs, type a "
                                     "whole or decimal number of millimetres";
        QTest::newRow("mixed number") << "35 1/2" << false << 0.0F
                                      << "\"35 1/2\" is a fraction: fractions are not used in millimetre jobs, type a "
                                         "whole or decimal number of millimetres";
        QTest::newRow("with mm") << "35 mm" << true << 35.0F << "";
        QTest::newRow("with mm, no blank") << "35mm" << true << 35.0F << "";
        const QString inInches =
            QStringLiteral("\"%1\" is in inches: this job is in millimetres, type millimetres such as 35");
        QTest::newRow("feet") << "3'" << false << 0.0F << inInches.arg("3'");
        QTest::newRow("inches") << "36 in" << false << 0.0F << inInches.arg("36 in");
        QTest::newRow("feet and inches with a fraction")
            << "12' 3 1/2\"" << false << 0.0F << inInches.arg("12' 3 1/2\"");
        QTest::newRow("inches with a fraction") << "1 3/8 in" << false << 0.0F << inInches.arg("1 3/8 in");
        QTest::newRow("words") << "abc" << false << 0.0F
                               << "\"abc\" is not a measurement: type millimetres as 914, 914.5 or 914 mm";
    }
    void millimetres()
    {
        QFETCH(QString, text);
        QFETCH(bool, read);
        QFETCH(float, value);
        QFETCH(QString, problem);
        const layout::Reading reading = layout::readMeasurement(text, Unit::Millimetres);
        QCOMPARE(reading.value.has_value(), read);
        if (read)
            QCOMPARE(*reading.value, value);
        QCOMPARE(reading.problem, problem);
    }

    void markTexts_data()
    {
        QTest::addColumn<int>("unit");
        QTest::addColumn<double>("markStep");
        QTest::addColumn<double>("value");
        QTest::addColumn<QString>("mark");
        QTest::addColumn<QString>("decimal");
        const int inches = int(Unit::Inches);
        const int mm = int(Unit::Millimetres);
        // clang-format off
        QTest::newRow("inch centre") << inches << 1.0 << 4.651785714 << "4 5/8" << "4.651786";
        QTest::newRow("inch halfway goes down") << inches << 1.0 << 4.65625 << "4 5/8" << "4.65625";
        QTest::newRow("inch whole") << inches << 1.0 << 26.0 << "26" << "26";
        QTest::newRow("beyond a fraction") << inches << 1.0 << 1e10 << "1E+10" << "1E+10";
        QTest::newRow("mm nearest") << mm << 1.0 << 101.125 << "101" << "101.1";
        QTest::newRow("mm half goes down") << mm << 1.0 << 101.5 << "101" << "101.5";
        QTest::newRow("mm above half") << mm << 1.0 << 812.875 << "813" << "812.9";
        QTest::newRow("mm half step") << mm << 0.5 << 101.3 << "101.5" << "101.3";
        QTest::newRow("mm half step down") << mm << 0.5 << 101.25 << "101" << "101.2";
        QTest::newRow("mm tenth halfway goes down") << mm << 1.0 << 83.65 << "84" << "83.6";
        QTest::newRow("mm whole gap") << mm << 1.0 << 100.0 << "100" << "100";
        // clang-format on
    }
    void markTexts()
    {
        QFETCH(int, unit);
        QFETCH(double, markStep);
        QFETCH(double, value);
        QFETCH(QString, mark);
        QFETCH(QString, decimal);
        layout::Job job;
        job.unit = Unit(unit);
        job.markStep = markStep;
        QCOMPARE(layout::markText(value, job), mark);
        QCOMPARE(layout::decimalMarkText(value, job), decimal);
    }

    void separatorInMarks()
    {
        layout::Job job;
        QCOMPARE(layout::decimalMarkText(3.964285714, job, u','), QStringLiteral("3,964286"));
        job.unit = Unit::Millimetres;
        job.markStep = 0.5;
        QCOMPARE(layout::markText(101.5, job, u','), QStringLiteral("101,5"));
        QCOMPARE(layout::unitName(Unit::Millimetres), QStringLiteral("mm"));
        QCOMPARE(layout::unitName(Unit::Inches), QStringLiteral("in"));
    }
};

QTEST_GUILESS_MAIN(TestMeasurementStrict)
#include "tst_measurement_strict.moc"
