// SPDX-License-Identifier: LicenseRef-proprietary
// A level section with full ends is the calculator: the real window, typed
// into and driven by "Auto", shows the count, gap and fractions that the
// job engine lays out, for thousands of random inputs that a job accepts.
#include "main_window_fixture.h"
#include "measurement.h"
#include "number_text.h"
#include "section_layout.h"

#include <QLocale>
#include <QRandomGenerator>

namespace {

constexpr int kInputs = 3000;
constexpr qint32 kDenominators[] = {4, 8, 16, 32};

QString fractionText(QRandomGenerator &random)
{
    const int denominator = 2 << random.bounded(5);  // 2 to 32
    return QStringLiteral("%1/%2").arg(2 * random.bounded(denominator / 2) + 1).arg(denominator);
}

// A measurement as a user types it into the calculator: whole, mixed or decimal.
QString measurementText(QRandomGenerator &random, int lowest, int highest)
{
    const int whole = lowest + random.bounded(highest - lowest + 1);
    switch (random.bounded(4)) {
    case 0:
        return QString::number(whole);
    case 1:
        return whole == 0 ? fractionText(random) : QStringLiteral("%1 %2").arg(whole).arg(fractionText(random));
    default:
        return QStringLiteral("%1.%2").arg(whole).arg(random.bounded(1, 1000));
    }
}

struct Input
{
    QString length;
    QString width;
    QString maximumGap;
    int incrementIndex = 0;
};

Input randomInput(QRandomGenerator &random)
{
    Input input;
    input.length = measurementText(random, 1, 480);
    input.width = measurementText(random, 0, 3);
    input.maximumGap = measurementText(random, 2, 8);
    input.incrementIndex = random.bounded(4);
    // One input in three takes as its maximum the shown gap of some count:
    // where the calculator's 7-digit text and the exact gap part ways.
    if (random.bounded(3) == 0) {
        const float length = layout::readMeasurement(input.length, layout::Unit::Inches).value.value_or(0);
        const float width = layout::readMeasurement(input.width, layout::Unit::Inches).value.value_or(0);
        const double count = 1 + random.bounded(60);
        const auto gap = float((double(length) - double(width) * count) / (count + 1));
        if (gap > 0)
            input.maximumGap = number_text::decimalText(gap);
    }
    return input;
}

layout::Job oneSectionJob(const Input &input)
{
    layout::Job job;
    job.railpinWidth = input.width;
    job.maximumGap = input.maximumGap;
    job.increment = kDenominators[input.incrementIndex];
    layout::Section section;
    section.length = input.length;
    job.sections.push_back(section);
    return job;
}

}  // namespace

class TestLevelEqualsCalculator : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { QLocale::setDefault(QLocale::c()); }

    void randomInputs()
    {
        const MainWindowFixture app;
        QVERIFY(app.active);
        QRandomGenerator random(20260);
        int compared = 0;
        int countsApart = 0;
        for (int i = 0; i < kInputs; ++i) {
            const Input input = i == 0 ? Input{"36", "1 3/8", "11.08333", 2} : randomInput(random);
            layout::Job job = oneSectionJob(input);
            const layout::SectionLayout laid = layout::layOut(job, job.sections.front());
            // The calculator keeps a minimum of one railpin; a job section no
            // longer than its maximum gap needs none.
            if (!laid.laidOut() || laid.count == 0)
                continue;
            ++compared;
            const QString label = QStringLiteral("%1 / %2 / %3 at 1/%4")
                                      .arg(input.length, input.width, input.maximumGap)
                                      .arg(job.increment);

            app.selectIncrement(input.incrementIndex);
            for (const char *name : {"txtLength", "txtWidth", "txtMaximumGap"}) {
                QLineEdit *field = app.field(name);
                field->setFocus();
                QTest::keyClick(field, Qt::Key_A, Qt::ControlModifier);
                QTest::keyClicks(field, name == QByteArrayView("txtLength")  ? input.length
                                        : name == QByteArrayView("txtWidth") ? input.width
                                                                             : input.maximumGap);
            }
            QVERIFY2(app.text("txtLength") == input.length && app.text("txtMaximumGap") == input.maximumGap,
                     qPrintable(label));
            QTest::mouseClick(app.button("cmdAuto"), Qt::LeftButton);
            const auto shownCount = qint64(number_text::leadingNumberValue(app.text("txtRailpinCount")));

            layout::SectionLayout compare = laid;
            if (shownCount != laid.count) {
                // The calculator decides on the gap's 7-digit text, the job on
                // the exact gap: they part only where the two sides of the
                // maximum differ, and then by one railpin.
                ++countsApart;
                QVERIFY2(std::abs(shownCount - laid.count) == 1, qPrintable(label));
                const qint64 decided = std::min(shownCount, laid.count);
                const double exactGap =
                    (double(laid.length) - double(laid.railpinWidth) * double(decided)) / double(decided + 1);
                const float textGap = float(number_text::leadingNumberValue(number_text::decimalText(float(exactGap))));
                const bool calculatorStops = laid.maximumGap >= textGap;
                const bool jobStops = exactGap <= double(laid.maximumGap);
                QVERIFY2(calculatorStops != jobStops, qPrintable(label));
                QCOMPARE(shownCount == decided, calculatorStops);
                // The texts at the calculator's count, given to the job.
                job.sections.front().count = shownCount;
                compare = layout::layOut(job, job.sections.front());
                QVERIFY2(compare.laidOut(), qPrintable(label));
            }
            QVERIFY2(app.text("txtActualGap") == layout::decimalMarkText(compare.gap, job), qPrintable(label));
            QVERIFY2(app.text("txtActualGapFraction") == layout::markText(compare.gap, job), qPrintable(label));
            QVERIFY2(app.text("txtOCenter") == layout::decimalMarkText(compare.outerOnCentre, job), qPrintable(label));
            QVERIFY2(app.text("txtOCenterFraction") == layout::markText(compare.outerOnCentre, job), qPrintable(label));
            QVERIFY2(app.text("txtICenter") == layout::decimalMarkText(compare.innerOnCentre, job), qPrintable(label));
            QVERIFY2(app.text("txtICenterFraction") == layout::markText(compare.innerOnCentre, job), qPrintable(label));
        }
        QVERIFY(app.watcher->messages.isEmpty());
        QVERIFY(compared > kInputs * 9 / 10);
        QVERIFY(countsApart >= 1);  // the first input is such a case
        qInfo("%d inputs compared, %d where the counts are one apart", compared, countsApart);
    }
};

QTEST_MAIN(TestLevelEqualsCalculator)
#include "tst_level_equals_calculator.moc"
