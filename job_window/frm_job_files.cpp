// SPDX-License-Identifier: LicenseRef-proprietary
#include "frm_job.h"

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
#include <QFileDialog>
#include <QFileInfo>
#include <QMessageBox>
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
    QMessageBox box(QMessageBox::Warning, tr("Unsaved Changes"),
                    tr("The job \"%1\" has changes that are not saved. Save them?").arg(name),
                    QMessageBox::Save | QMessageBox::Discard | QMessageBox::Cancel, this);
    box.setObjectName(QStringLiteral("msgUnsavedChanges"));
    box.setDefaultButton(QMessageBox::Save);
    box.setEscapeButton(QMessageBox::Cancel);
    box.button(QMessageBox::Save)->setText(tr("&Save"));
    box.button(QMessageBox::Discard)->setText(tr("&Discard"));
    box.button(QMessageBox::Cancel)->setText(tr("&Cancel"));
    switch (box.exec()) {
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
        QMessageBox box(
            QMessageBox::Warning, openJobTitle(),
            tr("The job %1 could not be opened.\n\n%2").arg(nativePath(file), layout::displayText(read.error)),
            QMessageBox::Ok, this);
        box.setObjectName(QStringLiteral("msgOpenFailed"));
        box.exec();
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
        QMessageBox box(
            QMessageBox::Information, tr("Open Recent"),
            tr("The job %1 no longer exists. It has been removed from the recent jobs.").arg(nativePath(recentPath)),
            QMessageBox::Ok, this);
        box.setObjectName(QStringLiteral("msgRecentMissing"));
        box.exec();
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

bool frmJob::mnuFileSaveAs_Click()
{
    commitPendingEdits();
    // In the job's own folder, whatever folder the dialog last showed.
    const QString suggested = suggestedFileName(QStringLiteral("railpin"));
    QFileDialog dialog(this, tr("Save Job As"), QFileInfo(suggested).absolutePath(), jobFileFilter());
    dialog.setObjectName(QStringLiteral("dlgSaveJob"));
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setDefaultSuffix(QStringLiteral("railpin"));
    dialog.selectFile(suggested);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return false;
    return saveTo(dialog.selectedFiles().constFirst());
}

// A failed save says why and where, and changes nothing: the window keeps the
// job and its unsaved mark, and the file on disk stays as it was.
bool frmJob::saveTo(const QString &target)
{
    const QString error = layout::writeJobFile(job(), target);
    if (!error.isEmpty()) {
        QMessageBox box(QMessageBox::Warning, tr("Save Job"),
                        tr("The job could not be saved to %1.\n\n%2").arg(nativePath(target), error), QMessageBox::Ok,
                        this);
        box.setObjectName(QStringLiteral("msgSaveFailed"));
        box.exec();
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
    QMessageBox box(QMessageBox::Warning, tr("Print"), tr("The job sheet cannot be printed: %1.").arg(problem),
                    QMessageBox::Ok, this);
    box.setObjectName(QStringLiteral("msgPrintServer"));
    box.exec();
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
    QMessageBox box(QMessageBox::Warning, tr("Print"), tr("The job sheet could not be printed.\n\n%1").arg(error),
                    QMessageBox::Ok, this);
    box.setObjectName(QStringLiteral("msgPrintFailed"));
    box.exec();
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
    if (dialog.exec() == QDialog::Accepted)
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
    preview.exec();
}

void frmJob::mnuFileExportPdf_Click()
{
    commitPendingEdits();
    const QString suggested = suggestedFileName(QStringLiteral("pdf"));
    QFileDialog dialog(this, tr("Export PDF"), QFileInfo(suggested).absolutePath(), tr("PDF files (*.pdf)"));
    dialog.setObjectName(QStringLiteral("dlgExportPdf"));
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setDefaultSuffix(QStringLiteral("pdf"));
    dialog.selectFile(suggested);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return;
    const QString target = dialog.selectedFiles().constFirst();
    SheetProgressDialog progress(this, tr("Exporting the job sheet…"));
    bool cancelled = false;
    const QString error = printing::writeJobPdf(job(), target, printing::defaultPaperSize(), sections->decimalPoint(),
                                                progress.progress(), cancelled);
    if (cancelled) {
        statusBar()->showMessage(tr("Export cancelled: %1 was not written.").arg(nativePath(target)));
        return;
    }
    if (!error.isEmpty()) {
        QMessageBox box(QMessageBox::Warning, tr("Export PDF"),
                        tr("The PDF could not be written to %1.\n\n%2").arg(nativePath(target), error), QMessageBox::Ok,
                        this);
        box.setObjectName(QStringLiteral("msgExportFailed"));
        box.exec();
        return;
    }
    statusBar()->showMessage(tr("Exported to %1").arg(nativePath(target)), 5000);
}
