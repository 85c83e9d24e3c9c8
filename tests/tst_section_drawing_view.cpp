// SPDX-License-Identifier: LicenseRef-proprietary
#include "job_window_fixture.h"
#include "section_drawing.h"
#include "section_drawing_view.h"
#include "sections_model.h"

#include <QElapsedTimer>
#include <QPainter>
#include <QPixmap>
#include <QScrollBar>

// The job window's drawing of a section: a section readable at the scale that
// fits the view is drawn as the sheet's painter draws it in that area; a
// longer one in pieces of the view's width at a readable scale, scrolled
// along, painting only what is in view.
class TestSectionDrawingView : public QObject
{
    Q_OBJECT

    PrivateSettingsHome settingsHome;

    static layout::Job oneSection(const QString &length, const QString &count = {})
    {
        layout::Job job;
        job.name = QStringLiteral("Porch");
        layout::Section section;
        section.name = QStringLiteral("Front");
        section.length = length;
        if (!count.isEmpty())
            section.count = count.toLongLong();
        job.sections = {section};
        return job;
    }

private slots:
    void initTestCase() { QVERIFY(settingsHome.install()); }

    void longSectionsScroll_data()
    {
        QTest::addColumn<QString>("length");
        QTest::addColumn<QString>("count");  // empty: the automatic count
        QTest::addColumn<bool>("inPieces");
        // clang-format off
        QTest::newRow("3 ft deck") << "36" << "" << false;
        QTest::newRow("4 ft deck") << "48" << "" << false;
        QTest::newRow("6 ft deck") << "72" << "" << true;
        QTest::newRow("8 ft deck") << "96" << "" << true;
        QTest::newRow("40 ft, 110 railpins") << "480" << "110" << true;
        QTest::newRow("100 ft") << "1200" << "" << true;
        QTest::newRow("10,000 railpins, the most a section takes") << "60000" << "10000" << true;
        // clang-format on
    }
    void longSectionsScroll()
    {
        QFETCH(QString, length);
        QFETCH(QString, count);
        QFETCH(bool, inPieces);
        const JobWindowFixture job(oneSection(length, count));
        auto *view = job.get<SectionDrawingView>("drwSection");
        QVERIFY(view != nullptr);
        QElapsedTimer timer;
        timer.start();
        // The first paint finds the pieces; the scroll bar then shows and the view repaints.
        view->grab();
        QCoreApplication::processEvents();
        view->grab();
        QVERIFY(view->drawnScale().devicePerUnit > 0);
        QCOMPARE(view->pieceCount() > 1, inPieces);
        const QScrollBar &bar = *view->horizontalScrollBar();
        const int width = view->viewport()->width();
        QCOMPARE(bar.maximum(), (view->pieceCount() - 1) * width);
        QCOMPARE(bar.isVisible(), inPieces);

        // The scale the sheet's painter gives the whole section in the view.
        QPixmap page(view->viewport()->size());
        QPainter painter(&page);
        painter.setFont(view->font());
        const qreal margin = view->fontMetrics().height() / 2.0;
        const QRectF area = QRectF(view->viewport()->rect()).adjusted(margin, margin, -margin, -margin);
        const auto *sections = static_cast<const SectionsModel *>(job.sections());
        const sheets::DrawingScale whole =
            sheets::drawSection(painter, area, job.window->job(), sections->sectionLayout(0), sections->decimalPoint());
        if (inPieces) {
            // Readable: the railpins' numbers fit, at a larger scale.
            QVERIFY(view->drawnScale().devicePerUnit > whole.devicePerUnit * 1.5);
            QCOMPARE(view->pieceCount(),
                     sheets::drawingPieces(painter, area.size(), job.window->job(), sections->sectionLayout(0)));
            // The end of the section is reached and painted alike.
            view->horizontalScrollBar()->setValue(bar.maximum());
            view->grab();
            QVERIFY(view->accessibleDescription().startsWith(QStringLiteral("Scale")));
        } else {
            QCOMPARE(view->drawnScale().devicePerUnit, whole.devicePerUnit);
            QCOMPARE(view->drawnScale().text, whole.text);
        }
        // Painting the pieces in view takes no longer for the longest section.
        QVERIFY2(timer.elapsed() < 5000, qPrintable(QString::number(timer.elapsed())));
    }

    // Another section, or a longer length typed, draws from the start again
    // at the scale it needs.
    void followsTheSectionShown()
    {
        layout::Job two = oneSection(QStringLiteral("1200"));
        layout::Section deck;
        deck.name = QStringLiteral("Deck");
        deck.length = QStringLiteral("36");
        two.sections.push_back(deck);
        const JobWindowFixture job(two);
        auto *view = job.get<SectionDrawingView>("drwSection");
        view->grab();
        QVERIFY(view->pieceCount() > 1);
        view->horizontalScrollBar()->setValue(view->horizontalScrollBar()->maximum());
        job.table()->setCurrentIndex(job.sections()->index(1, SectionsModel::Length));
        view->grab();
        QCOMPARE(view->pieceCount(), 1);
        QCOMPARE(view->horizontalScrollBar()->value(), 0);
        job.editCell(1, SectionsModel::Length, QStringLiteral("1200"));
        QCoreApplication::processEvents();
        view->grab();
        QVERIFY(view->pieceCount() > 1);
    }
};

QTEST_MAIN(TestSectionDrawingView)
#include "tst_section_drawing_view.moc"
