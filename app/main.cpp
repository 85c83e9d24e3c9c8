// SPDX-License-Identifier: LicenseRef-proprietary
#include "command_line_start.h"

int main(int argc, char *argv[])
{
    if (const std::optional<int> exitCode = command_line::runIfAsked(argc, argv))
        return *exitCode;
    return command_line::runWindow(argc, argv);
}
