// SPDX-License-Identifier: LicenseRef-proprietary
#include "post_plan_drawing.h"

#include "measurement.h"

#include <QCoreApplication>
#include <QFontMetricsF>
#include <QPainter>

#include <algorithm>
#include <cmath>

namespace {

// A dimension between two points on one height: a line with ticks at its
// ends and the text centred above it, left out where it does not fit.
void dimension(QPainter &painter, double left, double right, double y, double tick, const QString &text)
{
    painter.drawLine(QPointF(left, y), QPointF(right, y));
    painter.drawLine(QPointF(left, y - tick), QPointF(left, y + tick));
    painter.drawLine(QPointF(right, y - tick), QPointF(right, y + tick));
    const QFontMetricsF metrics(painter.font(), painter.device());
    const double width = metrics.horizontalAdvance(text);
    if (width < right - left)
        painter.drawText(QPointF((left + right - width) / 2, y - tick - metrics.descent()), text);
}

// A wall at x, its face towards the run on `side` (+1: the run lies right of it).
void wall(QPainter &painter, double x, double top, double bottom, double thickness, int side)
{
    const double back = x - side * thickness;
    painter.drawLine(QPointF(x, top), QPointF(x, bottom));
    if (!(thickness > 0))
        return;
    const auto strokes = int(std::ceil((bottom - top) / thickness));
    for (int stroke = 0; stroke < strokes; ++stroke) {
        const double y = top + thickness * stroke;
        painter.drawLine(QPointF(x, y + thickness), QPointF(back, y));
    }
}

}  // namespace

namespace sheets {

void drawPostPlan(QPainter &painter, const QRectF &area, const layout::Job &job, const layout::Run &run,
                  const layout::RunPlan &plan, QChar decimalPoint)
{
    if (!plan.planned() || !(plan.length > 0) || area.isEmpty())
        return;
    painter.save();
    const QFontMetricsF metrics(painter.font(), painter.device());
    const double margin = metrics.height();
    // One scale along the run: its length and a post's width beyond each end reference.
    const double scale = (area.width() - 2 * margin) / (plan.length + plan.postWidth);
    const double x0 = area.left() + margin + scale * plan.postWidth / 2;
    const auto at = [x0, scale](double position) { return x0 + position * scale; };
    const double railY = area.center().y();
    const double postHalf = std::max(scale * plan.postWidth / 2, 1.0);
    const double tick = metrics.height() / 4;

    QPen pen = painter.pen();
    pen.setWidthF(std::max(1.0, metrics.height() / 16));
    painter.setPen(pen);
    painter.drawLine(QPointF(at(0), railY), QPointF(at(plan.length), railY));
    for (const layout::PostPosition &post : plan.posts) {
        const QRectF square(at(post.centre) - postHalf, railY - postHalf, 2 * postHalf, 2 * postHalf);
        painter.fillRect(square, post.counted ? painter.pen().color() : QColor(Qt::gray));
        painter.drawRect(square);
    }
    const double wallHeight = 2.5 * margin;
    if (run.start == layout::RunEnd::Wall)
        wall(painter, at(0), railY - wallHeight / 2, railY + wallHeight / 2, tick * 2, 1);
    if (run.end == layout::RunEnd::Wall)
        wall(painter, at(plan.length), railY - wallHeight / 2, railY + wallHeight / 2, tick * 2, -1);

    // Every bay from reference or post centre to the next, below; the whole run above.
    const QString onCentre = layout::markText(plan.onCentre, job, decimalPoint);
    const double below = railY + postHalf + 1.5 * margin;
    for (qint64 bay = 0; bay < plan.bays; ++bay) {
        const double left = plan.onCentre * double(bay);
        dimension(painter, at(left), at(left + plan.onCentre), below, tick, onCentre);
    }
    const double above = railY - postHalf - margin;
    dimension(painter, at(0), at(plan.length), above, tick,
              //: A run's length and its unit over the plan of its posts ("207 in").
              QCoreApplication::translate("PostPlan", "%1 %2")
                  .arg(layout::markText(plan.length, job, decimalPoint), layout::unitName(job.unit)));
    painter.restore();
}

}  // namespace sheets
