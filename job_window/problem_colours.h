// SPDX-License-Identifier: LicenseRef-proprietary
#pragma once

#include <QColor>

// How a cell or field whose text cannot be read is shown: dark red on light
// red, a contrast of about 7 to 1.
namespace problem_colours {

inline const QColor kText(0xA0, 0x00, 0x00);
inline const QColor kBackground(0xFF, 0xE5, 0xE5);

}  // namespace problem_colours
