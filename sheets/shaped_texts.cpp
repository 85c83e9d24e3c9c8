// SPDX-License-Identifier: LicenseRef-proprietary
#include "shaped_texts.h"

#include "one_line_layout.h"

#include <QPaintEngine>
#include <QPainter>
#include <QTextLayout>

#include <cmath>

namespace {

// A sheet of a thousand pages repeats a few dozen texts; most others are
// seen once. At most this many are kept.
constexpr qsizetype kTextsKept = 512;

// The glyphs of `text` as drawText places them from a start at (0, 0), or
// a run without glyphs when they are not all of one font on the baseline.
QGlyphRun shaped(const QPainter &painter, const QString &text)
{
    QTextLayout layout(text, painter.font(), painter.device());
    const QTextLine line = layOutOnOneLine(layout);
    if (!line.isValid())
        return {};
    const QList<QGlyphRun> runs = layout.glyphRuns();
    if (runs.size() != 1)
        return {};
    QList<QPointF> points = runs.front().positions();
    for (QPointF &point : points) {
        // Laid out on a line at the top, each glyph stands on the line's
        // baseline, its ascent down.
        if (point.y() != line.ascent())
            return {};
        point.setY(0);
    }
    QGlyphRun run;
    run.setRawFont(runs.front().rawFont());
    run.setGlyphIndexes(runs.front().glyphIndexes());
    run.setPositions(points);
    return run;
}

}  // namespace

void ShapedTexts::draw(QPainter &painter, const QPointF &point, const QString &text)
{
    // On other devices a glyph run is drawn by other means than a text.
    const bool pdf = painter.paintEngine() != nullptr && painter.paintEngine()->type() == QPaintEngine::Pdf;
    const auto found = pdf ? seen.find(text) : seen.end();
    if (found == seen.end() || painter.pen().style() == Qt::NoPen || painter.layoutDirection() == Qt::RightToLeft) {
        if (pdf && found == seen.end()) {
            // A page's footer is seen once: those seen once make way.
            if (seen.size() >= kTextsKept)
                seen.removeIf(
                    [](const std::pair<const QString &, std::optional<QGlyphRun> &> &entry) { return !entry.second; });
            if (seen.size() < kTextsKept)
                seen.insert(text, std::nullopt);
        }
        painter.drawText(point, text);
        return;
    }
    if (!*found)
        *found = shaped(painter, text);
    const QGlyphRun &run = **found;
    if (run.glyphIndexes().isEmpty()) {
        painter.drawText(point, text);
        return;
    }
    // drawText places a text at its start in whole 64ths of a unit, cut
    // towards zero, and each glyph from there; the glyph run places each
    // glyph at its own point so cut. From the start so cut every sum is exact.
    painter.drawGlyphRun(QPointF(std::trunc(point.x() * 64) / 64, point.y()), run);
}
