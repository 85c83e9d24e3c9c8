// SPDX-License-Identifier: LicenseRef-proprietary
#include "spacing.h"

#include "number_text.h"
#include "run_time_error.h"

#include <cmath>
#include <optional>

namespace spacing {

namespace {

float checkedSingle(double value)
{
    if (std::isnan(value))
        throw runtime_errors::invalidCall();
    const std::optional<float> single = number_text::toSingle(value);
    if (!single)
        throw runtime_errors::overflow();
    return *single;
}

float checkedSum(float sum)
{
    if (std::isnan(sum))
        throw runtime_errors::invalidCall();
    if (std::isinf(sum))
        throw runtime_errors::overflow();
    return sum;
}

}  // namespace

float gap(float length, float width, double count)
{
    const double railpins = double(width) * count;
    if (std::isinf(railpins))
        throw runtime_errors::overflow();
    return checkedSingle((double(length) - railpins) / (count + 1));
}

float outerOnCentre(float width, float gap)
{
    return checkedSum(width + gap);
}

float innerOnCentre(float width, float gap)
{
    return checkedSum(width / 2 + gap);
}

float reReadGap(const QString &shownGap, QChar decimalPoint)
{
    return checkedSingle(number_text::leadingNumberValue(shownGap, decimalPoint));
}

}  // namespace spacing
