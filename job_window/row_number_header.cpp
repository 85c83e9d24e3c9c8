// SPDX-License-Identifier: LicenseRef-proprietary
#include "row_number_header.h"

// A click on a number selects its row, as on a table's own header: rows so
// selected are the sections a template is made of.
RowNumberHeader::RowNumberHeader(QWidget *parent) : QHeaderView(Qt::Vertical, parent)
{
    setSectionsClickable(true);
    setHighlightSections(true);
}

QSize RowNumberHeader::sizeHint() const
{
    if (count() == 0)
        return QHeaderView::sizeHint();
    return sectionSizeFromContents(0).expandedTo(sectionSizeFromContents(count() - 1));
}
