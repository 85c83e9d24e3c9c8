// SPDX-License-Identifier: LicenseRef-proprietary
#include "job_exports.h"

#include "drawing_files.h"
#include "file_writer.h"
#include "job_layout.h"
#include "marks_csv.h"
#include "template_sheet.h"

namespace job_exports {

LaidOut laidOutSections(const layout::Job &job)
{
    LaidOut result;
    layout::JobLayout laid = layout::layOutForOutput(job);
    result.overBudget = laid.overBudget;
    if (laid.failedSection)
        result.failedSection = int(*laid.failedSection);
    result.problem = laid.refusal;
    if (!laid.laidOut())
        return result;
    for (const layout::SectionWarning &warning : laid.warnings)
        result.warnings << layout::sectionWarningLine(job, warning);
    result.layouts = std::move(laid.sections);
    result.noSections = result.layouts.empty();
    return result;
}

DrawingFormat drawingFormat(const QString &target, DrawingFormat chosen)
{
    if (target.endsWith(QLatin1String(".dxf"), Qt::CaseInsensitive))
        return DrawingFormat::Dxf;
    if (target.endsWith(QLatin1String(".svg"), Qt::CaseInsensitive))
        return DrawingFormat::Svg;
    return chosen;
}

QString writeMarksCsv(const layout::Job &job, const std::vector<layout::SectionLayout> &layouts, const QString &target)
{
    return file_writer::writeFile(target, exports::marksCsv(job, layouts));
}

QString writeDrawing(const layout::Job &job, const std::vector<layout::SectionLayout> &layouts, const QString &target,
                     DrawingFormat format)
{
    const exports::Elevation drawing = exports::elevation(job, layouts);
    return file_writer::writeFile(target, format == DrawingFormat::Dxf ? exports::drawingDxf(drawing, job.unit)
                                                                       : exports::drawingSvg(drawing, job.unit));
}

TemplateWritten writeTemplate(const layout::Job &job, const std::vector<layout::SectionLayout> &layouts,
                              const QString &target, const QPageSize &paper, QChar decimalPoint)
{
    const sheets::TemplatePdf made = sheets::templatePdf(job, layouts, paper, decimalPoint);
    if (!made.failure.isEmpty())
        return {made.failure, QString()};
    return {QString(), file_writer::writeFile(target, made.bytes)};
}

}  // namespace job_exports
