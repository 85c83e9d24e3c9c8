// SPDX-License-Identifier: LicenseRef-proprietary
#pragma once

#include "job.h"

#include <QString>
#include <QStringList>

#include <algorithm>
#include <cmath>
#include <optional>

// Reading a section's measurements for laying it out: each that cannot be
// read adds a problem naming the field and the text.
namespace layout {

// A measurement that must be given and be above zero. `fieldName` is
// untranslated (marked with QT_TRANSLATE_NOOP("layout", ...)): it is
// translated only for a problem, as a long job reads thousands that are fine.
std::optional<float> readPositive(const char *fieldName, const QString &text, Unit unit, QStringList &problems);

// A measurement that must be given and may be any value; the caller judges its sign.
std::optional<float> readSigned(const char *fieldName, const QString &text, Unit unit, QStringList &problems);

// Whether `value` is at most `bound` in the figures typed. Measurements are
// read in single precision: a fit or a gap exact in those figures may land a
// hair to either side of its bound in binary.
inline bool atMost(double value, double bound)
{
    return value <= bound + 1e-6 * std::max(1.0, std::abs(bound));
}

// A typed text as a message quotes it: trimmed, on one line.
QString typedText(const QString &text);

}  // namespace layout
