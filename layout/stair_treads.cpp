// SPDX-License-Identifier: LicenseRef-proprietary
#include "stair_treads.h"

#include "field_reading.h"
#include "job_file_keys.h"
#include "job_limits.h"
#include "measurement.h"
#include "section_layout.h"

#include <QCoreApplication>

#include <algorithm>
#include <cmath>
#include <numbers>

namespace layout {

namespace {

qint64 jobMinimumPerTread(const Job &job)
{
    return job.minPerTread.value_or(kDefaultMinimumPerTread);
}

// An optional length of the stair that is 0 when absent and may not be below 0.
std::optional<float> readNotNegative(const char *fieldName, const std::optional<QString> &text, Unit unit,
                                     QStringList &problems)
{
    if (!text || text->trimmed().isEmpty())
        return 0.0F;
    const std::optional<float> value = readSigned(fieldName, *text, unit, problems);
    if (value && *value < 0) {
        problems << QCoreApplication::translate("layout", "%1 \"%2\" cannot be less than 0")
                        .arg(QCoreApplication::translate("layout", fieldName), *text);
        return std::nullopt;
    }
    return value;
}

struct TreadInputs
{
    double rise = 0;
    double run = 0;
    double firstFromRiser = 0;
    double nosing = 0;
    std::optional<double> railHeight;
    double railDepth = 0;
    double insert = 0;
};

std::optional<TreadInputs> readInputs(const Job &job, const Stair &stair, const SectionLayout &out,
                                      QStringList &problems)
{
    TreadInputs in;
    const std::optional<float> rise = readPositive(QT_TRANSLATE_NOOP("layout", "rise"), stair.rise, job.unit, problems);
    const std::optional<float> run = readPositive(QT_TRANSLATE_NOOP("layout", "run"), stair.run, job.unit, problems);
    std::optional<float> first = out.railpinWidth / 2;
    if (stair.firstFromRiser && !stair.firstFromRiser->trimmed().isEmpty())
        first = readSigned(QT_TRANSLATE_NOOP("layout", "first railpin from the riser"), *stair.firstFromRiser, job.unit,
                           problems);
    const std::optional<float> nosing =
        readNotNegative(QT_TRANSLATE_NOOP("layout", "nosing"), stair.nosing, job.unit, problems);
    std::optional<float> height;
    if (stair.railHeight && !stair.railHeight->trimmed().isEmpty())
        height = readPositive(QT_TRANSLATE_NOOP("layout", "rail height"), *stair.railHeight, job.unit, problems);
    const std::optional<float> depth =
        readNotNegative(QT_TRANSLATE_NOOP("layout", "rail depth"), stair.railDepth, job.unit, problems);
    const std::optional<float> insert =
        readNotNegative(QT_TRANSLATE_NOOP("layout", "insert"), stair.insert, job.unit, problems);
    if (!problems.isEmpty() || !rise || !run || !first || !nosing || !depth || !insert)
        return std::nullopt;
    in.rise = *rise;
    in.run = *run;
    in.firstFromRiser = *first;
    in.nosing = *nosing;
    if (height)
        in.railHeight = *height;
    in.railDepth = *depth;
    in.insert = *insert;
    return in;
}

// The railpins per tread, or a problem: a given count that fits, else the
// fewest within the gap, at least the job's minimum.
std::optional<qint64> perTread(const Job &job, const Section &section, const SectionLayout &out, double run,
                               QStringList &problems)
{
    const Stair &stair = *section.stair;
    const double width = out.railpinWidth;
    const QString runText = typedText(stair.run);
    const QString widthText = typedText(sectionRailpinWidth(job, section));
    if (stair.perTread) {
        const qint64 given = *stair.perTread;
        if (!atMost(double(given) * width, run)) {
            problems << QCoreApplication::translate("layout",
                                                    "%1 railpins %2 wide do not fit a tread run of %3 (they need %4)")
                            .arg(QString::number(given), widthText, runText, markText(double(given) * width, job));
            return std::nullopt;
        }
        return given;
    }
    const double target = out.designGap.value_or(out.maximumGap);
    const QString targetText =
        typedText(out.designGap ? sectionDesignGap(job, section) : sectionMaximumGap(job, section));
    // The fewest whose level gap is within the target.
    auto fewest = qint64(std::max(1.0, std::ceil(run / (target + width))));
    while (fewest > 1 && atMost(run / double(fewest - 1) - width, target))
        --fewest;
    if (!atMost(double(fewest) * width, run)) {
        if (fewest == 1)
            problems << QCoreApplication::translate("layout", "a railpin %1 wide does not fit a tread run of %2")
                            .arg(widthText, runText);
        else
            problems << QCoreApplication::translate(
                            "layout", "no number of railpins per tread both fits a tread run of %1 and keeps the gap "
                                      "within %2: %3 per tread leaves a gap of %4; %5 need %6")
                            .arg(runText, targetText, QString::number(fewest - 1),
                                 markText(run / double(fewest - 1) - width, job), QString::number(fewest),
                                 markText(double(fewest) * width, job));
        return std::nullopt;
    }
    const qint64 minimum = jobMinimumPerTread(job);
    if (!atMost(double(minimum) * width, run)) {
        problems << QCoreApplication::translate("layout", "a tread run of %1 cannot take %2 railpins %3 wide (they "
                                                          "need %4); at least %2 per tread is the job's minimum")
                        .arg(runText, QString::number(minimum), widthText, markText(double(minimum) * width, job));
        return std::nullopt;
    }
    return std::max(fewest, minimum);
}

// The bound of the first railpin's place, rounded down to 1/32 in or 0.1 mm
// whatever the job's increment: a limit never reads as more than it is.
QString firstBoundText(double bound, const Job &job)
{
    Job fine = job;
    fine.increment = 32;
    fine.markStep = 0.1;
    return limitText(bound, fine);
}

// What a section gives that a stair by treads cannot honour, by its own
// values; the job's are the level sections' and pass by it.
QStringList unsuitedOptions(const Section &section)
{
    QStringList problems;
    const auto refuse = [&problems](const QString &what) {
        problems << QCoreApplication::translate("layout", "%1 does not go with a stair given by its treads").arg(what);
    };
    if (section.count)
        refuse(QCoreApplication::translate("layout", "a count of railpins"));
    if (section.ends == Ends::Half)
        refuse(QCoreApplication::translate("layout", "half-gap ends"));
    if (section.spacing == Spacing::Same)
        refuse(QCoreApplication::translate("layout", "the same spacing"));
    if (section.centre && *section.centre != Centre::Either)
        refuse(QCoreApplication::translate("layout", "a railpin or gap at mid-span"));
    if (section.measuredBetween == MeasuredBetween::Centres)
        refuse(QCoreApplication::translate("layout", "a length between post centres"));
    return problems;
}

bool replacedByNewel(Newels newels, qint64 tread, qint64 position, qint64 treads, qint64 perTread)
{
    const bool bottom = newels == Newels::Bottom || newels == Newels::Both;
    const bool top = newels == Newels::Top || newels == Newels::Both;
    return (bottom && tread == 1 && position == 1) || (top && tread == treads && position == perTread);
}

}  // namespace

QStringList treadsShapeProblems(const Job &job, const Section &section)
{
    QStringList problems;
    const Stair &stair = *section.stair;
    const bool riseAndRun = !stair.rise.trimmed().isEmpty() || !stair.run.trimmed().isEmpty();
    if (!riseAndRun && (stair.angleDegrees || !stair.unreadSlope.isEmpty()))
        problems << QCoreApplication::translate("layout", "treads need the rise and run of one step, not an angle");
    if (!section.length.trimmed().isEmpty())
        problems << QCoreApplication::translate(
            "layout", "a stair is given by its length or by its treads, not both: leave the length empty");
    const qint64 treads = stair.treads.value_or(0);
    if (treads < 1 || treads > kMostTreads)
        problems << QCoreApplication::translate("layout", "a stair of %1 treads is not possible: give 1 to %2")
                        .arg(treads)
                        .arg(kMostTreads);
    if (stair.perTread && (*stair.perTread < 1 || *stair.perTread > kMostPerTread))
        problems << QCoreApplication::translate("layout", "%1 railpins per tread is not possible: give 1 to %2 or auto")
                        .arg(*stair.perTread)
                        .arg(kMostPerTread);
    const qint64 minimum = jobMinimumPerTread(job);
    if (minimum < 1 || minimum > kMostMinimumPerTread)
        problems << QCoreApplication::translate(
                        "layout", "the job's least of %1 railpins per tread is not possible: give 1 to %2")
                        .arg(minimum)
                        .arg(kMostMinimumPerTread);
    return problems;
}

void checkLengthStairFields(const Job &job, const Section &section, SectionLayout &out)
{
    if (!section.stair || section.stair->treads)
        return;
    const Stair &stair = *section.stair;
    readNotNegative(QT_TRANSLATE_NOOP("layout", "rail depth"), stair.railDepth, job.unit, out.problems);
    const bool bottomRail = stair.bottomRail && !stair.bottomRail->trimmed().isEmpty();
    const std::pair<QLatin1StringView, bool> treadsOnly[] = {
        {job_file_keys::kPerTread, stair.perTread.has_value()},
        {job_file_keys::kFirstFromRiser, stair.firstFromRiser.has_value()},
        {job_file_keys::kNewels, stair.newels.has_value()},
        {job_file_keys::kRailHeight, stair.railHeight.has_value()},
        {job_file_keys::kInsert, stair.insert.has_value()},
        {job_file_keys::kNosing, stair.nosing.has_value() && !bottomRail}};
    for (const auto &[key, given] : treadsOnly) {
        if (given)
            out.warnings << QCoreApplication::translate(
                                "layout", "stair: \"%1\" is used by a stair given by its treads: kept but not used")
                                .arg(key);
    }
}

void layOutTreads(const Job &job, const Section &section, SectionLayout &out)
{
    const Stair &stair = *section.stair;
    const std::optional<TreadInputs> read = readInputs(job, stair, out, out.problems);
    if (!read)
        return;
    const TreadInputs &in = *read;
    const std::optional<qint64> found = perTread(job, section, out, in.run, out.problems);
    if (!found)
        return;
    const qint64 k = *found;
    const double width = out.railpinWidth;
    const double onCentre = in.run / double(k);
    if (in.firstFromRiser < 0) {
        out.problems << QCoreApplication::translate("layout",
                                                    "the first railpin cannot stand in front of the riser face");
        return;
    }
    const double farthest = onCentre - width / 2;
    if (!atMost(in.firstFromRiser, farthest)) {
        out.problems << QCoreApplication::translate("layout",
                                                    "with the first railpin %1 from the riser, the last one "
                                                    "on each tread passes the next riser: it may be at most %2")
                            .arg(typedText(stair.firstFromRiser.value_or(QString())), firstBoundText(farthest, job));
        return;
    }
    out.problems << unsuitedOptions(section);
    if (!out.problems.isEmpty())
        return;

    StairTreads treads;
    treads.treads = *stair.treads;
    treads.perTread = k;
    treads.perTreadGiven = stair.perTread.has_value();
    treads.minimum = jobMinimumPerTread(job);
    treads.rise = in.rise;
    treads.run = in.run;
    treads.onCentre = onCentre;
    treads.firstFromRiser = in.firstFromRiser;
    treads.nosing = in.nosing;
    treads.newels = stair.newels.value_or(Newels::None);
    treads.topCutDegrees = std::atan2(in.rise, in.run) * 180 / std::numbers::pi;
    for (qint64 position = 1; position <= k; ++position)
        treads.pattern.push_back(in.firstFromRiser + double(position - 1) * onCentre);

    const double slope = in.rise / in.run;
    const double alongPerLevel = std::hypot(in.rise, in.run) / in.run;
    if (in.railHeight) {
        treads.cutSquare = in.insert > 0;
        for (qint64 position = 1; position <= k; ++position) {
            const double onTread = treads.pattern[size_t(position - 1)];
            TreadLength length;
            length.position = position;
            length.onTread = onTread;
            length.centre = *in.railHeight - in.railDepth * alongPerLevel + slope * (in.nosing + onTread) + in.insert;
            length.cut = treads.cutSquare ? length.centre : length.centre + width * slope / 2;
            // On a single tread both newels stand on it: each place is counted once.
            length.howMany = treads.treads;
            if (replacedByNewel(treads.newels, 1, position, treads.treads, k))
                --length.howMany;
            if (treads.treads > 1 && replacedByNewel(treads.newels, treads.treads, position, treads.treads, k))
                --length.howMany;
            treads.lengths.push_back(length);
        }
        if (!(treads.lengths.front().centre > 0)) {
            out.problems << QCoreApplication::translate(
                                "layout",
                                "a rail height of %1 with a rail depth of %2 leaves the front railpin no length")
                                .arg(typedText(*stair.railHeight),
                                     typedText(stair.railDepth.value_or(QStringLiteral("0"))));
            return;
        }
    }

    const double total = double(treads.treads) * in.run;
    for (qint64 tread = 1; tread <= treads.treads; ++tread) {
        for (qint64 position = 1; position <= k; ++position) {
            if (replacedByNewel(treads.newels, tread, position, treads.treads, k))
                continue;
            TreadRailpin railpin;
            railpin.railpin = qint64(treads.railpins.size()) + 1;
            railpin.tread = tread;
            railpin.position = position;
            railpin.onTread = treads.pattern[size_t(position - 1)];
            railpin.level = double(tread - 1) * in.run + railpin.onTread;
            railpin.alongTheRail = railpin.level * alongPerLevel;
            treads.railpins.push_back(railpin);

            RailpinMarks level;
            level.railpin = railpin.railpin;
            level.leftEdge = railpin.level - width / 2;
            level.centre = railpin.level;
            level.rightEdge = railpin.level + width / 2;
            level.centreFromRightPost = total - railpin.level;
            level.fromMidSpan = railpin.level - total / 2;
            RailpinMarks along = level;
            along.leftEdge = level.leftEdge * alongPerLevel;
            along.centre = level.centre * alongPerLevel;
            along.rightEdge = level.rightEdge * alongPerLevel;
            along.centreFromRightPost = level.centreFromRightPost * alongPerLevel;
            along.fromMidSpan = level.fromMidSpan * alongPerLevel;
            out.horizontalMarks.push_back(level);
            out.marks.push_back(along);
        }
    }

    out.count = qint64(treads.railpins.size());
    out.exactGap = onCentre - width;
    out.gap = float(out.exactGap);
    out.endGap = in.firstFromRiser - width / 2;
    out.outerOnCentre = float(onCentre);
    out.innerOnCentre = float(in.firstFromRiser);
    out.horizontalRun = total;
    out.length = float(total * alongPerLevel);
    out.cosine = 1 / alongPerLevel;
    out.countGiven = treads.perTreadGiven;

    if (treads.perTreadGiven && !atMost(out.exactGap, out.maximumGap)) {
        const GapText gap = gapText(out, job);
        const QString figure = gap.fraction.isEmpty()
                                   ? gap.decimal
                                   : QCoreApplication::translate("layout", "%1 (%2)").arg(gap.decimal, gap.fraction);
        out.warnings << QCoreApplication::translate(
                            "layout", "the gap of %1 with %2 railpins per tread is wider than the maximum gap of %3")
                            .arg(figure, QString::number(k), typedText(sectionMaximumGap(job, section)));
    }
    if (treads.perTreadGiven && k < treads.minimum)
        out.warnings << QCoreApplication::translate("layout",
                                                    "%1 railpins per tread are fewer than the job's least of %2")
                            .arg(k)
                            .arg(treads.minimum);
    out.treads = std::move(treads);
}

}  // namespace layout
