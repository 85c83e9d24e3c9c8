// SPDX-License-Identifier: LicenseRef-proprietary
#include "drawing_bytes.h"

#include <array>
#include <bit>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <utility>

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

constexpr char kDigitPairs[] = "00010203040506070809101112131415161718192021222324252627282930313233343536373839"
                               "40414243444546474849505152535455565758596061626364656667686970717273747576777879"
                               "8081828384858687888990919293949596979899";

__extension__ using Wide = unsigned __int128;

// `value` (under 10^8) as exactly eight digits, leading zeros included.
void writeEightDigits(char *out, std::uint32_t value)
{
    const std::uint32_t high = value / 10000;
    const std::uint32_t low = value % 10000;
    std::memcpy(out, &kDigitPairs[std::size_t(high / 100) * 2], 2);
    std::memcpy(out + 2, &kDigitPairs[std::size_t(high % 100) * 2], 2);
    std::memcpy(out + 4, &kDigitPairs[std::size_t(low / 100) * 2], 2);
    std::memcpy(out + 6, &kDigitPairs[std::size_t(low % 100) * 2], 2);
}

}  // namespace

DrawingBytes::DrawingBytes(PieceSink sink)
    : sink(std::move(sink)), piece(std::make_unique_for_overwrite<char[]>(kPiece)), end(piece.get()),
      limit(piece.get() + kPiece)
{
}

void DrawingBytes::handOn()
{
    const qsizetype size = end - piece.get();
    if (!refused && size > 0)
        refused = !sink(QByteArrayView(piece.get(), size));
    end = piece.get();
}

void DrawingBytes::spill(QByteArrayView text)
{
    handOn();
    if (text.size() <= kPiece) {
        std::memcpy(end, text.data(), size_t(text.size()));
        end += text.size();
    } else if (!refused) {
        refused = !sink(text);
    }
}

bool DrawingBytes::finish()
{
    handOn();
    return !refused;
}

void DrawingBytes::appendNonZero(double value)
{
    // Qt writes every NaN alike, where the library would keep its sign.
    if (std::isnan(value)) {
        append(QByteArrayView("nan"));
        return;
    }
    room(kLongestNumber);
    const auto bits = std::bit_cast<std::uint64_t>(value);
    for (const Recent &seen : recent) {
        if (seen.bits == bits) {
            std::memcpy(end, seen.text.data(), seen.text.size());
            end += seen.size;
            return;
        }
    }
    char *const start = end;
    if (appendShortNumber(value)) {
        Recent &kept = recent[nextRecent];
        nextRecent = (nextRecent + 1) % recent.size();
        kept.bits = bits;
        kept.size = end - start;
        std::memcpy(kept.text.data(), start, kept.text.size());
        return;
    }
    if (mayBeHalfway(value))
        append(QByteArray::number(value, 'g', 15));
    else
        end = std::to_chars(end, limit, value, std::chars_format::general, 15).ptr;
}

// A drawing's numbers lie between 10^-4 and 10^15, where they are written
// without an exponent: their 15 digits are found in whole numbers, exactly,
// far faster than the library's general formatting. False, having written
// nothing, for any other value and for one exactly halfway between two
// numbers of 15 digits, which the general formatting decides.
bool DrawingBytes::appendShortNumber(double value)
{
    const double magnitude = std::abs(value);
    if (!(magnitude >= 1e-4 && magnitude < 1e15))
        return false;
    const auto bits = std::bit_cast<std::uint64_t>(magnitude);
    const auto biased = int(bits >> 52);
    const std::uint64_t mantissa = (bits & ((std::uint64_t(1) << 52) - 1)) | (std::uint64_t(1) << 52);
    // magnitude = mantissa / 2^shift; shift lies between 3 and 66 here.
    const int shift = 1075 - biased;
    // The power of ten of the first digit: this or one more (78913 / 2^18 is just under log10(2)).
    int exponent = ((biased - 1023) * 78913) >> 18;
    constexpr std::uint64_t kFifteenDigits = 100'000'000'000'000;
    Wide scaled = 0;
    std::uint64_t digits = 0;
    for (;;) {
        scaled = Wide(mantissa) * kPowersOfTen[std::size_t(14 - exponent)];
        digits = std::uint64_t(scaled >> shift);
        if (digits < kFifteenDigits * 10)
            break;
        ++exponent;
    }
    // The bits below the last digit, moved to the top: half is the top bit alone.
    const Wide remainder = scaled << (128 - shift);
    constexpr Wide kHalf = Wide(1) << 127;
    if (remainder == kHalf)
        return false;
    if (remainder > kHalf && ++digits == kFifteenDigits * 10) {
        digits = kFifteenDigits;
        if (++exponent >= 15)
            return false;
    }

    // The 15 digits from text[1], zeros after them: every copy below is of
    // 16 bytes, whatever part of them counts.
    std::array<char, 32> text{};
    writeEightDigits(&text[0], std::uint32_t(digits / 100'000'000));
    writeEightDigits(&text[8], std::uint32_t(digits % 100'000'000));
    std::memset(&text[16], '0', 16);
    std::size_t last = 15;  // of the digits that count
    constexpr std::uint64_t kEightZeros = 0x3030303030303030;
    for (std::uint64_t eight = 0; last > 8; last -= 8) {
        std::memcpy(&eight, &text[last - 7], 8);
        if (eight != kEightZeros)
            break;
    }
    while (text[last] == '0')
        --last;

    char *out = end;
    *out = '-';
    out += value < 0 ? 1 : 0;
    if (exponent >= 0) {
        const auto whole = std::size_t(exponent) + 1;
        std::memcpy(out, &text[1], 16);
        out += whole;
        if (last > whole) {
            *out++ = '.';
            std::memcpy(out, &text[1 + whole], 16);
            out += last - whole;
        }
    } else {
        // "0." and up to three zeros; those past the value's are written over.
        std::memset(out, '0', 5);
        out[1] = '.';
        out += 2 + (-exponent - 1);
        std::memcpy(out, &text[1], 16);
        out += last;
    }
    end = out;
    return true;
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

PieceSink appendTo(QByteArray &bytes)
{
    return [&bytes](QByteArrayView piece) {
        bytes.append(piece);
        return true;
    };
}

void appendNumber(QByteArray &bytes, double value)
{
    DrawingBytes number(appendTo(bytes));
    number.appendNumber(value);
    number.finish();
}

}  // namespace exports
