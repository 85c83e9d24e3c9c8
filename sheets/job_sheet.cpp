// SPDX-License-Identifier: LicenseRef-proprietary
#include "job_sheet.h"

#include "display_text.h"
#include "file_writer.h"
#include "marks_headings.h"
#include "measurement.h"
#include "order_page.h"
#include "output_names.h"
#include "post_plan_drawing.h"
#include "run.h"
#include "section_drawing.h"
#include "section_layout.h"
#include "sheet_pages.h"
#include "sheet_table.h"
#include "sheet_texts.h"
#include "tread_sheet_lines.h"

#include <QBuffer>
#include <QCoreApplication>
#include <QDir>
#include <QPainter>
#include <QPdfWriter>
#include <QRegularExpression>

#include <vector>

using layout::Job;
using layout::RailpinMarks;
using layout::Section;
using layout::SectionLayout;

namespace {

struct JobSheet
{
    Q_DECLARE_TR_FUNCTIONS(JobSheet)
};

// The name a section goes by on the sheet: its heading's and its totals line's.
QString shownName(const Section &section)
{
    //: A section without a name, as the printed job sheet heads it.
    return section.name.isEmpty() ? JobSheet::tr("Unnamed section") : section.name;
}

// How tall the plan of a run is on the sheet, in inches of paper.
constexpr double kPostPlanInches = 1.3;

// How tall the drawing of a section is on the sheet, in inches of paper.
constexpr double kLevelDrawingInches = 2.2;
constexpr double kStairDrawingInches = 3.2;

// The fewest rows of a table under its heading at the foot of a page.
constexpr std::size_t kRowsUnderHeading = 3;

class SheetContent
{
public:
    SheetContent(SheetPages &pages, const Job &job, QChar decimalPoint)
        : pages(pages), job(job), decimalPoint(decimalPoint), unit(layout::unitName(job.unit))
    {
        // Translated once: a marks table writes it thousands of times.
        //: On the printed sheet: a value, then another form of it or its unit in brackets ("36 1/8 (36.125)", "Railpin
        //: (mm)"); printed, so kept apart from the window's texts.
        valueAndForm = JobSheet::tr("%1 (%2)");
    }

    void section(const Section &section, const SectionLayout &laidOut, const QString &jobName, QPainter &painter);
    void postPlan(std::size_t run, const QString &jobName, QPainter &painter);
    void totalsBlock(const std::vector<SectionLayout> &layouts);

private:
    // Typed measurements are kept with "."; the sheet writes the locale's separator.
    QString typed(const QString &text) const { return QString(text).replace(u'.', decimalPoint); }
    QString mark(double value) const { return layout::markText(value, job, decimalPoint); }
    QString decimal(double value) const { return layout::decimalMarkText(value, job, decimalPoint); }
    //: A measurement and its unit on the printed sheet ("36 in"); printed, so kept apart from the window's texts.
    QString withUnit(const QString &value) const { return JobSheet::tr("%1 %2").arg(value, unit); }
    QString measured(const QString &text) const;
    // An exact length: the mark (a fraction in inches) and the decimal behind it.
    QString both(double value) const { return valueAndForm.arg(mark(value), decimal(value)); }

    // A line of the block at the head of a section.
    struct Line
    {
        QString text;
        bool bold = false;
    };
    std::vector<Line> inputs(const Section &section, const SectionLayout &laidOut) const;
    std::vector<Line> results(const Section &section, const SectionLayout &laidOut) const;
    // A signed distance from mid-span, the mark and the decimal behind it.
    QString fromMidSpan(double value) const
    {
        const QString exact = decimal(value).replace(u'-', QChar(0x2212));
        return valueAndForm.arg(layout::fromMidSpanText(value, job, decimalPoint), exact);
    }
    // The height of a table's title, its heading and its first rows.
    double tableStart(std::size_t rows) const
    {
        return double(2 + std::min<std::size_t>(rows, kRowsUnderHeading)) * pages.lineStep();
    }
    enum class Marked { Section, AlongTheRail, Level };
    QString marksTitle(layout::MarkReference reference, Marked marked) const;
    void marksTable(const QString &title, const SectionLayout &laidOut, bool level, const QString &continued);
    void writeTable(const QString &title, SheetTable &table, std::size_t rows, const QString &continued);
    void table(const tread_sheet::Table &table, const QString &continued);
    void postsTable(const layout::RunPlan &plan, const QString &continued);
    // A position that may lie before the start reference, as the mark and the decimal behind it.
    QString signedBoth(double value) const
    {
        return valueAndForm.arg(layout::signedMarkText(value, job, false, decimalPoint), decimal(value));
    }
    // Bold lines of at most the page's width, broken between words.
    QString heading(const char *plain) const;
    // How the marks tables name their unit, the exact decimals beside the marks.
    QString unitPhrase() const
    {
        return job.unit == layout::Unit::Millimetres ? JobSheet::tr("in millimetres, exact in brackets")
                                                     : JobSheet::tr("in inches, exact in brackets");
    }

    SheetPages &pages;
    const Job &job;
    QChar decimalPoint;
    QString unit;
    QString valueAndForm;  // "%1 (%2)" as translated
};

QString SheetContent::heading(const char *plain) const
{
    const QString text = marks_headings::shown(plain);
    return job.unit == layout::Unit::Millimetres ? JobSheet::tr("%1 (%2)").arg(text, unit) : text;
}

void SheetContent::section(const Section &section, const SectionLayout &laidOut, const QString &jobName,
                           QPainter &painter)
{
    const QString name = shownName(section);
    const QString continued = JobSheet::tr("%1 \u2014 %2, continued").arg(jobName, name);
    std::vector<Line> lines = inputs(section, laidOut);
    if (laidOut.laidOut()) {
        const std::vector<Line> more = results(section, laidOut);
        lines.insert(lines.end(), more.begin(), more.end());
    } else {
        for (const QString &problem : laidOut.problems)
            lines.push_back({JobSheet::tr("Problem: %1").arg(problem), true});
        lines.push_back({JobSheet::tr("This section is not laid out until the problem is mended."), false});
    }

    // The heading, the inputs and results, the drawing (its first piece) and
    // the start of the marks table stay on one page.
    const double step = pages.lineStep();
    const QSizeF drawingSize(pages.width(), (laidOut.stair ? kStairDrawingInches : kLevelDrawingInches) * pages.inch());
    const int pieces = laidOut.laidOut() ? sheets::drawingPieces(painter, drawingSize, job, laidOut) : 1;
    double together = pages.headingHeight() + double(lines.size()) * step;
    if (laidOut.laidOut())
        together += 0.8 * step + drawingSize.height() + (pieces == 1 ? tableStart(laidOut.marks.size()) : 0);
    pages.keepTogether(together);

    pages.heading(JobSheet::tr("%1 \u2014 %2").arg(jobName, name));
    // Every further page of this section names it.
    pages.setContinuation([this, continued] { pages.line(continued, true); });
    for (const Line &line : lines)
        pages.paragraph(line.text, line.bold);
    if (!laidOut.laidOut()) {
        pages.setContinuation({});
        return;
    }

    pages.skip(0.4);
    for (int piece = 0; piece < pieces; ++piece) {
        if (const std::optional<QRectF> area = pages.block(drawingSize.height()))
            sheets::drawSection(painter, *area, job, laidOut, decimalPoint, piece, pieces);
    }
    pages.skip(0.4);

    if (laidOut.treads) {
        table(tread_sheet::lengthTable(job, laidOut, decimalPoint), continued);
        table(tread_sheet::marksTable(job, laidOut, decimalPoint), continued);
    } else if (laidOut.stair) {
        marksTable(marksTitle(laidOut.reference, Marked::AlongTheRail), laidOut, false, continued);
        pages.skip(0.5);
        marksTable(marksTitle(laidOut.reference, Marked::Level), laidOut, true, continued);
    } else {
        marksTable(marksTitle(laidOut.reference, Marked::Section), laidOut, false, continued);
    }
    pages.setContinuation({});
}

// A measurement as typed with its unit ("36 in"). One typed with marks or a
// unit of its own keeps them and shows its value beside: 8' 2 1/2" (98 1/2 in).
QString SheetContent::measured(const QString &text) const
{
    static const QRegularExpression ownUnit(QStringLiteral("['\"\u2032\u2033\u2019\u201d]|(in|mm)\\s*$"));
    if (!text.contains(ownUnit))
        return withUnit(typed(text));
    const std::optional<double> value = layout::measurementValue(text, job.unit);
    if (!value)
        return typed(text);
    return JobSheet::tr("%1 (%2)").arg(typed(text), withUnit(mark(*value)));
}

std::vector<SheetContent::Line> SheetContent::inputs(const Section &section, const SectionLayout &laidOut) const
{
    std::vector<Line> lines;
    if (section.stair && section.stair->treads) {
        for (const QString &line : tread_sheet::inputLines(job, section, decimalPoint))
            lines.push_back({line, false});
    } else if (section.stair) {
        lines.push_back({JobSheet::tr("Length along the rail: %1").arg(measured(section.length)), false});
        const layout::Stair &stair = *section.stair;
        const QString angle =
            laidOut.laidOut() ? JobSheet::tr(" (%1\u00b0)").arg(typed(QString::number(laidOut.slopeDegrees, 'f', 2)))
                              : QString();
        if (!stair.rise.isEmpty() || !stair.run.isEmpty())
            lines.push_back(
                {JobSheet::tr("Slope: rise %1, run %2%3").arg(measured(stair.rise), measured(stair.run), angle),
                 false});
        else if (stair.angleDegrees)
            lines.push_back(
                {JobSheet::tr("Slope: %1\u00b0").arg(typed(QString::number(*stair.angleDegrees, 'g', 6))), false});
        if (laidOut.laidOut())
            lines.push_back({JobSheet::tr("Horizontal run: %1 (%2)")
                                 .arg(withUnit(mark(laidOut.horizontalRun)), decimal(laidOut.horizontalRun)),
                             false});
    } else if (section.bay && section.bay->number > 0) {
        // A bay's length is its run's on-centre distance less the posts: shown as a length, not as typed.
        const double span = layout::measurementValue(section.length, job.unit).value_or(0);
        lines.push_back({JobSheet::tr("Clear span between post faces: %1")
                             .arg(JobSheet::tr("%1 (%2)").arg(withUnit(mark(span)), decimal(span))),
                         false});
    } else {
        lines.push_back({JobSheet::tr("Length: %1").arg(measured(section.length)), false});
    }
    if (!section.stair || !section.stair->treads)
        lines.push_back({section.ends == layout::Ends::Half ? JobSheet::tr("Ends: half a gap at each post")
                                                            : JobSheet::tr("Ends: a full gap at each post"),
                         false});
    lines.push_back({sheet_texts::railpinWidth(measured(layout::sectionRailpinWidth(job, section))), false});
    lines.push_back({sheet_texts::maximumGap(
                         JobSheet::tr("%1 (%2)").arg(measured(layout::sectionMaximumGap(job, section)),
                                                     layout::gapLimitName(layout::sectionGapLimit(job, section)))),
                     false});
    return lines;
}

std::vector<SheetContent::Line> SheetContent::results(const Section &section, const SectionLayout &laidOut) const
{
    std::vector<Line> lines;
    const QString count = QString::number(laidOut.count);
    if (laidOut.treads)
        for (const QString &line : tread_sheet::resultLines(job, section, laidOut))
            lines.push_back({line, true});
    else if (laidOut.countGiven)
        lines.push_back({JobSheet::tr("Railpins: %1 (as given)").arg(count), true});
    else if (laidOut.count == 0)
        lines.push_back({JobSheet::tr("Railpins: 0 (no railpins needed)"), true});
    else if (laidOut.spacing == layout::Spacing::Same)
        lines.push_back({JobSheet::tr("Railpins: %1 (the end gaps closest to the spacing)").arg(count), true});
    else if (laidOut.designGap)
        lines.push_back({JobSheet::tr("Railpins: %1 (the fewest within the design gap)").arg(count), true});
    else
        lines.push_back({JobSheet::tr("Railpins: %1 (the fewest within the maximum gap)").arg(count), true});
    const layout::GapText gapText = layout::gapText(laidOut, job, decimalPoint);
    const QString gap = gapText.fraction.isEmpty()
                            ? withUnit(gapText.decimal)
                            : JobSheet::tr("%1 (%2)").arg(withUnit(gapText.decimal), gapText.fraction);
    lines.push_back(
        {laidOut.stair ? JobSheet::tr("Gap, measured level: %1").arg(gap) : JobSheet::tr("Gap: %1").arg(gap), true});
    // The opening under the bottom rail is checked beside the gap.
    const QString triangle = tread_sheet::triangleLine(job, laidOut);
    if (!triangle.isEmpty())
        lines.push_back({triangle, true});
    if (const QString layout = layout::layoutDescription(job, section, laidOut, decimalPoint);
        !layout.isEmpty() && !laidOut.treads)
        lines.push_back({JobSheet::tr("Layout: %1").arg(layout), true});
    for (const QString &warning : laidOut.warnings) {
        if (laidOut.triangle && !laidOut.triangle->passes && warning == layout::triangleText(job, *laidOut.triangle))
            continue;
        //: A warning line printed below a section on the job sheet.
        lines.push_back({JobSheet::tr("Warning: %1").arg(warning), true});
    }
    return lines;
}

// The title of a marks table, naming what the marks are from: a section
// between post faces keeps the words it always had.
QString SheetContent::marksTitle(layout::MarkReference reference, Marked marked) const
{
    using layout::MarkReference;
    switch (marked) {
    case Marked::AlongTheRail:
        if (reference == MarkReference::PostFace)
            return JobSheet::tr("Marks along the rail, from the left post face, %1:").arg(unitPhrase());
        if (reference == MarkReference::PostCentre)
            return JobSheet::tr("Marks along the rail, from the left post centre, %1:").arg(unitPhrase());
        return JobSheet::tr("Marks along the rail, from the left post, %1:").arg(unitPhrase());
    case Marked::Level:
        if (reference == MarkReference::PostFace)
            return JobSheet::tr("Horizontal marks, from the left post face, %1:").arg(unitPhrase());
        if (reference == MarkReference::PostCentre)
            return JobSheet::tr("Horizontal marks, from the left post centre, %1:").arg(unitPhrase());
        return JobSheet::tr("Horizontal marks, from the left post, %1:").arg(unitPhrase());
    case Marked::Section:
        break;
    }
    if (reference == MarkReference::PostFace)
        return JobSheet::tr("Marks from the left post face, %1:").arg(unitPhrase());
    if (reference == MarkReference::PostCentre)
        return JobSheet::tr("Marks from the left post centre, %1:").arg(unitPhrase());
    return JobSheet::tr("Marks from the left post, %1:").arg(unitPhrase());
}

void SheetContent::marksTable(const QString &title, const SectionLayout &laidOut, bool level, const QString &continued)
{
    const std::vector<RailpinMarks> &marks = level ? laidOut.horizontalMarks : laidOut.marks;
    QStringList headings;
    for (const char *column : marks_headings::kColumns)
        headings.append(column == marks_headings::kRailpin ? marks_headings::shown(column) : heading(column));
    if (laidOut.reference != layout::MarkReference::Post) {
        const QString fromRight = layout::centreFromRightPostHeading(laidOut.reference);
        headings.last() =
            job.unit == layout::Unit::Millimetres ? JobSheet::tr("%1 (%2)").arg(fromRight, unit) : fromRight;
    }
    headings.append(heading(marks_headings::kFromMidSpan));
    const auto cells = [this, &laidOut, level](const RailpinMarks &given) {
        const RailpinMarks railpin = layout::referencedMarks(laidOut, given, level);
        return QStringList{QString::number(railpin.railpin),
                           both(railpin.leftEdge),
                           both(railpin.centre),
                           both(railpin.rightEdge),
                           both(railpin.centreFromRightPost),
                           fromMidSpan(railpin.fromMidSpan)};
    };
    SheetTable table(pages, headings);
    for (const RailpinMarks &railpin : marks)
        table.measure(cells(railpin));
    table.arrange();
    writeTable(title, table, marks.size(), continued);
    for (const RailpinMarks &railpin : marks)
        table.writeRow(cells(railpin));
    pages.setContinuation([this, continued] { pages.line(continued, true); });
}

// A table's title and heading, written again at the top of every page it
// goes on to. A table starts with a few of its rows under its heading.
void SheetContent::writeTable(const QString &title, SheetTable &table, std::size_t rows, const QString &continued)
{
    pages.keepTogether(tableStart(rows));
    pages.line(title, true);
    table.writeHeading();
    pages.setContinuation([this, &table, continued, title] {
        pages.line(continued, true);
        pages.line(title, true);
        table.writeHeading();
    });
}

void SheetContent::table(const tread_sheet::Table &table, const QString &continued)
{
    if (table.rows.empty())
        return;
    pages.skip(0.5);
    SheetTable fitted(pages, table.headings);
    for (const QStringList &row : table.rows)
        fitted.measure(row);
    fitted.arrange();
    writeTable(table.title, fitted, table.rows.size(), continued);
    for (const QStringList &row : table.rows)
        fitted.writeRow(row);
    pages.setContinuation([this, continued] { pages.line(continued, true); });
}

void SheetContent::postPlan(std::size_t index, const QString &jobName, QPainter &painter)
{
    const layout::RunPlan plan = layout::planRun(job, index);
    // A run that is not planned shows its problem as its one section.
    if (!plan.planned())
        return;
    const layout::Run &run = job.runs[index];
    const QString name = layout::runName(job, index);
    const QString continued = JobSheet::tr("%1 \u2014 run %2, continued").arg(jobName, name);
    const QStringList sentence = pages.wrapped(layout::postPlanSentence(job, index, plan, decimalPoint), true, true);
    const double drawing = kPostPlanInches * pages.inch();
    pages.keepTogether(pages.headingHeight() + double(sentence.size() + 1) * pages.lineStep() + drawing +
                       tableStart(plan.posts.size()));
    pages.heading(JobSheet::tr("%1 \u2014 run %2").arg(jobName, name));
    pages.setContinuation([this, continued] { pages.line(continued, true); });
    for (const QString &line : sentence)
        pages.line(line, true);
    pages.skip(0.4);
    if (const std::optional<QRectF> area = pages.block(drawing))
        sheets::drawPostPlan(painter, *area, job, run, plan, decimalPoint);
    pages.skip(0.4);
    postsTable(plan, continued);
    pages.setContinuation({});
    pages.skip(1);
}

void SheetContent::postsTable(const layout::RunPlan &plan, const QString &continued)
{
    QStringList headings;
    for (const char *column : marks_headings::kPostColumns)
        headings.append(column == marks_headings::kPost ? marks_headings::shown(column) : heading(column));
    const auto cells = [this](const layout::PostPosition &post) {
        const QString number = post.counted ? QString::number(post.number)
                                            //: A run's first post, shared with the run before and counted there.
                                            : JobSheet::tr("%1 (corner)").arg(post.number);
        return QStringList{number, signedBoth(post.centre), signedBoth(post.leftFace), signedBoth(post.rightFace)};
    };
    SheetTable table(pages, headings);
    for (const layout::PostPosition &post : plan.posts)
        table.measure(cells(post));
    table.arrange();
    writeTable(JobSheet::tr("Posts from the start of the run, %1:").arg(unitPhrase()), table, plan.posts.size(),
               continued);
    for (const layout::PostPosition &post : plan.posts)
        table.writeRow(cells(post));
}

void SheetContent::totalsBlock(const std::vector<SectionLayout> &layouts)
{
    pages.skip(0.5);
    const QString title = JobSheet::tr("Totals");
    pages.heading(title);
    const QString continued = JobSheet::tr("%1, continued").arg(title);
    pages.setContinuation([this, continued] { pages.line(continued, true); });
    for (std::size_t index = 0; index < layouts.size(); ++index) {
        const QString name = shownName(job.sections[index]);
        pages.line(layouts[index].laidOut() ? JobSheet::tr("%1: %2 railpins").arg(name).arg(layouts[index].count)
                                            : JobSheet::tr("%1: not laid out (see its problem)").arg(name));
    }
    for (const QString &line : layout::totalsLines(job, layout::totals(job, layouts)))
        pages.line(line, true);
    pages.setContinuation({});
}

}  // namespace

namespace sheets {

QString untitledJobName()
{
    //: The name of a job without one, on the sheet, in the window title and in messages.
    return JobSheet::tr("Untitled job");
}

namespace {

// The job as it is printed: its texts without control characters.
Job printableJob(const Job &job)
{
    const auto shown = [](const QString &text) { return layout::displayText(text); };
    Job printable = job;
    printable.name = shown(job.name);
    printable.railpinWidth = shown(job.railpinWidth);
    printable.maximumGap = shown(job.maximumGap);
    if (job.maximumGapStairs)
        printable.maximumGapStairs = shown(*job.maximumGapStairs);
    for (layout::Run &run : printable.runs) {
        run.name = shown(run.name);
        run.length = shown(run.length);
    }
    for (Section &section : printable.sections) {
        section.name = shown(section.name);
        section.length = shown(section.length);
        if (section.railpinWidth)
            section.railpinWidth = shown(*section.railpinWidth);
        if (section.maximumGap)
            section.maximumGap = shown(*section.maximumGap);
        if (section.designGap)
            section.designGap = shown(*section.designGap);
        if (section.stair) {
            section.stair->rise = shown(section.stair->rise);
            section.stair->run = shown(section.stair->run);
        }
    }
    return printable;
}

}  // namespace

QString paintJobSheet(QPagedPaintDevice &device, const Job &shownJob, QChar decimalPoint)
{
    bool cancelled = false;
    return paintJobSheet(device, shownJob, decimalPoint, {}, cancelled);
}

QString paintJobSheet(QPagedPaintDevice &device, const Job &shownJob, QChar decimalPoint, const SheetProgress &progress,
                      bool &cancelled)
{
    cancelled = false;
    const Job job = printableJob(shownJob);
    // Over the work budget nothing is laid out: the sheet would take minutes and gigabytes.
    if (QString overBudget = layout::workBudgetProblem(job); !overBudget.isEmpty())
        return overBudget;
    QPainter painter;
    if (!painter.begin(&device))
        return JobSheet::tr("the sheet could not be started");
    const QString jobName = job.name.isEmpty() ? untitledJobName() : job.name;
    SheetPages pages(painter, device, jobName);
    SheetContent content(pages, job, decimalPoint);

    const int total = int(job.sections.size());
    const auto goOn = [&](int done) {
        if (!progress || progress(done, total))
            return true;
        cancelled = true;
        painter.end();
        return false;
    };
    if (!goOn(0))
        return JobSheet::tr("cancelled");
    std::vector<SectionLayout> layouts;
    layouts.reserve(job.sections.size());
    // A section of many pages is asked about at each page as well.
    if (progress)
        pages.setPageCheck([&] { return progress(int(layouts.size()) - 1, total); });
    for (const Section &section : job.sections) {
        layouts.push_back(layout::layOut(job, section));
        if (layouts.size() > 1)
            pages.skip(1);
        if (section.bay && section.bay->number == 1)
            content.postPlan(std::size_t(section.bay->run), jobName, painter);
        content.section(section, layouts.back(), jobName, painter);
        if (pages.stopped()) {
            cancelled = true;
            painter.end();
            return JobSheet::tr("cancelled");
        }
        if (!goOn(int(layouts.size())))
            return JobSheet::tr("cancelled");
    }
    pages.setPageCheck({});
    if (job.sections.empty()) {
        pages.heading(jobName);
        //: Printed on the job sheet in place of the sections.
        pages.line(JobSheet::tr("This job has no sections."));
    }
    content.totalsBlock(layouts);
    if (job.order)
        paintOrderPage(pages, job, layouts, decimalPoint);

    if (!painter.end() && pages.error().isEmpty())
        return JobSheet::tr("the sheet could not be finished");
    return pages.error();
}

QPageLayout sheetPageLayout(const QPageSize &paper)
{
    return QPageLayout(paper, QPageLayout::Portrait, QMarginsF(15, 15, 15, 15), QPageLayout::Millimeter);
}

QString writeJobPdf(const Job &job, const QString &path, const QPageSize &paper, QChar decimalPoint)
{
    bool cancelled = false;
    return writeJobPdf(job, path, paper, decimalPoint, {}, cancelled);
}

QString writeJobPdf(const Job &job, const QString &path, const QPageSize &paper, QChar decimalPoint,
                    const SheetProgress &progress, bool &cancelled)
{
    // Over the work budget nothing is made: the reason is the job's, not the file's.
    if (QString overBudget = layout::workBudgetProblem(job); !overBudget.isEmpty())
        return overBudget;
    // The whole PDF is made in memory first: nothing reaches the target
    // unless the sheet is complete, and the checked writer puts it in place.
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    QString failure;
    {
        QPdfWriter writer(&buffer);
        writer.setPageLayout(sheetPageLayout(paper));
        writer.setTitle(layout::outputName(job.name, layout::NameOutput::Paper));
        writer.setCreator(QCoreApplication::applicationName());
        failure = paintJobSheet(writer, job, decimalPoint, progress, cancelled);
    }
    if (!failure.isEmpty())
        return file_writer::failureMessage(path, failure);
    return file_writer::writeFile(path, bytes);
}

}  // namespace sheets
