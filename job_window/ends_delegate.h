// SPDX-License-Identifier: LicenseRef-proprietary
#pragma once

#include "list_delegate.h"

// Edits the ends of a section with a list of the two choices instead of text.
class EndsDelegate : public ListDelegate
{
    Q_OBJECT

public:
    using ListDelegate::ListDelegate;

    QWidget *createEditor(QWidget *parent, const QStyleOptionViewItem &option, const QModelIndex &index) const override;
};
