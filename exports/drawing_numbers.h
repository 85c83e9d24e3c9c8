// SPDX-License-Identifier: LicenseRef-proprietary
#pragma once

#include <QByteArray>
#include <QByteArrayView>

#include <algorithm>
#include <array>
#include <bit>
#include <cstdint>
#include <cstring>
#include <memory>
#include <vector>

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
    friend class KeptNumbers;

    std::array<char, kNumberRoom> text{};
    qsizetype size = 0;
    std::uint64_t heldBits = 0;
    bool held = false;
};

// The texts of the values one pass over a drawing writes, kept in order for
// a later pass that writes the same values in the same order: a railpin's
// left edge is written again as its label's x, and the labels follow every
// outline. 32 bytes a value, copied in a few moves where finding its text
// again costs some 140 instructions.
class KeptNumbers
{
public:
    // Keeps the value `number` holds, once set, and its text.
    void keep(const NumberText &number)
    {
        Q_ASSERT(number.held);
        if (count % kBlock == 0)
            addBlock();
        Kept &added = (*blocks.back())[count++ % kBlock];
        added.bits = number.heldBits;
        added.size = std::uint8_t(std::min<qsizetype>(number.size, kLongest + 1));
        std::memcpy(added.text.data(), number.text.data(), kLongest);
    }
    // Sets `number` to `value`: to the next kept text when it is that of the
    // same value, else as NumberText::set finds it. Values are taken in the
    // order they were kept, whether their text was or not.
    void setNext(NumberText &number, double value)
    {
        const std::size_t index = next++;
        const auto bits = std::bit_cast<std::uint64_t>(value);
        const Kept *const kept = index < count ? &(*blocks[index / kBlock])[index % kBlock] : nullptr;
        if (kept == nullptr || kept->bits != bits || kept->size > kLongest) {
            number.set(value);
            return;
        }
        std::memcpy(number.text.data(), kept->text.data(), kLongest);
        number.size = kept->size;
        number.heldBits = bits;
        number.held = true;
    }

private:
    static constexpr std::size_t kLongest = 23;  // every text writeNumber writes: 22 bytes at most
    struct Kept
    {
        std::uint64_t bits;
        std::array<char, kLongest> text;
        std::uint8_t size;  // over kLongest where the text was too long to keep
    };
    // In blocks that are never moved, as the kept values grow to millions.
    static constexpr std::size_t kBlock = 4096;
    std::vector<std::unique_ptr<std::array<Kept, kBlock>>> blocks;
    std::size_t count = 0;
    std::size_t next = 0;

    void addBlock();
};

}  // namespace exports
