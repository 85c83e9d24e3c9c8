// SPDX-License-Identifier: LicenseRef-proprietary
#pragma once

#include "job.h"

#include <QPageSize>
#include <QString>

class QPagedPaintDevice;

// The job sheet taken to the site: for each section a block with its inputs
// and results, a to-scale drawing and the marks table, then the job's totals.
// Vector text and lines only, so every number can be searched and copied.
namespace printing {

// What a job without a name is called, on the sheet and in the job window.
QString untitledJobName();

// Paints the whole sheet on a paged device that is already set up (a
// QPdfWriter or a QPrinter), starting new pages as needed. Returns an empty
// string, or why it could not (a page that could not be started).
QString paintJobSheet(QPagedPaintDevice &device, const layout::Job &job, QChar decimalPoint = u'.');

// Letter or A4 from the user's paper setting (LC_PAPER, then LC_ALL and LANG):
// Letter in the United States and Canada and where the setting says so. With
// none of them set, A4.
QPageSize defaultPaperSize();

// The paper of a locale name such as "en_US.UTF-8" or "fr_CA": Letter for the
// territories whose locales use it (the Americas' Letter countries and the
// Philippines), A4 for every other, and for C and POSIX, whose paper is A4.
QPageSize paperSizeForLocale(const QString &localeName);

// Makes the sheet as a PDF in memory and writes it to `path` through the
// checked file writer ("-" is standard output), so a failure leaves nothing
// behind and an existing file untouched. Returns an empty string, or one line
// naming the path and the cause.
QString writeJobPdf(const layout::Job &job, const QString &path, const QPageSize &paper, QChar decimalPoint = u'.');

}  // namespace printing
