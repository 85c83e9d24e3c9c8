// SPDX-License-Identifier: LicenseRef-proprietary
#include "layout_sheet.h"

#include "mod_math.h"
#include "number_text.h"
#include "spacing.h"

#include <QLocale>
#include <QTest>

#include <cmath>

using layout::CalculatorSnapshot;
using layout_sheet::Sheet;
using layout_sheet::Status;

Q_DECLARE_METATYPE(CalculatorSnapshot)
Q_DECLARE_METATYPE(Status)

namespace {

// What the calculator shows once Calculate has laid out this count.
CalculatorSnapshot laidOut(const QString &length, const QString &width, const QString &count, qint32 denominator)
{
    return {length, width, QStringLiteral("4"), denominator, count.toLongLong()};
}

// The inner on-centre distance as the calculator writes it.
QString innerOnCentreShown(const QString &length, const QString &width, const QString &count)
{
    const float w = modMath::FractionToDecimal(width);
    const float gap = spacing::gap(modMath::FractionToDecimal(length), w, number_text::leadingNumberValue(count));
    return number_text::decimalText(spacing::innerOnCentre(w, gap));
}

// The exact position rounded to the nearest 1/denominator, a halfway value
// going to the lower increment, written from the rounded value itself.
QString roundedFraction(double inches, qint32 denominator)
{
    const double steps = std::ceil(inches * denominator - 0.5);
    return modMath::DecimalToFraction(float(steps / denominator), denominator);
}

// The fraction as the sheet writes it, or a marker where it has none.
QString fraction(const layout_sheet::Mark &mark)
{
    return mark.fraction.value_or(QStringLiteral("(none)"));
}

}  // namespace

class TestLayoutSheet : public QObject
{
    Q_OBJECT

private slots:
    void init() { QLocale::setDefault(QLocale::c()); }

    void knownSheets_data()
    {
        QTest::addColumn<QString>("length");
        QTest::addColumn<QString>("width");
        QTest::addColumn<QString>("count");
        QTest::addColumn<int>("denominator");
        QTest::addColumn<QStringList>("first");      // decimal, fraction
        QTest::addColumn<QStringList>("last");       // decimal, fraction
        QTest::addColumn<QStringList>("rightPost");  // decimal, fraction
        QTest::newRow("36 by 1 3/8 at count 6, sixteenths")
            << "36"
            << "1 3/8"
            << "6" << 16 << QStringList{"4.651786", "4 5/8"} << QStringList{"31.34821", "31 3/8"}
            << QStringList{"4.651786", "4 5/8"};
        QTest::newRow("the same in quarters") << "36"
                                              << "1 3/8"
                                              << "6" << 4 << QStringList{"4.651786", "4 3/4"}
                                              << QStringList{"31.34821", "31 1/4"} << QStringList{"4.651786", "4 3/4"};
        QTest::newRow("the same in thirty-seconds")
            << "36"
            << "1 3/8"
            << "6" << 32 << QStringList{"4.651786", "4 21/32"} << QStringList{"31.34821", "31 11/32"}
            << QStringList{"4.651786", "4 21/32"};
        QTest::newRow("gap exactly 4") << "30.875"
                                       << "1 3/8"
                                       << "5" << 16 << QStringList{"4.6875", "4 11/16"}
                                       << QStringList{"26.1875", "26 3/16"} << QStringList{"4.6875", "4 11/16"};
        QTest::newRow("one railpin in the middle")
            << "36"
            << "1 3/8"
            << "1" << 16 << QStringList{"18", "18"} << QStringList{"18", "18"} << QStringList{"18", "18"};
    }
    void knownSheets()
    {
        QFETCH(QString, length);
        QFETCH(QString, width);
        QFETCH(QString, count);
        QFETCH(int, denominator);
        QFETCH(QStringList, first);
        QFETCH(QStringList, last);
        QFETCH(QStringList, rightPost);
        const Sheet sheet = layout_sheet::make(laidOut(length, width, count, denominator));
        QCOMPARE(sheet.status, Status::Ready);
        QCOMPARE(sheet.count, count.toDouble());
        QVERIFY(sheet.complete());
        QCOMPARE(sheet.listed.front().railpin, 1.0);
        QCOMPARE(sheet.listed.front().mark.decimal, first[0]);
        QCOMPARE(fraction(sheet.listed.front().mark), first[1]);
        QCOMPARE(sheet.listed.back().railpin, count.toDouble());
        QCOMPARE(sheet.listed.back().mark.decimal, last[0]);
        QCOMPARE(fraction(sheet.listed.back().mark), last[1]);
        QCOMPARE(fraction(sheet.last.mark), last[1]);
        QCOMPARE(sheet.lastToRightPost.decimal, rightPost[0]);
        QCOMPARE(fraction(sheet.lastToRightPost), rightPost[1]);
    }

    // Every mark of the calculator's own example.
    void calculatorsExample()
    {
        const Sheet sheet = layout_sheet::make(laidOut("36", "1 3/8", "6", 16));
        QCOMPARE(sheet.status, Status::Ready);
        QCOMPARE(sheet.listed.size(), size_t(6));
        const QStringList fractions = {"4 5/8", "10", "15 5/16", "20 11/16", "26", "31 3/8"};
        for (size_t i = 0; i < sheet.listed.size(); ++i)
            QCOMPARE(fraction(sheet.listed[i].mark), fractions[qsizetype(i)]);
    }

    // Stepping by the rounded on-centre distance (5 5/16) would put the last
    // railpin at 31 3/16; each mark is rounded from its exact position instead.
    void roundedStepsWouldDrift()
    {
        const Sheet sheet = layout_sheet::make(laidOut("36", "1 3/8", "6", 16));
        const double steppedLast = 4.625 + 5 * 5.3125;
        QCOMPARE(modMath::DecimalToFraction(float(steppedLast), 16), QStringLiteral("31 3/16"));
        QCOMPARE(fraction(sheet.last.mark), QStringLiteral("31 3/8"));
    }

    void everyMarkRoundedFromItsExactPosition_data()
    {
        QTest::addColumn<QString>("length");
        QTest::addColumn<QString>("width");
        QTest::addColumn<QString>("count");
        QTest::addColumn<int>("denominator");
        QTest::newRow("96 by 1 1/2, 17 railpins") << "96"
                                                  << "1 1/2"
                                                  << "17" << 8;
        QTest::newRow("long rail, 150 railpins") << "1000"
                                                 << "3/4"
                                                 << "150" << 16;
        QTest::newRow("odd length, thirty-seconds") << "1234.567"
                                                    << "1 3/8"
                                                    << "200" << 32;
        QTest::newRow("thin railpins in quarters") << "777.7"
                                                   << "0.3"
                                                   << "199" << 4;
    }
    void everyMarkRoundedFromItsExactPosition()
    {
        QFETCH(QString, length);
        QFETCH(QString, width);
        QFETCH(QString, count);
        QFETCH(int, denominator);
        const Sheet sheet = layout_sheet::make(laidOut(length, width, count, denominator));
        QCOMPARE(sheet.status, Status::Ready);
        QVERIFY(sheet.complete());

        const float w = modMath::FractionToDecimal(width);
        const float l = modMath::FractionToDecimal(length);
        const double n = count.toDouble();
        const double gap = (double(l) - double(w) * n) / (n + 1);
        const double firstRounded = std::ceil((gap + w / 2.0) * denominator - 0.5) / denominator;
        const double stepRounded = std::ceil((gap + w) * denominator - 0.5) / denominator;
        int marksAStepperWouldMiss = 0;
        for (const layout_sheet::Centre &centre : sheet.listed) {
            const double exact = centre.railpin * gap + (centre.railpin - 0.5) * double(w);
            QCOMPARE(centre.mark.inches, exact);
            QCOMPARE(centre.mark.decimal, number_text::decimalText(exact, number_text::kSingleDigits, u'.'));
            QCOMPARE(fraction(centre.mark), roundedFraction(exact, denominator));
            const double stepped = firstRounded + (centre.railpin - 1) * stepRounded;
            marksAStepperWouldMiss += int(roundedFraction(stepped, denominator) != fraction(centre.mark));
        }
        QVERIFY2(marksAStepperWouldMiss > 0, "the case should tell rounding each mark from adding rounded steps");
        const double lastExact = sheet.listed.back().mark.inches;
        QCOMPARE(sheet.lastToRightPost.inches, double(l) - lastExact);
        QCOMPARE(fraction(sheet.lastToRightPost), roundedFraction(double(l) - lastExact, denominator));
    }

    void noSheet_data()
    {
        QTest::addColumn<CalculatorSnapshot>("shown");
        QTest::addColumn<Status>("status");
        QTest::newRow("no count laid out")
            << CalculatorSnapshot{"36", "1 3/8", "4", 16, std::nullopt, false} << Status::NoRailpins;
        QTest::newRow("results not those of the count")
            << CalculatorSnapshot{"40", "1 3/8", "4", 16, std::nullopt, true} << Status::NotCurrent;
        QTest::newRow("beyond the whole railpins a double tells apart")
            << CalculatorSnapshot{"3E+17", "0.5", "4", 16, qint64(1) << 54, false} << Status::NoRailpins;
    }
    void noSheet()
    {
        QFETCH(CalculatorSnapshot, shown);
        QFETCH(Status, status);
        const Sheet sheet = layout_sheet::make(shown);
        QCOMPARE(sheet.status, status);
        QVERIFY(sheet.listed.empty());
    }

    // A count in the hundreds of millions lists only the first railpins and
    // still gives the last one and its distance to the right post.
    void hugeCountIsCapped_data()
    {
        QTest::addColumn<QString>("length");
        QTest::addColumn<QString>("count");
        QTest::newRow("Auto on a billion inches") << "1000000000"
                                                  << "999999999";
        QTest::newRow("count beyond 32 bits") << "3E+15"
                                              << "1000000000000000";
    }
    void hugeCountIsCapped()
    {
        QFETCH(QString, length);
        QFETCH(QString, count);
        const Sheet sheet = layout_sheet::make(laidOut(length, "0.5", count, 16));
        QCOMPARE(sheet.status, Status::Ready);
        QCOMPARE(sheet.listed.size(), size_t(layout_sheet::kListedRailpins));
        QVERIFY(!sheet.complete());
        QCOMPARE(sheet.listed.back().railpin, double(layout_sheet::kListedRailpins));
        QCOMPARE(sheet.last.railpin, count.toDouble());
        const double n = count.toDouble();
        const double gap = (double(modMath::FractionToDecimal(length)) - 0.5 * n) / (n + 1);
        QCOMPARE(sheet.last.mark.inches, n * gap + (n - 0.5) * 0.5);
    }

    // From the last centre to the right post is the inner on-centre distance
    // again, as from the left post to the first centre, whatever the count.
    void marksCloseOnTheSectionLength_data()
    {
        QTest::addColumn<QString>("length");
        QTest::addColumn<QString>("width");
        QTest::addColumn<QString>("count");
        QTest::newRow("36 by 1 3/8 at count 6") << "36"
                                                << "1 3/8"
                                                << "6";
        QTest::newRow("96 by 1 1/2, 17 railpins") << "96"
                                                  << "1 1/2"
                                                  << "17";
        QTest::newRow("long rail, 150 railpins") << "1000"
                                                 << "3/4"
                                                 << "150";
        QTest::newRow("Auto on a billion inches") << "1000000000"
                                                  << "0.5"
                                                  << "999999970";
    }
    void marksCloseOnTheSectionLength()
    {
        QFETCH(QString, length);
        QFETCH(QString, width);
        QFETCH(QString, count);
        const Sheet sheet = layout_sheet::make(laidOut(length, width, count, 16));
        QCOMPARE(sheet.status, Status::Ready);
        const QString innerOnCentre = innerOnCentreShown(length, width, count);
        QCOMPARE(sheet.lastToRightPost.decimal, innerOnCentre);
        QCOMPARE(sheet.listed.front().mark.decimal, innerOnCentre);
        QCOMPARE(fraction(sheet.lastToRightPost), fraction(sheet.listed.front().mark));
    }

    void listedRailpinsFollowTheLimit()
    {
        const CalculatorSnapshot shown = laidOut("1000", "3/4", "150", 16);
        QCOMPARE(layout_sheet::make(shown, 10).listed.size(), size_t(10));
        QCOMPARE(layout_sheet::make(shown, 150).listed.size(), size_t(150));
        QVERIFY(layout_sheet::make(shown, 150).complete());
        QCOMPARE(layout_sheet::make(shown, 0).listed.size(), size_t(0));
    }

    void markBeyondFractionRange()
    {
        const layout_sheet::Mark mark = layout_sheet::mark(3e9, 16);
        QCOMPARE(mark.decimal, QStringLiteral("3E+09"));
        QVERIFY(!mark.fraction.has_value());
    }
};

QTEST_GUILESS_MAIN(TestLayoutSheet)
#include "tst_layout_sheet.moc"
