// SPDX-License-Identifier: LicenseRef-proprietary
#pragma once

#include <optional>

namespace command_line {

// For main(), before any application object exists: runs the command line
// under a Qt Core application and returns its exit code, or nothing when the
// windows should open. The sheets of --pdf and --template are checked and
// laid out here, then painted by the module that links Qt Gui.
std::optional<int> runIfAsked(int &argc, char **argv);

// Loads the windows' module and runs it; a missing or broken module is one
// line on standard error and exit code 1.
int runWindow(int argc, char **argv);

}  // namespace command_line
