// SPDX-License-Identifier: LicenseRef-proprietary
#include "calculator_results.h"

#include "mod_math.h"
#include "number_text.h"
#include "spacing.h"

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

// Fills in the results step by step, so that a failure leaves those before it.
void computeInto(const Inputs &inputs, Results &results)
{
    const QChar point = inputs.decimalPoint;
    if (inputs.count > 0) {
        results.subtractEnabled = true;
        const float gap = spacing::gap(inputs.length, inputs.width, inputs.count);
        results.gap = gap;
        results.gapText = decimalText(gap, point);
        results.gapFraction = modMath::DecimalToFraction(gap, denominatorOf(inputs));
        const float outer = spacing::outerOnCentre(inputs.width, gap);
        results.outerOnCentre = outer;
        const float inner = spacing::innerOnCentre(inputs.width, gap);
        results.innerOnCentre = inner;
        results.outerText = decimalText(outer, point);
        results.outerFraction = modMath::DecimalToFraction(outer, denominatorOf(inputs));
        results.innerText = decimalText(inner, point);
        results.innerFraction = modMath::DecimalToFraction(inner, denominatorOf(inputs));
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
    // The comparison uses the gap as its text shows it, not the gap itself.
    const float shownGap = spacing::reReadGap(*results.gapText, point);
    results.addAndAutoEnabled = !spacing::gapWithinMaximum(inputs.maximumGap, shownGap);
}

}  // namespace

Results compute(const Inputs &inputs)
{
    Results results;
    try {
        computeInto(inputs, results);
    } catch (const RunTimeError &error) {
        results.failure = error;
    }
    return results;
}

}  // namespace calculator_results
