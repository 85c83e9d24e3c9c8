// SPDX-License-Identifier: LicenseRef-proprietary
#include "sections_model.h"

#include "cell_text.h"
#include "display_text.h"
#include "job_commands.h"
#include "job_file.h"
#include "measurement.h"
#include "problem_colours.h"

#include <QApplication>
#include <QBrush>
#include <QFont>
#include <QRegularExpression>
#include <QStyle>
#include <QUndoStack>

#include <algorithm>

QString SectionsModel::spacingName(layout::Spacing spacing)
{
    return spacing == layout::Spacing::Same ? tr("Same on every section") : tr("Equal gaps");
}

QString SectionsModel::centreName(layout::Centre centre)
{
    switch (centre) {
    case layout::Centre::Railpin:
        return tr("A railpin");
    case layout::Centre::Gap:
        return tr("A gap");
    case layout::Centre::Either:
        break;
    }
    return tr("Either");
}

QString SectionsModel::betweenName(layout::MeasuredBetween between)
{
    return between == layout::MeasuredBetween::Centres ? tr("Post centres") : tr("Post faces");
}

QList<std::pair<int, QString>> SectionsModel::choices(int column)
{
    switch (column) {
    case Spacing:
        return {{int(layout::Spacing::Equal), spacingName(layout::Spacing::Equal)},
                {int(layout::Spacing::Same), spacingName(layout::Spacing::Same)}};
    case Centre:
        return {{int(layout::Centre::Either), centreName(layout::Centre::Either)},
                {int(layout::Centre::Railpin), centreName(layout::Centre::Railpin)},
                {int(layout::Centre::Gap), centreName(layout::Centre::Gap)}};
    case Between:
        return {{int(layout::MeasuredBetween::Faces), betweenName(layout::MeasuredBetween::Faces)},
                {int(layout::MeasuredBetween::Centres), betweenName(layout::MeasuredBetween::Centres)}};
    default:
        return {};
    }
}

// The layout's sentences write numbers with "."; the window shows them with
// the user's decimal separator, as it shows the cells.
QString SectionsModel::localised(const QString &sentence) const
{
    if (decimalPoint_ == u'.')
        return sentence;
    static const QRegularExpression point(QStringLiteral(R"((?<=\d)\.(?=\d))"));
    return QString(sentence).replace(point, QString(decimalPoint_));
}

SectionsModel::SectionsModel(QUndoStack &undoStack, QChar decimalPoint, QObject *parent)
    : QAbstractTableModel(parent), undoStack(undoStack), decimalPoint_(decimalPoint)
{
}

int SectionsModel::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : int(job_.sections.size());
}

int SectionsModel::columnCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : ColumnCount;
}

// The engine reads the stored text with "." whatever the locale, and so does
// this check: a stored "47,5" shows as the locale's "47,5" but is not 47.5.
QString SectionsModel::measurementProblem(const QString &stored) const
{
    const layout::Reading asStored = layout::readMeasurement(stored, job_.unit);
    if (asStored.problem.isEmpty())
        return {};
    // Told in the user's own notation where that shows the fault.
    const QString asShown =
        layout::readMeasurement(cell_text::shown(stored, decimalPoint_), job_.unit, decimalPoint_).problem;
    return asShown.isEmpty() ? asStored.problem : asShown;
}

// Why the text of this cell cannot be read, or empty. Inherited widths and
// gaps are the job's fields' business and are flagged there.
QString SectionsModel::cellProblem(int row, int column) const
{
    const layout::Section &section = job_.sections[size_t(row)];
    switch (column) {
    case Length:
        return measurementProblem(section.length);
    case Width:
        return section.railpinWidth ? measurementProblem(*section.railpinWidth) : QString();
    case MaximumGap:
        return section.maximumGap ? measurementProblem(*section.maximumGap) : QString();
    case DesignGap:
        return section.designGap ? measurementProblem(*section.designGap) : QString();
    case Slope:
        if (section.stair && !section.stair->unreadSlope.isEmpty() && !section.stair->angleDegrees)
            return cell_text::readSlope(cell_text::slopeShown(section.stair, decimalPoint_), decimalPoint_).problem;
        if (section.stair && (!section.stair->rise.isEmpty() || !section.stair->run.isEmpty())) {
            const QString rise = measurementProblem(section.stair->rise);
            return rise.isEmpty() ? measurementProblem(section.stair->run) : rise;
        }
        return {};
    case Count:
        // A fixed count whose gap is over the limit is as wrong as a bad cell.
        return section.count ? localised(layouts[size_t(row)].warnings.join(QStringLiteral("; "))) : QString();
    case Gap:
        return localised(layouts[size_t(row)].problems.join(QStringLiteral("; ")));
    default:
        return {};
    }
}

QString SectionsModel::gapText(const layout::SectionLayout &sectionLayout) const
{
    const layout::GapText gap = layout::gapText(sectionLayout, job_, decimalPoint_);
    if (gap.fraction.isEmpty())
        return gap.decimal;
    //: The gap cell: the fraction, then the decimal in brackets ("4 1/8 (4.125)"); the table leads with the fraction,
    //: the messages and the sheet with the decimal.
    return tr("%1 (%2)").arg(gap.fraction, gap.decimal);
}

QVariant SectionsModel::displayText(int row, int column, bool forEditing) const
{
    const layout::Section &section = job_.sections[size_t(row)];
    const layout::SectionLayout &sectionLayout = layouts[size_t(row)];
    switch (column) {
    case Name:
        return section.name;
    case Length:
        // A stair's length is measured along the rail, not level.
        if (!forEditing && section.stair && !section.length.trimmed().isEmpty())
            //: A stair section's length in the sections table ("62 1/4 along the rail"); keep it short, the gap
            //: column must stay in view.
            return tr("%1 along the rail").arg(cell_text::shown(section.length, decimalPoint_));
        return cell_text::shown(section.length, decimalPoint_);
    case Ends:
        if (forEditing)
            return int(section.ends);
        return endsName(section.ends);
    case Slope:
        if (!section.stair && !forEditing)
            return tr("Level");
        return cell_text::slopeShown(section.stair, decimalPoint_);
    case Width:
        if (forEditing && !section.railpinWidth)
            return QString();
        return cell_text::shown(layout::sectionRailpinWidth(job_, section), decimalPoint_);
    case MaximumGap:
        if (forEditing && !section.maximumGap)
            return QString();
        return cell_text::shown(layout::sectionMaximumGap(job_, section), decimalPoint_);
    case Count:
        if (section.count)
            return QString::number(*section.count);
        if (forEditing || !sectionLayout.laidOut())
            return QString();
        return tr("%1 (auto)").arg(sectionLayout.count);
    case Gap:
        return sectionLayout.laidOut() ? gapText(sectionLayout) : QStringLiteral("\u2014");
    case DesignGap:
        if (forEditing && !section.designGap)
            return QString();
        return cell_text::shown(layout::sectionDesignGap(job_, section), decimalPoint_);
    case Spacing:
        if (forEditing)
            return section.spacing ? int(*section.spacing) : kJobsChoice;
        return spacingName(layout::sectionSpacing(job_, section));
    case Centre:
        if (forEditing)
            return section.centre ? int(*section.centre) : kJobsChoice;
        return centreName(layout::sectionCentre(job_, section));
    case Between:
        if (forEditing)
            return section.measuredBetween ? int(*section.measuredBetween) : kJobsChoice;
        return betweenName(layout::sectionMeasuredBetween(job_, section));
    default:
        return {};
    }
}

const SectionsModel::RowCells &SectionsModel::cellsOf(int row) const
{
    std::optional<RowCells> &rowCells = cells[size_t(row)];
    if (!rowCells) {
        rowCells.emplace();
        for (int column = 0; column < ColumnCount; ++column) {
            // Text from a file is shown without its control characters.
            rowCells->shown[size_t(column)] = layout::displayText(displayText(row, column, false).toString());
            rowCells->problem[size_t(column)] = layout::displayText(cellProblem(row, column));
        }
    }
    return *rowCells;
}

QVariant SectionsModel::data(const QModelIndex &index, int role) const
{
    if (!index.isValid() || index.row() >= rowCount() || index.column() >= ColumnCount)
        return {};
    const int row = index.row();
    const int column = index.column();
    const layout::Section &section = job_.sections[size_t(row)];
    const layout::SectionLayout &sectionLayout = layouts[size_t(row)];
    const bool inherited = (column == Width && !section.railpinWidth) ||
                           (column == MaximumGap && !section.maximumGap) || (column == Count && !section.count) ||
                           (column == DesignGap && !section.designGap) || (column == Spacing && !section.spacing) ||
                           (column == Centre && !section.centre) || (column == Between && !section.measuredBetween);
    const RowCells &rowCells = cellsOf(row);
    const QString &problem = rowCells.problem[size_t(column)];

    switch (role) {
    case Qt::DisplayRole:
    case Qt::AccessibleTextRole:
        return rowCells.shown[size_t(column)];
    case Qt::EditRole:
        return displayText(row, column, true);
    case ProblemRole:
        return problem;
    case Qt::ForegroundRole:
        if (!problem.isEmpty())
            return QBrush(problem_colours::kText);
        // The automatic count is the table's own answer, not the user's: greyed.
        if (column == Count && inherited)
            return QApplication::palette().brush(QPalette::PlaceholderText);
        return {};
    case Qt::BackgroundRole:
        return problem.isEmpty() ? QVariant() : QVariant(QBrush(problem_colours::kBackground));
    case Qt::DecorationRole:
        if (!problem.isEmpty())
            return QApplication::style()->standardIcon(QStyle::SP_MessageBoxCritical);
        if (column == Gap && !sectionLayout.warnings.isEmpty())
            return QApplication::style()->standardIcon(QStyle::SP_MessageBoxWarning);
        return {};
    case Qt::FontRole:
        if (inherited) {
            QFont font;
            font.setItalic(true);
            return font;
        }
        return {};
    case Qt::ToolTipRole:
    case Qt::AccessibleDescriptionRole: {
        if (!problem.isEmpty())
            return problem;
        if (column == Gap && !sectionLayout.warnings.isEmpty())
            return localised(sectionLayout.warnings.join(u'\n'));
        if (column == Width && inherited)
            return tr("The job's railpin width; type a width for this section alone");
        if (column == MaximumGap && inherited)
            return layout::sectionGapLimit(job_, section) == layout::GapLimit::Stairs
                       ? tr("The job's maximum gap on stairs; type a maximum for this section alone")
                       : tr("The job's maximum gap; type a maximum for this section alone");
        if (column == Count && inherited && sectionLayout.laidOut() && sectionLayout.count == 0)
            return tr("No railpins needed: the whole length is within the maximum gap; type a count to fix it");
        if (column == Count && inherited && sectionLayout.spacing == layout::Spacing::Same)
            return tr("The count whose end gaps come closest to the spacing; type a count to fix it");
        if (column == Count && inherited)
            return tr("The fewest railpins whose gap is within the maximum; type a count to fix it");
        if (column == Count)
            return tr("A fixed count; Edit > Automatic Count gives the fewest railpins within the maximum again");
        if (column == Length && section.stair)
            return tr("Along the rail, from post to post");
        if (column == Slope)
            return tr("Empty for a level section; rise : run (7 : 11) or an angle (35\u00B0) for a stair");
        if (column == Gap && sectionLayout.laidOut())
            return localised(layout::layoutDescription(job_, section, sectionLayout));
        if (column >= DesignGap && inherited)
            return tr("The job's value; choose or type one for this section alone");
        return {};
    }
    case Qt::TextAlignmentRole:
        return column == Name || column == Ends || column == Slope || column >= Spacing
                   ? QVariant()
                   : QVariant(Qt::AlignRight | Qt::AlignVCenter);
    default:
        return {};
    }
}

QVariant SectionsModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (role != Qt::DisplayRole)
        return {};
    if (orientation == Qt::Vertical)
        return section + 1;
    const QString unit = layout::unitName(job_.unit);
    switch (section) {
    case Name:
        return tr("Name");
    case Length:
        return tr("Length (%1)").arg(unit);
    case Ends:
        return endsHeading();
    case Slope:
        return tr("Slope");
    case Width:
        return tr("Width (%1)").arg(unit);
    case MaximumGap:
        return tr("Maximum gap (%1)").arg(unit);
    case Count:
        return tr("Count");
    case Gap:
        return tr("Gap (%1)").arg(unit);
    case DesignGap:
        return tr("Design gap (%1)").arg(unit);
    case Spacing:
        return tr("Spacing");
    case Centre:
        return tr("Centre");
    case Between:
        return tr("Lengths between");
    default:
        return {};
    }
}

Qt::ItemFlags SectionsModel::flags(const QModelIndex &index) const
{
    if (!index.isValid())
        return Qt::NoItemFlags;
    const Qt::ItemFlags flags = Qt::ItemIsSelectable | Qt::ItemIsEnabled;
    return index.column() == Gap ? flags : flags | Qt::ItemIsEditable;
}

// The section with one cell changed as typed, or nothing when the text cannot
// be taken at all (a count or an angle that is no number).
std::optional<layout::Section> SectionsModel::edited(const layout::Section &section, int column, const QVariant &value)
{
    layout::Section changed = section;
    const QString text = value.toString();
    const auto optionalMeasurement = [this, &text]() -> std::optional<QString> {
        const QString stored = cell_text::stored(text, decimalPoint_);
        return stored.isEmpty() ? std::nullopt : std::optional<QString>(stored);
    };
    const QList<std::pair<int, QString>> offered = choices(column);
    if (!offered.isEmpty() && value.toInt() != kJobsChoice &&
        std::none_of(offered.begin(), offered.end(),
                     [&value](const auto &choice) { return choice.first == value.toInt(); }))
        return std::nullopt;
    switch (column) {
    case Name:
        changed.name = text.trimmed();
        break;
    case Length:
        changed.length = cell_text::stored(text, decimalPoint_);
        break;
    case Ends:
        changed.ends = value.toInt() == int(layout::Ends::Half) ? layout::Ends::Half : layout::Ends::Full;
        break;
    case Slope: {
        // A slope that cannot be read is kept as typed and flagged, as any
        // other cell is.
        const cell_text::SlopeEntry slope = cell_text::readSlope(text, decimalPoint_);
        // A stair keeps what the file held beyond its slope.
        const std::optional<layout::Stair> old = section.stair;
        changed.stair = slope.stair;
        if (changed.stair && old)
            changed.stair->unknownFields = old->unknownFields;
        break;
    }
    case Width:
        changed.railpinWidth = optionalMeasurement();
        break;
    case MaximumGap:
        changed.maximumGap = optionalMeasurement();
        break;
    case DesignGap:
        changed.designGap = optionalMeasurement();
        break;
    case Spacing:
        changed.spacing = value.toInt() == kJobsChoice ? std::nullopt
                                                       : std::optional<layout::Spacing>(layout::Spacing(value.toInt()));
        break;
    case Centre:
        changed.centre =
            value.toInt() == kJobsChoice ? std::nullopt : std::optional<layout::Centre>(layout::Centre(value.toInt()));
        break;
    case Between:
        changed.measuredBetween = value.toInt() == kJobsChoice
                                      ? std::nullopt
                                      : std::optional<layout::MeasuredBetween>(layout::MeasuredBetween(value.toInt()));
        break;
    case Count: {
        const cell_text::CountEntry count = cell_text::readCount(text);
        if (!count.problem.isEmpty()) {
            emit editRefused(count.problem);
            return std::nullopt;
        }
        changed.count = count.count;
        break;
    }
    default:
        return std::nullopt;
    }
    return changed;
}

bool SectionsModel::setData(const QModelIndex &index, const QVariant &value, int role)
{
    if (role != Qt::EditRole || !index.isValid() || index.row() >= rowCount() || index.column() == Gap)
        return false;
    if (data(index, Qt::EditRole) == value)
        return true;
    const layout::Section &before = job_.sections[size_t(index.row())];
    const std::optional<layout::Section> after = edited(before, index.column(), value);
    if (!after)
        return false;
    layout::Job candidate = job_;
    candidate.sections[size_t(index.row())] = *after;
    // Only the edited section's railpins change: the others are counted as laid out.
    const layout::SectionLayout edited = layout::layOut(candidate, *after);
    qint64 railpins = edited.laidOut() ? edited.count : 0;
    for (int row = 0; row < rowCount(); ++row)
        if (row != index.row() && layouts[size_t(row)].laidOut())
            railpins += layouts[size_t(row)].count;
    if (const QString problem = layout::limitProblem(candidate, railpins); !problem.isEmpty()) {
        emit editRefused(problem);
        return false;
    }
    undoStack.push(new SetSectionCommand(*this, index.row(), before, *after,
                                         tr("Edit %1").arg(headerData(index.column(), Qt::Horizontal).toString())));
    return true;
}

void SectionsModel::relayOut(int first, int last)
{
    layouts.resize(job_.sections.size());
    cells.resize(job_.sections.size());
    for (int row = first; row <= last; ++row) {
        layouts[size_t(row)] = layout::layOut(job_, job_.sections[size_t(row)]);
        cells[size_t(row)].reset();
    }
}

void SectionsModel::setJob(layout::Job job)
{
    beginResetModel();
    job_ = std::move(job);
    layouts.clear();
    cells.clear();
    relayOut(0, rowCount() - 1);
    endResetModel();
    emit headerDataChanged(Qt::Horizontal, 0, ColumnCount - 1);
    emit jobChanged();
}

void SectionsModel::replaceJob(const layout::Job &job)
{
    if (job.sections.size() != job_.sections.size()) {
        setJob(job);
        return;
    }
    job_ = job;
    relayOut(0, rowCount() - 1);
    if (rowCount() > 0)
        emit dataChanged(index(0, 0), index(rowCount() - 1, ColumnCount - 1));
    emit headerDataChanged(Qt::Horizontal, 0, ColumnCount - 1);
    emit jobChanged();
}

void SectionsModel::replaceSection(int row, const layout::Section &section)
{
    job_.sections[size_t(row)] = section;
    relayOut(row, row);
    emit dataChanged(index(row, 0), index(row, ColumnCount - 1));
}

void SectionsModel::insertSections(int row, const std::vector<layout::Section> &sections)
{
    if (sections.empty())
        return;
    beginInsertRows(QModelIndex(), row, row + int(sections.size()) - 1);
    job_.sections.insert(job_.sections.begin() + row, sections.begin(), sections.end());
    layouts.insert(layouts.begin() + row, sections.size(), layout::SectionLayout{});
    cells.insert(cells.begin() + row, sections.size(), std::nullopt);
    relayOut(row, row + int(sections.size()) - 1);
    endInsertRows();
}

std::vector<layout::Section> SectionsModel::removeSections(int row, int count)
{
    beginRemoveRows(QModelIndex(), row, row + count - 1);
    const auto first = job_.sections.begin() + row;
    std::vector<layout::Section> removed(first, first + count);
    job_.sections.erase(first, first + count);
    layouts.erase(layouts.begin() + row, layouts.begin() + row + count);
    cells.erase(cells.begin() + row, cells.begin() + row + count);
    endRemoveRows();
    return removed;
}

void SectionsModel::moveSection(int from, int to)
{
    if (from == to)
        return;
    // Qt counts the destination before the move: one further when moving down.
    beginMoveRows(QModelIndex(), from, from, QModelIndex(), to > from ? to + 1 : to);
    const auto rotateRange = [from, to](auto &items) {
        if (from < to)
            std::rotate(items.begin() + from, items.begin() + from + 1, items.begin() + to + 1);
        else
            std::rotate(items.begin() + to, items.begin() + from, items.begin() + from + 1);
    };
    rotateRange(job_.sections);
    rotateRange(layouts);
    rotateRange(cells);
    endMoveRows();
}
