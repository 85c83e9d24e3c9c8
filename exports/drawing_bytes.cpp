// SPDX-License-Identifier: LicenseRef-proprietary
#include "drawing_bytes.h"

#include <algorithm>
#include <charconv>
#include <cmath>

namespace exports {

DrawingBytes::DrawingBytes(qsizetype expected)
{
    bytes.resize(std::max<qsizetype>(expected, kLongestNumber));
    end = bytes.data();
    limit = end + bytes.size();
}

void DrawingBytes::grow(qsizetype size)
{
    const qsizetype used = end - bytes.data();
    bytes.resize(std::max(used + size, bytes.size() + bytes.size() / 2));
    end = bytes.data() + used;
    limit = bytes.data() + bytes.size();
}

void DrawingBytes::appendNumber(double value)
{
    // Qt writes every NaN alike and a negative zero as 0, where the library
    // would keep their signs; a flipped 0 is common in a drawing.
    if (std::isnan(value)) {
        append(QByteArrayView("nan"));
        return;
    }
    if (value == 0) {
        append('0');
        return;
    }
    room(kLongestNumber);
    end = std::to_chars(end, limit, value, std::chars_format::general, 15).ptr;
}

void DrawingBytes::appendNumber(int value)
{
    room(kLongestNumber);
    end = std::to_chars(end, limit, value).ptr;
}

QByteArray DrawingBytes::take() &&
{
    bytes.truncate(end - bytes.data());
    end = limit = nullptr;
    return std::move(bytes);
}

void appendNumber(QByteArray &bytes, double value)
{
    DrawingBytes number(0);
    number.appendNumber(value);
    bytes += std::move(number).take();
}

}  // namespace exports
