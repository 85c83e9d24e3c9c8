// SPDX-License-Identifier: LicenseRef-proprietary
#pragma once

#include "drawing_numbers.h"

#include <QByteArray>
#include <QByteArrayView>
#include <QStringView>

#include <cstring>
#include <functional>
#include <initializer_list>
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
    // As QByteArray::number(value, 'g', 15) writes it (see writeNumber).
    void appendNumber(double value)
    {
        room(kNumberRoom);
        end = writeNumber(end, value);
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
    // An integer's text, at most.
    static constexpr qsizetype kLongestInteger = 24;

    void room(qsizetype size)
    {
        if (size > limit - end)
            handOn();
    }
    void handOn();
    void spill(QByteArrayView text);

    PieceSink sink;
    std::unique_ptr<char[]> piece;
    char *end = nullptr;  // where the next byte goes
    char *limit = nullptr;
    bool refused = false;
};

// Bytes of a format that always come together, the same each time (the
// text between two values of an entity, naming its layer), copied whole in
// blocks of a fixed size rather than a byte or a call at a time.
class ByteRun
{
public:
    ByteRun() = default;
    explicit ByteRun(QByteArrayView text) { assign({text}); }
    // The run of `pieces` one after the other; its memory is kept, as a run
    // holding a value that changes (a row's top) is made again each time.
    void assign(std::initializer_list<QByteArrayView> pieces)
    {
        bytes.resize(0);
        for (const QByteArrayView piece : pieces)
            bytes.append(piece);
        length = bytes.size();
        bytes.append(kBlock, '\0');  // what the last block copies past the run
    }
    // Writes the run at `out`, which has room for size() + kBlock bytes
    // (those past the run are written over later), and returns its end.
    char *copyTo(char *out) const
    {
        // Read once: the bytes written could alias the members, as far as
        // the compiler knows.
        const char *from = bytes.constData();
        const qsizetype size = length;
        for (qsizetype at = 0; at < size; at += kBlock)
            std::memcpy(out + at, from + at, kBlock);
        return out + size;
    }
    qsizetype size() const { return length; }

    static constexpr qsizetype kBlock = 16;

private:
    QByteArray bytes;
    qsizetype length = 0;
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
