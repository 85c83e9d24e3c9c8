// SPDX-License-Identifier: LicenseRef-proprietary
#include "job_file.h"

#include "job_fields.h"
#include "job_file_keys.h"
#include "job_words.h"
#include "section_layout.h"

#include "file_writer.h"

#include <QCoreApplication>
#include <QDir>
#include <QJsonArray>
#include <QJsonDocument>

#include <algorithm>
#include <array>

namespace layout {

namespace keys = job_file_keys;

namespace {

// The lengths a stair may give, each with its key.
std::array<std::pair<QLatin1StringView, const std::optional<QString> &>, 6> stairLengths(const Stair &stair)
{
    return {{{keys::kFirstFromRiser, stair.firstFromRiser},
             {keys::kNosing, stair.nosing},
             {keys::kRailHeight, stair.railHeight},
             {keys::kRailDepth, stair.railDepth},
             {keys::kInsert, stair.insert},
             {keys::kBottomRail, stair.bottomRail}}};
}

// Whether the job holds a value of a stair by treads or of its rails, which
// an older program would ignore.
bool usesStairTreads(const Job &job)
{
    if (job.minPerTread || job.triangleSphere)
        return true;
    return std::any_of(job.sections.begin(), job.sections.end(), [](const Section &section) {
        if (!section.stair)
            return false;
        const Stair &stair = *section.stair;
        const auto lengths = stairLengths(stair);
        return stair.treads || stair.perTread || stair.newels ||
               std::any_of(lengths.begin(), lengths.end(),
                           [](const auto &length) { return length.second.has_value(); });
    });
}

// A field that is always written stands beside a near miss of it ("Ends"
// for "ends") only at its default, which nobody typed: the file keeps the
// near miss alone, as it was read and flagged until it is mended, rather
// than holding both.
void leaveNearMissesAlone(QJsonObject &object, const QJsonObject &defaults, const QJsonObject &unknownFields,
                          FieldLevel level)
{
    for (auto field = unknownFields.begin(); field != unknownFields.end(); ++field) {
        const QString meant = resembledField(field.key(), level);
        if (!meant.isEmpty() && object.contains(meant) && object.value(meant) == defaults.value(meant))
            object.remove(meant);
    }
}

QJsonObject stairObject(const Stair &stair)
{
    QJsonObject object = stair.unknownFields;
    if (!stair.rise.isEmpty())
        object.insert(keys::kRise, stair.rise);
    if (!stair.run.isEmpty())
        object.insert(keys::kRun, stair.run);
    if (stair.angleDegrees)
        object.insert(keys::kAngle, *stair.angleDegrees);
    else if (!stair.unreadSlope.isEmpty())
        object.insert(keys::kAngle, stair.unreadSlope);
    if (stair.treads)
        object.insert(keys::kTreads, *stair.treads);
    if (stair.perTread)
        object.insert(keys::kPerTread, *stair.perTread);
    if (stair.newels)
        object.insert(keys::kNewels, job_words::wordOf(job_words::kNewels, *stair.newels));
    for (const auto &[key, text] : stairLengths(stair))
        if (text)
            object.insert(key, *text);
    if (!stair.unknownFields.isEmpty())
        leaveNearMissesAlone(object, stairObject(Stair{}), stair.unknownFields, FieldLevel::Stair);
    return object;
}

// Only what differs from the defaults is written, so that a job's list
// follows its unit's stock until the user types a stock of his own.
QJsonObject orderObject(const OrderSettings &order)
{
    QJsonObject object = order.unknownFields;
    const OrderSettings defaults;
    if (order.railRows != defaults.railRows)
        object.insert(keys::kRailRows, order.railRows);
    const auto text = [&object](QLatin1StringView key, const std::optional<QString> &value) {
        if (value && !value->trimmed().isEmpty())
            object.insert(key, *value);
    };
    text(keys::kRailStock, order.railStock);
    text(keys::kKerf, order.kerf);
    text(keys::kRailpinLength, order.railpinLength);
    text(keys::kRailpinStock, order.railpinStock);
    if (order.screwsPerRailpin != defaults.screwsPerRailpin)
        object.insert(keys::kScrewsPerRailpin, order.screwsPerRailpin);
    if (order.screwsPerRailEnd != defaults.screwsPerRailEnd)
        object.insert(keys::kScrewsPerRailEnd, order.screwsPerRailEnd);
    if (!order.unknownFields.isEmpty())
        leaveNearMissesAlone(object, orderObject(OrderSettings{}), order.unknownFields, FieldLevel::Order);
    return object;
}

bool given(const std::optional<QString> &text)
{
    return text && !text->trimmed().isEmpty();
}

QJsonObject sectionObject(const Section &section)
{
    QJsonObject object = section.unknownFields;
    object.insert(keys::kName, section.name);
    object.insert(keys::kLength, section.length);
    if (section.railpinWidth)
        object.insert(keys::kRailpinWidth, *section.railpinWidth);
    if (section.maximumGap)
        object.insert(keys::kMaximumGap, *section.maximumGap);
    object.insert(keys::kEnds, job_words::wordOf(job_words::kEnds, section.ends));
    if (section.count)
        object.insert(keys::kCount, *section.count);
    if (section.stair)
        object.insert(keys::kStair, stairObject(*section.stair));
    if (given(section.designGap))
        object.insert(keys::kDesignGap, *section.designGap);
    if (section.spacing)
        object.insert(keys::kSpacing, job_words::wordOf(job_words::kSpacings, *section.spacing));
    if (section.centre)
        object.insert(keys::kCentre, job_words::wordOf(job_words::kCentres, *section.centre));
    if (section.measuredBetween)
        object.insert(keys::kMeasuredBetween, job_words::wordOf(job_words::kBetweens, *section.measuredBetween));
    if (!section.unknownFields.isEmpty())
        leaveNearMissesAlone(object, sectionObject(Section{}), section.unknownFields, FieldLevel::Section);
    return object;
}

QJsonObject runObject(const Run &run)
{
    QJsonObject object = run.unknownFields;
    object.insert(keys::kName, run.name);
    object.insert(keys::kLength, run.length);
    object.insert(keys::kStart, job_words::wordOf(job_words::kRunStarts, run.start));
    object.insert(keys::kEnd, job_words::wordOf(job_words::kRunEnds, run.end));
    if (given(run.maxPostSpacing))
        object.insert(keys::kMaxPostSpacing, *run.maxPostSpacing);
    if (run.railpinWidth)
        object.insert(keys::kRailpinWidth, *run.railpinWidth);
    if (run.maximumGap)
        object.insert(keys::kMaximumGap, *run.maximumGap);
    if (run.ends)
        object.insert(keys::kEnds, job_words::wordOf(job_words::kEnds, *run.ends));
    if (given(run.designGap))
        object.insert(keys::kDesignGap, *run.designGap);
    if (run.spacing)
        object.insert(keys::kSpacing, job_words::wordOf(job_words::kSpacings, *run.spacing));
    if (run.centre)
        object.insert(keys::kCentre, job_words::wordOf(job_words::kCentres, *run.centre));
    if (!run.unknownFields.isEmpty())
        leaveNearMissesAlone(object, runObject(Run{}), run.unknownFields, FieldLevel::Run);
    return object;
}

QJsonArray runsArray(const Job &job)
{
    QJsonArray runs;
    for (const Run &run : job.runs)
        runs.append(runObject(run));
    return runs;
}

// At most how large the indented form of these compact bytes is: every
// bracket and comma may start a line indented to the deepest level.
qint64 indentedSizeBound(const QByteArray &compact)
{
    qint64 lines = 1;
    int depth = 0;
    int deepest = 0;
    bool inString = false;
    for (qsizetype index = 0; index < compact.size(); ++index) {
        const char byte = compact.at(index);
        if (inString) {
            if (byte == '\\')
                ++index;
            else if (byte == '"')
                inString = false;
            continue;
        }
        if (byte == '"')
            inString = true;
        else if (byte == '{' || byte == '[') {
            deepest = std::max(deepest, ++depth);
            lines += 2;
        } else if (byte == '}' || byte == ']')
            --depth;
        else if (byte == ',' || byte == ':')
            ++lines;
    }
    return compact.size() + lines * (4 * qint64(deepest) + 2);
}

// The most bytes a number takes in the file.
constexpr qint64 kNumberBytes = 24;

// The bytes of one member of an object at this depth whose key has keySize
// characters and whose value takes valueBytes: indent, quoted key (each
// character may be escaped into six bytes), colon, comma and newline.
qint64 memberBytesAtMost(qsizetype keySize, qint64 valueBytes, int depth)
{
    return 4 * qint64(depth + 1) + 2 + 6 * qint64(keySize) + 2 + valueBytes + 2;
}

// At most how many bytes the value takes in the indented file at this
// depth, found without writing it: each character of a string may be
// escaped into six bytes, a number takes at most kNumberBytes.
qint64 indentedBytesAtMost(const QJsonValue &value, int depth)
{
    const qint64 indent = 4 * qint64(depth + 1);
    const qint64 brackets = 2 + 1 + indent;
    switch (value.type()) {
    case QJsonValue::String:
        return 2 + 6 * qint64(value.toString().size());
    case QJsonValue::Double:
        return kNumberBytes;
    case QJsonValue::Array: {
        qint64 bytes = brackets;
        const QJsonArray array = value.toArray();
        for (qsizetype index = 0; index < array.size(); ++index)
            bytes += indent + indentedBytesAtMost(array.at(index), depth + 1) + 2;
        return bytes;
    }
    case QJsonValue::Object: {
        qint64 bytes = brackets;
        const QJsonObject object = value.toObject();
        for (auto member = object.begin(); member != object.end(); ++member)
            bytes += memberBytesAtMost(member.key().size(), indentedBytesAtMost(*member, depth + 1), depth);
        return bytes;
    }
    default:  // true, false, null
        return 5;
    }
}

// The job's own fields, all but its sections.
QJsonObject jobFieldsObject(const Job &job);

// The job's fields as a file without them reads: no width and no gap (the
// reader leaves them for the user to give) and no file marker, which is
// never left out. A field is left out beside its near miss only where the
// file reads the same without it.
QJsonObject jobFieldsAsReadWhenMissing()
{
    Job missing;
    missing.railpinWidth.clear();
    missing.maximumGap.clear();
    QJsonObject object = jobFieldsObject(missing);
    object.remove(keys::kFormat);
    object.remove(keys::kVersion);
    return object;
}

QJsonObject jobFieldsObject(const Job &job)
{
    QJsonObject object = job.unknownFields;
    const bool metric = job.unit == Unit::Millimetres;
    object.insert(keys::kFormat, keys::kFormatMarker);
    // A metric job is of a newer version, so that a build that knows only
    // inches refuses it instead of reading millimetres as inches.
    object.insert(keys::kVersion, fileVersion(job));
    object.insert(keys::kName, job.name);
    if (metric)
        object.insert(keys::kUnit, job_words::wordOf(job_words::kUnits, job.unit));
    object.insert(keys::kRailpinWidth, job.railpinWidth);
    object.insert(keys::kMaximumGap, job.maximumGap);
    if (hasStairsLimit(job))
        object.insert(keys::kMaximumGapStairs, *job.maximumGapStairs);
    object.insert(keys::kIncrement, job.increment);
    if (metric || job.markStep != 1)
        object.insert(keys::kMarkStep, job.markStep);
    object.insert(keys::kExtraStockPercent, job.extraStockPercent);
    if (job.packSize)
        object.insert(keys::kPackSize, *job.packSize);
    if (given(job.designGap))
        object.insert(keys::kDesignGap, *job.designGap);
    if (job.spacing != Spacing::Equal)
        object.insert(keys::kSpacing, job_words::wordOf(job_words::kSpacings, job.spacing));
    if (job.centre != Centre::Either)
        object.insert(keys::kCentre, job_words::wordOf(job_words::kCentres, job.centre));
    if (job.measuredBetween != MeasuredBetween::Faces)
        object.insert(keys::kMeasuredBetween, job_words::wordOf(job_words::kBetweens, job.measuredBetween));
    if (job.marksFrom != MarksFrom::Faces)
        object.insert(keys::kMarksFrom, job_words::wordOf(job_words::kMarksFrom, job.marksFrom));
    if (given(job.postWidth))
        object.insert(keys::kPostWidth, *job.postWidth);
    if (job.minPerTread)
        object.insert(keys::kMinPerTread, *job.minPerTread);
    if (job.triangleSphere)
        object.insert(keys::kTriangleSphere, *job.triangleSphere);
    if (job.order)
        object.insert(keys::kOrder, orderObject(*job.order));
    if (given(job.maxPostSpacing))
        object.insert(keys::kMaxPostSpacing, *job.maxPostSpacing);
    if (!job.runs.empty())
        object.insert(keys::kRuns, runsArray(job));
    if (!job.unknownFields.isEmpty())
        leaveNearMissesAlone(object, jobFieldsAsReadWhenMissing(), job.unknownFields, FieldLevel::Job);
    return object;
}

qint64 textBytesAtMost(const QString &text)
{
    return indentedBytesAtMost(QJsonValue(text), 0);
}

// As indentedBytesAtMost(sectionObject(section), depth), from the section's
// texts without making the object: a long job is bounded at every edit.
qint64 sectionBytesAtMost(const Section &section, int depth)
{
    qint64 bytes = indentedBytesAtMost(QJsonValue(section.unknownFields), depth);
    bytes += memberBytesAtMost(keys::kName.size(), textBytesAtMost(section.name), depth);
    bytes += memberBytesAtMost(keys::kLength.size(), textBytesAtMost(section.length), depth);
    if (section.railpinWidth)
        bytes += memberBytesAtMost(keys::kRailpinWidth.size(), textBytesAtMost(*section.railpinWidth), depth);
    if (section.maximumGap)
        bytes += memberBytesAtMost(keys::kMaximumGap.size(), textBytesAtMost(*section.maximumGap), depth);
    bytes += memberBytesAtMost(keys::kEnds.size(), 2 + job_words::longestWord(job_words::kEnds), depth);
    if (section.count)
        bytes += memberBytesAtMost(keys::kCount.size(), kNumberBytes, depth);
    // The words of the layout's choices are shorter than 24 bytes.
    constexpr qint64 kWord = 24;
    if (given(section.designGap))
        bytes += memberBytesAtMost(keys::kDesignGap.size(), textBytesAtMost(*section.designGap), depth);
    if (section.spacing)
        bytes += memberBytesAtMost(keys::kSpacing.size(), kWord, depth);
    if (section.centre)
        bytes += memberBytesAtMost(keys::kCentre.size(), kWord, depth);
    if (section.measuredBetween)
        bytes += memberBytesAtMost(keys::kMeasuredBetween.size(), kWord, depth);
    if (section.stair) {
        const Stair &stair = *section.stair;
        qint64 stairBytes = indentedBytesAtMost(QJsonValue(stair.unknownFields), depth + 1);
        stairBytes += memberBytesAtMost(keys::kRise.size(), textBytesAtMost(stair.rise), depth + 1);
        stairBytes += memberBytesAtMost(keys::kRun.size(), textBytesAtMost(stair.run), depth + 1);
        stairBytes += memberBytesAtMost(keys::kAngle.size(), std::max(kNumberBytes, textBytesAtMost(stair.unreadSlope)),
                                        depth + 1);
        for (const QLatin1StringView key : {keys::kTreads, keys::kPerTread, keys::kNewels})
            stairBytes += memberBytesAtMost(key.size(), kNumberBytes, depth + 1);
        for (const auto &[key, text] : stairLengths(stair))
            if (text)
                stairBytes += memberBytesAtMost(key.size(), textBytesAtMost(*text), depth + 1);
        bytes += memberBytesAtMost(keys::kStair.size(), stairBytes, depth);
    }
    return bytes;
}

// At most how many bytes the job's indented file takes.
qint64 fileBytesAtMost(const Job &job)
{
    constexpr int kSectionsDepth = 1;
    const qint64 indent = 4 * qint64(kSectionsDepth + 1);
    qint64 sections = 2 + 1 + indent;
    for (const Section &section : job.sections) {
        if (!section.bay)
            sections += indent + sectionBytesAtMost(section, kSectionsDepth + 1) + 2;
    }
    return indentedBytesAtMost(QJsonValue(jobFieldsObject(job)), 0) +
           memberBytesAtMost(keys::kSections.size(), sections, 0);
}

QJsonObject jobObject(const Job &job)
{
    QJsonObject object = jobFieldsObject(job);
    QJsonArray sections;
    // A run's bays are made again from the run when the file is read.
    for (const Section &section : job.sections) {
        if (!section.bay)
            sections.append(sectionObject(section));
    }
    object.insert(keys::kSections, sections);
    return object;
}

}  // namespace

int fileVersion(const Job &job)
{
    if (!job.runs.empty())
        return keys::kRunsVersion;
    if (job.order)
        return keys::kOrderVersion;
    if (usesStairTreads(job))
        return keys::kStairTreadsVersion;
    const bool countOfNone = std::any_of(job.sections.begin(), job.sections.end(),
                                         [](const Section &section) { return section.count == 0; });
    if (hasStairsLimit(job) || countOfNone || usesBalancedLayouts(job))
        return keys::kStairsLimitVersion;
    return job.unit == Unit::Millimetres ? keys::kMetricVersion : keys::kInchVersion;
}

QByteArray serializeJob(const Job &job)
{
    const QJsonDocument document(jobObject(job));
    // Deeply nested unknown fields indent to many times their size: written
    // compactly such a job stays within what reading accepts. The indented
    // size is bounded from the compact form without making it.
    QByteArray compact = document.toJson(QJsonDocument::Compact);
    if (indentedSizeBound(compact) > kMaximumFileBytes)
        return compact;
    return document.toJson(QJsonDocument::Indented);
}

QString limitProblem(const Job &job)
{
    return limitProblem(job, jobRailpins(job));
}

QString limitProblem(const Job &job, qint64 railpins)
{
    // A run that cannot be laid out stands in the job as one section that says
    // why; it is no section of the file and does not count toward the limit.
    const auto sections = std::count_if(job.sections.begin(), job.sections.end(),
                                        [](const Section &section) { return !section.bay || section.bay->number > 0; });
    if (sections > kMaximumSections)
        return QCoreApplication::translate("layout", "a job can have at most %1 sections").arg(kMaximumSections);
    if (QString overBudget = workBudgetProblem(railpins); !overBudget.isEmpty())
        return overBudget;
    if (writtenSizeExceedsLimit(job))
        return QCoreApplication::translate("layout",
                                           "the job file would be larger than 1 MiB, more than any job needs");
    return {};
}

bool writtenSizeExceedsLimit(const Job &job)
{
    // Writing a long job takes long; its size is bounded first and written
    // only when the bound does not settle it.
    return fileBytesAtMost(job) > kMaximumFileBytes && serializeJob(job).size() > kMaximumFileBytes;
}

QString writeJobFile(const Job &job, const QString &path, QByteArray *bytesWritten)
{
    const auto failure = [&path](const QString &reason) {
        return QCoreApplication::translate("layout", "Could not save %1: %2")
            .arg(QDir::toNativeSeparators(path), reason);
    };
    const QByteArray bytes = serializeJob(job);
    // A save never leaves a file that opening would refuse.
    if (const JobReadResult check = parseJob(bytes); !check.job)
        return failure(QCoreApplication::translate("layout", "the job could not be opened again once saved (%1)")
                           .arg(check.error));
    const QString cause = file_writer::writeFileCause(path, bytes);
    if (!cause.isEmpty())
        return failure(cause);
    if (bytesWritten != nullptr)
        *bytesWritten = bytes;
    return {};
}

}  // namespace layout
