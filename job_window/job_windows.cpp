// SPDX-License-Identifier: LicenseRef-proprietary
#include "job_windows.h"

#include "calculator_section.h"
#include "job_file.h"
#include "number_text.h"
#include "open_job_dialog.h"
#include "window_placement.h"

#include <QDir>
#include <QFileInfo>
#include <QMessageBox>
#include <QScreen>

JobWindows::JobWindows(frmJob::CalculatorFields calculatorFields, std::function<void()> showCalculator)
    : calculatorFields(std::move(calculatorFields)), showCalculator(std::move(showCalculator))
{
}

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
    if (showCalculator)
        QObject::connect(window, &frmJob::calculatorRequested, window, showCalculator);
    if (const QScreen *screen = window->screen())
        window->resize(window->size().boundedTo(screen->availableSize()));
    centreOnScreen(*window);
    opened.append(window);
    return window;
}

frmJob *JobWindows::openFromCalculator(const layout::CalculatorSnapshot &calculator)
{
    frmJob *window = create();
    window->showJob(calculator_section::newJob(calculator, number_text::localeDecimalPoint()));
    window->show();
    window->activateWindow();
    return window;
}

frmJob *JobWindows::chooseAndOpen(QWidget *parent)
{
    const QString chosen = chooseJobFile(parent, QDir::homePath());
    return chosen.isEmpty() ? nullptr : openFile(chosen);
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
