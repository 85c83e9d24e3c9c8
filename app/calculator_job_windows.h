// SPDX-License-Identifier: LicenseRef-proprietary
#pragma once

#include <memory>

class frmMain;
class JobWindows;

// The program's wiring between its two windows, which know nothing of each
// other: the calculator's requests open job windows, a job window's request
// shows the calculator, and File > Exit asks the job windows first. The
// launcher returned must be destroyed before the calculator.
std::unique_ptr<JobWindows> jobWindowsFor(frmMain &calculator);
