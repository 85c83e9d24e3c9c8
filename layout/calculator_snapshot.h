// SPDX-License-Identifier: LicenseRef-proprietary
#pragma once

#include <QString>
#include <QtGlobal>

#include <optional>

namespace layout {

// What the calculator window shows, for a job window and for its printed
// layout sheet: its inputs as typed, the increment's denominator and its
// railpin count, the count only while the results on screen belong to the
// fields as they are now.
struct CalculatorSnapshot
{
    QString length;
    QString width;
    QString maximumGap;
    qint32 denominator = 0;       // 0 when no increment is selected
    std::optional<qint64> count;  // none after an edit, until a count is asked for again
    // The count field shows railpins, but the results on screen are not
    // theirs: an input was edited since, or they could not all be worked out.
    bool resultsStale = false;
};

}  // namespace layout
