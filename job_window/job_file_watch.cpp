// SPDX-License-Identifier: LicenseRef-proprietary
#include "job_file_watch.h"

#include "dialog_presenter.h"
#include "frm_job.h"
#include "job_document.h"

#include <QDir>
#include <QFileInfo>
#include <QStatusBar>

namespace {

int settleTime = 200;

}  // namespace

JobFileWatch::JobFileWatch(frmJob &window, JobDocument &document) : window(window), document(document)
{
    settle.setSingleShot(true);
    QObject::connect(&settle, &QTimer::timeout, &watcher, [this] { check(); });
    const auto changed = [this] { settle.start(settleTime); };
    QObject::connect(&watcher, &QFileSystemWatcher::fileChanged, &settle, changed);
    QObject::connect(&watcher, &QFileSystemWatcher::directoryChanged, &settle, changed);
    QObject::connect(&document, &JobDocument::fileRecorded, &watcher, [this] { follow(); });
}

void JobFileWatch::setSettleTime(int milliseconds)
{
    settleTime = milliseconds;
}

void JobFileWatch::follow()
{
    const QString file = document.filePath();
    QStringList wanted;
    if (!file.isEmpty()) {
        wanted << QFileInfo(file).absolutePath();
        if (QFileInfo::exists(file))
            wanted << file;
    }
    QStringList watched = watcher.files() + watcher.directories();
    QStringList stale;
    for (const QString &path : watched)
        if (!wanted.contains(path))
            stale << path;
    if (!stale.isEmpty())
        watcher.removePaths(stale);
    QStringList missing;
    for (const QString &path : wanted)
        if (!watched.contains(path))
            missing << path;
    // A file replaced by a rename is no longer watched: its path is added
    // again. A path that cannot be watched is only not watched.
    if (!missing.isEmpty())
        (void)watcher.addPaths(missing);
}

void JobFileWatch::check()
{
    if (asking) {
        settle.start(settleTime);
        return;
    }
    follow();
    const QString shown = QDir::toNativeSeparators(document.filePath());
    switch (document.newFileChange()) {
    case JobDocument::FileChange::None:
        return;
    case JobDocument::FileChange::Removed:
        window.statusBar()->showMessage(
            tr("The job file %1 was removed or renamed by another program; Save writes it again.").arg(shown));
        return;
    case JobDocument::FileChange::Changed:
        break;
    }
    if (window.isModified()) {
        window.statusBar()->showMessage(
            tr("The job file %1 was changed by another program; saving will ask before replacing it.").arg(shown));
        return;
    }
    window.statusBar()->showMessage(tr("The job file %1 was changed by another program.").arg(shown));
    dialogs::Message question;
    question.icon = QMessageBox::Question;
    question.objectName = QStringLiteral("msgReloadJob");
    question.title = tr("Job File Changed");
    question.text = tr("The job file %1 was changed by another program. This window has no unsaved changes. "
                       "Show the file as it is now?")
                        .arg(shown);
    question.buttons = QMessageBox::Yes | QMessageBox::No;
    question.defaultButton = QMessageBox::Yes;
    question.escapeButton = QMessageBox::No;
    question.buttonTexts = {{QMessageBox::Yes, tr("&Reload")}, {QMessageBox::No, tr("&Keep This Version")}};
    asking = true;
    const QMessageBox::StandardButton answer = dialogs::ask(&window, question);
    asking = false;
    // An edit made while the question was open is not thrown away.
    if (answer == QMessageBox::Yes && !window.isModified() && window.openFile(document.filePath()))
        window.statusBar()->showMessage(tr("Reloaded %1").arg(shown), 5000);
}
