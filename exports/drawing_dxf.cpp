// SPDX-License-Identifier: LicenseRef-proprietary
#include "drawing_files.h"

#include "drawing_bytes.h"
#include "drawing_source.h"
#include "output_names.h"

#include <QByteArray>
#include <QByteArrayView>
#include <QString>

#include <array>
#include <cstddef>
#include <cstring>
#include <utility>
#include <vector>

namespace exports {

namespace {

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

    DrawingBytes &bytes() { return text; }

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
};

// The bytes DxfText writes through `write`.
template <typename Write> QByteArray dxfBytes(const Write &write)
{
    QByteArray bytes;
    DxfText dxf(appendTo(bytes));
    write(dxf);
    dxf.finish();
    return bytes;
}

// The entities of one layer of which a drawing has one or more for every
// railpin. The text between an entity's values is copied as runs made once;
// those holding a value that seldom changes (a row's top, a label's height)
// are made again when it does. The caller keeps the values that change from
// one entity to the next, so that each is found once however often it is
// written (a corner's x twice, a centre line's at both ends).
class LayerEntities
{
public:
    explicit LayerEntities(const QByteArray &layer)
        : polyline(dxfBytes([&](DxfText &dxf) {
              dxf.pair(0, "POLYLINE");
              dxf.pair(8, layer);
              dxf.pair(66, 1);
              dxf.point(0, 0);
              dxf.pair(70, 1);  // closed
              dxf.pair(0, "VERTEX");
              dxf.pair(8, layer);
              dxf.startPair(10);
          })),
          lineStart(dxfBytes([&](DxfText &dxf) {
              dxf.pair(0, "LINE");
              dxf.pair(8, layer);
              dxf.startPair(10);
          })),
          labelStart(dxfBytes([&](DxfText &dxf) {
              dxf.pair(0, "TEXT");
              dxf.pair(8, layer);
              dxf.startPair(10);
          })),
          // Each value ends its line; every z is 0, as the drawing is flat.
          xToY(valueThen(20)), vertex(dxfBytes([&](DxfText &dxf) {
              dxf.pair(30, "0");
              dxf.pair(0, "VERTEX");
              dxf.pair(8, layer);
              dxf.startPair(10);
          })),
          seqend(dxfBytes([&](DxfText &dxf) {
              dxf.pair(30, "0");
              dxf.pair(0, "SEQEND");
              dxf.pair(8, layer);
          })),
          lineEnd(dxfBytes([](DxfText &dxf) {
              dxf.pair(30, "0");
              dxf.startPair(11);
          })),
          lineEndY(valueThen(21)), lineDone(dxfBytes([](DxfText &dxf) { dxf.pair(31, "0"); })),
          labelHeight(dxfBytes([](DxfText &dxf) {
              dxf.pair(30, "0");
              dxf.startPair(40);
          })),
          labelText(valueThen(1))
    {
    }

    // DXF's y grows upwards: each y is turned over about the drawing's top edge.
    void rectangle(DrawingBytes &text, const QRectF &rect, NumberText &left, NumberText &right)
    {
        left.set(rect.left());
        right.set(rect.right());
        const bool topMoved = top.set(-rect.top());
        if (bottom.set(-rect.bottom()) || topMoved) {
            atTop.assign({"\r\n", xToY, top.view(), "\r\n", vertex});
            atBottom.assign({"\r\n", xToY, bottom.view(), "\r\n", vertex});
            last.assign({"\r\n", xToY, bottom.view(), "\r\n", seqend});
        }
        char *out = text.claim(polyline.size() + 2 * atTop.size() + atBottom.size() + last.size() +
                               4 * NumberText::kCopy + ByteRun::kBlock);
        out = polyline.copyTo(out);
        out = left.copyTo(out);
        out = atTop.copyTo(out);
        out = right.copyTo(out);
        out = atTop.copyTo(out);
        out = right.copyTo(out);
        out = atBottom.copyTo(out);
        out = left.copyTo(out);
        text.wrote(last.copyTo(out));
    }
    void line(DrawingBytes &text, const QLineF &line, NumberText &x1, NumberText &x2)
    {
        x1.set(line.x1());
        const NumberText &end = x2.setOrShare(x1, line.x2());
        const bool y1Moved = y1.set(-line.y1());
        if (y2.set(-line.y2()) || y1Moved) {
            atY1.assign({"\r\n", xToY, y1.view(), "\r\n", lineEnd});
            atY2.assign({"\r\n", lineEndY, y2.view(), "\r\n", lineDone});
        }
        char *out = text.claim(lineStart.size() + atY1.size() + atY2.size() + 2 * NumberText::kCopy + ByteRun::kBlock);
        out = lineStart.copyTo(out);
        out = x1.copyTo(out);
        out = atY1.copyTo(out);
        out = end.copyTo(out);
        text.wrote(atY2.copyTo(out));
    }
    // A railpin's label, its number; `x` holds its baseline's x.
    void label(DrawingBytes &text, const Elevation::Label &label, const NumberText &x)
    {
        const bool yMoved = labelY.set(-label.baseline.y());
        if (height.set(label.height) || yMoved)
            toText.assign({"\r\n", xToY, labelY.view(), "\r\n", labelHeight, height.view(), "\r\n", labelText});
        char *out =
            text.claim(labelStart.size() + toText.size() + NumberText::kCopy + kCountRoom + 2 + ByteRun::kBlock);
        out = labelStart.copyTo(out);
        out = x.copyTo(out);
        out = toText.copyTo(out);
        out = writeCount(out, label.railpin);
        *out++ = '\r';
        *out++ = '\n';
        text.wrote(out);
    }

private:
    // The group code of the next value, after the line of one.
    static QByteArray valueThen(int code)
    {
        return dxfBytes([code](DxfText &dxf) { dxf.startPair(code); });
    }

    const ByteRun polyline;  // to the first corner's x
    const ByteRun lineStart;
    const ByteRun labelStart;
    // Between values, each after the "\r\n" that ends one.
    const QByteArray xToY;
    const QByteArray vertex;  // from a corner's y to the next one's x
    const QByteArray seqend;  // from the last corner's y to the end
    const QByteArray lineEnd;
    const QByteArray lineEndY;
    const QByteArray lineDone;
    const QByteArray labelHeight;
    const QByteArray labelText;
    // Made again when the values they hold change.
    NumberText top;
    NumberText bottom;
    ByteRun atTop;  // from the first two corners' y to the next x
    ByteRun atBottom;
    ByteRun last;
    NumberText y1;
    NumberText y2;
    ByteRun atY1;  // from the line's first y to its second x
    ByteRun atY2;  // to its end
    NumberText labelY;
    NumberText height;
    ByteRun toText;  // from the label's x to its text
};

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
    std::vector<LayerEntities> entities;
    for (const Layer which : {Layer::Posts, Layer::Railpins, Layer::Centres, Layer::Labels, Layer::Stair})
        entities.emplace_back(layer(which));
    const auto of = [&entities](Layer which) -> LayerEntities & { return entities[std::size_t(which)]; };
    NumberText first;
    NumberText second;
    // Each railpin's left edge again as its label's x.
    KeptNumbers leftEdges;
    drawing.items({Layer::Posts, Layer::Railpins}, [&](const Elevation &part) {
        for (const Elevation::Rectangle &rectangle : part.rectangles) {
            of(rectangle.layer).rectangle(dxf.bytes(), rectangle.rect, first, second);
            if (rectangle.layer == Layer::Railpins)
                leftEdges.keep(first);
        }
        return !dxf.stopped();
    });
    drawing.items({Layer::Centres, Layer::Stair}, [&](const Elevation &part) {
        for (const Elevation::Line &line : part.lines)
            of(line.layer).line(dxf.bytes(), line.line, first, second);
        return !dxf.stopped();
    });
    drawing.items({Layer::Labels}, [&](const Elevation &part) {
        for (const Elevation::Label &label : part.labels) {
            if (label.railpin > 0) {
                leftEdges.setNext(first, label.baseline.x());
                of(Layer::Labels).label(dxf.bytes(), label, first);
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
