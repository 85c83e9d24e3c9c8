// SPDX-License-Identifier: LicenseRef-proprietary
// The sheets of --pdf and --template, built as a module that the program
// loads only to paint them: Qt Gui and its fonts, no widgets, no print server.
#include "command_line.h"
#include "file_writer.h"
#include "module_entries.h"
#include "paged_output.h"

#include <QGuiApplication>
#include <QTextStream>

extern "C" Q_DECL_EXPORT int railpinWritePaged(int argc, char **argv, command_line::PagedOutput *output)
{
    static_assert(std::is_same_v<decltype(&railpinWritePaged), WritePagedEntry>);
    // Painting needs fonts and a GUI application, but never a display.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    // The program guarded the standard streams at its start; this module's
    // writer learns what it found.
    file_writer::adoptClosedStandardOutput(output->standardOutputClosed);
    int count = argc;
    QGuiApplication application(count, argv);
    command_line::identifyApplication(application);
    const std::optional<command_line::Failure> failure = command_line::writePaged(*output);
    if (!failure)
        return command_line::kWritten;
    QTextStream err(stderr);
    return command_line::reportFailure(err, command_line::programName(QCoreApplication::arguments()), *failure);
}
