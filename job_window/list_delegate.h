// SPDX-License-Identifier: LicenseRef-proprietary
#pragma once

#include <QComboBox>
#include <QStyledItemDelegate>

#include <algorithm>

// A cell edited with a list whose items carry the cell's value as their data:
// subclasses make the list, this reads the cell into it and writes it back.
class ListDelegate : public QStyledItemDelegate
{
public:
    using QStyledItemDelegate::QStyledItemDelegate;

    void setEditorData(QWidget *editor, const QModelIndex &index) const override
    {
        auto *list = static_cast<QComboBox *>(editor);
        list->setCurrentIndex(std::max(0, list->findData(index.data(Qt::EditRole).toInt())));
    }
    void setModelData(QWidget *editor, QAbstractItemModel *model, const QModelIndex &index) const override
    {
        model->setData(index, static_cast<QComboBox *>(editor)->currentData(), Qt::EditRole);
    }
};
