// SPDX-License-Identifier: LicenseRef-proprietary
#pragma once

#include "frm_job.h"

#include <QList>
#include <QPointer>

#include <functional>

class QWidget;

// The job windows opened from one place: the calculator, or the command line.
// It opens them, asks each one about unsaved work before the program ends,
// and closes those left when it goes. It knows the calculator only through
// the two functions it is given: what the calculator shows, and how to show
// the calculator.
class JobWindows
{
public:
    explicit JobWindows(frmJob::CalculatorFields calculatorFields = {}, std::function<void()> showCalculator = {});
    ~JobWindows();
    JobWindows(const JobWindows &) = delete;
    JobWindows &operator=(const JobWindows &) = delete;

    // A new job of one section from what the calculator showed.
    frmJob *openFromCalculator(const layout::CalculatorSnapshot &calculator);
    // Asks for a job file and opens it; nothing when the user cancels or the
    // file cannot be read (which is reported).
    frmJob *chooseAndOpen(QWidget *parent);
    // Opens the file in a window of its own, or brings forward the window that
    // has it open; a file that cannot be read is reported and gives no window.
    frmJob *openFile(const QString &path);

    // Asks each job window with unsaved changes Save / Discard / Cancel; false
    // as soon as one is cancelled (or its save fails), and then nothing closes.
    bool readyToExit();

    QList<frmJob *> windows() const;

private:
    frmJob *create();

    frmJob::CalculatorFields calculatorFields;
    std::function<void()> showCalculator;
    QList<QPointer<frmJob>> opened;
};
