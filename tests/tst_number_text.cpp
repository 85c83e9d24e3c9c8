// SPDX-License-Identifier: LicenseRef-proprietary
#include "number_text.h"

#include <QLocale>
#include <QTest>

#include <cmath>
#include <limits>

using number_text::decimalText;
using number_text::leadingNumberValue;

class TestNumberText : public QObject
{
    Q_OBJECT

private slots:
    void init() { QLocale::setDefault(QLocale::c()); }

    void singleText_data()
    {
        // clang-format off
        QTest::addColumn<float>("value");
        QTest::addColumn<QString>("expected");
        QTest::newRow("gap") << 3.964286F << "3.964286";
        QTest::newRow("exact binary fraction") << 17.3125F << "17.3125";
        QTest::newRow("whole") << 4.0F << "4";
        QTest::newRow("negative") << -0.1693548F << "-0.1693548";
        QTest::newRow("small exponent") << 1e-5F << "1E-05";
        QTest::newRow("large exponent") << 12345678.0F << "1.234568E+07";
        QTest::newRow("last plain small") << 0.0001F << "0.0001";
        QTest::newRow("last plain large") << 9999999.0F << "9999999";
        QTest::newRow("rounds up into exponent form") << 9999999.5F << "1E+07";
        QTest::newRow("seven digits of a third") << (1.0F / 3) << "0.3333333";
        QTest::newRow("single rounding of 1.1") << 1.1F << "1.1";
        QTest::newRow("zero") << 0.0F << "0";
        QTest::newRow("negative zero") << -0.0F << "0";
        QTest::newRow("largest single") << std::numeric_limits<float>::max() << "3.402823E+38";
        QTest::newRow("smallest denormal") << std::numeric_limits<float>::denorm_min() << "1.401298E-45";
        QTest::newRow("negative exponent form") << -2.5e9F << "-2.5E+09";
        QTest::newRow("re-read case") << 11.083333F << "11.08333";
        // clang-format on
    }
    void singleText()
    {
        QFETCH(float, value);
        QFETCH(QString, expected);
        QCOMPARE(decimalText(value), expected);
    }

    void doubleText_data()
    {
        // clang-format off
        QTest::addColumn<double>("value");
        QTest::addColumn<QString>("expected");
        QTest::newRow("count") << 6.0 << "6";
        QTest::newRow("fifteen digits plain") << 999999999999999.0 << "999999999999999";
        QTest::newRow("sixteen digits") << 1e15 << "1E+15";
        QTest::newRow("fraction") << 0.1 << "0.1";
        QTest::newRow("small") << 0.00001 << "1E-05";
        QTest::newRow("negative one") << -1.0 << "-1";
        QTest::newRow("fifteen significant") << 1.0 / 3 << "0.333333333333333";
        QTest::newRow("exponent of three digits") << -1e-300 << "-1E-300";
        QTest::newRow("zeros up to the point") << 1200.0 << "1200";
        QTest::newRow("zeros after the point") << 0.00125 << "0.00125";
        QTest::newRow("point inside the digits") << 36.125 << "36.125";
        // clang-format on
    }
    void doubleText()
    {
        QFETCH(double, value);
        QFETCH(QString, expected);
        QCOMPARE(decimalText(value), expected);
    }

    void localeSeparatorInText()
    {
        QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
        QCOMPARE(decimalText(3.964286F), QStringLiteral("3,964286"));
        QCOMPARE(decimalText(12345678.0F), QStringLiteral("1,234568E+07"));
        QCOMPARE(*number_text::localeNumber(QStringLiteral(" 3,5 ")), 3.5);
        QVERIFY(!number_text::localeNumber(QStringLiteral("3.5")));
    }

    void leadingNumber_data()
    {
        // clang-format off
        QTest::addColumn<QString>("text");
        QTest::addColumn<double>("expected");
        QTest::newRow("plain") << "6" << 6.0;
        QTest::newRow("decimal") << "3.964286" << 3.964286;
        QTest::newRow("blanks inside") << " 1 2 3 " << 123.0;
        QTest::newRow("tab and newline") << "\t1\n2" << 12.0;
        QTest::newRow("sign") << "-4.5" << -4.5;
        QTest::newRow("plus sign") << "+7" << 7.0;
        QTest::newRow("blank after sign") << "- 5" << -5.0;
        QTest::newRow("second point stops") << "1.2.3" << 1.2;
        QTest::newRow("exponent") << "1.5E+07" << 1.5e7;
        QTest::newRow("negative exponent") << "1E-05" << 1e-5;
        QTest::newRow("lower-case exponent") << "2e3" << 2000.0;
        QTest::newRow("exponent without digits") << "3E" << 3.0;
        QTest::newRow("exponent sign without digits") << "3E+x" << 3.0;
        QTest::newRow("letters stop") << "12abc" << 12.0;
        QTest::newRow("starts with letters") << "abc12" << 0.0;
        QTest::newRow("empty") << "" << 0.0;
        QTest::newRow("lone sign") << "-" << 0.0;
        QTest::newRow("lone point") << "." << 0.0;
        QTest::newRow("leading point") << ".5" << 0.5;
        QTest::newRow("trailing point") << "5." << 5.0;
        QTest::newRow("comma stops") << "4,5" << 4.0;
        QTest::newRow("beyond double range") << "1E400" << 0.0;
        QTest::newRow("below double range") << "1E-400" << 0.0;
        QTest::newRow("long digits") << QString(300, u'9').prepend(u'.') << 1.0;
        // clang-format on
    }
    void leadingNumber()
    {
        QFETCH(QString, text);
        QFETCH(double, expected);
        QCOMPARE(leadingNumberValue(text), expected);
    }

    void leadingNumberWithOtherSeparator()
    {
        QCOMPARE(leadingNumberValue(QStringLiteral("4,5"), u','), 4.5);
        QCOMPARE(leadingNumberValue(QStringLiteral("4.5"), u','), 4.0);
    }

    void toSingleRange()
    {
        // Halfway between the largest single and the next power of two rounds to infinity.
        const double halfway = 0x1.ffffffp127;
        QCOMPARE(*number_text::toSingle(std::nextafter(halfway, 0.0)), std::numeric_limits<float>::max());
        QVERIFY(!number_text::toSingle(halfway));
        QVERIFY(!number_text::toSingle(-1e39));
        QVERIFY(!number_text::toSingle(std::numeric_limits<double>::quiet_NaN()));
        QCOMPARE(*number_text::toSingle(0.1), 0.1F);
    }
};

QTEST_GUILESS_MAIN(TestNumberText)
#include "tst_number_text.moc"
