// SPDX-License-Identifier: LicenseRef-proprietary
#pragma once

#include <QString>

namespace layout {

enum class LineBreaks { Kept, Replaced };

// Text from a job file as it may be shown or printed: control characters (C0,
// DEL, C1) and the bidirectional overrides and isolates become U+FFFD, so that
// a file cannot drive a terminal or reorder a message. Tab, CR and LF are kept
// unless a line of tab-separated output must not be split by them. For
// display only: the job keeps its text as read.
QString displayText(const QString &text, LineBreaks lineBreaks = LineBreaks::Kept);

}  // namespace layout
