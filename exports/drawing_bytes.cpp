// SPDX-License-Identifier: LicenseRef-proprietary
#include "drawing_bytes.h"

#include <charconv>
#include <utility>

namespace exports {

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

void DrawingBytes::appendNumber(int value)
{
    room(kLongestInteger);
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
