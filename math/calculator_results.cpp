// SPDX-License-Identifier: LicenseRef-proprietary
#include "calculator_results.h"

#include "mod_math.h"
#include "number_text.h"
#include "spacing.h"

#include <cmath>

namespace calculator_results {

namespace {

qint32 denominatorOf(const Inputs &inputs)
{
    if (!inputs.denominator)
        throw runtime_errors::invalidIndex();
    return *inputs.denominator;
}

QString decimalText(float value, QChar decimalPoint)
{
    return number_text::decimalText(double(value), number_text::kSingleDigits, decimalPoint);
}

enum class Detail {
    Everything,
    Values,  // no texts but the gap's, and that one only where it decides
};

// Where the gap is this far from the maximum, the gap as its 7-digit text
// re-reads (within a few parts in ten million of it) lies on the same side.
// Gaps too large for that reasoning always get their text.
std::optional<bool> clearlyAboveMaximum(float gap, float maximumGap)
{
    const auto g = double(gap);
    const auto margin = 1e-5 * std::abs(g) + 1e-30;
    if (!(std::abs(g) < 1e30))
        return std::nullopt;
    if (g + margin < double(maximumGap))
        return false;
    if (g - margin > double(maximumGap))
        return true;
    return std::nullopt;
}

// Fills in the results step by step, so that a failure leaves those before it.
void computeInto(const Inputs &inputs, Results &results, Detail detail)
{
    const QChar point = inputs.decimalPoint;
    const bool texts = detail == Detail::Everything;
    // Every step that can fail runs in either detail, in the window's order.
    const auto fraction = [&](float value) -> std::optional<QString> {
        if (texts)
            return modMath::DecimalToFraction(value, denominatorOf(inputs));
        modMath::CheckFractionArguments(value, denominatorOf(inputs));
        return std::nullopt;
    };
    const auto decimal = [&](float value) -> std::optional<QString> {
        return texts ? std::optional(decimalText(value, point)) : std::nullopt;
    };
    std::optional<bool> decided;
    if (inputs.count > 0) {
        results.subtractEnabled = true;
        const float gap = spacing::gap(inputs.length, inputs.width, inputs.count);
        results.gap = gap;
        if (!texts)
            decided = clearlyAboveMaximum(gap, inputs.maximumGap);
        if (!decided)
            results.gapText = decimalText(gap, point);
        results.gapFraction = fraction(gap);
        const float outer = spacing::outerOnCentre(inputs.width, gap);
        results.outerOnCentre = outer;
        const float inner = spacing::innerOnCentre(inputs.width, gap);
        results.innerOnCentre = inner;
        results.outerText = decimal(outer);
        results.outerFraction = fraction(outer);
        results.innerText = decimal(inner);
        results.innerFraction = fraction(inner);
    } else {
        results.subtractEnabled = false;
        results.gapText = decimalText(inputs.length, point);
        results.gapFraction = inputs.lengthText;
        const QString zero = QStringLiteral("0");
        results.outerText = zero;
        results.outerFraction = zero;
        results.innerText = zero;
        results.innerFraction = zero;
    }
    if (decided) {
        results.addAndAutoEnabled = *decided;
        return;
    }
    // The comparison uses the gap as its text shows it, not the gap itself.
    const float shownGap = spacing::reReadGap(*results.gapText, point);
    results.addAndAutoEnabled = !spacing::gapWithinMaximum(inputs.maximumGap, shownGap);
}

Results computeWith(const Inputs &inputs, Detail detail)
{
    Results results;
    try {
        computeInto(inputs, results, detail);
    } catch (const RunTimeError &error) {
        results.failure = error;
    }
    return results;
}

}  // namespace

Results compute(const Inputs &inputs)
{
    return computeWith(inputs, Detail::Everything);
}

Results computeValues(const Inputs &inputs)
{
    return computeWith(inputs, Detail::Values);
}

bool stopsCounting(const Inputs &inputs)
{
    const Results results = computeValues(inputs);
    return results.failure || !results.addAndAutoEnabled.value_or(false);
}

}  // namespace calculator_results
