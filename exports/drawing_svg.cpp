// SPDX-License-Identifier: LicenseRef-proprietary
#include "drawing_bytes.h"
#include "drawing_files.h"
#include "drawing_source.h"

#include "output_names.h"

#include <QByteArrayView>

#include <algorithm>
#include <array>
#include <cstring>
#include <utility>

namespace exports {

namespace {

// The SVG is written as its bytes, handed on a piece at a time: an element
// per line of the file, indented four spaces a level, each empty group
// closed in its own tag.
class SvgText
{
public:
    explicit SvgText(PieceSink sink) : text(std::move(sink)) {}

    void raw(QByteArrayView bytes) { text.append(bytes); }
    void attribute(QByteArrayView name, QByteArrayView value)
    {
        text.append(' ');
        text.append(name);
        text.append(QByteArrayView("=\""));
        text.append(value);
        text.append('"');
    }
    void attribute(QByteArrayView name, double value, QByteArrayView suffix)
    {
        text.append(' ');
        text.append(name);
        text.append(QByteArrayView("=\""));
        text.appendNumber(value);
        text.append(suffix);
        text.append('"');
    }
    // The same without a unit, for every coordinate: the name's length is
    // known here, so that it is copied without a call.
    template <std::size_t size> void attribute(const char (&name)[size], double value)
    {
        char *out = text.claim(qsizetype(size) + 2);
        *out = ' ';
        std::memcpy(out + 1, name, size - 1);
        out[size] = '=';
        out[size + 1] = '"';
        text.wrote(out + size + 2);
        text.appendNumber(value);
        text.append('"');
    }
    // Printable ASCII, with < & > and " escaped.
    void plainCharacters(QStringView value)
    {
        for (const QChar character : value)
            escaped(char(character.unicode()));
    }
    // Text of an element: < & > and " escaped, the rest as UTF-8.
    void characters(const QString &value)
    {
        const QByteArray utf8 = value.toUtf8();
        for (const char byte : utf8)
            escaped(byte);
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

    // The elements of which a drawing has one or more for every railpin.
    void rectangle(const QRectF &rect)
    {
        x.set(rect.x());
        // A railpin's width is its right edge less its left, which varies in
        // its last digits from one railpin to the next.
        width.set(rect.width());
        const bool yMoved = y.set(rect.y());
        if (height.set(rect.height()) || yMoved) {
            rectangleMiddle.assign({"\" y=\"", y.view(), "\" width=\""});
            rectangleEnd.assign({"\" height=\"", height.view(), "\"/>"});
        }
        char *out =
            startElement(rectangleStart.size() + rectangleMiddle.size() + rectangleEnd.size() + 2 * NumberText::kCopy);
        out = rectangleStart.copyTo(out);
        out = x.copyTo(out);
        out = rectangleMiddle.copyTo(out);
        out = width.copyTo(out);
        text.wrote(rectangleEnd.copyTo(out));
    }
    void line(const QLineF &line)
    {
        x.set(line.x1());
        const NumberText &x2 = otherX.setOrShare(x, line.x2());
        const bool yMoved = y.set(line.y1());
        if (otherY.set(line.y2()) || yMoved) {
            lineMiddle.assign({"\" y1=\"", y.view(), "\" x2=\""});
            lineEnd.assign({"\" y2=\"", otherY.view(), "\"/>"});
        }
        char *out = startElement(lineStart.size() + lineMiddle.size() + lineEnd.size() + 2 * NumberText::kCopy);
        out = lineStart.copyTo(out);
        out = x.copyTo(out);
        out = lineMiddle.copyTo(out);
        out = x2.copyTo(out);
        text.wrote(lineEnd.copyTo(out));
    }
    // A railpin's outline, its left edge kept for its label.
    void railpinRectangle(const QRectF &rect)
    {
        rectangle(rect);
        leftEdges.keep(x);
    }
    // A railpin's label, its number.
    void railpinLabel(const Elevation::Label &label)
    {
        leftEdges.setNext(x, label.baseline.x());
        const bool yMoved = y.set(label.baseline.y());
        if (height.set(label.height) || yMoved)
            labelMiddle.assign({"\" y=\"", y.view(), "\" font-size=\"", height.view(), "\">"});
        char *out =
            startElement(labelStart.size() + labelMiddle.size() + NumberText::kCopy + kCountRoom + labelEnd.size());
        out = labelStart.copyTo(out);
        out = x.copyTo(out);
        out = labelMiddle.copyTo(out);
        out = writeCount(out, label.railpin);
        text.wrote(labelEnd.copyTo(out));
    }

    bool finish() { return text.finish(); }
    bool stopped() const { return text.stopped(); }

private:
    void escaped(char byte)
    {
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

    // Opens an element of the open layer, closing the layer's tag first, and
    // claims room for the `size` bytes of its runs and values.
    char *startElement(qsizetype size)
    {
        if (empty)
            text.append('>');
        empty = false;
        return text.claim(size + ByteRun::kBlock);
    }

    DrawingBytes text;
    bool empty = true;  // the open layer has no element yet
    // The elements of which a drawing has one or more for every railpin:
    // the text between their values is copied as runs made once, those
    // holding values that seldom change (a row's y, a label's height) made
    // again when one does; each value is found once, however often it is
    // written (a centre line's x at both ends).
    const ByteRun rectangleStart{"\n        <rect x=\""};
    const ByteRun lineStart{"\n        <line x1=\""};
    const ByteRun labelStart{"\n        <text x=\""};
    const ByteRun labelEnd{"</text>"};
    NumberText x;
    NumberText otherX;
    NumberText y;
    NumberText otherY;
    NumberText width;
    NumberText height;
    ByteRun rectangleMiddle;  // from its x to its width
    ByteRun rectangleEnd;
    ByteRun lineMiddle;  // from its first x to its second
    ByteRun lineEnd;
    ByteRun labelMiddle;    // from its x to its text
    KeptNumbers leftEdges;  // each railpin's, again as its label's x
};

bool writeSvg(const DrawingSource &drawing, layout::Unit unit, const PieceSink &sink)
{
    const bool inches = unit == layout::Unit::Inches;
    const QByteArrayView unitSuffix = inches ? "in" : "mm";
    // Strokes a hairline wide at full size: 1/64 in or 0.4 mm.
    const double stroke = inches ? 1.0 / 64 : 0.4;

    SvgText svg(sink);
    svg.raw("<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<svg xmlns=\"http://www.w3.org/2000/svg\" "
            "xmlns:inkscape=\"http://www.inkscape.org/namespaces/inkscape\"");
    const QRectF bounds = drawing.bounds();
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
        drawing.items({layer}, [&](const Elevation &part) {
            for (const Elevation::Rectangle &rectangle : part.rectangles) {
                if (rectangle.layer != layer)
                    continue;
                if (layer == Layer::Railpins)
                    svg.railpinRectangle(rectangle.rect);
                else
                    svg.rectangle(rectangle.rect);
            }
            return !svg.stopped();
        });
        svg.endLayer();
    }

    // A stair's profile in a layer of its own, only where the drawing has one.
    bool profile = false;
    drawing.items({Layer::Stair}, [&profile](const Elevation &part) {
        profile = std::any_of(part.lines.begin(), part.lines.end(),
                              [](const Elevation::Line &line) { return line.layer == Layer::Stair; });
        return !profile;
    });
    for (const Layer layer : {Layer::Stair, Layer::Centres}) {
        if (layer == Layer::Stair && !profile)
            continue;
        svg.startLayer(layer);
        svg.attribute("stroke", layer == Layer::Centres ? "red" : "black");
        svg.attribute("stroke-width", stroke);
        drawing.items({layer}, [&](const Elevation &part) {
            for (const Elevation::Line &line : part.lines) {
                if (line.layer == layer)
                    svg.line(line.line);
            }
            return !svg.stopped();
        });
        svg.endLayer();
    }

    svg.startLayer(Layer::Labels);
    svg.attribute("font-family", "sans-serif");
    drawing.items({Layer::Labels}, [&](const Elevation &part) {
        for (const Elevation::Label &label : part.labels) {
            if (label.railpin > 0) {
                svg.railpinLabel(label);
                continue;
            }
            svg.startChild("text");
            svg.attribute("x", label.baseline.x());
            svg.attribute("y", label.baseline.y());
            svg.attribute("font-size", label.height);
            svg.raw(">");
            if (plainAscii(label.text))
                svg.plainCharacters(label.text);
            else
                svg.characters(layout::outputName(label.text, layout::NameOutput::Xml));
            svg.raw("</text>");
        }
        return !svg.stopped();
    });
    svg.endLayer();

    svg.raw("\n</svg>\n");
    return svg.finish();
}

}  // namespace

QByteArray drawingSvg(const Elevation &drawing, layout::Unit unit)
{
    QByteArray bytes;
    writeSvg(WholeDrawing(drawing), unit, appendTo(bytes));
    return bytes;
}

bool writeDrawingSvg(const layout::Job &job, const std::vector<layout::SectionLayout> &sections, const PieceSink &sink)
{
    return writeSvg(JobDrawing(job, sections), job.unit, sink);
}

}  // namespace exports
