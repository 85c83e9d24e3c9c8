// SPDX-License-Identifier: LicenseRef-proprietary
#include "mod_math.h"

#include <QLocale>
#include <QTest>

class TestMeasurementParsing : public QObject
{
    Q_OBJECT

private slots:
    void init() { QLocale::setDefault(QLocale::c()); }

    void isFraction_data()
    {
        // clang-format off
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("expected");
        QTest::newRow("mixed") << "1 3/8" << true;
        QTest::newRow("bare") << "3/8" << true;
        QTest::newRow("slash last") << "5/" << false;
        QTest::newRow("space slash last") << "3 /" << false;
        QTest::newRow("slash first") << "/8" << true;
        QTest::newRow("blank after slash") << "5/ " << true;
        QTest::newRow("no slash") << "36" << false;
        QTest::newRow("empty") << "" << false;
        QTest::newRow("lone slash") << "/" << false;
        QTest::newRow("first slash decides") << "1/2/" << true;
        // clang-format on
    }
    void isFraction()
    {
        QFETCH(QString, text);
        QFETCH(bool, expected);
        QCOMPARE(modMath::IsFraction(text), expected);
    }

    void fractionToDecimal_data()
    {
        // clang-format off
        QTest::addColumn<QString>("text");
        QTest::addColumn<float>("expected");
        QTest::newRow("mixed") << "1 3/8" << 1.375F;
        QTest::newRow("bare") << "3/8" << 0.375F;
        QTest::newRow("whole") << "36" << 36.0F;
        QTest::newRow("decimal") << "3.5" << 3.5F;
        QTest::newRow("empty") << "" << 0.0F;
        QTest::newRow("letters") << "abc" << 0.0F;
        QTest::newRow("slash last") << "5/" << 0.0F;
        QTest::newRow("trailing blank") << "1 1/2 " << 1.5F;
        QTest::newRow("leading blanks") << "  1 3/8" << 1.375F;
        QTest::newRow("blanks both sides") << "  1 3/8  " << 1.375F;
        QTest::newRow("two blanks") << "1  3/8" << 1.375F;
        QTest::newRow("zero denominator") << "1/0" << 0.0F;
        QTest::newRow("zero denominator drops whole") << "2 1/0" << 0.0F;
        QTest::newRow("slash first") << "/8" << 0.0F;
        QTest::newRow("numerator unreadable") << "2 x/8" << 2.0F;
        QTest::newRow("whole unreadable") << "x 3/8" << 0.375F;
        QTest::newRow("denominator unreadable") << "1 3/8 in" << 0.0F;
        QTest::newRow("numerator half to even down") << "1 2.5/4" << 1.5F;
        QTest::newRow("numerator half to even up") << "1 3.5/4" << 2.0F;
        QTest::newRow("beyond single range") << "1E39" << 0.0F;
        QTest::newRow("exponent") << "1E3" << 1000.0F;
        QTest::newRow("blank before slash") << "3 / 8" << 3.0F;
        QTest::newRow("blank before slash mixed") << "1 3 / 8" << 1.375F;
        QTest::newRow("cut short") << "1 3" << 0.0F;
        QTest::newRow("cut short at slash") << "1 3/" << 0.0F;
        QTest::newRow("negative whole") << "-1 3/8" << -0.625F;
        QTest::newRow("negative numerator") << "1 -3/8" << 0.625F;
        QTest::newRow("thirds round once") << "1 1/3" << 1.3333334F;
        QTest::newRow("space after first slash") << "1/2 3" << 0.0F;
        QTest::newRow("decimal with blanks") << " 3.5 " << 3.5F;
        QTest::newRow("signed decimal") << "-2.25" << -2.25F;
        QTest::newRow("grouping is no number") << "1,000" << 0.0F;
        QTest::newRow("hex is no number") << "0x10" << 0.0F;
        QTest::newRow("inf is no number") << "inf" << 0.0F;
        QTest::newRow("nan is no number") << "NaN" << 0.0F;
        QTest::newRow("currency is no number") << "$5" << 0.0F;
        QTest::newRow("parentheses are no number") << "(5)" << 0.0F;
        QTest::newRow("whole part out of range") << "3000000000 1/2" << 0.5F;
        QTest::newRow("largest integers") << "2147483647 2147483647/2147483647" << 2147483648.0F;
        QTest::newRow("smallest whole") << "-2147483648 0/1" << -2147483648.0F;
        QTest::newRow("largest single") << "3.4028234E38" << 3.4028234E38F;
        QTest::newRow("rounds to largest single") << "3.40282356E38" << 3.4028235E38F;
        // clang-format on
    }
    void fractionToDecimal()
    {
        QFETCH(QString, text);
        QFETCH(float, expected);
        QCOMPARE(modMath::FractionToDecimal(text), expected);
    }

    void localeDecimalSeparator_data()
    {
        // clang-format off
        QTest::addColumn<QString>("text");
        QTest::addColumn<float>("expected");
        QTest::newRow("comma decimal") << "3,5" << 3.5F;
        QTest::newRow("point is no decimal") << "3.5" << 0.0F;
        QTest::newRow("comma numerator") << "1 2,5/4" << 1.5F;
        QTest::newRow("mixed") << "1 3/8" << 1.375F;
        // clang-format on
    }
    void localeDecimalSeparator()
    {
        QFETCH(QString, text);
        QFETCH(float, expected);
        QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
        QCOMPARE(modMath::FractionToDecimal(text), expected);
    }
};

QTEST_GUILESS_MAIN(TestMeasurementParsing)
#include "tst_measurement_parsing.moc"
