// SPDX-License-Identifier: LicenseRef-proprietary
#include "number_text.h"

#include <QLocale>

#include <charconv>
#include <cmath>
#include <limits>
#include <string>
#include <system_error>

namespace number_text {

namespace {

bool isAsciiDigit(QChar c)
{
    return c >= u'0' && c <= u'9';
}

// Parses the C-locale text that the scanners below build. Out-of-range
// values (overflow, and underflow below the smallest double) give nothing.
std::optional<double> parseScanned(const std::string &scanned)
{
    double value = 0;
    const char *first = scanned.data();
    const char *last = first + scanned.size();
    if (first != last && *first == '+')
        ++first;
    const auto [end, error] = std::from_chars(first, last, value, std::chars_format::general);
    if (error != std::errc{} || end != last)
        return std::nullopt;
    return value;
}

// Collects a number's characters from text[pos...] into C-locale form.
// With skipBlanks, blanks between the characters are passed over (the
// leading-number reading); without, the number must be contiguous.
struct NumberScanner
{
    const QString &text;
    QChar decimalPoint;
    bool skipBlanks;
    qsizetype pos = 0;

    static bool isBlank(QChar c) { return c == u' ' || c == u'\t' || c == u'\n'; }

    QChar peek()
    {
        if (skipBlanks)
            while (pos < text.size() && isBlank(text[pos]))
                ++pos;
        return pos < text.size() ? text[pos] : QChar();
    }

    // Returns the scanned number, or an empty string when no digit was found.
    std::string scan(const QString &minusSigns, const QString &plusSigns)
    {
        std::string out;
        const QChar first = peek();
        if (!first.isNull() && minusSigns.contains(first)) {
            out += '-';
            ++pos;
        } else if (!first.isNull() && plusSigns.contains(first)) {
            ++pos;
        }
        bool seenDigit = false;
        bool seenPoint = false;
        for (QChar c = peek(); !c.isNull(); c = peek()) {
            if (isAsciiDigit(c)) {
                out += char(c.unicode());
                seenDigit = true;
            } else if (c == decimalPoint && !seenPoint) {
                out += '.';
                seenPoint = true;
            } else {
                break;
            }
            ++pos;
        }
        if (!seenDigit)
            return {};
        scanExponent(out);
        return out;
    }

    // An exponent counts only when at least one digit follows "E" and its sign.
    void scanExponent(std::string &out)
    {
        const qsizetype start = pos;
        const QChar e = peek();
        if (e != u'E' && e != u'e')
            return;
        ++pos;
        std::string exponent = "e";
        const QChar sign = peek();
        if (sign == u'-' || sign == u'+') {
            exponent += char(sign.unicode());
            ++pos;
        }
        bool seenDigit = false;
        for (QChar c = peek(); isAsciiDigit(c); c = peek()) {
            exponent += char(c.unicode());
            seenDigit = true;
            ++pos;
        }
        if (seenDigit)
            out += exponent;
        else
            pos = start;
    }
};

}  // namespace

QString decimalText(float value)
{
    return decimalText(double(value), kSingleDigits, localeDecimalPoint());
}

QString decimalText(double value)
{
    return decimalText(value, kDoubleDigits, localeDecimalPoint());
}

QString decimalText(double value, int significantDigits, QChar decimalPoint)
{
    if (value == 0)
        return QStringLiteral("0");  // also for -0: a field never shows "-0"
    if (std::isnan(value))
        return QStringLiteral("NaN");
    if (std::isinf(value))
        return value < 0 ? QStringLiteral("-Infinity") : QStringLiteral("Infinity");

    // Scientific form gives the correctly rounded significant digits and the
    // exponent of the rounded number ("9.999999e+06" vs "1.000000e+07").
    // A sheet writes thousands of these: the text is made in place.
    char buffer[64];
    const auto result = std::to_chars(std::begin(buffer), std::end(buffer), value, std::chars_format::scientific,
                                      significantDigits - 1);
    const char *at = buffer;
    const bool negative = *at == '-';
    if (negative)
        ++at;
    char digits[64]{};  // zeroed, so that no path can read a digit to_chars did not write
    int count = 0;
    for (; at < result.ptr && *at != 'e'; ++at) {
        if (*at != '.')
            digits[count++] = *at;
    }
    while (count > 1 && digits[count - 1] == '0')
        --count;
    int exponent = 0;
    const char *power = at + 1;
    if (power < result.ptr && *power == '+')
        ++power;
    std::from_chars(power, result.ptr, exponent);

    char16_t text[160];
    int length = 0;
    const auto put = [&text, &length](char16_t character) { text[length++] = character; };
    const auto putDigits = [&](int from, int to) {
        for (int index = from; index < to; ++index)
            put(char16_t(digits[index]));
    };
    if (negative)
        put(u'-');
    const int largestPlainExponent = significantDigits - 1;
    if (exponent < -4 || exponent > largestPlainExponent) {
        putDigits(0, 1);
        if (count > 1) {
            put(decimalPoint.unicode());
            putDigits(1, count);
        }
        put(u'E');
        put(exponent < 0 ? u'-' : u'+');
        const int magnitude = std::abs(exponent);
        if (magnitude >= 100)
            put(char16_t(u'0' + magnitude / 100));
        put(char16_t(u'0' + magnitude / 10 % 10));
        put(char16_t(u'0' + magnitude % 10));
    } else if (exponent < 0) {
        put(u'0');
        put(decimalPoint.unicode());
        for (int zero = 0; zero < -exponent - 1; ++zero)
            put(u'0');
        putDigits(0, count);
    } else if (count <= exponent + 1) {
        putDigits(0, count);
        for (int zero = 0; zero < exponent + 1 - count; ++zero)
            put(u'0');
    } else {
        putDigits(0, exponent + 1);
        put(decimalPoint.unicode());
        putDigits(exponent + 1, count);
    }
    return QString(reinterpret_cast<const QChar *>(text), length);
}

double leadingNumberValue(const QString &text, QChar decimalPoint)
{
    NumberScanner scanner{text, decimalPoint, true};
    const std::string scanned = scanner.scan(QStringLiteral("-"), QStringLiteral("+"));
    if (scanned.empty())
        return 0;
    return parseScanned(scanned).value_or(0);
}

std::optional<double> localeNumber(const QString &text)
{
    const QLocale locale;
    const QString trimmed = text.trimmed();
    NumberScanner scanner{trimmed, localeDecimalPoint(), false};
    const std::string scanned =
        scanner.scan(QStringLiteral("-") + locale.negativeSign(), QStringLiteral("+") + locale.positiveSign());
    if (scanned.empty() || scanner.pos != trimmed.size())
        return std::nullopt;
    return parseScanned(scanned);
}

std::optional<float> toSingle(double value)
{
    if (std::isnan(value))
        return std::nullopt;
    // Beyond this the nearest single is infinity: FLT_MAX plus half its ulp.
    constexpr double kOverflowThreshold = 0x1.ffffffp127;
    if (std::abs(value) >= kOverflowThreshold)
        return std::nullopt;
    if (std::abs(value) > double(std::numeric_limits<float>::max()))
        return value < 0 ? -std::numeric_limits<float>::max() : std::numeric_limits<float>::max();
    return static_cast<float>(value);
}

}  // namespace number_text
