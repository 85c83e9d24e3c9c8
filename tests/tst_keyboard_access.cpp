// SPDX-License-Identifier: LicenseRef-proprietary
#include "main_window_fixture.h"

#include <QAccessible>
#include <QLabel>
#include <QMenu>
#include <algorithm>

class TestKeyboardAccess : public QObject
{
    Q_OBJECT

private slots:
    // What a screen reader speaks for each control.
    void accessibleTexts_data()
    {
        // clang-format off
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("spokenName");
        QTest::addColumn<QString>("descriptionPart");
        QTest::newRow("txtLength") << "txtLength" << "Section Length" << "between the posts";
        QTest::newRow("txtWidth") << "txtWidth" << "Railpin Width" << "one railpin";
        QTest::newRow("txtMaximumGap") << "txtMaximumGap" << "Maximum Gap" << "largest gap";
        QTest::newRow("cboIncrement") << "cboIncrement" << "Calculate to Nearest" << "rounded";
        QTest::newRow("txtActualGap") << "txtActualGap" << "Actual Gap" << "Actual Gap";
        QTest::newRow("txtActualGapFraction") << "txtActualGapFraction" << "Actual Gap fraction" << "Actual Gap";
        QTest::newRow("txtOCenter") << "txtOCenter" << "O On Center" << "Outer Railpin on Center";
        QTest::newRow("txtOCenterFraction") << "txtOCenterFraction" << "O On Center fraction"
                                            << "Outer Railpin on Center";
        QTest::newRow("txtICenter") << "txtICenter" << "I On Center" << "Inner Railpin on Center";
        QTest::newRow("txtICenterFraction") << "txtICenterFraction" << "I On Center fraction"
                                            << "Inner Railpin on Center";
        QTest::newRow("txtRailpinCount") << "txtRailpinCount" << "Railpin Count" << "Railpin Count";
        QTest::newRow("cmdAuto") << "cmdAuto" << "Auto" << "smallest railpin count";
        QTest::newRow("cmdAdd") << "cmdAdd" << "Add a railpin" << "Add one";
        QTest::newRow("cmdSubtract") << "cmdSubtract" << "Remove a railpin" << "Remove one";
        // clang-format on
    }
    void accessibleTexts()
    {
        QFETCH(QString, name);
        QFETCH(QString, spokenName);
        QFETCH(QString, descriptionPart);
        const MainWindowFixture app;
        QWidget *widget = app.window->findChild<QWidget *>(name);
        QAccessibleInterface *accessible = QAccessible::queryAccessibleInterface(widget);
        QVERIFY(accessible != nullptr);
        QCOMPARE(widget->accessibleName(), spokenName);
        if (qobject_cast<QComboBox *>(widget) != nullptr) {
            // A list speaks its choice as its name; its caption comes through the label relation.
            const auto labels = accessible->relations(QAccessible::Label);
            QVERIFY(std::any_of(labels.begin(), labels.end(),
                                [&](const auto &relation) { return relation.first->object() == app.get("Label8"); }));
        } else {
            QCOMPARE(accessible->text(QAccessible::Name), spokenName);
        }
        QVERIFY2(accessible->text(QAccessible::Description).contains(descriptionPart),
                 qPrintable(accessible->text(QAccessible::Description)));
    }

    // Each caption names the field under it for assistive technology.
    void captionsLabelTheirFields()
    {
        const MainWindowFixture app;
        const QList<std::pair<const char *, const char *>> pairs{
            {"Label1", "txtLength"},    {"Label6", "txtWidth"},       {"Label4", "txtMaximumGap"},
            {"Label8", "cboIncrement"}, {"Label3", "txtActualGap"},   {"Label7", "txtOCenter"},
            {"Label9", "txtICenter"},   {"Label2", "txtRailpinCount"}};
        for (const auto &[label, field] : pairs)
            QCOMPARE(app.get<QLabel>(label)->buddy(), app.get(field));
    }

    // Tab walks the inputs, the list and every enabled count button.
    void tabWalksEveryEnabledControl()
    {
        const MainWindowFixture app;
        app.setInputs(QStringLiteral("36"), QStringLiteral("1 3/8"), QStringLiteral("4"));
        app.calculateAtCount(QStringLiteral("5"));  // all three count buttons enabled
        app.field("txtLength")->setFocus();
        const QStringList order{"txtWidth",    "txtMaximumGap", "cboIncrement", "cmdAuto",
                                "cmdSubtract", "cmdAdd",        "txtLength"};
        for (const QString &expected : order) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            QCOMPARE(QApplication::focusWidget()->objectName(), expected);
        }
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Backtab);
        QCOMPARE(QApplication::focusWidget()->objectName(), QStringLiteral("cmdAdd"));
    }

    // Space presses the focused count button.
    void spacePressesCountButtons()
    {
        const MainWindowFixture app;
        app.setInputs(QStringLiteral("36"), QStringLiteral("1 3/8"), QStringLiteral("4"));
        app.button("cmdAdd")->setFocus();
        QTest::keyClick(app.button("cmdAdd"), Qt::Key_Space);
        QCOMPARE(app.text("txtRailpinCount"), QStringLiteral("1"));
        app.button("cmdSubtract")->setFocus();
        QTest::keyClick(app.button("cmdSubtract"), Qt::Key_Space);
        QCOMPARE(app.text("txtRailpinCount"), QStringLiteral("0"));
        QTest::keyClick(app.field("txtLength"), Qt::Key_Tab);  // back in the walk at the width
        app.button("cmdAuto")->setFocus();
        QTest::keyClick(app.button("cmdAuto"), Qt::Key_Space);
        QCOMPARE(app.text("txtRailpinCount"), QStringLiteral("6"));
    }

    // Alt+H opens Help, A chooses About; the About window closes with Enter.
    void altHOpensAbout()
    {
        const MainWindowFixture app;
        bool shown = false;
        app.watcher->onNextDialog([&](QDialog *dialog) {
            shown = dialog->objectName() == QStringLiteral("frmAbout");
            QTest::keyClick(dialog, Qt::Key_Return);
        });
        QTest::keyClick(app.window.get(), Qt::Key_H, Qt::AltModifier);
        QCOMPARE(QApplication::activePopupWidget(), app.get("mnuHelp"));
        QTest::keyClick(QApplication::activePopupWidget(), Qt::Key_A);
        QTRY_VERIFY(shown);
        QVERIFY(app.watcher->unexpectedDialogs.isEmpty());
    }

    // Alt+F opens File, E chooses Exit, which ends the event loop with status 0.
    void altFThenExitEndsTheProgram()
    {
        const MainWindowFixture app;
        QTimer::singleShot(0, app.window.get(), [&app] {
            QTest::keyClick(app.window.get(), Qt::Key_F, Qt::AltModifier);
            QWidget *menu = QApplication::activePopupWidget();
            if (menu != app.get("mnuFile"))
                QCoreApplication::exit(2);
            else
                QTest::keyClick(menu, Qt::Key_E);
        });
        QTimer::singleShot(10000, [] { QCoreApplication::exit(99); });  // never hang the suite
        QCOMPARE(QApplication::exec(), 0);
    }
};

QTEST_MAIN(TestKeyboardAccess)
#include "tst_keyboard_access.moc"
