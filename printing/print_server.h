// SPDX-License-Identifier: LicenseRef-proprietary
#pragma once

#include <QString>

#include <chrono>

class QWidget;

namespace printing {

// Checks that the CUPS server this program prints through answers, before a
// QPrinter, print dialog or print preview is made: Qt has no time limit of its
// own there, and a server that accepts connections but never answers would
// freeze the window for minutes.
//
// The server is the one libcups chooses: CUPS_SERVER, else client.conf, else
// the local socket. The check waits at most printServerTimeout(); meanwhile
// `window` keeps painting, the busy pointer shows and the application takes
// no user input. `window` may be null.
//
// Returns an empty string when the server answers, and also when there is no
// server to ask or it refuses the connection at once (the printer look-up that
// follows is then quick and reports the missing printer itself). Otherwise it
// returns the description for the printer error report, e.g.
// "the print server 127.0.0.1:6310 does not answer".
//
// Call it before every Print, Print Preview and print dialog; PDF export
// (QPdfWriter) never talks to CUPS and needs no check.
QString printServerProblem(QWidget *window);

// How long printServerProblem() waits: RAILPIN_PRINT_SERVER_TIMEOUT_MS when it
// holds a positive number of milliseconds, else 10 seconds.
std::chrono::milliseconds printServerTimeout();

}  // namespace printing
