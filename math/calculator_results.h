// SPDX-License-Identifier: LicenseRef-proprietary
#pragma once

#include "run_time_error.h"

#include <QString>

#include <optional>

// Everything the calculator shows for one set of inputs, computed once for
// the window's recalculation, the count search, the layout sheet and the job
// engine alike, in single precision and in the window's order.
namespace calculator_results {

struct Inputs
{
    float length = 0;
    float width = 0;
    float maximumGap = 0;
    double count = 0;
    // The item data of the selected increment; none when no entry is
    // selected, which fails with error 381 where the denominator is first read.
    std::optional<qint32> denominator;
    QChar decimalPoint = u'.';  // written into the decimal texts and used to re-read the gap
    QString lengthText;         // with no railpins, shown unchanged as the gap's fraction
};

// Each result is present once it has been computed. A failure stops the
// computation at its step: the results before it are present, the later ones
// absent, exactly as the window's fields are left.
struct Results
{
    bool subtractEnabled = false;  // decided first, before anything can fail
    std::optional<float> gap;
    std::optional<QString> gapText;
    std::optional<QString> gapFraction;
    std::optional<float> outerOnCentre;
    std::optional<float> innerOnCentre;
    std::optional<QString> outerText;
    std::optional<QString> outerFraction;
    std::optional<QString> innerText;
    std::optional<QString> innerFraction;
    std::optional<bool> addAndAutoEnabled;  // the gap as re-read from gapText is above the maximum
    std::optional<RunTimeError> failure;
};

// The gap G = (L - W * count) / (count + 1) with O = W + G and I = W / 2 + G,
// or, for a count of 0 or less, the whole length as one gap. Never throws.
Results compute(const Inputs &inputs);

// The numbers, addAndAutoEnabled and failure exactly as compute gives them,
// without the texts: for callers that write their own.
Results computeValues(const Inputs &inputs);

// What compute tells the Auto search, `failure || !addAndAutoEnabled`, found
// the same way but without writing the fractions, and without the gap's text
// where the gap lies clearly on one side of the maximum.
bool stopsCounting(const Inputs &inputs);

}  // namespace calculator_results
