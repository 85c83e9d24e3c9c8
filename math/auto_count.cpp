// SPDX-License-Identifier: LicenseRef-proprietary
#include "auto_count.h"

#include "calculator_results.h"
#include "number_text.h"
#include "run_time_error.h"
#include "spacing.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <optional>

namespace auto_count {

namespace {

// The first count whose exact gap could round to a single beyond
// notStopping, on the side the gap moves towards. The double gap of a count
// lies within a few units in its last place of the exact gap, so such a
// count's exact gap is within that rounding of the midpoint between
// notStopping and the next single; nothing when no count's can be.
std::optional<qint64> firstCountThatCouldPass(const Inputs &inputs, float notStopping, bool shrinking)
{
    const auto length = double(inputs.length);
    const auto width = double(inputs.width);
    constexpr float kInfinity = std::numeric_limits<float>::infinity();
    const float beyond = std::nextafter(notStopping, shrinking ? -kInfinity : kInfinity);
    const double midpoint = (double(notStopping) + double(beyond)) / 2;
    // The rounding of L - W * n, of the division and of the gap itself, with
    // room to spare; the last term covers gaps so small that they lose digits.
    constexpr double kUnit = 0x1p-53;
    const double rounding = 8 * kUnit * (std::abs(width) + std::abs(midpoint)) + 1e-300;
    // Exact gap + W = (L + W) / (n + 1): the band starts where that is
    // within the rounding of midpoint + W, on the far side from -W.
    const double reach = (shrinking ? midpoint + width : -(midpoint + width)) + rounding;
    if (!(reach > 0))
        return std::nullopt;  // the band lies beyond the limit that every gap stays short of
    // The quotient is off by well under a count for counts up to the largest,
    // and those are exact in both qint64 and double.
    return static_cast<qint64>(std::max(1.0, std::floor(std::abs(length + width) / reach) - 2));
}

// Where neighbouring counts' exact gaps differ by less than the rounding of
// the double gap, the single gap, and with it whether a count stops, can turn
// back and forth. The binary search below then lands on a count that stops
// after one that does not, but an earlier count may stop too: every count
// from where one could is checked, in order.
double firstStopBelow(const Inputs &inputs, double found)
{
    const bool shrinking = double(inputs.length) + double(inputs.width) > 0;  // towards -W from above
    float notStopping = 0;
    try {
        notStopping = spacing::gap(inputs.length, inputs.width, found - 1);
    } catch (const RunTimeError &) {
        return found;  // a failing count before it would have stopped the counting
    }
    const std::optional<qint64> first = firstCountThatCouldPass(inputs, notStopping, shrinking);
    if (!first)
        return found;
    const auto last = static_cast<qint64>(found) - 2;
    for (qint64 count = *first; count <= last; ++count) {
        try {
            const float gap = spacing::gap(inputs.length, inputs.width, double(count));
            if (shrinking ? gap >= notStopping : gap <= notStopping)
                continue;
        } catch (const RunTimeError &) {
            // a failing recalculation stops the counting: stopsAt says so
        }
        if (stopsAt(inputs, double(count)))
            return double(count);
    }
    return found;
}

// Where every measurement is an everyday positive one, the gaps of the
// counts up to this one differ from their neighbours' by far more than any
// rounding, and each shows as a plain decimal: whether a count stops the
// counting then changes once, from no to yes, with no failure before it.
constexpr double kPlainLimit = 1'000'000;

// The count the gap formula gives, taken when it stops the counting and the
// one before does not; otherwise (rounding at the edge, or inputs beyond the
// plain range) nothing, and the full search decides.
std::optional<double> seededCount(const Inputs &inputs)
{
    const auto length = double(inputs.length);
    const auto width = double(inputs.width);
    const auto maximum = double(inputs.maximumGap);
    const bool plain = length > 0 && length < kPlainLimit && width >= 0 && width < kPlainLimit && maximum >= 1e-3 &&
                       maximum < kPlainLimit;
    if (!plain)
        return std::nullopt;
    // (L + W) / (n + 1) - W <= M  once  n >= (L + W) / (M + W) - 1.
    const double estimate = std::max(2.0, std::ceil((length + width) / (maximum + width) - 1));
    if (estimate > kPlainLimit)
        return std::nullopt;
    if (stopsAt(inputs, estimate))
        return stopsAt(inputs, estimate - 1) ? std::nullopt : std::optional(estimate);
    return stopsAt(inputs, estimate + 1) ? std::optional(estimate + 1) : std::nullopt;
}

}  // namespace

bool stopsAt(const Inputs &inputs, double count)
{
    return calculator_results::stopsCounting(
        {inputs.length, inputs.width, inputs.maximumGap, count, inputs.denominator, inputs.decimalPoint, {}});
}

Result find(const Inputs &inputs)
{
    if (stopsAt(inputs, 1))
        return {Verdict::Found, 1};

    // G(n) = (L + W) / (n + 1) - W moves monotonically towards -W, so once
    // the first count neither fits nor fails, whether a count stops the
    // counting only changes once, from no to yes. A huge gap that fails the
    // recalculation stops it too, even where the gap never shrinks.
    if (!stopsAt(inputs, kLargestCount)) {
        // The sum of two singles is exact in double.
        if (double(inputs.length) + double(inputs.width) <= 0)
            return {Verdict::GapNeverShrinks, 0};
        const float limit = -inputs.width;
        const float shownLimit =
            spacing::reReadGap(number_text::decimalText(double(limit), number_text::kSingleDigits, inputs.decimalPoint),
                               inputs.decimalPoint);
        // A maximum above the limit is reached, only past the largest count.
        return {inputs.maximumGap > shownLimit ? Verdict::CountTooLarge : Verdict::GapNeverReachesMaximum, 0};
    }

    if (const std::optional<double> seeded = seededCount(inputs))
        return {Verdict::Found, *seeded};

    double below = 1;                  // does not stop
    double atOrAbove = kLargestCount;  // stops
    while (atOrAbove - below > 1) {
        const double middle = std::floor((below + atOrAbove) / 2);
        (stopsAt(inputs, middle) ? atOrAbove : below) = middle;
    }
    return {Verdict::Found, firstStopBelow(inputs, atOrAbove)};
}

}  // namespace auto_count
