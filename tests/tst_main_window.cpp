// SPDX-License-Identifier: LicenseRef-proprietary
#include "main_window_fixture.h"

#include <QGroupBox>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>

class TestMainWindow : public QObject
{
    Q_OBJECT

private slots:
    void layout_data()
    {
        // clang-format off
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("container");
        QTest::addColumn<QRect>("geometry");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("toolTip");
        QTest::addColumn<bool>("enabled");
        // Positions in pixels at 15 twips to the pixel, relative to the container.
        const auto row = [](const char *name, const char *container, QRect geometry, const char *text,
                            const char *toolTip, bool enabled) {
            QTest::newRow(name) << name << container << geometry << text << toolTip << enabled;
        };
        row("txtLength", "centralwidget", {16, 32, 81, 21}, "0", "", true);
        row("txtWidth", "centralwidget", {104, 32, 81, 21}, "1 3/8", "", true);
        row("txtMaximumGap", "centralwidget", {192, 32, 81, 21}, "4", "", true);
        row("Label1", "centralwidget", {16, 16, 73, 17}, "Section Length", "", true);
        row("Label4", "centralwidget", {192, 16, 73, 17}, "Maximum Gap", "", true);
        row("Label6", "centralwidget", {104, 16, 73, 17}, "Railpin Width", "", true);
        row("Label5", "centralwidget", {8, 176, 417, 17}, "* You must use inches, decimals or fractions permitted.", "",
            true);
        row("cboIncrement", "centralwidget", {280, 32, 145, 21}, "Sixteenth", "", true);
        row("Label8", "centralwidget", {280, 16, 153, 17}, "Calculate to Nearest", "", true);
        row("fraResult", "centralwidget", {8, 72, 417, 97}, " Results ", "", true);
        row("txtOCenter", "fraResult", {88, 40, 73, 21}, "0", "Outer Railpin on Center", false);
        row("txtActualGap", "fraResult", {8, 40, 73, 21}, "0", "Actual Gap", false);
        row("txtRailpinCount", "fraResult", {256, 56, 81, 21}, "0", "Railpin Count", false);
        row("Label7", "fraResult", {88, 24, 81, 17}, "O On Center", "Outer Railpin on Center", true);
        row("Label3", "fraResult", {8, 24, 73, 17}, "Actual Gap", "Actual Gap", true);
        row("Label2", "fraResult", {256, 40, 73, 17}, "Railpin Count", "Railpin Count", true);
        row("cmdAuto", "fraResult", {344, 32, 57, 21}, "Auto", "", false);
        row("cmdSubtract", "fraResult", {376, 56, 25, 21}, "-", "", false);
        row("cmdAdd", "fraResult", {344, 56, 25, 21}, "+", "", false);
        row("txtActualGapFraction", "fraResult", {8, 64, 73, 21}, "0", "Actual Gap", false);
        row("txtOCenterFraction", "fraResult", {88, 64, 73, 21}, "0", "Outer Railpin on Center", false);
        row("txtICenterFraction", "fraResult", {168, 64, 73, 21}, "0", "Inner Railpin on Center", false);
        row("txtICenter", "fraResult", {168, 40, 73, 21}, "0", "Inner Railpin on Center", false);
        row("Label9", "fraResult", {168, 24, 73, 17}, "I On Center", "Inner Railpin on Center", true);
        // clang-format on
    }
    void layout()
    {
        QFETCH(QString, name);
        QFETCH(QString, container);
        QFETCH(QRect, geometry);
        QFETCH(QString, text);
        QFETCH(QString, toolTip);
        QFETCH(bool, enabled);
        const MainWindowFixture app;
        QWidget *widget = app.window->findChild<QWidget *>(name);
        QVERIFY(widget != nullptr);
        QCOMPARE(widget->parentWidget()->objectName(), container);
        QCOMPARE(widget->geometry(), geometry);
        QCOMPARE(widget->toolTip(), toolTip);
        QCOMPARE(widget->isEnabled(), enabled);
        QVERIFY(widget->isVisible());
        QString shown;
        if (auto *label = qobject_cast<QLabel *>(widget))
            shown = label->text();
        else if (auto *field = qobject_cast<QLineEdit *>(widget))
            shown = field->text();
        else if (auto *button = qobject_cast<QPushButton *>(widget))
            shown = button->text();
        else if (auto *frame = qobject_cast<QGroupBox *>(widget))
            shown = frame->title();
        else if (auto *list = qobject_cast<QComboBox *>(widget))
            shown = list->currentText();
        QCOMPARE(shown, text);
    }

    void window()
    {
        const MainWindowFixture app;
        QCOMPARE(app.window->objectName(), QStringLiteral("frmMain"));
        QCOMPARE(app.window->windowTitle(), QStringLiteral("Railpin Calculator"));
        QCOMPARE(app.get("centralwidget")->size(), QSize(436, 193));
        QCOMPARE(app.window->minimumSize(), app.window->maximumSize());
        const Qt::WindowFlags flags = app.window->windowFlags();
        QVERIFY(!(flags & Qt::WindowMinimizeButtonHint));
        QVERIFY(!(flags & Qt::WindowMaximizeButtonHint));
        QVERIFY(!app.window->windowIcon().isNull());
        QCOMPARE(app.window->windowIcon().pixmap(32, 32).size(), QSize(32, 32));
    }

    void fontsAndColour()
    {
        const MainWindowFixture app;
        for (const char *name : {"cmdAdd", "cmdSubtract"}) {
            QCOMPARE(app.button(name)->font().family(), QStringLiteral("MS Sans Serif"));
            QCOMPARE(app.button(name)->font().pointSizeF(), 9.75);
        }
        const auto *hint = app.get<QLabel>("Label5");
        QCOMPARE(hint->font().family(), QStringLiteral("Small Fonts"));
        QCOMPARE(hint->font().pointSizeF(), 6.75);
        QVERIFY(!hint->font().bold());
        QCOMPARE(hint->palette().color(QPalette::WindowText), QColor(255, 0, 0));
    }

    void startUp()
    {
        const MainWindowFixture app;
        QVERIFY(app.active);
        QCOMPARE(QApplication::focusWidget(), app.field("txtLength"));
        const QComboBox *list = app.increments();
        QCOMPARE(list->count(), 4);
        const QStringList texts{"Quarter", "Eighth", "Sixteenth", "Thirty Second"};
        const QList<int> denominators{4, 8, 16, 32};
        for (int i = 0; i < 4; ++i) {
            QCOMPARE(list->itemText(i), texts[i]);
            QCOMPARE(list->itemData(i).toInt(), denominators[i]);
        }
        QCOMPARE(list->currentIndex(), 2);
        QVERIFY(!list->isEditable());
        for (const char *name : {"txtActualGap", "txtActualGapFraction", "txtOCenter", "txtOCenterFraction",
                                 "txtICenter", "txtICenterFraction", "txtRailpinCount"})
            QCOMPARE(app.text(name), QStringLiteral("0"));
        for (const char *name : {"cmdAdd", "cmdSubtract", "cmdAuto"})
            QVERIFY(!app.button(name)->isEnabled());
        QVERIFY(app.watcher->messages.isEmpty());
    }

    // Tab visits the inputs, the list and the enabled count buttons, in that order.
    void tabOrder_data()
    {
        // clang-format off
        QTest::addColumn<bool>("afterEdit");
        QTest::addColumn<QStringList>("order");
        QTest::newRow("at start-up") << false
                                     << QStringList{"txtWidth", "txtMaximumGap", "cboIncrement", "txtLength"};
        QTest::newRow("after an edit") << true
                                       << QStringList{"txtWidth", "txtMaximumGap", "cboIncrement", "cmdAuto", "cmdAdd",
                                                      "txtLength"};
        // clang-format on
    }
    void tabOrder()
    {
        QFETCH(bool, afterEdit);
        QFETCH(QStringList, order);
        const MainWindowFixture app;
        if (afterEdit)
            QTest::keyClicks(app.field("txtLength"), QStringLiteral("36"));
        for (const QString &expected : order) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            QCOMPARE(QApplication::focusWidget()->objectName(), expected);
        }
    }

    void menus()
    {
        const MainWindowFixture app;
        const auto *file = app.get<QMenu>("mnuFile");
        const auto *help = app.get<QMenu>("mnuHelp");
        QCOMPARE(file->title(), QStringLiteral("&File"));
        QCOMPARE(help->title(), QStringLiteral("&Help"));
        // The job window's two entries (tested with it) stand between Print Screen and the separator.
        QList<QAction *> fileActions = file->actions();
        QCOMPARE(fileActions.size(), 5);
        fileActions.remove(1, 2);
        QCOMPARE(fileActions[0]->objectName(), QStringLiteral("mnuFilePrint"));
        QCOMPARE(fileActions[0]->text(), QStringLiteral("Print Screen"));
        QCOMPARE(fileActions[1]->objectName(), QStringLiteral("mnuFileSep1"));
        QVERIFY(fileActions[1]->isSeparator());
        QVERIFY(fileActions[1]->text().isEmpty());
        QCOMPARE(fileActions[2]->objectName(), QStringLiteral("mnuFileExit"));
        QCOMPARE(fileActions[2]->text(), QStringLiteral("&Exit"));
        QCOMPARE(help->actions().size(), 1);
        QCOMPARE(help->actions()[0]->objectName(), QStringLiteral("mnuHelpAbout"));
        QCOMPARE(help->actions()[0]->text(), QStringLiteral("&About"));
        for (const QAction *action : fileActions + help->actions())
            QVERIFY2(action->shortcut().isEmpty(), qPrintable(action->objectName()));
    }
};

QTEST_MAIN(TestMainWindow)
#include "tst_main_window.moc"
