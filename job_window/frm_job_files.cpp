// SPDX-License-Identifier: LicenseRef-proprietary
#include "frm_job.h"

#include "dialog_presenter.h"
#include "display_text.h"
#include "job_fields.h"
#include "job_file.h"
#include "job_sheet.h"
#include "open_job_dialog.h"
#include "print_server.h"
#include "recent_files.h"
#include "sections_model.h"
#include "sheet_progress.h"
#include "ui_frm_job.h"

#include <QDir>
#include <QFileInfo>
#include <QPrintDialog>
#include <QPrintPreviewDialog>
#include <QPrinter>

namespace {

QString nativePath(const QString &path)
{
    return QDir::toNativeSeparators(path);
}

}  // namespace

bool frmJob::maybeSave()
{
    commitPendingEdits();
    if (undoStack.isClean())
        return true;
    QString name = job().name.isEmpty() ? QFileInfo(path).fileName() : layout::displayText(job().name);
    if (name.isEmpty())
        name = printing::untitledJobName();
    dialogs::Message question;
    question.objectName = QStringLiteral("msgUnsavedChanges");
    question.title = tr("Unsaved Changes");
    question.text = tr("The job \"%1\" has changes that are not saved. Save them?").arg(name);
    question.buttons = QMessageBox::Save | QMessageBox::Discard | QMessageBox::Cancel;
    question.defaultButton = QMessageBox::Save;
    question.escapeButton = QMessageBox::Cancel;
    question.buttonTexts = {
        {QMessageBox::Save, tr("&Save")}, {QMessageBox::Discard, tr("&Discard")}, {QMessageBox::Cancel, tr("&Cancel")}};
    switch (dialogs::ask(this, question)) {
    case QMessageBox::Save:
        return mnuFileSave_Click();
    case QMessageBox::Discard:
        return true;
    default:
        return false;
    }
}

void frmJob::mnuFileNew_Click()
{
    if (!maybeSave())
        return;
    showJob(layout::newJob());
}

void frmJob::mnuFileOpen_Click()
{
    if (!maybeSave())
        return;
    if (const QString chosen = chooseJobFile(this, QFileInfo(path).absolutePath()); !chosen.isEmpty())
        openFile(chosen);
}

bool frmJob::openFile(const QString &file)
{
    const layout::JobReadResult read = layout::readJobFile(file);
    if (!read.job) {
        dialogs::warning(
            this, QStringLiteral("msgOpenFailed"), openJobTitle(),
            tr("The job %1 could not be opened.\n\n%2").arg(nativePath(file), layout::displayText(read.error)));
        return false;
    }
    showJob(*read.job);
    path = QFileInfo(file).absoluteFilePath();
    updateTitle();
    showUnusedFields();
    recent_files::remember(path);
    rebuildRecentFiles();
    return true;
}

// Fields of the file this program does not use are kept; the user hears of
// them once, when the file is opened.
void frmJob::showUnusedFields()
{
    QStringList warnings;
    for (const layout::UnusedField &field : layout::unusedFields(job())) {
        warnings << (field.section ? tr("section %1 \"%2\": %3")
                                         .arg(*field.section + 1)
                                         .arg(layout::displayText(job().sections[*field.section].name,
                                                                  layout::LineBreaks::Replaced),
                                              layout::displayText(field.warning, layout::LineBreaks::Replaced))
                                   : field.warning);
    }
    if (!warnings.isEmpty())
        //: The status bar after opening a file with fields this program does not use; the sheet has its own printed
        //: warnings.
        statusBar()->showMessage(tr("Warning: %1").arg(warnings.join(QStringLiteral("; "))));
}

void frmJob::rebuildRecentFiles()
{
    ui->mnuFileOpenRecent->clear();
    const QStringList paths = recent_files::list();
    int number = 0;
    for (const QString &recent : paths) {
        QAction *action =
            ui->mnuFileOpenRecent->addAction(tr("&%1 %2").arg(++number).arg(QFileInfo(recent).fileName()));
        action->setObjectName(QStringLiteral("actRecentJob%1").arg(number));
        action->setStatusTip(nativePath(recent));
        action->setData(recent);
        connect(action, &QAction::triggered, this, [this, recent] { openRecent(recent); });
    }
    if (paths.isEmpty())
        ui->mnuFileOpenRecent->addAction(tr("No recent jobs"))->setEnabled(false);
}

void frmJob::openRecent(const QString &recentPath)
{
    if (!QFileInfo::exists(recentPath)) {
        recent_files::forget(recentPath);
        rebuildRecentFiles();
        dialogs::information(
            this, QStringLiteral("msgRecentMissing"), tr("Open Recent"),
            tr("The job %1 no longer exists. It has been removed from the recent jobs.").arg(nativePath(recentPath)));
        return;
    }
    if (maybeSave())
        openFile(recentPath);
}

bool frmJob::mnuFileSave_Click()
{
    commitPendingEdits();
    if (path.isEmpty())
        return mnuFileSaveAs_Click();
    return saveTo(path);
}

QString frmJob::suggestedFileName(const QString &suffix) const
{
    const QString directory = path.isEmpty() ? QDir::homePath() : QFileInfo(path).absolutePath();
    QString base = path.isEmpty() ? job().name : QFileInfo(path).completeBaseName();
    base.replace(u'/', u'-');
    if (base.isEmpty())
        base = tr("job");
    return QDir(directory).filePath(base + u'.' + suffix);
}

dialogs::FileChoice frmJob::chooseSavePath(const QString &objectName, const QString &title, const QStringList &filters)
{
    const QString suffix = filters.constFirst().section(QStringLiteral("*."), 1).chopped(1);
    // In the job's own folder, whatever folder the dialog last showed.
    const QString suggested = suggestedFileName(suffix);
    dialogs::FileRequest request;
    request.objectName = objectName;
    request.title = title;
    request.folder = QFileInfo(suggested).absolutePath();
    request.nameFilters = filters;
    request.acceptMode = QFileDialog::AcceptSave;
    request.defaultSuffix = suffix;
    request.selectedFile = suggested;
    return dialogs::chooseFile(this, request);
}

bool frmJob::mnuFileSaveAs_Click()
{
    commitPendingEdits();
    const QString chosen = chooseSavePath(QStringLiteral("dlgSaveJob"), tr("Save Job As"), {jobFileFilter()}).path;
    return !chosen.isEmpty() && saveTo(chosen);
}

// A failed save says why and where, and changes nothing: the window keeps the
// job and its unsaved mark, and the file on disk stays as it was.
bool frmJob::saveTo(const QString &target)
{
    const QString error = layout::writeJobFile(job(), target);
    if (!error.isEmpty()) {
        dialogs::warning(this, QStringLiteral("msgSaveFailed"), tr("Save Job"),
                         tr("The job could not be saved to %1.\n\n%2").arg(nativePath(target), error));
        return false;
    }
    path = QFileInfo(target).absoluteFilePath();
    undoStack.setClean();
    updateTitle();
    recent_files::remember(path);
    rebuildRecentFiles();
    statusBar()->showMessage(tr("Saved to %1").arg(nativePath(path)), 5000);
    return true;
}

// Every print command asks the print server first: Qt itself would wait on a
// server that does not answer with no time limit.
bool frmJob::printServerAnswers()
{
    const QString problem = printing::printServerProblem(this);
    if (problem.isEmpty())
        return true;
    dialogs::warning(this, QStringLiteral("msgPrintServer"), tr("Print"),
                     tr("The job sheet cannot be printed: %1.").arg(problem));
    return false;
}

// The user's paper and the job's name, for the print dialog and the preview
// alike; the sheet's own margins, so that both show the exported PDF's pages.
void frmJob::setUpPrinter(QPrinter &printer) const
{
    printer.setPageLayout(printing::sheetPageLayout(printing::defaultPaperSize()));
    printer.setDocName(windowTitle().remove(QStringLiteral("[*]")));
}

// Paints the sheet with progress, and says so when it could not be painted.
// A cancelled print run is aborted, so that no partial sheet is printed.
bool frmJob::paintSheet(QPrinter &printer, const QString &cancelledMessage, bool reportFailure)
{
    SheetProgressDialog progress(this, tr("Painting the job sheet…"));
    progress.setOnCancel([&printer] { printer.abort(); });
    bool cancelled = false;
    const QString error =
        printing::paintJobSheet(printer, job(), sections->decimalPoint(), progress.progress(), cancelled);
    if (cancelled) {
        statusBar()->showMessage(cancelledMessage);
        return false;
    }
    if (error.isEmpty() || !reportFailure)
        return error.isEmpty();
    dialogs::warning(this, QStringLiteral("msgPrintFailed"), tr("Print"),
                     tr("The job sheet could not be printed.\n\n%1").arg(error));
    return false;
}

void frmJob::mnuFilePrint_Click()
{
    commitPendingEdits();
    if (!printServerAnswers())
        return;
    QPrinter printer(QPrinter::HighResolution);
    setUpPrinter(printer);
    QPrintDialog dialog(&printer, this);
    dialog.setObjectName(QStringLiteral("dlgPrint"));
    if (dialogs::exec(dialog) == QDialog::Accepted)
        paintSheet(printer, tr("Printing cancelled: the print run was aborted."));
}

void frmJob::mnuFilePrintPreview_Click()
{
    commitPendingEdits();
    if (!printServerAnswers())
        return;
    QPrinter printer(QPrinter::HighResolution);
    setUpPrinter(printer);
    QPrintPreviewDialog preview(&printer, this);
    preview.setObjectName(QStringLiteral("dlgPrintPreview"));
    // The preview repaints on every change of its page set-up: a failure is
    // reported once, not at each repaint.
    bool reported = false;
    connect(&preview, &QPrintPreviewDialog::paintRequested, this, [this, &reported](QPrinter *shown) {
        const bool painted =
            paintSheet(*shown, tr("Print Preview cancelled: the preview shows only part of the sheet."), !reported);
        reported = reported || !painted;
    });
    dialogs::exec(preview);
}

void frmJob::mnuFileExportPdf_Click()
{
    commitPendingEdits();
    const QString target =
        chooseSavePath(QStringLiteral("dlgExportPdf"), tr("Export PDF"), {tr("PDF files (*.pdf)")}).path;
    if (target.isEmpty())
        return;
    SheetProgressDialog progress(this, tr("Exporting the job sheet…"));
    bool cancelled = false;
    const QString error = printing::writeJobPdf(job(), target, printing::defaultPaperSize(), sections->decimalPoint(),
                                                progress.progress(), cancelled);
    if (cancelled) {
        statusBar()->showMessage(tr("Export cancelled: %1 was not written.").arg(nativePath(target)));
        return;
    }
    if (!error.isEmpty()) {
        dialogs::warning(this, QStringLiteral("msgExportFailed"), tr("Export PDF"),
                         tr("The PDF could not be written to %1.\n\n%2").arg(nativePath(target), error));
        return;
    }
    statusBar()->showMessage(tr("Exported to %1").arg(nativePath(target)), 5000);
}
