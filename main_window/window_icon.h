// SPDX-License-Identifier: LicenseRef-proprietary
#pragma once

#include <QIcon>

// The program's icon for its windows. It reads its picture only when something
// first draws it (a window manager's title bar, a task switcher), so a start
// that nothing draws it for reads no image at all.
QIcon railpinWindowIcon();
