// SPDX-License-Identifier: LicenseRef-proprietary
#include "main_window_fixture.h"
#include "private_cups_server.h"

#include <QAction>
#include <QLocale>

namespace {

// Every field's text, the selected increment and every button's enabled state.
QStringList windowState(const MainWindowFixture &fixture)
{
    QStringList state;
    for (const QLineEdit *field : fixture.window->findChildren<QLineEdit *>())
        state << field->objectName() + u'=' + field->text();
    state << QStringLiteral("cboIncrement=%1").arg(fixture.increments()->currentIndex());
    for (const QPushButton *button : fixture.window->findChildren<QPushButton *>())
        state << button->objectName() + (button->isEnabled() ? QStringLiteral(" on") : QStringLiteral(" off"));
    return state;
}

}  // namespace

// Print Screen against a real CUPS server of the test's own that has no
// printer at all. It runs in a process of its own: the CUPS client keeps the
// server and printers it first saw.
class TestPrintNoPrinter : public QObject
{
    Q_OBJECT

    PrivateCupsServer cups;

private slots:
    void initTestCase()
    {
        QLocale::setDefault(QLocale::c());
        if (!cups.start())
            QFAIL(qPrintable(QStringLiteral("the private CUPS server did not start\n") + cups.log()));
    }

    void cleanupTestCase() { cups.stop(); }

    void noPrinterIsReportedAndChangesNothing_data()
    {
        QTest::addColumn<QString>("count");
        QTest::newRow("no railpins") << QString();
        QTest::newRow("after Auto at count 6") << QStringLiteral("6");
    }
    void noPrinterIsReportedAndChangesNothing()
    {
        QFETCH(QString, count);
        MainWindowFixture fixture;
        fixture.setInputs(QStringLiteral("36"), QStringLiteral("1 3/8"), QStringLiteral("4"));
        if (!count.isEmpty()) {
            fixture.button("cmdAuto")->click();
            QCOMPARE(fixture.text("txtRailpinCount"), count);
        }
        const QStringList before = windowState(fixture);

        auto *action = fixture.window->findChild<QAction *>(QStringLiteral("mnuFilePrint"));
        QVERIFY(action != nullptr);
        fixture.watcher->answerNextMessage();
        action->trigger();

        QCOMPARE(fixture.watcher->messages.size(), 1);
        const DialogScript::Message &message = fixture.watcher->messages.first();
        QCOMPARE(message.objectName, QStringLiteral("ApplicationError"));
        QCOMPARE(message.title, QStringLiteral("Application Error"));
        QCOMPARE(message.icon, QMessageBox::Warning);
        QVERIFY2(message.text.startsWith(
                     QLatin1String("Error 482 occured in Railpin.frmMain.mnuFilePrint_Click:Railpin, Printer error: ")),
                 qPrintable(message.text));
        QVERIFY(message.text.endsWith(QLatin1String("no default printer is set up")));
        QCOMPARE(windowState(fixture), before);
        QVERIFY(QApplication::overrideCursor() == nullptr);
        QVERIFY(fixture.window->isVisible());
    }
};

QTEST_MAIN(TestPrintNoPrinter)
#include "tst_print_no_printer.moc"
