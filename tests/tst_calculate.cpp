// SPDX-License-Identifier: LicenseRef-proprietary
#include "layout_sheet.h"
#include "main_window_fixture.h"

#include <QLocale>

namespace {

const char *const kResultFields[] = {"txtActualGap",       "txtActualGapFraction", "txtOCenter",
                                     "txtOCenterFraction", "txtICenter",           "txtICenterFraction"};

}  // namespace

Q_DECLARE_METATYPE(layout_sheet::Status)

class TestCalculate : public QObject
{
    Q_OBJECT

private slots:
    void init() { QLocale::setDefault(QLocale::c()); }

    void results_data()
    {
        // clang-format off
        QTest::addColumn<QString>("length");
        QTest::addColumn<QString>("width");
        QTest::addColumn<QString>("maximumGap");
        QTest::addColumn<int>("increment");
        QTest::addColumn<QString>("count");
        QTest::addColumn<QStringList>("results");  // gap, fraction, outer, fraction, inner, fraction
        QTest::addColumn<QString>("buttons");      // enabled states of -, +, Auto as three 0/1
        QTest::newRow("count 6") << "36" << "1 3/8" << "4" << 2 << "6"
                                 << QStringList{"3.964286", "3 15/16", "5.339286", "5 5/16", "4.651786", "4 5/8"}
                                 << "100";
        QTest::newRow("count 5") << "36" << "1 3/8" << "4" << 2 << "5"
                                 << QStringList{"4.854167", "4 7/8", "6.229167", "6 1/4", "5.541667", "5 9/16"}
                                 << "111";
        QTest::newRow("count 0 copies the length text") << "36" << "1 3/8" << "4" << 2 << "0"
                                                        << QStringList{"36", "36", "0", "0", "0", "0"} << "011";
        QTest::newRow("count 0 keeps the typed fraction") << " 35 1/2" << "1 3/8" << "4" << 0 << "0"
                                                          << QStringList{"35.5", " 35 1/2", "0", "0", "0", "0"}
                                                          << "011";
        QTest::newRow("railpins wider than the section")
            << "36" << "1 3/8" << "4" << 2 << "30"
            << QStringList{"-0.1693548", "-3/16", "1.205645", "1 3/16", "0.5181451", "1/2"} << "100";
        QTest::newRow("short section, no railpins") << "3" << "1 3/8" << "4" << 2 << "0"
                                                    << QStringList{"3", "3", "0", "0", "0", "0"} << "000";
        QTest::newRow("gap exactly the maximum") << "30.875" << "1 3/8" << "4" << 2 << "5"
                                                 << QStringList{"4", "4", "5.375", "5 3/8", "4.6875", "4 11/16"}
                                                 << "100";
        QTest::newRow("re-read gap equals the maximum")
            << "36" << "1 3/8" << "11.08333" << 2 << "2"
            << QStringList{"11.08333", "11 1/16", "12.45833", "12 7/16", "11.77083", "11 3/4"} << "100";
        QTest::newRow("empty count") << "36" << "1 3/8" << "4" << 2 << ""
                                     << QStringList{"36", "36", "0", "0", "0", "0"} << "011";
        QTest::newRow("letters for a count") << "36" << "1 3/8" << "4" << 2 << "abc"
                                             << QStringList{"36", "36", "0", "0", "0", "0"} << "011";
        QTest::newRow("negative count") << "36" << "1 3/8" << "4" << 2 << "-2"
                                        << QStringList{"36", "36", "0", "0", "0", "0"} << "011";
        QTest::newRow("quarters") << "36" << "1 3/8" << "4" << 0 << "6"
                                  << QStringList{"3.964286", "4", "5.339286", "5 1/4", "4.651786", "4 3/4"} << "100";
        QTest::newRow("eighths") << "36" << "1 3/8" << "4" << 1 << "6"
                                 << QStringList{"3.964286", "4", "5.339286", "5 3/8", "4.651786", "4 5/8"} << "100";
        QTest::newRow("thirty seconds")
            << "36" << "1 3/8" << "4" << 3 << "6"
            << QStringList{"3.964286", "3 31/32", "5.339286", "5 11/32", "4.651786", "4 21/32"} << "100";
        // clang-format on
    }
    void results()
    {
        QFETCH(QString, length);
        QFETCH(QString, width);
        QFETCH(QString, maximumGap);
        QFETCH(int, increment);
        QFETCH(QString, count);
        QFETCH(QStringList, results);
        QFETCH(QString, buttons);
        const MainWindowFixture app;
        app.setInputs(length, width, maximumGap);
        app.calculateAtCount(count, increment);
        for (int i = 0; i < 6; ++i)
            QCOMPARE(app.text(kResultFields[i]), results[i]);
        QCOMPARE(app.text("txtRailpinCount"), count);
        const QString states = QString::number(int(app.button("cmdSubtract")->isEnabled())) +
                               QString::number(int(app.button("cmdAdd")->isEnabled())) +
                               QString::number(int(app.button("cmdAuto")->isEnabled()));
        QCOMPARE(states, buttons);
        QVERIFY(app.watcher->messages.isEmpty());
    }

    // With "," as the decimal separator the gap 4,854167 is compared whole,
    // not as its whole-number part 4.
    void commaLocale()
    {
        QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
        const MainWindowFixture app;
        app.setInputs(QStringLiteral("36"), QStringLiteral("1 3/8"), QStringLiteral("4"));
        app.calculateAtCount(QStringLiteral("5"));
        QCOMPARE(app.text("txtActualGap"), QStringLiteral("4,854167"));
        QVERIFY(app.button("cmdAdd")->isEnabled());
        QVERIFY(app.button("cmdAuto")->isEnabled());
        app.calculateAtCount(QStringLiteral("6"));
        QCOMPARE(app.text("txtActualGap"), QStringLiteral("3,964286"));
        QVERIFY(!app.button("cmdAdd")->isEnabled());
        app.field("txtMaximumGap")->setText(QStringLiteral("3,9"));
        app.calculateAtCount(QStringLiteral("6"));
        QVERIFY(app.button("cmdAdd")->isEnabled());
    }

    // A failure while formatting stops Calculate at that step: it is reported
    // once, what was written before stays, and the caller carries on.
    void failureIsReportedOnce()
    {
        const MainWindowFixture app;
        app.setInputs(QStringLiteral("1E10"), QStringLiteral("1"), QStringLiteral("4"));
        app.watcher->answerNextMessage();
        QTest::mouseClick(app.button("cmdAdd"), Qt::LeftButton);
        QCOMPARE(app.watcher->messages.size(), 1);
        const DialogScript::Message &message = app.watcher->messages.first();
        QCOMPARE(message.text, QStringLiteral("Error 6 occured in Railpin.frmMain.Calculate:Railpin, Overflow"));
        QCOMPARE(message.title, QStringLiteral("Application Error"));
        QCOMPARE(app.text("txtRailpinCount"), QStringLiteral("1"));
        QCOMPARE(app.text("txtActualGap"), QStringLiteral("5E+09"));
        QCOMPARE(app.text("txtActualGapFraction"), QStringLiteral("1E10"));  // left from the edit
        QCOMPARE(app.text("txtOCenter"), QStringLiteral("0"));
        QVERIFY(app.button("cmdSubtract")->isEnabled());
        QVERIFY(app.button("cmdAdd")->isEnabled());
        QVERIFY(app.window->isVisible());
    }

    void incrementChangeKeepsCountAndInputs()
    {
        const MainWindowFixture app;
        app.setInputs(QStringLiteral("36"), QStringLiteral("1 3/8"), QStringLiteral("4"));
        app.calculateAtCount(QStringLiteral("6"), 2);
        app.increments()->setCurrentIndex(3);
        QCOMPARE(app.text("txtActualGapFraction"), QStringLiteral("3 31/32"));
        QCOMPARE(app.text("txtRailpinCount"), QStringLiteral("6"));
        QCOMPARE(app.text("txtLength"), QStringLiteral("36"));
        QCOMPARE(app.text("txtWidth"), QStringLiteral("1 3/8"));
        QCOMPARE(app.text("txtMaximumGap"), QStringLiteral("4"));
    }

    // What File > Print lays out: the count only while the results on screen
    // are its own, and a note only when the count shown has none.
    void printedSheetFollowsTheResults_data()
    {
        using layout_sheet::Status;
        QTest::addColumn<QString>("length");
        // A button's name, a field=text edit, cboIncrement=index, or "message"
        // for an error box that the next step shows.
        QTest::addColumn<QStringList>("steps");
        QTest::addColumn<Status>("status");
        QTest::addColumn<qint64>("count");  // 0 when none is laid out
        QTest::newRow("Auto") << "36" << QStringList{"cmdAuto"} << Status::Ready << qint64(6);
        QTest::newRow("fresh window") << "36" << QStringList{} << Status::NoRailpins << qint64(0);
        QTest::newRow("input edited after Auto")
            << "36" << QStringList{"cmdAuto", "txtLength=40"} << Status::NotCurrent << qint64(0);
        QTest::newRow("edited back to the same text")
            << "36" << QStringList{"cmdAuto", "txtLength=3", "txtLength=36"} << Status::NotCurrent << qint64(0);
        QTest::newRow("laid out again after the edit")
            << "36" << QStringList{"cmdAuto", "txtLength=40", "cmdAdd"} << Status::Ready << qint64(7);
        QTest::newRow("increment chosen again")
            << "36" << QStringList{"cmdAuto", "txtLength=40", "cboIncrement=3"} << Status::Ready << qint64(6);
        QTest::newRow("no room between the railpins")
            << "2.75" << QStringList{"txtRailpinCount=2", "cboIncrement=2"} << Status::NoRailpins << qint64(0);
        QTest::newRow("results that overflow")
            << "1E10" << QStringList{"message", "cmdAdd"} << Status::NotCurrent << qint64(0);
    }
    void printedSheetFollowsTheResults()
    {
        QFETCH(QString, length);
        QFETCH(QStringList, steps);
        QFETCH(layout_sheet::Status, status);
        QFETCH(qint64, count);
        const MainWindowFixture app;
        app.setInputs(length, QStringLiteral("1 3/8"), QStringLiteral("4"));
        for (const QString &step : steps) {
            const qsizetype equals = step.indexOf(u'=');
            if (step == u"message")
                app.watcher->answerNextMessage();
            else if (equals < 0)
                app.button(qPrintable(step))->click();
            else if (step.startsWith(u"cbo")) {
                app.selectIncrement(step.mid(equals + 1).toInt());
            } else {
                app.field(qPrintable(step.left(equals)))->setText(step.mid(equals + 1));
            }
        }
        const layout::CalculatorSnapshot shown = app.window->snapshot();
        QCOMPARE(shown.count.value_or(0), count);
        QCOMPARE(layout_sheet::make(shown).status, status);
    }
};

QTEST_MAIN(TestCalculate)
#include "tst_calculate.moc"
