// SPDX-License-Identifier: LicenseRef-proprietary
#pragma once

class QWidget;

// For the start-up benchmark: once the window has painted its first frame,
// print "first frame" on standard output and quit the application.
void reportFirstFrame(QWidget &window);
