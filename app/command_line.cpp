// SPDX-License-Identifier: LicenseRef-proprietary
#include "command_line.h"

#include "command_line_texts.h"

#include "app_info.h"
#include "command_line_job.h"
#include "command_line_options.h"
#include "display_text.h"
#include "drawing_files.h"
#include "file_writer.h"
#include "job_file.h"
#include "marks_csv.h"
#include "marks_text.h"
#include "number_text.h"
#include "order_csv.h"
#include "order_list.h"
#include "order_text.h"
#include "paged_output.h"
#include "section_choice.h"
#include "translator_setup.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QLocale>
#include <QTextStream>

#include <algorithm>
#include <cerrno>
#include <functional>
#include <optional>

namespace {

std::optional<command_line::Paper> paperNamed(const QString &name)
{
    if (name.compare(QLatin1String("letter"), Qt::CaseInsensitive) == 0)
        return command_line::Paper::Letter;
    if (name.compare(QLatin1String("a4"), Qt::CaseInsensitive) == 0)
        return command_line::Paper::A4;
    return std::nullopt;
}

bool sameFile(const QString &first, const QString &second)
{
    const QFileInfo a(first);
    const QFileInfo b(second);
    return a.exists() && b.exists() && a.canonicalFilePath() == b.canonicalFilePath();
}

// What the options ask for, checked before anything is read or written.
struct Request
{
    bool pdf = false;
    QString pdfPath;  // the file of --pdf, --template, --svg or --dxf
    command_line::Paper paper = command_line::Paper::Locale;
    bool marks = false;
    bool decimals = false;
    bool csv = false;
    exports::CsvStyle csvStyle;
    bool templatePdf = false;
    bool svg = false;
    bool dxf = false;
    bool order = false;
    QString jobFile;
};

std::optional<command_line::Failure> checkRequest(const CommandLineOptions &options, Request &request)
{
    using command_line::Failure;
    const QCommandLineParser &parser = options.parser;
    request.pdf = parser.isSet(options.pdf);
    request.marks = parser.isSet(options.marks);
    request.decimals = parser.isSet(options.decimals);
    request.csv = parser.isSet(options.csv);
    request.templatePdf = parser.isSet(options.templatePdf);
    request.svg = parser.isSet(options.svg);
    request.dxf = parser.isSet(options.dxf);
    request.order = parser.isSet(options.order);
    // Every option takes one value, but for the sections of a template: a
    // second one would silently win over the first.
    for (const QString &name : parser.optionNames()) {
        if (parser.values(name).size() > 1 && name != options.templateSection.names().constFirst())
            return Failure{command_line::kBadArguments,
                           CommandLine::tr("--%1 is given more than once: give it one value").arg(name)};
    }
    QStringList outputs;
    for (const QCommandLineOption *option : options.outputOptions()) {
        if (parser.isSet(*option))
            outputs << QStringLiteral("--") + option->names().constFirst();
    }
    if (outputs.isEmpty())
        return Failure{command_line::kBadArguments,
                       CommandLine::tr("nothing to do: give --pdf FILE, --marks, --order, --template FILE, --svg "
                                       "FILE or --dxf FILE")};
    if (outputs.size() > 1)
        return Failure{command_line::kBadArguments,
                       CommandLine::tr("%1 and %2 cannot be used together").arg(outputs[0], outputs[1])};
    if (request.decimals && !request.marks)
        return Failure{command_line::kBadArguments, CommandLine::tr("--decimals is used with --marks")};
    if (request.csv && !request.marks && !request.order)
        return Failure{command_line::kBadArguments, CommandLine::tr("--csv is used with --marks or --order")};
    for (const QCommandLineOption *option : options.orderOptions()) {
        if (parser.isSet(*option) && !request.order && !request.pdf)
            return Failure{command_line::kBadArguments,
                           CommandLine::tr("--%1 is used with --order or --pdf").arg(option->names().constFirst())};
    }
    if (parser.isSet(options.templateSection) && !request.templatePdf)
        return Failure{command_line::kBadArguments, CommandLine::tr("--section is used with --template")};
    if (parser.isSet(options.csvDecimal) && !request.csv)
        return Failure{command_line::kBadArguments, CommandLine::tr("--csv-decimal is used with --csv")};
    // A spreadsheet in a language that writes "95,158" reads ";" between fields.
    QChar csvDecimalPoint =
        QLocale::system().decimalPoint().size() == 1 ? QLocale::system().decimalPoint().front() : QChar(u'.');
    if (parser.isSet(options.csvDecimal)) {
        const QString word = parser.value(options.csvDecimal);
        if (word != u"point" && word != u"comma")
            return Failure{command_line::kBadArguments,
                           CommandLine::tr("--csv-decimal \"%1\" is neither point nor comma").arg(word)};
        csvDecimalPoint = word == u"comma" ? u',' : u'.';
    }
    request.csvStyle = exports::CsvStyle::forDecimalPoint(csvDecimalPoint);
    if (request.csv && request.decimals)
        return Failure{command_line::kBadArguments,
                       CommandLine::tr("--decimals cannot be used with --csv, which writes decimals and fractions")};
    const bool paged = request.pdf || request.templatePdf;
    if (parser.isSet(options.paper) && !paged)
        return Failure{command_line::kBadArguments, CommandLine::tr("--paper is used with --pdf or --template")};

    if (!request.marks && !request.order) {
        const QString &name = outputs.constFirst();
        request.pdfPath = parser.value(name.mid(2));
        if (request.pdfPath.isEmpty())
            return Failure{command_line::kBadArguments, CommandLine::tr("%1 needs a file name").arg(name)};
    }
    if (paged) {
        if (parser.isSet(options.paper)) {
            const std::optional<command_line::Paper> paper = paperNamed(parser.value(options.paper));
            if (!paper)
                return Failure{
                    command_line::kBadArguments,
                    CommandLine::tr("--paper \"%1\" is neither letter nor a4").arg(parser.value(options.paper))};
            request.paper = *paper;
        }
    }

    const QStringList positional = parser.positionalArguments();
    if (positional.size() > 1)
        return Failure{
            command_line::kBadArguments,
            CommandLine::tr("one job file at most, not \"%1\" and \"%2\"").arg(positional[0], positional[1])};
    if (!positional.isEmpty()) {
        request.jobFile = positional.first();
        const auto sectionOptions = options.sectionOptions();
        const auto given = std::find_if(sectionOptions.begin(), sectionOptions.end(),
                                        [&parser](const QCommandLineOption *option) { return parser.isSet(*option); });
        if (given != sectionOptions.end())
            return Failure{command_line::kBadArguments,
                           CommandLine::tr("--%1 cannot be used with a job file").arg((*given)->names().constFirst())};
        if (!request.marks && !request.order && sameFile(request.pdfPath, request.jobFile))
            return Failure{
                command_line::kBadArguments,
                CommandLine::tr("%1 \"%2\" would overwrite the job file").arg(outputs.constFirst(), request.pdfPath)};
    }
    return std::nullopt;
}

// Keeps only the sections named (all of them when none is), with their
// layouts; a name the job does not have is refused.
std::optional<command_line::Failure> keepTemplateSections(layout::Job &job, std::vector<layout::SectionLayout> &layouts,
                                                          const QStringList &names)
{
    for (const QString &name : names) {
        if (std::none_of(job.sections.begin(), job.sections.end(),
                         [&name](const layout::Section &section) { return section.name == name; }))
            return command_line::Failure{
                command_line::kBadArguments,
                CommandLine::tr("--section \"%1\": the job has no section of that name").arg(name)};
    }
    layout::keepSections(job, layouts, layout::rowsNamed(job, names));
    return std::nullopt;
}

int fail(QTextStream &err, const QString &program, const command_line::Failure &failure)
{
    return command_line::reportFailure(err, program, failure);
}

// A warning may quote a job file's name: one clean line each.
void warn(QTextStream &err, const QString &program, const QStringList &warnings)
{
    for (const QString &warning : warnings)
        err << program << ": "
            << CommandLine::tr("warning: %1").arg(layout::displayText(warning, layout::LineBreaks::Replaced)) << '\n';
    err.flush();
}

// Writes what `text` makes to standard output, naming the system's cause
// when it cannot be written; nothing is made for a closed output.
int writeText(QTextStream &out, QTextStream &err, const QString &program, const std::function<QString()> &text)
{
    const auto cannotWrite = [&](int error) {
        return fail(
            err, program,
            {command_line::kCannotReadOrWrite,
             CommandLine::tr("cannot write to standard output: %1").arg(file_writer::standardOutputCause(error))});
    };
    if (file_writer::standardOutputClosed())
        return cannotWrite(EBADF);
    out << text();
    errno = 0;
    out.flush();
    if (out.status() != QTextStream::Ok)
        return cannotWrite(errno);
    return command_line::kWritten;
}

}  // namespace

namespace command_line {

bool asksForCommandLine(const QStringList &arguments)
{
    CommandLineOptions options;
    options.parser.parse(arguments);
    const QCommandLineParser &parser = options.parser;
    if (parser.isSet(options.pdf) || parser.isSet(options.marks) || parser.isSet(options.order) ||
        parser.isSet(options.help) || parser.isSet(options.version) || parser.isSet(options.decimals) ||
        parser.isSet(options.paper) || parser.isSet(options.csv) || parser.isSet(options.csvDecimal) ||
        parser.isSet(options.templatePdf) || parser.isSet(options.templateSection) || parser.isSet(options.svg) ||
        parser.isSet(options.dxf))
        return true;
    const auto sectionOptions = options.sectionOptions();
    return std::any_of(sectionOptions.begin(), sectionOptions.end(),
                       [&parser](const QCommandLineOption *option) { return parser.isSet(*option); });
}

int runWith(const QStringList &arguments, QTextStream &out, QTextStream &err, const PagedWriter &writePaged)
{
    const QString program = command_line::programName(arguments);
    CommandLineOptions options;
    if (!options.parser.parse(arguments))
        return fail(err, program, {kBadArguments, options.parser.errorText()});
    if (options.parser.isSet(options.help)) {
        out << options.parser.helpText();
        out.flush();
        return kWritten;
    }
    if (options.parser.isSet(options.version)) {
        out << QString::fromUtf8(app_info::kTitle) << ' ' << app_info::versionNumbers() << '\n';
        out.flush();
        return kWritten;
    }

    Request request;
    if (const std::optional<Failure> failure = checkRequest(options, request))
        return fail(err, program, *failure);

    layout::Job job;
    if (request.jobFile.isEmpty()) {
        JobFromOptions fromOptions = jobFromOptions(options);
        if (fromOptions.failure)
            return fail(err, program, *fromOptions.failure);
        job = std::move(*fromOptions.job);
    } else {
        layout::JobReadResult read = layout::readJobFile(request.jobFile);
        if (!read.job)
            return fail(err, program, {read.badValue ? kBadArguments : kCannotReadOrWrite, read.error});
        job = std::move(*read.job);
    }
    if (const std::optional<Failure> failure = readOrderOptions(options, job))
        return fail(err, program, *failure);
    if (request.order || job.order) {
        if (const QString problem = layout::orderSettingsProblem(job); !problem.isEmpty())
            return fail(err, program, {kBadArguments, problem});
    }

    LaidOutJob laidOut = layOutJob(job, request.jobFile);
    if (laidOut.failure)
        return fail(err, program, *laidOut.failure);

    // Every output warns alike on standard error: the marks and drawings have
    // no place for a warning, and whoever reads a sheet may not be the one
    // who made it.
    warn(err, program, laidOut.unusedFields + laidOut.warnings);
    if (request.marks) {
        return writeText(out, err, program, [&] {
            return request.csv ? QString::fromUtf8(exports::marksCsv(job, laidOut.sections, request.csvStyle))
                               : marksText(job, laidOut.sections, !request.jobFile.isEmpty() || !job.runs.empty(),
                                           request.decimals);
        });
    }
    if (request.order) {
        const layout::OrderList list = layout::orderList(job, laidOut.sections);
        // The layout is sound; only the purchase is not, so the list is still written.
        warn(err, program, list.problems);
        for (const QString &note : list.notes)
            err << program << ": "
                << CommandLine::tr("note: %1").arg(layout::displayText(note, layout::LineBreaks::Replaced)) << '\n';
        err.flush();
        return writeText(out, err, program, [&] {
            return request.csv ? QString::fromUtf8(exports::orderCsv(job, list, request.csvStyle))
                               : orderText(job, list);
        });
    }
    if (request.templatePdf) {
        const std::optional<Failure> unknown =
            keepTemplateSections(job, laidOut.sections, options.parser.values(options.templateSection));
        if (unknown)
            return fail(err, program, *unknown);
    }
    if (request.svg || request.dxf) {
        // Written as it is made: the drawing of the largest job, held whole,
        // would take more memory than the file itself.
        file_writer::FileSink file(request.pdfPath);
        const exports::PieceSink sink = [&file](QByteArrayView piece) { return file.append(piece); };
        if (request.svg)
            exports::writeDrawingSvg(job, laidOut.sections, sink);
        else
            exports::writeDrawingDxf(job, laidOut.sections, sink);
        const QString failure = file.commit();
        if (!failure.isEmpty())
            return fail(err, program, {kCannotReadOrWrite, failure});
        return kWritten;
    }
    PagedOutput paged{request.templatePdf, request.pdfPath, request.paper, std::move(job), std::move(laidOut.sections)};
    if (const std::optional<Failure> failure = writePaged(paged))
        return fail(err, program, *failure);
    return kWritten;
}

QString programName(const QStringList &arguments)
{
    const QString name = arguments.isEmpty() ? QString() : QFileInfo(arguments.first()).fileName();
    return name.isEmpty() ? QStringLiteral("railpin") : name;
}

int reportFailure(QTextStream &err, const QString &program, const Failure &failure)
{
    // A message may quote a job file's text: no control character reaches the terminal.
    err << program << ": " << layout::displayText(failure.message, layout::LineBreaks::Replaced) << '\n';
    err.flush();
    return failure.exitCode;
}

void identifyApplication(QCoreApplication &application)
{
    QCoreApplication::setApplicationName(QString::fromUtf8(app_info::kTitle));
    QCoreApplication::setApplicationVersion(app_info::versionNumbers());
    translations::install(application);
}

}  // namespace command_line
