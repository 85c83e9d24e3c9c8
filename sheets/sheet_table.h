// SPDX-License-Identifier: LicenseRef-proprietary
#pragma once

#include "sheet_pages.h"

#include <QString>
#include <QStringList>

#include <utility>
#include <vector>

// A table on a sheet whose columns are as wide as their widest cells, so that
// no cell is cut short or runs into the next. Every row is measured before
// the first is written. When the columns do not fit across the page, first
// the headings break over two lines, then what a cell holds in brackets (the
// exact value behind a mark) goes to a line of its own below it.
class SheetTable
{
public:
    SheetTable(SheetPages &pages, QStringList headings);

    void measure(const QStringList &cells);
    // Places the columns across the page; once, after every row is measured.
    void arrange();

    // The heading, kept whole; a continuation may write it again.
    void writeHeading();
    void writeRow(const QStringList &cells);

    // The columns as placed, the least room a gap between two leaves, and
    // the widest each column's cells and heading need as they are written.
    const std::vector<SheetPages::Column> &columns() const { return placed; }
    double gap() const { return columnGap; }
    std::vector<double> needed() const;
    bool headingsWrapped() const { return wrapHeadings; }
    bool bracketsBelow() const { return exactBelow; }

    // A cell as a mark and the bracketed exact value behind it; the second
    // is empty when the cell has no brackets at its end.
    static std::pair<QString, QString> splitBrackets(const QString &cell);

private:
    // The lines a heading is written on in its column: one, or two broken
    // at the blank that makes the wider of them narrowest.
    QStringList headingLines(qsizetype column, bool wrapped) const;
    void writeLines(const std::vector<QStringList> &lines, bool bold);

    SheetPages &pages;
    QStringList headings;
    double columnGap;
    std::vector<double> wholeCells;  // per column, the widest whole cell
    std::vector<double> markParts;   // and the widest without its brackets
    std::vector<double> bracketParts;
    std::vector<SheetPages::Column> placed;
    std::vector<QStringList> headingRows;  // as writeHeading() writes them, once arranged
    bool wrapHeadings = false;
    bool exactBelow = false;
    bool allFit = false;  // no column narrowed below its widest cell
};
