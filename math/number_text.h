// SPDX-License-Identifier: LicenseRef-proprietary
#pragma once

#include <QLocale>
#include <QString>

#include <optional>

// How numbers become field texts and field texts become numbers.
namespace number_text {

inline constexpr int kSingleDigits = 7;
inline constexpr int kDoubleDigits = 15;

// A number as a field shows it: rounded to 7 significant digits for single
// precision and 15 for double, plain positional form without trailing zeros,
// or exponent form ("1E-05", "1.234568E+07") for very small or large values.
// The decimal separator is the one of the user's locale (QLocale()).
QString decimalText(float value);
QString decimalText(double value);

// The same, with an explicit decimal separator; the one-locale-free core.
QString decimalText(double value, int significantDigits, QChar decimalPoint);

// Reads as much of the text as forms a number: blanks anywhere are skipped,
// then an optional sign, digits with at most one decimal point and an optional
// exponent. Returns 0 when the text does not begin with a number, or when the
// number lies beyond double range. Never fails.
double leadingNumberValue(const QString &text, QChar decimalPoint = u'.');

// The whole text as one number in the user's locale: spaces around it, a sign,
// digits with the locale's decimal separator, an exponent. Anything else
// (grouping separators, currency signs, "inf", hexadecimal) is no number.
std::optional<double> localeNumber(const QString &text);

// The decimal separator of the user's locale; "." for a locale that has none.
// Every window and the command line take it from here.
inline QChar localeDecimalPoint()
{
    const QString point = QLocale().decimalPoint();
    return point.isEmpty() ? QChar(u'.') : point.front();
}

// The double rounded to the nearest single, or nothing when it lies beyond
// the single-precision range or is not a number.
std::optional<float> toSingle(double value);

}  // namespace number_text
