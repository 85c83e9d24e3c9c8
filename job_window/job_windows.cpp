// SPDX-License-Identifier: LicenseRef-proprietary
#include "job_windows.h"

#include "calculator_section.h"
#include "job_file.h"
#include "window_placement.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QLocale>
#include <QMessageBox>
#include <QScreen>

JobWindows::JobWindows(frmJob::CalculatorFields calculatorFields) : calculatorFields(std::move(calculatorFields)) {}

JobWindows::~JobWindows()
{
    for (const QPointer<frmJob> &window : opened)
        delete window.data();
}

QList<frmJob *> JobWindows::windows() const
{
    QList<frmJob *> open;
    for (const QPointer<frmJob> &window : opened)
        if (!window.isNull())
            open.append(window.data());
    return open;
}

frmJob *JobWindows::create()
{
    opened.removeAll(nullptr);
    auto *window = new frmJob(calculatorFields);
    if (const QScreen *screen = window->screen())
        window->resize(window->size().boundedTo(screen->availableSize()));
    centreOnScreen(*window);
    opened.append(window);
    return window;
}

frmJob *JobWindows::openFromCalculator()
{
    frmJob *window = create();
    if (calculatorFields) {
        const QString point = QLocale().decimalPoint();
        window->showJob(calculator_section::newJob(calculatorFields(), point.size() == 1 ? point.front() : u'.'));
    }
    window->show();
    window->activateWindow();
    return window;
}

frmJob *JobWindows::chooseAndOpen(QWidget *parent)
{
    QFileDialog dialog(parent, QCoreApplication::translate("JobWindows", "Open Job"), QDir::homePath(),
                       QCoreApplication::translate("JobWindows", "Railpin jobs (*.railpin)"));
    dialog.setObjectName(QStringLiteral("dlgOpenJob"));
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    dialog.setFileMode(QFileDialog::ExistingFile);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return nullptr;
    return openFile(dialog.selectedFiles().constFirst());
}

frmJob *JobWindows::openFile(const QString &path)
{
    // A job already open is brought forward rather than opened twice.
    const QString absolute = QFileInfo(path).absoluteFilePath();
    for (frmJob *open : windows()) {
        if (open->filePath() == absolute) {
            open->raise();
            open->activateWindow();
            return open;
        }
    }
    frmJob *window = create();
    if (!window->openFile(path)) {
        delete window;
        return nullptr;
    }
    window->show();
    window->activateWindow();
    return window;
}

bool JobWindows::readyToExit()
{
    for (frmJob *window : windows()) {
        if (!window->isModified())
            continue;
        window->raise();
        window->activateWindow();
        if (!window->maybeSave())
            return false;
    }
    return true;
}
