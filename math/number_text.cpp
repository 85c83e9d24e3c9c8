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

QString trimmedAsciiZeros(QString digits)
{
    while (digits.size() > 1 && digits.endsWith(u'0'))
        digits.chop(1);
    return digits;
}

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
    char buffer[64];
    const auto result = std::to_chars(std::begin(buffer), std::end(buffer), value, std::chars_format::scientific,
                                      significantDigits - 1);
    const std::string scientific(buffer, result.ptr);
    const bool negative = scientific.front() == '-';
    const std::size_t ePos = scientific.find('e');
    QString digits;
    for (std::size_t i = negative ? 1 : 0; i < ePos; ++i)
        if (scientific[i] != '.')
            digits += QChar(scientific[i]);
    digits = trimmedAsciiZeros(digits);
    const int exponent = std::stoi(scientific.substr(ePos + 1));

    QString text = negative ? QStringLiteral("-") : QString();
    const int largestPlainExponent = significantDigits - 1;
    if (exponent < -4 || exponent > largestPlainExponent) {
        text += digits.front();
        if (digits.size() > 1)
            text += decimalPoint + digits.mid(1);
        text += exponent < 0 ? QStringLiteral("E-") : QStringLiteral("E+");
        text += QString::number(std::abs(exponent)).rightJustified(2, u'0');
    } else if (exponent < 0) {
        text += QStringLiteral("0") + decimalPoint + QString(-exponent - 1, u'0') + digits;
    } else if (digits.size() <= exponent + 1) {
        text += digits + QString(exponent + 1 - digits.size(), u'0');
    } else {
        text += digits.left(exponent + 1) + decimalPoint + digits.mid(exponent + 1);
    }
    return text;
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
