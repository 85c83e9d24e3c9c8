// SPDX-License-Identifier: LicenseRef-proprietary
#include "frm_about.h"
#include "main_window_fixture.h"

#include <QLabel>
#include <QMenu>
#include <QScopeGuard>

class TestAboutBox : public QObject
{
    Q_OBJECT

private slots:
    void texts()
    {
        const frmAbout about;
        QCOMPARE(about.objectName(), QStringLiteral("frmAbout"));
        QCOMPARE(about.windowTitle(), QStringLiteral("About Railpin Calculator"));
        QCOMPARE(about.findChild<QLabel *>("lblTitle")->text(), QStringLiteral("Railpin Calculator"));
        QCOMPARE(about.findChild<QLabel *>("lblVersion")->text(), QStringLiteral("Version 1.0.2"));
        const QString copyright = about.findChild<QLabel *>("lblCopyright")->text();
        QVERIFY(copyright.startsWith(QStringLiteral("Copyright")));
        QVERIFY(about.findChild<QLabel *>("lblTitle")->font().bold());

        const auto *disclaimer = about.findChild<QLabel *>("lblDisclaimer");
        QCOMPARE(disclaimer->text().size(), 286);
        QVERIFY(disclaimer->text().contains(QStringLiteral("treaties.  ")));
        QVERIFY(disclaimer->wordWrap());

        QCOMPARE(about.size(), QSize(420, 163));
        QCOMPARE(about.findChild<QWidget *>("cmdOK")->geometry(), QRect(328, 128, 84, 27));
        QCOMPARE(about.findChild<QLabel *>("Picture1")->pixmap().size(), QSize(32, 32));
        const QList<QWidget *> lines = about.findChildren<QWidget *>("Line1");
        QCOMPARE(lines.size(), 2);
    }

    void enterAndEscapeClose_data()
    {
        // clang-format off
        QTest::addColumn<int>("key");
        QTest::newRow("Enter") << int(Qt::Key_Return);
        QTest::newRow("Esc") << int(Qt::Key_Escape);
        // clang-format on
    }
    void enterAndEscapeClose()
    {
        QFETCH(int, key);
        frmAbout about;
        about.show();
        QApplication::setActiveWindow(&about);
        QVERIFY(QTest::qWaitForWindowActive(&about));
        QCOMPARE(QApplication::focusWidget()->objectName(), QStringLiteral("cmdOK"));
        QTest::keyClick(QApplication::focusWidget(), Qt::Key(key));
        QVERIFY(!about.isVisible());
    }

    // Each About command builds, shows and releases its own About window,
    // and the main window takes no input while it is open.
    void aboutCommand()
    {
        const MainWindowFixture app;
        app.setInputs(QStringLiteral("36"), QStringLiteral("1 3/8"), QStringLiteral("4"));
        QStringList versions;
        for (int round = 0; round < 2; ++round) {
            app.watcher->onNextDialog([&](QDialog *dialog) {
                const auto close = qScopeGuard([dialog] { QTest::keyClick(dialog, Qt::Key_Escape); });
                QCOMPARE(dialog->objectName(), QStringLiteral("frmAbout"));
                QVERIFY(dialog->isModal());
                versions << dialog->findChild<QLabel *>("lblVersion")->text();
                // The notice wraps inside its label in the window's font.
                const auto *disclaimer = dialog->findChild<QLabel *>("lblDisclaimer");
                QVERIFY(disclaimer->heightForWidth(disclaimer->width()) <= disclaimer->height());
                // A click through the window system on the main window is blocked.
                QPushButton *autoButton = app.button("cmdAuto");
                QTest::mouseClick(app.window->windowHandle(), Qt::LeftButton, {},
                                  autoButton->mapTo(app.window.get(), autoButton->rect().center()));
                QCOMPARE(app.text("txtRailpinCount"), QStringLiteral("0"));
            });
            app.get<QMenu>("mnuHelp")->actions().first()->trigger();
            QCOMPARE(app.window->findChildren<frmAbout *>().size(), 0);
        }
        QCOMPARE(versions, (QStringList{"Version 1.0.2", "Version 1.0.2"}));
        QVERIFY(app.watcher->unexpectedDialogs.isEmpty());
        QVERIFY(app.watcher->messages.isEmpty());
    }
};

QTEST_MAIN(TestAboutBox)
#include "tst_about_box.moc"
