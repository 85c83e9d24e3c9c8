// SPDX-License-Identifier: LicenseRef-proprietary
#pragma once

#include <QString>

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace fuzz {

// Takes typed values off the front of libFuzzer's input. Bytes past its end
// read as zero, so every input, however short, gives a full set of values.
class Input
{
public:
    Input(const std::uint8_t *data, std::size_t size) : next(data), left(size) {}

    template <typename T> T take()
    {
        unsigned char bytes[sizeof(T)] = {};
        const std::size_t count = std::min(sizeof(T), left);
        if (count > 0)
            std::memcpy(bytes, next, count);
        next += count;
        left -= count;
        T value;
        std::memcpy(&value, bytes, sizeof(T));
        return value;
    }

private:
    const std::uint8_t *next;
    std::size_t left;
};

// The input as text, decoded both ways a field could receive it.
inline QString utf8Text(const std::uint8_t *data, std::size_t size)
{
    return QString::fromUtf8(reinterpret_cast<const char *>(data), qsizetype(size));
}

inline QString utf16Text(const std::uint8_t *data, std::size_t size)
{
    QString text(qsizetype(size / 2), Qt::Uninitialized);
    if (size >= 2)
        std::memcpy(text.data(), data, (size / 2) * 2);
    return text;
}

// A property that does not hold ends the run: libFuzzer then keeps the input
// and shows this message with the stack.
inline void require(bool holds, const char *property, const QString &detail = {})
{
    if (holds)
        return;
    std::fprintf(stderr, "\nproperty violated: %s\n%s\n", property, qUtf8Printable(detail));
    std::abort();
}

}  // namespace fuzz
