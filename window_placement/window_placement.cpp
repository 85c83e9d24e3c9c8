// SPDX-License-Identifier: LicenseRef-proprietary
#include "window_placement.h"

#include <QScreen>
#include <QWidget>

#include <algorithm>

namespace {

// One axis: inside [start, end) when it fits; at `start` when it does not.
int reachable(int position, int length, int start, int end)
{
    return std::max(std::min(position, end - length), start);
}

}  // namespace

QPoint reachableTopLeft(const QSize &size, const QPoint &centre, const QRect &available)
{
    const QPoint centred = centre - QRect(QPoint(), size).center();
    return {reachable(centred.x(), size.width(), available.left(), available.left() + available.width()),
            reachable(centred.y(), size.height(), available.top(), available.top() + available.height())};
}

void centreOnScreen(QWidget &window)
{
    if (const QScreen *screen = window.screen()) {
        const QRect available = screen->availableGeometry();
        window.move(reachableTopLeft(window.size(), available.center(), available));
    }
}

void centreOver(QWidget &window, const QWidget &owner)
{
    const QWidget *ownerWindow = owner.window();
    if (const QScreen *screen = ownerWindow->screen()) {
        window.move(
            reachableTopLeft(window.size(), ownerWindow->frameGeometry().center(), screen->availableGeometry()));
    }
}
