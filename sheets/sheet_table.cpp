// SPDX-License-Identifier: LicenseRef-proprietary
#include "sheet_table.h"

#include <algorithm>
#include <numeric>

namespace {

// Room between two columns, in inches of paper: cells never touch.
constexpr double kColumnGapInches = 0.12;

// Where the bracketed exact value at the end of a cell starts (at the blank
// before it), or -1 when the cell has none.
qsizetype bracketsStart(QStringView cell)
{
    const qsizetype open = cell.lastIndexOf(QLatin1String(" ("));
    return open > 0 && cell.endsWith(u')') ? open : -1;
}

}  // namespace

SheetTable::SheetTable(SheetPages &pages, QStringList headings)
    : pages(pages), headings(std::move(headings)), columnGap(kColumnGapInches * pages.inch()),
      wholeCells(std::size_t(this->headings.size())), markParts(wholeCells.size()), bracketParts(wholeCells.size())
{
}

std::pair<QString, QString> SheetTable::splitBrackets(const QString &cell)
{
    const qsizetype open = bracketsStart(cell);
    if (open < 0)
        return {cell, QString()};
    return {cell.left(open), cell.mid(open + 1)};
}

void SheetTable::measure(const QStringList &cells)
{
    for (qsizetype column = 0; column < cells.size() && std::size_t(column) < wholeCells.size(); ++column) {
        const auto index = std::size_t(column);
        const QStringView cell = cells[column];
        wholeCells[index] = std::max(wholeCells[index], pages.textWidth(cell, false));
        // As splitBrackets() cuts it, without copying the parts.
        const qsizetype open = bracketsStart(cell);
        markParts[index] = std::max(markParts[index], pages.textWidth(open < 0 ? cell : cell.left(open), false));
        if (open >= 0)
            bracketParts[index] = std::max(bracketParts[index], pages.textWidth(cell.mid(open + 1), false));
    }
}

QStringList SheetTable::headingLines(qsizetype column, bool wrapped) const
{
    const QString &heading = headings[column];
    if (!wrapped)
        return {heading};
    const QFontMetricsF &metrics = pages.metrics(true);
    QStringList best{heading};
    double narrowest = metrics.horizontalAdvance(heading);
    for (qsizetype blank = heading.indexOf(u' '); blank > 0; blank = heading.indexOf(u' ', blank + 1)) {
        const QString first = heading.left(blank);
        const QString second = heading.mid(blank + 1);
        const double wider = std::max(metrics.horizontalAdvance(first), metrics.horizontalAdvance(second));
        if (wider < narrowest) {
            narrowest = wider;
            best = {first, second};
        }
    }
    return best;
}

std::vector<double> SheetTable::needed() const
{
    const QFontMetricsF &metrics = pages.metrics(true);
    std::vector<double> widest(wholeCells.size());
    for (std::size_t column = 0; column < widest.size(); ++column) {
        for (const QString &line : headingLines(qsizetype(column), wrapHeadings))
            widest[column] = std::max(widest[column], metrics.horizontalAdvance(line));
        widest[column] = std::max(widest[column],
                                  exactBelow ? std::max(markParts[column], bracketParts[column]) : wholeCells[column]);
    }
    return widest;
}

void SheetTable::arrange()
{
    const std::size_t count = wholeCells.size();
    const double room = pages.width() - columnGap * double(count > 0 ? count - 1 : 0);
    std::vector<double> widths(count);
    // The narrowest way that fits, from the plainest: all on one line, then
    // headings on two, then the exact values below their marks.
    for (const auto &[wrapped, below] : {std::pair{false, false}, {true, false}, {true, true}}) {
        wrapHeadings = wrapped;
        exactBelow = below;
        for (std::size_t column = 0; column < count; ++column) {
            double widest = below ? std::max(markParts[column], bracketParts[column]) : wholeCells[column];
            for (const QString &line : headingLines(qsizetype(column), wrapped))
                widest = std::max(widest, pages.textWidth(line, true));
            widths[column] = widest;
        }
        if (std::accumulate(widths.begin(), widths.end(), 0.0) <= room)
            break;
    }
    // What is left over widens every column alike; a table that still does
    // not fit is narrowed alike, the one case where a cell may be cut.
    const double total = std::accumulate(widths.begin(), widths.end(), 0.0);
    const double share = count > 0 ? (room - total) / double(count) : 0;
    // Every cell, and every line of a heading, as wide as its column at most.
    allFit = total <= room;
    placed.clear();
    headingRows.clear();
    double left = 0;
    for (const double width : widths) {
        const double fitted = total > room ? width * room / total : width + share;
        placed.push_back({left, fitted, Qt::AlignLeft});
        left += fitted + columnGap;
    }
}

void SheetTable::writeLines(const std::vector<QStringList> &lines, bool bold)
{
    pages.rowLines(lines, placed, bold, allFit);
}

void SheetTable::writeHeading()
{
    // Written again at the top of every page of a long table: broken once.
    if (headingRows.empty()) {
        headingRows.resize(wrapHeadings ? 2 : 1);
        for (qsizetype column = 0; column < headings.size(); ++column) {
            const QStringList parts = headingLines(column, wrapHeadings);
            for (std::size_t line = 0; line < headingRows.size(); ++line)
                headingRows[line] << (line < std::size_t(parts.size()) ? parts[qsizetype(line)] : QString());
        }
    }
    writeLines(headingRows, true);
}

void SheetTable::writeRow(const QStringList &cells)
{
    if (!exactBelow) {
        writeLines({cells}, false);
        return;
    }
    std::vector<QStringList> lines(2);
    for (const QString &cell : cells) {
        const auto [mark, exact] = splitBrackets(cell);
        lines[0] << mark;
        lines[1] << exact;
    }
    writeLines(lines, false);
}
