// SPDX-License-Identifier: LicenseRef-proprietary
#pragma once

#include "command_line.h"

#include <QStringList>
#include <QTextStream>

// The command line run as `railpin ARGUMENTS` without a process: its exit
// code and what it wrote on standard output and standard error.
struct Outcome
{
    int exitCode = -1;
    QString out;
    QString err;
};

inline Outcome runCommandLine(const QStringList &arguments)
{
    Outcome outcome;
    QTextStream out(&outcome.out);
    QTextStream err(&outcome.err);
    outcome.exitCode = command_line::run(QStringList{QStringLiteral("railpin")} + arguments, out, err);
    return outcome;
}
