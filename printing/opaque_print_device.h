// SPDX-License-Identifier: LicenseRef-proprietary
#pragma once

#include <QColor>
#include <QPaintDevice>
#include <QSize>
#include <QTransform>

#include <memory>

class QPainter;

// A paint device that hands everything painted on it on to a painter on the
// printer, as vector drawing with real text, without any transparency:
// translucent colours and image pixels are blended with a backdrop colour
// first, and fully transparent pixels stay out as a plain mask.
//
// QWidget::render() paints onto a printer through a screen-resolution bitmap,
// but onto any other device as vector drawing; and a page with transparency
// is turned into one bitmap by printer drivers that go through PostScript.
class OpaquePrintDevice : public QPaintDevice
{
public:
    // Paints of `size` device pixels at `dpi` end up on `target` through
    // `toTarget`; `backdrop` is the colour below the translucent parts.
    OpaquePrintDevice(QPainter &target, const QTransform &toTarget, QSize size, int dpi, const QColor &backdrop);
    ~OpaquePrintDevice() override;
    OpaquePrintDevice(const OpaquePrintDevice &) = delete;
    OpaquePrintDevice &operator=(const OpaquePrintDevice &) = delete;

    QPaintEngine *paintEngine() const override;

protected:
    int metric(PaintDeviceMetric metric) const override;

private:
    QSize size;
    int dpi;
    std::unique_ptr<QPaintEngine> engine;
};
