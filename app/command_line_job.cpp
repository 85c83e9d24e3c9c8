// SPDX-License-Identifier: LicenseRef-proprietary
#include "command_line_job.h"

#include "command_line_texts.h"

#include "command_line.h"
#include "command_line_options.h"
#include "job_fields.h"
#include "job_layout.h"
#include "job_limits.h"
#include "job_words.h"
#include "measurement.h"
#include "run.h"

#include <QCoreApplication>
#include <QDir>

#include <algorithm>
#include <cmath>

namespace {

using command_line::Failure;

Failure badValue(const QCommandLineOption &option, const QString &value, const QString &why)
{
    return {command_line::kBadArguments,
            CommandLine::tr("--%1 \"%2\": %3").arg(option.names().constFirst(), value, why)};
}

// A measurement option, read strictly in the job's unit with "." as the separator.
std::optional<Failure> checkMeasurement(const CommandLineOptions &options, const QCommandLineOption &option,
                                        layout::Unit unit)
{
    if (!options.parser.isSet(option))
        return std::nullopt;
    const layout::Reading reading = layout::readMeasurement(options.parser.value(option), unit);
    if (reading.value)
        return std::nullopt;
    return Failure{command_line::kBadArguments,
                   CommandLine::tr("--%1: %2").arg(option.names().constFirst(), reading.problem)};
}

std::optional<Failure> readUnit(const CommandLineOptions &options, layout::Job &job)
{
    const QCommandLineParser &parser = options.parser;
    if (parser.isSet(options.unit)) {
        const QString unit = parser.value(options.unit);
        const std::optional<layout::Unit> read = layout::job_words::valueOf(layout::job_words::kUnits, unit);
        if (!read)
            return badValue(options.unit, unit, CommandLine::tr("the unit is in or mm"));
        job.unit = *read;
    }
    if (parser.isSet(options.increment)) {
        const QString text = parser.value(options.increment);
        if (job.unit == layout::Unit::Millimetres)
            return badValue(options.increment, text, CommandLine::tr("a millimetre job rounds with --mark-step"));
        bool number = false;
        const int increment = text.toInt(&number);
        if (!number || (increment != 4 && increment != 8 && increment != 16 && increment != 32))
            return badValue(options.increment, text, CommandLine::tr("the increment is 4, 8, 16 or 32"));
        job.increment = increment;
    }
    if (parser.isSet(options.markStep)) {
        const QString text = parser.value(options.markStep);
        if (job.unit != layout::Unit::Millimetres)
            return badValue(options.markStep, text, CommandLine::tr("the mark step is for --unit mm"));
        if (text == QLatin1String("1"))
            job.markStep = 1;
        else if (text == QLatin1String("0.5"))
            job.markStep = 0.5;
        else
            return badValue(options.markStep, text, CommandLine::tr("the mark step is 1 or 0.5"));
    }
    return std::nullopt;
}

std::optional<Failure> readSlope(const CommandLineOptions &options, layout::Section &section)
{
    const QCommandLineParser &parser = options.parser;
    const bool rise = parser.isSet(options.rise);
    const bool run = parser.isSet(options.run);
    const bool angle = parser.isSet(options.angle);
    if (rise != run)
        return Failure{command_line::kBadArguments, CommandLine::tr("--rise and --run are given together")};
    if (angle && rise)
        return Failure{command_line::kBadArguments,
                       CommandLine::tr("a slope is --rise and --run or --angle, not both")};
    if (rise) {
        section.stair = layout::Stair{parser.value(options.rise), parser.value(options.run), std::nullopt, {}};
    } else if (angle) {
        const QString text = parser.value(options.angle);
        bool number = false;
        const double degrees = text.toDouble(&number);
        if (!number || !std::isfinite(degrees))
            return badValue(options.angle, text, CommandLine::tr("not a number of degrees"));
        section.stair = layout::Stair{QString(), QString(), degrees, {}};
    }
    return std::nullopt;
}

std::optional<Failure> readSection(const CommandLineOptions &options, layout::Section &section)
{
    const QCommandLineParser &parser = options.parser;
    section.length = parser.value(options.length);
    // The one section goes by the job's name, so that the CSV names its rows.
    if (parser.isSet(options.name))
        section.name = parser.value(options.name);
    if (parser.isSet(options.ends)) {
        const QString ends = parser.value(options.ends);
        const std::optional<layout::Ends> read = layout::job_words::valueOf(layout::job_words::kEnds, ends);
        if (!read)
            return badValue(options.ends, ends, CommandLine::tr("the ends are full or half"));
        section.ends = *read;
    }
    if (parser.isSet(options.count)) {
        const QString text = parser.value(options.count);
        bool number = false;
        const qint64 count = text.toLongLong(&number);
        if (!number || count < 0)
            return badValue(options.count, text, CommandLine::tr("the count is a whole number of 0 or more"));
        section.count = count;
    }
    return readSlope(options, section);
}

// One of the words an option takes, as the value it stands for.
template <typename Value, std::size_t Size>
std::optional<Failure> readChoice(const CommandLineOptions &options, const QCommandLineOption &option,
                                  const std::array<layout::job_words::Word<Value>, Size> &words, const QString &why,
                                  Value &into)
{
    if (!options.parser.isSet(option))
        return std::nullopt;
    const QString text = options.parser.value(option);
    const std::optional<Value> read = layout::job_words::valueOf(words, text);
    if (!read)
        return badValue(option, text, why);
    into = *read;
    return std::nullopt;
}

// The design gap, spacing, centre and posts: each a value of the job.
std::optional<Failure> readBalance(const CommandLineOptions &options, layout::Job &job)
{
    using layout::MeasuredBetween;
    using layout::Spacing;
    const QCommandLineParser &parser = options.parser;
    if (parser.isSet(options.designGap))
        job.designGap = parser.value(options.designGap);
    if (auto failure = readChoice(options, options.spacing, layout::job_words::kSpacings,
                                  CommandLine::tr("the spacing is equal or same"), job.spacing))
        return failure;
    if (auto failure = readChoice(options, options.centre, layout::job_words::kCentres,
                                  CommandLine::tr("the centre is either, railpin or gap"), job.centre))
        return failure;
    if (auto failure = readChoice(options, options.between, layout::job_words::kBetweens,
                                  CommandLine::tr("lengths are between faces or centres"), job.measuredBetween))
        return failure;
    if (auto failure = readChoice(options, options.marksFrom, layout::job_words::kMarksFrom,
                                  CommandLine::tr("marks are from the post faces or the post centres"), job.marksFrom))
        return failure;
    const bool centres = job.measuredBetween == MeasuredBetween::Centres;
    // Between post faces there is only one face to measure from: a choice
    // that would change nothing is refused rather than seeming to apply.
    if (parser.isSet(options.marksFrom) && !centres)
        return Failure{command_line::kBadArguments, CommandLine::tr("--marks-from is used with --between centres")};
    if (job.spacing == Spacing::Same && !parser.isSet(options.designGap))
        return Failure{command_line::kBadArguments,
                       CommandLine::tr("--spacing same needs --design-gap: the gap between railpins")};
    if (job.spacing == Spacing::Same &&
        parser.value(options.ends) == layout::job_words::wordOf(layout::job_words::kEnds, layout::Ends::Half))
        return Failure{command_line::kBadArguments,
                       CommandLine::tr("--spacing same has equal end gaps of its own: --ends half is for equal gaps")};
    const bool run = parser.isSet(options.maxPostSpacing);
    if (parser.isSet(options.postWidth) && !centres && !run)
        return Failure{command_line::kBadArguments,
                       CommandLine::tr("--post-width is used with --between centres or --max-post-spacing")};
    if (centres && !parser.isSet(options.postWidth))
        return Failure{command_line::kBadArguments, CommandLine::tr("--between centres needs --post-width")};
    if (parser.isSet(options.postWidth))
        job.postWidth = parser.value(options.postWidth);
    return std::nullopt;
}

// A whole number option within [lowest, highest].
std::optional<Failure> readWhole(const CommandLineOptions &options, const QCommandLineOption &option, qint64 lowest,
                                 qint64 highest, std::optional<qint64> &into)
{
    if (!options.parser.isSet(option))
        return std::nullopt;
    const QString text = options.parser.value(option);
    bool number = false;
    const qint64 value = text.toLongLong(&number);
    if (!number || value < lowest || value > highest)
        return badValue(option, text, CommandLine::tr("give a whole number from %1 to %2").arg(lowest).arg(highest));
    into = value;
    return std::nullopt;
}

Failure refusal(const QString &message)
{
    return {command_line::kBadArguments, message};
}

// A stair by its treads and a stair's rails; the slope is read already.
std::optional<Failure> readTreads(const CommandLineOptions &options, layout::Job &job, layout::Section &section)
{
    const QCommandLineParser &parser = options.parser;
    const bool byTreads = parser.isSet(options.treads);
    if (!byTreads) {
        for (const QCommandLineOption *option : options.treadsOptions()) {
            if (parser.isSet(*option) && option != &options.nosing)
                return refusal(CommandLine::tr("--%1 is used with --treads").arg(option->names().constFirst()));
        }
        if (parser.isSet(options.nosing) && !parser.isSet(options.bottomRail))
            return refusal(CommandLine::tr("--nosing is used with --treads or --bottom-rail"));
    } else {
        if (parser.isSet(options.angle))
            return refusal(CommandLine::tr("--treads: treads need the rise and run of one step, not an angle"));
        if (!section.stair)
            return refusal(CommandLine::tr("--treads needs --rise and --run: the rise and run of one step"));
        if (parser.isSet(options.length))
            return refusal(CommandLine::tr("--length does not go with --treads: the treads give the stair's length"));
        for (const QCommandLineOption *option :
             {&options.count, &options.ends, &options.spacing, &options.centre, &options.between, &options.postWidth}) {
            if (parser.isSet(*option))
                return refusal(CommandLine::tr("--%1 does not go with --treads").arg(option->names().constFirst()));
        }
    }
    if (section.stair || parser.isSet(options.railDepth) || parser.isSet(options.bottomRail)) {
        if (!section.stair)
            return refusal(CommandLine::tr("--%1 is used with a stair's --rise and --run")
                               .arg((parser.isSet(options.railDepth) ? options.railDepth : options.bottomRail)
                                        .names()
                                        .constFirst()));
    }
    if (parser.isSet(options.triangleSphere) && !parser.isSet(options.bottomRail))
        return refusal(CommandLine::tr("--triangle-sphere is used with --bottom-rail"));
    if (!section.stair)
        return std::nullopt;

    layout::Stair &stair = *section.stair;
    if (auto failure = readWhole(options, options.treads, 1, layout::kMostTreads, stair.treads))
        return failure;
    if (parser.isSet(options.perTread) && parser.value(options.perTread) != layout::job_words::kAutomaticPerTread) {
        if (auto failure = readWhole(options, options.perTread, 1, layout::kMostPerTread, stair.perTread))
            return failure;
    }
    if (auto failure = readWhole(options, options.minPerTread, 1, layout::kMostMinimumPerTread, job.minPerTread))
        return failure;
    if (parser.isSet(options.newels)) {
        const QString text = parser.value(options.newels);
        stair.newels = layout::job_words::valueOf(layout::job_words::kNewels, text);
        if (!stair.newels)
            return badValue(options.newels, text, CommandLine::tr("the newels are none, bottom, top or both"));
    }
    const std::pair<const QCommandLineOption *, std::optional<QString> *> lengths[] = {
        {&options.firstFromRiser, &stair.firstFromRiser},
        {&options.nosing, &stair.nosing},
        {&options.railHeight, &stair.railHeight},
        {&options.railDepth, &stair.railDepth},
        {&options.insert, &stair.insert},
        {&options.bottomRail, &stair.bottomRail}};
    for (const auto &[option, into] : lengths) {
        if (parser.isSet(*option))
            *into = parser.value(*option);
    }
    if (parser.isSet(options.triangleSphere))
        job.triangleSphere = parser.value(options.triangleSphere);
    return std::nullopt;
}

// What a run's start or end is, from the one table of words.
std::optional<Failure> readRunEnd(const CommandLineOptions &options, const QCommandLineOption &option,
                                  layout::RunEnd &into)
{
    if (!options.parser.isSet(option))
        return std::nullopt;
    const QString text = options.parser.value(option);
    const std::optional<layout::RunEnd> value = layout::job_words::valueOf(layout::job_words::kRunEnds, text);
    if (!value)
        return badValue(option, text, CommandLine::tr("a run starts or ends at a post or a wall"));
    into = *value;
    return std::nullopt;
}

// With --max-post-spacing the options describe one run, whose bays are the
// job's sections; the options a run has no use for are refused by name.
std::optional<Failure> readRun(const CommandLineOptions &options, layout::Job &job, const layout::Section &section)
{
    const QCommandLineParser &parser = options.parser;
    if (!parser.isSet(options.maxPostSpacing)) {
        for (const QCommandLineOption *option : {&options.start, &options.end}) {
            if (parser.isSet(*option))
                return Failure{
                    command_line::kBadArguments,
                    CommandLine::tr("--%1 is used with --max-post-spacing").arg(option->names().constFirst())};
        }
        return std::nullopt;
    }
    if (parser.isSet(options.between))
        return Failure{command_line::kBadArguments,
                       CommandLine::tr("--between cannot be used with --max-post-spacing: a run is measured from its "
                                       "start to its end, and its bays between post faces")};
    if (parser.isSet(options.count))
        return Failure{command_line::kBadArguments,
                       CommandLine::tr("--count cannot be used with --max-post-spacing: each bay gets the fewest "
                                       "railpins within the gap")};
    if (section.stair)
        return Failure{command_line::kBadArguments,
                       CommandLine::tr("a run is level: --rise, --run and --angle cannot be used with "
                                       "--max-post-spacing")};
    if (!parser.isSet(options.postWidth))
        return Failure{command_line::kBadArguments, CommandLine::tr("--max-post-spacing needs --post-width")};
    layout::Run run;
    //: The name of a run given by options without --name.
    run.name = parser.isSet(options.name) ? parser.value(options.name) : CommandLine::tr("Run");
    run.length = section.length;
    run.ends = section.ends;
    if (auto failure = readRunEnd(options, options.start, run.start))
        return failure;
    if (auto failure = readRunEnd(options, options.end, run.end))
        return failure;
    job.maxPostSpacing = parser.value(options.maxPostSpacing);
    job.runs.push_back(run);
    return std::nullopt;
}

}  // namespace

namespace command_line {

std::optional<Failure> readOrderOptions(const CommandLineOptions &options, layout::Job &job)
{
    const QCommandLineParser &parser = options.parser;
    const auto orderOptions = options.orderOptions();
    if (std::none_of(orderOptions.begin(), orderOptions.end(),
                     [&parser](const QCommandLineOption *option) { return parser.isSet(*option); }))
        return std::nullopt;
    layout::OrderSettings order = job.order.value_or(layout::OrderSettings{});
    const std::pair<const QCommandLineOption *, qint32 *> counts[] = {
        {&options.railRows, &order.railRows},
        {&options.screwsPerRailpin, &order.screwsPerRailpin},
        {&options.screwsPerRailEnd, &order.screwsPerRailEnd}};
    for (const auto &[option, into] : counts) {
        std::optional<qint64> read;
        const qint64 most = option == &options.railRows ? layout::kMostRailRows : layout::kMostScrews;
        if (auto failure = readWhole(options, *option, 0, most, read))
            return failure;
        if (read)
            *into = qint32(*read);
    }
    for (const QCommandLineOption *length : {&options.kerf, &options.railpinLength}) {
        if (std::optional<Failure> failure = checkMeasurement(options, *length, job.unit))
            return failure;
    }
    const auto text = [&parser](const QCommandLineOption &option, std::optional<QString> &into) {
        if (parser.isSet(option))
            into = parser.value(option);
    };
    text(options.railStock, order.railStock);
    text(options.kerf, order.kerf);
    text(options.railpinLength, order.railpinLength);
    text(options.railpinStock, order.railpinStock);
    job.order = order;
    return std::nullopt;
}

JobFromOptions jobFromOptions(const CommandLineOptions &options)
{
    const QCommandLineParser &parser = options.parser;
    for (const QCommandLineOption *required : {&options.length, &options.width, &options.maximumGap}) {
        // A stair by its treads has no length of its own.
        if (required == &options.length && parser.isSet(options.treads))
            continue;
        if (!parser.isSet(*required))
            return {
                std::nullopt,
                Failure{kBadArguments,
                        CommandLine::tr("--%1 is required without a job file").arg(required->names().constFirst())}};
    }

    layout::Job job;
    job.name = parser.isSet(options.name) ? parser.value(options.name) : CommandLine::tr("Railing section");
    job.railpinWidth = parser.value(options.width);
    job.maximumGap = parser.value(options.maximumGap);
    if (parser.isSet(options.maximumGapStairs))
        job.maximumGapStairs = parser.value(options.maximumGapStairs);
    if (std::optional<Failure> failure = readUnit(options, job))
        return {std::nullopt, failure};

    layout::Section section;
    if (std::optional<Failure> failure = readSection(options, section))
        return {std::nullopt, failure};
    if (std::optional<Failure> failure = readTreads(options, job, section))
        return {std::nullopt, failure};
    if (std::optional<Failure> failure = readBalance(options, job))
        return {std::nullopt, failure};
    if (std::optional<Failure> failure = readRun(options, job, section))
        return {std::nullopt, failure};
    for (const QCommandLineOption *measurement :
         {&options.length, &options.width, &options.maximumGap, &options.maximumGapStairs, &options.rise, &options.run,
          &options.designGap, &options.postWidth, &options.firstFromRiser, &options.nosing, &options.railHeight,
          &options.railDepth, &options.insert, &options.bottomRail, &options.triangleSphere, &options.maxPostSpacing}) {
        if (std::optional<Failure> failure = checkMeasurement(options, *measurement, job.unit))
            return {std::nullopt, failure};
    }
    if (job.runs.empty())
        job.sections.push_back(section);
    layout::deriveBays(job);
    return {job, std::nullopt};
}

LaidOutJob layOutJob(const layout::Job &job, const QString &jobFile)
{
    // Messages about a job file's sections name the file and the section.
    const auto named = [&job, &jobFile](std::size_t index, const QString &message) {
        const layout::Section &section = job.sections[index];
        // A run that cannot be planned is named as the run, wherever it came from.
        if (section.bay && section.bay->number == 0) {
            const QString run = CommandLine::tr("run %1 \"%2\": %3")
                                    .arg(section.bay->run + 1)
                                    .arg(layout::runName(job, std::size_t(section.bay->run)), message);
            return jobFile.isEmpty() ? run : CommandLine::tr("%1: %2").arg(QDir::toNativeSeparators(jobFile), run);
        }
        if (jobFile.isEmpty() && section.bay)
            return CommandLine::tr("section %1 \"%2\": %3").arg(index + 1).arg(section.name, message);
        if (jobFile.isEmpty())
            return message;
        return CommandLine::tr("%1: section %2 \"%3\": %4")
            .arg(QDir::toNativeSeparators(jobFile))
            .arg(index + 1)
            .arg(section.name, message);
    };
    LaidOutJob result;
    const QString file = QDir::toNativeSeparators(jobFile);
    // A job over the work budget is refused before any marks are made.
    layout::JobLayout laid = layout::layOutForOutput(job);
    if (laid.overBudget) {
        result.failure =
            //: A file name, then a message about it, on standard error; kept with the command line's other messages.
            Failure{kBadArguments,
                    jobFile.isEmpty() ? laid.refusal : CommandLine::tr("%1: %2").arg(file, laid.refusal)};
        return result;
    }
    const QStringList misspelt = layout::misspeltFields(job.unknownFields, layout::FieldLevel::Job);
    if (!misspelt.isEmpty()) {
        result.failure = Failure{kBadArguments, CommandLine::tr("%1: %2").arg(file, misspelt.constFirst())};
        return result;
    }
    for (const layout::UnusedField &field : layout::unusedFields(job)) {
        result.unusedFields << (field.section ? named(*field.section, field.warning)
                                              : CommandLine::tr("%1: %2").arg(file, field.warning));
    }
    if (laid.failedSection) {
        result.failure = Failure{kBadArguments, named(*laid.failedSection, laid.refusal)};
        return result;
    }
    for (const layout::SectionWarning &warning : laid.warnings)
        result.warnings << named(warning.section, warning.text);
    result.sections = std::move(laid.sections);
    return result;
}

}  // namespace command_line
