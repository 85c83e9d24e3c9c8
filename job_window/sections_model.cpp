// SPDX-License-Identifier: LicenseRef-proprietary
#include "sections_model.h"

#include "cell_text.h"
#include "display_text.h"
#include "job_document.h"
#include "job_file.h"
#include "measurement.h"
#include "problem_colours.h"
#include "run.h"

#include <QApplication>
#include <QBrush>
#include <QFont>
#include <QRegularExpression>
#include <QStyle>

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
    case Newels: {
        QList<std::pair<int, QString>> newels;
        for (const layout::Newels value :
             {layout::Newels::None, layout::Newels::Bottom, layout::Newels::Top, layout::Newels::Both})
            newels.append({int(value), newelsName(value)});
        return newels;
    }
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

SectionsModel::SectionsModel(JobDocument &document, QChar decimalPoint, QObject *parent)
    : QAbstractTableModel(parent), document(document), decimalPoint_(decimalPoint)
{
    cells.resize(size_t(document.sectionCount()));
    followDocument();
}

const layout::Job &SectionsModel::job() const
{
    return document.job();
}

const layout::SectionLayout &SectionsModel::sectionLayout(int row) const
{
    return document.sectionLayout(row);
}

const std::vector<layout::SectionLayout> &SectionsModel::sectionLayouts() const
{
    return document.sectionLayouts();
}

int SectionsModel::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : document.sectionCount();
}

int SectionsModel::columnCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : ColumnCount;
}

// The engine reads the stored text with "." whatever the locale, and so does
// this check: a stored "47,5" shows as the locale's "47,5" but is not 47.5.
QString SectionsModel::measurementProblem(const QString &stored) const
{
    const layout::Reading asStored = layout::readMeasurement(stored, job().unit);
    if (asStored.problem.isEmpty())
        return {};
    // Told in the user's own notation where that shows the fault.
    const QString asShown =
        layout::readMeasurement(cell_text::shown(stored, decimalPoint_), job().unit, decimalPoint_).problem;
    return asShown.isEmpty() ? asStored.problem : asShown;
}

// Why the text of this cell cannot be read, or empty. Inherited widths and
// gaps are the job's fields' business and are flagged there.
// A section of its own whose length is still empty, as a new row is: it is
// not laid out, but nothing is wrong with it yet.
bool SectionsModel::awaitsLength(const layout::Section &section)
{
    return !section.bay && !(section.stair && section.stair->treads) && section.length.trimmed().isEmpty();
}

QString SectionsModel::cellProblem(int row, int column) const
{
    const layout::Section &section = job().sections[size_t(row)];
    switch (column) {
    case Length:
        // A stair given by its treads has no length of its own, and a length
        // not typed yet (a new row) waits for one rather than showing red.
        return (section.stair && section.stair->treads) || awaitsLength(section) ? QString()
                                                                                 : measurementProblem(section.length);
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
        return section.count ? localised(sectionLayouts()[size_t(row)].warnings.join(QStringLiteral("; "))) : QString();
    case Gap: {
        if (awaitsLength(section))
            return {};
        // An opening under the bottom rail that lets the sphere through is
        // as wrong as a gap over the limit.
        QStringList problems = sectionLayouts()[size_t(row)].problems;
        if (const QString triangle = triangleWarning(row); !triangle.isEmpty())
            problems << triangle;
        return localised(problems.join(QStringLiteral("; ")));
    }
    default:
        return column >= Treads ? stairProblem(row, column) : QString();
    }
}

QString SectionsModel::gapText(const layout::SectionLayout &sectionLayout) const
{
    const layout::GapText gap = layout::gapText(sectionLayout, job(), decimalPoint_);
    if (gap.fraction.isEmpty())
        return gap.decimal;
    //: The gap cell: the fraction, then the decimal in brackets ("4 1/8 (4.125)"); the table leads with the fraction,
    //: the messages and the sheet with the decimal.
    return tr("%1 (%2)").arg(gap.fraction, gap.decimal);
}

QVariant SectionsModel::displayText(int row, int column, bool forEditing) const
{
    const layout::Section &section = job().sections[size_t(row)];
    const layout::SectionLayout &sectionLayout = sectionLayouts()[size_t(row)];
    switch (column) {
    case Name:
        return section.name;
    case Length:
        if (section.stair && section.stair->treads)
            return forEditing ? QString() : treadsText(*section.stair->treads);
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
        return cell_text::shown(layout::sectionRailpinWidth(job(), section), decimalPoint_);
    case MaximumGap:
        if (forEditing && !section.maximumGap)
            return QString();
        return cell_text::shown(layout::sectionMaximumGap(job(), section), decimalPoint_);
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
        return cell_text::shown(layout::sectionDesignGap(job(), section), decimalPoint_);
    default:
        return column >= Treads ? stairText(row, column, forEditing) : choiceText(row, column, forEditing);
    }
}

// A choice column: for editing the section's own value or kJobsChoice, for
// showing the name of the value that applies.
QVariant SectionsModel::choiceText(int row, int column, bool forEditing) const
{
    const layout::Section &section = job().sections[size_t(row)];
    switch (column) {
    case Spacing:
        if (forEditing)
            return section.spacing ? int(*section.spacing) : kJobsChoice;
        return spacingName(layout::sectionSpacing(job(), section));
    case Centre:
        if (forEditing)
            return section.centre ? int(*section.centre) : kJobsChoice;
        return centreName(layout::sectionCentre(job(), section));
    case Between:
        if (forEditing)
            return section.measuredBetween ? int(*section.measuredBetween) : kJobsChoice;
        return betweenName(layout::sectionMeasuredBetween(job(), section));
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
    const layout::Section &section = job().sections[size_t(row)];
    const bool inherited = (column == Width && !section.railpinWidth) ||
                           (column == MaximumGap && !section.maximumGap) || (column == Count && !section.count) ||
                           (column == DesignGap && !section.designGap) || (column == Spacing && !section.spacing) ||
                           (column == Centre && !section.centre) || (column == Between && !section.measuredBetween) ||
                           ((column == PerTread || column == FirstFromRiser) && section.stair &&
                            section.stair->treads && !hasOwnStairValue(section, column));
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
    case Qt::ToolTipRole:
    case Qt::AccessibleDescriptionRole:
        return problem.isEmpty() ? hint(row, column, inherited) : QVariant(problem);
    case Qt::TextAlignmentRole:
        return column == Name || column == Ends || column == Slope || (column >= Spacing && column <= Between) ||
                       column == Newels
                   ? QVariant()
                   : QVariant(Qt::AlignRight | Qt::AlignVCenter);
    default:
        return look(row, column, role, inherited, problem);
    }
}

// Colours, icon and font: a cell that cannot be used stands out, a value
// that follows the job is in italics.
QVariant SectionsModel::look(int row, int column, int role, bool inherited, const QString &problem) const
{
    switch (role) {
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
        if (column == Gap && !sectionLayouts()[size_t(row)].warnings.isEmpty())
            return QApplication::style()->standardIcon(QStyle::SP_MessageBoxWarning);
        return {};
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

// What a usable cell means, for its tooltip and the screen reader.
QVariant SectionsModel::hint(int row, int column, bool inherited) const
{
    const layout::Section &section = job().sections[size_t(row)];
    const layout::SectionLayout &sectionLayout = sectionLayouts()[size_t(row)];
    if (section.bay && column == Length)
        return localised(layout::bayLengthTooltip(job(), section));
    if (column == Gap && !sectionLayout.warnings.isEmpty())
        return localised(sectionLayout.warnings.join(u'\n'));
    if (column >= Treads ||
        ((column == Length || column == Count || column == Gap) && section.stair && section.stair->treads))
        return stairHint(row, column);
    if (column == Width && inherited)
        return tr("The job's railpin width; type a width for this section alone");
    if (column == MaximumGap && inherited)
        return layout::sectionGapLimit(job(), section) == layout::GapLimit::Stairs
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
        return localised(layout::layoutDescription(job(), section, sectionLayout));
    if (column >= DesignGap && inherited)
        return tr("The job's value; choose or type one for this section alone");
    return {};
}

QVariant SectionsModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (role != Qt::DisplayRole)
        return {};
    if (orientation == Qt::Vertical)
        return section + 1;
    const QString unit = layout::unitName(job().unit);
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
        return stairHeading(section);
    }
}

Qt::ItemFlags SectionsModel::flags(const QModelIndex &index) const
{
    if (!index.isValid())
        return Qt::NoItemFlags;
    const Qt::ItemFlags flags = Qt::ItemIsSelectable | Qt::ItemIsEnabled;
    // A run's bay follows its run, which the job file holds: an edit of the
    // bay itself would not be saved.
    const layout::Section &section = job().sections[size_t(index.row())];
    if (index.column() == Gap || section.bay)
        return flags;
    // A stair given by its treads has its length from them.
    if (index.column() == Length && section.stair && section.stair->treads)
        return flags;
    return flags | Qt::ItemIsEditable;
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
        // A stair keeps what the file held beyond its slope, its treads and
        // rails included.
        changed.stair = slope.stair;
        if (changed.stair && section.stair) {
            layout::Stair kept = *section.stair;
            kept.rise = changed.stair->rise;
            kept.run = changed.stair->run;
            kept.angleDegrees = changed.stair->angleDegrees;
            kept.unreadSlope = changed.stair->unreadSlope;
            changed.stair = kept;
        }
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
        return column >= Treads ? editedStair(section, column, value) : editedChoice(section, column, value);
    }
    return changed;
}

// A choice cell set to one of its values, or to kJobsChoice to follow the
// job; nothing for a value it does not offer or a column without choices.
std::optional<layout::Section> SectionsModel::editedChoice(const layout::Section &section, int column,
                                                           const QVariant &value)
{
    const QList<std::pair<int, QString>> offered = choices(column);
    const int chosen = value.toInt();
    if (offered.isEmpty() ||
        (chosen != kJobsChoice &&
         std::none_of(offered.begin(), offered.end(), [chosen](const auto &choice) { return choice.first == chosen; })))
        return std::nullopt;
    const auto own = [chosen](auto jobs) {
        using Value = decltype(jobs);
        return chosen == kJobsChoice ? std::nullopt : std::optional<Value>(Value(chosen));
    };
    layout::Section changed = section;
    if (column == Spacing)
        changed.spacing = own(layout::Spacing{});
    else if (column == Centre)
        changed.centre = own(layout::Centre{});
    else
        changed.measuredBetween = own(layout::MeasuredBetween{});
    return changed;
}

bool SectionsModel::setData(const QModelIndex &index, const QVariant &value, int role)
{
    if (role != Qt::EditRole || !index.isValid() || index.row() >= rowCount() || index.column() == Gap)
        return false;
    if (index.column() == Length && !(flags(index) & Qt::ItemIsEditable))
        return false;
    if (data(index, Qt::EditRole) == value)
        return true;
    const std::optional<layout::Section> after = edited(job().sections[size_t(index.row())], index.column(), value);
    if (!after)
        return false;
    // Typed otherwise but the same ("auto" for the automatic count per tread): nothing to undo.
    if (*after == job().sections[size_t(index.row())])
        return true;
    const QString problem = document.changeSection(
        index.row(), *after, tr("Edit %1").arg(headerData(index.column(), Qt::Horizontal).toString()));
    if (!problem.isEmpty()) {
        emit editRefused(problem);
        return false;
    }
    return true;
}

// The rows' shown texts are worked out again when next asked for.
void SectionsModel::forget(int first, int last)
{
    for (int row = first; row <= last; ++row)
        cells[size_t(row)].reset();
}

// The document's changes, told to the views as a model's.
void SectionsModel::followDocument()
{
    connect(&document, &JobDocument::jobAboutToBeReplaced, this, [this] { beginResetModel(); });
    connect(&document, &JobDocument::jobReplaced, this, [this] {
        cells.assign(size_t(document.sectionCount()), std::nullopt);
        endResetModel();
        emit headerDataChanged(Qt::Horizontal, 0, ColumnCount - 1);
        emit jobChanged();
    });
    connect(&document, &JobDocument::jobChanged, this, [this] {
        forget(0, rowCount() - 1);
        if (rowCount() > 0)
            emit dataChanged(index(0, 0), index(rowCount() - 1, ColumnCount - 1));
        emit headerDataChanged(Qt::Horizontal, 0, ColumnCount - 1);
        emit jobChanged();
    });
    connect(&document, &JobDocument::sectionChanged, this, [this](int row) {
        forget(row, row);
        emit dataChanged(index(row, 0), index(row, ColumnCount - 1));
    });
    connect(&document, &JobDocument::sectionsAboutToBeInserted, this,
            [this](int row, int count) { beginInsertRows(QModelIndex(), row, row + count - 1); });
    connect(&document, &JobDocument::sectionsInserted, this, [this](int row, int count) {
        cells.insert(cells.begin() + row, size_t(count), std::nullopt);
        endInsertRows();
    });
    connect(&document, &JobDocument::sectionsAboutToBeRemoved, this,
            [this](int row, int count) { beginRemoveRows(QModelIndex(), row, row + count - 1); });
    connect(&document, &JobDocument::sectionsRemoved, this, [this](int row, int count) {
        cells.erase(cells.begin() + row, cells.begin() + row + count);
        endRemoveRows();
    });
    // Qt counts the destination before the move: one further when moving down.
    connect(&document, &JobDocument::sectionAboutToBeMoved, this, [this](int from, int to) {
        beginMoveRows(QModelIndex(), from, from, QModelIndex(), to > from ? to + 1 : to);
    });
    connect(&document, &JobDocument::sectionMoved, this, [this](int from, int to) {
        if (from < to)
            std::rotate(cells.begin() + from, cells.begin() + from + 1, cells.begin() + to + 1);
        else
            std::rotate(cells.begin() + to, cells.begin() + from, cells.begin() + from + 1);
        endMoveRows();
    });
}
