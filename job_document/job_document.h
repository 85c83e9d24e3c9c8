// SPDX-License-Identifier: LicenseRef-proprietary
#pragma once

#include "field_mending.h"
#include "file_state.h"
#include "job.h"
#include "job_fields.h"
#include "section_layout.h"
#include "unit_conversion.h"

#include <QObject>
#include <QUndoStack>

#include <optional>
#include <vector>

// One open job apart from any window: the job, each section's layout kept
// current, its file and saved state, and the undo stack whose clean state is
// the saved state. Every edit is a command on that stack. It never asks the
// user anything: a window asks and tells it the answer, and the names of the
// commands come from the window, in the user's language.
class JobDocument : public QObject
{
    Q_OBJECT

public:
    explicit JobDocument(QObject *parent = nullptr);
    ~JobDocument() override;

    const layout::Job &job() const { return job_; }
    int sectionCount() const { return int(job_.sections.size()); }
    const layout::SectionLayout &sectionLayout(int row) const { return layouts.at(size_t(row)); }
    const std::vector<layout::SectionLayout> &sectionLayouts() const { return layouts; }
    QString filePath() const { return path; }
    bool isModified() const { return !undoStack_.isClean(); }
    QUndoStack &undoStack() { return undoStack_; }

    // A job of its own, new and unsaved: no file and no history.
    void showJob(layout::Job job);

    // Opens a job file. On failure the document stays as it was and `error`
    // says why; on success `unused` lists the fields this program keeps but
    // does not use.
    struct Opened
    {
        bool opened = false;
        QString error;
        std::vector<layout::UnusedField> unused;
    };
    Opened open(const QString &file);
    // Saves through the checked writer. Empty when saved: the document is then
    // clean and has the file as its path. Otherwise the reason, and nothing
    // changes: the job stays unsaved and the old file whole.
    QString saveTo(const QString &target);
    // Whether the job's file still holds what the document last read from it
    // or wrote to it; another program or window may have changed or removed it.
    enum class FileChange { None, Changed, Removed };
    FileChange fileChange() const;
    // Whether saving to `target` would replace such a change: the target is
    // the document's own file and another program changed it.
    bool saveWouldReplaceChange(const QString &target) const;
    // For a watcher told of every write to the file: a change not reported
    // before, so that each new state of the file is reported once.
    FileChange newFileChange();

    // A file name for the job in its own folder (the home folder for a new
    // job), with `untitled` when the job has neither file nor name.
    QString suggestedFileName(const QString &suffix, const QString &untitled) const;

    // The edits. Each returns why it was refused (the job would be past the
    // file's or the work's limits), or empty when it is on the stack.
    // Consecutive job changes with the same merge id (>= 0) undo as one, and
    // disappear when they end where they began. The runs' bays follow `after`.
    QString changeJob(const layout::Job &after, const QString &text, int mergeId = -1);
    QString changeSection(int row, const layout::Section &after, const QString &text);
    QString insertSection(int row, const layout::Section &section, const QString &text);
    void removeSection(int row, const QString &text);
    void moveSection(int from, int to, const QString &text);
    // The given sections take the automatic count again, as one command.
    void automaticCount(const std::vector<int> &rows, const QString &text);
    // The runs. A run's bays are sections ahead of the job's own, derived
    // again from the runs at every change of the job: they are never edited
    // on their own. Each returns why it was refused, or empty. A job without a
    // maximum post spacing or post width takes the usual ones with its first run.
    QString changeRun(int index, const layout::Run &after, const QString &text);
    QString insertRun(int index, const layout::Run &run, const QString &text);
    void removeRun(int index, const QString &text);
    int runCount() const { return int(job_.runs.size()); }
    // How many of the sections are the runs' bays: the rows before the job's own.
    int bayCount() const;

    // A misspelt key renamed to the field it resembles, taking its value, as
    // one command; or why not (its value is not one that field can have).
    // Typing the field itself in a section or the job's fields drops the
    // misspelt key in the same command as the edit.
    QString renameField(const layout::MisspeltKey &key, const QString &text);

    // Which of the rows have a fixed count, first row first, each once.
    std::vector<int> withFixedCount(std::vector<int> rows) const;

    // A job with only the default lengths takes the new unit's defaults
    // without a question; otherwise the user chooses.
    enum class UnitChange { Convert, KeepNumbers, Cancel };
    bool unitChangeAsks(layout::Unit unit) const;
    // The unit changed as answered, under the command name `text`; what
    // converting rounded is reported.
    layout::ConversionReport changeUnit(layout::Unit unit, UnitChange answer, const QString &text);
    // Every length converted to the unit, whatever the job holds.
    layout::ConversionReport convert(layout::Unit unit, const QString &text);

    // The equal gap of the longest laid-out section rounded down to the
    // increment or the mark step: where the same spacing starts when the job
    // has no design gap. Empty when no section is laid out.
    QString proposedSpacing() const;

signals:
    // The document read or wrote its file, or has none any more: whoever
    // watches the file on disk follows.
    void fileRecorded();
    // A job of its own replaces the one shown: every row anew.
    void jobAboutToBeReplaced();
    void jobReplaced();
    // The job's own fields or unit changed; every section is laid out again.
    void jobChanged();
    void sectionChanged(int row);
    void sectionsAboutToBeInserted(int row, int count);
    void sectionsInserted(int row, int count);
    void sectionsAboutToBeRemoved(int row, int count);
    void sectionsRemoved(int row, int count);
    void sectionAboutToBeMoved(int from, int to);
    void sectionMoved(int from, int to);

private:
    // The commands change the job only through these, which keep the
    // layouts current and tell whoever shows the job.
    friend class SetSectionCommand;
    friend class SetJobCommand;
    friend class InsertSectionsCommand;
    friend class RemoveSectionsCommand;
    friend class MoveSectionCommand;
    void setJob(layout::Job job);
    void replaceJob(const layout::Job &job);
    void replaceSection(int row, const layout::Section &section);
    void insertSections(int row, const std::vector<layout::Section> &sections);
    std::vector<layout::Section> removeSections(int row, int count);
    void moveSectionRow(int from, int to);
    void relayOut(int first, int last);
    void recordFile(const QString &file, const QByteArray &bytes);

    layout::Job job_;
    std::vector<layout::SectionLayout> layouts;
    QString path;
    FileState recorded;                 // what the file held when last read or written here
    std::optional<FileState> reported;  // the last change newFileChange() reported
    QUndoStack undoStack_;
};
