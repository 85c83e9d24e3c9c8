// SPDX-License-Identifier: LicenseRef-proprietary
#pragma once

#include "run_time_error.h"

#include <QString>

class QWidget;

// The uniform report of a run-time error caught in a trapped procedure of the
// main window: "Error {number} occured in Railpin.frmMain.{procedure}:{source}, {description}".
QString errorReportText(const QString &procedure, const RunTimeError &error);

// Shows the report in a modal warning box titled "Application Error" with a
// single OK button, and returns when the user has dismissed it.
void ReportError(QWidget *parent, const QString &procedure, const RunTimeError &error);

// The error trap of the main window's procedures: runs the body; a
// RunTimeError abandons the rest of it, is reported under the procedure's
// name, and the procedure returns normally.
template <typename Body> void runTrapped(QWidget *parent, const char *procedure, Body &&body)
{
    try {
        body();
    } catch (const RunTimeError &error) {
        ReportError(parent, QString::fromLatin1(procedure), error);
    }
}
