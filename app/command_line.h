// SPDX-License-Identifier: LicenseRef-proprietary
#pragma once

#include <QString>
#include <QStringList>

class QCoreApplication;
class QTextStream;

// The program's command line: a job's sheet as a PDF or its marks as text,
// without any window or display. Windows are opened by main() when the
// arguments ask for none of this.
namespace command_line {

struct Failure;

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
// Needs a QGuiApplication, which paints the sheets of --pdf and --template in
// this process (railpin_command_line; the program itself paints them in a
// module of their own, see paged_output.h).
int run(const QStringList &arguments, QTextStream &out, QTextStream &err);

// The program's name in its messages: the file name of the first argument.
QString programName(const QStringList &arguments);

// Writes `failure` as the one line "program: message" and returns its exit code.
int reportFailure(QTextStream &err, const QString &program, const Failure &failure);

// The application's name, version and translations, as every run sets them.
void identifyApplication(QCoreApplication &application);

}  // namespace command_line
