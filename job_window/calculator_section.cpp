// SPDX-License-Identifier: LicenseRef-proprietary
#include "calculator_section.h"

#include "cell_text.h"
#include "increments.h"
#include "section_layout.h"
#include "unit_conversion.h"

namespace calculator_section {

namespace {

// The calculator's fields as an inch job of one section. A field left empty
// in the calculator keeps a new job's default, so that an empty calculator
// opens an empty job rather than one flagged for what it lacks.
layout::Job inchJob(const layout::CalculatorSnapshot &shown, QChar decimalPoint)
{
    layout::Job job;
    job.unit = layout::Unit::Inches;
    if (!shown.width.trimmed().isEmpty())
        job.railpinWidth = cell_text::stored(shown.width, decimalPoint);
    if (!shown.maximumGap.trimmed().isEmpty())
        job.maximumGap = cell_text::stored(shown.maximumGap, decimalPoint);
    if (increments::isIncrement(shown.denominator))
        job.increment = shown.denominator;
    layout::Section section;
    section.name = layout::numberedSectionName(1);
    section.length = cell_text::stored(shown.length, decimalPoint);
    section.count = shown.count;
    job.sections.push_back(section);
    return job;
}

// The calculator's count is kept only when it differs from the count the job
// would find itself: a count that merely agrees with the automatic one would
// stay fixed when the length is corrected later.
void keepCountOnlyWhenFixed(const layout::Job &job, layout::Section &section)
{
    if (!section.count)
        return;
    layout::Section automatic = section;
    automatic.count.reset();
    const layout::SectionLayout found = layout::layOut(job, automatic);
    if (found.laidOut() && found.count == *section.count)
        section.count.reset();
}

}  // namespace

layout::Job newJob(const layout::CalculatorSnapshot &shown, QChar decimalPoint)
{
    layout::Job job = inchJob(shown, decimalPoint);
    keepCountOnlyWhenFixed(job, job.sections.front());
    return job;
}

layout::Section section(const layout::CalculatorSnapshot &shown, const layout::Job &job, QChar decimalPoint)
{
    // The calculator works in inches; a metric job gets the section converted.
    layout::Job calculator = inchJob(shown, decimalPoint);
    if (job.unit != layout::Unit::Inches) {
        calculator.increment = job.increment;
        calculator.markStep = job.markStep;
        calculator = layout::convertedTo(calculator, job.unit);
    }
    layout::Section section = calculator.sections.front();
    section.name = layout::numberedSectionName(qsizetype(job.sections.size()) + 1);
    if (!shown.width.trimmed().isEmpty() && calculator.railpinWidth != job.railpinWidth)
        section.railpinWidth = calculator.railpinWidth;
    if (!shown.maximumGap.trimmed().isEmpty() && calculator.maximumGap != job.maximumGap)
        section.maximumGap = calculator.maximumGap;
    keepCountOnlyWhenFixed(job, section);
    return section;
}

}  // namespace calculator_section
