// SPDX-License-Identifier: LicenseRef-proprietary
#include "section_drawing.h"

#include "figure_glyphs.h"

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

// A section drawn in pieces, one below the other: which railpins and which
// stretch of the horizontal each piece shows. A piece that ends between two
// railpins is cut halfway between them.
class Pieces
{
public:
    Pieces(const std::vector<RailpinMarks> &marks, double run, double post, int count)
        : marks(marks), run(run), post(post),
          perPiece(marks.empty() ? 0 : (qsizetype(marks.size()) + std::max(count, 1) - 1) / std::max(count, 1)),
          total(perPiece == 0 ? 1 : int((qsizetype(marks.size()) + perPiece - 1) / perPiece))
    {
    }

    int count() const { return total; }
    qsizetype first(int piece) const { return std::min(qsizetype(marks.size()), piece * perPiece); }
    qsizetype end(int piece) const { return std::min(qsizetype(marks.size()), (piece + 1) * perPiece); }
    double left(int piece) const
    {
        const qsizetype index = first(piece);
        return piece == 0 || index == 0 ? -post : (marks[index - 1].rightEdge + marks[index].leftEdge) / 2;
    }
    double right(int piece) const
    {
        const qsizetype index = end(piece);
        return piece + 1 >= total || index >= qsizetype(marks.size())
                   ? run + post
                   : (marks[index - 1].rightEdge + marks[index].leftEdge) / 2;
    }
    // The widest piece: the first, the last or any one between, which are all alike.
    double widest() const
    {
        double width = 0;
        for (const int piece : {0, std::min(1, total - 1), total - 1})
            width = std::max(width, right(piece) - left(piece));
        return width;
    }

private:
    const std::vector<RailpinMarks> &marks;
    double run;
    double post;
    qsizetype perPiece;
    int total;
};

// Everything about a section's drawing that does not depend on the piece
// drawn: its measures, the room for the drawing and the one scale of all pieces.
struct Frame
{
    Frame(const QPainter &painter, const QRectF &area, const layout::Job &job, const SectionLayout &section,
          int pieceCount)
        : lineHeight(QFontMetricsF(painter.font(), painter.device()).lineSpacing()),
          stair(section.stair && !section.horizontalMarks.empty()),
          marks(stair ? section.horizontalMarks : section.marks), run(stair ? section.horizontalRun : section.length),
          tangent(stair ? std::tan(section.slopeDegrees * std::numbers::pi / 180.0) : 0.0),
          // The job's post where it gives one, else a 4x4.
          post(section.postWidth > 0 ? double(section.postWidth) : inUnit(kPostInches, job.unit)),
          cap(inUnit(kPostCapInches, job.unit)), pieces(marks, run, post, pieceCount),
          halfEnds(section.ends == layout::Ends::Half && marks.size() > 1),
          drawing(area.adjusted(0, 2.5 * lineHeight, 0, -2.5 * lineHeight)),
          paperInch(painterUnitsPerPaperInch(painter)),
          paperUnit(job.unit == Unit::Millimetres ? paperInch / kMillimetresPerInch : paperInch)
    {
        const double width = pieces.count() == 1 ? run + 2 * post : pieces.widest();
        const double rise = (pieces.count() == 1 ? run : width) * tangent;
        const double smallestRailpin = std::max(lineHeight, drawing.height() / 4);
        fit = std::min(drawing.width() / width, (drawing.height() - smallestRailpin) / (rise + cap));
        if (fit > 0 && std::isfinite(fit) && run > 0) {
            denominator = scaleDenominator(paperUnit / fit, job.unit);
            scale = paperUnit / denominator;
        }
        const QString widestNumber = QString::number(marks.size());
        numberWidth = QFontMetricsF(painter.font(), painter.device()).horizontalAdvance(widestNumber) + lineHeight / 2;
    }

    bool drawable() const { return scale > 0; }
    // Every railpin's number fits between its neighbours' at this scale.
    bool numbersFit() const { return marks.size() < 2 || (marks[1].centre - marks[0].centre) * scale >= numberWidth; }

    double lineHeight;
    bool stair;
    const std::vector<RailpinMarks> &marks;
    double run;
    double tangent;
    double post;
    double cap;
    Pieces pieces;
    bool halfEnds;  // a gap between railpins and half of one at the posts
    QRectF drawing;
    double paperInch;
    double paperUnit;
    double fit = 0;
    double denominator = 0;
    double scale = 0;
    double numberWidth = 0;
};

// A break symbol across the rails where a piece is cut: a line with a zigzag
// halfway up, drawn as single strokes.
void drawBreak(QPainter &painter, const Plan &plan, double x, double foot, double height, double lineHeight)
{
    const QPointF bottom = plan.at(x, foot) + QPointF(0, lineHeight / 2);
    const QPointF top = plan.at(x, foot + height) - QPointF(0, lineHeight / 2);
    const QPointF middle = (bottom + top) / 2;
    const double step = lineHeight / 3;
    const QPointF points[] = {bottom,
                              middle + QPointF(0, step),
                              middle + QPointF(step, 0),
                              middle - QPointF(step, 0),
                              middle - QPointF(0, step),
                              top};
    for (std::size_t index = 0; index + 1 < std::size(points); ++index)
        painter.drawLine(points[index], points[index + 1]);
}

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

namespace sheets {

int drawingPieces(const QPainter &painter, const QSizeF &size, const layout::Job &job, const SectionLayout &section)
{
    if (!section.laidOut() || size.isEmpty())
        return 1;
    const QRectF area(QPointF(0, 0), size);
    const auto numbersFit = [&](int count) {
        const Frame frame(painter, area, job, section, count);
        return frame.drawable() && frame.numbersFit();
    };
    const int railpins = int(section.marks.size());
    if (railpins < 2 || numbersFit(1) || !numbersFit(railpins))
        return 1;
    // The fewest pieces at whose scale the numbers fit: more pieces never
    // make the scale smaller.
    int crowded = 1;
    int fitting = railpins;
    while (fitting - crowded > 1) {
        const int middle = crowded + (fitting - crowded) / 2;
        (numbersFit(middle) ? fitting : crowded) = middle;
    }
    return Frame(painter, area, job, section, fitting).pieces.count();
}

DrawingScale drawSection(QPainter &painter, const QRectF &area, const layout::Job &job, const SectionLayout &section,
                         QChar decimalPoint, int piece, int pieceCount)
{
    if (area.width() <= 0 || area.height() <= 0)
        return {};
    painter.save();

    if (!section.laidOut()) {
        drawProblem(painter, area, section.problems.constFirst());
        painter.restore();
        return {};
    }

    const Frame frame(painter, area, job, section, std::max(pieceCount, 1));
    if (!frame.drawable()) {
        drawProblem(
            painter, area,
            QCoreApplication::translate("SectionDrawing", "The area is too small for a drawing of this section."));
        painter.restore();
        return {};
    }
    piece = std::clamp(piece, 0, frame.pieces.count() - 1);
    const double lineHeight = frame.lineHeight;
    const double tangent = frame.tangent;
    const double run = frame.run;
    const double post = frame.post;
    const double cap = frame.cap;
    const double scale = frame.scale;
    const QRectF &drawing = frame.drawing;
    const std::vector<RailpinMarks> &marks = frame.marks;

    // The stretch of the horizontal this piece shows, and the rise within it.
    const double from = frame.pieces.left(piece);
    const double to = frame.pieces.right(piece);
    const bool whole = frame.pieces.count() == 1;
    const double base = whole ? 0.0 : std::max(from, 0.0) * tangent;
    const double rise = (whole ? run : std::min(to, run)) * tangent - base;

    const double room = drawing.height() / scale - rise - cap;
    const double railpinHeight = std::min(inUnit(kRailpinHeightInches, job.unit), room);
    const double realWidth = to - from;
    const double realHeight = rise + railpinHeight + cap;
    const QPointF origin(drawing.center().x() - realWidth * scale / 2 - from * scale,
                         drawing.center().y() + realHeight * scale / 2 + base * scale);
    const Plan plan(origin, scale);

    QPen pen = painter.pen();
    pen.setWidthF(frame.paperInch / 100);
    pen.setCapStyle(Qt::FlatCap);
    pen.setJoinStyle(Qt::MiterJoin);
    painter.setPen(pen);

    // Posts: the left one stands on the lower end of the rail, the right one on the upper.
    const auto postPolygon = [&](double face, double outer, double foot) {
        const double top = foot + railpinHeight + cap;
        return QPolygonF({plan.at(face, foot), plan.at(outer, foot), plan.at(outer, top), plan.at(face, top)});
    };
    painter.setBrush(QColor(200, 200, 200));
    if (from < 0)
        painter.drawPolygon(postPolygon(-post, 0, 0));
    if (to > run)
        painter.drawPolygon(postPolygon(run, run + post, run * tangent));

    // The bottom and top rails along the slope, between the posts' faces or
    // the breaks that end this piece.
    const double railFrom = std::max(from, 0.0);
    const double railTo = std::min(to, run);
    painter.drawLine(plan.at(railFrom, railFrom * tangent), plan.at(railTo, railTo * tangent));
    painter.drawLine(plan.at(railFrom, railFrom * tangent + railpinHeight),
                     plan.at(railTo, railTo * tangent + railpinHeight));
    if (from >= 0)
        drawBreak(painter, plan, from, from * tangent, railpinHeight, lineHeight);
    if (to <= run)
        drawBreak(painter, plan, to, to * tangent, railpinHeight, lineHeight);

    // Each railpin, numbered above as in the marks table where the numbers
    // fit between their neighbours'.
    const bool numbered = frame.numbersFit();
    const std::shared_ptr<FigureGlyphs> figures = numbered ? FigureGlyphs::of(painter) : nullptr;
    for (qsizetype index = frame.pieces.first(piece); index < frame.pieces.end(piece); ++index) {
        const RailpinMarks &mark = marks[std::size_t(index)];
        const double left = mark.leftEdge;
        const double right = mark.rightEdge;
        painter.setBrush(QColor(235, 235, 235));
        if (tangent == 0) {
            painter.drawRect(QRectF(plan.at(left, railpinHeight), plan.at(right, 0)));
        } else {
            painter.drawPolygon(QPolygonF({plan.at(left, left * tangent), plan.at(right, right * tangent),
                                           plan.at(right, right * tangent + railpinHeight),
                                           plan.at(left, left * tangent + railpinHeight)}));
        }
        if (numbered) {
            const QPointF top = plan.at(mark.centre, std::max(left, right) * tangent + railpinHeight);
            const QRectF box(top.x() - frame.numberWidth / 2, top.y() - lineHeight, frame.numberWidth, lineHeight);
            const QString number = QString::number(mark.railpin);
            if (!figures->drawCentredAtBottom(painter, box, number))
                painter.drawText(box, Qt::AlignHCenter | Qt::AlignBottom, number);
        }
    }

    // The gap, in the first piece: between the first two railpins, or the
    // left post and the only railpin. Its size is horizontal, what a gauge
    // between them reads.
    const double dimensionY = plan.at(railFrom, railFrom * tangent).y() + lineHeight / 2;
    if (piece == 0 && !marks.empty()) {
        const double gapFrom = marks.size() > 1 ? marks[0].rightEdge : 0.0;
        const double gapTo = marks.size() > 1 ? marks[1].leftEdge : marks[0].leftEdge;
        // Half ends with one railpin: the post is half a gap from it.
        const bool halfGap = marks.size() == 1 && section.ends == layout::Ends::Half;
        const layout::GapText gap = layout::gapText(section, job, decimalPoint);
        const QString gapFigure = gap.fraction.isEmpty() ? gap.decimal : gap.fraction;
        //: The gap dimension and its unit written on the drawing ("4 in"); short, for the narrow space between two
        //: railpins.
        const QString size = QCoreApplication::translate("SectionDrawing", "%1 %2")
                                 .arg(halfGap ? layout::markText(gapTo - gapFrom, job, decimalPoint) : gapFigure,
                                      layout::unitName(job.unit));
        drawGapDimension(painter, plan, tangent, gapFrom, gapTo, dimensionY, lineHeight, size, area);
    }
    // With half ends the posts stand half a gap from the railpins: dimensioned
    // at the right post, away from the gap's dimension at the left.
    if (frame.halfEnds && piece + 1 == frame.pieces.count()) {
        const QString end =
            QCoreApplication::translate("SectionDrawing", "%1 %2")
                .arg(layout::markText(marks.front().leftEdge, job, decimalPoint), layout::unitName(job.unit));
        drawGapDimension(painter, plan, tangent, marks.back().rightEdge, run, dimensionY, lineHeight, end, area);
    }

    // A layout centred on mid-span: the middle as a dashed line in the piece
    // that holds it, and the end gap at the right post, which the left one mirrors.
    const bool centred = section.spacing == layout::Spacing::Same || section.centre != layout::Centre::Either;
    if (centred && !marks.empty()) {
        const double middle = run / 2;
        if (middle >= from && middle <= to) {
            QPen dashed = painter.pen();
            dashed.setStyle(Qt::DashLine);
            painter.save();
            painter.setPen(dashed);
            painter.drawLine(plan.at(middle, middle * tangent - cap / 2),
                             plan.at(middle, middle * tangent + railpinHeight + cap / 2));
            painter.restore();
        }
        if (marks.size() > 1 && !frame.halfEnds && piece + 1 == frame.pieces.count()) {
            const QString endGap =
                QCoreApplication::translate("SectionDrawing", "%1 %2")
                    .arg(layout::markText(section.endGap, job, decimalPoint), layout::unitName(job.unit));
            drawGapDimension(painter, plan, tangent, marks.back().rightEdge, run, dimensionY, lineHeight, endGap, area);
        }
    }

    QString scaleText =
        QCoreApplication::translate("SectionDrawing", "Scale 1:%1").arg(QString::number(frame.denominator, 'f', 0));
    if (!whole) {
        scaleText = QCoreApplication::translate("SectionDrawing", "%1, part %2 of %3")
                        .arg(scaleText)
                        .arg(piece + 1)
                        .arg(frame.pieces.count());
    }
    painter.drawText(QRectF(area.left(), area.top(), area.width(), lineHeight), Qt::AlignLeft | Qt::AlignVCenter,
                     scaleText);
    painter.restore();
    return {scale, scaleText};
}

}  // namespace sheets
