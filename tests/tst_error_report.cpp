// SPDX-License-Identifier: LicenseRef-proprietary
#include "dialog_script.h"
#include "error_report.h"

#include <QTest>

class TestErrorReport : public QObject
{
    Q_OBJECT

private slots:
    void text_data()
    {
        // clang-format off
        QTest::addColumn<QString>("procedure");
        QTest::addColumn<int>("number");
        QTest::addColumn<QString>("source");
        QTest::addColumn<QString>("description");
        QTest::addColumn<QString>("expected");
        QTest::newRow("overflow in Calculate") << "Calculate" << 6 << "Railpin" << "Overflow"
                                               << "Error 6 occured in Railpin.frmMain.Calculate:Railpin, Overflow";
        QTest::newRow("negative number") << "cmdAdd_Click" << -2147221504 << "X" << "Y"
                                         << "Error -2147221504 occured in Railpin.frmMain.cmdAdd_Click:X, Y";
        QTest::newRow("empty source") << "Form_Load" << 11 << "" << "Division by zero"
                                      << "Error 11 occured in Railpin.frmMain.Form_Load:, Division by zero";
        QTest::newRow("empty description") << "mnuFilePrint_Click" << 482 << "Railpin" << ""
                                           << "Error 482 occured in Railpin.frmMain.mnuFilePrint_Click:Railpin, ";
        QTest::newRow("no grouping") << "txtWidth_Change" << 1234567 << "a" << "b"
                                     << "Error 1234567 occured in Railpin.frmMain.txtWidth_Change:a, b";
        // clang-format on
    }
    void text()
    {
        QFETCH(QString, procedure);
        QFETCH(int, number);
        QFETCH(QString, source);
        QFETCH(QString, description);
        QFETCH(QString, expected);
        QCOMPARE(errorReportText(procedure, {number, source, description}), expected);
    }

    // The trap abandons the body at the error, reports it once and returns.
    void trapReportsAndReturns()
    {
        DialogScript watcher;
        watcher.answerNextMessage();
        QWidget parent;
        QStringList steps;
        runTrapped(&parent, "cmdAuto_Click", [&] {
            steps << "before";
            throw runtime_errors::divisionByZero();
        });
        steps << "returned";
        QCOMPARE(steps, (QStringList{"before", "returned"}));
        QCOMPARE(watcher.messages.size(), 1);
        const DialogScript::Message &box = watcher.messages.first();
        QCOMPARE(box.objectName, QStringLiteral("ApplicationError"));
        QCOMPARE(box.title, QStringLiteral("Application Error"));
        QCOMPARE(box.icon, QMessageBox::Warning);
        QCOMPARE(box.buttonCount, 1);
        QCOMPARE(box.text,
                 QStringLiteral("Error 11 occured in Railpin.frmMain.cmdAuto_Click:Railpin, Division by zero"));
    }

    void nestedTrapReportsOnlyInnermost()
    {
        DialogScript watcher;
        watcher.answerNextMessage();
        QWidget parent;
        bool outerCarriedOn = false;
        runTrapped(&parent, "cboIncrement_Click", [&] {
            runTrapped(&parent, "Calculate", [] { throw runtime_errors::overflow(); });
            outerCarriedOn = true;
        });
        QVERIFY(outerCarriedOn);
        QCOMPARE(watcher.messages.size(), 1);
        QVERIFY(watcher.messages.first().text.contains(QStringLiteral(".Calculate:")));
    }
};

QTEST_MAIN(TestErrorReport)
#include "tst_error_report.moc"
