// SPDX-License-Identifier: LicenseRef-proprietary
#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QStringView>

#include <array>
#include <cstdint>
#include <cstring>
#include <functional>
#include <memory>

// The bytes of a drawing file, gathered a piece at a time and handed on
// whole pieces: a drawing of the largest job holds millions of values, and a
// string made for each one, or the whole file held in memory, would cost
// more than the file itself.
namespace exports {

// Where a drawing's bytes go, a piece at a time: a file being written, an
// array. False refuses the piece (a failed write, a cancelled export), and
// the drawing stops there.
using PieceSink = std::function<bool(QByteArrayView piece)>;

class DrawingBytes
{
public:
    explicit DrawingBytes(PieceSink sink);

    void append(QByteArrayView text)
    {
        // An empty view may hold no pointer at all, which memcpy may not be given.
        if (text.isEmpty())
            return;
        if (text.size() > limit - end) {
            spill(text);
            return;
        }
        std::memcpy(end, text.data(), size_t(text.size()));
        end += text.size();
    }
    void append(char character)
    {
        room(1);
        *end++ = character;
    }
    // As QByteArray::number(value, 'g', 15) writes it: 15 significant digits,
    // no trailing zeros, an exponent only for very large or very small values.
    void appendNumber(double value)
    {
        // Qt writes a negative zero as 0, where the library would keep its
        // sign; a flipped 0 is common in a drawing.
        if (value == 0)
            append('0');
        else
            appendNonZero(value);
    }
    void appendNumber(int value);

    // Room for `size` bytes that the caller writes itself, from the pointer
    // given, then passes their end to wrote().
    char *claim(qsizetype size)
    {
        room(size);
        return end;
    }
    void wrote(char *to) { end = to; }

    // Hands on what is left; false when the sink refused any piece.
    bool finish();
    // Whether the sink refused a piece: what is appended then is dropped.
    bool stopped() const { return refused; }

    // A piece as handed on; a whole multiple of the disk's pages.
    static constexpr qsizetype kPiece = qsizetype{64} * 1024;

private:
    // A number's text, and the bytes its writing may fill past it.
    static constexpr qsizetype kLongestNumber = 48;

    void room(qsizetype size)
    {
        if (size > limit - end)
            handOn();
    }
    void handOn();
    void spill(QByteArrayView text);
    void appendNonZero(double value);
    bool appendShortNumber(double value);
    static bool mayBeHalfway(double value);

    // The last few numbers written, with their text: a drawing's numbers
    // repeat within a row (its top, its height, a line's x at both ends), and
    // copying the text again costs a fraction of finding it.
    struct Recent
    {
        std::uint64_t bits = 0;  // of the value; 0, never kept, marks an empty slot
        qsizetype size = 0;
        std::array<char, 24> text{};
    };
    std::array<Recent, 4> recent{};
    std::size_t nextRecent = 0;

    PieceSink sink;
    std::unique_ptr<char[]> piece;
    char *end = nullptr;  // where the next byte goes
    char *limit = nullptr;
    bool refused = false;
};

// Whether every character of `text` is printable ASCII, which every drawing
// carries as it is: most labels are, and skip the cleaning and encoding that
// other characters need.
inline bool plainAscii(QStringView text)
{
    for (const QChar character : text)
        if (character.unicode() < 0x20 || character.unicode() > 0x7e)
            return false;
    return true;
}

// The bytes a drawing writer hands on, gathered in one array.
PieceSink appendTo(QByteArray &bytes);

// One number as DrawingBytes writes it, for a test or a short value.
void appendNumber(QByteArray &bytes, double value);

}  // namespace exports
