// SPDX-License-Identifier: LicenseRef-proprietary
#include "section_layout.h"

#include "auto_count.h"
#include "calculator_results.h"
#include "display_text.h"
#include "field_reading.h"
#include "increments.h"
#include "job_fields.h"
#include "measurement.h"
#include "number_text.h"

#include <QCoreApplication>

#include <cmath>
#include <numbers>

namespace layout {

namespace {

// Stairs steeper than this are refused: no stair rail is, and the marks
// along the rail grow without bound as the slope nears 90 degrees.
constexpr double kSteepestSlopeDegrees = 60;

QString degreesText(double degrees)
{
    return number_text::decimalText(degrees, 4, u'.');
}

// Fills in the slope of a stair section, or says why it cannot be used.
void readSlope(const Stair &stair, Unit unit, SectionLayout &out)
{
    out.stair = true;
    const bool riseAndRun = !stair.rise.trimmed().isEmpty() || !stair.run.trimmed().isEmpty();
    if (riseAndRun) {
        const std::optional<float> rise =
            readPositive(QT_TRANSLATE_NOOP("layout", "rise"), stair.rise, unit, out.problems);
        const std::optional<float> run =
            readPositive(QT_TRANSLATE_NOOP("layout", "run"), stair.run, unit, out.problems);
        if (!rise || !run)
            return;
        out.slopeDegrees = std::atan2(double(*rise), double(*run)) * 180 / std::numbers::pi;
        out.cosine = double(*run) / std::hypot(double(*rise), double(*run));
        if (out.slopeDegrees >= kSteepestSlopeDegrees)
            out.problems << QCoreApplication::translate(
                                "layout", "a rise of %1 in a run of %2 is a slope of %3°: a stair must be less steep "
                                          "than 60°")
                                .arg(stair.rise, stair.run, degreesText(out.slopeDegrees));
        return;
    }
    if (!stair.angleDegrees && !stair.unreadSlope.isEmpty()) {
        out.problems << QCoreApplication::translate(
                            "layout", "the slope \"%1\" is neither an angle in degrees nor rise : run, such as 7 : 11")
                            .arg(stair.unreadSlope);
        return;
    }
    if (!stair.angleDegrees) {
        out.problems << QCoreApplication::translate("layout",
                                                    "the stair's slope is missing: give its rise and run or its angle");
        return;
    }
    const double angle = *stair.angleDegrees;
    if (!std::isfinite(angle) || angle <= 0)
        out.problems << QCoreApplication::translate("layout",
                                                    "a slope of %1° is not a stair: the angle must be more than 0°")
                            .arg(degreesText(angle));
    else if (angle >= kSteepestSlopeDegrees)
        out.problems << QCoreApplication::translate("layout",
                                                    "a slope of %1° is too steep: a stair must be less steep than 60°")
                            .arg(degreesText(angle));
    if (!out.problems.isEmpty())
        return;
    out.slopeDegrees = angle;
    out.cosine = std::cos(angle * std::numbers::pi / 180);
}

// The exact gap of n railpins across the horizontal run.
double exactGapOf(const SectionLayout &out, qint64 n)
{
    if (n == 0)
        return out.horizontalRun;  // post to post, whatever the ends
    if (out.spacing == Spacing::Same)
        return double(*out.designGap);
    const auto count = double(n);
    const auto width = double(out.railpinWidth);
    if (out.ends == Ends::Half)
        return out.horizontalRun / count - width;
    return (out.horizontalRun - width * count) / (count + 1);
}

// The exact gap between each post and its nearest railpin.
double endGapOf(const SectionLayout &out, qint64 n)
{
    if (n == 0)
        return out.horizontalRun;
    const auto count = double(n);
    const auto width = double(out.railpinWidth);
    if (out.spacing == Spacing::Same)
        return (out.horizontalRun - count * width - (count - 1) * double(*out.designGap)) / 2;
    return out.ends == Ends::Half ? exactGapOf(out, n) / 2 : exactGapOf(out, n);
}

// Whether n railpins put what the section asks for at mid-span.
bool parityFits(Centre centre, qint64 n)
{
    switch (centre) {
    case Centre::Railpin:
        return n % 2 == 1;
    case Centre::Gap:
        return n % 2 == 0;
    case Centre::Either:
        break;
    }
    return true;
}

bool calculatorsSection(const Job &job, const SectionLayout &out)
{
    return !out.stair && out.ends == Ends::Full && job.unit == Unit::Inches;
}

// The fewest railpins whose gap is within the design gap (else the maximum):
// none for a section no longer than it; nothing when it would take more than
// kMaximumRailpins. Where the calculator could lay the section out, its Auto
// count: the gap as its 7-digit text reads back, not the exact gap, decides,
// so both give the same count.
std::optional<qint64> fewestRailpins(const Job &job, const SectionLayout &out)
{
    const float target = out.designGap.value_or(out.maximumGap);
    if (out.horizontalRun <= double(target))
        return 0;
    if (calculatorsSection(job, out)) {
        const auto_count::Result found = auto_count::find({out.length, out.railpinWidth, target, job.increment, u'.'});
        if (found.verdict != auto_count::Verdict::Found || found.count > double(kMaximumRailpins))
            return std::nullopt;
        return qint64(found.count);
    }
    const double maximum = target;
    const double pitch = double(out.railpinWidth) + maximum;
    // The gap shrinks as railpins are added, so the answer lies where the
    // gap meets the maximum; the walk below settles the rounding.
    const double estimate = out.ends == Ends::Half ? out.horizontalRun / pitch : (out.horizontalRun - maximum) / pitch;
    if (!(estimate <= double(kMaximumRailpins + 2)))
        return std::nullopt;
    // Two below the estimate the gap is still over the maximum: the walk
    // goes up only.
    qint64 n = std::max<qint64>(1, qint64(std::ceil(estimate)) - 2);
    Q_ASSERT(n == 1 || exactGapOf(out, n - 1) > maximum);
    while (exactGapOf(out, n) > maximum)
        if (++n > kMaximumRailpins)
            return std::nullopt;
    return n;
}

// The fewest railpins within the design gap, of the parity the centre asks
// for: one more where the fewest is of the other (its gap is smaller still).
std::optional<qint64> equalGapsCount(const Job &job, const SectionLayout &out)
{
    std::optional<qint64> fewest = fewestRailpins(job, out);
    if (fewest && !parityFits(out.centre, *fewest))
        ++*fewest;
    if (fewest && *fewest > kMaximumRailpins)
        return std::nullopt;
    return fewest;
}

// Same spacing: the count whose end gaps, both within the limit, come
// closest to the spacing; a tie goes to fewer railpins. The end gap falls
// by half a pitch with each railpin added, so the answer lies beside the
// count whose end gap equals the spacing.
std::optional<qint64> sameSpacingCount(const SectionLayout &out)
{
    const auto spacing = double(*out.designGap);
    const double pitch = double(out.railpinWidth) + spacing;
    const double even = (out.horizontalRun - spacing) / pitch;
    if (!(even <= double(kMaximumRailpins + 4)))
        return std::nullopt;
    const qint64 first = std::max<qint64>(1, qint64(std::floor(even)) - 3);
    std::optional<qint64> best;
    double bestDistance = 0;
    for (qint64 n = first; n <= std::min<qint64>(kMaximumRailpins, qint64(std::ceil(even)) + 3); ++n) {
        const double end = endGapOf(out, n);
        if (!parityFits(out.centre, n) || end < 0 || end > double(out.maximumGap))
            continue;
        const double distance = std::abs(end - spacing);
        if (!best || distance < bestDistance) {
            best = n;
            bestDistance = distance;
        }
    }
    return best;
}

QString centreWords(Centre centre)
{
    switch (centre) {
    case Centre::Railpin:
        return QCoreApplication::translate("layout", "a railpin at mid-span");
    case Centre::Gap:
        return QCoreApplication::translate("layout", "a gap at mid-span");
    case Centre::Either:
        break;
    }
    return {};
}

RailpinMarks alongTheRail(const RailpinMarks &horizontal, const SectionLayout &out)
{
    RailpinMarks along = horizontal;
    along.leftEdge = horizontal.leftEdge / out.cosine;
    along.centre = horizontal.centre / out.cosine;
    along.rightEdge = horizontal.rightEdge / out.cosine;
    along.centreFromRightPost = double(out.length) - along.centre;
    along.fromMidSpan = horizontal.fromMidSpan / out.cosine;
    return along;
}

// The count, gap and on-centre distances; false with a problem when the
// numbers are beyond what can be laid out. `overMaximum` tells whether the
// gap is wider than the maximum: for the calculator's sections as its shown
// text reads back, so that no warning says a gap of 4 is wider than 4.
bool computeSpacing(const Job &job, const Section &section, SectionLayout &out, bool &overMaximum)
{
    out.exactGap = exactGapOf(out, out.count);
    out.endGap = endGapOf(out, out.count);
    overMaximum = out.exactGap > double(out.maximumGap);
    if (out.spacing == Spacing::Same && out.count > 0) {
        // The design gap between railpins; the rest is shared by the two ends.
        overMaximum = out.endGap > double(out.maximumGap);
        const auto width = double(out.railpinWidth);
        const std::optional<float> outer = number_text::toSingle(out.exactGap + width);
        const std::optional<float> inner = number_text::toSingle(out.endGap + width / 2);
        if (outer && inner) {
            out.gap = *out.designGap;
            out.outerOnCentre = *outer;
            out.innerOnCentre = *inner;
            return true;
        }
        out.problems
            << QCoreApplication::translate("layout", "length \"%1\" is too large to lay out").arg(section.length);
        return false;
    }
    if (out.count == 0) {
        // One gap from post to post and no railpin to measure to.
        if (const std::optional<float> gap = number_text::toSingle(out.exactGap)) {
            out.gap = *gap;
            return true;
        }
        out.problems
            << QCoreApplication::translate("layout", "length \"%1\" is too large to lay out").arg(section.length);
        return false;
    }
    if (calculatorsSection(job, out)) {
        // Exactly the calculator's results, character for character.
        const calculator_results::Results results = calculator_results::computeValues(
            {out.length, out.railpinWidth, out.maximumGap, double(out.count), job.increment, u'.', section.length});
        if (!results.failure) {
            overMaximum = results.addAndAutoEnabled.value_or(overMaximum);
            out.gap = *results.gap;
            out.outerOnCentre = *results.outerOnCentre;
            out.innerOnCentre = *results.innerOnCentre;
            return true;
        }
    } else {
        const auto width = double(out.railpinWidth);
        const double firstCentre = out.ends == Ends::Half ? (out.exactGap + width) / 2 : out.exactGap + width / 2;
        const std::optional<float> gap = number_text::toSingle(out.exactGap);
        const std::optional<float> outer = number_text::toSingle(out.exactGap + width);
        const std::optional<float> inner = number_text::toSingle(firstCentre);
        if (gap && outer && inner) {
            out.gap = *gap;
            out.outerOnCentre = *outer;
            out.innerOnCentre = *inner;
            return true;
        }
    }
    out.problems << QCoreApplication::translate("layout", "length \"%1\" is too large to lay out").arg(section.length);
    return false;
}

QString gapFigure(const Job &job, const SectionLayout &out)
{
    const GapText gap = gapText(out, job);
    if (gap.fraction.isEmpty())
        return gap.decimal;
    //: A gap in messages: the decimal, then the fraction in brackets ("4.125 (4 1/8)").
    return QCoreApplication::translate("layout", "%1 (%2)").arg(gap.decimal, gap.fraction);
}

// The given count, or the fewest railpins; false with a problem when no
// count can be laid out.
bool settleCount(const Job &job, const Section &section, SectionLayout &out)
{
    const QString width = sectionRailpinWidth(job, section);
    if (section.count) {
        const qint64 given = *section.count;
        if (given < 0)
            out.problems << QCoreApplication::translate("layout",
                                                        "a count of %1 railpins is not possible: give 0 or more")
                                .arg(given);
        else if (given > kMaximumRailpins)
            out.problems << QCoreApplication::translate("layout",
                                                        "a count of %1 railpins is more than the %2 a section can have")
                                .arg(given)
                                .arg(kMaximumRailpins);
        else if (given > 0 && (out.spacing == Spacing::Same ? endGapOf(out, given) < 0 : !(exactGapOf(out, given) > 0)))
            out.problems << QCoreApplication::translate("layout", "%1 railpins %2 wide do not fit in a length of %3")
                                .arg(QString::number(given), width, section.length);
        out.count = given;
        return out.problems.isEmpty();
    }
    if (out.spacing == Spacing::Same) {
        const std::optional<qint64> found = sameSpacingCount(out);
        if (!found) {
            // The limit with its unit: "within 100 mm".
            const QString limit = QStringLiteral("%1 %2").arg(sectionMaximumGap(job, section), unitName(job.unit));
            out.problems
                << (out.centre == Centre::Either
                        ? QCoreApplication::translate("layout", "no count keeps both end gaps within %1").arg(limit)
                        : QCoreApplication::translate("layout", "no count keeps both end gaps within %1 with %2")
                              .arg(limit, centreWords(out.centre)));
            return false;
        }
        out.count = *found;
        return true;
    }
    const std::optional<qint64> fewest = equalGapsCount(job, out);
    if (!fewest) {
        out.problems << QCoreApplication::translate("layout",
                                                    "more than %1 railpins would be needed to keep the gaps within %2")
                            .arg(QString::number(kMaximumRailpins),
                                 QStringLiteral("%1 %2").arg(sectionMaximumGap(job, section), unitName(job.unit)));
        return false;
    }
    if (*fewest > 0 && !(exactGapOf(out, *fewest) > 0)) {
        out.problems << QCoreApplication::translate(
                            "layout", "railpins %1 wide do not fit in a length of %2 with gaps of at most %3")
                            .arg(width, section.length, sectionMaximumGap(job, section));
        return false;
    }
    out.count = *fewest;
    return true;
}

}  // namespace

RailpinMarks railpinMarks(const SectionLayout &out, qint64 railpin)
{
    const auto k = double(railpin);
    const auto width = double(out.railpinWidth);
    RailpinMarks marks;
    marks.railpin = railpin;
    if (out.spacing == Spacing::Same) {
        marks.leftEdge = out.endGap + (k - 1) * (width + out.exactGap);
        marks.centre = marks.leftEdge + width / 2;
        marks.rightEdge = marks.leftEdge + width;
    } else if (out.ends == Ends::Half) {
        marks.centre = (k - 0.5) * out.horizontalRun / double(out.count);
        marks.leftEdge = marks.centre - width / 2;
        marks.rightEdge = marks.centre + width / 2;
    } else {
        marks.leftEdge = k * out.exactGap + (k - 1) * width;
        marks.centre = k * out.exactGap + (k - 0.5) * width;
        marks.rightEdge = k * (out.exactGap + width);
    }
    marks.centreFromRightPost = out.horizontalRun - marks.centre;
    marks.fromMidSpan = marks.centre - out.horizontalRun / 2;
    return marks;
}

SectionLayout levelGeometry(float length, float railpinWidth, qint64 count)
{
    SectionLayout out;
    out.length = length;
    out.railpinWidth = railpinWidth;
    out.horizontalRun = double(length);
    out.count = count;
    out.exactGap = exactGapOf(out, count);
    out.endGap = endGapOf(out, count);
    return out;
}

GapText gapText(const SectionLayout &section, const Job &job, QChar decimalPoint)
{
    // Always from the single-precision gap the window computes, never from
    // the exact one, so that no two places differ in the last digit.
    GapText text;
    text.decimal = decimalMarkText(section.gap, job, decimalPoint);
    if (job.unit == Unit::Inches)
        text.fraction = markText(section.gap, job, decimalPoint);
    return text;
}

QString fromMidSpanText(double value, const Job &job, QChar decimalPoint)
{
    QString magnitude = markText(std::abs(value), job, decimalPoint);
    if (value >= 0)
        return magnitude;
    // A value that rounds to no distance at all takes no sign.
    QString zero = markText(0, job, decimalPoint);
    return magnitude == zero ? zero : QChar(0x2212) + magnitude;
}

double narrowestEndGap(Unit unit)
{
    return unit == Unit::Millimetres ? 12 : 0.5;
}

QString layoutDescription(const Job &job, const Section &section, const SectionLayout &laid, QChar decimalPoint)
{
    if (!laid.laidOut())
        return {};
    const QString unit = unitName(job.unit);
    const auto measure = [&unit](const QString &figure) {
        return QCoreApplication::translate("layout", "%1 %2").arg(figure, unit);
    };
    QStringList parts;
    if (laid.spacing == Spacing::Same) {
        parts << QCoreApplication::translate("layout", "same spacing %1, end gaps %2")
                     .arg(measure(displayText(sectionDesignGap(job, section))),
                          measure(markText(laid.endGap, job, decimalPoint)));
    } else if (laid.designGap) {
        parts << QCoreApplication::translate("layout", "equal gaps, design gap %1, limit %2")
                     .arg(measure(displayText(sectionDesignGap(job, section))),
                          measure(displayText(sectionMaximumGap(job, section))));
    } else if (laid.centre != Centre::Either || laid.postWidth > 0) {
        parts << QCoreApplication::translate("layout", "equal gaps");
    }
    if (laid.centre == Centre::Railpin)
        parts << QCoreApplication::translate("layout", "railpin at mid-span");
    else if (laid.centre == Centre::Gap)
        parts << QCoreApplication::translate("layout", "gap at mid-span");
    if (laid.postWidth > 0)
        parts << QCoreApplication::translate("layout", "between post centres, posts %1, clear span %2")
                     .arg(measure(displayText(job.postWidth.value_or(QString()))),
                          measure(markText(laid.length, job, decimalPoint)));
    return parts.join(QStringLiteral(", "));
}

namespace {

// The design gap of a section, if it has one; a problem when it cannot be
// used. `maximumGap` is the limit as read, if it was.
void readDesignGap(const Job &job, const Section &section, std::optional<float> maximumGap, SectionLayout &out)
{
    const QString designGap = sectionDesignGap(job, section);
    if (designGap.isEmpty())
        return;
    out.designGap = readPositive(QT_TRANSLATE_NOOP("layout", "design gap"), designGap, job.unit, out.problems);
    if (out.designGap && maximumGap && *out.designGap > *maximumGap)
        out.problems << QCoreApplication::translate("layout", "design gap %1 is more than the maximum gap of %2")
                            .arg(designGap, sectionMaximumGap(job, section));
}

// The design gap, spacing, centre and post width of a section; a problem
// for each that cannot be used. `maximumGap` is the limit as read, if it was.
void readBalance(const Job &job, const Section &section, std::optional<float> maximumGap, SectionLayout &out)
{
    out.spacing = sectionSpacing(job, section);
    out.centre = sectionCentre(job, section);
    const QString designGap = sectionDesignGap(job, section);
    if (!designGap.isEmpty()) {
        readDesignGap(job, section, maximumGap, out);
    } else if (out.spacing == Spacing::Same) {
        out.problems << QCoreApplication::translate(
            "layout", "the same spacing on every section needs a design gap: the gap between its railpins");
    }
    if (out.spacing == Spacing::Same && out.ends == Ends::Half)
        out.problems << QCoreApplication::translate(
            "layout", "half-gap ends apply to equal gaps only: with the same spacing both end gaps are equal");
    if (sectionMeasuredBetween(job, section) == MeasuredBetween::Centres) {
        if (const std::optional<float> post = readPositive(QT_TRANSLATE_NOOP("layout", "post width"),
                                                           job.postWidth.value_or(QString()), job.unit, out.problems))
            out.postWidth = *post;
    }
}

// Between post centres: the length becomes the clear span between the post
// faces (on a stair the post is cut by the rail at a slant); false with a
// problem when the posts leave none.
bool clearSpan(const Job &job, const Section &section, SectionLayout &out)
{
    out.lengthBetweenCentres = out.length;
    const std::optional<float> clear = number_text::toSingle(double(out.length) - double(out.postWidth) / out.cosine);
    if (!clear || !(*clear > 0)) {
        out.problems << QCoreApplication::translate(
                            "layout", "posts %1 wide leave no clear span in a length of %2 between post centres")
                            .arg(job.postWidth.value_or(QString()), section.length);
        return false;
    }
    out.length = *clear;
    return true;
}

// Everything but the marks: the inputs as read, the count and the spacing.
SectionLayout settledLayout(const Job &job, const Section &section)
{
    SectionLayout out;
    out.ends = section.ends;
    out.countGiven = section.count.has_value();
    // A run that cannot be planned has no bays: its one section says why.
    if (section.bay && !section.bay->problems.isEmpty()) {
        out.problems = section.bay->problems;
        return out;
    }
    // A misspelt field would otherwise be laid out with a default in its place.
    out.problems = misspeltFieldProblems(job, section);
    // A stair by its treads has no length: its treads give it.
    const bool byTreads = section.stair && section.stair->treads;
    if (byTreads) {
        out.problems << treadsShapeProblems(job, section);
        if (!out.problems.isEmpty())
            return out;
    }

    const std::optional<float> length =
        byTreads ? std::optional<float>(0)
                 : readPositive(QT_TRANSLATE_NOOP("layout", "length"), section.length, job.unit, out.problems);
    const std::optional<float> width = readPositive(QT_TRANSLATE_NOOP("layout", "railpin width"),
                                                    sectionRailpinWidth(job, section), job.unit, out.problems);
    const std::optional<float> maximumGap = readPositive(QT_TRANSLATE_NOOP("layout", "maximum gap"),
                                                         sectionMaximumGap(job, section), job.unit, out.problems);
    if (section.stair)
        readSlope(*section.stair, job.unit, out);
    checkLengthStairFields(job, section, out);
    if (byTreads)
        readDesignGap(job, section, maximumGap, out);
    else
        readBalance(job, section, maximumGap, out);
    if (job.unit == Unit::Inches && !increments::isIncrement(job.increment))
        out.problems << QCoreApplication::translate("layout",
                                                    "an increment of 1/%1 is not one of 1/4, 1/8, 1/16 or 1/32")
                            .arg(job.increment);
    if (!out.problems.isEmpty())
        return out;

    out.length = *length;
    out.railpinWidth = *width;
    out.maximumGap = *maximumGap;
    if (byTreads) {
        layOutTreads(job, section, out);
        if (out.laidOut())
            checkBottomRail(job, section, out);
        return out;
    }
    if (out.postWidth > 0 && !clearSpan(job, section, out))
        return out;
    out.horizontalRun = out.stair ? double(out.length) * out.cosine : double(out.length);

    bool overMaximum = false;
    if (!settleCount(job, section, out) || !computeSpacing(job, section, out, overMaximum))
        return out;
    if (out.countGiven && overMaximum && out.spacing == Spacing::Same && out.count > 0)
        out.warnings << QCoreApplication::translate(
                            "layout", "the end gaps of %1 with %2 railpins are wider than the maximum gap of %3")
                            .arg(markText(out.endGap, job), QString::number(out.count),
                                 sectionMaximumGap(job, section));
    else if (out.countGiven && overMaximum)
        out.warnings << QCoreApplication::translate(
                            "layout", "the gap of %1 with %2 railpins is wider than the maximum gap of %3")
                            .arg(gapFigure(job, out), QString::number(out.count), sectionMaximumGap(job, section));
    // With the same spacing the end gaps take what is left: a sliver beside
    // the post leaves no room to fix a railpin, so it is said.
    if (out.spacing == Spacing::Same && out.count > 0 && out.endGap < narrowestEndGap(job.unit))
        out.warnings << QCoreApplication::translate("layout", "the end gaps of %1 are narrower than %2: too close to "
                                                              "the post to fix a railpin")
                            .arg(markWithUnit(out.endGap, job), markWithUnit(narrowestEndGap(job.unit), job));
    if (out.countGiven && !parityFits(out.centre, out.count))
        out.warnings << QCoreApplication::translate("layout", "%1 railpins do not put %2")
                            .arg(QString::number(out.count), centreWords(out.centre));
    checkBottomRail(job, section, out);
    return out;
}

}  // namespace

SectionLayout layOut(const Job &job, const Section &section)
{
    SectionLayout out = settledLayout(job, section);
    if (!out.laidOut() || out.treads)
        return out;
    // Between post centres the marks say which part of the post they are
    // from; from the centres each is half a post further, along the rail
    // the post's slanted cut.
    if (out.postWidth > 0) {
        out.reference = job.marksFrom == MarksFrom::Centres ? MarkReference::PostCentre : MarkReference::PostFace;
        if (out.reference == MarkReference::PostCentre) {
            out.horizontalReferenceShift = double(out.postWidth) / 2;
            out.referenceShift = out.horizontalReferenceShift / out.cosine;
        }
    }
    out.marks.reserve(size_t(out.count));
    if (out.stair)
        out.horizontalMarks.reserve(size_t(out.count));
    for (qint64 railpin = 1; railpin <= out.count; ++railpin) {
        const RailpinMarks horizontal = railpinMarks(out, railpin);
        if (out.stair) {
            out.horizontalMarks.push_back(horizontal);
            out.marks.push_back(alongTheRail(horizontal, out));
        } else {
            out.marks.push_back(horizontal);
        }
    }
    return out;
}

qint64 jobRailpins(const Job &job)
{
    qint64 railpins = 0;
    for (const Section &section : job.sections)
        if (const SectionLayout settled = settledLayout(job, section); settled.laidOut())
            railpins += settled.count;
    return railpins;
}

QString workBudgetProblem(const Job &job)
{
    return workBudgetProblem(jobRailpins(job));
}

QString workBudgetProblem(qint64 railpins)
{
    if (railpins <= kMaximumJobRailpins)
        return {};
    return QCoreApplication::translate("layout", "the job has %1 railpins, more than the %2 one job may lay out")
        .arg(railpins)
        .arg(kMaximumJobRailpins);
}

}  // namespace layout
