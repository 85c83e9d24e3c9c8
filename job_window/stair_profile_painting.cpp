// SPDX-License-Identifier: LicenseRef-proprietary
#include "stair_profile_painting.h"

#include <QFontMetricsF>
#include <QPainter>
#include <QPalette>

#include <algorithm>
#include <cmath>
#include <limits>

namespace {

// Whether every number fits between its neighbours' at this scale.
bool labelsFit(const QPainter &painter, const exports::Elevation &drawing, double scale)
{
    const QFontMetricsF metrics(painter.font());
    double previous = -std::numeric_limits<double>::infinity();
    for (const exports::Elevation::Label &label : drawing.labels) {
        const double x = label.baseline.x() * scale;
        if (x - previous < metrics.horizontalAdvance(label.text) + metrics.averageCharWidth())
            return false;
        previous = x;
    }
    return true;
}

}  // namespace

double paintElevation(QPainter &painter, const QRectF &area, const exports::Elevation &drawing, const QPalette &palette)
{
    const QRectF bounds = drawing.bounds;
    if (bounds.isEmpty() || area.isEmpty())
        return 0;
    const double scale = std::min(area.width() / bounds.width(), area.height() / bounds.height());
    const QPointF origin(area.center().x() - bounds.center().x() * scale,
                         area.center().y() - bounds.center().y() * scale);
    const auto place = [&](const QPointF &point) { return origin + point * scale; };

    painter.save();
    QPen outline(palette.color(QPalette::Text), 0);
    painter.setPen(outline);
    painter.setBrush(palette.brush(QPalette::Mid));
    for (const exports::Elevation::Rectangle &rectangle : drawing.rectangles)
        painter.drawRect(QRectF(place(rectangle.rect.topLeft()), place(rectangle.rect.bottomRight())));
    for (const exports::Elevation::Line &line : drawing.lines) {
        QPen pen = outline;
        if (line.layer == exports::Layer::Centres) {
            pen.setStyle(Qt::DashLine);
            pen.setColor(palette.color(QPalette::PlaceholderText));
        } else if (line.layer == exports::Layer::Stair) {
            pen.setWidthF(1.5);
        }
        painter.setPen(pen);
        painter.drawLine(place(line.line.p1()), place(line.line.p2()));
    }
    if (labelsFit(painter, drawing, scale)) {
        painter.setPen(palette.color(QPalette::Text));
        for (const exports::Elevation::Label &label : drawing.labels)
            painter.drawText(place(label.baseline), label.text);
    }
    painter.restore();
    return scale;
}
