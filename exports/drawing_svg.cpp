// SPDX-License-Identifier: LicenseRef-proprietary
#include "drawing_files.h"

#include "output_names.h"

#include <QXmlStreamWriter>

#include <algorithm>

namespace exports {

namespace {

QString number(double value)
{
    return QString::number(value, 'g', 15);
}

const QString kSvgNamespace = QStringLiteral("http://www.w3.org/2000/svg");
const QString kInkscapeNamespace = QStringLiteral("http://www.inkscape.org/namespaces/inkscape");

void startLayer(QXmlStreamWriter &xml, Layer layer)
{
    xml.writeStartElement(kSvgNamespace, QStringLiteral("g"));
    xml.writeAttribute(QStringLiteral("id"), layerName(layer));
    xml.writeAttribute(kInkscapeNamespace, QStringLiteral("groupmode"), QStringLiteral("layer"));
    xml.writeAttribute(kInkscapeNamespace, QStringLiteral("label"), layerName(layer));
}

}  // namespace

QByteArray drawingSvg(const Elevation &drawing, layout::Unit unit)
{
    const bool inches = unit == layout::Unit::Inches;
    const QString unitSuffix = inches ? QStringLiteral("in") : QStringLiteral("mm");
    // Strokes a hairline wide at full size: 1/64 in or 0.4 mm.
    const QString stroke = number(inches ? 1.0 / 64 : 0.4);

    QByteArray bytes;
    QXmlStreamWriter xml(&bytes);
    xml.setAutoFormatting(true);
    xml.writeStartDocument();
    xml.writeDefaultNamespace(kSvgNamespace);
    xml.writeNamespace(kInkscapeNamespace, QStringLiteral("inkscape"));
    xml.writeStartElement(kSvgNamespace, QStringLiteral("svg"));
    const QRectF &bounds = drawing.bounds;
    xml.writeAttribute(QStringLiteral("width"), number(bounds.width()) + unitSuffix);
    xml.writeAttribute(QStringLiteral("height"), number(bounds.height()) + unitSuffix);
    xml.writeAttribute(QStringLiteral("viewBox"), QStringLiteral("%1 %2 %3 %4")
                                                      .arg(number(bounds.x()), number(bounds.y()),
                                                           number(bounds.width()), number(bounds.height())));

    for (const Layer layer : {Layer::Posts, Layer::Railpins}) {
        startLayer(xml, layer);
        xml.writeAttribute(QStringLiteral("fill"), QStringLiteral("none"));
        xml.writeAttribute(QStringLiteral("stroke"), QStringLiteral("black"));
        xml.writeAttribute(QStringLiteral("stroke-width"), stroke);
        for (const Elevation::Rectangle &rectangle : drawing.rectangles) {
            if (rectangle.layer != layer)
                continue;
            xml.writeEmptyElement(kSvgNamespace, QStringLiteral("rect"));
            xml.writeAttribute(QStringLiteral("x"), number(rectangle.rect.x()));
            xml.writeAttribute(QStringLiteral("y"), number(rectangle.rect.y()));
            xml.writeAttribute(QStringLiteral("width"), number(rectangle.rect.width()));
            xml.writeAttribute(QStringLiteral("height"), number(rectangle.rect.height()));
        }
        xml.writeEndElement();
    }

    // A stair's profile in a layer of its own, only where the drawing has one.
    const bool profile = std::any_of(drawing.lines.begin(), drawing.lines.end(),
                                     [](const Elevation::Line &line) { return line.layer == Layer::Stair; });
    for (const Layer layer : {Layer::Stair, Layer::Centres}) {
        if (layer == Layer::Stair && !profile)
            continue;
        startLayer(xml, layer);
        xml.writeAttribute(QStringLiteral("stroke"),
                           layer == Layer::Centres ? QStringLiteral("red") : QStringLiteral("black"));
        xml.writeAttribute(QStringLiteral("stroke-width"), stroke);
        for (const Elevation::Line &line : drawing.lines) {
            if (line.layer != layer)
                continue;
            xml.writeEmptyElement(kSvgNamespace, QStringLiteral("line"));
            xml.writeAttribute(QStringLiteral("x1"), number(line.line.x1()));
            xml.writeAttribute(QStringLiteral("y1"), number(line.line.y1()));
            xml.writeAttribute(QStringLiteral("x2"), number(line.line.x2()));
            xml.writeAttribute(QStringLiteral("y2"), number(line.line.y2()));
        }
        xml.writeEndElement();
    }

    startLayer(xml, Layer::Labels);
    xml.writeAttribute(QStringLiteral("font-family"), QStringLiteral("sans-serif"));
    for (const Elevation::Label &label : drawing.labels) {
        xml.writeStartElement(kSvgNamespace, QStringLiteral("text"));
        xml.writeAttribute(QStringLiteral("x"), number(label.baseline.x()));
        xml.writeAttribute(QStringLiteral("y"), number(label.baseline.y()));
        xml.writeAttribute(QStringLiteral("font-size"), number(label.height));
        xml.writeCharacters(layout::outputName(label.text, layout::NameOutput::Xml));
        xml.writeEndElement();
    }
    xml.writeEndElement();

    xml.writeEndElement();
    xml.writeEndDocument();
    return bytes;
}

}  // namespace exports
