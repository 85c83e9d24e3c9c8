// SPDX-License-Identifier: LicenseRef-proprietary
#include "main_window_fixture.h"

#include "mod_math.h"
#include "number_text.h"
#include "run_time_error.h"
#include "spacing.h"

#include <QClipboard>
#include <QLocale>
#include <QMenu>
#include <QRandomGenerator>

#include <atomic>
#include <chrono>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <thread>

namespace {

using number_text::decimalText;

const char *const kInputs[] = {"txtLength", "txtWidth", "txtMaximumGap"};
const char *const kResults[] = {"txtActualGap",       "txtActualGapFraction", "txtOCenter",
                                "txtOCenterFraction", "txtICenter",           "txtICenterFraction"};

// What the window should show: the six result texts and the three button states.
struct ShownResults
{
    QStringList results;
    bool subtract = false;
    bool add = false;
    bool autoCount = false;
};

// The display after an edit: the whole length as one gap.
ShownResults afterEdit(const QString &length)
{
    return {{decimalText(modMath::FractionToDecimal(length)), length, "0", "0", "0", "0"}, false, true, true};
}

// The display a recalculation gives for the shown fields, or nothing where
// the recalculation fails part-way (its error box is counted instead).
std::optional<ShownResults> afterRecalculation(const QString &length, const QString &width, const QString &maximum,
                                               const QString &count, qint32 denominator)
{
    try {
        ShownResults display;
        const double railpins = number_text::leadingNumberValue(count);
        if (railpins > 0) {
            const float w = modMath::FractionToDecimal(width);
            const float gap = spacing::gap(modMath::FractionToDecimal(length), w, railpins);
            const float outer = spacing::outerOnCentre(w, gap);
            const float inner = spacing::innerOnCentre(w, gap);
            display.results = QStringList{decimalText(gap),   modMath::DecimalToFraction(gap, denominator),
                                          decimalText(outer), modMath::DecimalToFraction(outer, denominator),
                                          decimalText(inner), modMath::DecimalToFraction(inner, denominator)};
            display.subtract = true;
        } else {
            display = afterEdit(length);
            display.subtract = false;
        }
        const float shown = spacing::reReadGap(display.results[0], number_text::localeDecimalPoint());
        display.add = display.autoCount = !(modMath::FractionToDecimal(maximum) >= shown);
        return display;
    } catch (const RunTimeError &) {
        return std::nullopt;
    }
}

// Texts a user might type or paste, odd ones included.
QString oddText(QRandomGenerator &random)
{
    static const QStringList samples{
        "1 3/8",    "3/8", "36",   "-1 3/8", "1E39",  "1e-40",           "5/",    "/8",  "1/0", "2 1/0",
        "NaN",      "inf", "0x10", "1,5",    "1.2.3", "99999999999 1/2", "  7  ", "\t3", "½",   "٣",
        "1 3/8 in", "--4", "+5",   "1E10",   "-1E38", "0.0000001"};
    static const QString alphabet = QStringLiteral("0123456789 /.,-+Eeabc\t½€");
    if (random.bounded(3) == 0)
        return samples[random.bounded(samples.size())];
    QString text;
    const int length = random.bounded(2) == 0 ? random.bounded(1, 9) : random.bounded(1, 300);
    for (int i = 0; i < length; ++i)
        text += alphabet[random.bounded(alphabet.size())];
    return text;
}

// Types text key by key; characters beyond ASCII arrive as text without a key code.
void typeText(QWidget *field, const QString &text)
{
    for (const QChar c : text) {
        if (c.unicode() < 128)
            QTest::keyClick(field, char(c.unicode()));
        else
            QTest::sendKeyEvent(QTest::Click, field, Qt::Key_unknown, QString(c), Qt::NoModifier);
    }
}

// Aborts the run when one action takes longer than two seconds.
class HangDetector
{
public:
    HangDetector()
        : thread([this] {
              int seen = -1;
              auto since = std::chrono::steady_clock::now();
              while (!stop) {
                  std::this_thread::sleep_for(std::chrono::milliseconds(100));
                  const int now = beat;
                  if (now != seen) {
                      seen = now;
                      since = std::chrono::steady_clock::now();
                  } else if (std::chrono::steady_clock::now() - since > std::chrono::seconds(2)) {
                      std::fprintf(stderr, "action %d hangs: %s\n", now, lastAction.load());
                      std::abort();
                  }
              }
          })
    {
    }
    ~HangDetector()
    {
        stop = true;
        thread.join();
    }
    HangDetector(const HangDetector &) = delete;
    HangDetector &operator=(const HangDetector &) = delete;

    void starting(int action, const char *what)
    {
        lastAction = what;
        beat = action;
    }

private:
    std::atomic<int> beat{0};
    std::atomic<const char *> lastAction{""};
    std::atomic<bool> stop{false};
    std::thread thread;
};

}  // namespace

class TestGuiStress : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { QLocale::setDefault(QLocale::c()); }

    void randomUserActions()
    {
        const int actions = qEnvironmentVariableIntValue("RAILPIN_STRESS_ACTIONS") > 0
                                ? qEnvironmentVariableIntValue("RAILPIN_STRESS_ACTIONS")
                                : 20000;
        const quint32 seed = qEnvironmentVariableIsSet("RAILPIN_STRESS_SEED")
                                 ? quint32(qEnvironmentVariableIntValue("RAILPIN_STRESS_SEED"))
                                 : 20261207U;
        QRandomGenerator random(seed);
        const MainWindowFixture app;
        app.watcher->answerEveryMessage();  // random input raises boxes no step can foretell
        QVERIFY(app.active);
        HangDetector hangDetector;
        std::optional<ShownResults> expected = afterRecalculation("0", "1 3/8", "4", "0", 16);
        int errorBoxes = 0;
        int noCountBoxes = 0;
        int aboutBoxes = 0;

        // Replacing a selection with the same text is an edit too, so edits are
        // seen through the fields' change notifications rather than their texts.
        bool edited = false;
        for (const char *name : kInputs)
            connect(app.field(name), &QLineEdit::textChanged, this, [&edited] { edited = true; });

        for (int step = 1; step <= actions; ++step) {
            // Offscreen there is no window manager to hand activation back after a box closes.
            if (!app.window->isActiveWindow()) {
                QApplication::setActiveWindow(app.window.get());
                QVERIFY(QTest::qWaitForWindowActive(app.window.get()));
            }
            const qsizetype messagesBefore = app.watcher->messages.size();
            bool recalculated = false;
            edited = false;
            const int action = int(random.bounded(10));
            static const char *const kNames[] = {"type", "backspace", "clear", "paste",     "undo",
                                                 "+",    "-",         "Auto",  "increment", "focus or About"};
            hangDetector.starting(step, kNames[action]);
            QLineEdit *field = app.field(kInputs[random.bounded(3)]);
            switch (action) {
            case 0:
                field->setFocus();
                typeText(field, oddText(random).left(12));
                break;
            case 1:
                field->setFocus();
                for (int i = random.bounded(1, 4); i > 0; --i)
                    QTest::keyClick(field, Qt::Key_Backspace);
                break;
            case 2:
                field->selectAll();
                QTest::keyClick(field, Qt::Key_Delete);
                break;
            case 3:
                QApplication::clipboard()->setText(oddText(random));
                field->setFocus();
                QTest::keyClick(field, Qt::Key_V, Qt::ControlModifier);
                break;
            case 4:
                field->setFocus();
                QTest::keyClick(field, Qt::Key_Z, Qt::ControlModifier);
                break;
            case 5:
            case 6:
            case 7: {
                QPushButton *button = app.button(action == 5 ? "cmdAdd" : action == 6 ? "cmdSubtract" : "cmdAuto");
                recalculated = button->isEnabled();
                QTest::mouseClick(button, Qt::LeftButton);
                break;
            }
            case 8: {
                const int index = int(random.bounded(4));
                recalculated = index != app.increments()->currentIndex();
                app.increments()->setCurrentIndex(index);
                break;
            }
            default:
                if (random.bounded(20) == 0) {
                    app.watcher->onNextDialog([&](QDialog *about) {
                        ++aboutBoxes;
                        QTest::keyClick(about, Qt::Key_Escape);
                    });
                    app.get<QMenu>("mnuHelp")->actions().first()->trigger();
                } else {
                    const bool hadFocus = field->hasFocus();
                    QTest::mouseClick(field, Qt::LeftButton);
                    QVERIFY(hadFocus || field->text().isEmpty() || field->selectedText() == field->text());
                }
                break;
            }

            // Count the boxes this action raised.
            bool failed = false;
            for (qsizetype i = messagesBefore; i < app.watcher->messages.size(); ++i) {
                if (app.watcher->messages[i].objectName == QStringLiteral("ApplicationError")) {
                    ++errorBoxes;
                    failed = true;
                } else {
                    ++noCountBoxes;
                }
            }

            const QString context =
                QStringLiteral("seed %1, action %2 (%3): length \"%4\" width \"%5\" maximum \"%6\" count \"%7\"")
                    .arg(seed)
                    .arg(step)
                    .arg(QLatin1String(kNames[action]), app.text("txtLength"), app.text("txtWidth"),
                         app.text("txtMaximumGap"), app.text("txtRailpinCount"));
            QVERIFY2(QApplication::overrideCursor() == nullptr, qPrintable(context));
            QVERIFY2(app.watcher->unexpectedDialogs.isEmpty(), qPrintable(context));
            const QString countText = app.text("txtRailpinCount");
            const double count = number_text::leadingNumberValue(countText);
            QVERIFY2(count >= 0 && count == std::floor(count) && countText == decimalText(count), qPrintable(context));

            if (edited)
                expected = afterEdit(app.text("txtLength"));
            else if (recalculated)
                expected =
                    failed ? std::nullopt
                           : afterRecalculation(app.text("txtLength"), app.text("txtWidth"), app.text("txtMaximumGap"),
                                                countText, app.increments()->currentData().toInt());
            if (!expected)
                continue;  // a failed recalculation leaves a part-written display until the next one
            for (int i = 0; i < 6; ++i)
                QVERIFY2(app.text(kResults[i]) == expected->results[i],
                         qPrintable(context +
                                    QStringLiteral(": %1 shows \"%2\", expected \"%3\"")
                                        .arg(QLatin1String(kResults[i]), app.text(kResults[i]), expected->results[i])));
            QVERIFY2(app.button("cmdSubtract")->isEnabled() == expected->subtract, qPrintable(context));
            QVERIFY2(app.button("cmdAdd")->isEnabled() == expected->add, qPrintable(context));
            QVERIFY2(app.button("cmdAuto")->isEnabled() == expected->autoCount, qPrintable(context));
        }
        qInfo("%d actions: %d error boxes, %d no-count boxes, %d About windows", actions, errorBoxes, noCountBoxes,
              aboutBoxes);
    }
};

QTEST_MAIN(TestGuiStress)
#include "tst_gui_stress.moc"
