// SPDX-License-Identifier: LicenseRef-proprietary
#pragma once

#include "job.h"

#include <QPageLayout>
#include <QPageSize>
#include <QString>

#include <functional>

class QPagedPaintDevice;

// The job sheet taken to the site: for each section a block with its inputs
// and results, a to-scale drawing and the marks table, then the job's totals.
// Vector text and lines only, so every number can be searched and copied.
namespace sheets {

// What a job without a name is called, on the sheet and in the job window.
QString untitledJobName();

// Paints the whole sheet on a paged device that is already set up (a
// QPdfWriter or a QPrinter), starting new pages as needed. Returns an empty
// string, or why it could not (a page that could not be started).
QString paintJobSheet(QPagedPaintDevice &device, const layout::Job &job, QChar decimalPoint = u'.');

// Told after each section of a sheet how many of its sections are painted and
// how many there are; returns false to stop painting.
using SheetProgress = std::function<bool(int done, int total)>;

// Paints the sheet as above, reporting progress. When `progress` stops it,
// painting ends at once, `cancelled` is set and the sheet is incomplete: the
// caller must not keep it.
QString paintJobSheet(QPagedPaintDevice &device, const layout::Job &job, QChar decimalPoint,
                      const SheetProgress &progress, bool &cancelled);

// Letter or A4 from the user's paper setting (LC_PAPER, then LC_ALL and LANG):
// Letter in the United States and Canada and where the setting says so. With
// none of them set, A4.
QPageSize defaultPaperSize();

// The paper of a locale name such as "en_US.UTF-8" or "fr_CA": Letter for the
// territories whose locales use it (the Americas' Letter countries and the
// Philippines), A4 for every other, and for C and POSIX, whose paper is A4.
QPageSize paperSizeForLocale(const QString &localeName);

// The page of every job sheet on this paper, portrait with its margins: the
// exported PDF, the printout and Print Preview use it alike, so that they
// break the sheet into the same pages.
QPageLayout sheetPageLayout(const QPageSize &paper);

// Makes the sheet as a PDF in memory and writes it to `path` through the
// checked file writer ("-" is standard output), so a failure leaves nothing
// behind and an existing file untouched. Returns an empty string, or one line
// naming the path and the cause; a job over the work budget is refused with
// the budget's own message, as no file was tried.
QString writeJobPdf(const layout::Job &job, const QString &path, const QPageSize &paper, QChar decimalPoint = u'.');

// Writes the PDF as above, reporting progress. A cancelled sheet writes
// nothing: `cancelled` is set and any existing file is left as it was.
QString writeJobPdf(const layout::Job &job, const QString &path, const QPageSize &paper, QChar decimalPoint,
                    const SheetProgress &progress, bool &cancelled);

}  // namespace sheets
