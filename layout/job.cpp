// SPDX-License-Identifier: LicenseRef-proprietary
#include "job.h"

#include <QCoreApplication>

namespace layout {

QString sectionRailpinWidth(const Job &job, const Section &section)
{
    return section.railpinWidth.value_or(job.railpinWidth);
}

QString sectionMaximumGap(const Job &job, const Section &section)
{
    return section.maximumGap.value_or(job.maximumGap);
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
