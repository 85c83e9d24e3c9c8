// SPDX-License-Identifier: LicenseRef-proprietary
#pragma once

#include "job.h"

#include <QString>

#include <optional>

// Strict reading of measurement text in a job. Unlike the calculator, which
// reads anything it cannot parse as 0, a job names the text it cannot read.
namespace layout {

struct Reading
{
    std::optional<float> value;  // single precision, as the calculator holds measurements
    QString problem;             // empty when read; else why not, naming the text (translated)
};

// Inches: "36", "36.5", "1 3/8", "3/8", and feet and inches as builders write
// them: 12' 3 1/2", 12', 3 1/2". Millimetres: a whole or decimal number
// ("914", "914.5"); a fraction is refused with a message that says so.
// `decimalPoint` is "." in files and on the command line, the locale's in the window.
Reading readMeasurement(const QString &text, Unit unit, QChar decimalPoint = u'.');

// The value the same text stands for, before rounding to single precision;
// conversions between units work from it. Nothing when it cannot be read.
std::optional<double> measurementValue(const QString &text, Unit unit, QChar decimalPoint = u'.');

// A measurement as the ratio of two whole numbers, exactly as typed: "17' 3\""
// is 207/1, "92.3" is 923/10. For rules that a rounding could tip, such as
// whether a length divides into equal bays exactly.
struct ExactMeasurement
{
    qint64 numerator = 0;
    qint64 denominator = 1;  // more than 0, in lowest terms with the numerator
};

// Nothing when the text cannot be read, or its digits are too many to hold
// exactly (more than any real measurement has).
std::optional<ExactMeasurement> exactMeasurement(const QString &text, Unit unit, QChar decimalPoint = u'.');

// A position or length as a mark is written: inches as a fraction rounded to
// 1/increment with the calculator's rules ("4 5/8"), millimetres rounded to the
// mark step, halves down ("101", "101.5"). Rounded from the exact value given.
QString markText(double value, const Job &job, QChar decimalPoint = u'.');
// The same with the job's unit after it: "4 5/8 in", "101 mm".
QString markWithUnit(double value, const Job &job, QChar decimalPoint = u'.');

// A limit as a mark is written, rounded down to the job's increment or mark
// step, never up: a limit shown must never be more than the true one.
QString limitText(double value, const Job &job, QChar decimalPoint = u'.');

// The same value as decimal text: 7 significant digits for inches, as the
// calculator writes ("3.964286"); 0.1 mm for millimetres ("83.6").
QString decimalMarkText(double value, const Job &job, QChar decimalPoint = u'.');

// The unit's short name for headings: "in" or "mm" (translated).
QString unitName(Unit unit);

}  // namespace layout
