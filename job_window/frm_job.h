// SPDX-License-Identifier: LicenseRef-proprietary
#pragma once

#include "calculator_snapshot.h"
#include "job.h"
#include "section_layout.h"

#include <QMainWindow>
#include <QUndoStack>

#include <functional>
#include <memory>
#include <optional>
#include <vector>

namespace Ui {
class frmJob;
}
namespace dialogs {
struct FileChoice;
}
class MarksModel;
class QLineEdit;
class QPrinter;
class SectionsModel;

// The job window: the sections of a railing in a table, the marks and a
// to-scale drawing of the selected section, the totals, files, print and PDF.
// Every change is a command on one undo stack, whose clean state is the
// "saved" state of the window.
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
    QString filePath() const { return path; }
    bool isModified() const { return !undoStack.isClean(); }

    // Asks Save / Discard / Cancel when there are unsaved changes; true when
    // the job may be closed or replaced.
    bool maybeSave();

signals:
    // The user asks for the calculator window; the program shows it.
    void calculatorRequested();

protected:
    void closeEvent(QCloseEvent *event) override;

private:
    void setUpViews();
    void setUpActions();
    void connectHandlers();

    // Showing the job.
    void jobChanged();
    void showJobFields();
    void showFieldProblem(QLineEdit *field, const QString &stored, bool emptyAllowed = false);
    void showTotals();
    void fitSectionColumns();
    void fitMarksTable();
    void updateTitle();
    void currentSectionChanged();
    void showCellProblem();
    void showMarksMeasured();
    void cboMarksMeasured_Click();
    void rebuildPresets();
    void showUnusedFields();
    void rebuildRecentFiles();
    int currentSectionRow() const;
    void selectSection(int row);
    void commitPendingEdits();

    // Job fields.
    void txtJobName_Change();
    void txtRailpinWidth_Change();
    void txtMaximumGap_Change();
    void txtMaximumGapStairs_Change();
    void cboUnit_Click();
    void cboIncrement_Click();
    void cboMarkStep_Click();
    void spnExtraStock_Change();
    void spnPackSize_Change();
    void maximumGapPreset_Click(const QAction *preset);
    void setJobField(const std::function<void(layout::Job &)> &change, const QString &text, int mergeId = -1);
    bool hasRoomFor(const layout::Section &section);

    // Balanced railings: design gap, spacing, centre and posts.
    void setUpBalanceFields();
    void showBalanceFields();
    void txtDesignGap_Change();
    void txtPostWidth_Change();
    void cboSpacing_Click();
    void cboCentre_Click();
    void cboMeasuredBetween_Click();
    QString proposedSpacing() const;
    void nameColumnActions();
    void showOwnBalanceColumns();

    // File menu.
    void mnuFileNew_Click();
    void mnuFileOpen_Click();
    void openRecent(const QString &recentPath);
    bool mnuFileSave_Click();
    bool mnuFileSaveAs_Click();
    bool saveTo(const QString &target);
    void mnuFilePrint_Click();
    void mnuFilePrintPreview_Click();
    void mnuFileExportPdf_Click();
    bool printServerAnswers();
    void setUpPrinter(QPrinter &printer) const;
    bool paintSheet(QPrinter &printer, const QString &cancelledMessage, bool reportFailure = true);
    QString suggestedFileName(const QString &suffix) const;
    // Asks where to save, offering the job's own name in its own folder.
    dialogs::FileChoice chooseSavePath(const QString &objectName, const QString &title, const QStringList &filters);

    // Exports for spreadsheets, drawing programs and the full-size template.
    void mnuFileExportMarksCsv_Click();
    void mnuFileExportDrawing_Click();
    void mnuFileExportTemplate_Click();
    void mnuFilePrintTemplate_Click();
    std::optional<std::vector<layout::SectionLayout>> laidOutSections(const QString &title);
    QString askExportPath(const QString &title, const QStringList &filters, QString *chosenFilter = nullptr);
    void writeExport(const QString &title, const QString &target, const QByteArray &bytes);
    void showExportFailure(const QString &title, const QString &text);

    // Edit menu.
    void mnuEditAddSection_Click();
    void mnuEditAddFromCalculator_Click();
    void mnuEditDuplicateSection_Click();
    void mnuEditRemoveSection_Click();
    void mnuEditAutomaticCount_Click();
    std::vector<int> sectionsWithFixedCount() const;
    void mnuEditMoveUp_Click();
    void mnuEditMoveDown_Click();
    void mnuEditConvert_Click();
    // What a change of unit does to a job that has lengths; asked in a box.
    enum class UnitChange { Convert, KeepNumbers, Cancel };
    UnitChange askConvertLengths(layout::Unit unit);
    void updateEditActions();
    void copyMarks();

    // Help menu.
    void mnuHelpAbout_Click();

    std::unique_ptr<Ui::frmJob> ui;
    QUndoStack undoStack;
    std::unique_ptr<SectionsModel> sections;
    std::unique_ptr<MarksModel> marks;
    CalculatorFields calculatorFields;
    QString path;
};
