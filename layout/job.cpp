// SPDX-License-Identifier: LicenseRef-proprietary
#include "job.h"

#include <QCoreApplication>

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

}  // namespace layout
