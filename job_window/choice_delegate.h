// SPDX-License-Identifier: LicenseRef-proprietary
#pragma once

#include "list_delegate.h"

// Edits a section's balanced-railing choice (spacing, centre, lengths
// between) with a list: the job's value first, then each choice.
class ChoiceDelegate : public ListDelegate
{
    Q_OBJECT

public:
    using ListDelegate::ListDelegate;

    QWidget *createEditor(QWidget *parent, const QStyleOptionViewItem &option, const QModelIndex &index) const override;
};
