// SPDX-License-Identifier: LicenseRef-proprietary
#pragma once

#include <QPoint>
#include <QRect>
#include <QSize>

class QWidget;

// Where the windows of this program open. A window is centred as asked when
// it fits the screen's available area and is moved just inside it when it
// would stick out; a window wider or taller than the area keeps its top-left
// corner on it, so that its title bar and menu can always be reached.

// The top-left corner for a window of `size` centred on `centre` under the
// rule above, within the screen area `available`.
QPoint reachableTopLeft(const QSize &size, const QPoint &centre, const QRect &available);

// Moves `window`, not yet shown, to the centre of its screen's available area.
void centreOnScreen(QWidget &window);

// Moves `window`, not yet shown, to the centre of `owner`'s window, on the
// screen that shows the owner.
void centreOver(QWidget &window, const QWidget &owner);
