// SPDX-License-Identifier: LicenseRef-proprietary
#include "input_cue.h"
#include "main_window_fixture.h"

#include <QAction>
#include <QLocale>
#include <QToolButton>

// The warning cue of the three measurement fields: when it shows, what it
// says, and that it changes nothing else about the window.
class TestInputCue : public QObject
{
    Q_OBJECT

    static QAction *cueOf(const QLineEdit *field)
    {
        return field->findChild<QAction *>(field->objectName() + QStringLiteral("Cue"));
    }

    // The widgets that Tab visits from txtLength until it comes back.
    static QStringList tabChain(const MainWindowFixture &app)
    {
        app.field("txtLength")->setFocus(Qt::TabFocusReason);
        QStringList chain;
        for (int step = 0; step < 12; ++step) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            chain << QApplication::focusWidget()->objectName();
            if (chain.last() == u"txtLength")
                break;
        }
        return chain;
    }

private slots:
    void init() { QLocale::setDefault(QLocale::c()); }
    void cleanupTestCase() { QLocale::setDefault(QLocale::system()); }

    void cueText_data()
    {
        // clang-format off
        QTest::addColumn<QString>("locale");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("cue");
        const QString anyNumber = QStringLiteral("Read as 0: write 36, 36.5 or 36 1/2");
        QTest::newRow("whole number") << "C" << "36" << "";
        QTest::newRow("decimal") << "C" << "36.5" << "";
        QTest::newRow("mixed number") << "C" << "1 3/8" << "";
        QTest::newRow("zero") << "C" << "0" << "";
        QTest::newRow("bare fraction") << "C" << "3/8" << "";
        QTest::newRow("seven digits") << "C" << "1234567" << "";
        QTest::newRow("zero denominator") << "C" << "1/0" << anyNumber;
        QTest::newRow("mixed number, zero denominator") << "C" << "2 1/0" << anyNumber;
        QTest::newRow("empty") << "C" << "" << "";
        QTest::newRow("blanks") << "C" << "   " << "";
        QTest::newRow("unit after the number") << "C" << "36 in" << "Read as 0: write 36";
        QTest::newRow("feet") << "C" << "3'" << "Read as 0: write 36";
        QTest::newRow("inch mark after a fraction") << "C" << "3 1/2\"" << "Read as 0: write 3 1/2";
        QTest::newRow("words") << "C" << "abc" << anyNumber;
        QTest::newRow("unreadable numerator") << "C" << "2 x/8" << "Read as 2: write 36, 36.5 or 36 1/2";
        QTest::newRow("comma under C") << "C" << "1,375" << "Read as 0: write 1.375";
        QTest::newRow("point under fr_FR") << "fr_FR" << "1.375" << "Read as 0: write 1,375";
        QTest::newRow("point under de_DE") << "de_DE" << "1.375" << "Read as 0: write 1,375";
        QTest::newRow("comma under fr_FR") << "fr_FR" << "1,375" << "";
        QTest::newRow("fraction under fr_FR") << "fr_FR" << "1 3/8" << "";
        QTest::newRow("words under de_DE") << "de_DE" << "abc" << "Read as 0: write 36, 36,5 or 36 1/2";
        // clang-format on
    }
    void cueText()
    {
        QFETCH(QString, locale);
        QFETCH(QString, text);
        QFETCH(QString, cue);
        QLocale::setDefault(QLocale(locale));
        QCOMPARE(input_cue::cueText(text), cue);
    }

    void fieldShowsTheCue_data()
    {
        // clang-format off
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("cue");
        QTest::newRow("length in feet") << "txtLength" << "3'" << "Read as 0: write 36";
        QTest::newRow("length") << "txtLength" << "36" << "";
        QTest::newRow("width with a unit") << "txtWidth" << "1 3/8 in" << "Read as 0: write 1 3/8";
        QTest::newRow("width") << "txtWidth" << "1 3/8" << "";
        QTest::newRow("gap in feet") << "txtMaximumGap" << "3'" << "Read as 0: write 36";
        QTest::newRow("empty gap") << "txtMaximumGap" << "" << "";
        // clang-format on
    }
    void fieldShowsTheCue()
    {
        QFETCH(QString, name);
        QFETCH(QString, text);
        QFETCH(QString, cue);
        const MainWindowFixture app;
        QLineEdit *field = app.field(qPrintable(name));
        const QString ownDescription = field->accessibleDescription();
        QAction *action = cueOf(field);
        QVERIFY(action != nullptr);
        QVERIFY(!action->isVisible());
        // The icon is the one button at the field's trailing end, hidden with the action.
        const auto buttons = field->findChildren<QToolButton *>();
        QCOMPARE(buttons.size(), 1);
        QVERIFY(!buttons.first()->isVisible());

        field->setFocus();
        field->selectAll();
        QTest::keyClicks(field, text);
        if (text.isEmpty())
            QTest::keyClick(field, Qt::Key_Backspace);
        QCOMPARE(field->text(), text);
        QCOMPARE(action->isVisible(), !cue.isEmpty());
        QCOMPARE(action->toolTip(), cue);
        QCOMPARE(field->accessibleDescription(), cue.isEmpty() ? ownDescription : ownDescription + ". " + cue);

        QCOMPARE(buttons.first()->isVisible(), !cue.isEmpty());
        if (!cue.isEmpty())
            QVERIFY(!buttons.first()->icon().isNull());
        field->clear();
        QVERIFY(!buttons.first()->isVisible());
        QCOMPARE(field->accessibleDescription(), ownDescription);
    }

    void cueFollowsTheLocalesSeparator()
    {
        QLocale::setDefault(QLocale(QLocale::French, QLocale::France));
        const MainWindowFixture app;
        app.field("txtWidth")->setText(QStringLiteral("1.375"));
        QCOMPARE(cueOf(app.field("txtWidth"))->toolTip(), QStringLiteral("Read as 0: write 1,375"));
        app.field("txtWidth")->setText(QStringLiteral("1,375"));
        QVERIFY(!cueOf(app.field("txtWidth"))->isVisible());
    }

    // Showing the cue touches no value, tooltip, enabled state, focus or tab
    // stop of the window, and opens nothing.
    void cueChangesNothingElse()
    {
        const MainWindowFixture app;
        const QStringList quietChain = tabChain(app);
        QLineEdit *length = app.field("txtLength");
        const QRect geometry = length->geometry();
        length->setFocus();
        length->selectAll();
        QTest::keyClicks(length, QStringLiteral("36 in"));
        QVERIFY(cueOf(length)->isVisible());

        QCOMPARE(QApplication::focusWidget(), length);
        QCOMPARE(length->text(), QStringLiteral("36 in"));
        QCOMPARE(length->toolTip(), QString());
        QCOMPARE(length->geometry(), geometry);
        QCOMPARE(app.text("txtActualGap"), QStringLiteral("0"));
        QCOMPARE(app.text("txtActualGapFraction"), QStringLiteral("36 in"));
        QVERIFY(app.button("cmdAdd")->isEnabled());
        QVERIFY(!app.button("cmdSubtract")->isEnabled());
        QVERIFY(app.button("cmdAuto")->isEnabled());
        QCOMPARE(app.field("txtActualGap")->toolTip(), QStringLiteral("Actual Gap"));
        QVERIFY(app.watcher->messages.isEmpty());
        QVERIFY(app.watcher->unexpectedDialogs.isEmpty());

        const QStringList expected{"txtWidth", "txtMaximumGap", "cboIncrement", "cmdAuto", "cmdAdd", "txtLength"};
        QCOMPARE(tabChain(app), expected);
        QVERIFY(cueOf(length)->isVisible());
        // The same chain as before any cue, apart from the count buttons the edit enabled.
        QCOMPARE(quietChain, (QStringList{"txtWidth", "txtMaximumGap", "cboIncrement", "txtLength"}));
    }
};

QTEST_MAIN(TestInputCue)
#include "tst_input_cue.moc"
