// SPDX-License-Identifier: LicenseRef-proprietary
#pragma once

#include "job.h"

#include <QString>

#include <optional>

// The 20-section job of the sheet benchmarks: deck sides, half-gap sections
// and stairs of the sizes a real job has.
inline layout::Job twentySections()
{
    layout::Job job;
    job.name = QStringLiteral("Benchmark deck");
    for (int index = 0; index < 20; ++index) {
        layout::Section section;
        section.name = QStringLiteral("Section %1").arg(index + 1);
        section.length = QString::number(36 + 12 * index);
        if (index % 4 == 1)
            section.ends = layout::Ends::Half;
        if (index % 4 == 3) {
            section.stair = layout::Stair{QStringLiteral("7 1/2"), QStringLiteral("10"), std::nullopt, {}};
            section.railpinWidth = QStringLiteral("1 1/2");
        }
        job.sections.push_back(section);
    }
    return job;
}
