// SPDX-License-Identifier: LicenseRef-proprietary
#pragma once

#include <QFuture>

#include <chrono>

class QWidget;

namespace printing {

// Waits until `work` has finished or `limit` has passed, whichever is first,
// while the application keeps handling everything but user input: windows
// repaint, timers run, the busy pointer shows, and keys, clicks and closing
// `window` are ignored. Returns early too if the application is quitting.
void waitBusy(QWidget *window, const QFuture<void> &work, std::chrono::milliseconds limit);

}  // namespace printing
