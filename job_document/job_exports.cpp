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

bool streamDrawing(const layout::Job &job, const std::vector<layout::SectionLayout> &layouts, DrawingFormat format,
                   file_writer::FileSink &file, const std::stop_token &stop)
{
    const exports::PieceSink sink = [&file, &stop](QByteArrayView piece) {
        return !stop.stop_requested() && file.append(piece);
    };
    return format == DrawingFormat::Dxf ? exports::writeDrawingDxf(job, layouts, sink)
                                        : exports::writeDrawingSvg(job, layouts, sink);
}

QString writeMarksCsv(const layout::Job &job, const std::vector<layout::SectionLayout> &layouts, const QString &target)
{
    return file_writer::writeFile(target, marksCsvBytes(job, layouts));
}

QString writeDrawing(const layout::Job &job, const std::vector<layout::SectionLayout> &layouts, const QString &target,
                     DrawingFormat format)
{
    file_writer::FileSink file(target);
    streamDrawing(job, layouts, format, file);
    return file.commit();
}

}  // namespace job_exports
