// SPDX-License-Identifier: LicenseRef-proprietary
#include "measurement.h"
#include "recording_paint_device.h"
#include "section_drawing.h"
#include "section_layout.h"

#include <QPainter>
#include <QRegularExpression>
#include <QTest>

#include <algorithm>
#include <cmath>

Q_DECLARE_METATYPE(layout::Job)

namespace {

constexpr double kTolerance = 0.005;  // drawn lengths within 0.5 % of the stated scale

layout::Job jobOf(layout::Unit unit, const QString &width, const QString &maximumGap, layout::Section section)
{
    layout::Job job;
    job.name = QStringLiteral("Deck");
    job.unit = unit;
    job.railpinWidth = width;
    job.maximumGap = maximumGap;
    job.sections.push_back(std::move(section));
    return job;
}

layout::Section sectionOf(const QString &length, layout::Ends ends = layout::Ends::Full,
                          std::optional<layout::Stair> stair = std::nullopt)
{
    layout::Section section;
    section.name = QStringLiteral("Front");
    section.length = length;
    section.ends = ends;
    section.stair = std::move(stair);
    return section;
}

double minX(const QPolygonF &shape)
{
    return shape.boundingRect().left();
}

double maxX(const QPolygonF &shape)
{
    return shape.boundingRect().right();
}

bool near(double drawn, double expected)
{
    return std::abs(drawn - expected) <= kTolerance * std::abs(expected) + 1e-9;
}

}  // namespace

class TestSectionDrawing : public QObject
{
    Q_OBJECT

private slots:
    // A section that exactly fills the drawing's width at a familiar scale is
    // drawn at that scale, not the next smaller one. 36 in and two 3 1/2 in
    // posts are 43 in: 2,150 dots at 1,200 dpi are 1:24 exactly.
    void exactFitKeepsTheScale_data()
    {
        QTest::addColumn<double>("width");  // of the area, in dots
        QTest::addColumn<QString>("scale");
        QTest::newRow("exactly 1:12") << 4300.0 << "Scale 1:12";
        QTest::newRow("a dot short of 1:12") << 4299.0 << "Scale 1:16";
        QTest::newRow("exactly 1:24") << 2150.0 << "Scale 1:24";
        QTest::newRow("a dot short of 1:24") << 2149.0 << "Scale 1:32";
    }
    void exactFitKeepsTheScale()
    {
        QFETCH(double, width);
        QFETCH(QString, scale);
        const layout::Job job = jobOf(layout::Unit::Inches, "1 3/8", "4", sectionOf("36"));
        const layout::SectionLayout laidOut = layout::layOut(job, job.sections.front());
        RecordingPaintDevice paper(QSize(5000, 5000), 1200);
        QPainter painter(&paper);
        QCOMPARE(sheets::drawSection(painter, QRectF(0, 0, width, 4000), job, laidOut).text, scale);
    }

    void drawnToTheStatedScale_data()
    {
        QTest::addColumn<layout::Job>("job");
        QTest::addColumn<QSize>("device");
        QTest::addColumn<int>("dpi");

        const QSize sheet(9000, 2600);  // a sheet's drawing box at 1200 dpi
        const layout::Stair rake{QStringLiteral("7 1/2"), QStringLiteral("10"), std::nullopt, {}};
        QTest::newRow("level, full ends")
            << jobOf(layout::Unit::Inches, "1 3/8", "4", sectionOf("36")) << sheet << 1200;
        QTest::newRow("level, half ends")
            << jobOf(layout::Unit::Inches, "1 3/8", "4", sectionOf("36", layout::Ends::Half)) << sheet << 1200;
        QTest::newRow("long deck side") << jobOf(layout::Unit::Inches, "1 1/2", "4", sectionOf("480")) << sheet << 1200;
        QTest::newRow("short section in a tall area")
            << jobOf(layout::Unit::Inches, "1 3/8", "4", sectionOf("10")) << QSize(2000, 6000) << 1200;
        QTest::newRow("stair by rise and run")
            << jobOf(layout::Unit::Inches, "1 1/2", "4", sectionOf("48", layout::Ends::Full, rake)) << sheet << 1200;
        QTest::newRow("steep stair by angle")
            << jobOf(layout::Unit::Inches, "1 1/2", "4",
                     sectionOf("96", layout::Ends::Full, layout::Stair{{}, {}, 45.0, {}}))
            << sheet << 1200;
        QTest::newRow("millimetres") << jobOf(layout::Unit::Millimetres, "35", "100", sectionOf("914")) << sheet
                                     << 1200;
        QTest::newRow("millimetre stair")
            << jobOf(layout::Unit::Millimetres, "35", "100",
                     sectionOf("2400", layout::Ends::Half, layout::Stair{"180", "250", std::nullopt, {}}))
            << sheet << 1200;
        layout::Job balanced = jobOf(layout::Unit::Inches, "1 1/2", "4", sectionOf("72 1/2"));
        balanced.designGap = QStringLiteral("3 1/2");
        balanced.spacing = layout::Spacing::Same;
        balanced.centre = layout::Centre::Railpin;
        balanced.measuredBetween = layout::MeasuredBetween::Centres;
        balanced.postWidth = QStringLiteral("5 1/2");
        QTest::newRow("same spacing between post centres") << balanced << sheet << 1200;
        layout::Job centredStair = jobOf(layout::Unit::Inches, "1 1/2", "4", sectionOf("48", layout::Ends::Full, rake));
        centredStair.centre = layout::Centre::Gap;
        QTest::newRow("stair with a gap at mid-span") << centredStair << sheet << 1200;
        QTest::newRow("a window at 96 dpi")
            << jobOf(layout::Unit::Inches, "1 3/8", "4", sectionOf("71 1/2")) << QSize(700, 260) << 96;
    }

    void drawnToTheStatedScale()
    {
        QFETCH(layout::Job, job);
        QFETCH(QSize, device);
        QFETCH(int, dpi);
        const layout::SectionLayout laidOut = layout::layOut(job, job.sections.front());
        QVERIFY2(laidOut.laidOut(), qPrintable(laidOut.problems.join(u'\n')));

        RecordingPaintDevice paper(device, dpi);
        const QRectF area(QPointF(0, 0), QSizeF(device));
        QPainter painter(&paper);
        const sheets::DrawingScale scale = sheets::drawSection(painter, area, job, laidOut);
        painter.end();
        const RecordingPaintDevice::Recording &drawn = paper.recording();

        // The scale stated is the scale drawn.
        const QRegularExpressionMatch stated = QRegularExpression(QStringLiteral("^Scale 1:(\\d+)$")).match(scale.text);
        QVERIFY2(stated.hasMatch(), qPrintable(scale.text));
        QVERIFY(drawn.texts.contains(scale.text));
        const double unitsPerPaperUnit = job.unit == layout::Unit::Millimetres ? dpi / 25.4 : dpi;
        const double s = unitsPerPaperUnit / stated.captured(1).toDouble();
        QVERIFY2(near(scale.devicePerUnit, s), qPrintable(QString::number(scale.devicePerUnit)));

        // Two posts and a shape per railpin, all within the area.
        std::vector<QPolygonF> shapes = drawn.shapes;
        QCOMPARE(qint64(shapes.size()), laidOut.count + 2);
        for (const QPolygonF &shape : shapes) {
            for (const QPointF &point : shape)
                QVERIFY(area.adjusted(-1, -1, 1, 1).contains(point));
        }
        std::sort(shapes.begin(), shapes.end(),
                  [](const QPolygonF &a, const QPolygonF &b) { return minX(a) < minX(b); });
        const double leftFace = maxX(shapes.front());
        const double rightFace = minX(shapes.back());
        const double run = laidOut.stair ? laidOut.horizontalRun : laidOut.length;
        QVERIFY2(near(rightFace - leftFace, run * s), qPrintable(QString::number((rightFace - leftFace) / s)));

        // Each railpin as wide as it is and where its marks put it.
        const auto &marks = laidOut.stair ? laidOut.horizontalMarks : laidOut.marks;
        for (std::size_t index = 0; index < marks.size(); ++index) {
            const QPolygonF &railpin = shapes[index + 1];
            QVERIFY(near(maxX(railpin) - minX(railpin), laidOut.railpinWidth * s));
            QVERIFY(near(minX(railpin) - leftFace, marks[index].leftEdge * s));
            QVERIFY(near(maxX(railpin) - leftFace, marks[index].rightEdge * s));
            if (!laidOut.stair) {
                // Level railpins are upright rectangles: every corner on the bounding box's corners.
                const QRectF box = railpin.boundingRect();
                for (const QPointF &corner : railpin) {
                    QVERIFY(corner.x() == box.left() || corner.x() == box.right());
                    QVERIFY(corner.y() == box.top() || corner.y() == box.bottom());
                }
            }
        }

        // A stair's rail: as long as the section along the rail, at its slope,
        // so the scale is the same in both directions.
        if (laidOut.stair) {
            const auto rail =
                std::max_element(drawn.lines.begin(), drawn.lines.end(),
                                 [](const QLineF &a, const QLineF &b) { return a.length() < b.length(); });
            QVERIFY(rail != drawn.lines.end());
            QVERIFY2(near(rail->length(), laidOut.length * s), qPrintable(QString::number(rail->length() / s)));
            const double slope = std::abs(rail->dy() / rail->dx());
            QVERIFY(near(slope, std::tan(laidOut.slopeDegrees * M_PI / 180)));
        }

        // A level section is drawn at the largest familiar scale that fits its
        // width; those scales lie at most 2.5 times apart.
        if (!laidOut.stair) {
            const double drawnWidth = maxX(shapes.back()) - minX(shapes.front());
            QVERIFY2(drawnWidth >= area.width() / 2.5, qPrintable(QString::number(drawnWidth / area.width())));
        }

        // The first gap is dimensioned as the table and the sheet write the
        // gap (a millimetre gap reads 83.6, not a mark rounded to the step);
        // a lone railpin with half ends stands half a gap from the post.
        const double gapSize = marks.size() > 1 ? marks[1].leftEdge - marks[0].rightEdge : marks[0].leftEdge;
        const layout::GapText shown = layout::gapText(laidOut, job);
        const QString gapText = marks.size() == 1 && laidOut.ends == layout::Ends::Half ? layout::markText(gapSize, job)
                                : shown.fraction.isEmpty()                              ? shown.decimal
                                                                                        : shown.fraction;
        QVERIFY2(std::any_of(drawn.texts.begin(), drawn.texts.end(),
                             [&gapText](const QString &text) { return text.startsWith(gapText + u' '); }),
                 qPrintable(drawn.texts.join(u'|')));

        // A layout centred on mid-span shows the middle and its end gap.
        const bool centred = laidOut.spacing == layout::Spacing::Same || laidOut.centre != layout::Centre::Either;
        const double middle = leftFace + run / 2 * s;
        const bool middleDrawn = std::any_of(drawn.lines.begin(), drawn.lines.end(), [middle](const QLineF &line) {
            return line.dx() == 0 && std::abs(line.x1() - middle) < 1;
        });
        QCOMPARE(middleDrawn, centred);
        if (centred) {
            const QString endGap = layout::markText(laidOut.endGap, job) + u' ';
            QVERIFY2(std::any_of(drawn.texts.begin(), drawn.texts.end(),
                                 [&endGap](const QString &text) { return text.startsWith(endGap); }),
                     qPrintable(drawn.texts.join(u'|')));
        }
    }

    // A long section is drawn in pieces at one scale where every railpin's
    // number can be read: each railpin once, numbered as in the marks table,
    // and every distinct gap dimensioned.
    void longSectionInReadablePieces_data()
    {
        QTest::addColumn<layout::Job>("job");
        QTest::addColumn<bool>("inPieces");
        QTest::newRow("36 in deck front, whole") << jobOf(layout::Unit::Inches, "1 3/8", "4", sectionOf("36")) << false;
        QTest::newRow("40 ft deck side") << jobOf(layout::Unit::Inches, "1 1/2", "4", sectionOf("480")) << true;
        QTest::newRow("100 ft fence") << jobOf(layout::Unit::Inches, "1 3/8", "4", sectionOf("1200")) << true;
        QTest::newRow("half ends") << jobOf(layout::Unit::Inches, "1 3/8", "4", sectionOf("300", layout::Ends::Half))
                                   << true;
        QTest::newRow("long stair") << jobOf(layout::Unit::Inches, "1 1/2", "4",
                                             sectionOf("240", layout::Ends::Full,
                                                       layout::Stair{"7 1/2", "10", std::nullopt, {}}))
                                    << true;
        QTest::newRow("12 m in millimetres")
            << jobOf(layout::Unit::Millimetres, "35", "100", sectionOf("12000", layout::Ends::Half)) << true;
    }

    void longSectionInReadablePieces()
    {
        QFETCH(layout::Job, job);
        QFETCH(bool, inPieces);
        const layout::SectionLayout laidOut = layout::layOut(job, job.sections.front());
        QVERIFY2(laidOut.laidOut(), qPrintable(laidOut.problems.join(u'\n')));
        const auto &marks = laidOut.stair ? laidOut.horizontalMarks : laidOut.marks;

        const QSize size(9000, 2600);
        const QRectF area(QPointF(0, 0), QSizeF(size));
        int pieces = 0;
        {
            RecordingPaintDevice measuring(size);
            QPainter painter(&measuring);
            pieces = sheets::drawingPieces(painter, QSizeF(size), job, laidOut);
        }
        QCOMPARE(pieces > 1, inPieces);

        QStringList texts;
        qsizetype shapes = 0;
        double scale = 0;
        for (int piece = 0; piece < pieces; ++piece) {
            RecordingPaintDevice paper(size);
            QPainter painter(&paper);
            const sheets::DrawingScale drawn = sheets::drawSection(painter, area, job, laidOut, u'.', piece, pieces);
            painter.end();
            QVERIFY2(piece == 0 || drawn.devicePerUnit == scale, "every piece at one scale");
            scale = drawn.devicePerUnit;
            texts += paper.recording().texts;
            shapes += qsizetype(paper.recording().shapes.size());
            for (const QPolygonF &shape : paper.recording().shapes) {
                for (const QPointF &point : shape)
                    QVERIFY(area.adjusted(-1, -1, 1, 1).contains(point));
            }
            if (pieces > 1)
                QVERIFY2(drawn.text.endsWith(QStringLiteral(", part %1 of %2").arg(piece + 1).arg(pieces)),
                         qPrintable(drawn.text));
        }
        // Two posts and every railpin once.
        QCOMPARE(shapes, qsizetype(marks.size()) + 2);
        // Neighbouring railpins at least a sixth of an inch apart on paper (1200 dpi).
        QVERIFY2((marks[1].centre - marks[0].centre) * scale >= 1200.0 / 6, qPrintable(QString::number(scale)));
        for (const layout::RailpinMarks &mark : marks)
            QCOMPARE(texts.count(QString::number(mark.railpin)), 1);

        // The gap, and with half ends the post's half gap.
        const layout::GapText gap = layout::gapText(laidOut, job);
        const QString unit = u' ' + layout::unitName(job.unit);
        QVERIFY2(texts.contains((gap.fraction.isEmpty() ? gap.decimal : gap.fraction) + unit),
                 qPrintable(texts.join(u'|')));
        if (laidOut.ends == layout::Ends::Half)
            QVERIFY2(texts.contains(layout::markText(marks[0].leftEdge, job) + unit), qPrintable(texts.join(u'|')));
    }

    void problemDrawnAsText_data()
    {
        QTest::addColumn<layout::Job>("job");
        QTest::newRow("unreadable length") << jobOf(layout::Unit::Inches, "1 3/8", "4", sectionOf("abc"));
        QTest::newRow("railpins do not fit") << jobOf(layout::Unit::Inches, "5", "4", sectionOf("4 1/2"));
        QTest::newRow("slope of 60 degrees") << jobOf(
            layout::Unit::Inches, "1 3/8", "4", sectionOf("48", layout::Ends::Full, layout::Stair{{}, {}, 60.0, {}}));
    }

    void problemDrawnAsText()
    {
        QFETCH(layout::Job, job);
        const layout::SectionLayout laidOut = layout::layOut(job, job.sections.front());
        QVERIFY(!laidOut.laidOut());

        RecordingPaintDevice paper(QSize(9000, 2600));
        QPainter painter(&paper);
        const sheets::DrawingScale scale = sheets::drawSection(painter, QRectF(0, 0, 9000, 2600), job, laidOut);
        painter.end();
        QCOMPARE(scale.devicePerUnit, 0.0);
        QVERIFY(paper.recording().shapes.empty());
        // Word wrapping may split the sentence into lines; together they are the problem.
        QCOMPARE(paper.recording().texts.join(u' ').simplified(), laidOut.problems.constFirst().simplified());
    }
};

QTEST_MAIN(TestSectionDrawing)
#include "tst_section_drawing.moc"
