// SPDX-License-Identifier: LicenseRef-proprietary
#pragma once

#include "job.h"
#include "section_layout.h"

#include <QAbstractTableModel>

#include <array>
#include <vector>

class JobDocument;

// The job's sections one to a row, as the window's table shows them, read
// from the document. An edit made in the table becomes one of the document's
// commands; the document tells this model of every change to its sections.
class SectionsModel : public QAbstractTableModel
{
    Q_OBJECT

public:
    // The columns from DesignGap on are the balanced-railing values, then
    // the stair's, hidden until asked for; each empty balanced cell follows
    // the job.
    enum Column {
        Name,
        Length,
        Ends,
        Slope,
        Width,
        MaximumGap,
        Count,
        Gap,
        DesignGap,
        Spacing,
        Centre,
        Between,
        Treads,
        PerTread,
        FirstFromRiser,
        Newels,
        Nosing,
        RailHeight,
        RailDepth,
        Insert,
        BottomRail,
        ColumnCount
    };
    // The Edit role's value of a choice cell that follows the job.
    static constexpr int kJobsChoice = -1;
    // Why a cell cannot be used, or empty: for the status bar.
    static constexpr int ProblemRole = Qt::UserRole + 1;

    SectionsModel(JobDocument &document, QChar decimalPoint, QObject *parent = nullptr);

    // The Ends column's heading and its two values, as the table and its
    // editor show them.
    static QString endsHeading() { return tr("Ends"); }
    static QString endsName(layout::Ends ends) { return ends == layout::Ends::Full ? tr("Full gap") : tr("Half gap"); }
    // The names of the balanced-railing choices, as the job's fields and the
    // table's cells show them.
    static QString spacingName(layout::Spacing spacing);
    static QString centreName(layout::Centre centre);
    static QString betweenName(layout::MeasuredBetween between);
    static QString newelsName(layout::Newels newels);
    // The choices of a choice column, value and name; empty for other columns.
    static QList<std::pair<int, QString>> choices(int column);
    // Whether a choice column offers to follow the job: the newels have no job's value.
    static bool choiceFollowsJob(int column) { return column != Newels; }
    // Whether the section gives a stair column's value itself.
    static bool hasOwnStairValue(const layout::Section &section, int column);
    // A stair given by its treads in its Length cell: "12 treads".
    static QString treadsText(qint64 treads);

    const layout::Job &job() const;
    const layout::SectionLayout &sectionLayout(int row) const;
    const std::vector<layout::SectionLayout> &sectionLayouts() const;
    QChar decimalPoint() const { return decimalPoint_; }

    int rowCount(const QModelIndex &parent = QModelIndex()) const override;
    int columnCount(const QModelIndex &parent = QModelIndex()) const override;
    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;
    Qt::ItemFlags flags(const QModelIndex &index) const override;
    bool setData(const QModelIndex &index, const QVariant &value, int role = Qt::EditRole) override;

signals:
    // A cell edit that could not be taken, with the reason.
    void editRefused(const QString &reason);
    // The job's own fields or its unit changed, or the job was replaced.
    void jobChanged();

private:
    // What a row's cells show and why any of them cannot be used, worked out
    // when a view first asks after a change of the row: views ask for every
    // role of a cell many times, and only for the rows they show or measure.
    struct RowCells
    {
        std::array<QString, ColumnCount> shown;
        std::array<QString, ColumnCount> problem;
    };

    const RowCells &cellsOf(int row) const;
    QString cellProblem(int row, int column) const;
    static bool awaitsLength(const layout::Section &section);
    QString measurementProblem(const QString &stored) const;
    QString localised(const QString &sentence) const;
    QString gapText(const layout::SectionLayout &sectionLayout) const;
    QVariant displayText(int row, int column, bool forEditing) const;
    QVariant choiceText(int row, int column, bool forEditing) const;
    QVariant hint(int row, int column, bool inherited) const;
    QVariant look(int row, int column, int role, bool inherited, const QString &problem) const;
    std::optional<layout::Section> edited(const layout::Section &section, int column, const QVariant &value);
    QString stairHeading(int column) const;
    QVariant stairText(int row, int column, bool forEditing) const;
    QString stairProblem(int row, int column) const;
    QString triangleWarning(int row) const;
    QVariant stairHint(int row, int column) const;
    std::optional<layout::Section> editedStair(const layout::Section &section, int column, const QVariant &value);
    std::optional<layout::Section> editedChoice(const layout::Section &section, int column, const QVariant &value);
    void followDocument();
    void forget(int first, int last);

    JobDocument &document;
    QChar decimalPoint_;
    mutable std::vector<std::optional<RowCells>> cells;  // one per section; empty until asked for
};
