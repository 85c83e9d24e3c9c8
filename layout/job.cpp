// SPDX-License-Identifier: LicenseRef-proprietary
#include "job.h"

#include <QCoreApplication>

#include <algorithm>

namespace layout {

QString sectionRailpinWidth(const Job &job, const Section &section)
{
    return section.railpinWidth.value_or(job.railpinWidth);
}

bool hasStairsLimit(const Job &job)
{
    return job.maximumGapStairs && !job.maximumGapStairs->trimmed().isEmpty();
}

GapLimit sectionGapLimit(const Job &job, const Section &section)
{
    if (section.maximumGap)
        return GapLimit::Section;
    return section.stair && hasStairsLimit(job) ? GapLimit::Stairs : GapLimit::Level;
}

QString sectionMaximumGap(const Job &job, const Section &section)
{
    switch (sectionGapLimit(job, section)) {
    case GapLimit::Section:
        return *section.maximumGap;
    case GapLimit::Stairs:
        return *job.maximumGapStairs;
    case GapLimit::Level:
        break;
    }
    return job.maximumGap;
}

QString gapLimitName(GapLimit limit)
{
    switch (limit) {
    case GapLimit::Section:
        return QCoreApplication::translate("layout", "this section's own maximum gap");
    case GapLimit::Stairs:
        return QCoreApplication::translate("layout", "the job's maximum gap on stairs");
    case GapLimit::Level:
        break;
    }
    return QCoreApplication::translate("layout", "the job's maximum gap");
}

QString numberedSectionName(qsizetype number)
{
    return QCoreApplication::translate("layout", "Section %1").arg(number);
}

Job newJob()
{
    Job job;
    job.sections.push_back({});
    job.sections.front().name = numberedSectionName(1);
    return job;
}

QString defaultRailpinWidth(Unit unit)
{
    return unit == Unit::Millimetres ? QStringLiteral("35") : Job().railpinWidth;
}

QString defaultMaximumGap(Unit unit)
{
    return unit == Unit::Millimetres ? QStringLiteral("100") : Job().maximumGap;
}

bool hasOnlyDefaultLengths(const Job &job)
{
    if (job.railpinWidth.trimmed() != defaultRailpinWidth(job.unit) ||
        job.maximumGap.trimmed() != defaultMaximumGap(job.unit) || hasStairsLimit(job))
        return false;
    return std::ranges::all_of(job.sections, [](const Section &section) {
        const bool slopeGiven =
            section.stair && (!section.stair->rise.trimmed().isEmpty() || !section.stair->run.trimmed().isEmpty());
        return section.length.trimmed().isEmpty() && !section.railpinWidth && !section.maximumGap && !slopeGiven;
    });
}

}  // namespace layout
