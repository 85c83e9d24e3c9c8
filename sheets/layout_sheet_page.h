// SPDX-License-Identifier: LicenseRef-proprietary
#pragma once

#include "layout_sheet.h"

#include <QString>

class QPagedPaintDevice;
class QPainter;
class QRectF;

// Writes the layout sheet onto a printout, from `top` down within
// `content` (painter coordinates), continuing on new pages as needed: the
// inputs as typed, the increment, each listed railpin's centre from the left
// post as decimal and fraction, and the last centre's distance to the right
// post. A sheet that is not current gets a one-line note instead; one with no
// railpins gets nothing. Returns an empty string, or why a new page could not
// be started.
QString drawLayoutSheet(QPainter &painter, QPagedPaintDevice &device, const layout_sheet::Sheet &sheet,
                        const layout::CalculatorSnapshot &shown, const QRectF &content, double top);
