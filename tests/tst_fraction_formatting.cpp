// SPDX-License-Identifier: LicenseRef-proprietary
#include "mod_math.h"
#include "run_time_error.h"

#include <QLocale>
#include <QRandomGenerator>
#include <QTest>

#include <cmath>

class TestFractionFormatting : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { QLocale::setDefault(QLocale::c()); }

    void decimalToFraction_data()
    {
        // clang-format off
        QTest::addColumn<float>("value");
        QTest::addColumn<int>("denominator");
        QTest::addColumn<QString>("expected");
        QTest::newRow("mixed eighths") << 1.375F << 8 << "1 3/8";
        QTest::newRow("near next whole") << 2.99F << 16 << "3";
        QTest::newRow("half at quarters") << 0.5F << 4 << "1/2";
        QTest::newRow("half at 32nds") << 5.5F << 32 << "5 1/2";
        QTest::newRow("fifth to quarter") << 0.2F << 4 << "1/4";
        QTest::newRow("32nds") << 3.4F << 32 << "3 13/32";
        QTest::newRow("whole") << 36.0F << 16 << "36";
        QTest::newRow("zero") << 0.0F << 8 << "0";
        QTest::newRow("below half increment") << 0.03F << 4 << "0";
        QTest::newRow("up to one") << 0.97F << 16 << "1";
        QTest::newRow("tie to zero") << 0.0625F << 8 << "0";
        QTest::newRow("tie to lower eighth") << 1.1875F << 8 << "1 1/8";
        QTest::newRow("tie below whole") << 2.9375F << 8 << "2 7/8";
        QTest::newRow("tie at quarter to whole") << 4.125F << 4 << "4";
        QTest::newRow("tie between quarters") << 4.375F << 4 << "4 1/4";
        QTest::newRow("reduced 3/4") << 0.75F << 32 << "3/4";
        QTest::newRow("reduced 1/2") << 0.5F << 16 << "1/2";
        QTest::newRow("gap of six railpins") << 3.964286F << 16 << "3 15/16";
        QTest::newRow("denominator one") << 2.5F << 1 << "2";
        QTest::newRow("odd denominator") << 1.34F << 3 << "1 1/3";
        // Near 0.5 many k / d round to the same single; the first of them wins.
        QTest::newRow("huge denominator") << 0.5F << 2147483647 << "1073741792/2147483647";
        QTest::newRow("largest whole") << 2147483520.0F << 16 << "2147483520";
        QTest::newRow("negative") << -0.1693548F << 16 << "-3/16";
        QTest::newRow("negative mixed") << -1.375F << 8 << "-1 3/8";
        QTest::newRow("negative to zero") << -0.01F << 4 << "0";
        QTest::newRow("negative zero") << -0.0F << 4 << "0";
        QTest::newRow("negative tie toward zero") << -0.0625F << 8 << "0";
        QTest::newRow("smallest whole") << -2147483648.0F << 32 << "-2147483648";
        QTest::newRow("tiny") << 1e-30F << 32 << "0";
        // clang-format on
    }
    void decimalToFraction()
    {
        QFETCH(float, value);
        QFETCH(int, denominator);
        QFETCH(QString, expected);
        QCOMPARE(modMath::DecimalToFraction(value, denominator), expected);
    }

    void decimalToFractionFailures_data()
    {
        // clang-format off
        QTest::addColumn<float>("value");
        QTest::addColumn<int>("denominator");
        QTest::addColumn<int>("errorNumber");
        QTest::newRow("whole part 2^31") << 2147483648.0F << 16 << runtime_errors::kOverflow;
        QTest::newRow("whole part below -2^31") << -2147483904.0F << 16 << runtime_errors::kOverflow;
        QTest::newRow("infinity") << INFINITY << 16 << runtime_errors::kOverflow;
        QTest::newRow("not a number") << NAN << 16 << runtime_errors::kInvalidCall;
        QTest::newRow("denominator 0") << 1.5F << 0 << runtime_errors::kInvalidCall;
        QTest::newRow("negative denominator") << 1.5F << -4 << runtime_errors::kInvalidCall;
        // clang-format on
    }
    void decimalToFractionFailures()
    {
        QFETCH(float, value);
        QFETCH(int, denominator);
        QFETCH(int, errorNumber);
        try {
            const QString text = modMath::DecimalToFraction(value, denominator);
            QFAIL(qPrintable(QStringLiteral("returned \"%1\" instead of failing").arg(text)));
        } catch (const RunTimeError &error) {
            QCOMPARE(error.number, errorNumber);
            QCOMPARE(error.source, QStringLiteral("Railpin"));
            QVERIFY(!error.description.isEmpty());
        }
    }

    void greatestCommonDivisor_data()
    {
        // clang-format off
        QTest::addColumn<int>("a");
        QTest::addColumn<int>("b");
        QTest::addColumn<int>("expected");
        QTest::newRow("swap first") << 6 << 16 << 2;
        QTest::newRow("coprime") << 13 << 32 << 1;
        QTest::newRow("divides") << 8 << 32 << 8;
        QTest::newRow("b zero") << 7 << 0 << 7;
        QTest::newRow("both zero") << 0 << 0 << 0;
        QTest::newRow("remainder takes the dividend's sign") << -6 << 4 << -2;
        QTest::newRow("negative divisor") << 6 << -4 << 2;
        // clang-format on
    }
    void greatestCommonDivisor()
    {
        QFETCH(int, a);
        QFETCH(int, b);
        QFETCH(int, expected);
        QCOMPARE(modMath::GreatestCommonDivisor(a, b), expected);
    }

    void greatestCommonDivisorOverflow()
    {
        QVERIFY_THROWS_EXCEPTION(RunTimeError, modMath::GreatestCommonDivisor(-2147483647 - 1, -1));
    }

    // The text reads back to the value rounded to the nearest increment, ties
    // to the lower one, and is always in lowest terms.
    void roundTripProperty()
    {
        QRandomGenerator random(20261207);
        for (const qint32 d : {4, 8, 16, 32}) {
            for (int i = 0; i < 20000; ++i) {
                // Every fourth value sits exactly on a tie between increments.
                const float value = i % 4 == 0 ? float((random.bounded(100000 * 2 * d) + 1) / (2.0 * d))
                                               : float(random.bounded(100000.0));
                const QString text = modMath::DecimalToFraction(value, d);
                const double scaled = double(value) * d;
                const double lower = std::floor(scaled);
                const double nearest = (scaled - lower <= 0.5 ? lower : lower + 1) / d;
                QVERIFY2(modMath::FractionToDecimal(text) == float(nearest),
                         qPrintable(QStringLiteral("%1 at %2 gave %3").arg(double(value), 0, 'g', 9).arg(d).arg(text)));
                const qsizetype slash = text.indexOf(u'/');
                if (slash >= 0) {
                    const qint32 numerator =
                        text.mid(text.lastIndexOf(u' ') + 1, slash - text.lastIndexOf(u' ') - 1).toInt();
                    const qint32 denominator = text.mid(slash + 1).toInt();
                    QVERIFY2(modMath::GreatestCommonDivisor(numerator, denominator) == 1, qPrintable(text));
                    QVERIFY(numerator > 0 && numerator < denominator);
                }
            }
        }
    }
};

QTEST_GUILESS_MAIN(TestFractionFormatting)
#include "tst_fraction_formatting.moc"
