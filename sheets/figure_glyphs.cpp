// SPDX-License-Identifier: LicenseRef-proprietary
#include "figure_glyphs.h"

#include "one_line_layout.h"

#include <QFontMetricsF>
#include <QPaintEngine>
#include <QPainter>
#include <QTextLayout>

#include <algorithm>
#include <cmath>
#include <functional>
#include <memory>
#include <optional>

namespace {

constexpr char16_t kFigureCharacters[] = u"0123456789 /.,()-\u2212";

// The place of a figure in kFigureCharacters, or -1.
int figureIndex(QChar character)
{
    const char16_t code = character.unicode();
    if (code >= u'0' && code <= u'9')
        return code - u'0';
    for (int index = 10; kFigureCharacters[index] != 0; ++index) {
        if (kFigureCharacters[index] == code)
            return index;
    }
    return -1;
}

// A text in which every two figures stand together once, in either order
// (a de Bruijn sequence): whatever the font does to a figure beside another
// shows in it.
QString everyTwoFigures()
{
    constexpr int figures = int(FigureGlyphs::kFigures);
    constexpr int length = 2;
    std::array<int, length + 1> word{};
    QString text;
    const std::function<void(int, int)> extend = [&](int at, int period) {
        if (at > length) {
            if (length % period == 0) {
                for (int index = 1; index <= period; ++index)
                    text.append(QChar(kFigureCharacters[word[std::size_t(index)]]));
            }
            return;
        }
        word[std::size_t(at)] = word[std::size_t(at - period)];
        extend(at + 1, period);
        for (int next = word[std::size_t(at - period)] + 1; next < figures; ++next) {
            word[std::size_t(at)] = next;
            extend(at + 1, at);
        }
    };
    extend(1, 1);
    // The sequence is a ring: its first two figures close it.
    return text + text.left(length - 1);
}

// The glyphs of `text` laid out on one line in `font` on `device`, when they
// are of one font; `advance`, when given, receives the line's.
std::optional<QGlyphRun> shaped(const QString &text, const QFont &font, const QPaintDevice *device,
                                double *advance = nullptr)
{
    QTextLayout layout(text, font, device);
    const QTextLine line = layOutOnOneLine(layout);
    if (!line.isValid())
        return std::nullopt;
    if (advance != nullptr)
        *advance = line.horizontalAdvance();
    const QList<QGlyphRun> runs = layout.glyphRuns();
    if (runs.size() != 1 || runs.front().glyphIndexes().size() != text.size() ||
        runs.front().positions().size() != text.size())
        return std::nullopt;
    return runs.front();
}

}  // namespace

bool isFigure(QChar character)
{
    return figureIndex(character) >= 0;
}

FigureGlyphs::FigureGlyphs(const QFont &font, const QPaintDevice *device)
{
    check(font, device);
    static_assert(sizeof kFigureCharacters / sizeof kFigureCharacters[0] == kFigures + 1);
}

void FigureGlyphs::check(const QFont &font, const QPaintDevice *device)
{
    // A figure alone, as a text starts, stands where the text starts; and
    // last in a text, nothing follows it to change its advance.
    // Laid out on a line at the top, a glyph on the baseline stands its
    // ascent down.
    const QFontMetricsF metrics(font, device);
    ascent = metrics.ascent();
    descent = metrics.descent();
    for (const QChar figure : QStringView(kFigureCharacters)) {
        double alone = 0;
        const std::optional<QGlyphRun> glyphRun = shaped(QString(figure), font, device, &alone);
        if (!glyphRun || glyphRun->positions().front() != QPointF(0, ascent))
            return;
        advance[std::size_t(figureIndex(figure))] = alone;
    }
    const QString text = everyTwoFigures();
    double textAdvance = 0;
    const std::optional<QGlyphRun> run = shaped(text, font, device, &textAdvance);
    if (!run)
        return;
    const QList<quint32> glyphs = run->glyphIndexes();
    const QList<QPointF> points = run->positions();
    std::array<bool, kFigures> knownGlyph{};
    std::array<bool, kFigures * kFigures> knownStep{};
    for (qsizetype index = 0; index < text.size(); ++index) {
        const auto figure = std::size_t(figureIndex(text[index]));
        if (points[index].y() != ascent)
            return;
        if (!knownGlyph[figure]) {
            knownGlyph[figure] = true;
            glyph[figure] = glyphs[index];
        } else if (glyph[figure] != glyphs[index]) {
            return;
        }
        if (index + 1 == text.size())
            break;
        const std::size_t pair = pairIndex(text[index], text[index + 1]);
        const double step = points[index + 1].x() - points[index].x();
        if (!knownStep[pair]) {
            knownStep[pair] = true;
            steps[pair] = step;
        } else if (steps[pair] != step) {
            return;
        }
    }
    this->run.setRawFont(run->rawFont());
    // The text's advance is its figures' steps and the last one's own: no
    // glyph is moved off its advance.
    usable = this->run.rawFont().isValid() && width(text) == textAdvance;
}

std::shared_ptr<FigureGlyphs> FigureGlyphs::of(const QPainter &painter)
{
    return of(painter.font(), painter.device());
}

std::shared_ptr<FigureGlyphs> FigureGlyphs::of(const QFont &font, const QPaintDevice *device)
{
    // Fonts are equal whatever their resolution: the device's is kept beside.
    struct Known
    {
        QFont font;
        int dpi;
        std::shared_ptr<FigureGlyphs> glyphs;
    };
    constexpr std::size_t kFonts = 8;
    thread_local std::vector<Known> known;
    const int dpi = device->logicalDpiY();
    for (const Known &entry : known) {
        if (entry.dpi == dpi && entry.font == font)
            return entry.glyphs;
    }
    if (known.size() >= kFonts)
        known.clear();
    known.push_back({font, dpi, std::make_shared<FigureGlyphs>(font, device)});
    return known.back().glyphs;
}

std::size_t FigureGlyphs::pairIndex(QChar first, QChar second)
{
    return std::size_t(figureIndex(first)) * kFigures + std::size_t(figureIndex(second));
}

std::optional<double> FigureGlyphs::width(QStringView text) const
{
    if (text.isEmpty() || !std::all_of(text.begin(), text.end(), isFigure))
        return std::nullopt;
    double width = advance[std::size_t(figureIndex(text.back()))];
    for (qsizetype index = 0; index + 1 < text.size(); ++index)
        width += steps[pairIndex(text[index], text[index + 1])];
    return width;
}

bool FigureGlyphs::drawable(const QPainter &painter, const QString &text)
{
    // On other devices a glyph run is drawn by other means than a text:
    // a print preview would record it without its characters.
    if (painter.paintEngine() == nullptr || painter.paintEngine()->type() != QPaintEngine::Pdf)
        return false;
    return usable && !text.isEmpty() && painter.pen().style() != Qt::NoPen &&
           painter.layoutDirection() != Qt::RightToLeft &&
           std::all_of(text.begin(), text.end(), [](QChar character) { return figureIndex(character) >= 0; });
}

bool FigureGlyphs::drawCentredAtBottom(QPainter &painter, const QRectF &box, const QString &text)
{
    if (!drawable(painter, text))
        return false;
    // As drawText lays the text out on one line at the top of its box
    // (ascent and descent high) and moves that line to the box's foot and
    // centre; a text that does not fit would be clipped.
    const double width = *this->width(text);
    const double height = ascent + descent;
    const QPointF start(box.x() + (box.width() - width) / 2, box.y() + (box.height() - height));
    if (!box.contains(QRectF(start.x(), start.y(), width, height)))
        return false;
    // The line's top in whole 64ths, cut towards zero, and its baseline below.
    return draw(painter, QPointF(start.x(), std::trunc(start.y() * 64) / 64 + ascent), text);
}

bool FigureGlyphs::draw(QPainter &painter, const QPointF &point, const QString &text)
{
    if (!drawable(painter, text))
        return false;
    const auto count = std::size_t(text.size());
    glyphs.resize(count);
    positions.resize(count);
    double x = 0;
    for (qsizetype index = 0; index < text.size(); ++index) {
        glyphs[std::size_t(index)] = glyph[std::size_t(figureIndex(text[index]))];
        positions[std::size_t(index)] = QPointF(x, 0);
        if (index + 1 < text.size())
            x += steps[pairIndex(text[index], text[index + 1])];
    }
    run.setRawData(glyphs.data(), positions.data(), int(count));
    // drawText places a text at its start in whole 64ths of a unit, cut
    // towards zero, and each glyph from there by the advances before it; the
    // glyph run places each glyph at its own point so cut. Starting from the
    // start so cut keeps every sum exact, and the points drawText's.
    painter.drawGlyphRun(QPointF(std::trunc(point.x() * 64) / 64, point.y()), run);
    return true;
}
