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
      csvDecimal(valueOption(QStringLiteral("csv-decimal"),
                             CommandLine::tr("With --csv: decimals with a point (fields separated by \",\") or a "
                                             "comma (fields separated by \";\") (default: from the locale)."),
                             CommandLine::tr("point|comma"))),
      templatePdf(valueOption(QStringLiteral("template"),
                              CommandLine::tr("Writes a full-size template to lay on the rail as a PDF to FILE."),
                              CommandLine::tr("FILE"))),
      templateSection(valueOption(QStringLiteral("section"),
                                  CommandLine::tr("With --template: only the sections of this name; give it once "
                                                  "for each section (default: every section)."),
                                  CommandLine::tr("NAME"))),
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
      marksFrom(valueOption(QStringLiteral("marks-from"),
                            CommandLine::tr("With --between centres: marks from the post faces or the post centres "
                                            "(default faces)."),
                            CommandLine::tr("POSTS"))),
      postWidth(valueOption(QStringLiteral("post-width"),
                            CommandLine::tr("The width of a post, with --between centres or --max-post-spacing."),
                            CommandLine::tr("P"))),
      order(QStringLiteral("order"),
            CommandLine::tr("Prints the cut and order list, tab-separated, on standard output.")),
      railRows(valueOption(QStringLiteral("rail-rows"),
                           CommandLine::tr("Order list: rails per section, 0 to 4 (default 2)."),
                           CommandLine::tr("N"))),
      railStock(valueOption(QStringLiteral("rail-stock"),
                            CommandLine::tr("Order list: the lengths rails are sold in, such as \"96,120,144,192\" "
                                            "(default 8, 10, 12 and 16 ft, or 2400 to 4800 mm)."),
                            CommandLine::tr("LENGTHS"))),
      kerf(valueOption(QStringLiteral("kerf"), CommandLine::tr("Order list: the saw's kerf (default 1/8 in or 3 mm)."),
                       CommandLine::tr("K"))),
      railpinLength(valueOption(QStringLiteral("railpin-length"),
                                CommandLine::tr("Order list: the cut length of a railpin between rails."),
                                CommandLine::tr("L"))),
      railpinStock(valueOption(QStringLiteral("railpin-stock"),
                               CommandLine::tr("Order list: the lengths railpins are cut from."),
                               CommandLine::tr("LENGTHS"))),
      screwsPerRailpin(valueOption(QStringLiteral("screws-per-railpin"),
                                   CommandLine::tr("Order list: screws for one railpin (default 4)."),
                                   CommandLine::tr("N"))),
      screwsPerRailEnd(valueOption(QStringLiteral("screws-per-rail-end"),
                                   CommandLine::tr("Order list: screws at each end of a rail (default 2)."),
                                   CommandLine::tr("N"))),
      treads(valueOption(QStringLiteral("treads"),
                         CommandLine::tr("A stair given by its N treads instead of its length, with --rise and --run "
                                         "of one step (the run from riser face to riser face)."),
                         CommandLine::tr("N"))),
      perTread(valueOption(QStringLiteral("per-tread"),
                           CommandLine::tr("Railpins on each tread: auto or 1 to 10 (default auto: the fewest within "
                                           "the gap)."),
                           CommandLine::tr("N"))),
      minPerTread(valueOption(QStringLiteral("min-per-tread"),
                              CommandLine::tr("The least railpins per tread, 1 to 4 (default 2)."),
                              CommandLine::tr("M"))),
      firstFromRiser(valueOption(QStringLiteral("first-from-riser"),
                                 CommandLine::tr("The first railpin's centre from the riser face (default: half a "
                                                 "railpin width)."),
                                 CommandLine::tr("A"))),
      newels(valueOption(QStringLiteral("newels"),
                         CommandLine::tr("Newels in place of the bottom tread's front railpin, the top tread's back "
                                         "one, or both: none, bottom, top or both (default none)."),
                         CommandLine::tr("NEWELS"))),
      nosing(valueOption(QStringLiteral("nosing"),
                         CommandLine::tr("How far a tread's nosing stands out past its riser (default 0)."),
                         CommandLine::tr("P"))),
      railHeight(valueOption(QStringLiteral("rail-height"),
                             CommandLine::tr("Plumb from the nosing line to the rail's top: gives each railpin's "
                                             "length."),
                             CommandLine::tr("H"))),
      railDepth(valueOption(QStringLiteral("rail-depth"),
                            CommandLine::tr("The rail's depth square to its slope (default 0)."),
                            CommandLine::tr("D"))),
      insert(valueOption(QStringLiteral("insert"),
                         CommandLine::tr("The depth of the holes the railpins enter, top and bottom together "
                                         "(default 0)."),
                         CommandLine::tr("E"))),
      bottomRail(valueOption(QStringLiteral("bottom-rail"),
                             CommandLine::tr("Plumb from the nosing line to the bottom rail's lower edge: checks the "
                                             "opening under it."),
                             CommandLine::tr("C"))),
      triangleSphere(valueOption(QStringLiteral("triangle-sphere"),
                                 CommandLine::tr("The sphere that must not pass under a stair's bottom rail (default "
                                                 "6 in or 152 mm)."),
                                 CommandLine::tr("S"))),
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
    for (const QCommandLineOption *option : {&csv, &csvDecimal, &templatePdf, &templateSection, &svg, &dxf})
        parser.addOption(*option);
    for (const QCommandLineOption *option : {&designGap, &spacing, &centre, &between, &marksFrom, &postWidth, &order})
        parser.addOption(*option);
    for (const QCommandLineOption *option : orderOptions())
        parser.addOption(*option);
    for (const QCommandLineOption *option : treadsOptions())
        parser.addOption(*option);
    for (const QCommandLineOption *option : {&railDepth, &bottomRail, &triangleSphere})
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
    return {&pdf, &marks, &templatePdf, &svg, &dxf, &order};
}

QList<const QCommandLineOption *> CommandLineOptions::sectionOptions() const
{
    return QList<const QCommandLineOption *>{&length,
                                             &width,
                                             &maximumGap,
                                             &maximumGapStairs,
                                             &increment,
                                             &count,
                                             &ends,
                                             &rise,
                                             &run,
                                             &angle,
                                             &name,
                                             &unit,
                                             &markStep,
                                             &designGap,
                                             &spacing,
                                             &centre,
                                             &between,
                                             &postWidth,
                                             &railDepth,
                                             &bottomRail,
                                             &triangleSphere,
                                             &maxPostSpacing,
                                             &start,
                                             &end,
                                             &marksFrom} +
           treadsOptions();
}

QList<const QCommandLineOption *> CommandLineOptions::treadsOptions() const
{
    return {&treads, &perTread, &minPerTread, &firstFromRiser, &newels, &nosing, &railHeight, &insert};
}

QList<const QCommandLineOption *> CommandLineOptions::orderOptions() const
{
    return {&railRows, &railStock, &kerf, &railpinLength, &railpinStock, &screwsPerRailpin, &screwsPerRailEnd};
}
