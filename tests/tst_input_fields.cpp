// SPDX-License-Identifier: LicenseRef-proprietary
#include "main_window_fixture.h"

#include <QClipboard>
#include <QLocale>

class TestInputFields : public QObject
{
    Q_OBJECT

private slots:
    void init() { QLocale::setDefault(QLocale::c()); }

    // Each keystroke shows the length read so far as the gap.
    void typingAMixedNumber()
    {
        const MainWindowFixture app;
        QLineEdit *length = app.field("txtLength");
        length->clear();
        const QStringList gaps{"1", "1", "0", "0", "1.375"};
        const QString typed = QStringLiteral("1 3/8");
        for (int i = 0; i < typed.size(); ++i) {
            QTest::keyClick(length, typed[i].toLatin1());
            QCOMPARE(app.text("txtActualGap"), gaps[i]);
            QCOMPARE(app.text("txtActualGapFraction"), typed.left(i + 1));
        }
    }

    void edits_data()
    {
        // clang-format off
        QTest::addColumn<QString>("fieldName");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("gap");
        QTest::addColumn<QString>("gapFraction");
        QTest::newRow("letters") << "txtLength" << "abc" << "0" << "abc";
        QTest::newRow("empty length") << "txtLength" << "" << "0" << "";
        QTest::newRow("width shows the length") << "txtWidth" << "2" << "36" << "36";
        QTest::newRow("maximum shows the length") << "txtMaximumGap" << "100" << "36" << "36";
        QTest::newRow("decimal length") << "txtLength" << "41.25" << "41.25" << "41.25";
        // clang-format on
    }
    void edits()
    {
        QFETCH(QString, fieldName);
        QFETCH(QString, typed);
        QFETCH(QString, gap);
        QFETCH(QString, gapFraction);
        const MainWindowFixture app;
        app.setInputs(QStringLiteral("36"), QStringLiteral("1 3/8"), QStringLiteral("4"));
        QTest::mouseClick(app.button("cmdAuto"), Qt::LeftButton);
        QCOMPARE(app.text("txtRailpinCount"), QStringLiteral("6"));

        QLineEdit *field = app.field(qPrintable(fieldName));
        field->selectAll();
        if (typed.isEmpty())
            QTest::keyClick(field, Qt::Key_Delete);
        else
            QTest::keyClicks(field, typed);
        QCOMPARE(field->text(), typed);
        QCOMPARE(app.text("txtActualGap"), gap);
        QCOMPARE(app.text("txtActualGapFraction"), gapFraction);
        for (const char *name : {"txtOCenter", "txtOCenterFraction", "txtICenter", "txtICenterFraction"})
            QCOMPARE(app.text(name), QStringLiteral("0"));
        QCOMPARE(app.text("txtRailpinCount"), QStringLiteral("6"));
        // Enabled without comparing the gap with the maximum, even when it fits.
        QVERIFY(app.button("cmdAdd")->isEnabled());
        QVERIFY(app.button("cmdAuto")->isEnabled());
        QVERIFY(!app.button("cmdSubtract")->isEnabled());
    }

    // Pasting and undoing are changes like typing.
    void pasteAndUndo()
    {
        const MainWindowFixture app;
        QLineEdit *length = app.field("txtLength");
        QApplication::clipboard()->setText(QStringLiteral("40 1/2"));
        length->selectAll();
        QTest::keyClick(length, Qt::Key_V, Qt::ControlModifier);
        QCOMPARE(app.text("txtActualGap"), QStringLiteral("40.5"));
        QTest::keyClick(length, Qt::Key_Z, Qt::ControlModifier);
        QCOMPARE(length->text(), QStringLiteral("0"));
        QCOMPARE(app.text("txtActualGap"), QStringLiteral("0"));
        QCOMPARE(app.text("txtActualGapFraction"), QStringLiteral("0"));
    }

    void focusSelectsTheWholeText_data()
    {
        // clang-format off
        QTest::addColumn<bool>("byMouse");
        QTest::newRow("by Tab") << false;
        QTest::newRow("by mouse") << true;
        // clang-format on
    }
    void focusSelectsTheWholeText()
    {
        QFETCH(bool, byMouse);
        const MainWindowFixture app;
        QLineEdit *width = app.field("txtWidth");
        if (byMouse)
            QTest::mouseClick(width, Qt::LeftButton, {}, QPoint(10, width->height() / 2));
        else
            QTest::keyClick(app.field("txtLength"), Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget(), width);
        QCOMPARE(width->selectedText(), QStringLiteral("1 3/8"));
        QCOMPARE(width->selectionStart(), 0);
    }

    void focusOnAnEmptyFieldSelectsNothing()
    {
        const MainWindowFixture app;
        QLineEdit *maximum = app.field("txtMaximumGap");
        maximum->clear();
        QTest::mouseClick(maximum, Qt::LeftButton);
        QCOMPARE(QApplication::focusWidget(), maximum);
        QVERIFY(!maximum->hasSelectedText());
        QTest::keyClicks(maximum, QStringLiteral("3"));
        QCOMPARE(maximum->text(), QStringLiteral("3"));
    }
};

QTEST_MAIN(TestInputFields)
#include "tst_input_fields.moc"
