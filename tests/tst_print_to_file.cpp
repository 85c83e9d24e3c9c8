// SPDX-License-Identifier: LicenseRef-proprietary
#include "print_to_file.h"

#include <QBuffer>
#include <QPainter>
#include <QPdfWriter>
#include <QTest>

namespace {

// Two pages with text and lines, as Qt's PDF engine writes them.
QByteArray twoPages()
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    QPdfWriter writer(&buffer);
    QPainter painter(&writer);
    painter.drawText(100, 100, QStringLiteral("Porch, 6 railpins"));
    writer.newPage();
    painter.drawLine(0, 0, 500, 500);
    painter.end();
    return bytes;
}

QByteArray withHole(QByteArray pdf, qsizetype at, qsizetype length)
{
    return pdf.remove(at, length);
}

}  // namespace

class TestPrintToFile : public QObject
{
    Q_OBJECT

private slots:
    // A write that failed on the way loses bytes somewhere: at the end, in an
    // object or in the table that finds them. Each is told from a whole PDF.
    void completePdf_data()
    {
        QTest::addColumn<QByteArray>("pdf");
        QTest::addColumn<bool>("complete");
        const QByteArray whole = twoPages();
        const qsizetype table = whole.lastIndexOf("\nxref\n") + 1;
        QTest::newRow("whole") << whole << true;
        QTest::newRow("whole, blank line at the end") << whole + "\n" << true;
        QTest::newRow("empty") << QByteArray() << false;
        QTest::newRow("no PDF") << QByteArray("%%EOF\n") << false;
        QTest::newRow("cut in the last line") << whole.chopped(3) << false;
        QTest::newRow("cut in the trailer") << whole.left(whole.lastIndexOf("trailer") + 3) << false;
        QTest::newRow("cut at the table") << whole.left(table) << false;
        QTest::newRow("a hole of 4 KiB at the start") << withHole(whole, 20, 4096) << false;
        QTest::newRow("a hole of 16 bytes in an object") << withHole(whole, whole.size() / 2, 16) << false;
        QTest::newRow("an entry of the table lost") << withHole(whole, table + 40, 20) << false;
    }
    void completePdf()
    {
        QFETCH(QByteArray, pdf);
        QFETCH(bool, complete);
        QCOMPARE(pdfComplete(pdf), complete);
    }
};

QTEST_MAIN(TestPrintToFile)
#include "tst_print_to_file.moc"
