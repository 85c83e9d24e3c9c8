// SPDX-License-Identifier: LicenseRef-proprietary
#include "mod_math.h"

#include "number_text.h"
#include "run_time_error.h"

#include <charconv>
#include <cmath>
#include <iterator>
#include <limits>

namespace modMath {

namespace {

// A piece of a fraction as a 32-bit integer: the whole piece must be a number
// in the user's locale; a fractional value is rounded halves-to-even.
// Nothing when the piece is empty, no number or out of range.
std::optional<qint32> integerConversion(const QString &piece)
{
    const std::optional<double> value = number_text::localeNumber(piece);
    if (!value)
        return std::nullopt;
    const double rounded = std::nearbyint(*value);  // the default mode rounds halves to even
    if (!(rounded >= std::numeric_limits<qint32>::min() && rounded <= std::numeric_limits<qint32>::max()))
        return std::nullopt;
    return static_cast<qint32>(rounded);
}

float decimalReading(const QString &text)
{
    const std::optional<double> value = number_text::localeNumber(text);
    if (!value)
        return 0;
    return number_text::toSingle(*value).value_or(0.0F);
}

QString trimmedOfSpaces(const QString &text)
{
    qsizetype first = 0;
    qsizetype last = text.size();
    while (first < last && text[first] == u' ')
        ++first;
    while (last > first && text[last - 1] == u' ')
        --last;
    return text.mid(first, last - first);
}

// k / d divided in double precision and rounded to single.
float increment(qint64 k, qint32 d)
{
    return static_cast<float>(double(k) / double(d));
}

// The numerator n in [0, d] of the increment nearest to the remainder r in
// [0, 1); an exact tie goes to the lower increment. This is the linear search
// over k = 0..d for the first k / d >= r, entered near its answer so that any
// denominator costs a few steps.
qint64 nearestNumerator(float r, qint32 d)
{
    qint64 k = std::max<qint64>(0, qint64(std::floor(double(r) * d)) - 1);
    while (k > 0 && increment(k - 1, d) >= r)
        --k;
    while (k < d && increment(k, d) < r)
        ++k;
    if (k == 0)
        return 0;
    const auto lower = static_cast<float>(double(r) - double(increment(k - 1, d)));
    const auto upper = static_cast<float>(double(increment(k, d)) - double(r));
    return lower <= upper ? k - 1 : k;
}

// The fraction text of a non-negative value whose whole part fits 32 bits.
QString magnitudeText(float magnitude, qint32 d)
{
    const auto whole = static_cast<qint64>(std::floor(magnitude));
    const float remainder = magnitude - static_cast<float>(whole);
    const qint64 n = nearestNumerator(remainder, d);
    if (n == 0)
        return QString::number(whole);
    if (n == d)
        return QString::number(whole + 1);
    const qint32 g = GreatestCommonDivisor(qint32(n), d);
    // "whole n/d" written in place: a sheet writes thousands of marks.
    char16_t text[64];
    int length = 0;
    const auto put = [&text, &length](qint64 number) {
        char digits[24] = {};
        const auto written = std::to_chars(std::begin(digits), std::end(digits), number);
        for (const char *digit = digits; digit < written.ptr; ++digit)
            text[length++] = char16_t(*digit);
    };
    if (whole > 0) {
        put(whole);
        text[length++] = u' ';
    }
    put(n / g);
    text[length++] = u'/';
    put(d / g);
    return QString(reinterpret_cast<const QChar *>(text), length);
}

}  // namespace

bool IsFraction(const QString &text)
{
    const qsizetype p = text.indexOf(u'/') + 1;  // 1-based; 0 when there is none
    return p > 0 && p < text.size();
}

float FractionToDecimal(const QString &text)
{
    if (!IsFraction(text))
        return decimalReading(text);

    const QString t = trimmedOfSpaces(text);
    const qsizetype p = t.indexOf(u' ') + 1;
    qint32 whole = 0;
    if (p > 0)
        whole = integerConversion(t.left(p - 1)).value_or(0);

    const QString f = t.mid(p);
    const qsizetype q = f.indexOf(u'/') + 1;
    qint32 numerator = 0;
    qint32 denominator = 0;
    if (q > 0) {
        numerator = integerConversion(f.left(q - 1)).value_or(0);
        denominator = integerConversion(f.mid(q)).value_or(0);
    } else {
        denominator = integerConversion(f).value_or(0);
    }
    if (denominator == 0)
        return 0;
    // A whole part plus a quotient of 32-bit integers always fits a single.
    return static_cast<float>(double(whole) + double(numerator) / double(denominator));
}

void CheckFractionArguments(const float &value, const qint32 &denominator)
{
    if (std::isnan(value) || denominator < 1)
        throw runtime_errors::invalidCall();
    const double whole = std::floor(double(value));
    if (whole < std::numeric_limits<qint32>::min() || whole > std::numeric_limits<qint32>::max())
        throw runtime_errors::overflow();
}

QString DecimalToFraction(const float &value, const qint32 &denominator)
{
    CheckFractionArguments(value, denominator);
    if (value >= 0)
        return magnitudeText(value, denominator);
    const QString text = magnitudeText(-value, denominator);
    return text == u"0" ? text : u'-' + text;
}

qint32 GreatestCommonDivisor(qint32 a, qint32 b)
{
    while (b != 0) {
        if (a == std::numeric_limits<qint32>::min() && b == -1)
            throw runtime_errors::overflow();
        const qint32 remainder = a % b;
        a = b;
        b = remainder;
    }
    return a;
}

}  // namespace modMath
