// SPDX-License-Identifier: LicenseRef-proprietary
#include "error_report.h"

#include "dialog_presenter.h"

#include <QCoreApplication>

namespace {

const char *const kModulePath = "Railpin.frmMain";

}  // namespace

// The report line stays English in every language: callers and logs match it.
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
    dialogs::Message message;
    message.objectName = QStringLiteral("ApplicationError");
    message.title = QCoreApplication::translate("frmMain", "Application Error");
    message.text = errorReportText(procedure, error);
    message.textFormat = Qt::PlainText;
    dialogs::ask(parent, message);
}
