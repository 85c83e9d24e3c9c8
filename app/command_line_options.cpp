// SPDX-License-Identifier: LicenseRef-proprietary
#include "command_line_options.h"

#include "command_line_texts.h"

#include <QCoreApplication>

namespace {

QCommandLineOption valueOption(const QString &name, const QString &description, const QString &valueName)
{
    return {name, description, valueName};
}

}  // namespace

CommandLineOptions::CommandLineOptions()
    : help(QStringList{QStringLiteral("h"), QStringLiteral("help")}, CommandLine::tr("Shows this help and exits.")),
      version(QStringLiteral("version"), CommandLine::tr("Shows the version and exits.")),
      pdf(valueOption(QStringLiteral("pdf"), CommandLine::tr("Writes the sheet as a PDF to FILE."),
                      CommandLine::tr("FILE"))),
      marks(QStringLiteral("marks"), CommandLine::tr("Prints the marks, tab-separated, on standard output.")),
      decimals(QStringLiteral("decimals"), CommandLine::tr("With --marks: decimals instead of fractions.")),
      paper(valueOption(QStringLiteral("paper"),
                        CommandLine::tr("The paper of the PDF: letter or a4 (default: from the locale)."),
                        CommandLine::tr("SIZE"))),
      csv(QStringLiteral("csv"),
          CommandLine::tr("With --marks: comma-separated values for a spreadsheet, exact decimals first.")),
      templatePdf(valueOption(QStringLiteral("template"),
                              CommandLine::tr("Writes a full-size template to lay on the rail as a PDF to FILE."),
                              CommandLine::tr("FILE"))),
      svg(valueOption(QStringLiteral("svg"), CommandLine::tr("Writes a full-size drawing as SVG to FILE."),
                      CommandLine::tr("FILE"))),
      dxf(valueOption(QStringLiteral("dxf"), CommandLine::tr("Writes a full-size drawing as DXF to FILE."),
                      CommandLine::tr("FILE"))),
      length(valueOption(QStringLiteral("length"),
                         CommandLine::tr("The section's length between the posts, along the rail."),
                         CommandLine::tr("L"))),
      width(valueOption(QStringLiteral("width"), CommandLine::tr("The width of one railpin."), CommandLine::tr("W"))),
      maximumGap(valueOption(QStringLiteral("max-gap"), CommandLine::tr("The largest gap allowed between railpins."),
                             CommandLine::tr("G"))),
      maximumGapStairs(valueOption(QStringLiteral("max-gap-stairs"),
                                   CommandLine::tr("The largest gap allowed on a stair (default: --max-gap)."),
                                   CommandLine::tr("G"))),
      increment(valueOption(QStringLiteral("increment"),
                            CommandLine::tr("Inches: marks rounded to 1/N, N of 4, 8, 16 or 32 (default 16)."),
                            CommandLine::tr("N"))),
      count(valueOption(QStringLiteral("count"),
                        CommandLine::tr("The railpin count (default: the fewest within the maximum gap)."),
                        CommandLine::tr("N"))),
      ends(valueOption(QStringLiteral("ends"),
                       CommandLine::tr("A full gap (full) or half a gap (half) at each post (default full)."),
                       CommandLine::tr("ENDS"))),
      rise(valueOption(QStringLiteral("rise"), CommandLine::tr("A stair's rise, with --run."), CommandLine::tr("R"))),
      run(valueOption(QStringLiteral("run"), CommandLine::tr("A stair's run, with --rise."), CommandLine::tr("U"))),
      angle(valueOption(QStringLiteral("angle"), CommandLine::tr("A stair's slope in degrees."), CommandLine::tr("D"))),
      name(valueOption(QStringLiteral("name"), CommandLine::tr("The name on the sheet."), CommandLine::tr("TEXT"))),
      unit(valueOption(QStringLiteral("unit"), CommandLine::tr("The unit of every length: in or mm (default in)."),
                       CommandLine::tr("UNIT"))),
      markStep(valueOption(QStringLiteral("mark-step"),
                           CommandLine::tr("Millimetres: marks rounded to 1 or 0.5 mm (default 1)."),
                           CommandLine::tr("STEP"))),
      designGap(valueOption(QStringLiteral("design-gap"),
                            CommandLine::tr("The gap aimed at, at most the maximum gap (default: the maximum gap)."),
                            CommandLine::tr("D"))),
      spacing(valueOption(QStringLiteral("spacing"),
                          CommandLine::tr("Equal gaps post to post (equal), or the design gap between railpins and "
                                          "equal end gaps (same) (default equal)."),
                          CommandLine::tr("SPACING"))),
      centre(valueOption(QStringLiteral("centre"),
                         CommandLine::tr("What stands at mid-span: either, railpin or gap (default either)."),
                         CommandLine::tr("CENTRE"))),
      between(valueOption(QStringLiteral("between"),
                          CommandLine::tr("The length is between post faces or post centres (default faces)."),
                          CommandLine::tr("POSTS"))),
      postWidth(valueOption(QStringLiteral("post-width"),
                            CommandLine::tr("The width of a post, with --between centres or --max-post-spacing."),
                            CommandLine::tr("P"))),
      maxPostSpacing(valueOption(QStringLiteral("max-post-spacing"),
                                 CommandLine::tr("Lays out a run: --length from its start to its end is split into "
                                                 "the fewest equal bays with posts at most S apart, centre to centre."),
                                 CommandLine::tr("S"))),
      start(valueOption(QStringLiteral("start"),
                        CommandLine::tr("What the run starts at: a post's centre (post) or a wall (wall) (default "
                                        "post)."),
                        CommandLine::tr("END"))),
      end(valueOption(QStringLiteral("end"),
                      CommandLine::tr("What the run ends at: a post's centre (post) or a wall (wall) (default post)."),
                      CommandLine::tr("END")))
{
    parser.setApplicationDescription(
        CommandLine::tr("Lays out the railpins of a railing. With --pdf or --marks it writes a job's sheet or "
                        "marks without opening a window; without them it opens the calculator."));
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    for (const QCommandLineOption *option :
         {&help, &version, &pdf, &marks, &decimals, &paper, &length, &width, &maximumGap, &maximumGapStairs, &increment,
          &count, &ends, &rise, &run, &angle, &name, &unit, &markStep})
        parser.addOption(*option);
    for (const QCommandLineOption *option : {&csv, &templatePdf, &svg, &dxf})
        parser.addOption(*option);
    for (const QCommandLineOption *option : {&designGap, &spacing, &centre, &between, &postWidth})
        parser.addOption(*option);
    for (const QCommandLineOption *option : {&maxPostSpacing, &start, &end})
        parser.addOption(*option);
    parser.addPositionalArgument(CommandLine::tr("JOB"),
                                 CommandLine::tr("A job file (.railpin) instead of a section "
                                                 "given by options."),
                                 CommandLine::tr("[JOB.railpin]"));
}

QList<const QCommandLineOption *> CommandLineOptions::outputOptions() const
{
    return {&pdf, &marks, &templatePdf, &svg, &dxf};
}

QList<const QCommandLineOption *> CommandLineOptions::sectionOptions() const
{
    return {
        &length,         &width, &maximumGap, &maximumGapStairs, &increment, &count,   &ends,   &rise,    &run,
        &angle,          &name,  &unit,       &markStep,         &designGap, &spacing, &centre, &between, &postWidth,
        &maxPostSpacing, &start, &end};
}
