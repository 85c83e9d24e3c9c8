// SPDX-License-Identifier: LicenseRef-proprietary
#include "sheet_pages.h"

#include "figure_glyphs.h"

#include <QCoreApplication>
#include <QFontMetricsF>
#include <QPagedPaintDevice>
#include <QPainter>
#include <QRegularExpression>

#include <algorithm>
#include <utility>

namespace {

bool everyDigitAlike(const QFontMetricsF &metrics)
{
    const double zero = metrics.horizontalAdvance(u'0');
    for (char16_t digit = u'1'; digit <= u'9'; ++digit) {
        if (metrics.horizontalAdvance(QChar(digit)) != zero)
            return false;
    }
    return true;
}

}  // namespace

QFont sheetFont(double points, bool bold)
{
    QFont font;
    font.setFamilies({QStringLiteral("Liberation Sans"), QStringLiteral("DejaVu Sans")});
    font.setStyleHint(QFont::SansSerif);
    font.setPointSizeF(points);
    font.setBold(bold);
    return font;
}

SheetPages::SheetPages(QPainter &painter, QPagedPaintDevice &device, QString footer, Style style)
    : painter(painter), device(device), footer(std::move(footer)), dpi(device.logicalDpiY()),
      body(sheetFont(style.bodyPoints, false)), bold(sheetFont(style.bodyPoints, true)), title(sheetFont(12, true)),
      bodyMetrics(body, &device), boldMetrics(bold, &device), titleMetrics(title, &device),
      lineHeight(bodyMetrics.lineSpacing() * style.lineSpacing),
      digitsAlike(everyDigitAlike(bodyMetrics) && everyDigitAlike(boldMetrics))
{
}

SheetPages::SheetPages(QPainter &painter, QPagedPaintDevice &device, QString footer)
    : SheetPages(painter, device, std::move(footer), Style{})
{
    // The footer's line is kept free at the bottom of every page.
    content = QRectF(0, 0, device.width(), device.height() - 1.5 * lineHeight);
    y = content.top();
    drawFooter();
}

SheetPages::SheetPages(QPainter &painter, QPagedPaintDevice &device, const QRectF &content, double top, Style style)
    : SheetPages(painter, device, QString(), style)
{
    this->content = content;
    y = top;
    // Something is already on this page: a line that does not fit below it
    // goes on to the next.
    pageEmpty = false;
}

void SheetPages::heading(const QString &text)
{
    const double height = headingHeight();
    // A heading is not left alone at the foot of a page.
    if (!makeRoom(height + 3 * lineHeight))
        return;
    drawText(QRectF(content.left(), y, content.width(), height), text, title, titleMetrics,
             Qt::AlignLeft | Qt::AlignVCenter);
    y += height;
}

void SheetPages::line(const QString &text, bool isBold)
{
    if (!makeRoom(lineHeight))
        return;
    drawText(QRectF(content.left(), y, content.width(), lineHeight), text, isBold ? bold : body,
             isBold ? boldMetrics : bodyMetrics, Qt::AlignLeft | Qt::AlignVCenter);
    y += lineHeight;
}

void SheetPages::paragraph(const QString &text, bool isBold)
{
    for (const QString &piece : wrapped(text, isBold))
        line(piece, isBold);
}

QStringList SheetPages::wrapped(const QString &text, bool isBold, bool keepClauses) const
{
    const QFontMetricsF &metrics = isBold ? boldMetrics : bodyMetrics;
    const auto fits = [&](const QString &line) { return metrics.horizontalAdvance(line) <= content.width(); };
    static const QRegularExpression afterComma(QStringLiteral("(?<=, )"));
    QStringList pieces;
    for (const QString &clause : keepClauses ? text.split(afterComma) : QStringList{text}) {
        if (keepClauses && fits(clause))
            pieces << clause;
        else
            for (const QString &word : clause.split(u' '))
                pieces << word + u' ';
    }
    QStringList lines;
    QString current;
    for (const QString &piece : pieces) {
        if (!current.isEmpty() && !fits((current + piece).trimmed())) {
            lines << current.trimmed();
            current.clear();
        }
        current += piece;
    }
    lines << current.trimmed();
    return lines;
}

void SheetPages::skip(double lines)
{
    y += lines * lineHeight;
}

void SheetPages::row(const QStringList &cells, const std::vector<double> &columnWidths, bool isBold)
{
    std::vector<Column> columns;
    columns.reserve(columnWidths.size());
    double left = 0;
    for (const double part : columnWidths) {
        columns.push_back({left, part * content.width(), Qt::AlignLeft});
        left += part * content.width();
    }
    row(cells, columns, isBold);
}

void SheetPages::row(const QStringList &cells, const std::vector<Column> &columns, bool isBold)
{
    rowLines({cells}, columns, isBold);
}

void SheetPages::rowLines(const std::vector<QStringList> &lines, const std::vector<Column> &columns, bool isBold,
                          bool measured)
{
    if (!makeRoom(lineHeight * double(lines.size())))
        return;
    for (const QStringList &cells : lines) {
        for (qsizetype index = 0; index < cells.size() && std::size_t(index) < columns.size(); ++index) {
            const Column &column = columns[std::size_t(index)];
            drawText(QRectF(content.left() + column.left, y, column.width, lineHeight), cells[index],
                     isBold ? bold : body, isBold ? boldMetrics : bodyMetrics, column.alignment | Qt::AlignVCenter,
                     measured);
        }
        y += lineHeight;
    }
}

void SheetPages::setContinuation(std::function<void()> next)
{
    continuation = std::move(next);
}

std::optional<QRectF> SheetPages::block(double height)
{
    if (!makeRoom(std::min(height, content.height())))
        return std::nullopt;
    const QRectF room(content.left(), y, content.width(), std::min(height, content.bottom() - y));
    y += room.height();
    return room;
}

void SheetPages::keepTogether(double height)
{
    if (failure.isEmpty() && !stoppedByCheck && !pageEmpty && y + height > content.bottom())
        startPage();
}

void SheetPages::setPageCheck(std::function<bool()> goOn)
{
    pageCheck = std::move(goOn);
}

bool SheetPages::makeRoom(double height)
{
    if (!failure.isEmpty() || stoppedByCheck)
        return false;
    if (y + height > content.bottom() && !pageEmpty && !startPage())
        return false;
    pageEmpty = false;
    return true;
}

bool SheetPages::startPage()
{
    if (!failure.isEmpty() || stoppedByCheck)
        return false;
    if (pageCheck && !pageCheck()) {
        stoppedByCheck = true;
        return false;
    }
    if (!device.newPage()) {
        failure = QCoreApplication::translate("SheetPages", "page %1 could not be started").arg(page + 1);
        return false;
    }
    ++page;
    y = content.top();
    pageEmpty = true;
    drawFooter();
    // The continuation writes through this object itself; it must not recurse
    // into another page break.
    if (continuation && !inContinuation) {
        inContinuation = true;
        continuation();
        inContinuation = false;
    }
    return true;
}

void SheetPages::drawFooter()
{
    if (footer.isEmpty())
        return;
    const QString text = QCoreApplication::translate("SheetPages", "%1 \u2014 page %2").arg(footer).arg(page);
    drawText(QRectF(content.left(), device.height() - lineHeight, content.width(), lineHeight), text, body, bodyMetrics,
             Qt::AlignRight | Qt::AlignVCenter);
}

double SheetPages::textWidth(QStringView text, bool isBold)
{
    // Beside a letter a digit may be kerned as no other digit is: only texts
    // of figures alone are measured by their shape.
    if (!digitsAlike)
        return metrics(isBold).horizontalAdvance(text.toString());
    shape.resize(text.size());
    QChar *out = shape.data();
    for (const QChar character : text) {
        if (!isFigure(character))
            return metrics(isBold).horizontalAdvance(text.toString());
        *out++ = character >= u'0' && character <= u'9' ? QChar(u'0') : character;
    }
    QHash<QString, double> &known = widths[isBold ? 1 : 0];
    if (const auto found = known.constFind(shape); found != known.cend())
        return *found;
    const double width = metrics(isBold).horizontalAdvance(shape);
    known.insert(shape, width);
    return width;
}

void SheetPages::drawText(const QRectF &rect, const QString &text, const QFont &font, const QFontMetricsF &metrics,
                          Qt::Alignment alignment, bool knownToFit)
{
    if (painter.font() != font)
        painter.setFont(font);
    // The body's texts are measured by their shape; eliding measures the
    // text again, but most texts fit and are drawn as they are.
    const bool body = &metrics == &bodyMetrics || &metrics == &boldMetrics;
    const bool measured = knownToFit && !alignment.testFlag(Qt::AlignRight);
    const double width = measured ? 0
                         : body   ? textWidth(text, &metrics == &boldMetrics)
                                  : metrics.horizontalAdvance(text);
    const bool fits = measured || width <= rect.width();
    const QString fitting = fits ? text : metrics.elidedText(text, Qt::ElideRight, rect.width());
    // Drawn at a computed baseline rather than laid out in the rectangle: a
    // sheet has thousands of cells and a text layout for each is slow.
    const double x = alignment.testFlag(Qt::AlignRight)
                         ? rect.right() - (fits ? width : metrics.horizontalAdvance(fitting))
                         : rect.left();
    const QPointF start(x, rect.top() + (rect.height() + metrics.ascent() - metrics.descent()) / 2);
    // Most cells of a table are figures alone, drawn without shaping each.
    std::shared_ptr<FigureGlyphs> *figuresOfFont = body ? &figures[&metrics == &boldMetrics ? 1 : 0] : nullptr;
    if (figuresOfFont != nullptr && !*figuresOfFont)
        *figuresOfFont = FigureGlyphs::of(painter);
    if (figuresOfFont == nullptr || !(*figuresOfFont)->draw(painter, start, fitting))
        repeated[&metrics == &titleMetrics ? 2 : &metrics == &boldMetrics ? 1 : 0].draw(painter, start, fitting);
}
