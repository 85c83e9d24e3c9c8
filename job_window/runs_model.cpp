// SPDX-License-Identifier: LicenseRef-proprietary
#include "runs_model.h"

#include "cell_text.h"
#include "job_document.h"
#include "measurement.h"
#include "problem_colours.h"
#include "run.h"

#include <QApplication>
#include <QBrush>
#include <QFont>
#include <QStyle>

RunsModel::RunsModel(JobDocument &document, QChar decimalPoint, QObject *parent)
    : QAbstractTableModel(parent), document(document), decimalPoint(decimalPoint)
{
    plan();
    // Most edits of a run keep the rows, and the current cell with them; the
    // headers name the job's unit.
    const auto refresh = [this] {
        if (qsizetype(planned.size()) != this->document.runCount()) {
            beginResetModel();
            plan();
            endResetModel();
        } else {
            plan();
            if (rowCount() > 0)
                emit dataChanged(index(0, 0), index(rowCount() - 1, ColumnCount - 1));
        }
        emit headerDataChanged(Qt::Horizontal, 0, ColumnCount - 1);
    };
    connect(&document, &JobDocument::jobReplaced, this, refresh);
    connect(&document, &JobDocument::jobChanged, this, refresh);
}

QString RunsModel::referenceName(layout::RunEnd reference)
{
    switch (reference) {
    case layout::RunEnd::Wall:
        return tr("Wall");
    case layout::RunEnd::Corner:
        return tr("Corner");
    case layout::RunEnd::Post:
        break;
    }
    return tr("Post");
}

QList<std::pair<int, QString>> RunsModel::choices(int column)
{
    QList<std::pair<int, QString>> listed;
    if (column != Start && column != End)
        return listed;
    listed << std::pair{int(layout::RunEnd::Post), referenceName(layout::RunEnd::Post)}
           << std::pair{int(layout::RunEnd::Wall), referenceName(layout::RunEnd::Wall)};
    // Only a run's start can be the post the run before ends on.
    if (column == Start)
        listed << std::pair{int(layout::RunEnd::Corner), referenceName(layout::RunEnd::Corner)};
    return listed;
}

// Bays and posts of every run, and why a run has none: the document's bays
// carry the problems of a run that cannot be planned.
void RunsModel::plan()
{
    const layout::Job &job = document.job();
    planned.assign(job.runs.size(), Planned{});
    for (const layout::Section &section : job.sections) {
        if (!section.bay || std::size_t(section.bay->run) >= planned.size())
            continue;
        Planned &row = planned[std::size_t(section.bay->run)];
        if (section.bay->number > 0)
            ++row.bays;
        else
            row.problem = section.bay->problems.join(QStringLiteral("; "));
    }
    for (std::size_t index = 0; index < planned.size(); ++index) {
        if (!planned[index].problem.isEmpty() || planned[index].bays == 0)
            continue;
        const layout::RunPlan runPlan = layout::planRun(job, index);
        planned[index].posts = runPlan.postsCounted;
        planned[index].sentence = layout::postPlanSentence(job, index, runPlan, decimalPoint);
    }
}

int RunsModel::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : int(planned.size());
}

int RunsModel::columnCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : ColumnCount;
}

QVariant RunsModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole)
        return QAbstractTableModel::headerData(section, orientation, role);
    const QString unit = layout::unitName(document.job().unit);
    switch (section) {
    case Name:
        return tr("Run");
    case Length:
        return tr("Length (%1)").arg(unit);
    case Start:
        return tr("Starts at");
    case End:
        return tr("Ends at");
    case MaxSpacing:
        return tr("Post spacing at most (%1)").arg(unit);
    case Bays:
        return tr("Bays");
    case Posts:
        return tr("Posts");
    default:
        return {};
    }
}

QString RunsModel::shownLength(const QString &stored) const
{
    return cell_text::shown(stored, decimalPoint);
}

QVariant RunsModel::text(const layout::Run &run, int row, int column, bool forEditing) const
{
    const Planned &rowPlan = planned[std::size_t(row)];
    switch (column) {
    case Name:
        return forEditing ? run.name : layout::runName(document.job(), std::size_t(row));
    case Length:
        return shownLength(run.length);
    case Start:
        return forEditing ? QVariant(int(run.start)) : QVariant(referenceName(run.start));
    case End:
        return forEditing ? QVariant(int(run.end)) : QVariant(referenceName(run.end));
    case MaxSpacing:
        if (forEditing)
            return shownLength(run.maxPostSpacing.value_or(QString()));
        return shownLength(layout::runMaxPostSpacing(document.job(), run));
    case Bays:
        return rowPlan.problem.isEmpty() ? QVariant(rowPlan.bays) : QVariant();
    case Posts:
        return rowPlan.problem.isEmpty() ? QVariant(rowPlan.posts) : QVariant();
    default:
        return {};
    }
}

QVariant RunsModel::data(const QModelIndex &index, int role) const
{
    if (!index.isValid() || index.row() >= rowCount() || index.column() >= ColumnCount)
        return {};
    const int row = index.row();
    const int column = index.column();
    const layout::Run &run = document.job().runs[std::size_t(row)];
    const Planned &rowPlan = planned[std::size_t(row)];
    const bool inherited = column == MaxSpacing && !(run.maxPostSpacing && !run.maxPostSpacing->trimmed().isEmpty());
    switch (role) {
    case Qt::DisplayRole:
    case Qt::AccessibleTextRole:
        return text(run, row, column, false);
    case Qt::EditRole:
        return text(run, row, column, true);
    case ProblemRole:
        return rowPlan.problem;
    case Qt::ToolTipRole:
    case Qt::AccessibleDescriptionRole:
        if (!rowPlan.problem.isEmpty())
            return rowPlan.problem;
        if (inherited)
            return tr("The job's maximum post spacing; type a spacing for this run alone");
        return rowPlan.sentence;
    case Qt::TextAlignmentRole:
        return column == Name || column == Start || column == End ? QVariant()
                                                                  : QVariant(Qt::AlignRight | Qt::AlignVCenter);
    case Qt::ForegroundRole:
        return rowPlan.problem.isEmpty() ? QVariant() : QVariant(QBrush(problem_colours::kText));
    case Qt::BackgroundRole:
        return rowPlan.problem.isEmpty() ? QVariant() : QVariant(QBrush(problem_colours::kBackground));
    case Qt::DecorationRole:
        return !rowPlan.problem.isEmpty() && column == Name
                   ? QVariant(QApplication::style()->standardIcon(QStyle::SP_MessageBoxCritical))
                   : QVariant();
    case Qt::FontRole:
        if (inherited) {
            QFont font;
            font.setItalic(true);
            return font;
        }
        return {};
    default:
        return {};
    }
}

Qt::ItemFlags RunsModel::flags(const QModelIndex &index) const
{
    Qt::ItemFlags flags = QAbstractTableModel::flags(index);
    if (index.isValid() && index.column() != Bays && index.column() != Posts)
        flags |= Qt::ItemIsEditable;
    return flags;
}

std::optional<layout::Run> RunsModel::edited(const layout::Run &run, int column, const QVariant &value) const
{
    layout::Run after = run;
    const QString typed = cell_text::stored(value.toString(), decimalPoint).trimmed();
    switch (column) {
    case Name:
        after.name = value.toString().trimmed();
        break;
    case Length:
        after.length = typed;
        break;
    case Start:
    case End: {
        const auto reference = layout::RunEnd(value.toInt());
        const QList<std::pair<int, QString>> allowed = choices(column);
        if (std::none_of(allowed.begin(), allowed.end(),
                         [reference](const auto &choice) { return choice.first == int(reference); }))
            return std::nullopt;
        (column == Start ? after.start : after.end) = reference;
        break;
    }
    case MaxSpacing:
        after.maxPostSpacing = typed.isEmpty() ? std::nullopt : std::optional<QString>(typed);
        break;
    default:
        return std::nullopt;
    }
    return after;
}

bool RunsModel::setData(const QModelIndex &index, const QVariant &value, int role)
{
    if (role != Qt::EditRole || !index.isValid() || index.row() >= rowCount())
        return false;
    const layout::Run &run = document.job().runs[std::size_t(index.row())];
    const std::optional<layout::Run> after = edited(run, index.column(), value);
    if (!after || *after == run)
        return false;
    static const std::array<const char *, ColumnCount> kCommands{QT_TR_NOOP("Rename Run"),
                                                                 QT_TR_NOOP("Change Run Length"),
                                                                 QT_TR_NOOP("Change Run Start"),
                                                                 QT_TR_NOOP("Change Run End"),
                                                                 QT_TR_NOOP("Change Run's Post Spacing"),
                                                                 nullptr,
                                                                 nullptr};
    const QString problem = document.changeRun(index.row(), *after, tr(kCommands[std::size_t(index.column())]));
    if (!problem.isEmpty()) {
        emit editRefused(problem);
        return false;
    }
    return true;
}
