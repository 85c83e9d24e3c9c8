// SPDX-License-Identifier: LicenseRef-proprietary
#pragma once

#include "job.h"
#include "section_layout.h"

#include <QByteArray>
#include <QStringList>

#include <vector>

// The marks of a job as comma-separated values for a spreadsheet.
namespace exports {

// One row of RFC 4180 text ending in CRLF: a field is quoted when it holds a
// separator, a quote or a line break, its quotes doubled.
QString csvRow(const QStringList &fields);

// RFC 4180 text in UTF-8 without a byte-order mark, CRLF line ends: a heading
// row, then one row per railpin of every laid-out section with its section's
// name, the railpin's number and its exact positions along the rail as
// decimals with "." (6 places in inches, 3 in millimetres); an inch job adds
// the rounded marks as fractions; last, the centre's signed distance from
// mid-span as a decimal ("-" left of the middle). `sections` are the layouts of job.sections.
// A job with runs adds, after a blank line, a table of their posts: run, post,
// exact centre and faces, and in inches their marks.
QByteArray marksCsv(const layout::Job &job, const std::vector<layout::SectionLayout> &sections);

}  // namespace exports
