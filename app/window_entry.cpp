// SPDX-License-Identifier: LicenseRef-proprietary
// The windows, built as a module that the program loads only to show them.
#include "app_info.h"
#include "calculator_job_windows.h"
#include "display_check.h"
#include "file_writer.h"
#include "first_frame_report.h"
#include "frm_main.h"
#include "job_windows.h"
#include "module_entries.h"
#include "translator_setup.h"
#include "window_icon.h"

#include <QApplication>
#include <QCommandLineParser>

extern "C" Q_DECL_EXPORT int railpinRunWindow(int argc, char **argv)
{
    static_assert(std::is_same_v<decltype(&railpinRunWindow), RunWindowEntry>);
    // Before any file is opened: the program does it only when it reads
    // options, and the windows' writer keeps what it finds.
    file_writer::guardStandardStreams();
    if (!displayAvailable(argc, argv))
        return 1;

    // Qt keeps the count it was given for the application's lifetime.
    int count = argc;
    QApplication application(count, argv);
    QApplication::setApplicationName(QString::fromUtf8(app_info::kTitle));
    QApplication::setApplicationVersion(app_info::versionNumbers());
    QApplication::setDesktopFileName(QString::fromUtf8(app_info::kApplicationId));
    QApplication::setWindowIcon(railpinWindowIcon());
    translations::install(application);

    // The calculator is made whatever was asked, so that a job window opened
    // from a file offers Window > Calculator and Add from Calculator as one
    // opened from the calculator does.
    frmMain window;
    const std::unique_ptr<JobWindows> jobs = jobWindowsFor(window);

    // Job files named on the command line, as a file manager passes them (one
    // or several), open in job windows of their own; the calculator is not
    // shown until asked for.
    QCommandLineParser parser;
    parser.parse(QApplication::arguments());
    if (const QStringList jobFiles = parser.positionalArguments(); !jobFiles.isEmpty()) {
        for (const QString &file : jobFiles)
            jobs->openFile(file);
        return jobs->windows().isEmpty() ? 1 : QApplication::exec();
    }

    if (qEnvironmentVariableIsSet("RAILPIN_BENCH_FIRST_FRAME"))
        reportFirstFrame(window);
    window.show();
    return QApplication::exec();
}
