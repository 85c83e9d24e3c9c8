// SPDX-License-Identifier: LicenseRef-proprietary
#include "drawing_numbers.h"

#include <QByteArray>

#include <charconv>
#include <cmath>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

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

// `digits` (under 10^16) as its 16 digits, leading zeros included, at
// `text`, which has 32 bytes: zeros follow them. Returns how many of the 16
// are zeros at the end.
std::size_t writeSixteenDigits(char *text, std::uint64_t digits)
{
    const auto high = std::uint32_t(digits / 100'000'000);
    const auto low = std::uint32_t(digits % 100'000'000);
    std::memset(text + 16, '0', 16);
#if defined(__SSE2__)
    // Both halves at once, in 16-bit lanes: each half split into two parts
    // of four digits, each part spread over four lanes (times four, so that
    // each multiply keeps the bits it needs) and divided by 1000, 100, 10
    // and 1; each digit is then its lane less ten times the lane before.
    const __m128i halves = _mm_set_epi64x(low, high);
    const __m128i firstFour = _mm_srli_epi64(_mm_mul_epu32(halves, _mm_set1_epi32(int(0xd1b71759))), 45);
    const __m128i lastFour = _mm_sub_epi32(halves, _mm_mul_epu32(firstFour, _mm_set1_epi32(10000)));
    // [high's first four, high's last four, low's first four, low's last four], times four.
    const __m128i parts = _mm_slli_epi16(
        _mm_packs_epi32(_mm_unpacklo_epi32(_mm_shuffle_epi32(firstFour, 0x08), _mm_shuffle_epi32(lastFour, 0x08)),
                        _mm_setzero_si128()),
        2);
    const __m128i pairs = _mm_unpacklo_epi16(parts, parts);
    const __m128i divisors = _mm_set_epi16(-32768, 13108, 5243, 8389, -32768, 13108, 5243, 8389);
    const __m128i shifts = _mm_set_epi16(-32768, 1 << 13, 1 << 11, 1 << 7, -32768, 1 << 13, 1 << 11, 1 << 7);
    const auto spelt = [&](__m128i four) {
        const __m128i prefixes = _mm_mulhi_epu16(_mm_mulhi_epu16(four, divisors), shifts);
        return _mm_sub_epi16(prefixes, _mm_slli_epi64(_mm_mullo_epi16(prefixes, _mm_set1_epi16(10)), 16));
    };
    const __m128i spread =
        _mm_packus_epi16(spelt(_mm_unpacklo_epi32(pairs, pairs)), spelt(_mm_unpackhi_epi32(pairs, pairs)));
    _mm_storeu_si128(reinterpret_cast<__m128i *>(text), _mm_add_epi8(spread, _mm_set1_epi8('0')));
    const auto zeros = unsigned(_mm_movemask_epi8(_mm_cmpeq_epi8(spread, _mm_setzero_si128())));
    return std::size_t(std::countl_one(std::uint16_t(zeros)));
#else
    static_assert(std::endian::native == std::endian::little, "the digits are read in memory order");
    // Eight digits in a word, the first in its lowest byte: four in each
    // half, then two in each quarter, then one in each byte, each step a
    // multiply that divides every part at once (exact for parts this small).
    const auto eight = [](std::uint32_t value) {
        const std::uint64_t halves = value / 10000 | std::uint64_t(value % 10000) << 32;
        const std::uint64_t hundreds = (halves * 10486 >> 20) & 0x0000'007f'0000'007f;
        const std::uint64_t quarters = hundreds | (halves - hundreds * 100) << 16;
        const std::uint64_t tens = (quarters * 103 >> 10) & 0x000f'000f'000f'000f;
        return tens | (quarters - tens * 10) << 8;
    };
    const std::uint64_t first = eight(high);
    const std::uint64_t last = eight(low);
    constexpr std::uint64_t kZeros = 0x3030'3030'3030'3030;
    const std::array<std::uint64_t, 2> words{first | kZeros, last | kZeros};
    std::memcpy(text, words.data(), 16);
    // The last digit is in the top byte of `last`.
    if (last != 0)
        return std::size_t(std::countl_zero(last) / 8);
    return first != 0 ? std::size_t(8 + std::countl_zero(first) / 8) : 16;
#endif
}

// 10^-4 to 10^15 as doubles. Those under 1 are each just above the power
// they stand for, so that a value compares as at least one exactly when it
// is at least the power itself.
constexpr std::array<double, 20> kPowersAsDoubles = {1e-4, 1e-3, 1e-2, 1e-1, 1e0,  1e1,  1e2,  1e3,  1e4,  1e5,
                                                     1e6,  1e7,  1e8,  1e9,  1e10, 1e11, 1e12, 1e13, 1e14, 1e15};

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
    // The power of ten of the first digit: this or one more, as 78913 / 2^18
    // is just under log10(2) (and exact enough over this range).
    int exponent = ((biased - 1023) * 78913) >> 18;
    const int nextPower = exponent + 5;  // 10^(exponent + 1) in the table
    exponent += magnitude >= kPowersAsDoubles[std::size_t(nextPower)] ? 1 : 0;
    // The value times 10^(14 - exponent), which has 15 digits before its point.
    const Wide scaled = Wide(mantissa) * kPowersOfTen[std::size_t(14 - exponent)];
    std::uint64_t digits = 0;
    if (shift < 64) {
        // The common case, in 64-bit halves: the digits fit in 64 bits.
        const auto low = std::uint64_t(scaled);
        const std::uint64_t below = low & ((std::uint64_t(1) << shift) - 1);
        const std::uint64_t half = std::uint64_t(1) << (shift - 1);
        if (below == half)
            return nullptr;
        digits = (std::uint64_t(scaled >> 64) << (64 - shift) | low >> shift) + (below > half ? 1 : 0);
    } else {
        const Wide below = scaled & ((Wide(1) << shift) - 1);
        const Wide half = Wide(1) << (shift - 1);
        if (below == half)
            return nullptr;
        digits = std::uint64_t(scaled >> shift) + (below > half ? 1 : 0);
    }
    if (digits == kFifteenDigits * 10) {
        // Rounded up to the next power of ten.
        digits = kFifteenDigits;
        if (++exponent >= 15)
            return nullptr;
    }

    // "0" and the 15 digits, then zeros: every copy below is of 16 bytes,
    // whatever part of them counts.
    std::array<char, 32> text{};
    const std::size_t significant = 16 - writeSixteenDigits(text.data(), digits) - 1;
    const char *const first = text.data() + 1;

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

char *writeCount(char *out, qint64 count)
{
    if (count < 0 || count >= 10000)
        return std::to_chars(out, out + kCountRoom, count).ptr;
    static constexpr char kPairs[] = "00010203040506070809101112131415161718192021222324252627282930313233343536373839"
                                     "40414243444546474849505152535455565758596061626364656667686970717273747576777879"
                                     "8081828384858687888990919293949596979899";
    // Four digits, leading zeros included, then those zeros skipped. The
    // copy is always of four bytes, so the array has room past the digits
    // for a copy that starts after leading zeros.
    const auto value = std::uint32_t(count);
    std::array<char, 8> digits{};
    std::memcpy(digits.data(), &kPairs[std::size_t(value / 100) * 2], 2);
    std::memcpy(digits.data() + 2, &kPairs[std::size_t(value % 100) * 2], 2);
    const std::size_t length = value >= 1000 ? 4 : value >= 100 ? 3 : value >= 10 ? 2 : 1;
    std::memcpy(out, digits.data() + 4 - length, 4);
    return out + length;
}

char *writeNumber(char *out, double value)
{
    if (char *const end = writeShortNumber(out, value))
        return end;
    // Qt writes a negative zero as 0, where the library would keep its sign;
    // a flipped 0 is common in a drawing.
    if (value == 0) {
        *out = '0';
        return out + 1;
    }
    // Qt writes every NaN alike, where the library would keep its sign.
    if (std::isnan(value)) {
        out[0] = 'n';
        out[1] = 'a';
        out[2] = 'n';
        return out + 3;
    }
    if (mayBeHalfway(value)) {
        const QByteArray text = QByteArray::number(value, 'g', 15);
        std::memcpy(out, text.constData(), std::size_t(std::min(text.size(), kNumberRoom)));
        return out + std::min(text.size(), kNumberRoom);
    }
    return std::to_chars(out, out + kNumberRoom, value, std::chars_format::general, 15).ptr;
}

void KeptNumbers::addBlock()
{
    blocks.push_back(std::make_unique_for_overwrite<std::array<Kept, kBlock>>());
}

}  // namespace exports
