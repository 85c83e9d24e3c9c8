#include "error_report.h"

#include <QMessageBox>

namespace {

const char *const kModulePath = "Railpin.frmMain";

}  // namespace

QString errorReportText(const QString &procedure, const RunTimeError &error)
{
    // The three fields are read once, in this order, before the text is built.
    const qint32 number = error.number;
    const QString source = error.source;
    const QString description = error.description;
    return QStringLiteral("Error ") + QString::number(number) + QStringLiteral(" occured in ") +
           QLatin1String(kModulePath) + u'.' + procedure + u':' + source + QStringLiteral(", ") + description;
}

void ReportError(QWidget *parent, const QString &procedure, const RunTimeError &error)
{
    QMessageBox box(QMessageBox::Warning, QStringLiteral("Application Error"), errorReportText(procedure, error),
                    QMessageBox::Ok, parent);
    box.setObjectName(QStringLiteral("ApplicationError"));
    box.setTextFormat(Qt::PlainText);
    box.exec();
}
