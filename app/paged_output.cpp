// SPDX-License-Identifier: LicenseRef-proprietary
#include "paged_output.h"

#include "command_line.h"
#include "file_writer.h"
#include "job_sheet.h"
#include "number_text.h"
#include "template_sheet.h"

#include <QPageSize>

namespace command_line {

QPageSize pageSize(Paper paper)
{
    switch (paper) {
    case Paper::Letter:
        return QPageSize(QPageSize::Letter);
    case Paper::A4:
        return QPageSize(QPageSize::A4);
    case Paper::Locale:
        break;
    }
    return sheets::defaultPaperSize();
}

std::optional<Failure> writePaged(PagedOutput &output)
{
    const QPageSize paper = pageSize(output.paper);
    if (output.templatePdf) {
        const sheets::TemplatePdf made =
            sheets::templatePdf(output.job, output.sections, paper, number_text::localeDecimalPoint());
        if (!made.failure.isEmpty())
            return Failure{made.tooLarge ? kBadArguments : kCannotReadOrWrite, made.failure};
        const QString failure = file_writer::writeFile(output.path, made.bytes);
        if (!failure.isEmpty())
            return Failure{kCannotReadOrWrite, failure};
        return std::nullopt;
    }
    const QString failure = sheets::writeJobPdf(output.job, output.path, paper, number_text::localeDecimalPoint());
    if (!failure.isEmpty())
        return Failure{kCannotReadOrWrite, failure};
    return std::nullopt;
}

int run(const QStringList &arguments, QTextStream &out, QTextStream &err)
{
    return runWith(arguments, out, err, writePaged);
}

}  // namespace command_line
