// SPDX-License-Identifier: LicenseRef-proprietary
#pragma once

#include <QCoreApplication>
#include <QString>
#include <QtGlobal>

#include <algorithm>
#include <array>

// The increments that inch fractions are rounded to, a quarter down to a
// thirty-second of an inch: the calculator's list, the job's choice, the job
// file's and the command line's allowed values.
namespace increments {

struct Increment
{
    const char *name;  // untranslated; shownName() gives the user's language
    qint32 denominator;

    QString shownName() const { return QCoreApplication::translate("Increments", name); }
};

inline constexpr std::array<Increment, 4> kAll{{{QT_TRANSLATE_NOOP("Increments", "Quarter"), 4},
                                                {QT_TRANSLATE_NOOP("Increments", "Eighth"), 8},
                                                {QT_TRANSLATE_NOOP("Increments", "Sixteenth"), 16},
                                                {QT_TRANSLATE_NOOP("Increments", "Thirty Second"), 32}}};

// The sixteenth, chosen when nothing else is.
inline constexpr qint32 kDefaultDenominator = 16;
inline constexpr std::size_t kDefaultIndex = 2;
static_assert(kAll[kDefaultIndex].denominator == kDefaultDenominator);

inline constexpr bool isIncrement(qint32 denominator)
{
    return std::any_of(kAll.begin(), kAll.end(),
                       [denominator](const Increment &increment) { return increment.denominator == denominator; });
}

}  // namespace increments
