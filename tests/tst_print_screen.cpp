// SPDX-License-Identifier: LicenseRef-proprietary
#include "main_window_fixture.h"
#include "private_cups_server.h"

#include <QAction>
#include <QElapsedTimer>
#include <QLocale>
#include <QRegularExpression>

namespace {

// The text of a PDF as pdftotext lays it out, page after page.
QString pdfText(const QString &pdf)
{
    QProcess pdftotext;
    pdftotext.start(QStringLiteral("pdftotext"), {QStringLiteral("-layout"), pdf, QStringLiteral("-")});
    if (!pdftotext.waitForFinished(30000))
        return {};
    return QString::fromUtf8(pdftotext.readAllStandardOutput());
}

int pdfPages(const QString &pdf)
{
    QProcess pdfinfo;
    pdfinfo.start(QStringLiteral("pdfinfo"), {pdf});
    if (!pdfinfo.waitForFinished(30000))
        return 0;
    const QRegularExpressionMatch pages =
        QRegularExpression(QStringLiteral("^Pages:\\s+(\\d+)"), QRegularExpression::MultilineOption)
            .match(QString::fromUtf8(pdfinfo.readAllStandardOutput()));
    return pages.hasMatch() ? pages.captured(1).toInt() : 0;
}

}  // namespace

// Print Screen through a real CUPS server of the test's own, whose default
// printer is a cups-pdf queue: the printout is read back from its PDF.
class TestPrintScreen : public QObject
{
    Q_OBJECT

    // Chooses File > Print Screen and returns the PDF that comes out, or
    // nothing with the reason in `failure`.
    QString print(MainWindowFixture &fixture)
    {
        auto *action = fixture.window->findChild<QAction *>(QStringLiteral("mnuFilePrint"));
        if (action == nullptr) {
            failure = QStringLiteral("no mnuFilePrint action");
            return {};
        }
        action->trigger();
        if (!fixture.watcher->messages.isEmpty()) {
            failure = QStringLiteral("message box: ") + fixture.watcher->messages.first().text;
            return {};
        }
        QString pdf = cups.waitForNewPdf(30000);
        if (pdf.isEmpty())
            failure = QStringLiteral("no PDF from cups-pdf within 30 s\n") + cups.log();
        return pdf;
    }

    PrivateCupsServer cups;
    QString failure;

private slots:
    void initTestCase()
    {
        QLocale::setDefault(QLocale::c());
        if (!cups.start())
            QFAIL(qPrintable(QStringLiteral("the private CUPS server did not start\n") + cups.log()));
        if (!cups.addPdfQueue(QStringLiteral("RailpinTestPDF")))
            QFAIL(qPrintable(QStringLiteral("the cups-pdf queue could not be added\n") + cups.log()));
    }

    void cleanupTestCase() { cups.stop(); }

    void printsWindowAndLayoutSheet()
    {
        MainWindowFixture fixture;
        fixture.setInputs(QStringLiteral("36"), QStringLiteral("1 3/8"), QStringLiteral("4"));
        fixture.button("cmdAuto")->click();
        QCOMPARE(fixture.text("txtRailpinCount"), QStringLiteral("6"));

        const QString pdf = print(fixture);
        QVERIFY2(!pdf.isEmpty(), qPrintable(failure));
        const QString text = pdfText(pdf);
        for (const char *expected : {"Section Length", "Railpin Width", "Maximum Gap", "Calculate to Nearest",
                                     "Actual Gap", "O On Center", "I On Center", "Railpin Count", "Sixteenth",
                                     "3.964286", "3 15/16", "5.339286", "5 5/16", "4.651786", "4 5/8", "1 3/8"})
            QVERIFY2(text.contains(QLatin1String(expected)),
                     qPrintable(QStringLiteral("no \"%1\" in:\n%2").arg(QLatin1String(expected), text)));

        // The layout sheet: railpin, centre as decimal, centre as fraction.
        for (const char *row :
             {R"(\b1\s+4\.651786\s+4 5/8\b)", R"(\b2\s+9\.99107\d\s+10\b)", R"(\b6\s+31\.34821\s+31 3/8\b)"})
            QVERIFY2(text.contains(QRegularExpression(QLatin1String(row))),
                     qPrintable(QStringLiteral("no row %1 in:\n%2").arg(QLatin1String(row), text)));
        QVERIFY(text.contains(QLatin1String("Section length: 36")));
        QVERIFY(text.contains(QLatin1String("Railpin width: 1 3/8")));
        QVERIFY(text.contains(QLatin1String("Maximum gap: 4")));
        QVERIFY(text.contains(QLatin1String("Calculate to nearest: Sixteenth")));
        QVERIFY(text.contains(QLatin1String("From the centre of railpin 6 to the right post: 4.651786 (4 5/8)")));
        QVERIFY(fixture.watcher->messages.isEmpty());
    }

    // A count near a billion: the sheet stops at its limit, says so, runs on
    // over a few pages and the print command returns promptly.
    void hugeCountPrintsCappedSheet()
    {
        MainWindowFixture fixture;
        fixture.setInputs(QStringLiteral("1000000000"), QStringLiteral("0.5"), QStringLiteral("0.5"));
        fixture.button("cmdAuto")->click();
        const QString count = fixture.text("txtRailpinCount");
        QVERIFY2(count.toDouble() > 9e8, qPrintable(count));

        QElapsedTimer printing;
        printing.start();
        const QString pdf = print(fixture);
        QVERIFY2(!pdf.isEmpty(), qPrintable(failure));
        QVERIFY2(printing.elapsed() < 30000, "printing took too long");
        const QString text = pdfText(pdf);
        QVERIFY2(text.contains(QLatin1String("the sheet stops at 200 railpins")), qPrintable(text));
        QVERIFY(text.contains(QLatin1String("Layout sheet, continued")));
        QVERIFY(text.contains(QRegularExpression(QStringLiteral("\\b200\\s+\\d"))));
        QVERIFY(!text.contains(QRegularExpression(QStringLiteral("^\\s*201\\s"), QRegularExpression::MultilineOption)));
        QVERIFY2(text.contains(QRegularExpression(QStringLiteral("^\\s*%1\\s+\\d").arg(count),
                                                  QRegularExpression::MultilineOption)),
                 qPrintable(text));
        QVERIFY(text.contains(QStringLiteral("From the centre of railpin %1 to the right post").arg(count)));
        const int pages = pdfPages(pdf);
        QVERIFY2(pages >= 3 && pages <= 8, qPrintable(QString::number(pages)));
    }

    // After an input is edited the results go back to no railpins while the
    // count stays: the printout says why it has no sheet.
    void editedInputGivesNoSheet()
    {
        MainWindowFixture fixture;
        fixture.setInputs(QStringLiteral("36"), QStringLiteral("1 3/8"), QStringLiteral("4"));
        fixture.button("cmdAuto")->click();
        fixture.field("txtLength")->setText(QStringLiteral("40"));
        QCOMPARE(fixture.text("txtRailpinCount"), QStringLiteral("6"));

        const QString pdf = print(fixture);
        QVERIFY2(!pdf.isEmpty(), qPrintable(failure));
        const QString text = pdfText(pdf);
        QVERIFY2(text.contains(QLatin1String("No layout sheet")), qPrintable(text));
        QVERIFY(!text.contains(QLatin1String("Layout sheet")));
        QVERIFY(text.contains(QLatin1String("Section Length")));
    }
};

QTEST_MAIN(TestPrintScreen)
#include "tst_print_screen.moc"
