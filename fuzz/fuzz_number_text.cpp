// SPDX-License-Identifier: LicenseRef-proprietary
// Number texts as the fields show them and read them back: every float and
// double bit pattern, with a decimal point and with a decimal comma.
#include "fuzz_input.h"
#include "number_text.h"

#include <QLocale>
#include <QRegularExpression>

#include <cmath>
#include <cstdlib>

namespace {

// The value a correct rounding to this many significant digits reads as,
// worked out by the C library instead of the code under test.
double roundedBySignificantDigits(double value, int digits)
{
    char buffer[64];
    std::snprintf(buffer, sizeof buffer, "%.*e", digits - 1, value);
    return std::strtod(buffer, nullptr);
}

void checkRoundTrip(double value, int digits, QChar point)
{
    const QString text = number_text::decimalText(value, digits, point);
    const QString detail = QStringLiteral("%1 with %2 digits gave %3").arg(value, 0, 'g', 17).arg(digits).arg(text);
    if (!std::isfinite(value))
        return;
    static const QRegularExpression shapes[] = {
        QRegularExpression(QStringLiteral("^-?(0|[1-9]\\d*)(\\.\\d*[1-9])?$")),
        QRegularExpression(QStringLiteral("^-?[1-9](\\.\\d*[1-9])?E[-+]\\d{2,3}$")),
    };
    const QString dotted = QString(text).replace(point, u'.');
    const bool shaped = !text.contains(u'.') || point == u'.';
    fuzz::require(shaped && (shapes[0].match(dotted).hasMatch() || shapes[1].match(dotted).hasMatch()),
                  "a number text is plain digits or exponent form", detail);
    fuzz::require(dotted.size() <= digits + 7, "a number text is short", detail);

    // Near the largest double the rounded text can lie beyond double range.
    const double rounded = roundedBySignificantDigits(value, digits);
    if (!std::isfinite(rounded))
        return;
    const double reRead = number_text::leadingNumberValue(text, point);
    fuzz::require(reRead == rounded, "the text reads back as the value rounded to its significant digits", detail);
}

void checkSingle(float value)
{
    checkRoundTrip(double(value), number_text::kSingleDigits, u'.');
    checkRoundTrip(double(value), number_text::kSingleDigits, u',');

    // What Calculate does: show the gap in the locale, then re-read it.
    const QString shown = number_text::decimalText(value);
    if (!std::isfinite(value))
        return;
    const double reRead = number_text::leadingNumberValue(shown, number_text::localeDecimalPoint());
    const std::optional<float> single = number_text::toSingle(reRead);
    const QString detail = QStringLiteral("%1 shown as %2").arg(double(value), 0, 'g', 9).arg(shown);
    fuzz::require(single.has_value(), "a shown single re-reads within single range", detail);
    // Seven significant digits: half a unit of the seventh digit, plus the
    // final rounding to single precision.
    const double magnitude = std::abs(double(value));
    const double halfUnit = magnitude == 0 ? 0 : 0.5 * std::pow(10.0, std::floor(std::log10(magnitude)) - 6);
    const double singleStep = std::abs(double(std::nextafter(*single, INFINITY)) - double(*single));
    fuzz::require(std::abs(double(*single) - double(value)) <= halfUnit * (1 + 1e-9) + singleStep,
                  "a shown single re-reads within seven significant digits", detail);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    fuzz::Input input(data, size);
    const auto bits = input.take<double>();
    fuzz::Input again(data, size);
    const auto single = again.take<float>();

    for (const QLocale &locale : {QLocale::c(), QLocale(QLocale::German, QLocale::Germany)}) {
        QLocale::setDefault(locale);
        checkSingle(single);
    }
    checkRoundTrip(bits, number_text::kDoubleDigits, u'.');
    checkRoundTrip(double(single), number_text::kDoubleDigits, u',');
    return 0;
}
