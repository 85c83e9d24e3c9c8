// SPDX-License-Identifier: LicenseRef-proprietary
#include "auto_count.h"
#include "calculator_results.h"

#include <QLocale>
#include <QRandomGenerator>
#include <QTest>

#include <cmath>

using auto_count::Inputs;
using auto_count::Verdict;

namespace {

// What the plain Auto loop does: recalculate 1, 2, 3, ... with everything the
// window shows until a recalculation fails or disables Auto. Returns 0 when
// no count up to the limit stops it.
double literalLoop(const Inputs &inputs, qint64 limit)
{
    for (qint64 n = 1; n <= limit; ++n) {
        const calculator_results::Results shown = calculator_results::compute(
            {inputs.length, inputs.width, inputs.maximumGap, double(n), inputs.denominator, inputs.decimalPoint, {}});
        if (shown.failure || !shown.addAndAutoEnabled.value_or(false))
            return double(n);
    }
    return 0;
}

float pick(QRandomGenerator &random, std::initializer_list<std::pair<double, double>> ranges)
{
    const auto &range = *(ranges.begin() + random.bounded(int(ranges.size())));
    return float(range.first + random.generateDouble() * (range.second - range.first));
}

}  // namespace

class TestAutoCount : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { QLocale::setDefault(QLocale::c()); }

    void knownCounts_data()
    {
        // clang-format off
        QTest::addColumn<float>("length");
        QTest::addColumn<float>("width");
        QTest::addColumn<float>("maximumGap");
        QTest::addColumn<int>("denominator");
        QTest::addColumn<double>("count");
        QTest::newRow("36 by 1 3/8 within 4") << 36.0F << 1.375F << 4.0F << 16 << 6.0;
        QTest::newRow("96 by 1 1/2 within 4") << 96.0F << 1.5F << 4.0F << 8 << 17.0;
        QTest::newRow("42 by 1.5 within 3.5") << 42.0F << 1.5F << 3.5F << 16 << 8.0;
        QTest::newRow("short section still one railpin") << 3.0F << 1.375F << 4.0F << 16 << 1.0;
        QTest::newRow("re-read equals maximum") << 36.0F << 1.375F << 11.08333F << 16 << 2.0;
        QTest::newRow("failure stops at once") << 1e10F << 1.0F << 4.0F << 16 << 1.0;
        QTest::newRow("no increment selected stops at once") << 36.0F << 1.375F << 4.0F << 0 << 1.0;
        QTest::newRow("growing gap fails the recalculation") << 0.0F << -2164212220.0F << 0.0F << 16 << 129.0;
        // Rounding makes the gap zigzag here: the halving lands on 12940769583,
        // and no count in the 200000 below 12940769579 stops.
        QTest::newRow("first stop below the search's") << 3470.3103F << 0.674581289F << -0.674581051F << 16 << 12940769579.0;
        // Further out the zigzag spans thousands of counts: the halving lands
        // 1050 above the first stop, and none of the 3 million below it stops.
        QTest::newRow("first stop far below the search's") << 570425344.0F << -2.00782299F << 2.00782752F << 32 << 129326340185955.0;
        // clang-format on
    }
    void knownCounts()
    {
        QFETCH(float, length);
        QFETCH(float, width);
        QFETCH(float, maximumGap);
        QFETCH(int, denominator);
        QFETCH(double, count);
        const auto result = auto_count::find({length, width, maximumGap, denominator});
        QCOMPARE(result.verdict, Verdict::Found);
        QCOMPARE(result.count, count);
    }

    // Far beyond what a loop can check: the count stops and the one before does not.
    void billionRailpins()
    {
        const Inputs inputs{1e9F, 0.5F, 0.5F, 16};
        const auto result = auto_count::find(inputs);
        QCOMPARE(result.verdict, Verdict::Found);
        QVERIFY(result.count > 9e8 && result.count < 1e9);
        QVERIFY(auto_count::stopsAt(inputs, result.count));
        QVERIFY(!auto_count::stopsAt(inputs, result.count - 1));
    }

    void noCount_data()
    {
        // clang-format off
        QTest::addColumn<float>("length");
        QTest::addColumn<float>("width");
        QTest::addColumn<float>("maximumGap");
        QTest::addColumn<Verdict>("verdict");
        QTest::newRow("maximum below minus the width") << 36.0F << 1.375F << -2.0F << Verdict::GapNeverReachesMaximum;
        QTest::newRow("zero width, zero maximum") << 36.0F << 0.0F << 0.0F << Verdict::GapNeverReachesMaximum;
        QTest::newRow("zero width, negative maximum") << 36.0F << 0.0F << -1.0F << Verdict::GapNeverReachesMaximum;
        QTest::newRow("negative length grows the gap") << -36.0F << 1.0F << -40.0F << Verdict::GapNeverShrinks;
        QTest::newRow("needs more than the largest count") << 1e9F << 0.0F << 1e-7F << Verdict::CountTooLarge;
        // clang-format on
    }
    void noCount()
    {
        QFETCH(float, length);
        QFETCH(float, width);
        QFETCH(float, maximumGap);
        QFETCH(Verdict, verdict);
        const auto result = auto_count::find({length, width, maximumGap, 16});
        QCOMPARE(result.verdict, verdict);
        QCOMPARE(result.count, 0.0);
    }

    // The search gives the plain loop's answer for random inputs, including
    // zero, negative and tiny measurements. Where the loop finds no count,
    // the search reports none or a count beyond where the loop looked.
    void matchesLiteralLoop()
    {
        const int cases = qEnvironmentVariableIntValue("RAILPIN_AUTO_CASES") > 0
                              ? qEnvironmentVariableIntValue("RAILPIN_AUTO_CASES")
                              : 100000;
        constexpr qint64 kFullLimit = 1'000'000;
        constexpr qint64 kShortLimit = 1'000;
        // Each full check costs a million recalculations; the sanitizer build runs fewer.
        const int fullChecks = qEnvironmentVariableIsSet("RAILPIN_AUTO_FULL_CHECKS")
                                   ? qEnvironmentVariableIntValue("RAILPIN_AUTO_FULL_CHECKS")
                                   : 25;
        QRandomGenerator random(7122026);
        int found = 0;
        int unfound = 0;
        for (int i = 0; i < cases; ++i) {
            Inputs inputs;
            inputs.length = pick(random, {{1, 100}, {1, 1000}, {0, 1}, {-50, 0}, {0, 0}, {1e-6, 1e-3}, {1e3, 1e5}});
            inputs.width = pick(random, {{0.5, 4}, {0.5, 4}, {0, 0}, {-4, 0}, {1e-7, 1e-4}, {0, 40}});
            inputs.maximumGap = pick(random, {{0.5, 8}, {0.5, 8}, {0, 0}, {-8, 0}, {1e-6, 1e-3}, {0, 200}});
            inputs.denominator = 4 << random.bounded(4);
            const auto result = auto_count::find(inputs);
            const bool full = unfound < fullChecks;
            const double expected = literalLoop(inputs, full ? kFullLimit : kShortLimit);
            const auto describe = [&] {
                return qPrintable(QStringLiteral("length %1 width %2 maximum %3 at %4: search %5, loop %6")
                                      .arg(double(inputs.length), 0, 'g', 9)
                                      .arg(double(inputs.width), 0, 'g', 9)
                                      .arg(double(inputs.maximumGap), 0, 'g', 9)
                                      .arg(inputs.denominator)
                                      .arg(result.count)
                                      .arg(expected));
            };
            if (expected > 0) {
                ++found;
                QVERIFY2(result.verdict == Verdict::Found && result.count == expected, describe());
            } else {
                if (full)
                    ++unfound;
                QVERIFY2(result.verdict != Verdict::Found || result.count > double(full ? kFullLimit : kShortLimit),
                         describe());
            }
        }
        qInfo("%d inputs with a count, %d without (%d checked up to a million)", found, cases - found, unfound);
        QVERIFY(found > cases / 2);
        QCOMPARE(unfound, fullChecks);
    }
};

QTEST_GUILESS_MAIN(TestAutoCount)
#include "tst_auto_count.moc"
