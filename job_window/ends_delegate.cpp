// SPDX-License-Identifier: LicenseRef-proprietary
#include "ends_delegate.h"

#include "job.h"

#include <QComboBox>

QWidget *EndsDelegate::createEditor(QWidget *parent, const QStyleOptionViewItem &, const QModelIndex &) const
{
    auto *editor = new QComboBox(parent);
    editor->setObjectName(QStringLiteral("cboEnds"));
    editor->setAccessibleName(tr("Ends"));
    editor->addItem(tr("Full gap"), int(layout::Ends::Full));
    editor->addItem(tr("Half gap"), int(layout::Ends::Half));
    editor->setItemData(0, tr("A full gap between each post and the railpin next to it"), Qt::ToolTipRole);
    editor->setItemData(1, tr("Half a gap between each post and the railpin next to it"), Qt::ToolTipRole);
    return editor;
}

void EndsDelegate::setEditorData(QWidget *editor, const QModelIndex &index) const
{
    auto *list = static_cast<QComboBox *>(editor);
    list->setCurrentIndex(std::max(0, list->findData(index.data(Qt::EditRole).toInt())));
}

void EndsDelegate::setModelData(QWidget *editor, QAbstractItemModel *model, const QModelIndex &index) const
{
    model->setData(index, static_cast<QComboBox *>(editor)->currentData(), Qt::EditRole);
}
