// SPDX-License-Identifier: LicenseRef-proprietary
// A level section with full ends is the calculator: the real window, typed
// into and driven by "Auto", shows the count, gap and fractions that the
// job engine lays out, and the job window's cell and tooltip, the drawing
// and the job sheet show its gap text, for thousands of random inputs.
#include "job_sheet.h"
#include "job_window_fixture.h"
#include "main_window_fixture.h"
#include "measurement.h"
#include "number_text.h"
#include "pdf_text.h"
#include "recording_paint_device.h"
#include "section_drawing.h"
#include "section_layout.h"

#include <QBuffer>
#include <QLocale>
#include <QPainter>
#include <QPdfWriter>
#include <QRandomGenerator>
#include <QRegularExpression>

#include <array>

namespace {

constexpr int kInputs = 5000;
// Every so many inputs also go on a job sheet, one per increment; and have
// the calculator step one railpin below its count, for the job's warning.
constexpr int kSheetEvery = 25;
constexpr int kWarningEvery = 4;
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

// The gap the drawing dimensions, as painted.
QString drawnGap(const layout::Job &job, const layout::SectionLayout &laid)
{
    RecordingPaintDevice device(QSize(8000, 3000));
    {
        QPainter painter(&device);
        sheets::drawSection(painter, QRectF(0, 0, 8000, 3000), job, laid, u'.');
    }
    // Not the scale, nor a railpin's number.
    for (const QString &text : device.recording().texts) {
        bool number = false;
        text.toInt(&number);
        if (!text.startsWith(QLatin1String("Scale")) && !number)
            return text;
    }
    return {};
}

// The "Gap:" lines of a job sheet, in the order of its sections.
QStringList sheetGaps(const layout::Job &job)
{
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    QPdfWriter writer(&buffer);
    if (!sheets::paintJobSheet(writer, job).isEmpty())
        return {};
    QStringList gaps;
    static const QRegularExpression gapLine(QStringLiteral("^\\s*(Gap: .*?)\\s*$"),
                                            QRegularExpression::MultilineOption);
    auto lines = gapLine.globalMatch(pdfText(buffer.data()).value_or(QString()));
    while (lines.hasNext())
        gaps << lines.next().captured(1);
    return gaps;
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
        const JobWindowFixture jobWindow(layout::Job{});
        QVERIFY(jobWindow.active);
        std::array<layout::Job, std::size(kDenominators)> sheets;
        std::array<QStringList, std::size(kDenominators)> sheetExpected;
        QRandomGenerator random(20260);
        int compared = 0;
        int warned = 0;
        for (int i = 0; i < kInputs; ++i) {
            // The first inputs part the shown and the exact gap from the maximum.
            const Input input = i == 0   ? Input{"36", "1 3/8", "11.08333", 2}
                                : i == 1 ? Input{"36", "1.333333", "4", 2}
                                : i == 2 ? Input{"439 1/16", "1 3/4", "6.893383", 1}
                                         : randomInput(random);
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
            QVERIFY2(qint64(number_text::leadingNumberValue(app.text("txtRailpinCount"))) == laid.count,
                     qPrintable(label));

            const QString gap = app.text("txtActualGap");
            const QString fraction = app.text("txtActualGapFraction");
            const layout::GapText gapText = layout::gapText(laid, job);
            QVERIFY2(gapText.decimal == gap && gapText.fraction == fraction, qPrintable(label));
            QVERIFY2(app.text("txtOCenter") == layout::decimalMarkText(laid.outerOnCentre, job), qPrintable(label));
            QVERIFY2(app.text("txtOCenterFraction") == layout::markText(laid.outerOnCentre, job), qPrintable(label));
            QVERIFY2(app.text("txtICenter") == layout::decimalMarkText(laid.innerOnCentre, job), qPrintable(label));
            QVERIFY2(app.text("txtICenterFraction") == layout::markText(laid.innerOnCentre, job), qPrintable(label));

            jobWindow.window->showJob(job);
            QVERIFY2(jobWindow.cell(0, SectionsModel::Gap).toString() == QStringLiteral("%1 (%2)").arg(fraction, gap),
                     qPrintable(label));
            QVERIFY2(drawnGap(job, laid) == fraction + QStringLiteral(" in"), qPrintable(label));
            if (i % kSheetEvery == 0) {
                layout::Job &sheet = sheets[size_t(input.incrementIndex)];
                sheet.increment = job.increment;
                layout::Section section = job.sections.front();
                section.railpinWidth = input.width;
                section.maximumGap = input.maximumGap;
                sheet.sections.push_back(section);
                sheetExpected[size_t(input.incrementIndex)] << QStringLiteral("Gap: %1 in (%2)").arg(gap, fraction);
            }

            // One railpin fewer, given as the count: the calculator's gap
            // over the maximum, and the job's warning in the cell's tooltip.
            if (i % kWarningEvery == 0 && laid.count > 1 && app.button("cmdSubtract")->isEnabled()) {
                QTest::mouseClick(app.button("cmdSubtract"), Qt::LeftButton);
                job.sections.front().count = laid.count - 1;
                jobWindow.window->showJob(job);
                const QString tooltip = jobWindow.cell(0, SectionsModel::Gap, Qt::ToolTipRole).toString();
                if (app.button("cmdAuto")->isEnabled()) {
                    ++warned;
                    const QString shown = QStringLiteral("the gap of %1 (%2) with")
                                              .arg(app.text("txtActualGap"), app.text("txtActualGapFraction"));
                    QVERIFY2(tooltip.contains(shown), qPrintable(label + QStringLiteral(": ") + tooltip));
                } else {
                    QVERIFY2(tooltip.isEmpty(), qPrintable(label + QStringLiteral(": ") + tooltip));
                }
            }
        }
        QVERIFY(app.watcher->messages.isEmpty());
        QVERIFY(jobWindow.watcher->messages.isEmpty());
        QVERIFY(compared > kInputs * 9 / 10);
        QVERIFY(warned > compared / kWarningEvery / 2);
        if (!havePdfToText())
            QSKIP("pdftotext is not installed: the job sheets were not read back");
        for (size_t k = 0; k < sheets.size(); ++k)
            QCOMPARE(sheetGaps(sheets[k]), sheetExpected[k]);
        qInfo("%d inputs compared, %d warnings", compared, warned);
    }
};

QTEST_MAIN(TestLevelEqualsCalculator)
#include "tst_level_equals_calculator.moc"
