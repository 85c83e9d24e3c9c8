#include "app_info.h"
#include "frm_main.h"

#include <QApplication>
#include <QIcon>

int main(int argc, char *argv[])
{
    QApplication application(argc, argv);
    QApplication::setApplicationName(QString::fromUtf8(app_info::kTitle));
    QApplication::setApplicationVersion(app_info::versionNumbers());
    QApplication::setDesktopFileName(QString::fromUtf8(app_info::kApplicationId));
    QApplication::setWindowIcon(QIcon(QStringLiteral(":/railpin/railpin.png")));

    frmMain window;
    window.show();
    return QApplication::exec();
}
