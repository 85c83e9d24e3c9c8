// SPDX-License-Identifier: LicenseRef-proprietary
#include "job_document.h"

#include "job_commands.h"
#include "job_file.h"
#include "measurement.h"
#include "run.h"

#include <QDir>
#include <QFileInfo>

#include <algorithm>
#include <cmath>

JobDocument::JobDocument(QObject *parent) : QObject(parent) {}

// The stack goes first: its commands refer to this document.
JobDocument::~JobDocument()
{
    undoStack_.disconnect();
    undoStack_.clear();
}

void JobDocument::showJob(layout::Job job)
{
    undoStack_.clear();
    path.clear();
    recorded = FileState();
    reported.reset();
    setJob(std::move(job));
    emit fileRecorded();
}

JobDocument::Opened JobDocument::open(const QString &file)
{
    QByteArray bytes;
    layout::JobReadResult read = layout::readJobFile(file, &bytes);
    if (!read.job)
        return {false, read.error, {}};
    showJob(std::move(*read.job));
    recordFile(file, bytes);
    return {true, QString(), layout::unusedFields(job_)};
}

QString JobDocument::saveTo(const QString &target)
{
    QByteArray bytes;
    QString error = layout::writeJobFile(job_, target, &bytes);
    if (!error.isEmpty())
        return error;
    undoStack_.setClean();
    recordFile(target, bytes);
    return {};
}

void JobDocument::recordFile(const QString &file, const QByteArray &bytes)
{
    path = QFileInfo(file).absoluteFilePath();
    recorded = FileState::holding(path, bytes);
    reported.reset();
    emit fileRecorded();
}

JobDocument::FileChange JobDocument::fileChange() const
{
    if (path.isEmpty())
        return FileChange::None;
    const FileState now = FileState::of(path);
    if (now.sameContents(recorded))
        return FileChange::None;
    return now.exists ? FileChange::Changed : FileChange::Removed;
}

bool JobDocument::saveWouldReplaceChange(const QString &target) const
{
    // A file removed meanwhile holds nothing a save could lose.
    return !path.isEmpty() && QFileInfo(target).absoluteFilePath() == path && fileChange() == FileChange::Changed;
}

JobDocument::FileChange JobDocument::newFileChange()
{
    if (path.isEmpty())
        return FileChange::None;
    const FileState now = FileState::of(path);
    if (now.sameContents(recorded)) {
        reported.reset();
        return FileChange::None;
    }
    if (reported && now.sameAs(*reported))
        return FileChange::None;
    reported = now;
    return now.exists ? FileChange::Changed : FileChange::Removed;
}

QString JobDocument::suggestedFileName(const QString &suffix, const QString &untitled) const
{
    const QString directory = path.isEmpty() ? QDir::homePath() : QFileInfo(path).absolutePath();
    QString base = path.isEmpty() ? job_.name : QFileInfo(path).completeBaseName();
    base.replace(u'/', u'-');
    if (base.isEmpty())
        base = untitled;
    return QDir(directory).filePath(base + u'.' + suffix);
}

QString JobDocument::changeJob(const layout::Job &after, const QString &text, int mergeId)
{
    // A field typed where a misspelt key of the job stood mends it.
    layout::Job derived = layout::withoutSetMisspellings(job_, after);
    // A job field (the unit, the post width, the maximum post spacing) may
    // move a run's posts; a job without runs keeps its sections as they are.
    if (!derived.runs.empty() || bayCount() > 0)
        layout::deriveBays(derived);
    if (QString problem = layout::limitProblem(derived); !problem.isEmpty())
        return problem;
    undoStack_.push(new JobFieldCommand(*this, job_, derived, text, mergeId));
    return {};
}

QString JobDocument::changeRun(int index, const layout::Run &after, const QString &text)
{
    if (index < 0 || index >= runCount() || job_.runs[size_t(index)] == after)
        return {};
    layout::Job changed = job_;
    changed.runs[size_t(index)] = after;
    return changeJob(changed, text);
}

QString JobDocument::insertRun(int index, const layout::Run &run, const QString &text)
{
    layout::Job changed = job_;
    changed.runs.insert(changed.runs.begin() + std::clamp(index, 0, runCount()), run);
    // A run needs a spacing and a post width: the job's first run brings the
    // usual ones, in the same command, unless the job has its own.
    const layout::RunDefaults usual = layout::runDefaults(changed.unit);
    const auto missing = [](const std::optional<QString> &text) { return !text || text->trimmed().isEmpty(); };
    if (missing(changed.maxPostSpacing))
        changed.maxPostSpacing = usual.maxPostSpacing;
    if (missing(changed.postWidth))
        changed.postWidth = usual.postWidth;
    return changeJob(changed, text);
}

void JobDocument::removeRun(int index, const QString &text)
{
    if (index < 0 || index >= runCount())
        return;
    layout::Job changed = job_;
    changed.runs.erase(changed.runs.begin() + index);
    changeJob(changed, text);
}

int JobDocument::bayCount() const
{
    return int(std::count_if(job_.sections.begin(), job_.sections.end(),
                             [](const layout::Section &section) { return section.bay.has_value(); }));
}

QString JobDocument::changeSection(int row, const layout::Section &after, const QString &text)
{
    if (row < 0 || row >= sectionCount())
        return {};
    // A cell typed where a misspelt key of the section stood mends it.
    const layout::Section mended = layout::withoutSetMisspellings(job_.sections[size_t(row)], after);
    layout::Job candidate = job_;
    candidate.sections[size_t(row)] = mended;
    // Only the edited section's railpins change: the others are counted as laid out.
    const layout::SectionLayout edited = layout::layOut(candidate, mended);
    qint64 railpins = edited.laidOut() ? edited.count : 0;
    for (int other = 0; other < sectionCount(); ++other)
        if (other != row && layouts[size_t(other)].laidOut())
            railpins += layouts[size_t(other)].count;
    if (QString problem = layout::limitProblem(candidate, railpins); !problem.isEmpty())
        return problem;
    undoStack_.push(new SetSectionCommand(*this, row, job_.sections[size_t(row)], mended, text));
    return {};
}

QString JobDocument::insertSection(int row, const layout::Section &section, const QString &text)
{
    layout::Job candidate = job_;
    candidate.sections.push_back(section);
    if (QString problem = layout::limitProblem(candidate); !problem.isEmpty())
        return problem;
    // The runs' bays stay ahead of the job's own sections.
    undoStack_.push(new InsertSectionsCommand(*this, std::clamp(row, bayCount(), sectionCount()), {section}, text));
    return {};
}

void JobDocument::removeSection(int row, const QString &text)
{
    // A bay goes with its run, never alone.
    if (row >= bayCount() && row < sectionCount())
        undoStack_.push(new RemoveSectionsCommand(*this, row, 1, text));
}

void JobDocument::moveSection(int from, int to, const QString &text)
{
    const int first = bayCount();
    if (from != to && from >= first && to >= first && from < sectionCount() && to < sectionCount())
        undoStack_.push(new MoveSectionCommand(*this, from, to, text));
}

std::vector<int> JobDocument::withFixedCount(std::vector<int> rows) const
{
    std::sort(rows.begin(), rows.end());
    rows.erase(std::unique(rows.begin(), rows.end()), rows.end());
    std::erase_if(rows,
                  [this](int row) { return row < 0 || row >= sectionCount() || !job_.sections[size_t(row)].count; });
    return rows;
}

void JobDocument::automaticCount(const std::vector<int> &rows, const QString &text)
{
    const std::vector<int> fixed = withFixedCount(rows);
    if (fixed.empty())
        return;
    undoStack_.beginMacro(text);
    for (const int row : fixed) {
        const layout::Section &before = job_.sections[size_t(row)];
        layout::Section after = before;
        after.count.reset();
        undoStack_.push(new SetSectionCommand(*this, row, before, after, text));
    }
    undoStack_.endMacro();
}

QString JobDocument::renameField(const layout::MisspeltKey &key, const QString &text)
{
    const layout::RenamedField renamed = layout::renamedField(job_, key);
    if (!renamed.job)
        return renamed.problem;
    if (QString problem = layout::limitProblem(*renamed.job); !problem.isEmpty())
        return problem;
    undoStack_.push(new SetJobCommand(*this, job_, *renamed.job, text));
    return {};
}

bool JobDocument::unitChangeAsks(layout::Unit unit) const
{
    return unit != job_.unit && !layout::hasOnlyDefaultLengths(job_);
}

layout::ConversionReport JobDocument::changeUnit(layout::Unit unit, UnitChange answer, const QString &text)
{
    layout::ConversionReport report;
    if (unit == job_.unit || answer == UnitChange::Cancel)
        return report;
    layout::Job after = job_;
    if (layout::hasOnlyDefaultLengths(job_)) {
        after.unit = unit;
        after.railpinWidth = layout::defaultRailpinWidth(unit);
        after.maximumGap = layout::defaultMaximumGap(unit);
        changeJob(after, text);
        return report;
    }
    if (answer == UnitChange::KeepNumbers) {
        after.unit = unit;
        changeJob(after, text);
        return report;
    }
    return convert(unit, text);
}

layout::ConversionReport JobDocument::convert(layout::Unit unit, const QString &text)
{
    layout::ConversionReport report;
    if (unit == job_.unit)
        return report;
    // A conversion never merges with the field edits around it.
    undoStack_.push(new SetJobCommand(*this, job_, layout::convertedTo(job_, unit, &report), text));
    return report;
}

QString JobDocument::proposedSpacing() const
{
    const layout::SectionLayout *longest = nullptr;
    for (const layout::SectionLayout &laid : layouts) {
        if (laid.laidOut() && laid.count > 0 && (longest == nullptr || laid.length > longest->length))
            longest = &laid;
    }
    if (longest == nullptr)
        return {};
    const double steps =
        job_.unit == layout::Unit::Inches ? double(job_.increment) : 1 / (job_.markStep > 0 ? job_.markStep : 1);
    const double down = std::floor(longest->exactGap * steps) / steps;
    return down > 0 ? layout::markText(down, job_) : QString();
}

void JobDocument::relayOut(int first, int last)
{
    layouts.resize(job_.sections.size());
    for (int row = first; row <= last; ++row)
        layouts[size_t(row)] = layout::layOut(job_, job_.sections[size_t(row)]);
}

void JobDocument::setJob(layout::Job job)
{
    emit jobAboutToBeReplaced();
    job_ = std::move(job);
    layouts.clear();
    relayOut(0, sectionCount() - 1);
    emit jobReplaced();
}

void JobDocument::replaceJob(const layout::Job &job)
{
    if (job.sections.size() != job_.sections.size()) {
        setJob(job);
        return;
    }
    job_ = job;
    relayOut(0, sectionCount() - 1);
    emit jobChanged();
}

void JobDocument::replaceSection(int row, const layout::Section &section)
{
    job_.sections[size_t(row)] = section;
    relayOut(row, row);
    emit sectionChanged(row);
}

void JobDocument::insertSections(int row, const std::vector<layout::Section> &sections)
{
    if (sections.empty())
        return;
    const int count = int(sections.size());
    emit sectionsAboutToBeInserted(row, count);
    job_.sections.insert(job_.sections.begin() + row, sections.begin(), sections.end());
    layouts.insert(layouts.begin() + row, sections.size(), layout::SectionLayout{});
    relayOut(row, row + count - 1);
    emit sectionsInserted(row, count);
}

std::vector<layout::Section> JobDocument::removeSections(int row, int count)
{
    emit sectionsAboutToBeRemoved(row, count);
    const auto first = job_.sections.begin() + row;
    std::vector<layout::Section> removed(first, first + count);
    job_.sections.erase(first, first + count);
    layouts.erase(layouts.begin() + row, layouts.begin() + row + count);
    emit sectionsRemoved(row, count);
    return removed;
}

void JobDocument::moveSectionRow(int from, int to)
{
    if (from == to)
        return;
    emit sectionAboutToBeMoved(from, to);
    const auto rotateRange = [from, to](auto &items) {
        if (from < to)
            std::rotate(items.begin() + from, items.begin() + from + 1, items.begin() + to + 1);
        else
            std::rotate(items.begin() + to, items.begin() + from, items.begin() + from + 1);
    };
    rotateRange(job_.sections);
    rotateRange(layouts);
    emit sectionMoved(from, to);
}
