// SPDX-License-Identifier: LicenseRef-proprietary
#pragma once

#include <QFont>
#include <QGlyphRun>
#include <QPointF>
#include <QString>

#include <array>
#include <vector>

class QPaintDevice;
class QPainter;

// Whether a character is one a sheet writes its numbers with: a digit, the
// blank, the fraction bar, a point or comma, a bracket or a sign.
bool isFigure(QChar character);

// Draws texts of figures in one font from glyphs shaped once, where
// QPainter::drawText shapes every text anew: a marks table is thousands of
// such texts. Only where the font shapes the figures one glyph each, each
// placed from the one before by a step that depends on those two alone (a
// kerned "11" is closer than "10"), as a text holding every three figures
// together proves when the first is drawn; there the painter is handed the
// very glyphs at the very points drawText would hand it, so the page is byte
// for byte what drawText makes.
class FigureGlyphs
{
public:
    // The font as the painter draws it on `device`.
    FigureGlyphs(QFont font, const QPaintDevice *device);

    // Draws `text` with its baseline starting at `point` as
    // painter.drawText(point, text) would, in this font, and returns true;
    // returns false, having drawn nothing, for a text that is not figures
    // alone or a font that shapes figures otherwise.
    bool draw(QPainter &painter, const QPointF &point, const QString &text);

    static constexpr int kFigures = 18;

private:
    void check();

    QFont font;
    const QPaintDevice *device;
    bool checked = false;
    bool usable = false;
    std::array<quint32, kFigures> glyph{};
    std::array<double, std::size_t(kFigures) * kFigures> steps{};  // from a figure to the next
    std::vector<quint32> glyphs;
    std::vector<QPointF> positions;
    QGlyphRun run;
};
