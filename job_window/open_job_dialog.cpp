// SPDX-License-Identifier: LicenseRef-proprietary
#include "open_job_dialog.h"

#include <QCoreApplication>
#include <QFileDialog>

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
    QFileDialog dialog(parent, openJobTitle(), folder, jobFileFilter());
    dialog.setObjectName(QStringLiteral("dlgOpenJob"));
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    dialog.setFileMode(QFileDialog::ExistingFile);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return {};
    return dialog.selectedFiles().constFirst();
}
