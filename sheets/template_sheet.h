// SPDX-License-Identifier: LicenseRef-proprietary
#pragma once

#include "job.h"
#include "job_sheet.h"
#include "section_layout.h"

#include <QByteArray>
#include <QPageLayout>
#include <QPageSize>
#include <QSizeF>
#include <QString>
#include <QStringList>

#include <vector>

class QPagedPaintDevice;
class QPainter;

// The full-size template a builder lays on the rail and marks through: for
// each section a strip at 1:1 along the rail from post face to post face,
// cut into landscape pages that overlap to be glued together, with a check
// bar on every page to prove the print was not scaled.
namespace sheets {

// A template longer than this is refused: no railing needs one, and it bounds
// the work a job file can ask for.
inline constexpr int kMaximumTemplatePages = 500;

class TemplatePlan
{
public:
    // `sections` are the layouts of job.sections; sections with the same
    // layout share one strip, which names all of them; sections not laid out
    // are left out. `page` is the paintable area of a landscape page in inches.
    TemplatePlan(const layout::Job &job, const std::vector<layout::SectionLayout> &sections, QSizeF page,
                 QChar decimalPoint = u'.');

    int pageCount() const { return pages; }

    // Paints page `index` (0-based, over every strip) on a painter whose
    // device is one page of the paintable size given, at its own resolution.
    void paintPage(QPainter &painter, int index) const;

    // How many strips: sections with the same layout share one.
    int stripCount() const { return int(strips.size()); }

private:
    struct Strip
    {
        QStringList names;
        const layout::SectionLayout *layout = nullptr;
        double length = 0;  // along the rail, from post face to post face
        int firstPage = 0;
        int pageCount = 0;
        // A stair by its treads: one tread from its riser face to the next,
        // with the railpins of every tread; empty otherwise.
        std::vector<layout::RailpinMarks> treadMarks = {};
        double nosing = 0;  // how far the tread stands out in front of its riser face
    };

    // Where page `pageOfStrip` of a strip begins, along the strip.
    double pageStart(const Strip &strip, int pageOfStrip) const;

    const layout::Job &job;
    QSizeF page;
    QChar decimalPoint;
    double unitInches;  // one of the job's units, in inches
    double span;        // how much of a strip one page shows, in the job's unit
    double overlap;
    double lead;  // room before the left post face and after the right one
    std::vector<Strip> strips;
    int pages = 0;
};

// Paints every page of the template on a paged device already set up
// (landscape); returns an empty string or why it could not.
QString paintTemplate(QPagedPaintDevice &device, const layout::Job &job,
                      const std::vector<layout::SectionLayout> &sections, QChar decimalPoint = u'.');

// Paints the template as above, asking `progress` before each page (pages
// painted, pages in all) and once more when all are painted. When it stops
// painting, `cancelled` is set and the pages are incomplete: the caller must
// not keep them (a printer aborts its print run).
QString paintTemplate(QPagedPaintDevice &device, const layout::Job &job,
                      const std::vector<layout::SectionLayout> &sections, QChar decimalPoint,
                      const SheetProgress &progress, bool &cancelled);

struct TemplatePdf
{
    QByteArray bytes;
    QString failure;        // empty when made
    bool tooLarge = false;  // refused for its page count, not for a fault
};

// The page of every template on this paper: landscape, with narrow margins.
QPageLayout templatePageLayout(const QPageSize &paper);

// The template as a PDF in memory on landscape pages of the given paper.
TemplatePdf templatePdf(const layout::Job &job, const std::vector<layout::SectionLayout> &sections,
                        const QPageSize &paper, QChar decimalPoint = u'.');

}  // namespace sheets
