// SPDX-License-Identifier: LicenseRef-proprietary
#include "drawing_bytes.h"

#include <algorithm>
#include <bit>
#include <charconv>
#include <cmath>
#include <cstdint>

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
    if (mayBeHalfway(value))
        append(QByteArray::number(value, 'g', 15));
    else
        end = std::to_chars(end, limit, value, std::chars_format::general, 15).ptr;
}

// Whether the value may lie exactly halfway between two numbers of 15
// significant digits, where Qt rounds up and the library rounds to even.
// Only a value written exactly with 16 digits, the last a 5, can: a binary
// fraction of k bits after the point has k decimals, a whole number none.
// Read from the value's bits, as this is asked of every number written.
bool DrawingBytes::mayBeHalfway(double value)
{
    const auto bits = std::bit_cast<std::uint64_t>(value);
    const auto biased = int((bits >> 52) & 0x7ff);
    if (biased == 0x7ff || biased == 0)
        return value != 0;  // infinite, not a number or subnormal: Qt decides
    const std::uint64_t mantissa = (bits & ((std::uint64_t(1) << 52) - 1)) | (std::uint64_t(1) << 52);
    // value = mantissa / 2^-binaryExponent, with the mantissa odd.
    const int binaryExponent = biased - 1075 + std::countr_zero(mantissa);
    if (binaryExponent >= 0)
        return std::abs(value) >= 1e15;  // a whole number of 16 digits or more
    // The decimal exponent is this or one more: 78913 / 2^18 is just under log10(2).
    const int decimalExponent = ((biased - 1023) * 78913) >> 18;
    // Significant digits: the decimals, and the whole digits or less the
    // zeros after the point.
    const int digits = decimalExponent + 1 - binaryExponent;
    return digits == 16 || digits + 1 == 16;
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
