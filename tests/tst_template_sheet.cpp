// SPDX-License-Identifier: LicenseRef-proprietary
#include "recording_paint_device.h"
#include "run.h"
#include "section_layout.h"
#include "template_sheet.h"

#include <QBuffer>
#include <QPageLayout>
#include <QPainter>
#include <QPdfWriter>
#include <QRegularExpression>
#include <QTest>

#include <cmath>
#include <set>

using layout::Job;
using layout::Section;
using layout::SectionLayout;

namespace {

constexpr int kDpi = 1200;
const double kMillimetre = kDpi / 25.4;

// The paintable area of a landscape Letter page with 10 mm margins, in inches.
QSizeF letterLandscape()
{
    return QPageLayout(QPageSize(QPageSize::Letter), QPageLayout::Landscape, QMarginsF(10, 10, 10, 10),
                       QPageLayout::Millimeter)
        .paintRect(QPageLayout::Inch)
        .size();
}

std::vector<RecordingPaintDevice::Recording> paintAll(const sheets::TemplatePlan &plan, QSizeF page)
{
    std::vector<RecordingPaintDevice::Recording> pages;
    for (int index = 0; index < plan.pageCount(); ++index) {
        RecordingPaintDevice device(QSize(int(page.width() * kDpi), int(page.height() * kDpi)), kDpi);
        QPainter painter(&device);
        plan.paintPage(painter, index);
        painter.end();
        pages.push_back(device.recording());
    }
    return pages;
}

// Upright lines at least an inch long: post faces, centre lines and glue
// lines, never a ruler's tick.
std::vector<double> longUprightLines(const RecordingPaintDevice::Recording &page)
{
    std::vector<double> found;
    for (const QLineF &line : page.lines) {
        if (std::abs(line.dx()) < 1e-6 && std::abs(line.dy()) >= kDpi)
            found.push_back(line.x1());
    }
    return found;
}

// The left and right sides of every outlined shape at least an inch tall.
std::vector<double> tallShapeSides(const RecordingPaintDevice::Recording &page)
{
    std::vector<double> found;
    for (const QPolygonF &shape : page.shapes) {
        const QRectF bounds = shape.boundingRect();
        if (bounds.height() >= kDpi) {
            found.push_back(bounds.left());
            found.push_back(bounds.right());
        }
    }
    return found;
}

// Where the upright dashed lines of a page stand: trim and join lines.
std::vector<double> uprightDashedLines(const RecordingPaintDevice::Recording &page)
{
    std::vector<double> found;
    for (const QLineF &line : page.dashedLines) {
        if (std::abs(line.dx()) < 1e-6)
            found.push_back(line.x1());
    }
    return found;
}

bool near(const std::vector<double> &positions, double expected, double tolerance)
{
    return std::any_of(positions.begin(), positions.end(),
                       [&](double position) { return std::abs(position - expected) <= tolerance; });
}

Section sectionOf(const QString &name, const QString &length)
{
    Section section;
    section.name = name;
    section.length = length;
    return section;
}

}  // namespace

class TestTemplateSheet : public QObject
{
    Q_OBJECT

private slots:
    // Every post face, railpin edge and centre line lies within 0.2 mm of its
    // exact place along the strip, on every page that shows it; pages follow
    // each other overlapping by exactly an inch (25 mm); the check bar is
    // within 0.1 mm on every page.
    void drawnAtFullSize_data()
    {
        QTest::addColumn<bool>("metric");
        QTest::addColumn<QString>("length");
        QTest::addColumn<QString>("width");
        QTest::addColumn<bool>("halfEnds");
        QTest::addColumn<QString>("rise");
        QTest::addColumn<QString>("run");
        QTest::newRow("level") << false << "36"
                               << "1 3/8" << false << ""
                               << "";
        QTest::newRow("half gaps") << false << "36"
                                   << "1 3/8" << true << ""
                                   << "";
        QTest::newRow("stair") << false << "48"
                               << "1 1/2" << false << "7 1/2"
                               << "10";
        QTest::newRow("metric") << true << "914"
                                << "35" << false << ""
                                << "";
        // Twenty pages: an error that grows from page to page would show.
        QTest::newRow("long level") << false << "200 3/16"
                                    << "1 3/8" << false << ""
                                    << "";
        QTest::newRow("long metric stair") << true << "5000"
                                           << "35" << true << "180"
                                           << "250";
    }

    void drawnAtFullSize()
    {
        QFETCH(bool, metric);
        QFETCH(QString, length);
        QFETCH(QString, width);
        QFETCH(bool, halfEnds);
        QFETCH(QString, rise);
        QFETCH(QString, run);
        Job job;
        job.name = QStringLiteral("Deck");
        job.unit = metric ? layout::Unit::Millimetres : layout::Unit::Inches;
        job.maximumGap = metric ? QStringLiteral("100") : QStringLiteral("4");
        Section section = sectionOf(QStringLiteral("Front"), length);
        section.railpinWidth = width;
        section.ends = halfEnds ? layout::Ends::Half : layout::Ends::Full;
        if (!rise.isEmpty())
            section.stair = layout::Stair{rise, run, std::nullopt};
        job.sections = {section};
        const std::vector<SectionLayout> layouts{layout::layOut(job, section)};
        QVERIFY2(layouts[0].laidOut(), qPrintable(layouts[0].problems.join(u' ')));

        const QSizeF page = letterLandscape();
        const sheets::TemplatePlan plan(job, layouts, page);
        const std::vector<RecordingPaintDevice::Recording> pages = paintAll(plan, page);
        QVERIFY(pages.size() > 1);

        const double unit = metric ? kMillimetre : kDpi;  // device units per unit of the job
        const double overlap = metric ? 25 * kMillimetre : kDpi;
        const double step = page.width() * kDpi - overlap;
        // The left post face: the first page's leftmost long line.
        const std::vector<double> firstLines = longUprightLines(pages[0]);
        QVERIFY(!firstLines.empty());
        const double leftFace = *std::min_element(firstLines.begin(), firstLines.end());
        QVERIFY(leftFace > 0);

        const double tolerance = 0.2 * kMillimetre;
        const double alongTheRail = layouts[0].horizontalRun / layouts[0].cosine;
        const double lastPageWidth = page.width() * kDpi;
        int rightFaces = 0;
        for (std::size_t index = 0; index < pages.size(); ++index) {
            const std::vector<double> lines = longUprightLines(pages[index]);
            const std::vector<double> sides = tallShapeSides(pages[index]);
            const auto onPage = [&](double position) { return leftFace + position * unit - double(index) * step; };
            const auto shown = [&](double x) { return x >= 0 && x <= lastPageWidth; };
            for (const layout::RailpinMarks &railpin : layouts[0].marks) {
                if (!shown(onPage(railpin.leftEdge)) || !shown(onPage(railpin.rightEdge)))
                    continue;
                QVERIFY2(
                    near(lines, onPage(railpin.centre), tolerance),
                    qPrintable(QStringLiteral("centre of railpin %1 on page %2").arg(railpin.railpin).arg(index + 1)));
                QVERIFY2(near(sides, onPage(railpin.leftEdge), tolerance),
                         qPrintable(
                             QStringLiteral("left edge of railpin %1 on page %2").arg(railpin.railpin).arg(index + 1)));
                QVERIFY2(
                    near(sides, onPage(railpin.rightEdge), tolerance),
                    qPrintable(
                        QStringLiteral("right edge of railpin %1 on page %2").arg(railpin.railpin).arg(index + 1)));
            }
            if (shown(onPage(alongTheRail))) {
                QVERIFY2(near(lines, onPage(alongTheRail), tolerance),
                         qPrintable(QStringLiteral("right post face on page %1").arg(index + 1)));
                ++rightFaces;
            }

            const double bar = metric ? 150 * kMillimetre : 6.0 * kDpi;
            QVERIFY2(std::any_of(pages[index].shapes.begin(), pages[index].shapes.end(),
                                 [&](const QPolygonF &shape) {
                                     return std::abs(shape.boundingRect().width() - bar) <= 0.1 * kMillimetre;
                                 }),
                     qPrintable(QStringLiteral("check bar on page %1").arg(index + 1)));
            // Texts in more than one font or over two lines come in pieces:
            // they are joined as painted.
            const QString texts = pages[index].texts.join(QString());
            const auto containsWrapped = [&texts](const QString &wanted) {
                return QString(texts).remove(u' ').contains(QString(wanted).remove(u' '));
            };
            QVERIFY(texts.contains(QStringLiteral("page %1 of %2").arg(index + 1).arg(pages.size())));
            QVERIFY(texts.contains(metric ? QStringLiteral("This bar must measure exactly 150 mm.")
                                          : QStringLiteral("This bar must measure exactly 6 in.")));
            // Each join says how to make it, naming the neighbouring page.
            if (index > 0)
                QVERIFY(containsWrapped(
                    QStringLiteral("Trim along this dashed line, lay it on the dashed line of page %1, tape")
                        .arg(index)));
            if (index + 1 < pages.size())
                QVERIFY(containsWrapped(
                    QStringLiteral("Page %1 is laid here: its trimmed edge on this dashed line").arg(index + 2)));
            // No trim or join line runs through a number or a word.
            for (const QLineF &line : pages[index].dashedLines) {
                for (const QRectF &box : pages[index].textBoxes) {
                    const QRectF inside = box.adjusted(1, 1, -1, -1);
                    QVERIFY2(!(line.x1() > inside.left() && line.x1() < inside.right() &&
                               std::max(line.y1(), line.y2()) > inside.top() &&
                               std::min(line.y1(), line.y2()) < inside.bottom()),
                             qPrintable(QStringLiteral("a dashed line through a text on page %1").arg(index + 1)));
                }
            }
        }
        QVERIFY(rightFaces >= 1);
        QVERIFY(pages.front().texts.contains(QStringLiteral("left post")));
        QVERIFY(pages.back().texts.contains(QStringLiteral("right post")));
        // The first page is trimmed at the left post face, so that it butts
        // against the post; the last at the right one.
        QVERIFY(near(uprightDashedLines(pages.front()), leftFace, tolerance));
        const auto joined = [](const RecordingPaintDevice::Recording &page) {
            return page.texts.join(QString()).remove(u' ');
        };
        QVERIFY(joined(pages.front()).contains(QStringLiteral("Trimalongthislineandbuttitagainstthepostface")));
        QVERIFY(joined(pages.back()).contains(QStringLiteral("Trimalongthisline:itmeetstherightpostface")));
        if (!rise.isEmpty())
            QVERIFY(pages.front().texts.join(QString()).contains(QStringLiteral("Full-size template along the rail")));
    }

    // A railpin that a page shows only in part is drawn on that page all the
    // same, outline and number: at a page's start, at its end, and with an
    // edge exactly on the page's edge. 40 in with 14 railpins of 1 1/4 has
    // gaps of exactly 1 1/2; pages 10 in wide start every 9 in from -3/4, so
    // railpin 3 ends exactly where page 2 starts (8 1/4) and railpin 13
    // straddles the start of page 5 (35 1/4).
    void straddlingRailpinsOnEveryPage_data()
    {
        QTest::addColumn<QSizeF>("page");
        QTest::addColumn<int>("straddlers");  // railpins shown in part on some page, at least
        QTest::newRow("10 in pages, an edge on a page's edge") << QSizeF(10, 7.5) << 3;
        // 10 1/2 in pages: railpin 4 begins exactly where page 1 ends (9 3/4).
        QTest::newRow("10 1/2 in pages, an edge on a page's end") << QSizeF(10.5, 7.5) << 3;
        QTest::newRow("Letter, landscape") << letterLandscape() << 1;
    }
    void straddlingRailpinsOnEveryPage()
    {
        QFETCH(QSizeF, page);
        QFETCH(int, straddlers);
        Job job;
        job.maximumGap = QStringLiteral("4");
        Section section = sectionOf(QStringLiteral("Front"), QStringLiteral("40"));
        section.railpinWidth = QStringLiteral("1 1/4");
        section.count = 14;
        job.sections = {section};
        const std::vector<SectionLayout> layouts{layout::layOut(job, section)};
        QVERIFY(layouts[0].laidOut());
        QCOMPARE(layouts[0].exactGap, 1.5);
        const sheets::TemplatePlan plan(job, layouts, page);
        const std::vector<RecordingPaintDevice::Recording> pages = paintAll(plan, page);
        const std::vector<double> firstLines = longUprightLines(pages[0]);
        QVERIFY(!firstLines.empty());
        const double leftFace = *std::min_element(firstLines.begin(), firstLines.end());
        const double step = (page.width() - 1) * kDpi;  // pages overlap by an inch
        const double pageWidth = page.width() * kDpi;
        std::set<qint64> inPart;
        for (std::size_t index = 0; index < pages.size(); ++index) {
            const std::vector<double> sides = tallShapeSides(pages[index]);
            for (const layout::RailpinMarks &railpin : layouts[0].marks) {
                const double left = leftFace + railpin.leftEdge * kDpi - double(index) * step;
                const double right = leftFace + railpin.rightEdge * kDpi - double(index) * step;
                if (right < -0.5 || left > pageWidth + 0.5)
                    continue;
                if (left < -0.5 || right > pageWidth + 0.5 || std::abs(left) <= 0.5 || std::abs(right) <= 0.5 ||
                    std::abs(left - pageWidth) <= 0.5 || std::abs(right - pageWidth) <= 0.5)
                    inPart.insert(railpin.railpin);
                const QString where = QStringLiteral("railpin %1 on page %2").arg(railpin.railpin).arg(index + 1);
                QVERIFY2(near(sides, left, 0.5) && near(sides, right, 0.5), qPrintable(where));
                QVERIFY2(pages[index].texts.contains(QString::number(railpin.railpin)), qPrintable(where));
            }
        }
        QVERIFY2(int(inPart.size()) >= straddlers, qPrintable(QString::number(inPart.size())));
    }

    // Sections that would be marked the same share one strip naming all of
    // them; a different one gets its own.
    void sameLayoutsShareAStrip()
    {
        Job job;
        job.sections = {sectionOf(QStringLiteral("Front"), QStringLiteral("36")),
                        sectionOf(QStringLiteral("Stair"), QStringLiteral("36")),
                        sectionOf(QStringLiteral("Back"), QStringLiteral("36"))};
        job.sections[1].stair = layout::Stair{QStringLiteral("7"), QStringLiteral("11"), std::nullopt};
        std::vector<SectionLayout> layouts;
        for (const Section &section : job.sections)
            layouts.push_back(layout::layOut(job, section));
        const QSizeF page = letterLandscape();
        const sheets::TemplatePlan plan(job, layouts, page);
        QCOMPARE(plan.stripCount(), 2);
        const std::vector<RecordingPaintDevice::Recording> pages = paintAll(plan, page);
        QVERIFY(pages.front().texts.join(u' ').contains(QStringLiteral("Front, Back")));
        QVERIFY(!pages.front().texts.join(u' ').contains(QStringLiteral("Stair")));
        QVERIFY(pages.back().texts.join(u' ').contains(QStringLiteral("Stair")));
        // Each strip counts its own pages: the stair's last page is its page N of N.
        const QRegularExpressionMatch footer =
            QRegularExpression(QStringLiteral("page (\\d+) of (\\d+)")).match(pages.back().texts.join(u' '));
        QVERIFY(footer.hasMatch());
        QCOMPARE(footer.captured(1), footer.captured(2));
        QVERIFY(footer.captured(2).toInt() < int(pages.size()));
    }

    // The strip starts at the post face whatever the marks are from; its
    // words say what each railpin's numbers are from, and a section marked
    // from another reference gets a strip of its own.
    void marksNameTheirReference_data()
    {
        QTest::addColumn<int>("between");    // layout::MeasuredBetween
        QTest::addColumn<int>("marksFrom");  // layout::MarksFrom
        QTest::addColumn<QStringList>("expected");
        QTest::addColumn<QString>("absent");
        using layout::MarksFrom;
        using layout::MeasuredBetween;
        QTest::newRow("between faces") << int(MeasuredBetween::Faces) << int(MarksFrom::Faces)
                                       << QStringList{"left post", "4 1/2 in from left", "inches from the left post"}
                                       << "from left face";
        QTest::newRow("between centres, from faces")
            << int(MeasuredBetween::Centres) << int(MarksFrom::Faces)
            << QStringList{"left post face", "4 5/8 in from left face", "4 5/8 in from right face",
                           "inches from the left post face"}
            << "centre";
        // The worked example: each 1 3/4 in further than from the faces.
        QTest::newRow("between centres, from centres")
            << int(MeasuredBetween::Centres) << int(MarksFrom::Centres)
            << QStringList{"left post face", "6 3/8 in from left centre", "6 3/8 in from right centre",
                           "inches from the left post face"}
            << "from left face";
    }
    void marksNameTheirReference()
    {
        QFETCH(int, between);
        QFETCH(int, marksFrom);
        QFETCH(QStringList, expected);
        QFETCH(QString, absent);
        Job job;
        job.railpinWidth = QStringLiteral("1 1/2");
        job.measuredBetween = layout::MeasuredBetween(between);
        job.postWidth = QStringLiteral("3 1/2");
        job.marksFrom = layout::MarksFrom(marksFrom);
        job.sections = {sectionOf(QStringLiteral("Front"), QStringLiteral("72"))};
        std::vector<SectionLayout> layouts{layout::layOut(job, job.sections.front())};
        const QSizeF page = letterLandscape();
        const sheets::TemplatePlan plan(job, layouts, page);
        const std::vector<RecordingPaintDevice::Recording> pages = paintAll(plan, page);
        QString text;
        for (const RecordingPaintDevice::Recording &recorded : pages)
            text += recorded.texts.join(u'|') + u'|';
        for (const QString &words : expected)
            QVERIFY2(text.contains(words), qPrintable(words + QStringLiteral(" not in ") + text));
        QVERIFY2(!text.contains(absent), qPrintable(text));

        // Beside one between faces, the same clear span marked from the centres is a strip of its own.
        Job both = job;
        both.sections.push_back(both.sections.front());
        both.sections.back().measuredBetween = layout::MeasuredBetween::Faces;
        both.sections.back().length = QString::number(layouts.front().length);
        std::vector<SectionLayout> bothLayouts;
        for (const Section &section : both.sections)
            bothLayouts.push_back(layout::layOut(both, section));
        QCOMPARE(bothLayouts[0].length, bothLayouts[1].length);
        const bool same = bothLayouts[0].reference == bothLayouts[1].reference &&
                          bothLayouts[0].referenceShift == bothLayouts[1].referenceShift;
        QCOMPARE(sheets::TemplatePlan(both, bothLayouts, page).stripCount(), same ? 1 : 2);
    }

    // A run's equal bays share one strip; a bay beside a wall is longer and gets its own.
    void equalBaysShareAStrip_data()
    {
        QTest::addColumn<int>("start");  // layout::RunEnd
        QTest::addColumn<int>("strips");
        QTest::newRow("post to post") << int(layout::RunEnd::Post) << 1;
        QTest::newRow("wall to post") << int(layout::RunEnd::Wall) << 2;
    }

    void equalBaysShareAStrip()
    {
        QFETCH(int, start);
        QFETCH(int, strips);
        Job job;
        job.postWidth = QStringLiteral("3 1/2");
        job.maxPostSpacing = QStringLiteral("72");
        job.runs = {layout::Run{}};
        job.runs.front().name = QStringLiteral("Front");
        job.runs.front().length = QStringLiteral("207");
        job.runs.front().start = layout::RunEnd(start);
        layout::deriveBays(job);
        std::vector<SectionLayout> layouts;
        for (const Section &section : job.sections)
            layouts.push_back(layout::layOut(job, section));
        const sheets::TemplatePlan plan(job, layouts, letterLandscape());
        QCOMPARE(plan.stripCount(), strips);
    }

    // A template of more than 500 pages is refused as too large, not written.
    void tooManyPagesRefused()
    {
        Job job;
        job.sections = {sectionOf(QStringLiteral("Pier"), QStringLiteral("6000"))};
        const sheets::TemplatePdf made =
            sheets::templatePdf(job, {layout::layOut(job, job.sections[0])}, QPageSize(QPageSize::Letter));
        QVERIFY(made.tooLarge);
        QVERIFY(made.bytes.isEmpty());
        QVERIFY2(made.failure.contains(QStringLiteral("500")), qPrintable(made.failure));
    }

    // Progress is asked before each page and once at the end; a stop ends
    // painting between pages, with only the pages before it painted.
    void stopsBetweenPages_data()
    {
        QTest::addColumn<int>("stopAt");  // -1: never
        QTest::newRow("runs to the end") << -1;
        QTest::newRow("before the first page") << 0;
        QTest::newRow("before the third page") << 2;
    }
    void stopsBetweenPages()
    {
        QFETCH(int, stopAt);
        Job job;
        job.sections = {sectionOf(QStringLiteral("Front"), QStringLiteral("60"))};
        const std::vector<SectionLayout> layouts{layout::layOut(job, job.sections[0])};
        QByteArray pdf;
        QBuffer buffer(&pdf);
        QVERIFY(buffer.open(QIODevice::WriteOnly));
        QList<QPair<int, int>> asked;
        bool cancelled = false;
        QString error;
        int pages = 0;
        {
            QPdfWriter writer(&buffer);
            writer.setPageLayout(QPageLayout(QPageSize(QPageSize::Letter), QPageLayout::Landscape,
                                             QMarginsF(10, 10, 10, 10), QPageLayout::Millimeter));
            pages = sheets::TemplatePlan(job, layouts, letterLandscape()).pageCount();
            QVERIFY(pages > 3);
            error = sheets::paintTemplate(
                writer, job, layouts, u'.',
                [&](int done, int total) {
                    asked.append({done, total});
                    return done != stopAt;
                },
                cancelled);
        }
        QCOMPARE(cancelled, stopAt >= 0);
        QCOMPARE(error.isEmpty(), stopAt < 0);
        QList<QPair<int, int>> expected;
        for (int done = 0; done <= (stopAt < 0 ? pages : stopAt); ++done)
            expected.append({done, pages});
        QCOMPARE(asked, expected);
        if (stopAt < 0)
            QCOMPARE(pdf.count("/Type /Page\n"), pages);
    }
};

QTEST_MAIN(TestTemplateSheet)
#include "tst_template_sheet.moc"
