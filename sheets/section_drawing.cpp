// SPDX-License-Identifier: LicenseRef-proprietary
#include "section_drawing.h"

#include "measurement.h"
#include "units.h"

#include <QCoreApplication>
#include <QFontMetricsF>
#include <QPaintDevice>
#include <QPainter>
#include <QPainterPath>
#include <QPolygonF>

#include <algorithm>
#include <array>
#include <cmath>
#include <numbers>

using layout::RailpinMarks;
using layout::SectionLayout;
using layout::Unit;

namespace {

// Parts of the drawing that no input gives, in real sizes: a 4x4 post and a
// railpin as tall as a common railing's infill. The railpins are drawn
// shorter where the area is too low for that; widths and positions, the
// lengths that are marked on the rail, always keep the stated scale.
constexpr double kPostInches = 3.5;
constexpr double kRailpinHeightInches = 32;
constexpr double kPostCapInches = 3;

// The scales a builder knows: inch architectural ratios and metric ones.
constexpr std::array kInchScales{1.0, 2.0, 4.0, 8.0, 12.0, 16.0, 24.0, 32.0, 48.0, 64.0, 96.0};
constexpr std::array kMetricScales{1.0, 2.0, 5.0, 10.0, 20.0, 25.0, 50.0, 100.0};

double inUnit(double inches, Unit unit)
{
    return unit == Unit::Millimetres ? inches * kMillimetresPerInch : inches;
}

// The smallest familiar ratio 1:N with N at least `minimum`: the listed
// scales first, then 1, 2 and 5 times a power of ten beyond them.
double scaleDenominator(double minimum, Unit unit)
{
    const auto *const first = unit == Unit::Millimetres ? kMetricScales.begin() : kInchScales.begin();
    const auto *const last = unit == Unit::Millimetres ? kMetricScales.end() : kInchScales.end();
    const auto *const found = std::find_if(first, last, [minimum](double n) { return n >= minimum; });
    if (found != last)
        return *found;
    for (double decade = 100;; decade *= 10) {
        for (const double step : {1.0, 2.0, 5.0}) {
            if (step * decade >= minimum)
                return step * decade;
        }
    }
}

// Painter units per inch of paper: the device's resolution, undone by any
// scaling the painter applies.
double painterUnitsPerPaperInch(const QPainter &painter)
{
    const QPaintDevice *device = painter.device();
    const double dpi = device != nullptr && device->logicalDpiX() > 0 ? device->logicalDpiX() : 72.0;
    const QTransform transform = painter.worldTransform();
    const double zoom = std::hypot(transform.m11(), transform.m12());
    return zoom > 0 ? dpi / zoom : dpi;
}

// Maps the section's real coordinates (x along the horizontal from the left
// post's face, y up from the foot of the left railpin line) to the painter.
class Plan
{
public:
    Plan(QPointF origin, double scale) : origin(origin), scale(scale) {}

    QPointF at(double x, double y) const { return {origin.x() + x * scale, origin.y() - y * scale}; }

private:
    QPointF origin;
    double scale;
};

void drawProblem(QPainter &painter, const QRectF &area, const QString &problem)
{
    painter.drawText(area, Qt::AlignCenter | Qt::TextWordWrap, problem);
}

// Dimension of the first gap: extension lines from the foot of both railpin
// faces down to a line with ticks, the size written below it.
void drawGapDimension(QPainter &painter, const Plan &plan, double tangent, double from, double to, double lineY,
                      double lineHeight, const QString &text, const QRectF &area)
{
    const QPointF left = plan.at(from, from * tangent);
    const QPointF right = plan.at(to, to * tangent);
    const double tick = lineHeight / 4;
    painter.drawLine(left, QPointF(left.x(), lineY + tick));
    painter.drawLine(right, QPointF(right.x(), lineY + tick));
    painter.drawLine(QPointF(left.x(), lineY), QPointF(right.x(), lineY));
    painter.drawLine(QPointF(left.x() - tick, lineY + tick), QPointF(left.x() + tick, lineY - tick));
    painter.drawLine(QPointF(right.x() - tick, lineY + tick), QPointF(right.x() + tick, lineY - tick));

    const double width = QFontMetricsF(painter.font(), painter.device()).horizontalAdvance(text) + lineHeight;
    double textLeft = (left.x() + right.x()) / 2 - width / 2;
    textLeft = std::clamp(textLeft, area.left(), std::max(area.left(), area.right() - width));
    painter.drawText(QRectF(textLeft, lineY + tick, width, lineHeight), Qt::AlignCenter, text);
}

}  // namespace

namespace printing {

DrawingScale drawSection(QPainter &painter, const QRectF &area, const layout::Job &job, const SectionLayout &section,
                         QChar decimalPoint)
{
    if (area.width() <= 0 || area.height() <= 0)
        return {};
    painter.save();
    const double lineHeight = QFontMetricsF(painter.font(), painter.device()).lineSpacing();

    if (!section.laidOut()) {
        drawProblem(painter, area, section.problems.constFirst());
        painter.restore();
        return {};
    }

    const Unit unit = job.unit;
    const bool stair = section.stair && !section.horizontalMarks.empty();
    const std::vector<RailpinMarks> &marks = stair ? section.horizontalMarks : section.marks;
    const double run = stair ? section.horizontalRun : section.length;
    const double tangent = stair ? std::tan(section.slopeDegrees * std::numbers::pi / 180.0) : 0.0;
    const double rise = run * tangent;
    // The job's post where it gives one, else a 4x4.
    const double post = section.postWidth > 0 ? double(section.postWidth) : inUnit(kPostInches, unit);
    const double cap = inUnit(kPostCapInches, unit);

    // Text above (the scale) and below (the dimension) in painter units; the
    // rest holds the drawing, at least a line of railpin height above the rail.
    const QRectF drawing = area.adjusted(0, 1.5 * lineHeight, 0, -2.5 * lineHeight);
    const double smallestRailpin = std::max(lineHeight, drawing.height() / 4);
    const double fit =
        std::min(drawing.width() / (run + 2 * post), (drawing.height() - smallestRailpin) / (rise + cap));
    if (!(fit > 0) || !std::isfinite(fit) || !(run > 0)) {
        drawProblem(
            painter, area,
            QCoreApplication::translate("SectionDrawing", "The area is too small for a drawing of this section."));
        painter.restore();
        return {};
    }

    const double paperInch = painterUnitsPerPaperInch(painter);
    const double paperUnit = unit == Unit::Millimetres ? paperInch / kMillimetresPerInch : paperInch;
    const double denominator = scaleDenominator(paperUnit / fit, unit);
    const double scale = paperUnit / denominator;

    const double room = drawing.height() / scale - rise - cap;
    const double railpinHeight = std::min(inUnit(kRailpinHeightInches, unit), room);
    const double realWidth = run + 2 * post;
    const double realHeight = rise + railpinHeight + cap;
    const QPointF origin(drawing.center().x() - realWidth * scale / 2 + post * scale,
                         drawing.center().y() + realHeight * scale / 2);
    const Plan plan(origin, scale);

    QPen pen = painter.pen();
    pen.setWidthF(paperInch / 100);
    pen.setCapStyle(Qt::FlatCap);
    pen.setJoinStyle(Qt::MiterJoin);
    painter.setPen(pen);

    // Posts: the left one stands on the lower end of the rail, the right one on the upper.
    const auto postPolygon = [&](double face, double outer, double foot) {
        const double top = foot + railpinHeight + cap;
        return QPolygonF({plan.at(face, foot), plan.at(outer, foot), plan.at(outer, top), plan.at(face, top)});
    };
    painter.setBrush(QColor(200, 200, 200));
    painter.drawPolygon(postPolygon(-post, 0, 0));
    painter.drawPolygon(postPolygon(run, run + post, rise));

    // The bottom and top rails along the slope, between the posts' faces.
    painter.drawLine(plan.at(0, 0), plan.at(run, rise));
    painter.drawLine(plan.at(0, railpinHeight), plan.at(run, rise + railpinHeight));

    painter.setBrush(QColor(235, 235, 235));
    for (const RailpinMarks &mark : marks) {
        const double left = mark.leftEdge;
        const double right = mark.rightEdge;
        if (tangent == 0) {
            painter.drawRect(QRectF(plan.at(left, railpinHeight), plan.at(right, 0)));
        } else {
            painter.drawPolygon(QPolygonF({plan.at(left, left * tangent), plan.at(right, right * tangent),
                                           plan.at(right, right * tangent + railpinHeight),
                                           plan.at(left, left * tangent + railpinHeight)}));
        }
    }

    // The first gap: between the first two railpins, or the left post and the
    // only railpin. Its size is the horizontal gap, what a gauge between them reads.
    if (!marks.empty()) {
        const double from = marks.size() > 1 ? marks[0].rightEdge : 0.0;
        const double to = marks.size() > 1 ? marks[1].leftEdge : marks[0].leftEdge;
        // Half ends with one railpin: the post is half a gap from it.
        const bool halfGap = marks.size() == 1 && section.ends == layout::Ends::Half;
        const layout::GapText gap = layout::gapText(section, job, decimalPoint);
        const QString gapFigure = gap.fraction.isEmpty() ? gap.decimal : gap.fraction;
        const QString size =
            QCoreApplication::translate("SectionDrawing", "%1 %2")
                .arg(halfGap ? layout::markText(to - from, job, decimalPoint) : gapFigure, layout::unitName(unit));
        drawGapDimension(painter, plan, tangent, from, to, plan.at(0, 0).y() + lineHeight / 2, lineHeight, size, area);
    }

    // A layout centred on mid-span: the middle as a dashed line, and the end
    // gap at the right post, which the left one mirrors.
    const bool centred = section.spacing == layout::Spacing::Same || section.centre != layout::Centre::Either;
    if (centred && !marks.empty()) {
        QPen dashed = painter.pen();
        dashed.setStyle(Qt::DashLine);
        painter.save();
        painter.setPen(dashed);
        const double middle = run / 2;
        painter.drawLine(plan.at(middle, middle * tangent - cap / 2),
                         plan.at(middle, middle * tangent + railpinHeight + cap / 2));
        painter.restore();
        if (marks.size() > 1) {
            const QString endGap =
                QCoreApplication::translate("SectionDrawing", "%1 %2")
                    .arg(layout::markText(section.endGap, job, decimalPoint), layout::unitName(unit));
            drawGapDimension(painter, plan, tangent, marks.back().rightEdge, run, plan.at(0, 0).y() + lineHeight / 2,
                             lineHeight, endGap, area);
        }
    }

    const QString scaleText =
        QCoreApplication::translate("SectionDrawing", "Scale 1:%1").arg(QString::number(denominator, 'f', 0));
    painter.drawText(QRectF(area.left(), area.top(), area.width(), lineHeight), Qt::AlignLeft | Qt::AlignVCenter,
                     scaleText);
    painter.restore();
    return {scale, scaleText};
}

}  // namespace printing
