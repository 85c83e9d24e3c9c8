// SPDX-License-Identifier: LicenseRef-proprietary
#pragma once

// The two modules the program loads when it needs them, and their one entry
// each. The program links Qt Core only; the windows (Qt Widgets, print
// support, CUPS) and the sheets the command line paints (Qt Gui) are loaded
// only when asked for, so that the marks and drawings cost no more than they
// use.

namespace command_line {
struct PagedOutput;
}

extern "C" {

// The windows: the calculator, or the job files named. Returns the program's
// exit code.
using RunWindowEntry = int (*)(int argc, char **argv);

// Paints the checked sheet under an application of its own and writes it;
// failures go to standard error. Called with no application object alive.
using WritePagedEntry = int (*)(int argc, char **argv, command_line::PagedOutput *output);
}

inline constexpr char kRunWindowEntryName[] = "railpinRunWindow";
inline constexpr char kWritePagedEntryName[] = "railpinWritePaged";
