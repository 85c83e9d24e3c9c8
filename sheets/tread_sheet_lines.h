// SPDX-License-Identifier: LicenseRef-proprietary
#pragma once

#include "job.h"
#include "section_layout.h"

#include <QString>
#include <QStringList>

#include <vector>

// What the job sheet writes for a stair given by its treads and for the
// opening under a stair's bottom rail: lines of words and the rows of its
// tables, in the user's language with the locale's decimal point.
namespace tread_sheet {

// The inputs: the treads, one step's rise and run, the first railpin and
// the rail, each as typed with its unit.
QStringList inputLines(const layout::Job &job, const layout::Section &section, QChar decimalPoint);

// The results in words: the count per tread, the pattern, the count with
// the newels, the saw's settings for the lengths.
QStringList resultLines(const layout::Job &job, const layout::Section &section, const layout::SectionLayout &laid);

// The check under the bottom rail, printed beside the gap; empty without one.
QString triangleLine(const layout::Job &job, const layout::SectionLayout &laid);

struct Table
{
    QString title;
    QStringList headings;
    std::vector<QStringList> rows;
};

// The lengths to cut, one row per tread position; empty without a rail height.
Table lengthTable(const layout::Job &job, const layout::SectionLayout &laid, QChar decimalPoint);

// Each railpin's tread, place on it, level and along-the-rail marks and lengths.
Table marksTable(const layout::Job &job, const layout::SectionLayout &laid, QChar decimalPoint);

}  // namespace tread_sheet
