// SPDX-License-Identifier: LicenseRef-proprietary
#pragma once

#include "calculator_snapshot.h"
#include "job.h"
#include "job_fields.h"

#include <QMainWindow>

#include <functional>
#include <memory>
#include <vector>

namespace Ui {
class frmJob;
}
namespace dialogs {
struct FileChoice;
}
class JobDocument;
class JobFieldsPanel;
class JobFileWatch;
class JobOutputs;
class MarksModel;
class MisspeltFieldActions;
class RunsPanel;
class SectionActions;
class SectionsModel;

// The job window: the sections of a railing in a table, the marks and a
// to-scale drawing of the selected section, the totals, files, print and PDF.
// It shows the job of its document and forwards every change to it; the
// document's undo stack, whose clean state is the saved state, is the window's.
class frmJob : public QMainWindow
{
    Q_OBJECT

public:
    // What the calculator window shows, for Add from Calculator; a window
    // opened without the calculator has none and the command is disabled.
    using CalculatorFields = std::function<layout::CalculatorSnapshot()>;

    explicit frmJob(CalculatorFields calculatorFields = {}, QWidget *parent = nullptr);
    ~frmJob() override;

    // Shows a job of its own (a new, unsaved one) without asking about changes.
    void showJob(const layout::Job &job);
    // Opens the job file without asking about changes; a file that cannot be
    // read is reported in a message box and leaves the window as it was.
    bool openFile(const QString &path);

    const layout::Job &job() const;
    QString filePath() const;
    bool isModified() const;

    // Asks Save / Discard / Cancel when there are unsaved changes; true when
    // the job may be closed or replaced.
    bool maybeSave();

signals:
    // The user asks for the calculator window; the program shows it.
    void calculatorRequested();

protected:
    void closeEvent(QCloseEvent *event) override;

private:
    // The window's parts that show and edit the job share its views.
    friend class JobFieldsPanel;
    friend class JobOutputs;
    friend class RunsPanel;
    friend class SectionActions;
    friend class MisspeltFieldActions;

    void setUpViews();
    void setUpTables();
    void setUpActions();
    void connectHandlers();
    void connectSections();

    // Showing the job.
    void jobChanged();
    void showTotals();
    void fitSectionColumns();
    void fitMarksTable();
    void updateTitle();
    void currentSectionChanged();
    void showCellProblem();
    void showMarksMeasured();
    int currentSectionRow() const;
    void selectSection(int row);
    void commitPendingEdits();
    void copyMarks();

    // File menu.
    void mnuFileNew_Click();
    void mnuFileOpen_Click();
    void openRecent(const QString &recentPath);
    void rebuildRecentFiles();
    void showUnusedFields(const std::vector<layout::UnusedField> &unused);
    bool mnuFileSave_Click();
    bool mnuFileSaveAs_Click();
    bool saveTo(const QString &target);
    // Whether to save over a file another program changed since it was read
    // or saved here: Overwrite, Save As… or Cancel.
    enum class ChangedFileAnswer { Overwrite, SaveAs, Cancel };
    ChangedFileAnswer askOverwriteChangedFile(const QString &target);
    // Asks where to save, offering the job's own name in its own folder.
    dialogs::FileChoice chooseSavePath(const QString &objectName, const QString &title, const QStringList &filters);

    std::unique_ptr<Ui::frmJob> ui;
    std::unique_ptr<JobDocument> document;
    std::unique_ptr<SectionsModel> sections;
    std::unique_ptr<MarksModel> marks;
    std::unique_ptr<JobFieldsPanel> fields;
    std::unique_ptr<RunsPanel> runs;
    std::unique_ptr<SectionActions> sectionActions;
    std::unique_ptr<MisspeltFieldActions> misspeltFields;
    std::unique_ptr<JobOutputs> outputs;
    std::unique_ptr<JobFileWatch> fileWatch;
};
