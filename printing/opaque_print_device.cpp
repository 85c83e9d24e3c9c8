// SPDX-License-Identifier: LicenseRef-proprietary
#include "opaque_print_device.h"

#include "units.h"

#include <QPaintEngine>
#include <QPainter>
#include <QPainterPath>
#include <QPixmap>

#include <limits>

namespace {

// Blends translucency with the backdrop, as it would look on screen.
class Flattener
{
public:
    explicit Flattener(const QColor &backdrop) : backdrop(backdrop.toRgb()) {}

    qreal opacity = 1;

    QColor colour(const QColor &colour) const
    {
        const float alpha = colour.alphaF() * float(opacity);
        if (alpha >= 1)
            return colour;
        const QColor rgb = colour.toRgb();
        const auto mix = [alpha](float over, float under) { return over * alpha + under * (1 - alpha); };
        return QColor::fromRgbF(mix(rgb.redF(), backdrop.redF()), mix(rgb.greenF(), backdrop.greenF()),
                                mix(rgb.blueF(), backdrop.blueF()));
    }

    // Pixels that are fully transparent stay so: a mask, which needs no
    // transparency. All others become opaque.
    QImage image(const QImage &image) const
    {
        if (!image.hasAlphaChannel() && opacity >= 1)
            return image;
        QImage result = image.convertToFormat(QImage::Format_ARGB32);
        for (int y = 0; y < result.height(); ++y) {
            auto *line = reinterpret_cast<QRgb *>(result.scanLine(y));
            for (int x = 0; x < result.width(); ++x) {
                if (qRound(qAlpha(line[x]) * opacity) == 0)
                    line[x] = 0;
                else
                    line[x] = colour(QColor::fromRgba(line[x])).rgb();
            }
        }
        return result;
    }

    QBrush brush(const QBrush &brush) const
    {
        QBrush result = brush;
        switch (brush.style()) {
        case Qt::NoBrush:
            break;
        case Qt::LinearGradientPattern:
        case Qt::RadialGradientPattern:
        case Qt::ConicalGradientPattern: {
            QGradient gradient = *brush.gradient();
            QGradientStops stops = gradient.stops();
            for (QGradientStop &stop : stops)
                stop.second = colour(stop.second);
            gradient.setStops(stops);
            result = QBrush(gradient);
            result.setTransform(brush.transform());
            break;
        }
        case Qt::TexturePattern:
            result.setTextureImage(image(brush.textureImage()));
            break;
        default:
            result.setColor(colour(brush.color()));
            break;
        }
        return result;
    }

    QPen pen(QPen pen) const
    {
        pen.setBrush(brush(pen.brush()));
        return pen;
    }

private:
    QColor backdrop;
};

// Passes every state change and drawing operation on to the target painter,
// through the flattener and the transformation onto the target.
class OpaquePrintEngine : public QPaintEngine
{
public:
    OpaquePrintEngine(QPainter &target, const QTransform &toTarget, int dpi, const QColor &backdrop)
        : QPaintEngine(QPaintEngine::AllFeatures), target(target), toTarget(toTarget), dpi(dpi), flatten(backdrop)
    {
    }

    bool begin(QPaintDevice *) override { return true; }
    bool end() override { return true; }
    Type type() const override { return QPaintEngine::User; }

    void updateState(const QPaintEngineState &state) override
    {
        const DirtyFlags dirty = state.state();
        if (dirty & DirtyOpacity)
            flatten.opacity = state.opacity();
        if (dirty & (DirtyPen | DirtyOpacity))
            target.setPen(flatten.pen(state.pen()));
        if (dirty & (DirtyBrush | DirtyOpacity))
            target.setBrush(flatten.brush(state.brush()));
        if (dirty & DirtyBrushOrigin)
            target.setBrushOrigin(state.brushOrigin());
        if (dirty & (DirtyBackground | DirtyOpacity))
            target.setBackground(flatten.brush(state.backgroundBrush()));
        if (dirty & DirtyBackgroundMode)
            target.setBackgroundMode(state.backgroundMode());
        if (dirty & DirtyFont)
            target.setFont(printFont(state.font()));
        // The transformation first: a clip is given in the coordinates in
        // force when it was set.
        if (dirty & DirtyTransform)
            target.setTransform(state.transform() * toTarget);
        if (dirty & DirtyClipRegion)
            target.setClipRegion(state.clipRegion(), state.clipOperation());
        if (dirty & DirtyClipPath)
            target.setClipPath(state.clipPath(), state.clipOperation());
        if (dirty & DirtyClipEnabled)
            target.setClipping(state.isClipEnabled());
        if (dirty & DirtyHints)
            target.setRenderHints(state.renderHints());
    }

    void drawRects(const QRectF *rects, int count) override { target.drawRects(rects, count); }
    void drawLines(const QLineF *lines, int count) override { target.drawLines(lines, count); }
    void drawEllipse(const QRectF &rect) override { target.drawEllipse(rect); }
    void drawPath(const QPainterPath &path) override { target.drawPath(path); }
    void drawPoints(const QPointF *points, int count) override { target.drawPoints(points, count); }

    void drawPolygon(const QPointF *points, int count, PolygonDrawMode mode) override
    {
        switch (mode) {
        case PolylineMode:
            target.drawPolyline(points, count);
            break;
        case ConvexMode:
            target.drawConvexPolygon(points, count);
            break;
        case OddEvenMode:
            target.drawPolygon(points, count, Qt::OddEvenFill);
            break;
        case WindingMode:
            target.drawPolygon(points, count, Qt::WindingFill);
            break;
        }
    }

    void drawPixmap(const QRectF &rect, const QPixmap &pixmap, const QRectF &source) override
    {
        if (pixmap.depth() == 1)  // a bitmap is drawn in the pen's colour, already opaque
            target.drawPixmap(rect, pixmap, source);
        else
            target.drawImage(rect, flatten.image(pixmap.toImage()), source);
    }

    void drawImage(const QRectF &rect, const QImage &image, const QRectF &source,
                   Qt::ImageConversionFlags flags) override
    {
        target.drawImage(rect, flatten.image(image), source, flags);
    }

    void drawTiledPixmap(const QRectF &rect, const QPixmap &pixmap, const QPointF &offset) override
    {
        target.drawTiledPixmap(rect, QPixmap::fromImage(flatten.image(pixmap.toImage())), offset);
    }

    // The painter draws underlines and strike-outs itself, as lines.
    void drawTextItem(const QPointF &position, const QTextItem &textItem) override
    {
        QFont font = printFont(textItem.font());
        font.setUnderline(false);
        font.setOverline(false);
        font.setStrikeOut(false);
        target.setFont(font);
        target.drawText(position, textItem.text());
    }

private:
    // A size in points means device pixels at this device's resolution; on
    // the target it must cover the same pixels before the transformation.
    QFont printFont(const QFont &font) const
    {
        QFont result = font;
        if (font.pixelSize() <= 0)
            result.setPointSizeF(font.pointSizeF() * dpi / target.device()->logicalDpiY());
        return result;
    }

    QPainter &target;
    QTransform toTarget;
    int dpi;
    Flattener flatten;
};

}  // namespace

OpaquePrintDevice::OpaquePrintDevice(QPainter &target, const QTransform &toTarget, QSize size, int dpi,
                                     const QColor &backdrop)
    : size(size), dpi(dpi), engine(std::make_unique<OpaquePrintEngine>(target, toTarget, dpi, backdrop))
{
}

OpaquePrintDevice::~OpaquePrintDevice() = default;

QPaintEngine *OpaquePrintDevice::paintEngine() const
{
    return engine.get();
}

int OpaquePrintDevice::metric(PaintDeviceMetric metric) const
{
    switch (metric) {
    case PdmWidth:
        return size.width();
    case PdmHeight:
        return size.height();
    case PdmWidthMM:
        return qRound(size.width() * kMillimetresPerInch / dpi);
    case PdmHeightMM:
        return qRound(size.height() * kMillimetresPerInch / dpi);
    case PdmNumColors:
        return std::numeric_limits<int>::max();
    case PdmDepth:
        return 32;
    case PdmDpiX:
    case PdmDpiY:
    case PdmPhysicalDpiX:
    case PdmPhysicalDpiY:
        return dpi;
    case PdmDevicePixelRatio:
        return 1;
    case PdmDevicePixelRatioScaled:
        return int(devicePixelRatioFScale());
    default:
        return QPaintDevice::metric(metric);
    }
}
