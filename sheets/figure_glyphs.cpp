// SPDX-License-Identifier: LicenseRef-proprietary
#include "figure_glyphs.h"

#include <QPainter>
#include <QTextLayout>

#include <cmath>
#include <functional>
#include <optional>
#include <utility>

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

}  // namespace

bool isFigure(QChar character)
{
    return figureIndex(character) >= 0;
}

FigureGlyphs::FigureGlyphs(QFont font, const QPaintDevice *device) : font(std::move(font)), device(device)
{
    static_assert(sizeof kFigureCharacters / sizeof kFigureCharacters[0] == kFigures + 1);
}

// A text in which every two figures stand together once, each one before
// the other (a de Bruijn sequence): whatever the font does to a figure beside
// another shows in it.
QString everyTwoFigures()
{
    constexpr int figures = FigureGlyphs::kFigures;
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
// are of one font.
std::optional<QGlyphRun> shaped(const QString &text, const QFont &font, const QPaintDevice *device)
{
    QTextLayout layout(text, font, device);
    QTextOption option;
    option.setWrapMode(QTextOption::NoWrap);
    layout.setTextOption(option);
    layout.beginLayout();
    const QTextLine line = layout.createLine();
    layout.endLayout();
    if (!line.isValid() || line.textLength() != text.size())
        return std::nullopt;
    const QList<QGlyphRun> runs = layout.glyphRuns();
    if (runs.size() != 1 || runs.front().glyphIndexes().size() != text.size() ||
        runs.front().positions().size() != text.size())
        return std::nullopt;
    return runs.front();
}

void FigureGlyphs::check()
{
    checked = true;
    // A figure alone, as a text starts, stands where the text starts.
    for (const QChar figure : QStringView(kFigureCharacters)) {
        const std::optional<QGlyphRun> alone = shaped(QString(figure), font, device);
        if (!alone || alone->positions().front().x() != 0)
            return;
    }
    const QString text = everyTwoFigures();
    const std::optional<QGlyphRun> run = shaped(text, font, device);
    if (!run)
        return;
    const QList<quint32> glyphs = run->glyphIndexes();
    const QList<QPointF> points = run->positions();
    std::array<bool, kFigures> knownGlyph{};
    std::array<bool, kFigures * kFigures> knownStep{};
    for (qsizetype index = 0; index < text.size(); ++index) {
        const auto figure = std::size_t(figureIndex(text[index]));
        if (points[index].y() != points.front().y())
            return;
        if (!knownGlyph[figure]) {
            knownGlyph[figure] = true;
            glyph[figure] = glyphs[index];
        } else if (glyph[figure] != glyphs[index]) {
            return;
        }
        if (index + 1 == text.size())
            break;
        const std::size_t pair = figure * kFigures + std::size_t(figureIndex(text[index + 1]));
        const double step = points[index + 1].x() - points[index].x();
        if (!knownStep[pair]) {
            knownStep[pair] = true;
            steps[pair] = step;
        } else if (steps[pair] != step) {
            return;
        }
    }
    this->run.setRawFont(run->rawFont());
    usable = this->run.rawFont().isValid();
}

bool FigureGlyphs::draw(QPainter &painter, const QPointF &point, const QString &text)
{
    if (!checked)
        check();
    if (!usable || text.isEmpty() || painter.pen().style() == Qt::NoPen || painter.layoutDirection() == Qt::RightToLeft)
        return false;
    const auto count = std::size_t(text.size());
    glyphs.resize(count);
    positions.resize(count);
    double x = 0;
    for (std::size_t index = 0; index < count; ++index) {
        const int figure = figureIndex(text[qsizetype(index)]);
        if (figure < 0)
            return false;
        glyphs[index] = glyph[std::size_t(figure)];
        positions[index] = QPointF(x, 0);
        if (index + 1 < count) {
            const int next = figureIndex(text[qsizetype(index + 1)]);
            if (next < 0)
                return false;
            x += steps[std::size_t(figure * kFigures + next)];
        }
    }
    run.setRawData(glyphs.data(), positions.data(), int(count));
    // drawText places a text at its start in whole 64ths of a unit, cut
    // towards zero, and each glyph from there by the advances before it; the
    // glyph run places each glyph at its own point so cut. Starting from the
    // start so cut keeps every sum exact, and the points drawText's.
    painter.drawGlyphRun(QPointF(std::trunc(point.x() * 64) / 64, point.y()), run);
    return true;
}
