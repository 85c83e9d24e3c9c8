#include "app_info.h"
#include "command_line.h"
#include "display_check.h"
#include "first_frame_report.h"
#include "frm_main.h"
#include "translator_setup.h"

#include <QApplication>
#include <QIcon>

int main(int argc, char *argv[])
{
    if (const std::optional<int> exitCode = command_line::runIfAsked(argc, argv))
        return *exitCode;
    if (!displayAvailable(argc, argv))
        return 1;

    QApplication application(argc, argv);
    QApplication::setApplicationName(QString::fromUtf8(app_info::kTitle));
    QApplication::setApplicationVersion(app_info::versionNumbers());
    QApplication::setDesktopFileName(QString::fromUtf8(app_info::kApplicationId));
    QApplication::setWindowIcon(QIcon(QStringLiteral(":/railpin/railpin.png")));
    translations::install(application);

    frmMain window;
    if (qEnvironmentVariableIsSet("RAILPIN_BENCH_FIRST_FRAME"))
        reportFirstFrame(window);
    window.show();
    return QApplication::exec();
}
