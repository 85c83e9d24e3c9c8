// SPDX-License-Identifier: LicenseRef-proprietary
#pragma once

#include <QGlyphRun>
#include <QHash>
#include <QPointF>
#include <QString>

#include <optional>

class QPainter;

// The texts a sheet draws again and again in one font (a long table's title,
// heading and continued line at the top of every page), shaped once when
// they come a second time and then drawn from their glyphs. Only on a PDF,
// and only a text whose glyphs are of one font and on its baseline; there
// the PDF writer is handed the very glyphs at the very points
// QPainter::drawText would hand it, so the page is byte for byte the same.
class ShapedTexts
{
public:
    // Draws `text` with its baseline starting at `point` as
    // painter.drawText(point, text) does, in the painter's font, which must
    // be the same at every call.
    void draw(QPainter &painter, const QPointF &point, const QString &text);

private:
    // Nothing for a text seen once; a run without glyphs for one drawText must draw.
    QHash<QString, std::optional<QGlyphRun>> seen;
};
