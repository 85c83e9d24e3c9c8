// SPDX-License-Identifier: LicenseRef-proprietary
#include "tread_sheet_lines.h"

#include "display_text.h"
#include "marks_headings.h"
#include "measurement.h"

#include <QCoreApplication>

namespace tread_sheet {

namespace {

struct TreadSheet
{
    Q_DECLARE_TR_FUNCTIONS(TreadSheet)
};

QString typed(const QString &text, QChar decimalPoint)
{
    return layout::displayText(text.trimmed(), layout::LineBreaks::Replaced).replace(u'.', decimalPoint);
}

QString withUnit(const layout::Job &job, const QString &value)
{
    //: A measurement and its unit on the printed sheet ("36 in").
    return TreadSheet::tr("%1 %2").arg(value, layout::unitName(job.unit));
}

// A column's heading; in a metric job a length column names its unit, as
// the other marks tables do.
QString inUnit(const layout::Job &job, const QString &heading)
{
    return job.unit == layout::Unit::Millimetres ? TreadSheet::tr("%1 (%2)").arg(heading, layout::unitName(job.unit))
                                                 : heading;
}

// A mark and the exact decimal behind it: "3 5/16 (3.333333)".
QString both(const layout::Job &job, double value, QChar decimalPoint)
{
    return TreadSheet::tr("%1 (%2)").arg(layout::markText(value, job, decimalPoint),
                                         layout::decimalMarkText(value, job, decimalPoint));
}

QString newelsText(layout::Newels newels)
{
    switch (newels) {
    case layout::Newels::Bottom:
        return TreadSheet::tr("a newel on the bottom tread in place of its front railpin");
    case layout::Newels::Top:
        return TreadSheet::tr("a newel on the top tread in place of its back railpin");
    case layout::Newels::Both:
        return TreadSheet::tr("newels on the bottom and top treads in place of their end railpins");
    case layout::Newels::None:
        break;
    }
    return TreadSheet::tr("no newels on the treads");
}

}  // namespace

QStringList inputLines(const layout::Job &job, const layout::Section &section, QChar decimalPoint)
{
    QStringList lines;
    const layout::Stair &stair = *section.stair;
    const auto measured = [&](const QString &text) { return withUnit(job, typed(text, decimalPoint)); };
    lines << TreadSheet::tr("Treads: %1; one step: rise %2, run %3 (riser face to riser face)")
                 .arg(QString::number(stair.treads.value_or(0)), measured(stair.rise), measured(stair.run));
    if (stair.firstFromRiser)
        lines << TreadSheet::tr("First railpin from the riser face: %1").arg(measured(*stair.firstFromRiser));
    lines << TreadSheet::tr("Newels: %1").arg(newelsText(stair.newels.value_or(layout::Newels::None)));
    if (stair.railHeight) {
        const QString zero = QStringLiteral("0");
        lines << TreadSheet::tr("Rail: %1 plumb above the nosing line, %2 deep; nosing %3; holes %4 deep")
                     .arg(measured(*stair.railHeight), measured(stair.railDepth.value_or(zero)),
                          measured(stair.nosing.value_or(zero)), measured(stair.insert.value_or(zero)));
    }
    return lines;
}

QStringList resultLines(const layout::Job &job, const layout::Section &section, const layout::SectionLayout &laid)
{
    QStringList lines;
    if (!laid.treads)
        return lines;
    const layout::StairTreads &treads = *laid.treads;
    lines << TreadSheet::tr("Railpins: %1").arg(layout::treadsDescription(job, section, laid));
    lines << TreadSheet::tr("On every tread, from the riser face: %1").arg(layout::treadPatternText(job, treads));
    lines << TreadSheet::tr("Count: %1").arg(layout::treadCountText(treads, laid.count));
    if (!treads.lengths.empty())
        lines << TreadSheet::tr("Lengths: %1").arg(layout::treadCutText(treads));
    return lines;
}

QString triangleLine(const layout::Job &job, const layout::SectionLayout &laid)
{
    if (!laid.triangle)
        return {};
    const QString text = layout::triangleText(job, *laid.triangle);
    return laid.triangle->passes ? TreadSheet::tr("Under the bottom rail: %1").arg(text)
                                 : TreadSheet::tr("Warning: %1").arg(text);
}

Table lengthTable(const layout::Job &job, const layout::SectionLayout &laid, QChar decimalPoint)
{
    Table table;
    if (!laid.treads || laid.treads->lengths.empty())
        return table;
    table.title = TreadSheet::tr("Lengths to cut, the same on every tread, exact in brackets: %1")
                      .arg(layout::treadCutText(*laid.treads));
    table.headings = QStringList{inUnit(job, TreadSheet::tr("Position from the riser face")),
                                 inUnit(job, TreadSheet::tr("Centre length")),
                                 inUnit(job, TreadSheet::tr("Cut length")), TreadSheet::tr("How many")};
    for (const layout::TreadLength &length : laid.treads->lengths)
        table.rows.push_back({both(job, length.onTread, decimalPoint), both(job, length.centre, decimalPoint),
                              both(job, length.cut, decimalPoint), QString::number(length.howMany)});
    return table;
}

Table marksTable(const layout::Job &job, const layout::SectionLayout &laid, QChar decimalPoint)
{
    Table table;
    if (!laid.treads)
        return table;
    table.title = TreadSheet::tr("Marks by the tread, level from the first riser face and along the rail:");
    for (std::size_t column = 0; column < marks_headings::kTreadColumns.size(); ++column) {
        const QString heading = marks_headings::shown(marks_headings::kTreadColumns[column]);
        table.headings << (column >= marks_headings::kFirstTreadLengthColumn ? inUnit(job, heading) : heading);
    }
    const layout::StairTreads &treads = *laid.treads;
    for (const layout::TreadRailpin &railpin : treads.railpins) {
        QStringList row{QString::number(railpin.railpin), QString::number(railpin.tread),
                        layout::markText(railpin.onTread, job, decimalPoint),
                        layout::markText(railpin.level, job, decimalPoint),
                        layout::markText(railpin.alongTheRail, job, decimalPoint)};
        if (treads.lengths.empty()) {
            row << QString() << QString();
        } else {
            const layout::TreadLength &length = treads.lengths[size_t(railpin.position - 1)];
            row << layout::markText(length.centre, job, decimalPoint)
                << layout::markText(length.cut, job, decimalPoint);
        }
        table.rows.push_back(row);
    }
    return table;
}

}  // namespace tread_sheet
