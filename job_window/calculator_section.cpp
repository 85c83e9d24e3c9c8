// SPDX-License-Identifier: LicenseRef-proprietary
#include "calculator_section.h"

#include "cell_text.h"
#include "section_layout.h"
#include "unit_conversion.h"

#include <QCoreApplication>

namespace calculator_section {

namespace {

std::optional<qint64> currentCount(const layout_sheet::WindowTexts &shown)
{
    // The sheet recomputes the results from the fields and compares them with
    // those on screen: Ready means the count shown is the fields' own.
    const layout_sheet::Sheet sheet = layout_sheet::make(shown, 0);
    if (sheet.status != layout_sheet::Status::Ready)
        return std::nullopt;
    return qint64(sheet.count);
}

QString sectionName(qsizetype number)
{
    return QCoreApplication::translate("calculator_section", "Section %1").arg(number);
}

// The calculator's fields as an inch job of one section.
layout::Job inchJob(const layout_sheet::WindowTexts &shown, QChar decimalPoint)
{
    layout::Job job;
    job.unit = layout::Unit::Inches;
    job.railpinWidth = cell_text::stored(shown.width, decimalPoint);
    job.maximumGap = cell_text::stored(shown.maximumGap, decimalPoint);
    if (shown.denominator == 4 || shown.denominator == 8 || shown.denominator == 16 || shown.denominator == 32)
        job.increment = shown.denominator;
    layout::Section section;
    section.name = sectionName(1);
    section.length = cell_text::stored(shown.length, decimalPoint);
    section.count = currentCount(shown);
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

layout::Job newJob(const layout_sheet::WindowTexts &shown, QChar decimalPoint)
{
    layout::Job job = inchJob(shown, decimalPoint);
    keepCountOnlyWhenFixed(job, job.sections.front());
    return job;
}

layout::Section section(const layout_sheet::WindowTexts &shown, const layout::Job &job, QChar decimalPoint)
{
    // The calculator works in inches; a metric job gets the section converted.
    layout::Job calculator = inchJob(shown, decimalPoint);
    if (job.unit != layout::Unit::Inches) {
        calculator.increment = job.increment;
        calculator.markStep = job.markStep;
        calculator = layout::convertedTo(calculator, job.unit);
    }
    layout::Section section = calculator.sections.front();
    section.name = sectionName(qsizetype(job.sections.size()) + 1);
    if (calculator.railpinWidth != job.railpinWidth)
        section.railpinWidth = calculator.railpinWidth;
    if (calculator.maximumGap != job.maximumGap)
        section.maximumGap = calculator.maximumGap;
    keepCountOnlyWhenFixed(job, section);
    return section;
}

}  // namespace calculator_section
