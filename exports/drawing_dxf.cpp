// SPDX-License-Identifier: LicenseRef-proprietary
#include "drawing_files.h"

#include "output_names.h"

#include <QByteArray>
#include <QString>

#include <utility>

namespace exports {

namespace {

// A release 12 DXF file is pairs of lines: a group code, then its value. The
// file is built as the bytes it is written as, never as a second, wider copy.
class DxfText
{
public:
    void pair(int code, const QByteArray &value)
    {
        text += QByteArray::number(code).rightJustified(3, ' ');
        text += "\r\n";
        text += value;
        text += "\r\n";
    }
    void pair(int code, const QString &value) { pair(code, value.toLatin1()); }
    void pair(int code, int value) { pair(code, QByteArray::number(value)); }
    void pair(int code, double value) { pair(code, QByteArray::number(value, 'g', 15)); }
    // Release 12 is ASCII: other characters are written as \U+XXXX.
    void textPair(int code, const QString &value)
    {
        QString ascii;
        for (const char32_t character : value.toUcs4()) {
            if (character >= 0x20 && character < 0x7f)
                ascii += QChar(char16_t(character));
            else if (character > 0x7f && character <= 0xffff)
                ascii += QStringLiteral("\\U+%1").arg(uint(character), 4, 16, QLatin1Char('0')).toUpper();
            else
                ascii += u'?';  // a control character, or beyond what the escape can name
        }
        pair(code, ascii);
    }
    void point(double x, double y, int first = 10)
    {
        pair(first, x);
        pair(first + 10, y);
        pair(first + 20, 0.0);
    }
    QByteArray bytes() && { return std::move(text); }

private:
    QByteArray text;
};

}  // namespace

QByteArray drawingDxf(const Elevation &drawing, layout::Unit unit)
{
    // DXF's y grows upwards: the drawing is turned over about its top edge.
    const auto flip = [](double y) { return -y; };
    DxfText dxf;

    dxf.pair(0, QStringLiteral("SECTION"));
    dxf.pair(2, QStringLiteral("HEADER"));
    dxf.pair(9, QStringLiteral("$ACADVER"));
    dxf.pair(1, QStringLiteral("AC1009"));
    dxf.pair(9, QStringLiteral("$INSUNITS"));
    dxf.pair(70, unit == layout::Unit::Millimetres ? 4 : 1);
    dxf.pair(9, QStringLiteral("$MEASUREMENT"));
    dxf.pair(70, unit == layout::Unit::Millimetres ? 1 : 0);
    dxf.pair(9, QStringLiteral("$EXTMIN"));
    dxf.point(drawing.bounds.left(), flip(drawing.bounds.bottom()));
    dxf.pair(9, QStringLiteral("$EXTMAX"));
    dxf.point(drawing.bounds.right(), flip(drawing.bounds.top()));
    dxf.pair(0, QStringLiteral("ENDSEC"));

    dxf.pair(0, QStringLiteral("SECTION"));
    dxf.pair(2, QStringLiteral("TABLES"));
    dxf.pair(0, QStringLiteral("TABLE"));
    dxf.pair(2, QStringLiteral("LTYPE"));
    dxf.pair(70, 1);
    dxf.pair(0, QStringLiteral("LTYPE"));
    dxf.pair(2, QStringLiteral("CONTINUOUS"));
    dxf.pair(70, 0);
    dxf.pair(3, QStringLiteral("Solid line"));
    dxf.pair(72, 65);
    dxf.pair(73, 0);
    dxf.pair(40, 0.0);
    dxf.pair(0, QStringLiteral("ENDTAB"));
    dxf.pair(0, QStringLiteral("TABLE"));
    dxf.pair(2, QStringLiteral("LAYER"));
    dxf.pair(70, 6);
    // Colours: posts white, railpins blue, centres red, labels green, a stair's profile grey.
    const std::pair<QString, int> layers[] = {{QStringLiteral("0"), 7},        {layerName(Layer::Posts), 7},
                                              {layerName(Layer::Railpins), 5}, {layerName(Layer::Centres), 1},
                                              {layerName(Layer::Labels), 3},   {layerName(Layer::Stair), 8}};
    for (const auto &[name, colour] : layers) {
        dxf.pair(0, QStringLiteral("LAYER"));
        dxf.pair(2, name);
        dxf.pair(70, 0);
        dxf.pair(62, colour);
        dxf.pair(6, QStringLiteral("CONTINUOUS"));
    }
    dxf.pair(0, QStringLiteral("ENDTAB"));
    dxf.pair(0, QStringLiteral("TABLE"));
    dxf.pair(2, QStringLiteral("STYLE"));
    dxf.pair(70, 1);
    dxf.pair(0, QStringLiteral("STYLE"));
    dxf.pair(2, QStringLiteral("STANDARD"));
    dxf.pair(70, 0);
    dxf.pair(40, 0.0);
    dxf.pair(41, 1.0);
    dxf.pair(50, 0.0);
    dxf.pair(71, 0);
    dxf.pair(42, 1.0);
    dxf.pair(3, QStringLiteral("txt"));
    dxf.pair(4, QString());
    dxf.pair(0, QStringLiteral("ENDTAB"));
    dxf.pair(0, QStringLiteral("ENDSEC"));

    dxf.pair(0, QStringLiteral("SECTION"));
    dxf.pair(2, QStringLiteral("BLOCKS"));
    dxf.pair(0, QStringLiteral("ENDSEC"));

    dxf.pair(0, QStringLiteral("SECTION"));
    dxf.pair(2, QStringLiteral("ENTITIES"));
    for (const Elevation::Rectangle &rectangle : drawing.rectangles) {
        const QRectF &rect = rectangle.rect;
        dxf.pair(0, QStringLiteral("POLYLINE"));
        dxf.pair(8, layerName(rectangle.layer));
        dxf.pair(66, 1);
        dxf.point(0, 0);
        dxf.pair(70, 1);  // closed
        for (const QPointF &corner : {rect.topLeft(), rect.topRight(), rect.bottomRight(), rect.bottomLeft()}) {
            dxf.pair(0, QStringLiteral("VERTEX"));
            dxf.pair(8, layerName(rectangle.layer));
            dxf.point(corner.x(), flip(corner.y()));
        }
        dxf.pair(0, QStringLiteral("SEQEND"));
        dxf.pair(8, layerName(rectangle.layer));
    }
    for (const Elevation::Line &line : drawing.lines) {
        dxf.pair(0, QStringLiteral("LINE"));
        dxf.pair(8, layerName(line.layer));
        dxf.point(line.line.x1(), flip(line.line.y1()));
        dxf.point(line.line.x2(), flip(line.line.y2()), 11);
    }
    for (const Elevation::Label &label : drawing.labels) {
        dxf.pair(0, QStringLiteral("TEXT"));
        dxf.pair(8, layerName(Layer::Labels));
        dxf.point(label.baseline.x(), flip(label.baseline.y()));
        dxf.pair(40, label.height);
        dxf.textPair(1, layout::outputName(label.text, layout::NameOutput::Dxf));
    }
    dxf.pair(0, QStringLiteral("ENDSEC"));
    dxf.pair(0, QStringLiteral("EOF"));
    return std::move(dxf).bytes();
}

}  // namespace exports
