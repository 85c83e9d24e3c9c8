// SPDX-License-Identifier: LicenseRef-proprietary
#include "section_choice.h"

#include <utility>

namespace layout {

QList<int> rowsNamed(const Job &job, const QStringList &names)
{
    QList<int> rows;
    for (std::size_t index = 0; index < job.sections.size(); ++index) {
        if (names.contains(job.sections[index].name))
            rows.append(int(index));
    }
    return rows;
}

void keepSections(Job &job, std::vector<SectionLayout> &layouts, const QList<int> &rows)
{
    if (rows.isEmpty())
        return;
    std::vector<Section> sections;
    std::vector<SectionLayout> kept;
    for (std::size_t index = 0; index < job.sections.size() && index < layouts.size(); ++index) {
        if (rows.contains(int(index))) {
            sections.push_back(job.sections[index]);
            kept.push_back(std::move(layouts[index]));
        }
    }
    job.sections = std::move(sections);
    layouts = std::move(kept);
}

}  // namespace layout
