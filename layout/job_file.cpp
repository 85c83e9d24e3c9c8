// SPDX-License-Identifier: LicenseRef-proprietary
#include "job_file.h"

#include "increments.h"
#include "job_file_keys.h"
#include "job_words.h"
#include "run.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonParseError>

#include <array>
#include <cmath>

namespace layout {

namespace keys = job_file_keys;

namespace {

// Where in the file a value stands. Named in words only where something is
// wrong: a file holds thousands of values, and nearly all of them are right.
class Place
{
public:
    enum class Within { Job, Section, Stair, Run, Order };

    Place(Within within, QLatin1StringView key, qsizetype index = 0) : within(within), key(key), index(index) {}

    // As a user would name it.
    QString text() const
    {
        switch (within) {
        case Within::Job:
            break;
        case Within::Section:
            return QCoreApplication::translate("layout", "section %1, \"%2\"").arg(index + 1).arg(key);
        case Within::Stair:
            return QCoreApplication::translate("layout", "section %1, stair, \"%2\"").arg(index + 1).arg(key);
        case Within::Run:
            return QCoreApplication::translate("layout", "run %1, \"%2\"").arg(index + 1).arg(key);
        case Within::Order:
            return QCoreApplication::translate("layout", "order, \"%1\"").arg(key);
        }
        return QCoreApplication::translate("layout", "\"%1\"").arg(key);
    }

private:
    Within within;
    QLatin1StringView key;
    qsizetype index;
};

Place topPlace(QLatin1StringView key)
{
    return {Place::Within::Job, key};
}

Place sectionPlace(qsizetype index, QLatin1StringView key)
{
    return {Place::Within::Section, key, index};
}

Place runPlace(qsizetype index, QLatin1StringView key)
{
    return {Place::Within::Run, key, index};
}

Place stairPlace(qsizetype index, QLatin1StringView key)
{
    return {Place::Within::Stair, key, index};
}

Place orderPlace(QLatin1StringView key)
{
    return {Place::Within::Order, key};
}

// The first problem found ends the reading; it is kept here with its place.
class Reader
{
public:
    bool failed() const { return !problem.isEmpty(); }

    void fail(const Place &place, const QString &what)
    {
        if (!failed())
            fail(place.text(), what);
    }
    void fail(const QString &place, const QString &what)
    {
        if (!failed())
            //: Where in a job file, then what is wrong there ("section 2, length: …"); the command line has its own for
            //: a file name and a message.
            problem = QCoreApplication::translate("layout", "%1: %2").arg(place, what);
    }

    // A measurement: text as typed, or a number written without quotes by hand.
    std::optional<QString> measurement(const QJsonObject &object, QLatin1StringView key, const Place &place)
    {
        const QJsonValue value = object.value(key);
        if (value.isUndefined() || value.isNull())
            return std::nullopt;
        if (value.isString())
            return value.toString();
        if (value.isDouble() && std::isfinite(value.toDouble()))
            return QString::number(value.toDouble(), 'g', QLocale::FloatingPointShortest);
        fail(place, QCoreApplication::translate("layout", "must be a measurement in quotes, such as \"1 3/8\""));
        return std::nullopt;
    }

    std::optional<QString> text(const QJsonObject &object, QLatin1StringView key, const Place &place)
    {
        const QJsonValue value = object.value(key);
        if (value.isUndefined() || value.isNull())
            return std::nullopt;
        if (value.isString())
            return value.toString();
        fail(place, QCoreApplication::translate("layout", "must be a text in quotes"));
        return std::nullopt;
    }

    // A whole number within [lowest, highest].
    std::optional<qint64> whole(const QJsonObject &object, QLatin1StringView key, const Place &place, qint64 lowest,
                                qint64 highest)
    {
        const QJsonValue value = object.value(key);
        if (value.isUndefined() || value.isNull())
            return std::nullopt;
        const double number = value.toDouble(std::nan(""));
        if (!value.isDouble() || !(number >= double(lowest) && number <= double(highest)) ||
            std::floor(number) != number) {
            fail(
                place,
                QCoreApplication::translate("layout", "must be a whole number from %1 to %2").arg(lowest).arg(highest));
            return std::nullopt;
        }
        return qint64(number);
    }

    // One of a few words, as the value it stands for.
    template <typename Value, std::size_t Size>
    std::optional<Value> choice(const QJsonObject &object, QLatin1StringView key, const Place &place,
                                const std::array<job_words::Word<Value>, Size> &words)
    {
        const std::optional<QString> written = text(object, key, place);
        if (!written)
            return std::nullopt;
        QStringList quoted;
        for (const auto &[word, value] : words) {
            if (*written == word)
                return value;
            quoted << QStringLiteral("\"%1\"").arg(word);
        }
        const QString last = quoted.takeLast();
        fail(place,
             QCoreApplication::translate("layout", "must be %1 or %2").arg(quoted.join(QStringLiteral(", ")), last));
        return std::nullopt;
    }

    std::optional<Spacing> spacing(const QJsonObject &object, const Place &place)
    {
        return choice(object, keys::kSpacing, place, job_words::kSpacings);
    }

    std::optional<Centre> centre(const QJsonObject &object, const Place &place)
    {
        return choice(object, keys::kCentre, place, job_words::kCentres);
    }

    std::optional<MeasuredBetween> measuredBetween(const QJsonObject &object, const Place &place)
    {
        return choice(object, keys::kMeasuredBetween, place, job_words::kBetweens);
    }

    QString problem;
};

// An angle in quotes: a number written so by hand, or a slope the window
// could not read, kept as typed so that it is flagged again.
void readAngleText(const QString &text, Stair &stair)
{
    bool ok = false;
    const double degrees = text.trimmed().toDouble(&ok);
    if (ok && std::isfinite(degrees))
        stair.angleDegrees = degrees;
    else
        stair.unreadSlope = text;
}

const std::array kTreadsKeys{keys::kTreads,    keys::kPerTread, keys::kFirstFromRiser,
                             keys::kNewels,    keys::kNosing,   keys::kRailHeight,
                             keys::kRailDepth, keys::kInsert,   keys::kBottomRail};

// A stair given by its treads and the rails of a stair. Counts out of range
// are read and refused by the layout, naming the section, as a count is.
void readTreads(Reader &reader, const QJsonObject &object, qsizetype index, Stair &stair)
{
    stair.treads = reader.whole(object, keys::kTreads, stairPlace(index, keys::kTreads), -kLargestCount, kLargestCount);
    const QJsonValue perTread = object.value(keys::kPerTread);
    if (perTread.isString() && perTread.toString() != job_words::kAutomaticPerTread)
        reader.fail(stairPlace(index, keys::kPerTread),
                    QCoreApplication::translate("layout", "must be \"auto\" or a whole number"));
    else if (!perTread.isString())
        stair.perTread =
            reader.whole(object, keys::kPerTread, stairPlace(index, keys::kPerTread), -kLargestCount, kLargestCount);
    stair.newels = reader.choice(object, keys::kNewels, stairPlace(index, keys::kNewels), job_words::kNewels);
    const auto measurement = [&](QLatin1StringView key) {
        return reader.measurement(object, key, stairPlace(index, key));
    };
    stair.firstFromRiser = measurement(keys::kFirstFromRiser);
    stair.nosing = measurement(keys::kNosing);
    stair.railHeight = measurement(keys::kRailHeight);
    stair.railDepth = measurement(keys::kRailDepth);
    stair.insert = measurement(keys::kInsert);
    stair.bottomRail = measurement(keys::kBottomRail);
}

void readStair(Reader &reader, const QJsonValue &value, qsizetype index, Section &section)
{
    if (value.isUndefined() || value.isNull())
        return;
    if (!value.isObject()) {
        reader.fail(
            sectionPlace(index, keys::kStair),
            QCoreApplication::translate("layout", "must be an object with \"rise\" and \"run\" or with \"angle\""));
        return;
    }
    const QJsonObject object = value.toObject();
    Stair stair;
    stair.rise = reader.measurement(object, keys::kRise, stairPlace(index, keys::kRise)).value_or(QString());
    stair.run = reader.measurement(object, keys::kRun, stairPlace(index, keys::kRun)).value_or(QString());
    const QJsonValue angle = object.value(keys::kAngle);
    if (angle.isDouble())
        stair.angleDegrees = angle.toDouble();
    else if (angle.isString())
        readAngleText(angle.toString(), stair);
    else if (!angle.isUndefined() && !angle.isNull())
        reader.fail(stairPlace(index, keys::kAngle),
                    QCoreApplication::translate("layout", "must be a number of degrees"));
    readTreads(reader, object, index, stair);
    stair.unknownFields = object;
    for (const QLatin1StringView key : {keys::kRise, keys::kRun, keys::kAngle})
        stair.unknownFields.remove(key);
    for (const QLatin1StringView key : kTreadsKeys)
        stair.unknownFields.remove(key);
    section.stair = stair;
}

Section readSection(Reader &reader, const QJsonValue &value, qsizetype index)
{
    Section section;
    if (!value.isObject()) {
        reader.fail(QCoreApplication::translate("layout", "section %1").arg(index + 1),
                    QCoreApplication::translate("layout", "must be an object"));
        return section;
    }
    const QJsonObject object = value.toObject();
    section.name = reader.text(object, keys::kName, sectionPlace(index, keys::kName)).value_or(QString());
    section.length = reader.measurement(object, keys::kLength, sectionPlace(index, keys::kLength)).value_or(QString());
    section.railpinWidth = reader.measurement(object, keys::kRailpinWidth, sectionPlace(index, keys::kRailpinWidth));
    section.maximumGap = reader.measurement(object, keys::kMaximumGap, sectionPlace(index, keys::kMaximumGap));
    const std::optional<QString> ends = reader.text(object, keys::kEnds, sectionPlace(index, keys::kEnds));
    if (const std::optional<Ends> read = ends ? job_words::valueOf(job_words::kEnds, *ends) : std::nullopt)
        section.ends = *read;
    else if (ends)
        reader.fail(sectionPlace(index, keys::kEnds),
                    QCoreApplication::translate("layout", "must be \"full\" or \"half\""));
    section.count =
        reader.whole(object, keys::kCount, sectionPlace(index, keys::kCount), -kLargestCount, kLargestCount);
    readStair(reader, object.value(keys::kStair), index, section);
    section.designGap = reader.measurement(object, keys::kDesignGap, sectionPlace(index, keys::kDesignGap));
    section.spacing = reader.spacing(object, sectionPlace(index, keys::kSpacing));
    section.centre = reader.centre(object, sectionPlace(index, keys::kCentre));
    section.measuredBetween = reader.measuredBetween(object, sectionPlace(index, keys::kMeasuredBetween));

    section.unknownFields = object;
    for (const QLatin1StringView key :
         {keys::kName, keys::kLength, keys::kRailpinWidth, keys::kMaximumGap, keys::kEnds, keys::kCount, keys::kStair})
        section.unknownFields.remove(key);
    for (const QLatin1StringView key : {keys::kDesignGap, keys::kSpacing, keys::kCentre, keys::kMeasuredBetween})
        section.unknownFields.remove(key);
    return section;
}

// What the job asks the lumber yard for: the stock lists and lengths as
// typed, flagged when the list is made rather than refused here.
void readOrder(Reader &reader, const QJsonValue &value, Job &job)
{
    if (value.isUndefined() || value.isNull())
        return;
    if (!value.isObject()) {
        reader.fail(topPlace(keys::kOrder), QCoreApplication::translate("layout", "must be an object"));
        return;
    }
    const QJsonObject object = value.toObject();
    OrderSettings order;
    if (const auto rows = reader.whole(object, keys::kRailRows, orderPlace(keys::kRailRows), 0, kMostRailRows))
        order.railRows = qint32(*rows);
    order.railStock = reader.measurement(object, keys::kRailStock, orderPlace(keys::kRailStock));
    order.kerf = reader.measurement(object, keys::kKerf, orderPlace(keys::kKerf));
    order.railpinLength = reader.measurement(object, keys::kRailpinLength, orderPlace(keys::kRailpinLength));
    order.railpinStock = reader.measurement(object, keys::kRailpinStock, orderPlace(keys::kRailpinStock));
    if (const auto screws =
            reader.whole(object, keys::kScrewsPerRailpin, orderPlace(keys::kScrewsPerRailpin), 0, kMostScrews))
        order.screwsPerRailpin = qint32(*screws);
    if (const auto screws =
            reader.whole(object, keys::kScrewsPerRailEnd, orderPlace(keys::kScrewsPerRailEnd), 0, kMostScrews))
        order.screwsPerRailEnd = qint32(*screws);
    order.unknownFields = object;
    for (const QLatin1StringView key : {keys::kRailRows, keys::kRailStock, keys::kKerf, keys::kRailpinLength,
                                        keys::kRailpinStock, keys::kScrewsPerRailpin, keys::kScrewsPerRailEnd})
        order.unknownFields.remove(key);
    job.order = order;
}

Run readRun(Reader &reader, const QJsonValue &value, qsizetype index)
{
    Run run;
    if (!value.isObject()) {
        reader.fail(QCoreApplication::translate("layout", "run %1").arg(index + 1),
                    QCoreApplication::translate("layout", "must be an object"));
        return run;
    }
    const QJsonObject object = value.toObject();
    run.name = reader.text(object, keys::kName, runPlace(index, keys::kName)).value_or(QString());
    run.length = reader.measurement(object, keys::kLength, runPlace(index, keys::kLength)).value_or(QString());
    run.start = reader.choice(object, keys::kStart, runPlace(index, keys::kStart), job_words::kRunStarts)
                    .value_or(RunEnd::Post);
    run.end =
        reader.choice(object, keys::kEnd, runPlace(index, keys::kEnd), job_words::kRunEnds).value_or(RunEnd::Post);
    run.maxPostSpacing = reader.measurement(object, keys::kMaxPostSpacing, runPlace(index, keys::kMaxPostSpacing));
    run.railpinWidth = reader.measurement(object, keys::kRailpinWidth, runPlace(index, keys::kRailpinWidth));
    run.maximumGap = reader.measurement(object, keys::kMaximumGap, runPlace(index, keys::kMaximumGap));
    const std::optional<QString> ends = reader.text(object, keys::kEnds, runPlace(index, keys::kEnds));
    if (const std::optional<Ends> read = ends ? job_words::valueOf(job_words::kEnds, *ends) : std::nullopt)
        run.ends = *read;
    else if (ends)
        reader.fail(runPlace(index, keys::kEnds),
                    QCoreApplication::translate("layout", "must be \"full\" or \"half\""));
    run.designGap = reader.measurement(object, keys::kDesignGap, runPlace(index, keys::kDesignGap));
    run.spacing = reader.spacing(object, runPlace(index, keys::kSpacing));
    run.centre = reader.centre(object, runPlace(index, keys::kCentre));

    run.unknownFields = object;
    for (const QLatin1StringView key :
         {keys::kName, keys::kLength, keys::kStart, keys::kEnd, keys::kMaxPostSpacing, keys::kRailpinWidth,
          keys::kMaximumGap, keys::kEnds, keys::kDesignGap, keys::kSpacing, keys::kCentre})
        run.unknownFields.remove(key);
    return run;
}

// The runs of a job, when it has any.
void readRuns(Reader &reader, const QJsonObject &object, Job &job)
{
    const QJsonValue runs = object.value(keys::kRuns);
    if (runs.isUndefined() || runs.isNull())
        return;
    if (!runs.isArray()) {
        reader.fail(topPlace(keys::kRuns), QCoreApplication::translate("layout", "must be a list of runs in [ ]"));
        return;
    }
    const QJsonArray list = runs.toArray();
    if (list.size() > kMaximumSections) {
        reader.fail(topPlace(keys::kRuns),
                    QCoreApplication::translate("layout", "has %1 runs, more than the %2 a job can have")
                        .arg(list.size())
                        .arg(kMaximumSections));
        return;
    }
    for (qsizetype index = 0; index < list.size() && !reader.failed(); ++index)
        job.runs.push_back(readRun(reader, list.at(index), index));
}

// The settings of the job itself, each optional with the model's default.
void readJobSettings(Reader &reader, const QJsonObject &object, Job &job)
{
    job.name = reader.text(object, keys::kName, topPlace(keys::kName)).value_or(QString());
    const std::optional<QString> unit = reader.text(object, keys::kUnit, topPlace(keys::kUnit));
    if (const std::optional<Unit> read = unit ? job_words::valueOf(job_words::kUnits, *unit) : std::nullopt)
        job.unit = *read;
    else if (unit)
        reader.fail(topPlace(keys::kUnit), QCoreApplication::translate("layout", "must be \"mm\" or \"in\""));
    // No default for a missing width or gap: a section that needs one says so
    // rather than being laid out with a value nobody wrote.
    job.railpinWidth =
        reader.measurement(object, keys::kRailpinWidth, topPlace(keys::kRailpinWidth)).value_or(QString());
    job.maximumGap = reader.measurement(object, keys::kMaximumGap, topPlace(keys::kMaximumGap)).value_or(QString());
    job.maximumGapStairs = reader.measurement(object, keys::kMaximumGapStairs, topPlace(keys::kMaximumGapStairs));
    const QJsonValue increment = object.value(keys::kIncrement);
    if (!increment.isUndefined()) {
        const int denominator = increment.toInt(0);
        if (!increment.isDouble() || increment.toDouble() != double(denominator) ||
            !increments::isIncrement(denominator))
            reader.fail(topPlace(keys::kIncrement), QCoreApplication::translate("layout", "must be 4, 8, 16 or 32"));
        job.increment = denominator;
    }
    const QJsonValue markStep = object.value(keys::kMarkStep);
    if (!markStep.isUndefined()) {
        if (!markStep.isDouble() || (markStep.toDouble() != 1 && markStep.toDouble() != 0.5))
            reader.fail(topPlace(keys::kMarkStep), QCoreApplication::translate("layout", "must be 1 or 0.5"));
        job.markStep = markStep.toDouble();
    }
    if (const auto percent =
            reader.whole(object, keys::kExtraStockPercent, topPlace(keys::kExtraStockPercent), 0, 1000))
        job.extraStockPercent = qint32(*percent);
    if (const auto pack = reader.whole(object, keys::kPackSize, topPlace(keys::kPackSize), 1, kLargestPackSize))
        job.packSize = qint32(*pack);
    job.designGap = reader.measurement(object, keys::kDesignGap, topPlace(keys::kDesignGap));
    job.spacing = reader.spacing(object, topPlace(keys::kSpacing)).value_or(Spacing::Equal);
    job.centre = reader.centre(object, topPlace(keys::kCentre)).value_or(Centre::Either);
    job.measuredBetween =
        reader.measuredBetween(object, topPlace(keys::kMeasuredBetween)).value_or(MeasuredBetween::Faces);
    job.marksFrom = reader.choice(object, keys::kMarksFrom, topPlace(keys::kMarksFrom), job_words::kMarksFrom)
                        .value_or(MarksFrom::Faces);
    job.postWidth = reader.measurement(object, keys::kPostWidth, topPlace(keys::kPostWidth));
    job.minPerTread =
        reader.whole(object, keys::kMinPerTread, topPlace(keys::kMinPerTread), -kLargestCount, kLargestCount);
    job.triangleSphere = reader.measurement(object, keys::kTriangleSphere, topPlace(keys::kTriangleSphere));
    readOrder(reader, object.value(keys::kOrder), job);
    job.maxPostSpacing = reader.measurement(object, keys::kMaxPostSpacing, topPlace(keys::kMaxPostSpacing));
}

QString parseProblemPlace(const QByteArray &bytes, int offset)
{
    const QByteArray before = bytes.left(offset);
    const qsizetype line = before.count('\n') + 1;
    const qsizetype column = before.size() - (before.lastIndexOf('\n') + 1) + 1;
    return QCoreApplication::translate("layout", "line %1, column %2").arg(line).arg(column);
}

// Where brackets first nest deeper than kMaximumNesting, outside strings;
// -1 when they never do. Checked before parsing, so that a small file cannot
// make a deep tree.
qsizetype tooDeepAt(const QByteArray &bytes)
{
    int depth = 0;
    bool inString = false;
    for (qsizetype index = 0; index < bytes.size(); ++index) {
        const char byte = bytes.at(index);
        if (inString) {
            if (byte == '\\')
                ++index;
            else if (byte == '"')
                inString = false;
        } else if (byte == '"') {
            inString = true;
        } else if (byte == '{' || byte == '[') {
            if (++depth > kMaximumNesting)
                return index;
        } else if (byte == '}' || byte == ']') {
            --depth;
        }
    }
    return -1;
}

JobReadResult refused(const QString &fileName, const QString &problem)
{
    return {std::nullopt,
            fileName.isEmpty() ? problem : QCoreApplication::translate("layout", "%1: %2").arg(fileName, problem)};
}

}  // namespace

JobReadResult parseJob(const QByteArray &bytes, const QString &fileName)
{
    if (bytes.size() > kMaximumFileBytes)
        return refused(fileName,
                       QCoreApplication::translate("layout", "the file is larger than 1 MiB, more than any job needs"));
    if (const qsizetype deep = tooDeepAt(bytes); deep >= 0)
        return refused(fileName, QCoreApplication::translate("layout", "not a job file: nested more than %1 deep at %2")
                                     .arg(kMaximumNesting)
                                     .arg(parseProblemPlace(bytes, int(deep))));
    QJsonParseError error{};
    const QJsonDocument document = QJsonDocument::fromJson(bytes, &error);
    if (error.error != QJsonParseError::NoError)
        return refused(fileName, QCoreApplication::translate("layout", "not a job file: %1 at %2")
                                     .arg(error.errorString(), parseProblemPlace(bytes, error.offset)));
    const QJsonObject object = document.object();
    if (!document.isObject() || object.value(keys::kFormat).toString() != keys::kFormatMarker)
        return refused(fileName, QCoreApplication::translate(
                                     "layout", "not a job file: it does not begin with \"format\": \"railpin-job\""));

    Reader reader;
    const std::optional<qint64> version =
        reader.whole(object, keys::kVersion, topPlace(keys::kVersion), 1, std::numeric_limits<qint32>::max());
    if (reader.failed() || !version)
        return refused(
            fileName,
            reader.failed()
                ? reader.problem
                : QCoreApplication::translate("layout", "%1: is missing").arg(topPlace(keys::kVersion).text()));
    if (*version > keys::kNewestVersion)
        return refused(fileName, QCoreApplication::translate(
                                     "layout", "the job file is of version %1, written by a newer version of this "
                                               "program, which this one cannot read (it reads versions up to %2); "
                                               "open it with the newer version")
                                     .arg(*version)
                                     .arg(keys::kNewestVersion));

    Job job;
    readJobSettings(reader, object, job);
    const QJsonValue sections = object.value(keys::kSections);
    if (!sections.isArray())
        reader.fail(topPlace(keys::kSections),
                    QCoreApplication::translate("layout", "must be a list of sections in [ ]"));
    else if (sections.toArray().size() > kMaximumSections)
        reader.fail(topPlace(keys::kSections),
                    QCoreApplication::translate("layout", "has %1 sections, more than the %2 a job can have")
                        .arg(sections.toArray().size())
                        .arg(kMaximumSections));
    const QJsonArray list = sections.toArray();
    for (qsizetype index = 0; index < list.size() && !reader.failed(); ++index)
        job.sections.push_back(readSection(reader, list.at(index), index));
    if (!reader.failed())
        readRuns(reader, object, job);
    if (reader.failed()) {
        JobReadResult result = refused(fileName, reader.problem);
        result.badValue = true;
        return result;
    }

    job.unknownFields = object;
    for (const QLatin1StringView key : {keys::kFormat, keys::kVersion, keys::kName, keys::kUnit, keys::kRailpinWidth,
                                        keys::kMaximumGap, keys::kMaximumGapStairs, keys::kIncrement, keys::kMarkStep,
                                        keys::kExtraStockPercent, keys::kPackSize, keys::kSections})
        job.unknownFields.remove(key);
    for (const QLatin1StringView key :
         {keys::kDesignGap, keys::kSpacing, keys::kCentre, keys::kMeasuredBetween, keys::kMarksFrom, keys::kPostWidth,
          keys::kMinPerTread, keys::kTriangleSphere, keys::kOrder, keys::kMaxPostSpacing, keys::kRuns})
        job.unknownFields.remove(key);
    if (writtenSizeExceedsLimit(job))
        return refused(fileName, QCoreApplication::translate(
                                     "layout", "written back, the job would be larger than 1 MiB: its numbers are "
                                               "written out in full (1e9 as 1000000000), more than any job needs"));
    // The file holds the runs; their bays are made from them.
    deriveBays(job);
    return {job, {}};
}

JobReadResult readJobFile(const QString &path, QByteArray *bytesRead)
{
    const QString shown = QDir::toNativeSeparators(path);
    const QFileInfo info(path);
    if (!info.exists())
        return refused(shown, QCoreApplication::translate("layout", "the file does not exist"));
    if (!info.isFile())
        return refused(shown, QCoreApplication::translate("layout", "not a file"));
    if (info.size() > kMaximumFileBytes)
        return refused(shown,
                       QCoreApplication::translate("layout", "the file is larger than 1 MiB, more than any job needs"));
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return refused(shown,
                       QCoreApplication::translate("layout", "the file cannot be read: %1").arg(file.errorString()));
    // Read one byte past the limit, so that a file that grew meanwhile is still refused.
    const QByteArray bytes = file.read(kMaximumFileBytes + 1);
    if (file.error() != QFileDevice::NoError)
        return refused(shown,
                       QCoreApplication::translate("layout", "the file cannot be read: %1").arg(file.errorString()));
    if (bytesRead != nullptr)
        *bytesRead = bytes;
    return parseJob(bytes, shown);
}

}  // namespace layout
