// SPDX-License-Identifier: LicenseRef-proprietary
#include "main_window_fixture.h"

#include <QLocale>

class TestCountCommands : public QObject
{
    Q_OBJECT

private slots:
    void init() { QLocale::setDefault(QLocale::c()); }

    void autoFindsTheSmallestCount_data()
    {
        // clang-format off
        QTest::addColumn<QString>("length");
        QTest::addColumn<QString>("width");
        QTest::addColumn<QString>("maximumGap");
        QTest::addColumn<int>("increment");
        QTest::addColumn<QString>("startCount");
        QTest::addColumn<QString>("count");
        QTest::addColumn<QString>("gap");
        QTest::newRow("36 within 4") << "36" << "1 3/8" << "4" << 2 << "0" << "6" << "3.964286";
        QTest::newRow("96 within 4 in eighths") << "96" << "1 1/2" << "4" << 1 << "0" << "17" << "3.916667";
        QTest::newRow("42 within 3.5") << "42" << "1.5" << "3.5" << 2 << "0" << "8" << "3.333333";
        QTest::newRow("lowers a larger count") << "36" << "1 3/8" << "4" << 2 << "25" << "6" << "3.964286";
        QTest::newRow("never zero") << "3" << "1 3/8" << "4" << 2 << "0" << "1" << "0.8125";
        // clang-format on
    }
    void autoFindsTheSmallestCount()
    {
        QFETCH(QString, length);
        QFETCH(QString, width);
        QFETCH(QString, maximumGap);
        QFETCH(int, increment);
        QFETCH(QString, startCount);
        QFETCH(QString, count);
        QFETCH(QString, gap);
        const MainWindowFixture app;
        app.increments()->setCurrentIndex(increment);
        app.field("txtRailpinCount")->setText(startCount);
        app.setInputs(length, width, maximumGap);
        QVERIFY(app.button("cmdAuto")->isEnabled());
        QTest::mouseClick(app.button("cmdAuto"), Qt::LeftButton);
        QCOMPARE(app.text("txtRailpinCount"), count);
        QCOMPARE(app.text("txtActualGap"), gap);
        QVERIFY(app.button("cmdSubtract")->isEnabled());
        QVERIFY(!app.button("cmdAdd")->isEnabled());
        QVERIFY(!app.button("cmdAuto")->isEnabled());
        QCOMPARE(QApplication::overrideCursor(), nullptr);
        QVERIFY(app.watcher->messages.isEmpty());
    }

    void autoWhenNoCountFits_data()
    {
        // clang-format off
        QTest::addColumn<QString>("length");
        QTest::addColumn<QString>("width");
        QTest::addColumn<QString>("maximumGap");
        QTest::addColumn<QString>("reason");
        QTest::newRow("maximum below minus the width") << "36" << "1 3/8" << "-2" << "closer to -1.375 inches";
        QTest::newRow("no width, no gap") << "36" << "0" << "0" << "closer to 0 inches";
        QTest::newRow("negative length") << "-36" << "1" << "-40" << "never makes the gap smaller";
        QTest::newRow("too many railpins") << "1E9" << "0" << "1E-7" << "more than 999999999999999 railpins";
        // clang-format on
    }
    void autoWhenNoCountFits()
    {
        QFETCH(QString, length);
        QFETCH(QString, width);
        QFETCH(QString, maximumGap);
        QFETCH(QString, reason);
        const MainWindowFixture app;
        app.field("txtRailpinCount")->setText(QStringLiteral("3"));
        app.setInputs(length, width, maximumGap);
        app.watcher->answerNextMessage();
        QTest::mouseClick(app.button("cmdAuto"), Qt::LeftButton);
        QCOMPARE(app.watcher->messages.size(), 1);
        const DialogScript::Message &message = app.watcher->messages.first();
        QCOMPARE(message.objectName, QStringLiteral("NoCountFits"));
        QVERIFY2(message.text.contains(reason), qPrintable(message.text));
        QVERIFY(!message.busyPointerWhileShown);
        QCOMPARE(QApplication::overrideCursor(), nullptr);
        // The no-railpin display of count 0, with the buttons as the recalculation sets them.
        QCOMPARE(app.text("txtRailpinCount"), QStringLiteral("0"));
        QCOMPARE(app.text("txtActualGapFraction"), length);
        QCOMPARE(app.text("txtOCenter"), QStringLiteral("0"));
        QVERIFY(!app.button("cmdSubtract")->isEnabled());
    }

    // A recalculation that fails during Auto is reported once and ends it.
    void autoStopsAfterOneFailure()
    {
        const MainWindowFixture app;
        app.setInputs(QStringLiteral("1E10"), QStringLiteral("1"), QStringLiteral("4"));
        app.watcher->answerNextMessage();
        QTest::mouseClick(app.button("cmdAuto"), Qt::LeftButton);
        QCOMPARE(app.watcher->messages.size(), 1);
        QVERIFY(app.watcher->messages.first().text.startsWith(
            QStringLiteral("Error 6 occured in Railpin.frmMain.Calculate:")));
        QCOMPARE(app.text("txtRailpinCount"), QStringLiteral("1"));
        QCOMPARE(QApplication::overrideCursor(), nullptr);
    }

    void addAndSubtract()
    {
        const MainWindowFixture app;
        app.setInputs(QStringLiteral("36"), QStringLiteral("1 3/8"), QStringLiteral("4"));
        QTest::mouseClick(app.button("cmdAdd"), Qt::LeftButton);
        QCOMPARE(app.text("txtRailpinCount"), QStringLiteral("1"));
        QCOMPARE(app.text("txtActualGap"), QStringLiteral("17.3125"));
        QVERIFY(app.button("cmdSubtract")->isEnabled());
        // At count 1, "-" gives 0 and disables itself.
        QTest::mouseClick(app.button("cmdSubtract"), Qt::LeftButton);
        QCOMPARE(app.text("txtRailpinCount"), QStringLiteral("0"));
        QCOMPARE(app.text("txtActualGap"), QStringLiteral("36"));
        QVERIFY(!app.button("cmdSubtract")->isEnabled());
        // A disabled button ignores clicks.
        QTest::mouseClick(app.button("cmdSubtract"), Qt::LeftButton);
        QCOMPARE(app.text("txtRailpinCount"), QStringLiteral("0"));
    }

    void addContinuesAfterAnEdit()
    {
        const MainWindowFixture app;
        app.setInputs(QStringLiteral("36"), QStringLiteral("1 3/8"), QStringLiteral("4"));
        QTest::mouseClick(app.button("cmdAuto"), Qt::LeftButton);
        QCOMPARE(app.text("txtRailpinCount"), QStringLiteral("6"));
        QTest::keyClicks(app.field("txtLength"), QStringLiteral("0"));  // now 360
        QCOMPARE(app.text("txtRailpinCount"), QStringLiteral("6"));
        QTest::mouseClick(app.button("cmdAdd"), Qt::LeftButton);
        QCOMPARE(app.text("txtRailpinCount"), QStringLiteral("7"));
        QCOMPARE(app.text("txtActualGap"), QStringLiteral("43.79688"));
    }

    void disabledAutoIgnoresClicks()
    {
        const MainWindowFixture app;
        app.field("txtRailpinCount")->setText(QStringLiteral("4"));
        QVERIFY(!app.button("cmdAuto")->isEnabled());
        QTest::mouseClick(app.button("cmdAuto"), Qt::LeftButton);
        QCOMPARE(app.text("txtRailpinCount"), QStringLiteral("4"));
        QCOMPARE(QApplication::overrideCursor(), nullptr);
    }
};

QTEST_MAIN(TestCountCommands)
#include "tst_count_commands.moc"
