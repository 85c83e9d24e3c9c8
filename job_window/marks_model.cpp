// SPDX-License-Identifier: LicenseRef-proprietary
#include "marks_model.h"

#include "marks_headings.h"
#include "measurement.h"
#include "sections_model.h"
#include "tread_sheet_lines.h"

#include <cmath>

MarksModel::MarksModel(const SectionsModel &sections, QObject *parent) : QAbstractTableModel(parent), sections(sections)
{
    connect(&sections, &QAbstractItemModel::dataChanged, this, &MarksModel::sectionsChanged);
    connect(&sections, &QAbstractItemModel::modelReset, this, [this] { setSectionRow(-1); });
}

bool MarksModel::valid() const
{
    return row >= 0 && row < sections.rowCount();
}

void MarksModel::setSectionRow(int sectionRow)
{
    beginResetModel();
    row = sectionRow;
    treadRows.clear();
    if (valid() && sections.sectionLayout(row).treads)
        treadRows = tread_sheet::marksTable(sections.job(), sections.sectionLayout(row), sections.decimalPoint()).rows;
    endResetModel();
}

void MarksModel::setMeasured(Measured measured)
{
    beginResetModel();
    measured_ = measured;
    endResetModel();
}

// A stair's marks along the rail or level, as chosen; a level section's.
const std::vector<layout::RailpinMarks> &MarksModel::shownMarks() const
{
    const layout::SectionLayout &laidOut = sections.sectionLayout(row);
    return laidOut.stair && measured_ == Measured::Level ? laidOut.horizontalMarks : laidOut.marks;
}

// One railpin's marks as shown: from the section's reference.
layout::RailpinMarks MarksModel::shownRow(qsizetype index) const
{
    const layout::SectionLayout &laidOut = sections.sectionLayout(row);
    return layout::referencedMarks(laidOut, shownMarks()[size_t(index)], laidOut.stair && measured_ == Measured::Level);
}

QStringList MarksModel::widestTexts(int column) const
{
    if (!valid() || column < 0 || column >= columnCount() || rowCount() == 0)
        return {};
    if (byTreads()) {
        QStringList texts;
        for (const QStringList &treadRow : treadRows)
            texts << treadRow.value(column);
        texts.removeDuplicates();
        return texts;
    }
    const qsizetype count = qsizetype(shownMarks().size());
    if (column == Railpin)
        return {QString::number(count)};
    // Every column runs one way from the first railpin to the last (from
    // mid-span, from one side of the middle to the other): its largest
    // magnitude is at one end.
    const layout::RailpinMarks first = shownRow(0);
    const layout::RailpinMarks last = shownRow(count - 1);
    const auto value = [column](const layout::RailpinMarks &marks) {
        switch (column) {
        case LeftEdge:
            return marks.leftEdge;
        case Centre:
            return marks.centre;
        case RightEdge:
            return marks.rightEdge;
        case CentreFromRightPost:
            return marks.centreFromRightPost;
        default:
            return marks.fromMidSpan;
        }
    };
    const double largest = std::max(std::abs(value(first)), std::abs(value(last)));
    const layout::Job &job = sections.job();
    // The largest rounded, and its whole part with the widest fraction the
    // increment writes ("469 15/16"): a smaller value may show a wider one.
    const double widestFraction =
        job.unit == layout::Unit::Inches && job.increment > 1 ? double(job.increment - 1) / job.increment : 0;
    QStringList texts;
    for (const double candidate : {largest, std::floor(largest) + widestFraction}) {
        const QString text = layout::markText(candidate, job, sections.decimalPoint());
        texts << (column == FromMidSpan ? QChar(0x2212) + text : text);
    }
    return texts;
}

void MarksModel::sectionsChanged(const QModelIndex &topLeft, const QModelIndex &bottomRight)
{
    if (row >= topLeft.row() && row <= bottomRight.row())
        setSectionRow(row);
}

int MarksModel::rowCount(const QModelIndex &parent) const
{
    if (parent.isValid() || !valid())
        return 0;
    return byTreads() ? int(treadRows.size()) : int(shownMarks().size());
}

int MarksModel::columnCount(const QModelIndex &parent) const
{
    if (parent.isValid())
        return 0;
    return byTreads() ? int(marks_headings::kTreadColumns.size()) : ColumnCount;
}

QVariant MarksModel::data(const QModelIndex &index, int role) const
{
    if (!index.isValid() || index.row() >= rowCount() || index.column() >= columnCount())
        return {};
    if (role == Qt::TextAlignmentRole)
        return QVariant(Qt::AlignRight | Qt::AlignVCenter);
    if (role == Qt::ToolTipRole)
        return byTreads() ? QVariant() : referenceTip();
    if (role != Qt::DisplayRole && role != Qt::AccessibleTextRole)
        return {};
    if (byTreads())
        return treadRows[size_t(index.row())].value(index.column());
    const layout::RailpinMarks marks = shownRow(index.row());
    const auto text = [this](double value) { return layout::markText(value, sections.job(), sections.decimalPoint()); };
    switch (index.column()) {
    case Railpin:
        return QString::number(marks.railpin);
    case LeftEdge:
        return text(marks.leftEdge);
    case Centre:
        return text(marks.centre);
    case RightEdge:
        return text(marks.rightEdge);
    case CentreFromRightPost:
        return text(marks.centreFromRightPost);
    case FromMidSpan:
        return layout::fromMidSpanText(marks.fromMidSpan, sections.job(), sections.decimalPoint());
    default:
        return {};
    }
}

// What the marks shown are measured from, in words for a tooltip.
QString MarksModel::referenceTip() const
{
    const layout::MarkReference reference = sections.sectionLayout(row).reference;
    return tr("Marks %1; centres also %2")
        .arg(layout::fromLeftPostText(reference), layout::fromRightPostText(reference));
}

QVariant MarksModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (role == Qt::ToolTipRole && orientation == Qt::Horizontal && valid() && !byTreads())
        return referenceTip();
    if (role != Qt::DisplayRole || orientation != Qt::Horizontal)
        return {};
    if (byTreads())
        return section >= 0 && std::size_t(section) < marks_headings::kTreadColumns.size()
                   ? QVariant(marks_headings::shown(marks_headings::kTreadColumns[std::size_t(section)]))
                   : QVariant();
    if (section == FromMidSpan)
        return marks_headings::shown(marks_headings::kFromMidSpan);
    if (section < 0 || std::size_t(section) >= marks_headings::kColumns.size())
        return {};
    if (section == CentreFromRightPost && valid())
        return layout::centreFromRightPostHeading(sections.sectionLayout(row).reference);
    return marks_headings::shown(marks_headings::kColumns[std::size_t(section)]);
}
