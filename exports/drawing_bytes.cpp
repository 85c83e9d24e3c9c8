// SPDX-License-Identifier: LicenseRef-proprietary
#include "drawing_bytes.h"

#include <charconv>
#include <cmath>

namespace exports {

void appendNumber(QByteArray &bytes, double value)
{
    // Qt writes every NaN alike and a negative zero as 0, where the library
    // would keep their signs; a flipped 0 is common in a drawing.
    if (std::isnan(value)) {
        bytes.append("nan", 3);
        return;
    }
    if (value == 0) {
        bytes.append('0');
        return;
    }
    char digits[32];
    const std::to_chars_result written =
        std::to_chars(std::begin(digits), std::end(digits), value, std::chars_format::general, 15);
    bytes.append(digits, written.ptr - std::begin(digits));
}

void appendNumber(QByteArray &bytes, int value)
{
    char digits[16];
    const std::to_chars_result written = std::to_chars(std::begin(digits), std::end(digits), value);
    bytes.append(digits, written.ptr - std::begin(digits));
}

}  // namespace exports
