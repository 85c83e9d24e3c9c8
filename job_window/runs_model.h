// SPDX-License-Identifier: LicenseRef-proprietary
#pragma once

#include "job.h"

#include <QAbstractTableModel>

#include <vector>

class JobDocument;

// The job's runs one to a row, as the window's Runs table shows them: what
// the user gives (name, length, what each end stands on, a spacing of its
// own) and what follows from it (bays and posts). An edit becomes one of the
// document's commands, after which the document derives the run's bays anew.
class RunsModel : public QAbstractTableModel
{
    Q_OBJECT

public:
    enum Column { Name, Length, Start, End, MaxSpacing, Bays, Posts, ColumnCount };
    // Why a row cannot be planned, or empty: for the status bar.
    static constexpr int ProblemRole = Qt::UserRole + 1;

    RunsModel(JobDocument &document, QChar decimalPoint, QObject *parent = nullptr);

    // What a run may start or end at, value and name, for the Start and End
    // columns' lists; empty for other columns.
    static QList<std::pair<int, QString>> choices(int column);
    static QString referenceName(layout::RunEnd reference);

    int rowCount(const QModelIndex &parent = QModelIndex()) const override;
    int columnCount(const QModelIndex &parent = QModelIndex()) const override;
    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;
    Qt::ItemFlags flags(const QModelIndex &index) const override;
    bool setData(const QModelIndex &index, const QVariant &value, int role = Qt::EditRole) override;

signals:
    // An edit that could not be taken, with the reason.
    void editRefused(const QString &reason);

private:
    // What a row shows beyond the run's own fields, worked out once per change.
    struct Planned
    {
        qint64 bays = 0;
        qint64 posts = 0;
        QString sentence;  // the post plan, for the tooltips
        QString problem;   // why the run has no bays, or empty
    };

    void plan();
    QString shownLength(const QString &stored) const;
    QVariant text(const layout::Run &run, int row, int column, bool forEditing) const;
    std::optional<layout::Run> edited(const layout::Run &run, int column, const QVariant &value) const;

    JobDocument &document;
    QChar decimalPoint;
    std::vector<Planned> planned;
};
