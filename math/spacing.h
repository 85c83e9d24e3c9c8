// SPDX-License-Identifier: LicenseRef-proprietary
#pragma once

#include <QString>

// The railing arithmetic: n railpins of width W stand evenly in a section of
// length L, with n + 1 equal gaps G. Each function throws RunTimeError where
// the single-precision result overflows or is not a number.
namespace spacing {

// G = (L - W * count) / (count + 1), evaluated in double precision and
// rounded once to single. The count must be above 0.
float gap(float length, float width, double count);

// From the centre of one railpin to the centre of the next: W + G.
float outerOnCentre(float width, float gap);

// From a post to the centre of the railpin next to it: W / 2 + G.
float innerOnCentre(float width, float gap);

// The gap as the window re-reads it from the text it shows: the leading
// number of that text, rounded to single precision. It recognises the given
// decimal separator so that the whole shown value is compared.
float reReadGap(const QString &shownGap, QChar decimalPoint);

// The gap is within the maximum when the maximum is at least the re-read gap.
inline bool gapWithinMaximum(float maximumGap, float reReadGap)
{
    return maximumGap >= reReadGap;
}

}  // namespace spacing
