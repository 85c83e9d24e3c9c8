// SPDX-License-Identifier: LicenseRef-proprietary
#include "job_sheet.h"
#include "measurement.h"
#include "pdf_text.h"
#include "run.h"
#include "section_layout.h"
#include "sheet_pages.h"
#include "sheet_table.h"

#include <QBuffer>
#include <QDir>
#include <QPainter>
#include <QPdfWriter>
#include <QTemporaryDir>
#include <QTest>

#include <algorithm>

Q_DECLARE_METATYPE(layout::Job)

namespace {

layout::Section section(const QString &name, const QString &length)
{
    layout::Section result;
    result.name = name;
    result.length = length;
    return result;
}

layout::Job barDeck()
{
    layout::Job job;
    job.name = QStringLiteral("Bar deck");
    job.sections.push_back(section(QStringLiteral("Front"), QStringLiteral("36")));
    layout::Section stair = section(QStringLiteral("Stair"), QStringLiteral("48"));
    stair.railpinWidth = QStringLiteral("1 1/2");
    stair.stair = layout::Stair{QStringLiteral("7 1/2"), QStringLiteral("10"), std::nullopt, {}};
    job.sections.push_back(stair);
    layout::Section side = section(QStringLiteral("Side"), QStringLiteral("36"));
    side.ends = layout::Ends::Half;
    side.count = 7;
    job.sections.push_back(side);
    return job;
}

layout::Job metricJob()
{
    layout::Job job;
    job.name = QStringLiteral("Terrasse");
    job.unit = layout::Unit::Millimetres;
    job.railpinWidth = QStringLiteral("35");
    job.maximumGap = QStringLiteral("100");
    job.sections.push_back(section(QStringLiteral("Garde-corps"), QStringLiteral("914")));
    return job;
}

// The sheet painted as a printer or Print Preview paints it: on the sheet's
// page, at the device's resolution.
QByteArray sheetPdf(const layout::Job &job, const QPageSize &paper = QPageSize(QPageSize::Letter), int dpi = 1200)
{
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    QPdfWriter writer(&buffer);
    writer.setResolution(dpi);
    writer.setPageLayout(sheets::sheetPageLayout(paper));
    const QString failure = sheets::paintJobSheet(writer, job);
    return failure.isEmpty() ? buffer.data() : QByteArray();
}

// The sheet's text with runs of blanks made single, so that columns read as words.
QString sheetText(const layout::Job &job, const QPageSize &paper = QPageSize(QPageSize::Letter), int dpi = 1200)
{
    const QByteArray pdf = sheetPdf(job, paper, dpi);
    if (pdf.isEmpty())
        return {};
    return pdfText(pdf).value_or(QString()).replace(QRegularExpression(QStringLiteral("[ \\t]+")), QStringLiteral(" "));
}

}  // namespace

class TestJobSheet : public QObject
{
    Q_OBJECT

private slots:
    // Blocks that exactly fill what is left of a page stay on it; the next
    // one starts a new page. Heights of whole dots add up exactly.
    void exactlyFullPage_data()
    {
        QTest::addColumn<int>("blocks");  // of 64 dots, on a content 640 dots high
        QTest::addColumn<bool>("keepTogether");
        QTest::addColumn<double>("lastTop");
        QTest::newRow("ten fill the page") << 10 << false << 576.0;
        QTest::newRow("ten, the last kept together") << 10 << true << 576.0;
        QTest::newRow("the eleventh on the next page") << 11 << false << 0.0;
    }
    void exactlyFullPage()
    {
        QFETCH(int, blocks);
        QFETCH(bool, keepTogether);
        QFETCH(double, lastTop);
        QBuffer buffer;
        buffer.open(QIODevice::WriteOnly);
        QPdfWriter writer(&buffer);
        writer.setResolution(1200);
        QPainter painter(&writer);
        SheetPages pages(painter, writer, QRectF(0, 0, 4000, 640), 0, SheetPages::Style());
        std::optional<QRectF> last;
        for (int block = 0; block < blocks; ++block) {
            if (keepTogether && block + 1 == blocks)
                pages.keepTogether(64);
            last = pages.block(64);
            QVERIFY(last.has_value());
        }
        QCOMPARE(last->top(), lastTop);
        QCOMPARE(last->height(), 64.0);
        QVERIFY(pages.error().isEmpty());
    }

    void initTestCase()
    {
        if (!havePdfToText())
            QSKIP("pdftotext (poppler-utils) is not installed");
    }

    void sheetShowsEverySection_data()
    {
        QTest::addColumn<layout::Job>("job");
        QTest::addColumn<QStringList>("expected");
        QTest::newRow("level, stair and half ends")
            << barDeck()
            << QStringList{"Bar deck \u2014 Front", "Length: 36 in", "Ends: a full gap at each post",
                           "Railpin width: 1 3/8 in", "Maximum gap: 4 in (the job's maximum gap)", "Railpins: 6",
                           "Gap: 3.964286 in (3 15/16)",
                           // The marks table of the level section, first and last railpin.
                           "Railpin Left edge Centre Right edge Centre from right post",
                           "1 3 15/16 (3.964286) 4 5/8 (4.651786) 5 5/16 (5.339286) 31 3/8 (31.34821)",
                           "Marks from the left post, in inches", "6 30 11/16 (30.66071)",
                           // The stair: slope, run, both sets of marks, labelled.
                           "Bar deck \u2014 Stair", "Length along the rail: 48 in",
                           "Slope: rise 7 1/2 in, run 10 in (36.87\u00b0)", "Horizontal run: 38 3/8 in (38.4)",
                           "Gap, measured level: 3.4875 in", "Marks along the rail, from the left post, in inches",
                           "Horizontal marks, from the left post, in inches", "5 5/16 (5.296875)", "4 1/4 (4.2375)",
                           // Half-gap ends with a given count.
                           "Bar deck \u2014 Side", "Ends: half a gap at each post", "Railpins: 7 (as given)",
                           "Gap: 3.767857 in (3 3/4)", "2 9/16 (2.571429)",
                           // Totals.
                           "Totals", "Front: 6 railpins", "Stair: 7 railpins", "Side: 7 railpins",
                           // Drawings.
                           "Scale 1:"};
        // Each section names the limit it was checked against; a filler needs no
        // railpins; a section without a name totals under its heading's name.
        layout::Job limits = barDeck();
        limits.maximumGapStairs = QStringLiteral("4 3/8");
        limits.sections[2].maximumGap = QStringLiteral("5");
        limits.sections.push_back(section(QString(), QStringLiteral("3")));
        limits.sections[0].length = QStringLiteral("8' 2 1/2\"");
        QTest::newRow("two limits") << limits
                                    << QStringList{"Maximum gap: 4 3/8 in (the job's maximum gap on stairs)",
                                                   "Maximum gap: 4 in (the job's maximum gap)",
                                                   "Maximum gap: 5 in (this section's own maximum gap)",
                                                   "Railpins: 0 (no railpins needed)",
                                                   "Bar deck \u2014 Unnamed section",
                                                   "Unnamed section: 0 railpins",
                                                   "Length: 8' 2 1/2\" (98 1/2 in)"};
        const QString metricHeading =
            QStringLiteral("Railpin Left edge (mm) Centre (mm) Right edge (mm) Centre from right post (mm)");
        QTest::newRow("millimetres") << metricJob()
                                     << QStringList{"Terrasse \u2014 Garde-corps",
                                                    "Length: 914 mm",
                                                    "Gap: 83.6 mm",
                                                    metricHeading,
                                                    "Marks from the left post, in millimetres",
                                                    "1 84 (83.6) 101 (101.1)",
                                                    "813 (812.9)"};
        // Each section names its layout; marks read from mid-span too.
        layout::Job balanced;
        balanced.name = QStringLiteral("Deck");
        balanced.railpinWidth = QStringLiteral("1 1/2");
        balanced.designGap = QStringLiteral("3 1/2");
        balanced.spacing = layout::Spacing::Same;
        balanced.centre = layout::Centre::Railpin;
        balanced.sections.push_back(section(QStringLiteral("Front"), QStringLiteral("96")));
        balanced.sections.push_back(section(QStringLiteral("Side"), QStringLiteral("96")));
        balanced.sections.back().spacing = layout::Spacing::Equal;
        balanced.sections.back().centre = layout::Centre::Either;
        QTest::newRow("balanced") << balanced
                                  << QStringList{
                                         "Layout: same spacing 3 1/2 in, end gaps 2 1/4 in, railpin at mid-span",
                                         "Railpins: 19 (the end gaps closest to the spacing)",
                                         "Centre from right post From mid-span",
                                         "−45 (−45)",
                                         "0 (0)",
                                         "Layout: equal gaps, design gap 3 1/2 in, limit 4 in",
                                         "Railpins: 19 (the fewest within the design gap)"};
        layout::Job centres = metricJob();
        centres.measuredBetween = layout::MeasuredBetween::Centres;
        centres.postWidth = QStringLiteral("89");
        QTest::newRow("between post centres")
            << centres
            << QStringList{"Layout: equal gaps, between post centres, posts 89 mm, clear span 825 mm",
                           "Marks from the left post face, in millimetres", "From right post face (mm)"};
        // The worked example: 3 1/2 in posts, marks from their centres, each
        // 1 3/4 in further than from the faces; a stair's both ways.
        layout::Job fromCentres;
        fromCentres.name = QStringLiteral("Deck");
        fromCentres.railpinWidth = QStringLiteral("1 1/2");
        fromCentres.measuredBetween = layout::MeasuredBetween::Centres;
        fromCentres.postWidth = QStringLiteral("3 1/2");
        fromCentres.marksFrom = layout::MarksFrom::Centres;
        fromCentres.sections.push_back(section(QStringLiteral("Front"), QStringLiteral("72")));
        layout::Section stair = section(QStringLiteral("Stair"), QStringLiteral("48"));
        stair.stair = layout::Stair{QStringLiteral("7 1/2"), QStringLiteral("10"), std::nullopt, {}};
        fromCentres.sections.push_back(stair);
        QTest::newRow("marks from post centres")
            << fromCentres
            << QStringList{"Marks from the left post centre, in inches",
                           "Railpin Left edge Centre Right edge From right post centre From mid-span",
                           "1 5 5/8 (5.634615) 6 3/8 (6.384615) 7 1/8 (7.134615) 65 5/8",
                           "Marks along the rail, from the left post centre, in inches",
                           "Horizontal marks, from the left post centre, in inches"};
    }

    void sheetShowsEverySection()
    {
        QFETCH(layout::Job, job);
        QFETCH(QStringList, expected);
        const QString text = sheetText(job);
        QVERIFY(!text.isEmpty());
        for (const QString &line : expected)
            QVERIFY2(text.contains(line), qPrintable(QStringLiteral("missing \"%1\" in:\n%2").arg(line, text)));
        // A job between post faces keeps its words: no face or centre named.
        if (job.measuredBetween == layout::MeasuredBetween::Faces)
            QVERIFY2(!text.contains(QStringLiteral("post face")) && !text.contains(QStringLiteral("post centre")),
                     qPrintable(text));

        std::vector<layout::SectionLayout> layouts;
        for (const layout::Section &each : job.sections)
            layouts.push_back(layout::layOut(job, each));
        for (const QString &line : layout::totalsLines(job, layout::totals(job, layouts)))
            QVERIFY2(text.contains(line), qPrintable(line));
    }

    // A run's post plan before its bays: the sentence, the posts and the
    // bays as sections; the totals count the posts.
    void postPlanOnTheSheet_data()
    {
        QTest::addColumn<layout::Job>("job");
        QTest::addColumn<QStringList>("expected");
        layout::Job front;
        front.name = QStringLiteral("Deck");
        front.railpinWidth = QStringLiteral("1 1/2");
        front.postWidth = QStringLiteral("3 1/2");
        front.maxPostSpacing = QStringLiteral("72");
        front.runs = {layout::Run{}};
        front.runs.front().name = QStringLiteral("Front");
        front.runs.front().length = QStringLiteral("17' 3\"");
        layout::deriveBays(front);
        const QString sentence =
            QStringLiteral("Front: 17' 3\" from post centre to post centre, at most 6' on centre: 3 bays of 69 in "
                           "(5' 9\"), 4 posts 3 1/2 in, clear span 65 1/2 in");
        QTest::newRow("the deck's front") << front
                                          << QStringList{"Deck \u2014 run Front",
                                                         sentence,
                                                         "Post Centre Left face Right face",
                                                         "1 0 (0) -1 3/4 (-1.75) 1 3/4 (1.75)",
                                                         "4 207 (207) 205 1/4 (205.25) 208 3/4 (208.75)",
                                                         "Deck \u2014 Front 1",
                                                         "Clear span between post faces: 65 1/2 in (65.5)",
                                                         "Railpins: 12",
                                                         "Front 3: 12 railpins",
                                                         "Posts: 4"};
        layout::Job corner = front;
        corner.runs.push_back(layout::Run{});
        corner.runs.back().name = QStringLiteral("Side");
        corner.runs.back().length = QStringLiteral("16'");
        corner.runs.back().start = layout::RunEnd::Corner;
        corner.runs.back().end = layout::RunEnd::Wall;
        layout::deriveBays(corner);
        QTest::newRow("a corner to a wall")
            << corner
            << QStringList{"Side: 16' from corner post centre to wall, at most 6' on centre: 3 bays of 64 in (5' 4\"), "
                           "2 posts 3 1/2 in, clear spans 60 1/2 in and 62 1/4 in",
                           "1 (corner) 0 (0) -1 3/4 (-1.75)", "Posts: 6"};
        layout::Job refused = front;
        refused.runs.front().length = QStringLiteral("3");
        layout::deriveBays(refused);
        QTest::newRow("a run too short") << refused
                                         << QStringList{"Problem: posts 3 1/2 wide leave no clear span in a run of 3",
                                                        "Front: not laid out"};
    }

    void postPlanOnTheSheet()
    {
        QFETCH(layout::Job, job);
        QFETCH(QStringList, expected);
        // A long sentence is broken between words to fit the page.
        const QString text = sheetText(job).replace(u'\n', u' ');
        QVERIFY(!text.isEmpty());
        for (const QString &line : expected)
            QVERIFY2(text.contains(line), qPrintable(QStringLiteral("missing \"%1\" in:\n%2").arg(line, text)));
    }

    void warningsAndProblemsInWords()
    {
        layout::Job job = barDeck();
        job.sections[0].count = 2;  // a gap far over the maximum
        job.sections[1].length = QStringLiteral("abc");
        const QString text = sheetText(job);
        const layout::SectionLayout tooFew = layout::layOut(job, job.sections[0]);
        const layout::SectionLayout unreadable = layout::layOut(job, job.sections[1]);
        QVERIFY(!tooFew.warnings.isEmpty());
        QVERIFY(!unreadable.problems.isEmpty());
        QVERIFY2(text.contains(QStringLiteral("Warning: ") + tooFew.warnings.constFirst().simplified()),
                 qPrintable(text));
        QVERIFY2(text.contains(QStringLiteral("Problem: ") + unreadable.problems.constFirst().simplified()),
                 qPrintable(text));
        QVERIFY(text.contains(QStringLiteral("Stair: not laid out")));
        QVERIFY2(text.contains(QStringLiteral("Total railpins: 9 (1 of 3 sections not laid out, not counted)")),
                 qPrintable(text));
    }

    // Columns as wide as their widest cells: nothing is cut and no two cells
    // touch. A narrower page wraps the headings first, then moves the exact
    // values below their marks.
    void tableColumnsHoldTheirCells_data()
    {
        QTest::addColumn<double>("pageInches");
        QTest::addColumn<bool>("headingsWrapped");
        QTest::addColumn<bool>("bracketsBelow");
        QTest::newRow("all on one line") << 9.0 << false << false;
        QTest::newRow("headings on two lines") << 7.0 << true << false;
        QTest::newRow("exact values below") << 6.0 << true << true;
    }
    void tableColumnsHoldTheirCells()
    {
        QFETCH(double, pageInches);
        QFETCH(bool, headingsWrapped);
        QFETCH(bool, bracketsBelow);
        QBuffer buffer;
        buffer.open(QIODevice::WriteOnly);
        QPdfWriter writer(&buffer);
        writer.setResolution(1200);
        QPainter painter(&writer);
        SheetPages pages(painter, writer, QRectF(0, 0, pageInches * 1200, 9000), 0, SheetPages::Style());
        SheetTable table(pages, {"Railpin", "Left edge", "Centre", "Right edge", "Centre from the right post face",
                                 "From mid-span"});
        for (const QStringList &cells : {QStringList{"1", "4 (3.988281)", "4 11/16 (4.675781)", "5 3/8 (5.363281)",
                                                     "1195 5/16 (1195.324)", "\u2212595 5/16 (\u2212595.3242)"},
                                         QStringList{"223", "1194 5/8 (1194.637)", "1195 5/16 (1195.324)",
                                                     "1196 (1196.012)", "4 11/16 (4.675781)", "595 5/16 (595.3242)"}})
            table.measure(cells);
        table.arrange();
        QCOMPARE(table.headingsWrapped(), headingsWrapped);
        QCOMPARE(table.bracketsBelow(), bracketsBelow);
        const std::vector<SheetPages::Column> &columns = table.columns();
        const std::vector<double> needed = table.needed();
        QCOMPARE(columns.size(), std::size_t(6));
        QVERIFY(table.gap() > 0);
        for (std::size_t column = 0; column < columns.size(); ++column) {
            QVERIFY2(needed[column] <= columns[column].width, qPrintable(QString::number(column)));
            if (column + 1 < columns.size())
                QCOMPARE(columns[column].left + columns[column].width + table.gap(), columns[column + 1].left);
        }
        QVERIFY(columns.back().left + columns.back().width <= pages.width() + 1e-6);
    }

    void bracketsSplitFromTheirMark_data()
    {
        QTest::addColumn<QString>("cell");
        QTest::addColumn<QString>("mark");
        QTest::addColumn<QString>("exact");
        QTest::newRow("mark and exact") << "469 13/16 (469.8125)"
                                        << "469 13/16"
                                        << "(469.8125)";
        QTest::newRow("no brackets") << "223"
                                     << "223"
                                     << "";
        QTest::newRow("brackets not at the end") << "1 (corner) x"
                                                 << "1 (corner) x"
                                                 << "";
        QTest::newRow("only brackets") << "(3)"
                                       << "(3)"
                                       << "";
    }
    void bracketsSplitFromTheirMark()
    {
        QFETCH(QString, cell);
        QFETCH(QString, mark);
        QFETCH(QString, exact);
        const auto [shownMark, shownExact] = SheetTable::splitBrackets(cell);
        QCOMPARE(shownMark, mark);
        QCOMPARE(shownExact, exact);
    }

    // A long section's table goes on over pages, its heading written again on each.
    void tableContinuesWithItsHeading()
    {
        layout::Job job;
        job.name = QStringLiteral("Long");
        job.sections.push_back(section(QStringLiteral("Fence"), QStringLiteral("1200")));
        const layout::SectionLayout laidOut = layout::layOut(job, job.sections.front());
        QVERIFY(laidOut.count > 200);

        const QString text = sheetText(job);
        const QStringList pages = text.split(u'\f', Qt::SkipEmptyParts);
        QVERIFY2(pages.size() >= 4, qPrintable(QString::number(pages.size())));
        // Marks of four figures leave no room for the headings on one line.
        const QString tableHeading = QStringLiteral("Railpin Left Centre Right Centre from From");
        // The drawing in parts comes first; from the table's first page on every page holds rows.
        qsizetype first = 0;
        while (first < pages.size() && !pages[first].contains(tableHeading))
            ++first;
        QVERIFY(first + 2 < pages.size());
        for (qsizetype page = 1; page <= first; ++page)
            QVERIFY2(pages[page].contains(QStringLiteral("Long \u2014 Fence, continued")), qPrintable(pages[page]));
        for (qsizetype page = first + 1; page + 1 < pages.size(); ++page) {
            QVERIFY2(pages[page].contains(QStringLiteral("Long \u2014 Fence, continued")), qPrintable(pages[page]));
            QVERIFY(pages[page].contains(tableHeading));
        }
        // Every railpin is listed once, the last with its mark.
        const layout::RailpinMarks &last = laidOut.marks.back();
        QVERIFY(text.contains(QStringLiteral("\n %1 ").arg(last.railpin)) ||
                text.contains(QStringLiteral("\n%1 ").arg(last.railpin)));
        QVERIFY(text.contains(layout::markText(last.centre, job) + u' '));
    }

    // The sheet pages like a document: a section's heading, inputs and
    // drawing share a page, a table never starts in a page's last lines, and
    // every page names the job and its section. The front's length moves the
    // page breaks through every part of the sections after it.
    void everyPageNamesItsSection_data()
    {
        QTest::addColumn<QPageSize>("paper");
        QTest::newRow("Letter") << QPageSize(QPageSize::Letter);
        QTest::newRow("A4") << QPageSize(QPageSize::A4);
    }

    void everyPageNamesItsSection()
    {
        QFETCH(QPageSize, paper);
        layout::Job job = barDeck();
        job.maximumGapStairs = QStringLiteral("4 3/8");
        job.sections.push_back(section(QStringLiteral("Back"), QStringLiteral("300")));
        job.sections[3].ends = layout::Ends::Half;
        const QStringList names{"Front", "Stair", "Side", "Back"};
        // Marks of four figures leave no room for the headings on one line.
        const QString tableHeading = QStringLiteral("Railpin Left Centre Right Centre from From");
        static const QRegularExpression heading(QStringLiteral("^ *Bar deck \u2014 (\\w+)(, continued)?$"),
                                                QRegularExpression::MultilineOption);
        for (int front = 36; front <= 372; front += 48) {
            job.sections[0].length = QString::number(front);
            const QString text = sheetText(job, paper);
            QVERIFY(!text.isEmpty());
            const QStringList pages = text.split(u'\f', Qt::SkipEmptyParts);
            QVERIFY(pages.size() >= 3);
            QStringList started;
            for (const QString &page : pages) {
                const QString where = QStringLiteral("front %1 in, page:\n%2").arg(front).arg(page);
                QStringList named;
                qsizetype headings = 0;
                for (QRegularExpressionMatchIterator found = heading.globalMatch(page); found.hasNext();) {
                    const QRegularExpressionMatch match = found.next();
                    QVERIFY2(names.contains(match.captured(1)), qPrintable(where));
                    named.append(match.captured(1));
                    if (match.captured(2).isEmpty()) {
                        ++headings;
                        started.append(match.captured(1));
                    }
                }
                const bool totals = page.contains(QStringLiteral("Totals"));
                QVERIFY2(!named.isEmpty() || totals, qPrintable(where));
                // Each section begun here has its inputs and drawing here.
                QVERIFY2(page.count(QStringLiteral("Maximum gap: ")) == headings, qPrintable(where));
                QVERIFY2(page.count(QStringLiteral("Scale 1:")) >= headings, qPrintable(where));
                // The last line above the footer is never a table's title or heading.
                QStringList lines = page.split(u'\n', Qt::SkipEmptyParts);
                while (!lines.isEmpty() && lines.constLast().trimmed().isEmpty())
                    lines.removeLast();
                QVERIFY(lines.size() >= 2);
                const QString last = lines[lines.size() - 2].simplified();
                QVERIFY2(last != tableHeading && !last.endsWith(u':'), qPrintable(where));
            }
            QCOMPARE(started, names);
        }
    }

    // Print Preview and the printout paint the exported PDF's pages: the same
    // page, and the same page breaks at a printer's resolution.
    void printedPagesAreTheExportedOnes_data()
    {
        QTest::addColumn<QPageSize>("paper");
        QTest::addColumn<int>("dpi");
        QTest::newRow("Letter, high resolution") << QPageSize(QPageSize::Letter) << 1200;
        QTest::newRow("A4, high resolution") << QPageSize(QPageSize::A4) << 1200;
        QTest::newRow("A4, 600 dpi") << QPageSize(QPageSize::A4) << 600;
    }

    void printedPagesAreTheExportedOnes()
    {
        QFETCH(QPageSize, paper);
        QFETCH(int, dpi);
        const QPageLayout page = sheets::sheetPageLayout(paper);
        QCOMPARE(page.pageSize().id(), paper.id());
        QCOMPARE(page.orientation(), QPageLayout::Portrait);
        QCOMPARE(page.margins(QPageLayout::Millimeter), QMarginsF(15, 15, 15, 15));

        layout::Job job = barDeck();
        job.sections.push_back(section(QStringLiteral("Back"), QStringLiteral("300")));
        QTemporaryDir folder;
        const QString path = folder.filePath(QStringLiteral("deck.pdf"));
        QCOMPARE(sheets::writeJobPdf(job, path, paper), QString());
        QFile exported(path);
        QVERIFY(exported.open(QIODevice::ReadOnly));
        const QStringList exportedPages = pdfText(exported.readAll()).value_or(QString()).split(u'\f');
        const QStringList printedPages = pdfText(sheetPdf(job, paper, dpi)).value_or(QString()).split(u'\f');
        QVERIFY(exportedPages.size() > 2);
        QCOMPARE(printedPages.size(), exportedPages.size());
        for (qsizetype index = 0; index < exportedPages.size(); ++index)
            QCOMPARE(printedPages[index].simplified(), exportedPages[index].simplified());
    }

    void writtenPdfReplacesOnlyWhenComplete()
    {
        QTemporaryDir folder;
        QVERIFY(folder.isValid());
        const QString path = folder.filePath(QStringLiteral("deck.pdf"));
        QFile old(path);
        QVERIFY(old.open(QIODevice::WriteOnly));
        old.write("old sheet");
        old.close();

        QCOMPARE(sheets::writeJobPdf(barDeck(), path, QPageSize(QPageSize::A4)), QString());
        QFile written(path);
        QVERIFY(written.open(QIODevice::ReadOnly));
        const QByteArray pdf = written.readAll();
        QVERIFY(pdf.startsWith("%PDF-"));
        QVERIFY(pdfText(pdf).value_or(QString()).contains(QStringLiteral("Bar deck")));
        QCOMPARE(QDir(folder.path()).entryList(QDir::Files), QStringList{"deck.pdf"});
    }

    void failedWriteLeavesNothing_data()
    {
        QTest::addColumn<QString>("relativePath");
        QTest::newRow("missing folder") << "no such folder/deck.pdf";
        QTest::newRow("a folder in the way") << "folder";
        QTest::newRow("empty name") << "";
    }

    void failedWriteLeavesNothing()
    {
        QFETCH(QString, relativePath);
        QTemporaryDir folder;
        QVERIFY(QDir(folder.path()).mkdir(QStringLiteral("folder")));
        const QString path = relativePath.isEmpty() ? QString() : folder.filePath(relativePath);

        const QString failure = sheets::writeJobPdf(barDeck(), path, QPageSize(QPageSize::A4));
        QVERIFY(!failure.isEmpty());
        QVERIFY2(failure.contains(QDir::toNativeSeparators(path)), qPrintable(failure));
        QCOMPARE(QDir(folder.path()).entryList(QDir::Files | QDir::Hidden), QStringList());
        QVERIFY(QFileInfo(folder.filePath(QStringLiteral("folder"))).isDir());
    }

    // A job over the work budget is refused as the job's fault, with the
    // budget's own message: no file was tried, none is named.
    void overBudgetSaysBudget()
    {
        QTemporaryDir folder;
        const QString path = folder.filePath(QStringLiteral("deck.pdf"));
        layout::Job job = barDeck();
        job.sections.resize(21, job.sections.front());
        for (layout::Section &section : job.sections) {
            section.length = QStringLiteral("120000");
            section.count = 10000;
        }
        const QString failure = sheets::writeJobPdf(job, path, QPageSize(QPageSize::A4));
        QCOMPARE(failure, layout::workBudgetProblem(job));
        QVERIFY(!failure.isEmpty() && !failure.contains(path));
        QCOMPARE(QDir(folder.path()).entryList(QDir::Files | QDir::Hidden), QStringList());
    }

    // Progress counts every section, in order; stopping it ends the sheet at
    // once and leaves the old PDF as it was.
    void progressCanStopTheSheet_data()
    {
        QTest::addColumn<int>("stopAt");  // the count whose call answers false; -1: never
        QTest::newRow("runs to the end") << -1;
        QTest::newRow("stopped before the first section") << 0;
        QTest::newRow("stopped after the second section") << 2;
    }

    void progressCanStopTheSheet()
    {
        QFETCH(int, stopAt);
        QTemporaryDir folder;
        const QString path = folder.filePath(QStringLiteral("deck.pdf"));
        QFile old(path);
        QVERIFY(old.open(QIODevice::WriteOnly));
        old.write("old sheet");
        old.close();

        const layout::Job job = barDeck();
        QList<int> counts;
        bool cancelled = false;
        const QString failure = sheets::writeJobPdf(
            job, path, QPageSize(QPageSize::A4), u'.',
            [&](int done, int total) {
                counts.append(done);
                return total == int(job.sections.size()) && done != stopAt;
            },
            cancelled);

        // A section over more than one page is asked about again at each page.
        const int last = stopAt < 0 ? int(job.sections.size()) : stopAt;
        QList<int> expected;
        for (int done = 0; done <= last; ++done)
            expected.append(done);
        QVERIFY(std::is_sorted(counts.begin(), counts.end()));
        counts.erase(std::unique(counts.begin(), counts.end()), counts.end());
        QCOMPARE(counts, expected);
        QCOMPARE(cancelled, stopAt >= 0);
        QCOMPARE(failure.isEmpty(), stopAt < 0);
        QFile written(path);
        QVERIFY(written.open(QIODevice::ReadOnly));
        const QByteArray bytes = written.readAll();
        if (stopAt < 0)
            QVERIFY(bytes.startsWith("%PDF-"));
        else
            QCOMPARE(bytes, QByteArray("old sheet"));
        QCOMPARE(QDir(folder.path()).entryList(QDir::Files | QDir::Hidden), QStringList{"deck.pdf"});
    }

    // A section of many pages asks at each page, so that a Cancel answers
    // within the section rather than after it.
    void progressAnswersBetweenPages()
    {
        layout::Job job;
        layout::Section fence;
        fence.name = QStringLiteral("Fence");
        fence.length = QStringLiteral("3000");
        job.sections = {fence};
        QBuffer buffer;
        QVERIFY(buffer.open(QIODevice::WriteOnly));
        QPdfWriter writer(&buffer);
        writer.setPageLayout(sheets::sheetPageLayout(QPageSize(QPageSize::A4)));
        int calls = 0;
        bool cancelled = false;
        const QString failure = sheets::paintJobSheet(
            writer, job, u'.',
            [&calls](int done, int) {
                ++calls;
                return done == 0 && calls < 3;
            },
            cancelled);
        QCOMPARE(calls, 3);
        QVERIFY(cancelled);
        QCOMPARE(failure, QStringLiteral("cancelled"));
    }

    void paperFromTheLocale_data()
    {
        QTest::addColumn<QString>("locale");
        QTest::addColumn<QPageSize::PageSizeId>("paper");
        QTest::newRow("United States") << "en_US.UTF-8" << QPageSize::Letter;
        QTest::newRow("Spanish in the United States") << "es_US.UTF-8" << QPageSize::Letter;
        QTest::newRow("English Canada") << "en_CA.UTF-8" << QPageSize::Letter;
        QTest::newRow("French Canada") << "fr_CA" << QPageSize::Letter;
        QTest::newRow("Mexico") << "es_MX.UTF-8" << QPageSize::Letter;
        QTest::newRow("Philippines") << "fil_PH.UTF-8" << QPageSize::Letter;
        QTest::newRow("Puerto Rico") << "es_PR" << QPageSize::Letter;
        QTest::newRow("with a modifier") << "en_US.UTF-8@euro" << QPageSize::Letter;
        QTest::newRow("United Kingdom") << "en_GB.UTF-8" << QPageSize::A4;
        QTest::newRow("France") << "fr_FR.UTF-8" << QPageSize::A4;
        QTest::newRow("Spain") << "es_ES.UTF-8" << QPageSize::A4;
        QTest::newRow("Australia") << "en_AU.UTF-8" << QPageSize::A4;
        QTest::newRow("Serbian, Latin") << "sr_RS@latin" << QPageSize::A4;
        QTest::newRow("C") << "C" << QPageSize::A4;
        QTest::newRow("C.UTF-8") << "C.UTF-8" << QPageSize::A4;
        QTest::newRow("POSIX") << "POSIX" << QPageSize::A4;
        QTest::newRow("not a locale") << "USA" << QPageSize::A4;
    }

    void paperFromTheLocale()
    {
        QFETCH(QString, locale);
        QFETCH(QPageSize::PageSizeId, paper);
        QCOMPARE(sheets::paperSizeForLocale(locale).id(), paper);
    }

    void paperSettingFirst_data()
    {
        QTest::addColumn<QByteArray>("lcPaper");
        QTest::addColumn<QByteArray>("lcAll");
        QTest::addColumn<QByteArray>("lang");
        QTest::addColumn<QPageSize::PageSizeId>("paper");
        QTest::newRow("paper setting over the language")
            << QByteArray("en_US.UTF-8") << QByteArray() << QByteArray("de_DE.UTF-8") << QPageSize::Letter;
        QTest::newRow("paper setting over LC_ALL")
            << QByteArray("fr_CA.UTF-8") << QByteArray("C") << QByteArray() << QPageSize::Letter;
        QTest::newRow("LC_ALL over the language")
            << QByteArray() << QByteArray("en_GB.UTF-8") << QByteArray("en_US.UTF-8") << QPageSize::A4;
        QTest::newRow("language alone") << QByteArray() << QByteArray() << QByteArray("en_CA.UTF-8")
                                        << QPageSize::Letter;
        QTest::newRow("empty counts as unset")
            << QByteArray("") << QByteArray("") << QByteArray("es_US.UTF-8") << QPageSize::Letter;
        QTest::newRow("nothing set") << QByteArray() << QByteArray() << QByteArray() << QPageSize::A4;
    }

    void paperSettingFirst()
    {
        QFETCH(QByteArray, lcPaper);
        QFETCH(QByteArray, lcAll);
        QFETCH(QByteArray, lang);
        QFETCH(QPageSize::PageSizeId, paper);
        const QByteArray saved[] = {qgetenv("LC_PAPER"), qgetenv("LC_ALL"), qgetenv("LANG")};
        const char *names[] = {"LC_PAPER", "LC_ALL", "LANG"};
        const QByteArray values[] = {lcPaper, lcAll, lang};
        for (int index = 0; index < 3; ++index)
            qputenv(names[index], values[index]);
        const QPageSize::PageSizeId chosen = sheets::defaultPaperSize().id();
        for (int index = 0; index < 3; ++index)
            qputenv(names[index], saved[index]);
        QCOMPARE(chosen, paper);
    }
};

QTEST_MAIN(TestJobSheet)
#include "tst_job_sheet.moc"
