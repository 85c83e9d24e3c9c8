// SPDX-License-Identifier: LicenseRef-proprietary
// The sections table's stair columns: a stair given by its treads (how many,
// railpins per tread, the first railpin, the newels, the rail and the holes)
// and the bottom rail whose opening is checked against the triangle sphere.
#include "sections_model.h"

#include "cell_text.h"
#include "job_limits.h"
#include "job_words.h"
#include "measurement.h"
#include "tread_sheet_lines.h"

#include <array>

namespace {

// A whole number typed in a cell within 1 to `most`, or nothing.
std::optional<qint64> wholeIn(const QString &text, qint64 most)
{
    bool ok = false;
    const qint64 value = text.toLongLong(&ok);
    return ok && value >= 1 && value <= most ? std::optional<qint64>(value) : std::nullopt;
}

std::optional<QString> givenMeasurement(const layout::Stair &stair, int column)
{
    switch (column) {
    case SectionsModel::FirstFromRiser:
        return stair.firstFromRiser;
    case SectionsModel::Nosing:
        return stair.nosing;
    case SectionsModel::RailHeight:
        return stair.railHeight;
    case SectionsModel::RailDepth:
        return stair.railDepth;
    case SectionsModel::Insert:
        return stair.insert;
    case SectionsModel::BottomRail:
        return stair.bottomRail;
    default:
        return std::nullopt;
    }
}

std::optional<QString> *stairMeasurement(layout::Stair &stair, int column)
{
    switch (column) {
    case SectionsModel::FirstFromRiser:
        return &stair.firstFromRiser;
    case SectionsModel::Nosing:
        return &stair.nosing;
    case SectionsModel::RailHeight:
        return &stair.railHeight;
    case SectionsModel::RailDepth:
        return &stair.railDepth;
    case SectionsModel::Insert:
        return &stair.insert;
    case SectionsModel::BottomRail:
        return &stair.bottomRail;
    default:
        return nullptr;
    }
}

bool givenText(const std::optional<QString> &text)
{
    return text && !text->trimmed().isEmpty();
}

// The newels chosen in their cell; false for no choice of the list. "None"
// on a stair that never named its newels leaves the file without the key.
bool setNewels(layout::Stair &stair, int chosen, bool namedBefore)
{
    if (chosen < int(layout::Newels::None) || chosen > int(layout::Newels::Both))
        return false;
    stair.newels = chosen == int(layout::Newels::None) && !namedBefore
                       ? std::nullopt
                       : std::optional<layout::Newels>(layout::Newels(chosen));
    return true;
}

}  // namespace

QString SectionsModel::newelsName(layout::Newels newels)
{
    switch (newels) {
    case layout::Newels::Bottom:
        //: Newels: a newel post on the bottom tread of a stair given by its treads.
        return tr("Bottom");
    case layout::Newels::Top:
        return tr("Top");
    case layout::Newels::Both:
        return tr("Both");
    case layout::Newels::None:
        break;
    }
    return tr("None");
}

bool SectionsModel::hasOwnStairValue(const layout::Section &section, int column)
{
    if (!section.stair)
        return false;
    const layout::Stair &stair = *section.stair;
    switch (column) {
    case Treads:
        return stair.treads.has_value();
    case PerTread:
        return stair.perTread.has_value();
    case Newels:
        return stair.newels.has_value();
    default:
        return givenText(givenMeasurement(stair, column));
    }
}

QString SectionsModel::stairHeading(int column) const
{
    const QString unit = layout::unitName(job().unit);
    switch (column) {
    case Treads:
        return tr("Treads");
    case PerTread:
        return tr("Per tread");
    case FirstFromRiser:
        return tr("First from riser (%1)").arg(unit);
    case Newels:
        return tr("Newels");
    case Nosing:
        return tr("Nosing (%1)").arg(unit);
    case RailHeight:
        return tr("Rail height (%1)").arg(unit);
    case RailDepth:
        return tr("Rail depth (%1)").arg(unit);
    case Insert:
        return tr("Insert (%1)").arg(unit);
    case BottomRail:
        return tr("Bottom rail (%1)").arg(unit);
    default:
        return {};
    }
}

// One tread, or a number of them: "12 treads".
QString SectionsModel::treadsText(qint64 treads)
{
    return treads == 1 ? tr("1 tread") : tr("%1 treads").arg(treads);
}

QVariant SectionsModel::stairText(int row, int column, bool forEditing) const
{
    const layout::Section &section = job().sections[size_t(row)];
    if (!section.stair)
        return column == Newels && forEditing ? QVariant(int(layout::Newels::None)) : QVariant(QString());
    const layout::Stair &stair = *section.stair;
    const layout::SectionLayout &laidOut = sectionLayouts()[size_t(row)];
    switch (column) {
    case Treads:
        return stair.treads ? QString::number(*stair.treads) : QString();
    case PerTread:
        if (stair.perTread)
            return QString::number(*stair.perTread);
        if (forEditing || !laidOut.laidOut() || !laidOut.treads)
            return QString();
        return tr("%1 (auto)").arg(laidOut.treads->perTread);
    case Newels:
        if (forEditing)
            return int(stair.newels.value_or(layout::Newels::None));
        return stair.treads || stair.newels ? newelsName(stair.newels.value_or(layout::Newels::None)) : QString();
    case FirstFromRiser:
        // Half a railpin width unless given: the layout's value, shown as the default.
        if (!forEditing && !givenText(stair.firstFromRiser) && laidOut.laidOut() && laidOut.treads)
            return layout::markText(laidOut.treads->firstFromRiser, job(), decimalPoint_);
        [[fallthrough]];
    default:
        return cell_text::shown(givenMeasurement(stair, column).value_or(QString()), decimalPoint_);
    }
}

// Why a stair cell cannot be used: its text, a given count per tread whose
// gap is over the limit, a bottom rail whose opening lets the sphere through.
QString SectionsModel::stairProblem(int row, int column) const
{
    const layout::Section &section = job().sections[size_t(row)];
    if (!section.stair)
        return {};
    const layout::SectionLayout &laidOut = sectionLayouts()[size_t(row)];
    if (column == PerTread) {
        if (!section.stair->perTread || !laidOut.laidOut())
            return {};
        QStringList warnings = laidOut.warnings;
        warnings.removeAll(triangleWarning(row));
        return localised(warnings.join(QStringLiteral("; ")));
    }
    const std::optional<QString> text = givenMeasurement(*section.stair, column);
    if (givenText(text))
        if (QString problem = measurementProblem(*text); !problem.isEmpty())
            return problem;
    return column == BottomRail ? localised(triangleWarning(row)) : QString();
}

// The warning of an opening under the bottom rail that lets the sphere
// through; empty when it passes or is not checked.
QString SectionsModel::triangleWarning(int row) const
{
    const layout::SectionLayout &laidOut = sectionLayouts()[size_t(row)];
    if (!laidOut.laidOut() || !laidOut.triangle || laidOut.triangle->passes)
        return {};
    return layout::triangleText(job(), *laidOut.triangle);
}

QVariant SectionsModel::stairHint(int row, int column) const
{
    const layout::Section &section = job().sections[size_t(row)];
    const layout::SectionLayout &laidOut = sectionLayouts()[size_t(row)];
    // A laid-out stair by its treads: its count and gap as the sheet words them.
    if (laidOut.laidOut() && laidOut.treads && column == Count)
        return localised(layout::treadCountText(*laidOut.treads, laidOut.count));
    if (laidOut.laidOut() && laidOut.treads && column == Gap)
        return localised(tread_sheet::resultLines(job(), section, laidOut).join(u'\n'));
    if (column == Length) {
        if (!laidOut.laidOut() || !laidOut.treads)
            return tr("A stair given by its treads; empty the Treads cell to give its length instead");
        const QString unit = layout::unitName(job().unit);
        //: The tooltip of a stair given by its treads in the Length cell.
        return tr("%1 %3 level, %2 %3 along the rail, from the first riser face to the last")
            .arg(layout::markText(laidOut.horizontalRun, job(), decimalPoint_),
                 layout::markText(laidOut.horizontalRun / laidOut.cosine, job(), decimalPoint_), unit);
    }
    if (!section.stair)
        return tr("A stair's value: give the section a slope first");
    if (column == Treads)
        return tr("How many treads the stair has, 1 to %1; empty for a stair given by its length")
            .arg(layout::kMostTreads);
    if (column == PerTread && !section.stair->perTread)
        return tr("The fewest railpins per tread within the maximum gap; type 1 to %1 to fix it")
            .arg(layout::kMostPerTread);
    if (column == FirstFromRiser && !givenText(section.stair->firstFromRiser))
        return tr("Half a railpin width from the riser face; type a distance to set it");
    if (column == BottomRail && laidOut.laidOut() && laidOut.triangle)
        return localised(layout::triangleText(job(), *laidOut.triangle));
    return {};
}

// A stair's cell as typed, or nothing with the reason told when it cannot be
// taken: a level section has no stair to hold it, a count that is no whole
// number in range.
std::optional<layout::Section> SectionsModel::editedStair(const layout::Section &section, int column,
                                                          const QVariant &value)
{
    const QString text = value.toString().trimmed();
    const bool clearing = column == Newels ? value.toInt() == int(layout::Newels::None) : text.isEmpty();
    if (!section.stair) {
        if (!clearing)
            emit editRefused(tr("%1 is for a stair: give the section a slope (rise : run) first")
                                 .arg(headerData(column, Qt::Horizontal).toString()));
        return std::nullopt;
    }
    layout::Section changed = section;
    layout::Stair &stair = *changed.stair;
    switch (column) {
    case Treads:
        if (text.isEmpty()) {
            stair.treads.reset();
            break;
        }
        stair.treads = wholeIn(text, layout::kMostTreads);
        if (!stair.treads) {
            emit editRefused(tr("Treads \"%1\" is not a whole number from 1 to %2; leave it empty for a stair given "
                                "by its length")
                                 .arg(text)
                                 .arg(layout::kMostTreads));
            return std::nullopt;
        }
        // The treads give the stair's length: a length typed before goes, to
        // come back with Undo.
        changed.length.clear();
        break;
    case PerTread:
        if (text.isEmpty() || text == layout::job_words::kAutomaticPerTread || text == tr("auto")) {
            stair.perTread.reset();
            break;
        }
        stair.perTread = wholeIn(text, layout::kMostPerTread);
        if (!stair.perTread) {
            emit editRefused(tr("Per tread \"%1\" is not a whole number from 1 to %2; leave it empty for the fewest "
                                "within the maximum gap")
                                 .arg(text)
                                 .arg(layout::kMostPerTread));
            return std::nullopt;
        }
        break;
    case Newels:
        if (!setNewels(stair, value.toInt(), section.stair->newels.has_value()))
            return std::nullopt;
        break;
    default:
        if (std::optional<QString> *measurement = stairMeasurement(stair, column)) {
            const QString stored = cell_text::stored(text, decimalPoint_);
            *measurement = stored.isEmpty() ? std::nullopt : std::optional<QString>(stored);
            break;
        }
        return std::nullopt;
    }
    return changed;
}
