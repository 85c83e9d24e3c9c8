// SPDX-License-Identifier: LicenseRef-proprietary
#include "tab_separated.h"

#include <QAbstractItemModel>

#include <algorithm>
#include <map>

QString tabSeparatedText(const QModelIndexList &selected)
{
    if (selected.isEmpty())
        return {};
    int firstColumn = selected.first().column();
    int lastColumn = firstColumn;
    std::map<int, std::map<int, QString>> cells;  // row, column, text
    for (const QModelIndex &index : selected) {
        firstColumn = std::min(firstColumn, index.column());
        lastColumn = std::max(lastColumn, index.column());
        cells[index.row()][index.column()] = index.data(Qt::DisplayRole).toString();
    }
    QString text;
    for (const auto &[row, columns] : cells) {
        for (int column = firstColumn; column <= lastColumn; ++column) {
            if (column > firstColumn)
                text += u'\t';
            if (const auto cell = columns.find(column); cell != columns.end())
                text += cell->second;
        }
        text += u'\n';
    }
    return text;
}
