// SPDX-License-Identifier: LicenseRef-proprietary
#pragma once

#include <QCoreApplication>
#include <QFileSystemWatcher>
#include <QTimer>

class frmJob;
class JobDocument;

// Watches the open job's file while the window shows it. A change by
// another program or window is shown in the message bar; a job without
// unsaved changes is offered the file's new contents, and a job with them is
// told that saving will ask first. Whether the file changed is the
// document's to say; this only notices and asks. Part of the window, whose
// texts it shares.
class JobFileWatch
{
    Q_DECLARE_TR_FUNCTIONS(frmJob)

public:
    JobFileWatch(frmJob &window, JobDocument &document);

    // How long the file must stay quiet before it is looked at: a program
    // that writes in pieces is seen once, when done.
    static void setSettleTime(int milliseconds);

private:
    // Watches the document's file and its folder, the folder so that a file
    // replaced by a rename or removed and written anew is found again.
    void follow();
    void check();

    frmJob &window;
    JobDocument &document;
    QFileSystemWatcher watcher;
    QTimer settle;
    bool asking = false;
};
