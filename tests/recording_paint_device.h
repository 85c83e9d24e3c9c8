// SPDX-License-Identifier: LicenseRef-proprietary
#pragma once

#include <QPaintDevice>
#include <QPaintEngine>
#include <QPolygonF>
#include <QRectF>
#include <QStringList>

#include <memory>
#include <vector>

// A paint device that keeps what is painted on it, in device coordinates:
// filled shapes (rectangles and polygons), lines and texts. Its resolution
// is that of a PDF writer, so that the stated scale of a drawing can be checked.
class RecordingPaintDevice : public QPaintDevice
{
public:
    struct Recording
    {
        std::vector<QPolygonF> shapes;  // every rectangle and polygon, as polygons
        std::vector<QLineF> lines;
        std::vector<QLineF> dashedLines;  // also in lines
        QStringList texts;
        std::vector<QRectF> textBoxes;  // where each text stands, from its ascent to its descent
    };

    explicit RecordingPaintDevice(QSize size, int dpi = 1200)
        : size(size), dpi(dpi), engine(std::make_unique<Engine>(recorded))
    {
    }

    QPaintEngine *paintEngine() const override { return engine.get(); }
    const Recording &recording() const { return recorded; }

protected:
    int metric(PaintDeviceMetric metric) const override
    {
        switch (metric) {
        case PdmWidth:
            return size.width();
        case PdmHeight:
            return size.height();
        case PdmWidthMM:
            return int(size.width() * 25.4 / dpi);
        case PdmHeightMM:
            return int(size.height() * 25.4 / dpi);
        case PdmDpiX:
        case PdmDpiY:
        case PdmPhysicalDpiX:
        case PdmPhysicalDpiY:
            return dpi;
        case PdmDepth:
            return 32;
        case PdmNumColors:
            return INT_MAX;
        case PdmDevicePixelRatio:
            return 1;
        case PdmDevicePixelRatioScaled:
            return int(QPaintDevice::devicePixelRatioFScale());
        }
        return 0;
    }

private:
    class Engine : public QPaintEngine
    {
    public:
        explicit Engine(Recording &recording) : QPaintEngine(AllFeatures), recording(recording) {}

        bool begin(QPaintDevice *) override { return true; }
        bool end() override { return true; }
        void updateState(const QPaintEngineState &state) override
        {
            if (state.state() & DirtyTransform)
                transform = state.transform();
            if (state.state() & DirtyPen)
                dashed = state.pen().style() == Qt::DashLine;
        }
        Type type() const override { return User; }
        void drawPixmap(const QRectF &, const QPixmap &, const QRectF &) override {}

        void drawRects(const QRectF *rects, int count) override
        {
            for (int index = 0; index < count; ++index)
                recording.shapes.push_back(transform.map(QPolygonF(rects[index])));
        }
        void drawRects(const QRect *rects, int count) override
        {
            for (int index = 0; index < count; ++index)
                recording.shapes.push_back(transform.map(QPolygonF(QRectF(rects[index]))));
        }
        void drawPolygon(const QPointF *points, int count, PolygonDrawMode) override
        {
            recording.shapes.push_back(transform.map(QPolygonF(QList<QPointF>(points, points + count))));
        }
        void drawPolygon(const QPoint *points, int count, PolygonDrawMode mode) override
        {
            QPolygonF polygon;
            for (int index = 0; index < count; ++index)
                polygon << QPointF(points[index]);
            drawPolygon(polygon.constData(), int(polygon.size()), mode);
        }
        void drawLines(const QLineF *lines, int count) override
        {
            for (int index = 0; index < count; ++index) {
                recording.lines.push_back(transform.map(lines[index]));
                if (dashed)
                    recording.dashedLines.push_back(recording.lines.back());
            }
        }
        void drawLines(const QLine *lines, int count) override
        {
            for (int index = 0; index < count; ++index)
                recording.lines.push_back(transform.map(QLineF(lines[index])));
        }
        void drawTextItem(const QPointF &baseline, const QTextItem &item) override
        {
            recording.texts << item.text();
            recording.textBoxes.push_back(transform.mapRect(
                QRectF(baseline.x(), baseline.y() - item.ascent(), item.width(), item.ascent() + item.descent())));
        }

    private:
        Recording &recording;
        QTransform transform;
        bool dashed = false;
    };

    QSize size;
    int dpi;
    Recording recorded;
    std::unique_ptr<Engine> engine;
};
