// SPDX-License-Identifier: LicenseRef-proprietary
#include "ends_delegate.h"

#include "job.h"
#include "sections_model.h"

#include <QComboBox>

QWidget *EndsDelegate::createEditor(QWidget *parent, const QStyleOptionViewItem &, const QModelIndex &) const
{
    auto *editor = new QComboBox(parent);
    editor->setObjectName(QStringLiteral("cboEnds"));
    editor->setAccessibleName(SectionsModel::endsHeading());
    editor->addItem(SectionsModel::endsName(layout::Ends::Full), int(layout::Ends::Full));
    editor->addItem(SectionsModel::endsName(layout::Ends::Half), int(layout::Ends::Half));
    editor->setItemData(0, tr("A full gap between each post and the railpin next to it"), Qt::ToolTipRole);
    editor->setItemData(1, tr("Half a gap between each post and the railpin next to it"), Qt::ToolTipRole);
    return editor;
}
