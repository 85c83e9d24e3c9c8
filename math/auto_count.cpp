// SPDX-License-Identifier: LicenseRef-proprietary
#include "auto_count.h"

#include "calculator_results.h"
#include "number_text.h"
#include "spacing.h"

#include <algorithm>
#include <cmath>
#include <optional>

namespace auto_count {

namespace {

// Double rounding can, in rare cases, make the computed gap of a count a
// hair smaller than that of the next one. The binary search below assumes a
// monotone gap, so its answer is checked against this many counts below it.
constexpr qint64 kRoundingWindow = 64;

double firstStopBelow(const Inputs &inputs, double found)
{
    // Counts up to kLargestCount are exact in both qint64 and double.
    auto first = static_cast<qint64>(found);
    for (qint64 n = first - 2; n >= 1 && n >= first - kRoundingWindow; --n)
        if (stopsAt(inputs, double(n)))
            first = n;
    return double(first);
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
