// SPDX-License-Identifier: LicenseRef-proprietary
// Reading measurement texts: any text a field can hold, in a locale with a
// decimal point and in one with a decimal comma.
#include "fuzz_input.h"
#include "mod_math.h"
#include "number_text.h"

#include <QLocale>

#include <cmath>

namespace {

void checkText(const QString &text)
{
    const float value = modMath::FractionToDecimal(text);
    fuzz::require(std::isfinite(value), "a measurement reads as a finite number", text);

    // Spaces around a fraction, or around a text without "/", never matter.
    // (Around "5/" they do: a trailing space makes it a fraction.)
    if (modMath::IsFraction(text) || !text.contains(u'/')) {
        const float padded = modMath::FractionToDecimal(QStringLiteral("  ") + text + u' ');
        fuzz::require(padded == value, "spaces around a measurement do not change it", text);
    }

    for (const QChar point : {QChar(u'.'), QChar(u',')}) {
        const double leading = number_text::leadingNumberValue(text, point);
        fuzz::require(std::isfinite(leading), "a leading number is finite", text);
    }

    // A text that is one number as a whole reads the same through both readers.
    const std::optional<double> whole = number_text::localeNumber(text);
    if (whole) {
        fuzz::require(std::isfinite(*whole), "a locale number is finite", text);
        const double leading = number_text::leadingNumberValue(text.trimmed(), number_text::localeDecimalPoint());
        fuzz::require(leading == *whole, "a whole number reads the same as a leading number", text);
    }
}

// Well-formed fractions of any 32-bit parts read as whole + numerator / denominator.
void checkWrittenFraction(qint32 whole, qint32 numerator, qint32 denominator)
{
    const auto expected = [&](double w) {
        return denominator == 0 ? 0.0F : static_cast<float>(w + double(numerator) / double(denominator));
    };
    const QString mixed = QStringLiteral("%1 %2/%3").arg(whole).arg(numerator).arg(denominator);
    fuzz::require(modMath::FractionToDecimal(mixed) == expected(whole), "a mixed number reads as its parts", mixed);
    const QString bare = QStringLiteral("%1/%2").arg(numerator).arg(denominator);
    fuzz::require(modMath::FractionToDecimal(bare) == expected(0), "a fraction reads as its parts", bare);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const QString texts[] = {fuzz::utf8Text(data, size), fuzz::utf16Text(data, size)};
    fuzz::Input input(data, size);
    const auto whole = input.take<qint32>();
    const auto numerator = input.take<qint32>();
    const auto denominator = input.take<qint32>();

    for (const QLocale &locale : {QLocale::c(), QLocale(QLocale::German, QLocale::Germany)}) {
        QLocale::setDefault(locale);
        for (const QString &text : texts)
            checkText(text);
        checkWrittenFraction(whole, numerator, denominator);
    }
    return 0;
}
