// SPDX-License-Identifier: LicenseRef-proprietary
#include "stair_treads.h"

#include "display_text.h"
#include "measurement.h"
#include "section_layout.h"

#include <QCoreApplication>

// A stair by its treads in words, for the sheet and the window.
namespace layout {

namespace {

QString typed(const QString &text)
{
    return displayText(text.trimmed(), LineBreaks::Replaced);
}

}  // namespace

QString degreesTwoPlaces(double degrees)
{
    return QString::number(degrees, 'f', 2);
}

QString treadsDescription(const Job &job, const Section &section, const SectionLayout &laid)
{
    if (!laid.laidOut() || !laid.treads)
        return {};
    const StairTreads &treads = *laid.treads;
    const QString unit = unitName(job.unit);
    const auto figure = [&job](double value) {
        const QString mark = markText(value, job);
        return job.unit == Unit::Millimetres
                   ? mark
                   : QCoreApplication::translate("layout", "%1 (%2)").arg(mark, decimalMarkText(value, job));
    };
    const QString target = typed(laid.designGap ? sectionDesignGap(job, section) : sectionMaximumGap(job, section));
    const QString count =
        treads.perTreadGiven
            ? QCoreApplication::translate("layout", "%1 per tread (as given)").arg(treads.perTread)
            : QCoreApplication::translate("layout", "%1 per tread (the fewest within %2 %3; at least %4)")
                  .arg(QString::number(treads.perTread), target, unit, QString::number(treads.minimum));
    return QCoreApplication::translate("layout", "%1, on centre %2, gap measured level %3")
        .arg(count, figure(treads.onCentre), figure(laid.exactGap));
}

QString treadPatternText(const Job &job, const StairTreads &treads)
{
    QStringList marks;
    for (const double position : treads.pattern)
        marks << markText(position, job);
    return marks.join(QStringLiteral(", "));
}

QString treadCountText(const StairTreads &treads, qint64 count)
{
    const qint64 replaced = treads.treads * treads.perTread - count;
    const bool one = treads.treads == 1;
    if (replaced == 0)
        return (one ? QCoreApplication::translate("layout", "1 tread × %2 = %3 railpins")
                    : QCoreApplication::translate("layout", "%1 treads × %2 = %3 railpins").arg(treads.treads))
            .arg(treads.perTread)
            .arg(count);
    return (one ? QCoreApplication::translate("layout", "1 tread × %2, less %3 for the newels = %4 railpins")
                : QCoreApplication::translate("layout", "%1 treads × %2, less %3 for the newels = %4 railpins")
                      .arg(treads.treads))
        .arg(treads.perTread)
        .arg(replaced)
        .arg(count);
}

QString treadCutText(const StairTreads &treads)
{
    if (treads.cutSquare)
        return QCoreApplication::translate("layout", "cut square at both ends, into holes (the rake is %1°)")
            .arg(degreesTwoPlaces(treads.topCutDegrees));
    return QCoreApplication::translate("layout", "top cut %1°, bottom square (%2° with a saw set from plumb)")
        .arg(degreesTwoPlaces(treads.topCutDegrees), degreesTwoPlaces(90 - treads.topCutDegrees));
}

}  // namespace layout
