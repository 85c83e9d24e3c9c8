// SPDX-License-Identifier: LicenseRef-proprietary
#pragma once

#include <QByteArrayView>

#include <array>
#include <bit>
#include <cstdint>
#include <cstring>

// The numbers of a drawing file, as Qt writes them: a drawing of the largest
// job holds millions, most of them a railpin's edge or centre with all 15
// digits, so finding their text is most of the cost of writing the file.
namespace exports {

// The bytes writeNumber may write from where it starts: the text, and
// copies past its end that later bytes write over.
inline constexpr qsizetype kNumberRoom = 48;

// `value` at `out` as QByteArray::number(value, 'g', 15) writes it: 15
// significant digits, no trailing zeros, an exponent only for very large or
// very small values, a negative zero as 0 and every NaN alike. `out` has
// kNumberRoom bytes; returns the end of the text.
char *writeNumber(char *out, double value);

// A railpin's number at `out`, which has kCountRoom bytes, as std::to_chars
// writes it; returns its end. Most are under 10,000: those are spelt from
// pairs of digits, as there is one for every railpin.
inline constexpr qsizetype kCountRoom = 24;
char *writeCount(char *out, qint64 count);

// One value's text, found once and copied each time the value is written:
// a drawing writer knows which of its values repeat (a rectangle's left x at
// two corners, the same top for every railpin of a section).
class NumberText
{
public:
    // Holds `value`; its text is found again only when the value differs
    // from the one held. True when it did.
    bool set(double value)
    {
        const auto bits = std::bit_cast<std::uint64_t>(value);
        if (held && bits == heldBits)
            return false;
        size = writeNumber(text.data(), value) - text.data();
        heldBits = bits;
        held = true;
        return true;
    }
    // `value`'s text: that of `other` when it holds the value, else this
    // one's, set to it.
    const NumberText &setOrShare(const NumberText &other, double value)
    {
        if (other.held && std::bit_cast<std::uint64_t>(value) == other.heldBits)
            return other;
        set(value);
        return *this;
    }
    // Writes the text at `out`, which has kCopy bytes, and returns its end.
    char *copyTo(char *out) const
    {
        // A fixed size, so that the copy is a few moves and no call.
        std::memcpy(out, text.data(), kCopy);
        return out + size;
    }
    QByteArrayView view() const { return {text.data(), size}; }
    // The bytes copyTo writes: the longest text Qt writes, and more.
    static constexpr qsizetype kCopy = 32;

private:
    std::array<char, kNumberRoom> text{};
    qsizetype size = 0;
    std::uint64_t heldBits = 0;
    bool held = false;
};

}  // namespace exports
