// SPDX-License-Identifier: LicenseRef-proprietary
#include "section_layout.h"

#include "run.h"

#include <QCoreApplication>

#include <algorithm>

namespace layout {

Totals totals(const Job &job, const std::vector<SectionLayout> &layouts)
{
    Totals result;
    result.sections = int(layouts.size());
    for (const SectionLayout &layout : layouts) {
        if (layout.laidOut())
            result.railpins += layout.count;
        else
            ++result.sectionsWithProblems;
    }
    // Whole numbers throughout, so that 10 % of 20 is 2 and not 2.0000000001.
    const qint64 percent = std::max<qint64>(0, job.extraStockPercent);
    result.toOrder = result.railpins + (result.railpins * percent + 99) / 100;
    if (job.packSize && *job.packSize > 0)
        result.packs = (result.toOrder + *job.packSize - 1) / *job.packSize;
    return result;
}

QStringList totalsLines(const Job &job, const Totals &totals)
{
    QStringList lines;
    lines << QCoreApplication::translate("layout", "Total railpins: %1").arg(totals.railpins);
    lines << QCoreApplication::translate("layout", "To order (%1 % extra): %2")
                 .arg(QString::number(std::max(0, job.extraStockPercent)), QString::number(totals.toOrder));
    if (totals.packs && job.packSize) {
        lines << (*totals.packs == 1 ? QCoreApplication::translate("layout", "1 pack of %1").arg(*job.packSize)
                                     : QCoreApplication::translate("layout", "%1 packs of %2")
                                           .arg(QString::number(*totals.packs), QString::number(*job.packSize)));
    }
    if (!job.runs.empty())
        lines << QCoreApplication::translate("layout", "Posts: %1").arg(jobPosts(job));
    if (totals.sectionsWithProblems > 0) {
        const QString missing = QCoreApplication::translate("layout", "%1 of %2 sections not laid out, not counted")
                                    .arg(totals.sectionsWithProblems)
                                    .arg(totals.sections);
        for (QString &line : lines)
            //: A line of the totals, then why it is short ("42 railpins (1 of 3 sections not laid out, not counted)").
            line = QCoreApplication::translate("layout", "%1 (%2)").arg(line, missing);
    }
    return lines;
}

}  // namespace layout
