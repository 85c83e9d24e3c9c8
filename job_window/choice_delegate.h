// SPDX-License-Identifier: LicenseRef-proprietary
#pragma once

#include <QStyledItemDelegate>

// Edits a section's balanced-railing choice (spacing, centre, lengths
// between) with a list: the job's value first, then each choice.
class ChoiceDelegate : public QStyledItemDelegate
{
    Q_OBJECT

public:
    using QStyledItemDelegate::QStyledItemDelegate;

    QWidget *createEditor(QWidget *parent, const QStyleOptionViewItem &option, const QModelIndex &index) const override;
    void setEditorData(QWidget *editor, const QModelIndex &index) const override;
    void setModelData(QWidget *editor, QAbstractItemModel *model, const QModelIndex &index) const override;
};
