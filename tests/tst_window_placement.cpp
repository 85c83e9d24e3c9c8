// SPDX-License-Identifier: LicenseRef-proprietary
#include "main_window_fixture.h"
#include "window_placement.h"

#include <QAction>
#include <QMenuBar>
#include <QScreen>

namespace {

QRect availableArea(const QWidget &window)
{
    return window.screen()->availableGeometry();
}

// Whether the window's frame, title bar included, starts on the area and,
// where it fits, lies inside it.
bool reachable(const QRect &frame, const QRect &area)
{
    if (!area.contains(frame.topLeft()))
        return false;
    const bool widthFits = frame.width() <= area.width();
    const bool heightFits = frame.height() <= area.height();
    return (!widthFits || frame.right() <= area.right()) && (!heightFits || frame.bottom() <= area.bottom());
}

}  // namespace

// Windows open centred, yet never with their top-left corner off the screen:
// run on the offscreen platform's default screen and, at scale factor 3, on
// small screens (tests/offscreen_*.json) where the calculator does not fit.
class TestWindowPlacement : public QObject
{
    Q_OBJECT

private slots:
    void topLeft_data()
    {
        QTest::addColumn<QSize>("size");
        QTest::addColumn<QPoint>("centre");
        QTest::addColumn<QRect>("area");
        QTest::addColumn<QPoint>("topLeft");
        const QRect screen(0, 0, 1024, 768);
        QTest::newRow("fits: centred") << QSize(436, 214) << screen.center() << screen << QPoint(294, 277);
        QTest::newRow("odd sizes: centred") << QSize(101, 51) << QPoint(50, 40) << screen << QPoint(0, 15);
        QTest::newRow("as wide as the area") << QSize(1024, 100) << screen.center() << screen << QPoint(0, 334);
        QTest::newRow("too wide") << QSize(1308, 642) << screen.center() << screen << QPoint(0, 63);
        QTest::newRow("too tall") << QSize(300, 900) << screen.center() << screen << QPoint(362, 0);
        QTest::newRow("too large") << QSize(1308, 900) << screen.center() << screen << QPoint(0, 0);
        const QRect second(1024, 32, 800, 568);  // a second screen with a panel on top
        QTest::newRow("second screen, too large") << QSize(1000, 700) << second.center() << second << QPoint(1024, 32);
        QTest::newRow("over an owner near the right edge")
            << QSize(420, 163) << QPoint(1000, 400) << screen << QPoint(604, 319);
        QTest::newRow("over an owner above the top") << QSize(420, 163) << QPoint(500, 20) << screen << QPoint(291, 0);
    }
    void topLeft()
    {
        QFETCH(QSize, size);
        QFETCH(QPoint, centre);
        QFETCH(QRect, area);
        QFETCH(QPoint, topLeft);
        QCOMPARE(reachableTopLeft(size, centre, area), topLeft);
    }

    void mainWindow()
    {
        const MainWindowFixture app;
        const QRect area = availableArea(*app.window);
        const bool fits = app.window->width() <= area.width() && app.window->height() <= area.height();
        QCOMPARE(fits, qEnvironmentVariable("RAILPIN_TEST_WINDOW_FITS", QStringLiteral("1")) == u'1');
        if (fits)
            QCOMPARE(app.window->pos(), area.center() - app.window->rect().center());
        QVERIFY2(reachable(app.window->frameGeometry(), area), qPrintable(QStringLiteral("frame %1,%2 %3x%4 on %5x%6")
                                                                              .arg(app.window->frameGeometry().x())
                                                                              .arg(app.window->frameGeometry().y())
                                                                              .arg(app.window->frameGeometry().width())
                                                                              .arg(app.window->frameGeometry().height())
                                                                              .arg(area.width())
                                                                              .arg(area.height())));
        QVERIFY(app.window->menuBar()->isVisible());
    }

    void aboutBox()
    {
        const MainWindowFixture app;
        QRect frame;
        QPoint centre;
        app.watcher->onNextDialog([&](QDialog *dialog) {
            frame = dialog->frameGeometry();
            centre = dialog->geometry().center();
            dialog->reject();
        });
        app.window->findChild<QAction *>(QStringLiteral("mnuHelpAbout"))->trigger();
        QVERIFY(frame.isValid());
        const QRect area = availableArea(*app.window);
        QVERIFY(reachable(frame, area));
        if (area.contains(app.window->frameGeometry()))
            QVERIFY((centre - app.window->frameGeometry().center()).manhattanLength() <= 4);
    }
};

QTEST_MAIN(TestWindowPlacement)
#include "tst_window_placement.moc"
