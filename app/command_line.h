// SPDX-License-Identifier: LicenseRef-proprietary
#pragma once

#include <QString>
#include <QStringList>

#include <optional>

class QTextStream;

// The program's command line: a job's sheet as a PDF or its marks as text,
// without any window or display. Windows are opened by main() when the
// arguments ask for none of this.
namespace command_line {

inline constexpr int kWritten = 0;
inline constexpr int kCannotReadOrWrite = 1;  // a job file that cannot be read, an output that cannot be written
inline constexpr int kBadArguments = 2;       // a bad option or value, a section that cannot be laid out

// Whether the arguments (the program's name first) ask for command-line work:
// --pdf, --marks, --help, --version or any option of a section. Needs no
// application object; unknown options alone leave the windows to Qt, which
// takes its own (-platform, -style...).
bool asksForCommandLine(const QStringList &arguments);

// Does what the arguments ask and returns the exit code. Output goes to `out`,
// failures as one line each to `err`; on any failure nothing is written.
// Needs a QCoreApplication, and a QGuiApplication for --pdf.
int run(const QStringList &arguments, QTextStream &out, QTextStream &err);

// For main(), before any application object exists: runs the command line
// under an application object of its own on the offscreen platform, so that
// no display is needed, and returns its exit code; nothing when the windows
// should open.
std::optional<int> runIfAsked(int &argc, char **argv);

}  // namespace command_line
