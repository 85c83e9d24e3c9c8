// SPDX-License-Identifier: LicenseRef-proprietary
#pragma once

#include <QAbstractTableModel>

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

    // The section shown; -1 for none.
    void setSectionRow(int row);

    int rowCount(const QModelIndex &parent = QModelIndex()) const override;
    int columnCount(const QModelIndex &parent = QModelIndex()) const override;
    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;

private:
    void sectionsChanged(const QModelIndex &topLeft, const QModelIndex &bottomRight);
    bool valid() const;

    const SectionsModel &sections;
    int row = -1;
};
