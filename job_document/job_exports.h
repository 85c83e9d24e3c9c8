// SPDX-License-Identifier: LicenseRef-proprietary
#pragma once

#include "file_writer.h"
#include "job.h"
#include "job_sheet.h"
#include "section_layout.h"

#include <QPageSize>
#include <QString>
#include <QStringList>

#include <stop_token>
#include <vector>

// What an open job writes where: the job sheet as a PDF, the full-size
// template, the marks as CSV and the drawing as SVG or DXF, each through the
// checked writer. Each returns why nothing was written, or empty.
namespace job_exports {

// Every section laid out, or why not: a file that silently left a section out
// would be taken for the whole job.
struct LaidOut
{
    std::vector<layout::SectionLayout> layouts;
    bool noSections = false;
    bool overBudget = false;  // nothing was laid out: `problem` names the work budget
    int failedSection = -1;   // the first section that cannot be laid out
    QString problem;          // its reason
    QStringList warnings;     // every section's, each naming its section
    bool ok() const { return !noSections && !overBudget && failedSection < 0; }
};
// The budget is checked before any work, as the command line does.
LaidOut laidOutSections(const layout::Job &job);

enum class DrawingFormat { Svg, Dxf };
// The target name's own suffix wins over the file type left chosen.
DrawingFormat drawingFormat(const QString &target, DrawingFormat chosen);

// What each export writes, made apart from writing it, so that a window can
// make it away from its own thread and drop it when the user cancels.
// The CSV follows the decimal separator given, as a spreadsheet in the
// user's language reads it.
QByteArray marksCsvBytes(const layout::Job &job, const std::vector<layout::SectionLayout> &layouts,
                         QChar decimalPoint = u'.');

// The drawing written into `file` as it is made, never held whole; the file
// is left to commit. Stops early once `stop` is requested. False when the
// file refused a piece or the drawing stopped.
bool streamDrawing(const layout::Job &job, const std::vector<layout::SectionLayout> &layouts, DrawingFormat format,
                   file_writer::FileSink &file, const std::stop_token &stop = {});

QString writeMarksCsv(const layout::Job &job, const std::vector<layout::SectionLayout> &layouts, const QString &target);
QString writeDrawing(const layout::Job &job, const std::vector<layout::SectionLayout> &layouts, const QString &target,
                     DrawingFormat format);

}  // namespace job_exports
