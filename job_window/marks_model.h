// SPDX-License-Identifier: LicenseRef-proprietary
#pragma once

#include "section_layout.h"

#include <QAbstractTableModel>

#include <vector>

class SectionsModel;

// The marks of one section of the job, as the sheet lists them: each
// railpin's edges and centre from the left post, and its centre from the
// right post and from mid-span, rounded as the job says.
class MarksModel : public QAbstractTableModel
{
    Q_OBJECT

public:
    enum Column { Railpin, LeftEdge, Centre, RightEdge, CentreFromRightPost, FromMidSpan, ColumnCount };

    explicit MarksModel(const SectionsModel &sections, QObject *parent = nullptr);

    // How a stair's marks are measured; a level section's are the same both ways.
    enum class Measured { AlongTheRail, Level };

    // The section shown; -1 for none.
    void setSectionRow(int row);
    void setMeasured(Measured measured);
    Measured measured() const { return measured_; }

    int rowCount(const QModelIndex &parent = QModelIndex()) const override;
    int columnCount(const QModelIndex &parent = QModelIndex()) const override;
    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;

private:
    void sectionsChanged(const QModelIndex &topLeft, const QModelIndex &bottomRight);
    bool valid() const;
    const std::vector<layout::RailpinMarks> &shownMarks() const;

    const SectionsModel &sections;
    int row = -1;
    Measured measured_ = Measured::AlongTheRail;
};
