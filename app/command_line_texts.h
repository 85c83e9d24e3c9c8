// SPDX-License-Identifier: LicenseRef-proprietary
#pragma once

#include <QCoreApplication>

// The one translation context of the command line's options, help and messages.
struct CommandLine
{
    Q_DECLARE_TR_FUNCTIONS(CommandLine)
};
