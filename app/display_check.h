// SPDX-License-Identifier: LicenseRef-proprietary
#pragma once

#include <QString>
#include <QStringList>

// Checked before the application object exists: without a display Qt aborts
// with a core dump and advice about reinstalling.

// Empty when the Qt platform this start will use needs no display, or its
// display answers; otherwise the one line for standard error saying so and
// how to write a sheet without a display. `arguments` is the command line,
// read for Qt's own -platform and -display options.
QString missingDisplayMessage(const QStringList &arguments);

// Writes missingDisplayMessage(), in the user's language, to standard error
// when there is one and returns whether the windows can open.
bool displayAvailable(int argc, char *argv[]);
