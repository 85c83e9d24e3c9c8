// SPDX-License-Identifier: LicenseRef-proprietary
#pragma once

#include <QByteArray>
#include <QByteArrayView>

#include <cstring>

// The bytes of a drawing file, written straight into one array: a drawing of
// the largest job holds millions of values, and a string made for each one,
// or an append that checks the array each time, would cost more than the
// file itself.
namespace exports {

class DrawingBytes
{
public:
    // `expected`: room for the whole file, reserved at once. Pages of it never
    // written take no memory; a file larger still makes the array grow.
    explicit DrawingBytes(qsizetype expected);

    void append(QByteArrayView text)
    {
        // An empty view may hold no pointer at all, which memcpy may not be given.
        if (text.isEmpty())
            return;
        room(text.size());
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
    void appendNumber(double value);
    void appendNumber(int value);

    QByteArray take() &&;

private:
    static constexpr qsizetype kLongestNumber = 32;

    void room(qsizetype size)
    {
        if (size > limit - end)
            grow(size);
    }
    void grow(qsizetype size);
    static bool mayBeHalfway(double value);

    QByteArray bytes;
    char *end = nullptr;  // where the next byte goes
    char *limit = nullptr;
};

// One number as DrawingBytes writes it, for a test or a short value.
void appendNumber(QByteArray &bytes, double value);

}  // namespace exports
