// SPDX-License-Identifier: LicenseRef-proprietary
#pragma once

#include "section_layout.h"

#include <QAbstractTableModel>
#include <QStringList>

#include <vector>

class SectionsModel;

// The marks of one section of the job, as the sheet lists them: each
// railpin's edges and centre from the left post, and its centre from the
// right post and from mid-span, rounded as the job says. A stair given by its
// treads has the tread columns instead: each railpin's tread, its place on
// it, level and along the rail from the first riser face, and its lengths.
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

    // Texts at least as wide as any the column shows, digit for digit: the
    // column's largest whole part with the widest fraction, or a tread
    // table's own texts. The view sizes the column from them without
    // measuring its rows, which a section of 10,000 railpins makes slow.
    QStringList widestTexts(int column) const;

private:
    void sectionsChanged(const QModelIndex &topLeft, const QModelIndex &bottomRight);
    bool valid() const;
    bool byTreads() const { return !treadRows.empty(); }
    const std::vector<layout::RailpinMarks> &shownMarks() const;
    layout::RailpinMarks shownRow(qsizetype index) const;
    QString referenceTip() const;

    const SectionsModel &sections;
    int row = -1;
    std::vector<QStringList> treadRows;  // a stair by its treads: the rows as shown; else empty
    Measured measured_ = Measured::AlongTheRail;
};
