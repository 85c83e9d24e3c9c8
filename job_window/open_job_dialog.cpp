// SPDX-License-Identifier: LicenseRef-proprietary
#include "open_job_dialog.h"

#include "dialog_presenter.h"

#include <QCoreApplication>

QString openJobTitle()
{
    return QCoreApplication::translate("JobWindows", "Open Job");
}

QString jobFileFilter()
{
    return QCoreApplication::translate("JobWindows", "Railpin jobs (*.railpin)");
}

QString chooseJobFile(QWidget *parent, const QString &folder)
{
    dialogs::FileRequest request;
    request.objectName = QStringLiteral("dlgOpenJob");
    request.title = openJobTitle();
    request.folder = folder;
    request.nameFilters = {jobFileFilter()};
    request.acceptMode = QFileDialog::AcceptOpen;
    request.fileMode = QFileDialog::ExistingFile;
    return dialogs::chooseFile(parent, request).path;
}
