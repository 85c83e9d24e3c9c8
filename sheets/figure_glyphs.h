// SPDX-License-Identifier: LicenseRef-proprietary
#pragma once

#include <QFont>
#include <QGlyphRun>
#include <QPointF>
#include <QRectF>
#include <QString>

#include <array>
#include <memory>
#include <optional>
#include <vector>

class QPaintDevice;
class QPainter;

// Whether a character is one a sheet writes its numbers with: a digit, the
// blank, the fraction bar, a point or comma, a bracket or a sign.
bool isFigure(QChar character);

// Draws texts of figures in one font from glyphs shaped once, where
// QPainter::drawText shapes every text anew: a marks table is thousands of
// such texts. Only on a PDF, and only where the font shapes the figures one
// glyph each, each placed from the one before by a step that depends on
// those two alone (a kerned "11" is closer than "10"), as a text holding
// every two figures together and each figure alone prove; there the PDF writer is handed the very glyphs at the very
// points drawText would hand it, so the page is byte for byte what drawText makes.
class FigureGlyphs
{
public:
    // The font as a painter draws it on `device`, checked at once.
    FigureGlyphs(const QFont &font, const QPaintDevice *device);

    // The one of a painter's font on its device, kept for the thread: a
    // sheet draws in a few fonts, and each is checked once.
    static std::shared_ptr<FigureGlyphs> of(const QPainter &painter);
    static std::shared_ptr<FigureGlyphs> of(const QFont &font, const QPaintDevice *device);

    // Draws `text` with its baseline starting at `point` as
    // painter.drawText(point, text) would, in this font, and returns true;
    // returns false, having drawn nothing, for a text that is not figures
    // alone, a font that shapes figures otherwise or a painter on another
    // device than a PDF.
    bool draw(QPainter &painter, const QPointF &point, const QString &text);

    // Draws `text` as painter.drawText(box, Qt::AlignHCenter | Qt::AlignBottom,
    // text) would, and returns true; returns false, having drawn nothing, as
    // draw() does and for a text that does not fit the box.
    bool drawCentredAtBottom(QPainter &painter, const QRectF &box, const QString &text);

    static constexpr std::size_t kFigures = 18;

private:
    void check(const QFont &font, const QPaintDevice *device);
    static std::size_t pairIndex(QChar first, QChar second);
    // How far a text of figures advances on its line.
    std::optional<double> width(QStringView text) const;
    bool drawable(const QPainter &painter, const QString &text);

    bool usable = false;
    double ascent = 0;
    double descent = 0;
    std::array<quint32, kFigures> glyph{};
    std::array<double, kFigures> advance{};           // of a figure last in its text
    std::array<double, kFigures * kFigures> steps{};  // from a figure to the next, by pairIndex()
    std::vector<quint32> glyphs;
    std::vector<QPointF> positions;
    QGlyphRun run;
};
