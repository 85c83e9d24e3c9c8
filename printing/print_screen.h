// SPDX-License-Identifier: LicenseRef-proprietary
#pragma once

#include "layout_sheet.h"

class QWidget;

// Prints on the system's default printer with its current settings, without
// a dialog: an image of the window as wide as the page, and below it the
// layout sheet of what the window shows (layout_sheet.h). Throws RunTimeError
// when the print server does not answer (print_server.h), there is no
// printer or the job cannot be made.
void printScreen(QWidget &window, const layout::CalculatorSnapshot &shown);
