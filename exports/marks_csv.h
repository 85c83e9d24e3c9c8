// SPDX-License-Identifier: LicenseRef-proprietary
#pragma once

#include "job.h"
#include "section_layout.h"

#include <QByteArray>
#include <QStringList>

#include <vector>

// The marks of a job as comma-separated values for a spreadsheet.
namespace exports {

// How a CSV is written for the spreadsheet that reads it: where numbers take
// a decimal comma ("95,158"), fields are separated by ";", as the spreadsheets
// of those languages expect.
struct CsvStyle
{
    QChar separator = u',';
    QChar decimalPoint = u'.';

    // The style of a locale whose decimal separator is `decimalPoint`.
    static CsvStyle forDecimalPoint(QChar decimalPoint);

    // One row of RFC 4180 text ending in CRLF: a field is quoted when it holds
    // a separator, a quote or a line break, its quotes doubled.
    QString row(const QStringList &fields) const;
    // The heading row: as row(), but with ";" between fields every heading
    // after the first is quoted. Gnumeric takes the separator of a .csv from
    // beside the first quoted field it meets, else ","; a ";" before that
    // quote makes it split on ";" rather than on the decimal comma.
    QString headingRow(const QStringList &headings) const;
    // A decimal with this style's separator.
    QString number(double value, int places) const;
    // A fraction mark ("3 1/16") that a spreadsheet keeps as text rather than
    // reading it as a number, a smaller fraction or a date: its slash is the
    // fraction slash (U+2044), and no formula is needed.
    static QString fraction(const QString &mark);
};

// RFC 4180 text in UTF-8 without a byte-order mark, CRLF line ends: a heading
// row, then one row per railpin of every laid-out section with its section's
// name, the railpin's number and its exact positions along the rail as
// decimals (6 places in inches, 3 in millimetres); an inch job adds the
// rounded marks as fractions; then the centre's signed distance from mid-span
// as a decimal ("-" left of the middle), and how the row is measured. The
// headings name the unit once ("Left edge (in)", "Left edge, fraction").
// `sections` are the layouts of job.sections. A job with runs adds, after a
// blank line, a table of their posts: run, post, exact centre and faces, and
// in inches their marks.
QByteArray marksCsv(const layout::Job &job, const std::vector<layout::SectionLayout> &sections,
                    const CsvStyle &style = {});

}  // namespace exports
