// SPDX-License-Identifier: LicenseRef-proprietary
#include "job_layout.h"

#include "output_names.h"

#include <QCoreApplication>

namespace layout {

JobLayout layOutForOutput(const Job &job)
{
    JobLayout result;
    // Counted without making marks: a job over the budget costs nothing more.
    if (QString overBudget = workBudgetProblem(job); !overBudget.isEmpty()) {
        result.refusal = std::move(overBudget);
        result.overBudget = true;
        return result;
    }
    result.sections.reserve(job.sections.size());
    for (std::size_t index = 0; index < job.sections.size(); ++index) {
        result.sections.push_back(layOut(job, job.sections[index]));
        const SectionLayout &section = result.sections.back();
        if (!section.laidOut()) {
            result.refusal = section.problems.constFirst();
            result.failedSection = index;
            return result;
        }
        for (const QString &warning : section.warnings)
            result.warnings.push_back({index, warning});
    }
    return result;
}

QString sectionWarningLine(const Job &job, const SectionWarning &warning)
{
    const QString name = warning.section < job.sections.size() ? job.sections[warning.section].name : QString();
    //: A warning of the job window's exports: the section's number, its name, then the warning.
    return QCoreApplication::translate("layout", "section %1 \"%2\": %3")
        .arg(warning.section + 1)
        .arg(outputName(name, NameOutput::Terminal), warning.text);
}

}  // namespace layout
