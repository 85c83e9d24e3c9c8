// SPDX-License-Identifier: LicenseRef-proprietary
#include "template_sheet.h"

#include "measurement.h"
#include "output_names.h"
#include "sheet_pages.h"
#include "units.h"

#include <QBuffer>
#include <QCoreApplication>
#include <QFontMetricsF>
#include <QPagedPaintDevice>
#include <QPainter>
#include <QPdfWriter>

#include <algorithm>
#include <cmath>
#include <map>
#include <tuple>

using layout::RailpinMarks;
using layout::SectionLayout;

namespace {

struct TemplateSheet
{
    Q_DECLARE_TR_FUNCTIONS(TemplateSheet)
};

// Where things stand down a page, in inches from the paintable area's top.
constexpr double kStripTop = 0.6;
constexpr double kStripHeight = 2.4;
constexpr double kStripBottom = kStripTop + kStripHeight;
constexpr double kRulerNumbers = kStripBottom + 0.42;
constexpr double kGlueArrows = kStripBottom + 0.75;
constexpr double kCheckBarTop = kStripBottom + 1.3;
constexpr double kCheckBarHeight = 0.12;

// Sections that would be marked the same share one strip.
// Marked from another reference, the same strip carries other numbers.
using LayoutKey = std::tuple<float, float, int, double, qint64, double, double, int, double>;

LayoutKey keyOf(const SectionLayout &layout)
{
    return {layout.length,   layout.railpinWidth, int(layout.ends),      layout.cosine,        layout.count,
            layout.exactGap, layout.endGap,       int(layout.reference), layout.referenceShift};
}

// A stair by its treads shares one tread's strip with every section of the
// same run, nosing, width and pattern; no level or sloped strip has ends of -1.
LayoutKey treadKeyOf(const SectionLayout &layout)
{
    const layout::StairTreads &treads = *layout.treads;
    return {float(treads.run),
            layout.railpinWidth,
            -1,
            treads.nosing,
            treads.perTread,
            treads.onCentre,
            treads.firstFromRiser,
            0,
            0};
}

// The words at a post face line: "left post" for a section between faces,
// "left post face" between centres, where the strip still begins at the face.
QString postLabel(layout::MarkReference reference, bool left)
{
    if (reference == layout::MarkReference::Post)
        return left ? TemplateSheet::tr("left post") : TemplateSheet::tr("right post");
    return left ? TemplateSheet::tr("left post face") : TemplateSheet::tr("right post face");
}

// The words beside a railpin's centre, "%1" its distance, saying what it is from.
QString markLabel(layout::MarkReference reference, bool left)
{
    switch (reference) {
    case layout::MarkReference::PostFace:
        return left ? TemplateSheet::tr("%1 from left face") : TemplateSheet::tr("%1 from right face");
    case layout::MarkReference::PostCentre:
        return left ? TemplateSheet::tr("%1 from left centre") : TemplateSheet::tr("%1 from right centre");
    case layout::MarkReference::Post:
        break;
    }
    return left ? TemplateSheet::tr("%1 from left") : TemplateSheet::tr("%1 from right");
}

// The railpins of one tread, from its riser face.
std::vector<RailpinMarks> treadMarks(const SectionLayout &layout)
{
    std::vector<RailpinMarks> marks;
    const double width = layout.railpinWidth;
    for (std::size_t index = 0; index < layout.treads->pattern.size(); ++index) {
        const double centre = layout.treads->pattern[index];
        RailpinMarks mark;
        mark.railpin = qint64(index) + 1;
        mark.leftEdge = centre - width / 2;
        mark.centre = centre;
        mark.rightEdge = centre + width / 2;
        mark.centreFromRightPost = layout.treads->run - centre;
        marks.push_back(mark);
    }
    return marks;
}

// Draws an upright dashed line from `top` to `bottom` at `x`, broken where
// it would run through one of `words`, so that no number or word is cut.
void dashedAround(QPainter &painter, double x, double top, double bottom, const std::vector<QRectF> &words)
{
    std::vector<std::pair<double, double>> gaps;
    for (const QRectF &word : words) {
        if (x >= word.left() && x <= word.right())
            gaps.emplace_back(word.top(), word.bottom());
    }
    std::sort(gaps.begin(), gaps.end());
    double from = top;
    for (const auto &[gapTop, gapBottom] : gaps) {
        if (gapTop > from)
            painter.drawLine(QLineF(x, from, x, std::min(gapTop, bottom)));
        from = std::max(from, gapBottom);
    }
    if (from < bottom)
        painter.drawLine(QLineF(x, from, x, bottom));
}

// A small solid triangle pointing left or right at `tip`, beside a join's
// words: drawn as a shape, so no font is needed for an arrow.
void arrowAt(QPainter &painter, QPointF tip, double size, bool pointsRight)
{
    const double back = pointsRight ? -size : size;
    const QPolygonF arrow{tip, QPointF(tip.x() + back, tip.y() - size / 2),
                          QPointF(tip.x() + back, tip.y() + size / 2)};
    painter.save();
    painter.setPen(Qt::NoPen);
    painter.setBrush(Qt::black);
    painter.drawPolygon(arrow);
    painter.restore();
}

}  // namespace

namespace sheets {

TemplatePlan::TemplatePlan(const layout::Job &job, const std::vector<SectionLayout> &sections, QSizeF page,
                           QChar decimalPoint)
    : job(job), page(page), decimalPoint(decimalPoint)
{
    const bool inches = job.unit == layout::Unit::Inches;
    unitInches = inches ? 1 : 1 / kMillimetresPerInch;
    overlap = inches ? 1 : 25;
    lead = inches ? 0.75 : 20;
    span = page.width() / unitInches;

    std::map<LayoutKey, std::size_t> stripOf;
    for (std::size_t index = 0; index < sections.size() && index < job.sections.size(); ++index) {
        const SectionLayout &section = sections[index];
        if (!section.laidOut())
            continue;
        const QString name =
            //: A section without a name on the full-size template; printed apart from the job sheet.
            job.sections[index].name.isEmpty()
                ? TemplateSheet::tr("Unnamed section")
                : layout::outputName(job.sections[index].name, layout::NameOutput::Paper);
        const auto [found, added] =
            stripOf.try_emplace(section.treads ? treadKeyOf(section) : keyOf(section), strips.size());
        if (added && section.treads)
            strips.push_back({{}, &section, section.treads->run, 0, 0, treadMarks(section), section.treads->nosing});
        else if (added)
            strips.push_back({{}, &section, section.horizontalRun / section.cosine, 0, 0});
        strips[found->second].names << name;
    }
    const double step = span - overlap;
    for (Strip &strip : strips) {
        // Pages past the limit are only counted, never laid out.
        const double beyondFirst = std::max(0.0, 2 * lead + strip.nosing + strip.length - span);
        const double count = step > 0 ? 1 + std::ceil(beyondFirst / step) : double(kMaximumTemplatePages) + 1;
        strip.firstPage = pages;
        strip.pageCount = int(std::min(count, double(kMaximumTemplatePages) + 1));
        pages = int(std::min(double(pages) + strip.pageCount, double(kMaximumTemplatePages) + 1));
    }
}

double TemplatePlan::pageStart(const Strip &strip, int pageOfStrip) const
{
    return -lead - strip.nosing + pageOfStrip * (span - overlap);
}

void TemplatePlan::paintPage(QPainter &painter, int index) const
{
    const auto stripAt = std::find_if(strips.begin(), strips.end(), [index](const Strip &strip) {
        return index >= strip.firstPage && index < strip.firstPage + strip.pageCount;
    });
    if (stripAt == strips.end())
        return;
    const Strip &strip = *stripAt;
    const int pageOfStrip = index - strip.firstPage;
    const bool inches = job.unit == layout::Unit::Inches;
    const bool tread = !strip.treadMarks.empty();
    const layout::MarkReference reference = strip.layout->reference;
    const double dpi = painter.device()->logicalDpiX();
    const double start = pageStart(strip, pageOfStrip);
    const double end = start + span;
    const auto x = [&](double position) { return (position - start) * unitInches * dpi; };
    const auto y = [dpi](double inchesDown) { return inchesDown * dpi; };
    const double right = page.width() * dpi;
    const double stripTop = y(kStripTop);
    const double stripBottom = y(kStripBottom);

    painter.save();
    const QPen thin(Qt::black, dpi / 150);
    const QPen heavy(Qt::black, dpi / 40);
    painter.setBrush(Qt::NoBrush);

    // The strip's edges, between the post faces.
    painter.setPen(thin);
    const double stripLeft = std::max(0.0, x(-strip.nosing));
    const double stripRight = std::min(right, x(strip.length));
    painter.drawLine(QLineF(stripLeft, stripTop, stripRight, stripTop));
    painter.drawLine(QLineF(stripLeft, stripBottom, stripRight, stripBottom));

    // The post faces, heavy and labelled.
    const QFont label = sheetFont(9, true);
    painter.setFont(label);
    const double gapInches = 0.08 * dpi;
    if (0 >= start && 0 <= end) {
        painter.setPen(heavy);
        painter.drawLine(QLineF(x(0), stripTop - y(0.2), x(0), stripBottom));
        painter.setPen(thin);
        if (strip.nosing > 0) {
            // The nosing stands in front of the riser face: the face is named
            // above the strip, the nosing's edge beside it.
            painter.drawText(QRectF(x(0) - y(1), stripTop - y(0.45), y(2), y(0.2)), Qt::AlignCenter,
                             TemplateSheet::tr("riser face"));
            painter.setPen(QPen(Qt::black, dpi / 100, Qt::DashLine));
            painter.drawLine(QLineF(x(-strip.nosing), stripTop, x(-strip.nosing), stripBottom));
            painter.setPen(thin);
            painter.drawText(QRectF(0, stripTop, std::max(0.0, x(-strip.nosing) - gapInches), stripBottom - stripTop),
                             Qt::AlignRight | Qt::AlignVCenter | Qt::TextWordWrap, TemplateSheet::tr("nosing"));
        } else {
            painter.drawText(QRectF(0, stripTop, x(0) - gapInches, stripBottom - stripTop),
                             Qt::AlignRight | Qt::AlignVCenter | Qt::TextWordWrap,
                             tread ? TemplateSheet::tr("riser face") : postLabel(reference, true));
        }
    }
    if (strip.length >= start && strip.length <= end) {
        painter.setPen(heavy);
        painter.drawLine(QLineF(x(strip.length), stripTop - y(0.2), x(strip.length), stripBottom));
        painter.setPen(thin);
        painter.drawText(QRectF(x(strip.length) + gapInches, stripTop, right, stripBottom - stripTop),
                         Qt::AlignLeft | Qt::AlignVCenter | Qt::TextWordWrap,
                         tread ? TemplateSheet::tr("next riser") : postLabel(reference, false));
    }

    // Every railpin on this page: its outline and centre line across the
    // strip, its number, and its centre from either post as the sheet writes it.
    const std::vector<RailpinMarks> &marks = tread ? strip.treadMarks : strip.layout->marks;
    auto railpin = std::lower_bound(marks.begin(), marks.end(), start,
                                    [](const RailpinMarks &mark, double value) { return mark.rightEdge < value; });
    const QFont small = sheetFont(7);
    const QFont number = sheetFont(10, true);
    const double textLine = y(0.14);
    // Where numbers and words are written, so that a join line goes round them.
    std::vector<QRectF> words;
    const auto wordAt = [&painter, &words](const QRectF &room, int flags, const QString &text) {
        QRectF written;
        painter.drawText(room, flags, text, &written);
        words.push_back(written.adjusted(0, -written.height() * 0.1, 0, written.height() * 0.1));
    };
    for (; railpin != marks.end() && railpin->leftEdge <= end; ++railpin) {
        painter.setPen(thin);
        painter.drawRect(QRectF(x(railpin->leftEdge), stripTop, x(railpin->rightEdge) - x(railpin->leftEdge),
                                stripBottom - stripTop));
        // The centre line starts below the railpin's number, never through it.
        const double numberBottom = stripTop + y(0.05) + textLine * 1.5;
        painter.drawLine(QLineF(x(railpin->centre), numberBottom, x(railpin->centre), stripBottom));
        painter.setFont(number);
        wordAt(QRectF(x(railpin->leftEdge), stripTop + y(0.05), x(railpin->rightEdge) - x(railpin->leftEdge),
                      textLine * 1.5),
               Qt::AlignHCenter | Qt::AlignTop | Qt::TextDontClip, QString::number(railpin->railpin));
        painter.setFont(small);
        const RailpinMarks shown = tread ? *railpin : layout::referencedMarks(*strip.layout, *railpin);
        // Each label carries its unit: a metric strip's "96" alone could be read as inches.
        const QString fromLeft = layout::markWithUnit(shown.centre, job, decimalPoint);
        const QString fromRight = layout::markWithUnit(shown.centreFromRightPost, job, decimalPoint);
        const double textLeft = x(railpin->rightEdge) + y(0.04);
        wordAt(QRectF(textLeft, stripBottom - 2.4 * textLine, y(1.5), textLine),
               Qt::AlignLeft | Qt::AlignVCenter | Qt::TextDontClip,
               tread ? TemplateSheet::tr("%1 from the riser").arg(fromLeft) : markLabel(reference, true).arg(fromLeft));
        wordAt(QRectF(textLeft, stripBottom - 1.3 * textLine, y(1.5), textLine),
               Qt::AlignLeft | Qt::AlignVCenter | Qt::TextDontClip,
               tread ? TemplateSheet::tr("%1 from the next riser").arg(fromRight)
                     : markLabel(reference, false).arg(fromRight));
    }

    // The ruler under the strip from the left post face: sixteenths of an inch
    // numbered in inches, or millimetres numbered every ten. No tick reaches
    // a quarter inch, so the railpins' lines stand out.
    painter.setPen(thin);
    painter.setFont(small);
    const int perNumber = inches ? 16 : 10;
    const double tickSize = inches ? 1.0 / 16 : 1.0;
    const auto firstTick = qint64(std::max(0.0, std::ceil(start / tickSize)));
    const auto lastTick = qint64(std::floor(std::min(end, strip.length) / tickSize));
    for (qint64 tick = firstTick; tick <= lastTick; ++tick) {
        double length = 0.07;
        if (tick % perNumber == 0)
            length = 0.22;
        else if (inches ? tick % 8 == 0 : tick % 5 == 0)
            length = 0.16;
        else if (inches && tick % 4 == 0)
            length = 0.12;
        else if (inches && tick % 2 == 0)
            length = 0.09;
        const double tickX = x(double(tick) * tickSize);
        painter.drawLine(QLineF(tickX, stripBottom, tickX, stripBottom + y(length)));
        if (tick % perNumber == 0 && tick > 0)
            wordAt(QRectF(tickX - y(0.3), y(kRulerNumbers) - textLine, y(0.6), textLine),
                   Qt::AlignHCenter | Qt::AlignVCenter, QString::number(inches ? tick / perNumber : tick));
    }
    const bool sloped = !tread && strip.layout->cosine < 1;
    const bool fromFace = reference != layout::MarkReference::Post;
    QString rulerCaption;
    if (tread)
        rulerCaption = inches ? TemplateSheet::tr("inches from the riser face")
                              : TemplateSheet::tr("millimetres from the riser face");
    else if (sloped && fromFace)
        rulerCaption = inches ? TemplateSheet::tr("inches along the rail from the left post face")
                              : TemplateSheet::tr("millimetres along the rail from the left post face");
    else if (sloped)
        rulerCaption = inches ? TemplateSheet::tr("inches along the rail from the left post")
                              : TemplateSheet::tr("millimetres along the rail from the left post");
    else if (fromFace)
        rulerCaption = inches ? TemplateSheet::tr("inches from the left post face")
                              : TemplateSheet::tr("millimetres from the left post face");
    else
        rulerCaption = inches ? TemplateSheet::tr("inches from the left post")
                              : TemplateSheet::tr("millimetres from the left post");
    // Written past the first page's trim line and any join line.
    wordAt(QRectF(y(1.25), y(kRulerNumbers) + textLine * 0.2, right, textLine), Qt::AlignLeft | Qt::AlignVCenter,
           rulerCaption);

    // Pages are counted within the strip, by the footer and the join lines.
    const int pageNumber = pageOfStrip + 1;

    // The check bar: a fixed length whatever the paper, to prove the scale.
    // It starts past the first page's trim line and any join line.
    const double barLength = inches ? 6 * dpi : 150 / kMillimetresPerInch * dpi;
    const double barLeft = y(1.25);
    painter.setPen(Qt::NoPen);
    painter.setBrush(Qt::black);
    painter.drawRect(QRectF(barLeft, y(kCheckBarTop), barLength, y(kCheckBarHeight)));
    words.emplace_back(barLeft, y(kCheckBarTop), barLength, y(kCheckBarHeight));
    painter.setBrush(Qt::NoBrush);
    painter.setPen(thin);
    painter.setFont(sheetFont(9));
    wordAt(QRectF(barLeft, y(kCheckBarTop + kCheckBarHeight + 0.05), right - barLeft, textLine * 2),
           Qt::AlignLeft | Qt::AlignTop,
           inches ? TemplateSheet::tr("This bar must measure exactly 6 in. Print at actual size (100 %), "
                                      "not fit to page.")
                  : TemplateSheet::tr("This bar must measure exactly 150 mm. Print at actual size (100 %), "
                                      "not fit to page."));

    // The heading and the footer name the job and every section of the strip.
    //: The name of a job without one, in the heading of the full-size template.
    const QString jobName = job.name.isEmpty() ? TemplateSheet::tr("Untitled job")
                                               : layout::outputName(job.name, layout::NameOutput::Paper);
    const QString sectionNames = strip.names.join(QStringLiteral(", "));
    painter.setFont(sheetFont(11, true));
    // Many sections may share a strip: their names are cut short to the page.
    const auto fitted = [&painter](const QString &text, double width) {
        return QFontMetricsF(painter.font(), painter.device()).elidedText(text, Qt::ElideRight, width);
    };
    wordAt(QRectF(0, 0, right, y(0.3)), Qt::AlignLeft | Qt::AlignVCenter,
           fitted(tread ? TemplateSheet::tr("Full-size template of one tread: %1 — lay against the riser face of "
                                            "every tread")
                              .arg(sectionNames)
                  : sloped ? TemplateSheet::tr("Full-size template along the rail: %1 — slope %2\u00b0")
                                 .arg(sectionNames,
                                      QString::number(strip.layout->slopeDegrees, 'f', 2).replace(u'.', decimalPoint))
                           : TemplateSheet::tr("Full-size template: %1").arg(sectionNames),
                  right));
    painter.setFont(sheetFont(8));
    const double bottom = page.height() * dpi;
    wordAt(QRectF(0, bottom - textLine * 1.5, right, textLine * 1.5), Qt::AlignLeft | Qt::AlignBottom,
           TemplateSheet::tr("%1 \u2014 %2 \u2014 page %3 of %4")
               .arg(fitted(jobName, right / 4), fitted(sectionNames, right / 2))
               .arg(pageNumber)
               .arg(strip.pageCount));

    // Where this page and its neighbours overlap: a join line in the middle
    // of the shared inch, at the same place on both pages, with how to join
    // them beside it.
    // Every line is drawn once all the words are written, to go round them.
    struct Dashed
    {
        double x, top, bottom;
    };
    std::vector<Dashed> dashedLines;
    const auto joinLine = [&](double position, const QString &how, bool wordsAfter) {
        dashedLines.push_back({x(position), stripTop - y(0.35), y(kGlueArrows) + textLine * 2.5});
        painter.setFont(label);
        const double room = y(4);
        const QRectF box = wordsAfter ? QRectF(x(position) + y(0.2), y(kGlueArrows), room, textLine * 2.5)
                                      : QRectF(x(position) - y(0.2) - room, y(kGlueArrows), room, textLine * 2.5);
        wordAt(box, int((wordsAfter ? Qt::AlignLeft : Qt::AlignRight) | Qt::AlignTop | Qt::TextWordWrap), how);
        arrowAt(painter, QPointF(x(position) + (wordsAfter ? y(0.04) : -y(0.04)), y(kGlueArrows) + textLine * 0.5),
                y(0.1), !wordsAfter);
    };
    if (pageOfStrip > 0)
        joinLine(start + overlap / 2,
                 TemplateSheet::tr("Trim along this dashed line, lay it on the dashed line of page %1, tape")
                     .arg(pageNumber - 1),
                 true);
    if (pageOfStrip + 1 < strip.pageCount)
        joinLine(pageStart(strip, pageOfStrip + 1) + overlap / 2,
                 TemplateSheet::tr("Page %1 is laid here: its trimmed edge on this dashed line").arg(pageNumber + 1),
                 false);

    // No paper may stand beyond the strip's ends: a trim line at each end,
    // so that the strip butts against the post (or the tread's front).
    const auto trimLine = [&](double position, const QString &how) {
        painter.setFont(label);
        const double room = y(3);
        // Beside the line where the page has room, after it if it can.
        const bool wordsAfter = right - x(position) >= room + y(0.1);
        const double wordsTop = y(kCheckBarTop + 0.8);
        wordAt(wordsAfter ? QRectF(x(position) + y(0.1), wordsTop, room, textLine * 3)
                          : QRectF(x(position) - y(0.1) - room, wordsTop, room, textLine * 3),
               int((wordsAfter ? Qt::AlignLeft : Qt::AlignRight) | Qt::AlignTop | Qt::TextWordWrap), how);
        dashedLines.push_back({x(position), y(0.35), page.height() * dpi - textLine * 2});
    };
    const double front = -strip.nosing;
    if (front >= start && front <= end)
        trimLine(front, !tread ? TemplateSheet::tr("Trim along this line and butt it against the post face")
                        : strip.nosing > 0
                            ? TemplateSheet::tr("Trim along this line and lay it on the front edge of the tread")
                            : TemplateSheet::tr("Trim along this line and butt it against the riser"));
    if (!tread && strip.length >= start && strip.length <= end)
        trimLine(strip.length, TemplateSheet::tr("Trim along this line: it meets the right post face"));
    painter.setPen(QPen(Qt::black, dpi / 100, Qt::DashLine));
    for (const Dashed &line : dashedLines)
        dashedAround(painter, line.x, line.top, line.bottom, words);
    painter.restore();
}

QString paintTemplate(QPagedPaintDevice &device, const layout::Job &job, const std::vector<SectionLayout> &sections,
                      QChar decimalPoint)
{
    bool cancelled = false;
    return paintTemplate(device, job, sections, decimalPoint, {}, cancelled);
}

QString paintTemplate(QPagedPaintDevice &device, const layout::Job &job, const std::vector<SectionLayout> &sections,
                      QChar decimalPoint, const SheetProgress &progress, bool &cancelled)
{
    cancelled = false;
    const QSizeF page = device.pageLayout().paintRect(QPageLayout::Inch).size();
    const TemplatePlan plan(job, sections, page, decimalPoint);
    if (plan.pageCount() > kMaximumTemplatePages)
        return TemplateSheet::tr("the template would need more than %1 pages").arg(kMaximumTemplatePages);
    QPainter painter;
    if (!painter.begin(&device))
        return TemplateSheet::tr("the template could not be started");
    for (int index = 0; index < plan.pageCount(); ++index) {
        // Asked before each page, so that a cancelled print run stops between pages.
        if (progress && !progress(index, plan.pageCount())) {
            cancelled = true;
            painter.end();
            return TemplateSheet::tr("cancelled");
        }
        if (index > 0 && !device.newPage()) {
            painter.end();
            return TemplateSheet::tr("page %1 of the template could not be started").arg(index + 1);
        }
        plan.paintPage(painter, index);
    }
    if (progress)
        progress(plan.pageCount(), plan.pageCount());
    if (plan.pageCount() == 0)
        painter.drawText(QRectF(0, 0, device.width(), device.height()), Qt::AlignCenter,
                         TemplateSheet::tr("This job has no section to lay out."));
    if (!painter.end())
        return TemplateSheet::tr("the template could not be finished");
    return {};
}

QPageLayout templatePageLayout(const QPageSize &paper)
{
    return QPageLayout(paper, QPageLayout::Landscape, QMarginsF(10, 10, 10, 10), QPageLayout::Millimeter);
}

TemplatePdf templatePdf(const layout::Job &job, const std::vector<SectionLayout> &sections, const QPageSize &paper,
                        QChar decimalPoint)
{
    TemplatePdf made;
    QBuffer buffer(&made.bytes);
    buffer.open(QIODevice::WriteOnly);
    {
        QPdfWriter writer(&buffer);
        writer.setPageLayout(templatePageLayout(paper));
        writer.setTitle(layout::outputName(job.name, layout::NameOutput::Paper));
        writer.setCreator(QCoreApplication::applicationName());
        const QSizeF page = writer.pageLayout().paintRect(QPageLayout::Inch).size();
        if (TemplatePlan(job, sections, page, decimalPoint).pageCount() > kMaximumTemplatePages) {
            made.tooLarge = true;
            made.failure =
                TemplateSheet::tr("the template would need more than %1 pages, the limit").arg(kMaximumTemplatePages);
            return made;
        }
        made.failure = paintTemplate(writer, job, sections, decimalPoint);
    }
    if (!made.failure.isEmpty())
        made.bytes.clear();
    return made;
}

}  // namespace sheets
