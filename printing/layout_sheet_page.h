// SPDX-License-Identifier: LicenseRef-proprietary
#pragma once

#include "layout_sheet.h"

class QPainter;
class QPrinter;
class QRectF;

// Writes the layout sheet onto the printout, from `top` down within
// `content` (painter coordinates), continuing on new pages as needed: the
// inputs as typed, the increment, each listed railpin's centre from the left
// post as decimal and fraction, and the last centre's distance to the right
// post. A sheet that is not current gets a one-line note instead; one with no
// railpins gets nothing. Throws RunTimeError when a new page cannot be started.
void drawLayoutSheet(QPainter &painter, QPrinter &printer, const layout_sheet::Sheet &sheet,
                     const layout_sheet::WindowTexts &shown, const QRectF &content, double top);
