// SPDX-License-Identifier: LicenseRef-proprietary
#include "command_line_start.h"

#include "command_line.h"
#include "file_writer.h"
#include "module_entries.h"
#include "paged_output.h"
#include "program_modules.h"

#include <QCoreApplication>
#include <QFile>
#include <QTemporaryDir>
#include <QTextStream>

namespace {

QStringList argumentsOf(int argc, char **argv)
{
    QStringList arguments;
    for (int index = 0; index < argc; ++index)
        arguments << QString::fromLocal8Bit(argv[index]);
    return arguments;
}

}  // namespace

namespace command_line {

std::optional<int> runIfAsked(int &argc, char **argv)
{
    // The calculator started from the desktop reads no option at all: the
    // options and their parser stay out of its start-up, in instructions and
    // in the program's pages that it touches. The windows' module guards the
    // standard streams itself.
    if (argc <= 1)
        return std::nullopt;
    // Before any file is opened, for the windows as for the command line.
    file_writer::guardStandardStreams();
    const QStringList arguments = argumentsOf(argc, argv);
    if (!asksForCommandLine(arguments))
        return std::nullopt;

    QTextStream out(stdout);
    QTextStream err(stderr);
    // Without a login session Qt warns on standard error that it has no
    // runtime folder; a private one for this run keeps the output clean.
    std::optional<QTemporaryDir> runtimeFolder;
    if (qEnvironmentVariableIsEmpty("XDG_RUNTIME_DIR")) {
        runtimeFolder.emplace();
        if (runtimeFolder->isValid())
            qputenv("XDG_RUNTIME_DIR", QFile::encodeName(runtimeFolder->path()));
    }

    // A run reads a few short measurements: compiling their pattern to
    // machine code on first use (about a million instructions) costs more
    // than PCRE's interpreter matching them all, even for hundreds of
    // sections. A choice the user made stands.
    if (!qEnvironmentVariableIsSet("QT_ENABLE_REGEXP_JIT"))
        qputenv("QT_ENABLE_REGEXP_JIT", "0");

    std::optional<PagedOutput> paged;
    WritePagedEntry writePaged = nullptr;
    {
        QCoreApplication application(argc, argv);
        // Help and messages in the user's language; the marks stay as they are.
        identifyApplication(application);
        const int exitCode = runWith(arguments, out, err, [&](PagedOutput &output) -> std::optional<Failure> {
            // Loaded while the messages can still be translated.
            const program_modules::Loaded loaded =
                program_modules::load(QStringLiteral(RAILPIN_PRINT_OUTPUTS_MODULE), kWritePagedEntryName);
            if (loaded.entry == nullptr)
                return Failure{kCannotReadOrWrite, loaded.failure};
            writePaged = reinterpret_cast<WritePagedEntry>(loaded.entry);
            paged = std::move(output);
            paged->standardOutputClosed = file_writer::standardOutputClosed();
            return std::nullopt;
        });
        if (!paged)
            return exitCode;
    }
    // The sheet is painted under the module's own Qt Gui application: one
    // application object at a time.
    return writePaged(argc, argv, &*paged);
}

int runWindow(int argc, char **argv)
{
    const program_modules::Loaded loaded =
        program_modules::load(QStringLiteral(RAILPIN_WINDOW_MODULE), kRunWindowEntryName);
    if (loaded.entry != nullptr)
        return reinterpret_cast<RunWindowEntry>(loaded.entry)(argc, argv);
    // Only now an application, for the message in the user's language.
    QCoreApplication application(argc, argv);
    identifyApplication(application);
    // The reason was put together before the translations were installed.
    const program_modules::Loaded again =
        program_modules::load(QStringLiteral(RAILPIN_WINDOW_MODULE), kRunWindowEntryName);
    QTextStream err(stderr);
    return reportFailure(err, programName(argumentsOf(argc, argv)), {kCannotReadOrWrite, again.failure});
}

}  // namespace command_line
