// SPDX-License-Identifier: LicenseRef-proprietary
#pragma once

#include <QChar>

// Finding the smallest railpin count whose gap is within the maximum gap.
namespace auto_count {

struct Inputs
{
    float length = 0;
    float width = 0;
    float maximumGap = 0;
    qint32 denominator = 0;     // 0 when no increment is selected
    QChar decimalPoint = u'.';  // the separator the window writes and re-reads
};

// The largest count the window writes in full: a double's decimal text keeps
// 15 significant digits, so larger counts would not read back exactly.
inline constexpr double kLargestCount = 999'999'999'999'999.0;

enum class Verdict {
    Found,                   // count is the answer
    GapNeverShrinks,         // with this length and width, more railpins never narrow the gap
    GapNeverReachesMaximum,  // the gap approaches -width, which stays above the maximum
    CountTooLarge,           // the answer lies beyond kLargestCount
};

struct Result
{
    Verdict verdict = Verdict::Found;
    double count = 0;  // the count when found, else 0
};

// Whether counting up one railpin at a time stops at this count: its gap, as
// the window shows and re-reads it, is within the maximum; or the
// recalculation of this count fails, which ends the counting too.
bool stopsAt(const Inputs &inputs, double count);

// The first count of 1, 2, 3, ... at which stopsAt holds, found by a search
// over the monotone gap instead of trying every count; or why there is none.
Result find(const Inputs &inputs);

}  // namespace auto_count
