// SPDX-License-Identifier: LicenseRef-proprietary
#include "frm_job.h"

#include "dialog_presenter.h"
#include "display_text.h"
#include "job_document.h"
#include "job_sheet.h"
#include "open_job_dialog.h"
#include "recent_files.h"
#include "ui_frm_job.h"

#include <QDir>
#include <QFileInfo>
#include <QStatusBar>

namespace {

QString nativePath(const QString &path)
{
    return QDir::toNativeSeparators(path);
}

}  // namespace

bool frmJob::maybeSave()
{
    commitPendingEdits();
    if (!isModified())
        return true;
    QString name = job().name.isEmpty() ? QFileInfo(filePath()).fileName() : layout::displayText(job().name);
    if (name.isEmpty())
        name = sheets::untitledJobName();
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
    if (const QString chosen = chooseJobFile(this, QFileInfo(filePath()).absolutePath()); !chosen.isEmpty())
        openFile(chosen);
}

bool frmJob::openFile(const QString &file)
{
    const JobDocument::Opened opened = document->open(file);
    if (!opened.opened) {
        dialogs::warning(
            this, QStringLiteral("msgOpenFailed"), openJobTitle(),
            tr("The job %1 could not be opened.\n\n%2").arg(nativePath(file), layout::displayText(opened.error)));
        return false;
    }
    updateTitle();
    showUnusedFields(opened.unused);
    recent_files::remember(filePath());
    rebuildRecentFiles();
    return true;
}

// Fields of the file this program does not use are kept; the user hears of
// them once, when the file is opened.
void frmJob::showUnusedFields(const std::vector<layout::UnusedField> &unused)
{
    QStringList warnings;
    for (const layout::UnusedField &field : unused) {
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
    if (filePath().isEmpty())
        return mnuFileSaveAs_Click();
    return saveTo(filePath());
}

dialogs::FileChoice frmJob::chooseSavePath(const QString &objectName, const QString &title, const QStringList &filters)
{
    const QString suffix = filters.constFirst().section(QStringLiteral("*."), 1).chopped(1);
    // In the job's own folder, whatever folder the dialog last showed.
    const QString suggested = document->suggestedFileName(suffix, tr("job"));
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
    if (document->saveWouldReplaceChange(target)) {
        switch (askOverwriteChangedFile(target)) {
        case ChangedFileAnswer::Overwrite:
            break;
        case ChangedFileAnswer::SaveAs:
            return mnuFileSaveAs_Click();
        case ChangedFileAnswer::Cancel:
            return false;
        }
    }
    const QString error = document->saveTo(target);
    if (!error.isEmpty()) {
        dialogs::warning(this, QStringLiteral("msgSaveFailed"), tr("Save Job"),
                         tr("The job could not be saved to %1.\n\n%2").arg(nativePath(target), error));
        return false;
    }
    updateTitle();
    recent_files::remember(filePath());
    rebuildRecentFiles();
    statusBar()->showMessage(tr("Saved to %1").arg(nativePath(filePath())), 5000);
    return true;
}

frmJob::ChangedFileAnswer frmJob::askOverwriteChangedFile(const QString &target)
{
    dialogs::Message question;
    question.objectName = QStringLiteral("msgFileChanged");
    question.title = tr("Save Job");
    question.text = tr("The job file %1 was changed by another program since this window opened or saved it. "
                       "Saving here replaces those changes.")
                        .arg(nativePath(target));
    question.buttons = QMessageBox::Yes | QMessageBox::Save | QMessageBox::Cancel;
    question.defaultButton = QMessageBox::Save;
    question.escapeButton = QMessageBox::Cancel;
    question.buttonTexts = {{QMessageBox::Yes, tr("&Overwrite")},
                            {QMessageBox::Save, tr("Save &As…")},
                            {QMessageBox::Cancel, tr("&Cancel")}};
    switch (dialogs::ask(this, question)) {
    case QMessageBox::Yes:
        return ChangedFileAnswer::Overwrite;
    case QMessageBox::Save:
        return ChangedFileAnswer::SaveAs;
    default:
        return ChangedFileAnswer::Cancel;
    }
}
