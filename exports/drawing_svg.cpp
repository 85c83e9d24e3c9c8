// SPDX-License-Identifier: LicenseRef-proprietary
#include "drawing_bytes.h"
#include "drawing_files.h"

#include "output_names.h"

#include <QByteArrayView>

#include <algorithm>
#include <utility>

namespace exports {

namespace {

// The SVG is written as its bytes, straight into one array reserved for the
// whole drawing: an element per line of the file, indented four spaces a
// level, each empty group closed in its own tag.
class SvgText
{
public:
    explicit SvgText(qsizetype expected) : text(expected) {}

    void raw(QByteArrayView bytes) { text.append(bytes); }
    void attribute(QByteArrayView name, QByteArrayView value)
    {
        text.append(' ');
        text.append(name);
        text.append(QByteArrayView("=\""));
        text.append(value);
        text.append('"');
    }
    void attribute(QByteArrayView name, double value, QByteArrayView suffix = {})
    {
        text.append(' ');
        text.append(name);
        text.append(QByteArrayView("=\""));
        text.appendNumber(value);
        text.append(suffix);
        text.append('"');
    }
    // Text of an element: < & > and " escaped, the rest as UTF-8.
    void characters(const QString &value)
    {
        const QByteArray utf8 = value.toUtf8();
        for (const char byte : utf8) {
            switch (byte) {
            case '<':
                text.append(QByteArrayView("&lt;"));
                break;
            case '>':
                text.append(QByteArrayView("&gt;"));
                break;
            case '&':
                text.append(QByteArrayView("&amp;"));
                break;
            case '"':
                text.append(QByteArrayView("&quot;"));
                break;
            default:
                text.append(byte);
            }
        }
    }
    // A layer's group, opened; closed by endLayer().
    void startLayer(Layer layer)
    {
        const QByteArray name = layerName(layer).toLatin1();
        text.append(QByteArrayView("\n    <g"));
        attribute("id", name);
        attribute("inkscape:groupmode", "layer");
        attribute("inkscape:label", name);
        empty = true;
    }
    // Opens an element of the open layer, closing the layer's tag first.
    void startChild(QByteArrayView name)
    {
        if (empty)
            text.append('>');
        empty = false;
        text.append(QByteArrayView("\n        <"));
        text.append(name);
    }
    void endLayer() { text.append(empty ? QByteArrayView("/>") : QByteArrayView("\n    </g>")); }

    QByteArray bytes() && { return std::move(text).take(); }

private:
    DrawingBytes text;
    bool empty = true;  // the open layer has no element yet
};

// Enough for the whole file, from the longest each element can be written:
// reserved once, so that the array is never copied to grow.
qsizetype expectedSize(const Elevation &drawing)
{
    qsizetype size = 4096;
    size += qsizetype(drawing.rectangles.size()) * 140;
    size += qsizetype(drawing.lines.size()) * 130;
    for (const Elevation::Label &label : drawing.labels)
        size += 120 + label.text.size() * 6;
    return size;
}

}  // namespace

QByteArray drawingSvg(const Elevation &drawing, layout::Unit unit)
{
    const bool inches = unit == layout::Unit::Inches;
    const QByteArrayView unitSuffix = inches ? "in" : "mm";
    // Strokes a hairline wide at full size: 1/64 in or 0.4 mm.
    const double stroke = inches ? 1.0 / 64 : 0.4;

    SvgText svg(expectedSize(drawing));
    svg.raw("<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<svg xmlns=\"http://www.w3.org/2000/svg\" "
            "xmlns:inkscape=\"http://www.inkscape.org/namespaces/inkscape\"");
    const QRectF &bounds = drawing.bounds;
    svg.attribute("width", bounds.width(), unitSuffix);
    svg.attribute("height", bounds.height(), unitSuffix);
    QByteArray viewBox;
    for (const double value : {bounds.x(), bounds.y(), bounds.width(), bounds.height()}) {
        if (!viewBox.isEmpty())
            viewBox += ' ';
        appendNumber(viewBox, value);
    }
    svg.attribute("viewBox", viewBox);
    svg.raw(">");

    for (const Layer layer : {Layer::Posts, Layer::Railpins}) {
        svg.startLayer(layer);
        svg.attribute("fill", "none");
        svg.attribute("stroke", "black");
        svg.attribute("stroke-width", stroke);
        for (const Elevation::Rectangle &rectangle : drawing.rectangles) {
            if (rectangle.layer != layer)
                continue;
            svg.startChild("rect");
            svg.attribute("x", rectangle.rect.x());
            svg.attribute("y", rectangle.rect.y());
            svg.attribute("width", rectangle.rect.width());
            svg.attribute("height", rectangle.rect.height());
            svg.raw("/>");
        }
        svg.endLayer();
    }

    // A stair's profile in a layer of its own, only where the drawing has one.
    const bool profile = std::any_of(drawing.lines.begin(), drawing.lines.end(),
                                     [](const Elevation::Line &line) { return line.layer == Layer::Stair; });
    for (const Layer layer : {Layer::Stair, Layer::Centres}) {
        if (layer == Layer::Stair && !profile)
            continue;
        svg.startLayer(layer);
        svg.attribute("stroke", layer == Layer::Centres ? "red" : "black");
        svg.attribute("stroke-width", stroke);
        for (const Elevation::Line &line : drawing.lines) {
            if (line.layer != layer)
                continue;
            svg.startChild("line");
            svg.attribute("x1", line.line.x1());
            svg.attribute("y1", line.line.y1());
            svg.attribute("x2", line.line.x2());
            svg.attribute("y2", line.line.y2());
            svg.raw("/>");
        }
        svg.endLayer();
    }

    svg.startLayer(Layer::Labels);
    svg.attribute("font-family", "sans-serif");
    for (const Elevation::Label &label : drawing.labels) {
        svg.startChild("text");
        svg.attribute("x", label.baseline.x());
        svg.attribute("y", label.baseline.y());
        svg.attribute("font-size", label.height);
        svg.raw(">");
        svg.characters(layout::outputName(label.text, layout::NameOutput::Xml));
        svg.raw("</text>");
    }
    svg.endLayer();

    svg.raw("\n</svg>\n");
    return std::move(svg).bytes();
}

}  // namespace exports
