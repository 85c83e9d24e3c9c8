// SPDX-License-Identifier: LicenseRef-proprietary
#include "row_number_header.h"

RowNumberHeader::RowNumberHeader(QWidget *parent) : QHeaderView(Qt::Vertical, parent) {}

QSize RowNumberHeader::sizeHint() const
{
    if (count() == 0)
        return QHeaderView::sizeHint();
    return sectionSizeFromContents(0).expandedTo(sectionSizeFromContents(count() - 1));
}
