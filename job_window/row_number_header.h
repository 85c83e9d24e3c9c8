// SPDX-License-Identifier: LicenseRef-proprietary
#pragma once

#include <QHeaderView>

// The sections table's row numbers. Qt sizes a header by measuring up to
// 200 of its sections whenever the rows change; numbered rows are widest at
// their last number, so the first and the last are enough.
class RowNumberHeader : public QHeaderView
{
    Q_OBJECT

public:
    explicit RowNumberHeader(QWidget *parent = nullptr);

    QSize sizeHint() const override;
};
