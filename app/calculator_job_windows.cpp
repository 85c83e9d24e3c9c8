// SPDX-License-Identifier: LicenseRef-proprietary
#include "calculator_job_windows.h"

#include "frm_main.h"
#include "job_windows.h"

std::unique_ptr<JobWindows> jobWindowsFor(frmMain &calculator)
{
    auto jobs = std::make_unique<JobWindows>([&calculator] { return calculator.snapshot(); },
                                             [&calculator] {
                                                 calculator.show();
                                                 calculator.raise();
                                                 calculator.activateWindow();
                                             });
    JobWindows *launcher = jobs.get();
    QObject::connect(&calculator, &frmMain::newJobRequested, &calculator,
                     [launcher](const layout::CalculatorSnapshot &shown) { launcher->openFromCalculator(shown); });
    QObject::connect(&calculator, &frmMain::openJobRequested, &calculator,
                     [launcher, &calculator] { launcher->chooseAndOpen(&calculator); });
    calculator.setExitCheck([launcher] { return launcher->readyToExit(); });
    return jobs;
}
