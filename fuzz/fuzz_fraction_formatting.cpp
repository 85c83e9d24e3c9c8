// SPDX-License-Identifier: LicenseRef-proprietary
// Writing inches as fraction text: every float bit pattern (NaN, infinities,
// denormals) against every 32-bit denominator, and the exact rounding at the
// increments the window offers.
#include "fuzz_input.h"
#include "mod_math.h"
#include "run_time_error.h"

#include <QLocale>
#include <QRegularExpression>

#include <cmath>
#include <limits>
#include <numeric>

namespace {

constexpr double kSmallestWhole = std::numeric_limits<qint32>::min();
constexpr double kLargestWhole = std::numeric_limits<qint32>::max();

// A fraction text taken apart: sign, whole, numerator / denominator.
struct Written
{
    bool negative = false;
    qint64 whole = 0;
    qint64 numerator = 0;
    qint64 denominator = 1;
};

// Parses "3", "-3", "1 3/8", "-1 3/8", "3/8" or "-3/8"; any other shape
// (a "0 " before a fraction, "-0", a fraction that is not proper and reduced,
// spaces or signs elsewhere) violates the format.
Written parseWritten(const QString &text)
{
    static const QRegularExpression shape(QStringLiteral("^(-)?(?:(\\d+)|(?:([1-9]\\d*) )?([1-9]\\d*)/([1-9]\\d*))$"));
    const QRegularExpressionMatch match = shape.match(text);
    fuzz::require(match.hasMatch(), "fraction text has the form \"w\", \"w n/d\" or \"n/d\"", text);
    Written written;
    written.negative = match.hasCaptured(1);
    if (match.hasCaptured(2)) {
        written.whole = match.captured(2).toLongLong();
    } else {
        written.whole = match.hasCaptured(3) ? match.captured(3).toLongLong() : 0;
        written.numerator = match.captured(4).toLongLong();
        written.denominator = match.captured(5).toLongLong();
        fuzz::require(written.numerator < written.denominator, "the fraction is proper", text);
        fuzz::require(std::gcd(written.numerator, written.denominator) == 1, "the fraction is in lowest terms", text);
    }
    fuzz::require(!(written.negative && written.whole == 0 && written.numerator == 0), "zero has no sign", text);
    return written;
}

void checkAnyDenominator(float value, qint32 denominator)
{
    const double whole = std::floor(double(value));
    const bool writable = !std::isnan(value) && denominator >= 1 && whole >= kSmallestWhole && whole <= kLargestWhole;
    const QString detail = QStringLiteral("%1 at %2").arg(double(value), 0, 'g', 9).arg(denominator);
    QString text;
    try {
        text = modMath::DecimalToFraction(value, denominator);
    } catch (const RunTimeError &error) {
        fuzz::require(!writable, "a writable value is written", detail);
        const bool invalid = std::isnan(value) || denominator < 1;
        fuzz::require(error.number == (invalid ? runtime_errors::kInvalidCall : runtime_errors::kOverflow),
                      "the error names the cause", detail);
        return;
    }
    fuzz::require(writable, "an unwritable value fails", detail + QStringLiteral(" gave ") + text);

    const Written written = parseWritten(text);
    fuzz::require(denominator % written.denominator == 0, "the fraction is in the given increments", detail + text);
    fuzz::require(written.negative == (value < 0) || text == u"0", "the sign is the value's", detail + text);
    // Each single-precision step may round, so "nearest" holds here only to
    // within a few units of the remainder's last place.
    const double magnitude = std::abs(double(value));
    const double distance =
        std::abs(double(written.whole) - magnitude + double(written.numerator) / double(written.denominator));
    fuzz::require(distance <= 0.5 / denominator + 0x1p-22, "the text is the nearest increment", detail + text);
}

// At 4, 8, 16 and 32 every step is exact: the text is the nearest increment,
// ties to the lower, and the non-negative ones read back to exactly that.
void checkWindowDenominator(float value, qint32 denominator)
{
    const double magnitude = std::abs(double(value));
    const double whole = std::floor(magnitude);
    if (!std::isfinite(value) || std::floor(double(value)) < kSmallestWhole ||
        std::floor(double(value)) > kLargestWhole)
        return;
    const double scaled = (magnitude - whole) * denominator;  // exact: a power of two times a float
    const double below = std::floor(scaled);
    const auto numerator = qint64(scaled - below > 0.5 ? below + 1 : below);

    const QString text = modMath::DecimalToFraction(value, denominator);
    const QString detail = QStringLiteral("%1 at %2 gave %3").arg(double(value), 0, 'g', 9).arg(denominator).arg(text);
    const Written written = parseWritten(text);
    const qint64 expected = qint64(whole) * denominator + numerator;
    const qint64 actual = written.whole * denominator + written.numerator * (denominator / written.denominator);
    fuzz::require(actual == expected, "the text is the nearest increment, ties to the lower", detail);
    if (value >= 0) {
        const auto rounded = static_cast<float>(whole + double(numerator) / denominator);
        fuzz::require(modMath::FractionToDecimal(text) == rounded, "the text reads back to the rounded value", detail);
    }
}

void checkGreatestCommonDivisor(qint32 a, qint32 b)
{
    const QString detail = QStringLiteral("gcd(%1, %2)").arg(a).arg(b);
    const bool overflows =
        (a == std::numeric_limits<qint32>::min() && b == -1) || (a == -1 && b == std::numeric_limits<qint32>::min());
    qint32 divisor = 0;
    try {
        divisor = modMath::GreatestCommonDivisor(a, b);
    } catch (const RunTimeError &error) {
        fuzz::require(overflows && error.number == runtime_errors::kOverflow, "only the overflowing pair fails",
                      detail);
        return;
    }
    fuzz::require(!overflows, "the overflowing pair fails", detail);
    fuzz::require(std::abs(qint64(divisor)) == std::gcd(qint64(a), qint64(b)), "the divisor is the greatest", detail);
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int *, char ***)
{
    QLocale::setDefault(QLocale::c());
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    fuzz::Input input(data, size);
    const auto value = input.take<float>();
    const auto denominator = input.take<qint32>();
    const auto windowDenominator = qint32(4) << (input.take<std::uint8_t>() % 4);

    checkAnyDenominator(value, denominator);
    checkWindowDenominator(value, windowDenominator);

    fuzz::Input pair(data, size);
    const auto a = pair.take<qint32>();
    checkGreatestCommonDivisor(a, pair.take<qint32>());
    return 0;
}
