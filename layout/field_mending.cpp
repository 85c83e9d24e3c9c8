// SPDX-License-Identifier: LicenseRef-proprietary
#include "field_mending.h"

#include "job_file.h"
#include "job_file_keys.h"

#include <QCoreApplication>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include <algorithm>

namespace layout {

namespace keys = job_file_keys;

namespace {

// The job as its file holds it. Comparing what is written tells whether a
// field was set, whatever the field's type in the model.
QJsonObject writtenObject(const Job &job)
{
    return QJsonDocument::fromJson(serializeJob(job)).object();
}

// A section as its file holds it. A run's bay is written as its run, never
// on its own, so it is written here as a section of its own.
QJsonObject writtenSection(Section section)
{
    section.bay.reset();
    Job alone;
    alone.sections = {std::move(section)};
    return writtenObject(alone).value(keys::kSections).toArray().at(0).toObject();
}

// The job's own fields, its order list and its runs, without its sections.
QJsonObject writtenFields(Job job)
{
    job.sections.clear();
    return writtenObject(job);
}

// Which place of the file holds the fields of `level`.
struct Place
{
    FieldLevel level = FieldLevel::Job;
    qsizetype fileIndex = -1;  // among the sections or the runs of the file
};

QJsonObject objectAt(const QJsonObject &top, const Place &place)
{
    switch (place.level) {
    case FieldLevel::Order:
        return top.value(keys::kOrder).toObject();
    case FieldLevel::Run:
        return top.value(keys::kRuns).toArray().at(place.fileIndex).toObject();
    case FieldLevel::Section:
        return top.value(keys::kSections).toArray().at(place.fileIndex).toObject();
    case FieldLevel::Stair:
        return objectAt(top, {FieldLevel::Section, place.fileIndex}).value(keys::kStair).toObject();
    case FieldLevel::Job:
        break;
    }
    return top;
}

// `top` with the object at `place` replaced.
QJsonObject withObjectAt(QJsonObject top, const Place &place, const QJsonObject &object)
{
    const auto inList = [&top, &place, &object](QLatin1StringView listKey) {
        QJsonArray list = top.value(listKey).toArray();
        list.replace(place.fileIndex, object);
        top.insert(listKey, list);
        return top;
    };
    switch (place.level) {
    case FieldLevel::Order:
        top.insert(keys::kOrder, object);
        return top;
    case FieldLevel::Run:
        return inList(keys::kRuns);
    case FieldLevel::Section:
        return inList(keys::kSections);
    case FieldLevel::Stair: {
        const Place section{FieldLevel::Section, place.fileIndex};
        QJsonObject owner = objectAt(top, section);
        owner.insert(keys::kStair, object);
        return withObjectAt(std::move(top), section, owner);
    }
    case FieldLevel::Job:
        break;
    }
    return object;
}

// Drops each near miss among `unknown` whose field differs between the
// object as it was and as it is.
void dropSet(QJsonObject &unknown, FieldLevel level, const QJsonObject &was, const QJsonObject &is)
{
    // The format and version are the writer's, never the user's.
    const auto setByUser = [](const QString &field) { return field != keys::kFormat && field != keys::kVersion; };
    for (const QString &key : unknown.keys()) {
        const QString meant = resembledField(key, level);
        if (!meant.isEmpty() && setByUser(meant) && was.value(meant) != is.value(meant))
            unknown.remove(key);
    }
}

void collect(std::vector<MisspeltKey> &found, const QJsonObject &unknown, FieldLevel level, qsizetype index)
{
    for (auto field = unknown.begin(); field != unknown.end(); ++field) {
        const QString meant = resembledField(field.key(), level);
        if (!meant.isEmpty())
            found.push_back({level, index, field.key(), meant});
    }
}

}  // namespace

std::vector<MisspeltKey> misspeltKeys(const Job &job, qsizetype row)
{
    std::vector<MisspeltKey> found;
    collect(found, job.unknownFields, FieldLevel::Job, -1);
    if (job.order)
        collect(found, job.order->unknownFields, FieldLevel::Order, -1);
    if (row < 0 || row >= qsizetype(job.sections.size()))
        return found;
    const Section &section = job.sections[size_t(row)];
    if (section.bay) {
        const qsizetype run = section.bay->run;
        if (run >= 0 && run < qsizetype(job.runs.size()))
            collect(found, job.runs[size_t(run)].unknownFields, FieldLevel::Run, run);
        return found;
    }
    collect(found, section.unknownFields, FieldLevel::Section, row);
    if (section.stair)
        collect(found, section.stair->unknownFields, FieldLevel::Stair, row);
    return found;
}

Section withoutSetMisspellings(const Section &before, Section after)
{
    const bool stairUnknown = after.stair && !after.stair->unknownFields.isEmpty();
    if (after.unknownFields.isEmpty() && !stairUnknown)
        return after;
    const QJsonObject was = writtenSection(before);
    const QJsonObject is = writtenSection(after);
    dropSet(after.unknownFields, FieldLevel::Section, was, is);
    if (stairUnknown)
        dropSet(after.stair->unknownFields, FieldLevel::Stair, was.value(keys::kStair).toObject(),
                is.value(keys::kStair).toObject());
    return after;
}

Job withoutSetMisspellings(const Job &before, Job after)
{
    const bool runUnknown =
        std::any_of(after.runs.begin(), after.runs.end(), [](const Run &run) { return !run.unknownFields.isEmpty(); });
    const bool orderUnknown = after.order && !after.order->unknownFields.isEmpty();
    if (after.unknownFields.isEmpty() && !orderUnknown && !runUnknown)
        return after;
    const QJsonObject was = writtenFields(before);
    const QJsonObject is = writtenFields(after);
    dropSet(after.unknownFields, FieldLevel::Job, was, is);
    if (orderUnknown)
        dropSet(after.order->unknownFields, FieldLevel::Order, was.value(keys::kOrder).toObject(),
                is.value(keys::kOrder).toObject());
    // Runs added, removed or moved are not the same runs by their places.
    if (runUnknown && before.runs.size() == after.runs.size()) {
        const QJsonArray wasRuns = was.value(keys::kRuns).toArray();
        const QJsonArray isRuns = is.value(keys::kRuns).toArray();
        for (qsizetype index = 0; index < qsizetype(after.runs.size()); ++index)
            dropSet(after.runs[size_t(index)].unknownFields, FieldLevel::Run, wasRuns.at(index).toObject(),
                    isRuns.at(index).toObject());
    }
    return after;
}

RenamedField renamedField(const Job &job, const MisspeltKey &key)
{
    const bool inSection = key.level == FieldLevel::Section || key.level == FieldLevel::Stair;
    const auto sections = qsizetype(job.sections.size());
    if (inSection && (key.index < 0 || key.index >= sections || job.sections[size_t(key.index)].bay))
        return {std::nullopt, QCoreApplication::translate("layout", "there is no such section")};
    if (key.level == FieldLevel::Run && (key.index < 0 || key.index >= qsizetype(job.runs.size())))
        return {std::nullopt, QCoreApplication::translate("layout", "there is no such run")};

    Place place{key.level, key.index};
    if (inSection) {
        // The file holds the job's own sections only: the runs' bays lead them.
        place.fileIndex = std::count_if(job.sections.begin(), job.sections.begin() + key.index,
                                        [](const Section &section) { return !section.bay; });
    }
    QJsonObject top = writtenObject(job);
    QJsonObject object = objectAt(top, place);
    if (!object.contains(key.written) || resembledField(key.written, key.level) != key.meant)
        return {std::nullopt,
                QCoreApplication::translate("layout", "there is no field \"%1\" to rename").arg(key.written)};
    object.insert(key.meant, object.take(key.written));
    top = withObjectAt(std::move(top), place, object);

    // Read back as a file is read, so that the value is checked as any value
    // of that field would be.
    JobReadResult read = parseJob(QJsonDocument(top).toJson(QJsonDocument::Compact));
    if (!read.job)
        return {std::nullopt, read.error};
    if (!inSection)
        return {std::move(read.job), {}};
    // Only the renamed section changes; the runs and so their bays are as they were.
    if (read.job->sections.size() != job.sections.size())
        return {std::nullopt, QCoreApplication::translate("layout", "there is no such section")};
    Job renamed = job;
    renamed.sections[size_t(key.index)] = read.job->sections[size_t(key.index)];
    return {std::move(renamed), {}};
}

}  // namespace layout
