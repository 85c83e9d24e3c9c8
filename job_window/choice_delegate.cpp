// SPDX-License-Identifier: LicenseRef-proprietary
#include "choice_delegate.h"

#include "sections_model.h"

#include <QComboBox>

QWidget *ChoiceDelegate::createEditor(QWidget *parent, const QStyleOptionViewItem &, const QModelIndex &index) const
{
    auto *editor = new QComboBox(parent);
    editor->setObjectName(QStringLiteral("cboSectionChoice"));
    editor->setAccessibleName(index.model()->headerData(index.column(), Qt::Horizontal).toString());
    if (SectionsModel::choiceFollowsJob(index.column()))
        editor->addItem(tr("As the job"), SectionsModel::kJobsChoice);
    for (const auto &[value, name] : SectionsModel::choices(index.column()))
        editor->addItem(name, value);
    return editor;
}
