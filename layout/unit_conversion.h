// SPDX-License-Identifier: LicenseRef-proprietary
#pragma once

#include "job.h"

#include <QString>
#include <QStringList>

#include <optional>

// Converting a whole job between inches and millimetres. To millimetres
// exactly (1/32 in is 0.79375 mm, up to 5 decimals); back to inches rounded
// to the job's increment. A maximum gap is always rounded down: a limit must
// never grow by a conversion. Text that cannot be read is left as typed.
namespace layout {

// How much a conversion rounded: the lengths that changed and the largest
// change, in the unit converted from (2400 mm as 94 1/2 in is 2400.3 mm: 0.3).
struct ConversionReport
{
    int rounded = 0;
    double largestChange = 0;
};

Job convertedTo(const Job &job, Unit unit, ConversionReport *report = nullptr);

enum class Rounding { Nearest, Down };

// One measurement text in the other unit, written with "." ("34.925",
// "1 3/8"); nothing when the text cannot be read in its own unit or the
// value is beyond what can be written.
std::optional<QString> convertedMeasurement(const QString &text, Unit from, Unit to, Rounding rounding,
                                            qint32 increment);

// The maximum-gap choices of a metric job: the common metric rule of 100 mm,
// then each inch choice in whole millimetres rounded down (4 in is 101 mm).
QStringList metricMaximumGapPresets(const QStringList &inchPresets);

// The common metric rule of 100 mm in an inch job: to the thousandth of an
// inch, rounded down as every limit is (3.937).
QString metricRuleInInches();

}  // namespace layout
