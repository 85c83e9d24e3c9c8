// SPDX-License-Identifier: LicenseRef-proprietary
#include "drawing_numbers.h"

#include <QByteArray>

#include <charconv>
#include <cmath>

namespace exports {

namespace {

// 10^0 to 10^19, every one a whole 64-bit number.
constexpr std::array<std::uint64_t, 20> kPowersOfTen = [] {
    std::array<std::uint64_t, 20> powers{};
    std::uint64_t power = 1;
    for (std::uint64_t &entry : powers) {
        entry = power;
        power *= 10;
    }
    return powers;
}();

constexpr std::uint64_t kFifteenDigits = 100'000'000'000'000;  // 10^14, the least number of 15 digits

__extension__ using Wide = unsigned __int128;

// `value` (under 10^8) as eight digits, leading zeros included, the first in
// the lowest byte; each digit is 0 to 9, not yet a character. Four digits in
// each half, then two in each quarter, then one in each byte, each step a
// multiply that divides every part at once (exact for parts this small).
inline __attribute__((always_inline)) std::uint64_t eightDigits(std::uint32_t value)
{
    static_assert(std::endian::native == std::endian::little, "the digits are read in memory order");
    const std::uint64_t halves = value / 10000 | std::uint64_t(value % 10000) << 32;
    const std::uint64_t hundreds = (halves * 10486 >> 20) & 0x0000'007f'0000'007f;
    const std::uint64_t quarters = hundreds | (halves - hundreds * 100) << 16;
    const std::uint64_t tens = (quarters * 103 >> 10) & 0x000f'000f'000f'000f;
    return tens | (quarters - tens * 10) << 8;
}

// A drawing's numbers lie between 10^-4 and 10^15, where Qt writes them
// without an exponent: their 15 digits are found in whole numbers, exactly,
// far faster than the library's general formatting. Null, having written
// nothing, for any other value and for one exactly halfway between two
// numbers of 15 digits, which the general formatting decides.
char *writeShortNumber(char *out, double value)
{
    const double magnitude = std::abs(value);
    if (!(magnitude >= 1e-4 && magnitude < 1e15))
        return nullptr;
    const auto bits = std::bit_cast<std::uint64_t>(magnitude);
    const auto biased = int(bits >> 52);
    const std::uint64_t mantissa = (bits & ((std::uint64_t(1) << 52) - 1)) | (std::uint64_t(1) << 52);
    // magnitude = mantissa / 2^shift; shift lies between 3 and 66 here.
    const int shift = 1075 - biased;
    // The power of ten of the first digit: this or one more (78913 / 2^18 is
    // just under log10(2), and exact enough over this range).
    int exponent = ((biased - 1023) * 78913) >> 18;
    // The value's digits to 15 places after its first, if the first is at
    // `exponent`; 16 digits when it is one place further.
    const Wide scaled = Wide(mantissa) * kPowersOfTen[std::size_t(14 - exponent)];
    std::uint64_t digits = 0;
    bool up = false;
    bool exact = false;  // nothing below the digits
    bool halfway = false;
    if (shift < 64) {
        // The common case, in 64-bit halves: the digits fit in 64 bits.
        const auto high = std::uint64_t(scaled >> 64);
        const auto low = std::uint64_t(scaled);
        digits = high << (64 - shift) | low >> shift;
        const std::uint64_t below = low & ((std::uint64_t(1) << shift) - 1);
        const std::uint64_t half = std::uint64_t(1) << (shift - 1);
        up = below > half;
        exact = below == 0;
        halfway = below == half;
    } else {
        digits = std::uint64_t(scaled >> shift);
        const Wide below = scaled & ((Wide(1) << shift) - 1);
        const Wide half = Wide(1) << (shift - 1);
        up = below > half;
        exact = below == 0;
        halfway = below == half;
    }
    if (digits >= kFifteenDigits * 10) {
        // The 16th digit, and what lies below it, decide the rounding.
        ++exponent;
        const std::uint64_t last = digits % 10;
        digits /= 10;
        if (last == 5 && exact)
            return nullptr;
        up = last >= 5;
    } else if (digits < kFifteenDigits || halfway) {
        return nullptr;
    }
    if (up && ++digits == kFifteenDigits * 10) {
        digits = kFifteenDigits;
        if (++exponent >= 15)
            return nullptr;
    }

    // "0" and the 15 digits, then zeros: every copy below is of 16 bytes,
    // whatever part of them counts.
    const std::uint64_t high = eightDigits(std::uint32_t(digits / 100'000'000));
    const std::uint64_t low = eightDigits(std::uint32_t(digits % 100'000'000));
    constexpr std::uint64_t kZeros = 0x3030'3030'3030'3030;
    std::array<char, 32> text{};
    const std::array<std::uint64_t, 4> words{high | kZeros, low | kZeros, kZeros, kZeros};
    std::memcpy(text.data(), words.data(), text.size());
    const char *const first = text.data() + 1;
    // The digits that count: the last digit is in the top byte of `low`.
    const auto trailingZeros = std::size_t(low != 0 ? std::countl_zero(low) / 8 : 8 + std::countl_zero(high) / 8);
    const std::size_t significant = 15 - trailingZeros;

    *out = '-';
    out += value < 0 ? 1 : 0;
    if (exponent >= 0) {
        const auto whole = std::size_t(exponent) + 1;
        std::memcpy(out, first, 16);
        out += whole;
        if (significant > whole) {
            *out++ = '.';
            std::memcpy(out, first + whole, 16);
            out += significant - whole;
        }
    } else {
        // "0." and up to three zeros; those past the value's are written over.
        std::memset(out, '0', 5);
        out[1] = '.';
        out += 2 + (-exponent - 1);
        std::memcpy(out, first, 16);
        out += significant;
    }
    return out;
}

// Whether the value may lie exactly halfway between two numbers of 15
// significant digits, where Qt rounds up and the library rounds to even.
// Only a value written exactly with 16 digits, the last a 5, can: a binary
// fraction of k bits after the point has k decimals, a whole number none.
bool mayBeHalfway(double value)
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

}  // namespace

char *writeNumber(char *out, double value)
{
    // Qt writes a negative zero as 0, where the library would keep its sign;
    // a flipped 0 is common in a drawing.
    if (value == 0) {
        *out = '0';
        return out + 1;
    }
    if (char *const end = writeShortNumber(out, value))
        return end;
    // Qt writes every NaN alike, where the library would keep its sign.
    if (std::isnan(value)) {
        std::memcpy(out, "nan", 3);
        return out + 3;
    }
    if (mayBeHalfway(value)) {
        const QByteArray text = QByteArray::number(value, 'g', 15);
        std::memcpy(out, text.constData(), std::size_t(std::min(text.size(), kNumberRoom)));
        return out + std::min(text.size(), kNumberRoom);
    }
    return std::to_chars(out, out + kNumberRoom, value, std::chars_format::general, 15).ptr;
}

}  // namespace exports
