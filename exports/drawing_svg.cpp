// SPDX-License-Identifier: LicenseRef-proprietary
#include "drawing_bytes.h"
#include "drawing_files.h"
#include "drawing_source.h"

#include "output_names.h"

#include <QByteArrayView>

#include <algorithm>
#include <array>
#include <charconv>
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

    // The elements of which a drawing has one or more for every railpin:
    // their text between values is copied as runs made once, and each value
    // is found once, however often it is written (the same y, width and
    // height for every railpin of a row).
    void rectangle(const QRectF &rect)
    {
        first.set(rect.x());
        second.set(rect.y());
        third.set(rect.width());
        fourth.set(rect.height());
        element(rectangleRuns, {&first, &second, &third, &fourth});
    }
    void line(const QLineF &line)
    {
        first.set(line.x1());
        second.set(line.y1());
        element(lineRuns,
                {&first, &second, &third.setOrShare(first, line.x2()), &fourth.setOrShare(second, line.y2())});
    }
    void railpinLabel(const Elevation::Label &label)
    {
        first.set(label.baseline.x());
        second.set(label.baseline.y());
        third.set(label.height);
        element(labelRuns, {&first, &second, &third});
        char *out = text.claim(kLongestInteger + labelEnd.size() + ByteRun::kBlock);
        out = std::to_chars(out, out + kLongestInteger, label.railpin).ptr;
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

    // An element of the open layer: each run but the last followed by a value.
    template <std::size_t runCount>
    void element(const std::array<ByteRun, runCount> &runs, const std::array<const NumberText *, runCount - 1> &numbers)
    {
        constexpr std::size_t values = runCount - 1;
        if (empty)
            text.append('>');
        empty = false;
        qsizetype room = qsizetype(values) * NumberText::kCopy + ByteRun::kBlock;
        for (const ByteRun &run : runs)
            room += run.size();
        char *out = text.claim(room);
        for (std::size_t index = 0; index < values; ++index) {
            out = runs[index].copyTo(out);
            out = numbers[index]->copyTo(out);
        }
        text.wrote(runs[values].copyTo(out));
    }

    static constexpr qsizetype kLongestInteger = 20;  // a railpin's number

    DrawingBytes text;
    bool empty = true;  // the open layer has no element yet
    const std::array<ByteRun, 5> rectangleRuns{ByteRun("\n        <rect x=\""), ByteRun("\" y=\""),
                                               ByteRun("\" width=\""), ByteRun("\" height=\""), ByteRun("\"/>")};
    const std::array<ByteRun, 5> lineRuns{ByteRun("\n        <line x1=\""), ByteRun("\" y1=\""), ByteRun("\" x2=\""),
                                          ByteRun("\" y2=\""), ByteRun("\"/>")};
    const std::array<ByteRun, 4> labelRuns{ByteRun("\n        <text x=\""), ByteRun("\" y=\""),
                                           ByteRun("\" font-size=\""), ByteRun("\">")};
    const ByteRun labelEnd{"</text>"};
    NumberText first;
    NumberText second;
    NumberText third;
    NumberText fourth;
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
                if (rectangle.layer == layer)
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
