// SPDX-License-Identifier: LicenseRef-proprietary
#pragma once

#include "job.h"

#include <QString>

#include <optional>

// How the job's values are shown in and read from the window's cells. The job
// keeps measurements with "." as the decimal separator; the window shows and
// takes the locale's separator.
namespace cell_text {

// The stored text with the locale's decimal separator.
QString shown(const QString &stored, QChar decimalPoint);

// What the user typed, trimmed, with "." as the decimal separator.
QString stored(const QString &typed, QChar decimalPoint);

// A list of lengths ("8', 10'") as a field shows it: where the locale writes
// decimals with ",", its items are separated by ";" ("2438,4; 3048").
QString shownList(const QString &stored, QChar decimalPoint);
// What the user typed as a list, stored with "," between items and ".".
QString storedList(const QString &typed, QChar decimalPoint);

// A slope as a cell shows it: empty for a level section, "7 : 11" for rise
// and run, "35°" for an angle.
QString slopeShown(const std::optional<layout::Stair> &stair, QChar decimalPoint);

struct SlopeEntry
{
    std::optional<layout::Stair> stair;
    QString problem;  // empty when the text was understood
};

// Reads a slope cell: empty is level, "rise : run" keeps both measurements as
// typed (they are checked like any other), and a number is an angle in
// degrees. Anything else is a stair whose slope is kept as typed, with the
// problem that says what a slope may be.
SlopeEntry readSlope(const QString &typed, QChar decimalPoint);

struct CountEntry
{
    std::optional<qint64> count;
    QString problem;
};

// Reads a count cell: empty leaves the count to the maximum gap.
CountEntry readCount(const QString &typed);

}  // namespace cell_text
