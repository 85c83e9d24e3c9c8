// SPDX-License-Identifier: LicenseRef-proprietary
#include "run.h"

#include "job_fields.h"
#include "job_limits.h"
#include "measurement.h"
#include "unit_conversion.h"

#include <QCoreApplication>
#include <QLocale>

#include <algorithm>
#include <array>
#include <cmath>

namespace layout {

namespace {

struct RunTexts
{
    Q_DECLARE_TR_FUNCTIONS(RunTexts)
};

// A measurement of a run that must be read and be above zero: its value and,
// when the text allows, the same value exactly.
struct Positive
{
    double value = 0;
    std::optional<ExactMeasurement> exact;
};

std::optional<Positive> readPositive(const char *fieldName, const QString &text, Unit unit, QStringList &problems)
{
    const QString field = QCoreApplication::translate("layout", fieldName);
    if (text.trimmed().isEmpty()) {
        problems << RunTexts::tr("%1 is missing").arg(field);
        return std::nullopt;
    }
    const Reading reading = readMeasurement(text, unit);
    const std::optional<double> value = measurementValue(text, unit);
    if (!reading.value || !value) {
        problems << RunTexts::tr("%1 %2").arg(field, reading.problem);
        return std::nullopt;
    }
    if (!(*value > 0)) {
        problems << RunTexts::tr("%1 \"%2\" must be more than 0").arg(field, text);
        return std::nullopt;
    }
    return Positive{*value, exactMeasurement(text, unit)};
}

// The fewest bays of at most `spacing` in `length`: ⌈length / spacing⌉, at
// least one. Exact whenever both are held exactly, so that a length that
// divides into equal bays gets no extra one; nothing beyond `most`.
std::optional<qint64> fewestBays(const Positive &length, const Positive &spacing, qint64 most, double &estimate)
{
    estimate = std::ceil(length.value / spacing.value);
    if (length.exact && spacing.exact) {
        // length / spacing = (a / b) / (c / d) = a·d / (b·c)
        qint64 dividend = 0;
        qint64 divisor = 0;
        if (!__builtin_mul_overflow(length.exact->numerator, spacing.exact->denominator, &dividend) &&
            !__builtin_mul_overflow(length.exact->denominator, spacing.exact->numerator, &divisor)) {
            const qint64 quotient = dividend / divisor + (dividend % divisor != 0 ? 1 : 0);
            estimate = double(quotient);
            if (quotient > most)
                return std::nullopt;
            return std::max<qint64>(1, quotient);
        }
    }
    if (!(estimate <= double(most)))
        return std::nullopt;
    return std::max<qint64>(1, qint64(estimate));
}

// i·length / n with one rounding where the length is held exactly.
double positionOf(qint64 i, qint64 n, const Positive &length)
{
    qint64 numerator = 0;
    qint64 denominator = 0;
    if (length.exact && !__builtin_mul_overflow(length.exact->numerator, i, &numerator) &&
        !__builtin_mul_overflow(length.exact->denominator, n, &denominator))
        return double(numerator) / double(denominator);
    return length.value * double(i) / double(n);
}

bool isPostOrCorner(RunEnd end)
{
    return end != RunEnd::Wall;
}

QString wholeNumberText(double value)
{
    return QString::number(value, 'f', 0);
}

}  // namespace

QString runMaxPostSpacing(const Job &job, const Run &run)
{
    if (run.maxPostSpacing && !run.maxPostSpacing->trimmed().isEmpty())
        return *run.maxPostSpacing;
    return job.maxPostSpacing.value_or(QString());
}

RunPlan planRun(const Job &job, std::size_t index)
{
    RunPlan plan;
    if (index >= job.runs.size())
        return plan;
    const Run &run = job.runs[index];
    for (const QString &problem : misspeltFields(job.unknownFields, FieldLevel::Job))
        plan.problems << RunTexts::tr("the job's %1").arg(problem);
    plan.problems << misspeltFields(run.unknownFields, FieldLevel::Run);
    if (run.start == RunEnd::Corner && index == 0)
        plan.problems << RunTexts::tr("the first run cannot start at a corner: no run before it ends at that post");
    else if (run.start == RunEnd::Corner && job.runs[index - 1].end == RunEnd::Wall)
        plan.problems << RunTexts::tr(
            "a run cannot start at a corner after a run that ends at a wall: no post stands there");
    if (run.end == RunEnd::Corner)
        plan.problems << RunTexts::tr("a run ends at a post or a wall: only its start can be a corner");

    const QString spacingText = runMaxPostSpacing(job, run);
    const std::optional<Positive> length =
        readPositive(QT_TRANSLATE_NOOP("layout", "length"), run.length, job.unit, plan.problems);
    const std::optional<Positive> spacing =
        readPositive(QT_TRANSLATE_NOOP("layout", "maximum post spacing"), spacingText, job.unit, plan.problems);
    if (!length || !spacing || !plan.problems.isEmpty())
        return plan;

    double estimate = 0;
    const std::optional<qint64> bays = fewestBays(*length, *spacing, kMaximumSections, estimate);
    if (!bays) {
        plan.problems << RunTexts::tr(
                             "a run of %1 with posts at most %2 apart needs %3 bays; a job holds at most %4 sections")
                             .arg(run.length, spacingText, wholeNumberText(estimate),
                                  QLocale(QLocale::English).toString(kMaximumSections));
        return plan;
    }
    const qint64 n = *bays;
    const qint64 first = run.start == RunEnd::Wall ? 1 : 0;
    const qint64 last = run.end == RunEnd::Post ? n : n - 1;
    const QString postText = job.postWidth.value_or(QString());
    if (last >= first) {
        const std::optional<Positive> post =
            readPositive(QT_TRANSLATE_NOOP("layout", "post width"), postText, job.unit, plan.problems);
        if (!post)
            return plan;
        plan.postWidth = post->value;
        if (!(spacing->value > post->value)) {
            plan.problems << RunTexts::tr("the maximum post spacing of %1 must be more than the post width of %2")
                                 .arg(spacingText, postText);
            return plan;
        }
    }

    plan.length = length->value;
    plan.maxSpacing = spacing->value;
    plan.bays = n;
    plan.onCentre = positionOf(1, n, *length);
    const double half = plan.postWidth / 2;
    for (qint64 i = first; i <= last; ++i) {
        const double centre = positionOf(i, n, *length);
        plan.posts.push_back(
            {i - first + 1, centre, centre - half, centre + half, !(i == 0 && run.start == RunEnd::Corner)});
    }
    plan.postsCounted = (n - 1) + (run.start == RunEnd::Post ? 1 : 0) + (run.end == RunEnd::Post ? 1 : 0);
    for (qint64 bay = 1; bay <= n; ++bay) {
        const bool leftPost = bay > 1 || isPostOrCorner(run.start);
        const bool rightPost = bay < n || run.end == RunEnd::Post;
        const double begin = positionOf(bay - 1, n, *length) + (leftPost ? half : 0);
        const double end = positionOf(bay, n, *length) - (rightPost ? half : 0);
        plan.bayStarts.push_back(begin);
        plan.clearSpans.push_back(end - begin);
    }
    if (!(*std::min_element(plan.clearSpans.begin(), plan.clearSpans.end()) > 0)) {
        plan.problems << RunTexts::tr("posts %1 wide leave no clear span in a run of %2").arg(postText, run.length);
        plan.posts.clear();
        plan.bayStarts.clear();
        plan.clearSpans.clear();
    }
    return plan;
}

QString runName(const Job &job, std::size_t index)
{
    if (index < job.runs.size() && !job.runs[index].name.trimmed().isEmpty())
        return job.runs[index].name;
    //: A run without a name, by its number in the job.
    return RunTexts::tr("Run %1").arg(index + 1);
}

QString bayName(const QString &runName, qint64 number)
{
    //: A bay of a run: the run's name and the bay's number from the run's start ("Front 2").
    return RunTexts::tr("%1 %2").arg(runName).arg(number);
}

void deriveBays(Job &job)
{
    std::erase_if(job.sections, [](const Section &section) { return section.bay.has_value(); });
    std::vector<Section> bays;
    const auto room = [&job, &bays] { return qint64(kMaximumSections) - qint64(job.sections.size() + bays.size()); };
    for (std::size_t index = 0; index < job.runs.size(); ++index) {
        const Run &run = job.runs[index];
        const QString name = runName(job, index);
        RunPlan plan = planRun(job, index);
        if (plan.planned() && plan.bays > room())
            plan.problems << RunTexts::tr("its %1 bays would make the job more than %2 sections")
                                 .arg(plan.bays)
                                 .arg(QLocale(QLocale::English).toString(kMaximumSections));
        if (!plan.planned()) {
            Section refused;
            refused.name = name;
            refused.bay = BayOf{qsizetype(index), 0, plan.problems};
            bays.push_back(refused);
            continue;
        }
        for (qint64 number = 1; number <= plan.bays; ++number) {
            Section bay;
            bay.name = bayName(name, number);
            // The shortest text that reads back as the exact clear span.
            bay.length = QString::number(plan.clearSpans[std::size_t(number - 1)], 'f', QLocale::FloatingPointShortest);
            bay.railpinWidth = run.railpinWidth;
            bay.maximumGap = run.maximumGap;
            bay.ends = run.ends.value_or(Ends::Full);
            bay.designGap = run.designGap;
            bay.spacing = run.spacing;
            bay.centre = run.centre;
            // A bay is its clear span, whatever the job's sections are measured between.
            bay.measuredBetween = MeasuredBetween::Faces;
            bay.bay = BayOf{qsizetype(index), number, {}};
            bays.push_back(bay);
        }
    }
    job.sections.insert(job.sections.begin(), bays.begin(), bays.end());
}

qint64 jobPosts(const Job &job)
{
    qint64 posts = 0;
    for (const Section &section : job.sections) {
        if (section.bay && section.bay->number == 1)
            posts += planRun(job, std::size_t(section.bay->run)).postsCounted;
    }
    return posts;
}

QString feetAndInches(double inches, const Job &job, QChar decimalPoint)
{
    auto feet = qint64(std::floor(inches / 12));
    QString rest = markText(inches - double(feet) * 12, job, decimalPoint);
    if (rest == markText(12, job, decimalPoint)) {
        ++feet;
        rest = markText(0, job, decimalPoint);
    }
    if (feet == 0)
        return RunTexts::tr("%1\"").arg(rest);
    if (rest == markText(0, job, decimalPoint))
        return RunTexts::tr("%1'").arg(feet);
    return RunTexts::tr("%1' %2\"").arg(feet).arg(rest);
}

QString signedMarkText(double value, const Job &job, bool decimals, QChar decimalPoint)
{
    if (decimals)
        return decimalMarkText(value, job, decimalPoint);
    QString magnitude = markText(std::abs(value), job, decimalPoint);
    if (value < 0 && magnitude != markText(0, job, decimalPoint))
        return u'-' + magnitude;
    return magnitude;
}

namespace {

// A length as the sentence of a run says it: feet and inches for a length, or
// the mark with its unit, with feet and inches beside it for a bay.
QString withUnit(double value, const Job &job, QChar decimalPoint)
{
    return RunTexts::tr("%1 %2").arg(markText(value, job, decimalPoint), unitName(job.unit));
}

QString spoken(double value, const Job &job, QChar decimalPoint)
{
    return job.unit == Unit::Inches ? feetAndInches(value, job, decimalPoint) : withUnit(value, job, decimalPoint);
}

QString baysOf(const Job &job, const RunPlan &plan, QChar decimalPoint)
{
    QString each = withUnit(plan.onCentre, job, decimalPoint);
    if (job.unit == Unit::Inches)
        each = RunTexts::tr("%1 (%2)").arg(each, feetAndInches(plan.onCentre, job, decimalPoint));
    return plan.bays == 1 ? RunTexts::tr("1 bay of %1").arg(each)
                          : RunTexts::tr("%1 bays of %2").arg(plan.bays).arg(each);
}

}  // namespace

QString postPlanSentence(const Job &job, std::size_t index, const RunPlan &plan, QChar decimalPoint)
{
    if (!plan.planned() || index >= job.runs.size())
        return {};
    const Run &run = job.runs[index];
    const auto reference = [](RunEnd end) {
        switch (end) {
        case RunEnd::Wall:
            return RunTexts::tr("wall");
        case RunEnd::Corner:
            return RunTexts::tr("corner post centre");
        case RunEnd::Post:
            break;
        }
        return RunTexts::tr("post centre");
    };
    const QString postWidth = withUnit(plan.postWidth, job, decimalPoint);
    QString posts;
    if (plan.postsCounted == 0)
        posts = RunTexts::tr("no posts");
    else if (plan.postsCounted == 1)
        posts = RunTexts::tr("1 post %1").arg(postWidth);
    else
        posts = RunTexts::tr("%1 posts %2").arg(plan.postsCounted).arg(postWidth);

    // The clear spans in the order they come, each once: a bay beside a wall
    // is longer than one between two posts.
    QStringList spans;
    for (const double span : plan.clearSpans) {
        const QString text = withUnit(span, job, decimalPoint);
        if (!spans.contains(text))
            spans << text;
    }
    const QString clear = spans.size() == 1 ? RunTexts::tr("clear span %1").arg(spans.front())
                                            : RunTexts::tr("clear spans %1").arg(spans.join(RunTexts::tr(" and ")));
    //: A run's post plan: name, length, its references, the maximum spacing, then its bays, posts and clear span.
    return RunTexts::tr("%1: %2 from %3 to %4, at most %5 on centre: %6, %7, %8")
        .arg(runName(job, index), spoken(plan.length, job, decimalPoint), reference(run.start), reference(run.end),
             spoken(plan.maxSpacing, job, decimalPoint), baysOf(job, plan, decimalPoint), posts, clear);
}

QString bayLengthTooltip(const Job &job, const Section &section, QChar decimalPoint)
{
    if (!section.bay || std::size_t(section.bay->run) >= job.runs.size())
        return {};
    const std::size_t index = std::size_t(section.bay->run);
    const RunPlan plan = planRun(job, index);
    if (!plan.planned())
        return RunTexts::tr("set by run %1").arg(runName(job, index));
    const QString bays = plan.bays == 1 ? RunTexts::tr("1 bay of %1") : RunTexts::tr("%1 bays of %2").arg(plan.bays);
    //: Why a bay's length cannot be typed: "set by run Front: 3 bays of 5' 9" on centre, at most 6'".
    return RunTexts::tr("set by run %1: %2 on centre, at most %3")
        .arg(runName(job, index), bays.arg(spoken(plan.onCentre, job, decimalPoint)),
             spoken(plan.maxSpacing, job, decimalPoint));
}

RunDefaults runDefaults(Unit unit)
{
    if (unit == Unit::Millimetres)
        return {QStringLiteral("1800"), QStringLiteral("90")};
    return {QStringLiteral("72"), QStringLiteral("3 1/2")};
}

std::vector<PostSpacingPreset> postSpacingPresets(Unit unit, qint32 increment)
{
    struct Preset
    {
        const char *value;
        Unit unit;
        const char *use;  // empty: the value says it all
    };
    static const std::array<Preset, 4> kPresets{{{"72", Unit::Inches, QT_TRANSLATE_NOOP("RunTexts", "4x4 posts")},
                                                 {"96", Unit::Inches, QT_TRANSLATE_NOOP("RunTexts", "6x6 posts")},
                                                 {"1800", Unit::Millimetres, ""},
                                                 {"48", Unit::Inches, QT_TRANSLATE_NOOP("RunTexts", "cable")}}};
    std::vector<PostSpacingPreset> presets;
    for (const Preset &preset : kPresets) {
        const QString typed = QString::fromLatin1(preset.value);
        const std::optional<QString> value =
            preset.unit == unit ? std::optional<QString>(typed)
                                : convertedMeasurement(typed, preset.unit, unit, Rounding::Down, increment);
        const std::optional<double> length = value ? measurementValue(*value, unit) : std::nullopt;
        if (!length)
            continue;
        QString shown = unit == Unit::Inches && std::fmod(*length, 12) == 0
                            //: A whole number of feet in a menu of post spacings ("6 ft").
                            ? RunTexts::tr("%1 ft").arg(*length / 12)
                            : RunTexts::tr("%1 %2").arg(*value, unitName(unit));
        if (preset.unit != unit)
            shown = RunTexts::tr("%1 (%2 %3)").arg(shown, typed, unitName(preset.unit));
        if (*preset.use != '\0')
            //: A post spacing and what it is for ("6 ft — 4x4 posts").
            shown = RunTexts::tr("%1 \u2014 %2").arg(shown, RunTexts::tr(preset.use));
        presets.push_back({*value, shown});
    }
    return presets;
}

}  // namespace layout
