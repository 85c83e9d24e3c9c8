// SPDX-License-Identifier: LicenseRef-proprietary
#include "job.h"

namespace layout {

QString sectionRailpinWidth(const Job &job, const Section &section)
{
    return section.railpinWidth.value_or(job.railpinWidth);
}

QString sectionMaximumGap(const Job &job, const Section &section)
{
    return section.maximumGap.value_or(job.maximumGap);
}

}  // namespace layout
