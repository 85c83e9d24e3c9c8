// SPDX-License-Identifier: LicenseRef-proprietary
#pragma once

#include <QModelIndexList>
#include <QString>

// The selected cells as a spreadsheet copies them: each row with a selected
// cell on a line of its own, the columns from the leftmost to the rightmost
// selected one separated by tabs, cells outside the selection left empty.
QString tabSeparatedText(const QModelIndexList &selected);
