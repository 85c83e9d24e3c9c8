// SPDX-License-Identifier: LicenseRef-proprietary
#include "drawing_files.h"

#include "drawing_bytes.h"
#include "drawing_source.h"
#include "output_names.h"

#include <QByteArray>
#include <QByteArrayView>
#include <QString>

#include <array>
#include <charconv>
#include <cstddef>
#include <cstring>
#include <utility>

namespace exports {

namespace {

// A railpin's number, at most.
constexpr qsizetype kLongestInteger = 20;

// The text of one layer's rectangles, lines and labels between their values,
// and the room each entity may take, its numbers at their longest.
struct Entities
{
    ByteRun polyline;  // to the first corner's x
    ByteRun xToY;
    ByteRun vertex;  // from a corner's y to the next one's x
    ByteRun seqend;  // from the last corner's y to the end
    ByteRun line;    // to its first x
    ByteRun lineEnd;
    ByteRun lineEndY;
    ByteRun lineDone;
    ByteRun label;  // to its x
    ByteRun labelHeight;
    ByteRun labelText;
    qsizetype rectangleRoom = 0;
    qsizetype lineRoom = 0;
    qsizetype labelRoom = 0;
};

// A release 12 DXF file is pairs of lines: a group code, then its value. The
// file is built as the bytes it is written as, never through a string per
// value, and handed on a piece at a time.
class DxfText
{
public:
    explicit DxfText(PieceSink sink) : text(std::move(sink)) {}

    void pair(int code, QByteArrayView value)
    {
        startPair(code);
        text.append(value);
        text.append(QByteArrayView("\r\n"));
    }
    // A word of the format: its length is known here, so that it is copied
    // without a call.
    template <std::size_t size> void pair(int code, const char (&value)[size])
    {
        startPair(code);
        char *out = text.claim(qsizetype(size) + 1);
        std::memcpy(out, value, size - 1);
        out[size - 1] = '\r';
        out[size] = '\n';
        text.wrote(out + size + 1);
    }
    void pair(int code, int value)
    {
        startPair(code);
        text.appendNumber(value);
        text.append(QByteArrayView("\r\n"));
    }
    void pair(int code, double value)
    {
        startPair(code);
        text.appendNumber(value);
        text.append(QByteArrayView("\r\n"));
    }
    // Printable ASCII as it is, one byte a character.
    void plainTextPair(int code, QStringView value)
    {
        startPair(code);
        // A name may be longer than a piece: it is appended, never written
        // into room claimed for it.
        text.append(value.toLatin1());
        text.append(QByteArrayView("\r\n"));
    }
    // Release 12 is ASCII: other characters are written as \U+XXXX.
    void textPair(int code, const QString &value)
    {
        startPair(code);
        static constexpr char kHex[] = "0123456789ABCDEF";
        for (const char32_t character : value.toUcs4()) {
            if (character >= 0x20 && character < 0x7f) {
                text.append(char(character));
            } else if (character > 0x7f && character <= 0xffff) {
                const char escape[] = {'\\',
                                       'U',
                                       '+',
                                       kHex[(character >> 12) & 0xf],
                                       kHex[(character >> 8) & 0xf],
                                       kHex[(character >> 4) & 0xf],
                                       kHex[character & 0xf]};
                text.append(QByteArrayView(escape, sizeof escape));
            } else {
                text.append('?');  // a control character, or beyond what the escape can name
            }
        }
        text.append(QByteArrayView("\r\n"));
    }
    void point(double x, double y, int first = 10)
    {
        pair(first, x);
        pair(first + 10, y);
        // The drawing is flat: every z is 0.
        startPair(first + 20);
        text.append(QByteArrayView("0\r\n"));
    }
    // Ends a value written by the caller after startPair().
    void endValue() { text.append(QByteArrayView("\r\n")); }
    bool finish() { return text.finish(); }
    bool stopped() const { return text.stopped(); }

    // The entities of which a drawing has one or more for every railpin:
    // each entity's text between its values is copied as a run made once for
    // its layer, and each of its values is found once, however many times it
    // is written (a corner's x twice, the same top for every railpin of a row).
    void rectangle(const Entities &runs, const QRectF &rect)
    {
        // DXF's y grows upwards: the drawing is turned over about its top edge.
        left.set(rect.left());
        right.set(rect.right());
        top.set(-rect.top());
        bottom.set(-rect.bottom());
        char *out = text.claim(runs.rectangleRoom);
        out = runs.polyline.copyTo(out);
        for (const auto &[x, y] :
             {std::pair(&left, &top), std::pair(&right, &top), std::pair(&right, &bottom), std::pair(&left, &bottom)}) {
            out = x->copyTo(out);
            out = runs.xToY.copyTo(out);
            out = y->copyTo(out);
            out = (y == &bottom && x == &left ? runs.seqend : runs.vertex).copyTo(out);
        }
        text.wrote(out);
    }
    void line(const Entities &runs, const QLineF &line)
    {
        left.set(line.x1());
        top.set(-line.y1());
        const NumberText &x2 = right.setOrShare(left, line.x2());
        const NumberText &y2 = bottom.setOrShare(top, -line.y2());
        char *out = text.claim(runs.lineRoom);
        out = runs.line.copyTo(out);
        out = left.copyTo(out);
        out = runs.xToY.copyTo(out);
        out = top.copyTo(out);
        out = runs.lineEnd.copyTo(out);
        out = x2.copyTo(out);
        out = runs.lineEndY.copyTo(out);
        out = y2.copyTo(out);
        out = runs.lineDone.copyTo(out);
        text.wrote(out);
    }
    void railpinLabel(const Entities &runs, const Elevation::Label &label)
    {
        left.set(label.baseline.x());
        top.set(-label.baseline.y());
        height.set(label.height);
        char *out = text.claim(runs.labelRoom);
        out = runs.label.copyTo(out);
        out = left.copyTo(out);
        out = runs.xToY.copyTo(out);
        out = top.copyTo(out);
        out = runs.labelHeight.copyTo(out);
        out = height.copyTo(out);
        out = runs.labelText.copyTo(out);
        out = std::to_chars(out, out + kLongestInteger, label.railpin).ptr;
        *out++ = '\r';
        *out++ = '\n';
        text.wrote(out);
    }

private:
public:
    // The code right-aligned in three columns, as release 12 writers do.
    // Written digit by digit, as there is one before every value.
    void startPair(int code)
    {
        if (code < 0 || code > 999) {
            if (code < 10)
                text.append(QByteArrayView("  "));
            text.appendNumber(code);
            text.append(QByteArrayView("\r\n"));
            return;
        }
        char *out = text.claim(5);
        out[0] = code < 100 ? ' ' : char('0' + code / 100);
        out[1] = code < 10 ? ' ' : char('0' + code / 10 % 10);
        out[2] = char('0' + code % 10);
        out[3] = '\r';
        out[4] = '\n';
        text.wrote(out + 5);
    }

private:
    DrawingBytes text;
    NumberText left;
    NumberText right;
    NumberText top;
    NumberText bottom;
    NumberText height;
};

// The runs of `layer`'s entities, written as DxfText writes them.
Entities entitiesOf(const QByteArray &layer)
{
    const auto run = [](const auto &write) {
        QByteArray bytes;
        DxfText dxf(appendTo(bytes));
        write(dxf);
        dxf.finish();
        return ByteRun(bytes);
    };
    Entities runs;
    runs.polyline = run([&](DxfText &dxf) {
        dxf.pair(0, "POLYLINE");
        dxf.pair(8, layer);
        dxf.pair(66, 1);
        dxf.point(0, 0);
        dxf.pair(70, 1);  // closed
        dxf.pair(0, "VERTEX");
        dxf.pair(8, layer);
        dxf.startPair(10);
    });
    runs.xToY = run([](DxfText &dxf) {
        dxf.endValue();
        dxf.startPair(20);
    });
    runs.vertex = run([&](DxfText &dxf) {
        dxf.endValue();
        dxf.pair(30, "0");  // the drawing is flat: every z is 0
        dxf.pair(0, "VERTEX");
        dxf.pair(8, layer);
        dxf.startPair(10);
    });
    runs.seqend = run([&](DxfText &dxf) {
        dxf.endValue();
        dxf.pair(30, "0");
        dxf.pair(0, "SEQEND");
        dxf.pair(8, layer);
    });
    runs.line = run([&](DxfText &dxf) {
        dxf.pair(0, "LINE");
        dxf.pair(8, layer);
        dxf.startPair(10);
    });
    runs.lineEnd = run([](DxfText &dxf) {
        dxf.endValue();
        dxf.pair(30, "0");
        dxf.startPair(11);
    });
    runs.lineEndY = run([](DxfText &dxf) {
        dxf.endValue();
        dxf.startPair(21);
    });
    runs.lineDone = run([](DxfText &dxf) {
        dxf.endValue();
        dxf.pair(31, "0");
    });
    runs.label = run([&](DxfText &dxf) {
        dxf.pair(0, "TEXT");
        dxf.pair(8, layer);
        dxf.startPair(10);
    });
    runs.labelHeight = run([](DxfText &dxf) {
        dxf.endValue();
        dxf.pair(30, "0");
        dxf.startPair(40);
    });
    runs.labelText = run([](DxfText &dxf) {
        dxf.endValue();
        dxf.startPair(1);
    });
    constexpr qsizetype kNumber = NumberText::kCopy;
    runs.rectangleRoom = runs.polyline.size() + 4 * runs.xToY.size() + 3 * runs.vertex.size() + runs.seqend.size() +
                         8 * kNumber + ByteRun::kBlock;
    runs.lineRoom = runs.line.size() + runs.xToY.size() + runs.lineEnd.size() + runs.lineEndY.size() +
                    runs.lineDone.size() + 4 * kNumber + ByteRun::kBlock;
    runs.labelRoom = runs.label.size() + runs.xToY.size() + runs.labelHeight.size() + runs.labelText.size() +
                     3 * kNumber + kLongestInteger + 2 + ByteRun::kBlock;
    return runs;
}

bool writeDxf(const DrawingSource &drawing, layout::Unit unit, const PieceSink &sink)
{
    // DXF's y grows upwards: the drawing is turned over about its top edge.
    const auto flip = [](double y) { return -y; };
    DxfText dxf(sink);
    const QRectF bounds = drawing.bounds();
    const auto layer = [names = std::array{layerName(Layer::Posts).toLatin1(), layerName(Layer::Railpins).toLatin1(),
                                           layerName(Layer::Centres).toLatin1(), layerName(Layer::Labels).toLatin1(),
                                           layerName(Layer::Stair).toLatin1()}](Layer which) -> const QByteArray & {
        return names[std::size_t(which)];
    };

    dxf.pair(0, "SECTION");
    dxf.pair(2, "HEADER");
    dxf.pair(9, "$ACADVER");
    dxf.pair(1, "AC1009");
    dxf.pair(9, "$INSUNITS");
    dxf.pair(70, unit == layout::Unit::Millimetres ? 4 : 1);
    dxf.pair(9, "$MEASUREMENT");
    dxf.pair(70, unit == layout::Unit::Millimetres ? 1 : 0);
    dxf.pair(9, "$EXTMIN");
    dxf.point(bounds.left(), flip(bounds.bottom()));
    dxf.pair(9, "$EXTMAX");
    dxf.point(bounds.right(), flip(bounds.top()));
    dxf.pair(0, "ENDSEC");

    dxf.pair(0, "SECTION");
    dxf.pair(2, "TABLES");
    dxf.pair(0, "TABLE");
    dxf.pair(2, "LTYPE");
    dxf.pair(70, 1);
    dxf.pair(0, "LTYPE");
    dxf.pair(2, "CONTINUOUS");
    dxf.pair(70, 0);
    dxf.pair(3, "Solid line");
    dxf.pair(72, 65);
    dxf.pair(73, 0);
    dxf.pair(40, 0.0);
    dxf.pair(0, "ENDTAB");
    dxf.pair(0, "TABLE");
    dxf.pair(2, "LAYER");
    dxf.pair(70, 6);
    // Colours: posts white, railpins blue, centres red, labels green, a stair's profile grey.
    const std::pair<QByteArray, int> layers[] = {{"0", 7},
                                                 {layer(Layer::Posts), 7},
                                                 {layer(Layer::Railpins), 5},
                                                 {layer(Layer::Centres), 1},
                                                 {layer(Layer::Labels), 3},
                                                 {layer(Layer::Stair), 8}};
    for (const auto &[name, colour] : layers) {
        dxf.pair(0, "LAYER");
        dxf.pair(2, name);
        dxf.pair(70, 0);
        dxf.pair(62, colour);
        dxf.pair(6, "CONTINUOUS");
    }
    dxf.pair(0, "ENDTAB");
    dxf.pair(0, "TABLE");
    dxf.pair(2, "STYLE");
    dxf.pair(70, 1);
    dxf.pair(0, "STYLE");
    dxf.pair(2, "STANDARD");
    dxf.pair(70, 0);
    dxf.pair(40, 0.0);
    dxf.pair(41, 1.0);
    dxf.pair(50, 0.0);
    dxf.pair(71, 0);
    dxf.pair(42, 1.0);
    dxf.pair(3, "txt");
    dxf.pair(4, "");
    dxf.pair(0, "ENDTAB");
    dxf.pair(0, "ENDSEC");

    dxf.pair(0, "SECTION");
    dxf.pair(2, "BLOCKS");
    dxf.pair(0, "ENDSEC");

    dxf.pair(0, "SECTION");
    dxf.pair(2, "ENTITIES");
    std::array<Entities, 5> entities;
    for (const Layer which : {Layer::Posts, Layer::Railpins, Layer::Centres, Layer::Labels, Layer::Stair})
        entities[std::size_t(which)] = entitiesOf(layer(which));
    const auto runsOf = [&entities](Layer which) -> const Entities & { return entities[std::size_t(which)]; };
    drawing.items({Layer::Posts, Layer::Railpins}, [&](const Elevation &part) {
        for (const Elevation::Rectangle &rectangle : part.rectangles)
            dxf.rectangle(runsOf(rectangle.layer), rectangle.rect);
        return !dxf.stopped();
    });
    drawing.items({Layer::Centres, Layer::Stair}, [&](const Elevation &part) {
        for (const Elevation::Line &line : part.lines)
            dxf.line(runsOf(line.layer), line.line);
        return !dxf.stopped();
    });
    drawing.items({Layer::Labels}, [&](const Elevation &part) {
        for (const Elevation::Label &label : part.labels) {
            if (label.railpin > 0) {
                dxf.railpinLabel(runsOf(Layer::Labels), label);
                continue;
            }
            dxf.pair(0, "TEXT");
            dxf.pair(8, layer(Layer::Labels));
            dxf.point(label.baseline.x(), flip(label.baseline.y()));
            dxf.pair(40, label.height);
            if (plainAscii(label.text))
                dxf.plainTextPair(1, label.text);
            else
                dxf.textPair(1, layout::outputName(label.text, layout::NameOutput::Dxf));
        }
        return !dxf.stopped();
    });
    dxf.pair(0, "ENDSEC");
    dxf.pair(0, "EOF");
    return dxf.finish();
}

}  // namespace

QByteArray drawingDxf(const Elevation &drawing, layout::Unit unit)
{
    QByteArray bytes;
    writeDxf(WholeDrawing(drawing), unit, appendTo(bytes));
    return bytes;
}

bool writeDrawingDxf(const layout::Job &job, const std::vector<layout::SectionLayout> &sections, const PieceSink &sink)
{
    return writeDxf(JobDrawing(job, sections), job.unit, sink);
}

}  // namespace exports
