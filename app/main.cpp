#include "app_info.h"
#include "first_frame_report.h"
#include "frm_main.h"
#include "job_windows.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QIcon>

int main(int argc, char *argv[])
{
    QApplication application(argc, argv);
    QApplication::setApplicationName(QString::fromUtf8(app_info::kTitle));
    QApplication::setApplicationVersion(app_info::versionNumbers());
    QApplication::setDesktopFileName(QString::fromUtf8(app_info::kApplicationId));
    QApplication::setWindowIcon(QIcon(QStringLiteral(":/railpin/railpin.png")));

    QCommandLineParser parser;
    parser.setApplicationDescription(QApplication::translate("main", "Lays out the railpins of a railing."));
    parser.addHelpOption();
    parser.addVersionOption();
    parser.addPositionalArgument(
        QStringLiteral("jobs"), QApplication::translate("main", "Job files (.railpin) to open without the calculator."),
        QStringLiteral("[JOB.railpin...]"));
    parser.process(application);

    // Job files named on the command line, as a file manager passes them,
    // open in job windows of their own; the calculator is not shown.
    if (const QStringList jobFiles = parser.positionalArguments(); !jobFiles.isEmpty()) {
        JobWindows jobs;
        for (const QString &file : jobFiles)
            jobs.openFile(file);
        return jobs.windows().isEmpty() ? 1 : QApplication::exec();
    }

    frmMain window;
    if (qEnvironmentVariableIsSet("RAILPIN_BENCH_FIRST_FRAME"))
        reportFirstFrame(window);
    window.show();
    return QApplication::exec();
}
