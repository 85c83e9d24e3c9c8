// SPDX-License-Identifier: LicenseRef-proprietary
#include "auto_count.h"
#include "job_layout.h"
#include "measurement.h"
#include "mod_math.h"
#include "section_layout.h"

#include <QRandomGenerator>
#include <QTest>

using layout::Ends;
using layout::Job;
using layout::Section;
using layout::SectionLayout;
using layout::Unit;

namespace {

// One section in a job of its own; the slope "rise/run" or "angle" when given.
struct Case
{
    Job job;
    Section section;
};

Case makeCase(Unit unit, const QString &length, const QString &width, const QString &maximumGap, Ends ends,
              qint64 count = 0, const QString &rise = {}, const QString &run = {}, double angle = 0)
{
    Case c;
    c.job.unit = unit;
    c.job.railpinWidth = width;
    c.job.maximumGap = maximumGap;
    c.section.length = length;
    c.section.ends = ends;
    if (count != 0)
        c.section.count = count;
    if (!rise.isEmpty() || !run.isEmpty() || angle != 0)
        c.section.stair = layout::Stair{rise, run, angle != 0 ? std::optional<double>(angle) : std::nullopt};
    return c;
}

// The same case in a job whose stairs have a limit of their own.
Case withStairsLimit(Case c, const QString &stairs, const std::optional<QString> &sectionsOwn = std::nullopt)
{
    c.job.maximumGapStairs = stairs;
    c.section.maximumGap = sectionsOwn;
    return c;
}

// The same case laid out with a design gap, a spacing and what stands at mid-span.
Case balanced(Case c, const QString &designGap, layout::Spacing spacing, layout::Centre centre = layout::Centre::Either)
{
    c.job.designGap = designGap;
    c.job.spacing = spacing;
    c.job.centre = centre;
    return c;
}

// The same case with its length between post centres.
Case betweenCentres(Case c, const QString &postWidth)
{
    c.job.measuredBetween = layout::MeasuredBetween::Centres;
    c.job.postWidth = postWidth;
    return c;
}

}  // namespace

Q_DECLARE_METATYPE(Case)

class TestSectionLayout : public QObject
{
    Q_OBJECT

private slots:
    void geometries_data()
    {
        QTest::addColumn<Case>("c");
        QTest::addColumn<qint64>("count");
        QTest::addColumn<QString>("gap");
        QTest::addColumn<QString>("firstCentre");      // decimal, along the rail
        QTest::addColumn<QString>("firstCentreMark");  // along the rail
        QTest::addColumn<QString>("lastCentreMark");
        QTest::addColumn<QString>("firstHorizontal");  // stairs only: decimal and mark
        QTest::addColumn<QString>("firstHorizontalMark");
        const Unit in = Unit::Inches;
        const Unit mm = Unit::Millimetres;
        // clang-format off
        QTest::newRow("level, full ends")
            << makeCase(in, "36", "1 3/8", "4", Ends::Full) << qint64(6) << "3.964286" << "4.651786" << "4 5/8"
            << "31 3/8" << "" << "";
        QTest::newRow("level, half-gap ends")
            << makeCase(in, "36", "1 3/8", "4", Ends::Half) << qint64(7) << "3.767857" << "2.571429" << "2 9/16"
            << "33 7/16" << "" << "";
        QTest::newRow("stair by rise and run")
            << makeCase(in, "48", "1 1/2", "4", Ends::Full, 0, "7 1/2", "10") << qint64(7) << "3.4875" << "5.296875"
            << "5 5/16" << "42 11/16" << "4.2375" << "4 1/4";
        QTest::newRow("stair by angle")
            << makeCase(in, "48", "1 1/2", "4", Ends::Full, 0, {}, {}, 36.87) << qint64(7) << "3.487494"
            << "5.296874" << "5 5/16" << "42 11/16" << "4.237494" << "4 1/4";
        QTest::newRow("stair in feet and inches")
            << makeCase(in, "4'", "1 1/2", "4", Ends::Full, 0, "7 1/2\"", "10\"") << qint64(7) << "3.4875"
            << "5.296875" << "5 5/16" << "42 11/16" << "4.2375" << "4 1/4";
        QTest::newRow("given count")
            << makeCase(in, "36", "1 3/8", "4", Ends::Full, 8) << qint64(8) << "2.777778" << "3.465278" << "3 7/16"
            << "32 9/16" << "" << "";
        QTest::newRow("metric, full ends")
            << makeCase(mm, "914", "35", "100", Ends::Full) << qint64(7) << "83.6" << "101.1" << "101" << "813"
            << "" << "";
        QTest::newRow("metric, half-gap ends")
            << makeCase(mm, "914", "35", "100", Ends::Half) << qint64(7) << "95.6" << "65.3" << "65" << "849"
            << "" << "";
        QTest::newRow("metric stair")
            << makeCase(mm, "1200", "40", "100", Ends::Full, 0, "180", "240") << qint64(7) << "85" << "131.2"
            << "131" << "1069" << "105" << "105";
        QTest::newRow("stair on the stairs limit")
            << withStairsLimit(makeCase(in, "48", "1 1/2", "4", Ends::Full, 0, "7 1/2", "10"), "4 3/8") << qint64(6)
            << "4.2" << "6.1875" << "6 3/16" << "41 13/16" << "4.95" << "4 15/16";
        QTest::newRow("stair with a limit of its own")
            << withStairsLimit(makeCase(in, "48", "1 1/2", "5", Ends::Full, 0, "7 1/2", "10"), "4 3/8", "4")
            << qint64(7) << "3.4875" << "5.296875" << "5 5/16" << "42 11/16" << "4.2375" << "4 1/4";
        QTest::newRow("level ignores the stairs limit")
            << withStairsLimit(makeCase(in, "36", "1 3/8", "4", Ends::Full), "4 3/8") << qint64(6) << "3.964286"
            << "4.651786" << "4 5/8" << "31 3/8" << "" << "";
        QTest::newRow("empty stairs limit is the level one")
            << withStairsLimit(makeCase(in, "48", "1 1/2", "4", Ends::Full, 0, "7 1/2", "10"), " ") << qint64(7)
            << "3.4875" << "5.296875" << "5 5/16" << "42 11/16" << "4.2375" << "4 1/4";
        // clang-format on
    }
    void geometries()
    {
        QFETCH(Case, c);
        QFETCH(qint64, count);
        QFETCH(QString, gap);
        QFETCH(QString, firstCentre);
        QFETCH(QString, firstCentreMark);
        QFETCH(QString, lastCentreMark);
        QFETCH(QString, firstHorizontal);
        QFETCH(QString, firstHorizontalMark);

        const SectionLayout laid = layout::layOut(c.job, c.section);
        QVERIFY2(laid.laidOut(), qPrintable(laid.problems.join(u'\n')));
        QCOMPARE(laid.count, count);
        QCOMPARE(qint64(laid.marks.size()), count);
        QCOMPARE(layout::decimalMarkText(laid.gap, c.job), gap);
        QCOMPARE(layout::decimalMarkText(laid.marks.front().centre, c.job), firstCentre);
        QCOMPARE(layout::markText(laid.marks.front().centre, c.job), firstCentreMark);
        QCOMPARE(layout::markText(laid.marks.back().centre, c.job), lastCentreMark);
        QCOMPARE(laid.stair, !firstHorizontal.isEmpty());
        if (laid.stair) {
            QCOMPARE(qint64(laid.horizontalMarks.size()), count);
            QCOMPARE(layout::decimalMarkText(laid.horizontalMarks.front().centre, c.job), firstHorizontal);
            QCOMPARE(layout::markText(laid.horizontalMarks.front().centre, c.job), firstHorizontalMark);
        } else {
            QVERIFY(laid.horizontalMarks.empty());
        }
        QVERIFY(laid.warnings.isEmpty() || c.section.count);
    }

    void levelCentres()
    {
        const Case c = makeCase(Unit::Inches, "36", "1 3/8", "4", Ends::Full);
        const SectionLayout laid = layout::layOut(c.job, c.section);
        QStringList fromLeft;
        QStringList fromRight;
        for (const layout::RailpinMarks &marks : laid.marks) {
            fromLeft << layout::markText(marks.centre, c.job);
            fromRight << layout::markText(marks.centreFromRightPost, c.job);
        }
        const QStringList expected{"4 5/8", "10", "15 5/16", "20 11/16", "26", "31 3/8"};
        QCOMPARE(fromLeft, expected);
        QStringList reversed(expected.rbegin(), expected.rend());
        QCOMPARE(fromRight, reversed);
        QCOMPARE(layout::markText(laid.marks.front().leftEdge, c.job), QStringLiteral("3 15/16"));
        QCOMPARE(layout::markText(laid.marks.front().rightEdge, c.job), QStringLiteral("5 5/16"));
        QCOMPARE(layout::markText(laid.outerOnCentre, c.job), QStringLiteral("5 5/16"));
        QCOMPARE(layout::markText(laid.innerOnCentre, c.job), QStringLiteral("4 5/8"));
    }

    // Every mark from the right post is the mark of its mirror railpin from the left.
    void marksMirror_data() { geometries_data(); }
    void marksMirror()
    {
        QFETCH(Case, c);
        const SectionLayout laid = layout::layOut(c.job, c.section);
        QVERIFY(laid.laidOut());
        const auto n = qsizetype(laid.marks.size());
        for (qsizetype k = 0; k < n; ++k) {
            const layout::RailpinMarks &marks = laid.marks[size_t(k)];
            const layout::RailpinMarks &mirror = laid.marks[size_t(n - 1 - k)];
            QCOMPARE(layout::markText(marks.centreFromRightPost, c.job), layout::markText(mirror.centre, c.job));
            QCOMPARE(marks.railpin, k + 1);
            QVERIFY(marks.leftEdge < marks.centre && marks.centre < marks.rightEdge);
        }
    }

    // Forty railpins of 1 1/2 in 240 with a gap of 180/41: each centre is the
    // nearest sixteenth of its exact position, worked out here in whole numbers.
    void noDriftOverFortyRailpins()
    {
        const qint64 n = 40;
        const Case c = makeCase(Unit::Inches, "240", "1 1/2", "4 1/2", Ends::Full, n);
        const SectionLayout laid = layout::layOut(c.job, c.section);
        QVERIFY(laid.laidOut());
        QCOMPARE(qint64(laid.marks.size()), n);
        for (qint64 k = 1; k <= n; ++k) {
            // centre = k * 180 / 41 + (k - 1/2) * 3/2, in sixteenths: (2880 k + 12 (2k - 1) 41) / 41.
            const qint64 numerator = 2880 * k + 12 * (2 * k - 1) * 41;
            const qint64 denominator = 41;
            qint64 sixteenths = numerator / denominator;
            if (2 * (numerator % denominator) > denominator)
                ++sixteenths;
            const QString expected = modMath::DecimalToFraction(float(double(sixteenths) / 16), 16);
            QCOMPARE(layout::markText(laid.marks[size_t(k - 1)].centre, c.job), expected);
        }
        // Adding the rounded on-centre distances instead (5 1/8, then 5 7/8
        // each) would put the last mark more than half an inch off.
        const double added = 5.125 + 39 * 5.875;
        QCOMPARE(layout::markText(laid.innerOnCentre, c.job), QStringLiteral("5 1/8"));
        QCOMPARE(layout::markText(laid.outerOnCentre, c.job), QStringLiteral("5 7/8"));
        QVERIFY(std::abs(added - laid.marks.back().centre) > 0.5);
    }

    // A level section with full ends in inches counts as the calculator's
    // Auto does: on the gap's 7-digit text, which may part from the exact
    // gap on either side of the maximum. Other sections keep the exact gap.
    void shownGapDecidesTheCount_data()
    {
        QTest::addColumn<Case>("c");
        QTest::addColumn<qint64>("count");
        QTest::addColumn<QStringList>("warnings");
        const Unit in = Unit::Inches;
        // clang-format off
        QTest::newRow("text equals the maximum, exact gap above") << makeCase(in, "36", "1 3/8", "11.08333", Ends::Full)
            << qint64(2) << QStringList();
        QTest::newRow("gap 4.0000002 shows as 4") << makeCase(in, "36", "1.333333", "4", Ends::Full)
            << qint64(6) << QStringList();
        QTest::newRow("given count shown at the maximum warns not") << makeCase(in, "36", "1 3/8", "11.08333", Ends::Full, 2)
            << qint64(2) << QStringList();
        QTest::newRow("half ends keep the exact gap") << makeCase(in, "36", "1.333333", "4", Ends::Half)
            << qint64(7) << QStringList();
        // clang-format on
    }
    void shownGapDecidesTheCount()
    {
        QFETCH(Case, c);
        QFETCH(qint64, count);
        QFETCH(QStringList, warnings);
        const SectionLayout laid = layout::layOut(c.job, c.section);
        QVERIFY(laid.laidOut());
        QCOMPARE(laid.count, count);
        QCOMPARE(laid.warnings, warnings);
        if (c.section.ends == Ends::Full && !c.section.count) {
            const auto calculator = auto_count::find({laid.length, laid.railpinWidth, laid.maximumGap, 16});
            QCOMPARE(calculator.count, double(count));
        }
    }

    void givenCountOverTheMaximum()
    {
        const Case c = makeCase(Unit::Inches, "36", "1 3/8", "4", Ends::Full, 5);
        const SectionLayout laid = layout::layOut(c.job, c.section);
        QVERIFY(laid.laidOut());
        QCOMPARE(laid.count, qint64(5));
        QCOMPARE(laid.warnings,
                 QStringList{"the gap of 4.854167 (4 7/8) with 5 railpins is wider than the maximum gap of 4"});
        const Case metric = makeCase(Unit::Millimetres, "914", "35", "100", Ends::Full, 6);
        QCOMPARE(layout::layOut(metric.job, metric.section).warnings,
                 QStringList{"the gap of 100.6 with 6 railpins is wider than the maximum gap of 100"});
    }

    void problemsInWords_data()
    {
        QTest::addColumn<Case>("c");
        QTest::addColumn<QStringList>("problems");
        const Unit in = Unit::Inches;
        const Ends full = Ends::Full;
        // clang-format off
        QTest::newRow("length not a measurement") << makeCase(in, "abc", "1 3/8", "4", full)
            << QStringList{"length \"abc\" is not a measurement: type inches as 36, 36.5, 1 3/8, 1-3/8, 1 3/8 in or 12' 3 1/2\""};
        QTest::newRow("three at once") << makeCase(in, "", "0", "-4", full)
            << QStringList{"length is missing", "railpin width \"0\" must be more than 0",
                           "maximum gap \"-4\" must be more than 0"};
        QTest::newRow("fraction in millimetres") << makeCase(Unit::Millimetres, "914", "1 3/8", "100", full)
            << QStringList{"railpin width \"1 3/8\" is a fraction: fractions are not used in millimetre jobs, type "
                           "a whole or decimal number of millimetres"};
        QTest::newRow("given count does not fit") << makeCase(in, "36", "1 3/8", "4", full, 30)
            << QStringList{"30 railpins 1 3/8 wide do not fit in a length of 36"};
        QTest::newRow("no count fits") << makeCase(in, "10", "9", "0.1", full)
            << QStringList{"railpins 9 wide do not fit in a length of 10 with gaps of at most 0.1"};
        QTest::newRow("railpin wider than a section that needs one") << makeCase(in, "5", "6", "4", Ends::Half)
            << QStringList{"railpins 6 wide do not fit in a length of 5 with gaps of at most 4"};
        QTest::newRow("negative count") << makeCase(in, "36", "1 3/8", "4", full, -1)
            << QStringList{"a count of -1 railpins is not possible: give 0 or more"};
        QTest::newRow("count too large") << makeCase(in, "36", "1 3/8", "4", full, 10001)
            << QStringList{"a count of 10001 railpins is more than the 10000 a section can have"};
        QTest::newRow("too many railpins needed") << makeCase(in, "1000000", "1", "1", full)
            << QStringList{"more than 10000 railpins would be needed to keep the gaps within 1 in"};
        QTest::newRow("steep rise and run") << makeCase(in, "48", "1 1/2", "4", full, 0, "10", "5")
            << QStringList{"a rise of 10 in a run of 5 is a slope of 63.43°: a stair must be less steep than 60°"};
        QTest::newRow("angle of 60") << makeCase(in, "48", "1 1/2", "4", full, 0, {}, {}, 60)
            << QStringList{"a slope of 60° is too steep: a stair must be less steep than 60°"};
        QTest::newRow("negative angle") << makeCase(in, "48", "1 1/2", "4", full, 0, {}, {}, -5)
            << QStringList{"a slope of -5° is not a stair: the angle must be more than 0°"};
        QTest::newRow("zero rise") << makeCase(in, "48", "1 1/2", "4", full, 0, "0", "10")
            << QStringList{"rise \"0\" must be more than 0"};
        QTest::newRow("run unreadable") << makeCase(in, "48", "1 1/2", "4", full, 0, "7", "ten")
            << QStringList{"run \"ten\" is not a measurement: type inches as 36, 36.5, 1 3/8, 1-3/8, 1 3/8 in or 12' 3 1/2\""};
        // clang-format on
        Case noSlope = makeCase(in, "48", "1 1/2", "4", full);
        noSlope.section.stair = layout::Stair{};
        QTest::newRow("stair without a slope")
            << noSlope << QStringList{"the stair's slope is missing: give its rise and run or its angle"};
        Case badIncrement = makeCase(in, "36", "1 3/8", "4", full);
        badIncrement.job.increment = 0;
        QTest::newRow("increment not in the list")
            << badIncrement << QStringList{"an increment of 1/0 is not one of 1/4, 1/8, 1/16 or 1/32"};
        using layout::Centre;
        using layout::Spacing;
        QTest::newRow("same spacing, gap: none fits")
            << balanced(makeCase(in, "96", "1 1/2", "4", full), "3 1/2", Spacing::Same, Centre::Gap)
            << QStringList{"no count keeps both end gaps within 4 in with a gap at mid-span"};
        QTest::newRow("same spacing without a design gap")
            << balanced(makeCase(in, "96", "1 1/2", "4", full), {}, Spacing::Same)
            << QStringList{"the same spacing on every section needs a design gap: the gap between its railpins"};
        QTest::newRow("design gap over the limit")
            << balanced(makeCase(in, "96", "1 1/2", "4", full), "4 1/8", Spacing::Equal)
            << QStringList{"design gap 4 1/8 is more than the maximum gap of 4"};
        QTest::newRow("same spacing with half-gap ends")
            << balanced(makeCase(in, "96", "1 1/2", "4", Ends::Half), "3", Spacing::Same)
            << QStringList{"half-gap ends apply to equal gaps only: with the same spacing both end gaps are equal"};
        QTest::newRow("same spacing, given count does not fit")
            << balanced(makeCase(in, "72 1/2", "1 1/2", "4", full, 15 + 1), "3 1/2", Spacing::Same)
            << QStringList{"16 railpins 1 1/2 wide do not fit in a length of 72 1/2"};
        QTest::newRow("post width missing")
            << betweenCentres(makeCase(in, "72", "1 1/2", "4", full), {}) << QStringList{"post width is missing"};
        QTest::newRow("posts wider than the length")
            << betweenCentres(makeCase(in, "3", "1 1/2", "4", full), "3 1/2")
            << QStringList{"posts 3 1/2 wide leave no clear span in a length of 3 between post centres"};
        Case ownWidth = makeCase(in, "36", "1 3/8", "4", full);
        ownWidth.section.railpinWidth = QStringLiteral("wide");
        QTest::newRow("section's own width") << ownWidth
                                             << QStringList{"railpin width \"wide\" is not a measurement: type inches "
                                                            "as 36, 36.5, 1 3/8, 1-3/8, 1 3/8 in or 12' 3 1/2\""};
    }
    // The layouts of a balanced railing: design gap, same spacing, what
    // stands at mid-span, lengths between post centres.
    void balancedLayouts_data()
    {
        using layout::Centre;
        using layout::Spacing;
        QTest::addColumn<Case>("c");
        QTest::addColumn<qint64>("count");
        QTest::addColumn<QString>("gap");              // decimal
        QTest::addColumn<QString>("endGap");           // mark
        QTest::addColumn<QStringList>("centres");      // the first three marks from the left post
        QTest::addColumn<QStringList>("fromMidSpan");  // the first and the middle railpin
        QTest::addColumn<QStringList>("warnings");
        const Unit in = Unit::Inches;
        const Unit mm = Unit::Millimetres;
        const Ends full = Ends::Full;
        // clang-format off
        QTest::newRow("limit alone") << makeCase(in, "96", "1 1/2", "4", full) << qint64(17) << "3.916667"
            << "3 15/16" << QStringList{"4 11/16", "10 1/16", "15 1/2"} << QStringList{"\u221243 5/16", "0"}
            << QStringList();
        QTest::newRow("design gap") << balanced(makeCase(in, "96", "1 1/2", "4", full), "3 1/2", Spacing::Equal)
            << qint64(19) << "3.375" << "3 3/8" << QStringList{"4 1/8", "9", "13 7/8"}
            << QStringList{"\u221243 7/8", "0"} << QStringList();
        QTest::newRow("same spacing, 96") << balanced(makeCase(in, "96", "1 1/2", "4", full), "3 1/2", Spacing::Same)
            << qint64(19) << "3.5" << "2 1/4" << QStringList{"3", "8", "13"} << QStringList{"\u221245", "0"}
            << QStringList();
        QTest::newRow("same spacing, 72 1/2")
            << balanced(makeCase(in, "72 1/2", "1 1/2", "4", full), "3 1/2", Spacing::Same) << qint64(14) << "3.5"
            << "3" << QStringList{"3 3/4", "8 3/4", "13 3/4"} << QStringList{"\u221232 1/2", "\u22122 1/2"}
            << QStringList();
        QTest::newRow("equal, railpin at mid-span")
            << balanced(makeCase(in, "36", "1 3/8", "4", full), {}, Spacing::Equal, Centre::Railpin) << qint64(7)
            << "3.296875" << "3 5/16" << QStringList{"4", "8 5/8", "13 5/16"}
            << QStringList{"\u221214", "0"} << QStringList();
        QTest::newRow("same spacing, railpin, 96")
            << balanced(makeCase(in, "96", "1 1/2", "4", full), "3 1/2", Spacing::Same, Centre::Railpin)
            << qint64(19) << "3.5" << "2 1/4" << QStringList{"3", "8", "13"} << QStringList{"\u221245", "0"}
            << QStringList();
        QTest::newRow("same spacing, railpin, 72 1/2")
            << balanced(makeCase(in, "72 1/2", "1 1/2", "4", full), "3 1/2", Spacing::Same, Centre::Railpin)
            << qint64(15) << "3.5" << "1/2" << QStringList{"1 1/4", "6 1/4", "11 1/4"}
            << QStringList{"\u221235", "0"} << QStringList();
        QTest::newRow("same spacing, gap, 72 1/2")
            << balanced(makeCase(in, "72 1/2", "1 1/2", "4", full), "3 1/2", Spacing::Same, Centre::Gap)
            << qint64(14) << "3.5" << "3" << QStringList{"3 3/4", "8 3/4", "13 3/4"}
            << QStringList{"\u221232 1/2", "\u22122 1/2"} << QStringList();
        QTest::newRow("same spacing, railpin, closest not fewest")
            << balanced(makeCase(in, "36", "3/4", "4", full), "2", Spacing::Same, Centre::Railpin) << qint64(13)
            << "2" << "1 1/8" << QStringList{"1 1/2", "4 1/4", "7"} << QStringList{"\u221216 1/2", "0"}
            << QStringList();
        QTest::newRow("between post centres")
            << betweenCentres(makeCase(in, "72", "1 1/2", "4", full), "3 1/2") << qint64(12) << "3.884615"
            << "3 7/8" << QStringList{"4 5/8", "10", "15 3/8"} << QStringList{"\u221229 5/8", "\u22122 11/16"}
            << QStringList();
        QTest::newRow("stair between post centres")
            << betweenCentres(makeCase(in, "50", "1 1/2", "4", full, 0, "7 1/2", "10"), "1 1/2") << qint64(7)
            << "3.5" << "3 1/2" << QStringList{"5 5/16", "11 9/16", "17 13/16"} << QStringList{"\u221218 3/4", "0"}
            << QStringList();
        QTest::newRow("metric same spacing, gap")
            << balanced(makeCase(mm, "1841", "38", "100", full), "89", Spacing::Same, Centre::Gap) << qint64(14)
            << "89" << "76" << QStringList{"95", "222", "349"} << QStringList{"\u2212825", "\u221263"}
            << QStringList();
        QTest::newRow("given count: end gaps over the limit")
            << balanced(makeCase(in, "72 1/2", "1 1/2", "4", full, 13), "3 1/2", Spacing::Same) << qint64(13)
            << "3.5" << "5 1/2" << QStringList{"6 1/4", "11 1/4", "16 1/4"} << QStringList{"\u221230", "0"}
            << QStringList{"the end gaps of 5 1/2 with 13 railpins are wider than the maximum gap of 4"};
        // A given count can leave slivers at the posts; 1/2 in just is not one (above).
        QTest::newRow("given count: end gaps a sliver")
            << balanced(makeCase(in, "92", "1 1/2", "4", full, 19), "3 1/2", Spacing::Same) << qint64(19)
            << "3.5" << "1/4" << QStringList{"1", "6", "11"} << QStringList{"\u221245", "0"}
            << QStringList{"the end gaps of 1/4 in are narrower than 1/2 in: too close to the post to fix a railpin"};
        QTest::newRow("metric given count: end gaps a sliver")
            << balanced(makeCase(mm, "1709", "38", "100", full, 14), "89", Spacing::Same, Centre::Gap) << qint64(14)
            << "89" << "10" << QStringList{"29", "156", "283"} << QStringList{"\u2212825", "\u221263"}
            << QStringList{"the end gaps of 10 mm are narrower than 12 mm: too close to the post to fix a railpin"};
        QTest::newRow("given count of the other parity")
            << balanced(makeCase(in, "36", "1 3/8", "4", full, 6), {}, Spacing::Equal, Centre::Railpin)
            << qint64(6) << "3.964286" << "3 15/16" << QStringList{"4 5/8", "10", "15 5/16"}
            << QStringList{"\u221213 3/8", "\u22122 11/16"}
            << QStringList{"6 railpins do not put a railpin at mid-span"};
        // clang-format on
    }
    void balancedLayouts()
    {
        QFETCH(Case, c);
        QFETCH(qint64, count);
        QFETCH(QString, gap);
        QFETCH(QString, endGap);
        QFETCH(QStringList, centres);
        QFETCH(QStringList, fromMidSpan);
        QFETCH(QStringList, warnings);
        const SectionLayout laid = layout::layOut(c.job, c.section);
        QVERIFY2(laid.laidOut(), qPrintable(laid.problems.join(u'\n')));
        QCOMPARE(laid.count, count);
        QCOMPARE(layout::decimalMarkText(laid.gap, c.job), gap);
        QCOMPARE(layout::markText(laid.endGap, c.job), endGap);
        QStringList first;
        for (size_t k = 0; k < 3; ++k)
            first << layout::markText(laid.marks[k].centre, c.job);
        QCOMPARE(first, centres);
        const QStringList mid{layout::fromMidSpanText(laid.marks.front().fromMidSpan, c.job),
                              layout::fromMidSpanText(laid.marks[size_t(count - 1) / 2].fromMidSpan, c.job)};
        QCOMPARE(mid, fromMidSpan);
        QCOMPARE(laid.warnings, warnings);
        // Centred layouts are symmetric: the last railpin's end gap is the first's.
        QCOMPARE(layout::markText(laid.marks.back().centreFromRightPost, c.job),
                 layout::markText(laid.marks.front().centre, c.job));
    }

    // The engine's count against a plain search over every count, for each
    // layout, on seeded random sections.
    void countsAgreeWithASearch()
    {
        using layout::Centre;
        using layout::Spacing;
        QRandomGenerator random(2112);
        for (int trial = 0; trial < 3000; ++trial) {
            const auto spacing = Spacing(random.bounded(2));
            const auto centre = Centre(random.bounded(3));
            const bool half = spacing == Spacing::Equal && random.bounded(2) == 1;
            // Millimetres, so that every layout is decided on its exact gap.
            const int width = 10 + random.bounded(40);
            const int limit = 60 + random.bounded(60);
            const int design = 20 + random.bounded(limit - 19);
            const int length = 50 + random.bounded(3000);
            Case c = balanced(makeCase(Unit::Millimetres, QString::number(length), QString::number(width),
                                       QString::number(limit), half ? Ends::Half : Ends::Full),
                              QString::number(design), spacing, centre);
            const SectionLayout laid = layout::layOut(c.job, c.section);
            std::optional<qint64> searched;
            double best = 0;
            for (qint64 n = spacing == Spacing::Same ? 1 : 0; n <= length / width + 1; ++n) {
                if ((centre == Centre::Railpin && n % 2 == 0) || (centre == Centre::Gap && n % 2 == 1))
                    continue;
                const double w = width;
                const auto railpins = double(n);
                if (spacing == Spacing::Same) {
                    const double end = (length - railpins * w - (railpins - 1) * design) / 2.0;
                    if (end >= 0 && end <= limit && (!searched || std::abs(end - design) < best)) {
                        searched = n;
                        best = std::abs(end - design);
                    }
                } else {
                    const double gap = n == 0 ? length
                                       : half ? length / railpins - w
                                              : (length - railpins * w) / (railpins + 1.0);
                    if (gap > 0 && gap <= design) {
                        searched = n;
                        break;
                    }
                }
            }
            const QString what =
                QStringLiteral("length %1, width %2, limit %3, design %4, spacing %5, centre %6, half %7")
                    .arg(length)
                    .arg(width)
                    .arg(limit)
                    .arg(design)
                    .arg(int(spacing))
                    .arg(int(centre))
                    .arg(half);
            QVERIFY2(laid.laidOut() == searched.has_value(), qPrintable(what));
            if (searched)
                QVERIFY2(laid.count == *searched,
                         qPrintable(what + QStringLiteral(": %1 not %2").arg(laid.count).arg(*searched)));
        }
    }

    void problemsInWords()
    {
        QFETCH(Case, c);
        QFETCH(QStringList, problems);
        const SectionLayout laid = layout::layOut(c.job, c.section);
        QCOMPARE(laid.problems, problems);
        QVERIFY(!laid.laidOut());
        QVERIFY(laid.marks.empty());
    }

    // A job laid out for an output: the budget first, then every section up
    // to the first that cannot be, its warnings gathered with their section.
    void jobForOutput_data()
    {
        QTest::addColumn<QStringList>("counts");  // one section each, 36 in long; "x" cannot be laid out
        QTest::addColumn<bool>("overBudget");
        QTest::addColumn<int>("failedSection");  // -1: none
        QTest::addColumn<QStringList>("warnings");
        QTest::newRow("within the maximum") << QStringList{"", "6"} << false << -1 << QStringList();
        QTest::newRow("over the maximum in the second")
            << QStringList{"", "2"} << false << -1
            << QStringList{"section 2 \"S\u2028\": the gap of 11.08333 (11 1/16) with 2 railpins is wider than the "
                           "maximum gap of 4"};
        QTest::newRow("a warning before a section that cannot be laid out")
            << QStringList{"2", "x", "2"} << false << 1
            << QStringList{"section 1 \"S\u2028\": the gap of 11.08333 (11 1/16) with 2 railpins is wider than the "
                           "maximum gap of 4"};
        QTest::newRow("over the budget, nothing laid out")
            << QStringList(21, QStringLiteral("10000")) << true << -1 << QStringList();
    }
    void jobForOutput()
    {
        QFETCH(QStringList, counts);
        QFETCH(bool, overBudget);
        QFETCH(int, failedSection);
        QFETCH(QStringList, warnings);
        Job job;
        job.railpinWidth = QStringLiteral("1 3/8");
        job.maximumGap = QStringLiteral("4");
        for (const QString &count : counts) {
            Section section;
            section.name = QStringLiteral("S\u2028");
            section.length = count == QLatin1String("x") ? QStringLiteral("abc") : QStringLiteral("36");
            if (count.toLongLong() > 0) {
                section.count = count.toLongLong();
                section.length = count.toLongLong() > 1000 ? QStringLiteral("120000") : section.length;
            }
            job.sections.push_back(section);
        }
        const layout::JobLayout laid = layout::layOutForOutput(job);
        QCOMPARE(laid.overBudget, overBudget);
        QCOMPARE(laid.laidOut(), !overBudget && failedSection < 0);
        QCOMPARE(laid.failedSection.has_value(), failedSection >= 0);
        if (overBudget)
            QVERIFY2(laid.refusal.contains(QStringLiteral("210000")), qPrintable(laid.refusal));
        QCOMPARE(laid.sections.size(), overBudget ? 0 : failedSection >= 0 ? size_t(failedSection) + 1 : counts.size());
        QStringList lines;
        for (const layout::SectionWarning &warning : laid.warnings)
            lines << layout::sectionWarningLine(job, warning);
        // The name on one line: the line separator is replaced.
        for (QString &line : warnings)
            line.replace(QChar(0x2028), QChar::ReplacementCharacter);
        QCOMPARE(lines, warnings);
    }

    // What the marks are measured from, and how far: between post faces
    // "the left post" as always, whatever the job's Marks from says;
    // between post centres the face, or the centre half a post further
    // (along the rail the post's slanted cut). The worked example: 3 1/2 in
    // posts 72 in apart centre to centre, every mark 1 3/4 in further.
    void markReferences_data()
    {
        QTest::addColumn<Case>("given");
        QTest::addColumn<int>("reference");  // layout::MarkReference
        QTest::addColumn<double>("shift");   // along the rail
        QTest::addColumn<double>("levelShift");
        QTest::addColumn<QString>("firstCentre");  // from the left reference, as marked
        const Case level = makeCase(Unit::Inches, "72", "1 1/2", "4", Ends::Full);
        const Case stair = makeCase(Unit::Inches, "72", "1 1/2", "4", Ends::Full, 0, "7 1/2", "10");
        const auto from = [](Case c, layout::MarksFrom marksFrom) {
            c.job.marksFrom = marksFrom;
            return c;
        };
        using layout::MarkReference;
        using layout::MarksFrom;
        QTest::newRow("between faces") << level << int(MarkReference::Post) << 0.0 << 0.0 << "4 1/2";
        QTest::newRow("between faces, from centres asked")
            << from(level, MarksFrom::Centres) << int(MarkReference::Post) << 0.0 << 0.0 << "4 1/2";
        QTest::newRow("between centres, from faces")
            << betweenCentres(level, "3 1/2") << int(MarkReference::PostFace) << 0.0 << 0.0 << "4 5/8";
        QTest::newRow("between centres, from centres") << from(betweenCentres(level, "3 1/2"), MarksFrom::Centres)
                                                       << int(MarkReference::PostCentre) << 1.75 << 1.75 << "6 3/8";
        Case own = from(level, MarksFrom::Centres);
        own.job.postWidth = QStringLiteral("3 1/2");
        own.section.measuredBetween = layout::MeasuredBetween::Centres;
        QTest::newRow("section's own centres, from centres")
            << own << int(MarkReference::PostCentre) << 1.75 << 1.75 << "6 3/8";
        // A slope of 7 1/2 : 10 has a cosine of 0.8: the post is 4 3/8 wide along the rail.
        QTest::newRow("stair between centres, from centres")
            << from(betweenCentres(stair, "3 1/2"), MarksFrom::Centres) << int(MarkReference::PostCentre) << 2.1875
            << 1.75 << "7 9/16";
        QTest::newRow("stair between centres, from faces")
            << betweenCentres(stair, "3 1/2") << int(MarkReference::PostFace) << 0.0 << 0.0 << "5 3/8";
    }
    void markReferences()
    {
        QFETCH(Case, given);
        QFETCH(int, reference);
        QFETCH(double, shift);
        QFETCH(double, levelShift);
        QFETCH(QString, firstCentre);
        const SectionLayout laid = layout::layOut(given.job, given.section);
        QVERIFY2(laid.laidOut(), qPrintable(laid.problems.join(u'\n')));
        QCOMPARE(int(laid.reference), reference);
        QCOMPARE(laid.referenceShift, shift);
        QCOMPARE(laid.horizontalReferenceShift, levelShift);
        const layout::RailpinMarks first = layout::referencedMarks(laid, laid.marks.front());
        const layout::RailpinMarks last = layout::referencedMarks(laid, laid.marks.back());
        QCOMPARE(layout::markText(first.centre, given.job), firstCentre);
        // Every position moves by the shift, the distance from mid-span not at all.
        QCOMPARE(first.leftEdge, laid.marks.front().leftEdge + shift);
        QCOMPARE(first.rightEdge, laid.marks.front().rightEdge + shift);
        QCOMPARE(first.fromMidSpan, laid.marks.front().fromMidSpan);
        // From either reference the ends mirror each other.
        QVERIFY(qAbs(last.centreFromRightPost - first.centre) < 1e-9);
        if (!laid.horizontalMarks.empty()) {
            const layout::RailpinMarks level = layout::referencedMarks(laid, laid.horizontalMarks.front(), true);
            QCOMPARE(level.centre, laid.horizontalMarks.front().centre + levelShift);
        }
    }

    void totals_data()
    {
        QTest::addColumn<QList<qint64>>("counts");  // 0: a section with a problem
        QTest::addColumn<int>("percent");
        QTest::addColumn<int>("packSize");  // 0: none
        QTest::addColumn<QStringList>("lines");
        QTest::addColumn<int>("withProblems");
        QTest::newRow("ten percent of twenty is two")
            << QList<qint64>{6, 7, 7} << 10 << 8
            << QStringList{"Total railpins: 20", "To order (10 % extra): 22", "3 packs of 8"} << 0;
        QTest::newRow("rounded up") << QList<qint64>{21} << 10 << 0
                                    << QStringList{"Total railpins: 21", "To order (10 % extra): 24"} << 0;
        QTest::newRow("no extra") << QList<qint64>{20} << 0 << 25
                                  << QStringList{"Total railpins: 20", "To order (0 % extra): 20", "1 pack of 25"} << 0;
        QTest::newRow("a section with a problem counts nothing")
            << QList<qint64>{6, 0} << 10 << 0
            << QStringList{"Total railpins: 6 (1 of 2 sections not laid out, not counted)",
                           "To order (10 % extra): 7 (1 of 2 sections not laid out, not counted)"}
            << 1;
        QTest::newRow("most sections with problems")
            << QList<qint64>{6, 0, 0, 7} << 10 << 8
            << QStringList{"Total railpins: 13 (2 of 4 sections not laid out, not counted)",
                           "To order (10 % extra): 15 (2 of 4 sections not laid out, not counted)",
                           "2 packs of 8 (2 of 4 sections not laid out, not counted)"}
            << 2;
    }
    void totals()
    {
        QFETCH(QList<qint64>, counts);
        QFETCH(int, percent);
        QFETCH(int, packSize);
        QFETCH(QStringList, lines);
        QFETCH(int, withProblems);
        Job job;
        job.extraStockPercent = percent;
        if (packSize > 0)
            job.packSize = packSize;
        std::vector<SectionLayout> layouts;
        for (const qint64 count : counts) {
            SectionLayout laid;
            laid.count = count;
            if (count == 0)
                laid.problems << QStringLiteral("length is missing");
            layouts.push_back(laid);
        }
        const layout::Totals totals = layout::totals(job, layouts);
        QCOMPARE(layout::totalsLines(job, totals), lines);
        QCOMPARE(totals.sectionsWithProblems, withProblems);
    }
};

QTEST_GUILESS_MAIN(TestSectionLayout)
#include "tst_section_layout.moc"
