// SPDX-License-Identifier: LicenseRef-proprietary
#include "job_exports.h"

#include "drawing_files.h"
#include "file_writer.h"
#include "job_layout.h"
#include "marks_csv.h"

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

QByteArray marksCsvBytes(const layout::Job &job, const std::vector<layout::SectionLayout> &layouts, QChar decimalPoint)
{
    return exports::marksCsv(job, layouts, exports::CsvStyle::forDecimalPoint(decimalPoint));
}

QByteArray drawingBytes(const layout::Job &job, const std::vector<layout::SectionLayout> &layouts, DrawingFormat format)
{
    const exports::Elevation drawing = exports::elevation(job, layouts);
    return format == DrawingFormat::Dxf ? exports::drawingDxf(drawing, job.unit)
                                        : exports::drawingSvg(drawing, job.unit);
}

QString writeMarksCsv(const layout::Job &job, const std::vector<layout::SectionLayout> &layouts, const QString &target)
{
    return file_writer::writeFile(target, marksCsvBytes(job, layouts));
}

QString writeDrawing(const layout::Job &job, const std::vector<layout::SectionLayout> &layouts, const QString &target,
                     DrawingFormat format)
{
    return file_writer::writeFile(target, drawingBytes(job, layouts, format));
}

}  // namespace job_exports
