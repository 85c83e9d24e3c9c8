// SPDX-License-Identifier: LicenseRef-proprietary
#pragma once

#include "job.h"
#include "section_layout.h"

#include <QDialog>

#include <memory>
#include <vector>

namespace Ui {
class OrderListDialog;
}
class OrderRowsModel;

// File > Order List: the job's order settings, edited with the list they
// give shown below them as they are typed. OK is offered only while the
// settings can be read; the window then sets them as one undoable change.
class OrderListDialog : public QDialog
{
    Q_OBJECT

public:
    OrderListDialog(const layout::Job &job, QChar decimalPoint, QWidget *parent = nullptr);
    ~OrderListDialog() override;

    // The settings as typed, with "." and "," as the job file keeps them.
    layout::OrderSettings settings() const;

private:
    void showList();

    std::unique_ptr<Ui::OrderListDialog> ui;
    std::unique_ptr<OrderRowsModel> rows;
    layout::Job job;
    std::vector<layout::SectionLayout> layouts;
    QChar decimalPoint;
};
