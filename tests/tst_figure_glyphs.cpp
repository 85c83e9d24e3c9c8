// SPDX-License-Identifier: LicenseRef-proprietary
#include "figure_glyphs.h"
#include "shaped_texts.h"
#include "sheet_pages.h"

#include <QBuffer>
#include <QPainter>
#include <QPdfWriter>
#include <QRegularExpression>
#include <QTest>

#include <functional>

namespace {

// The PDF of one page of a Letter sheet with what `paint` draws on it, its
// dates left out.
QByteArray pdfOf(const std::function<void(QPainter &, QPdfWriter &)> &paint)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    {
        QPdfWriter writer(&buffer);
        writer.setPageSize(QPageSize(QPageSize::Letter));
        QPainter painter(&writer);
        paint(painter, writer);
    }
    static const QRegularExpression dates(QStringLiteral("/(CreationDate|ModDate) \\(D:[^)]*\\)"));
    return QString::fromLatin1(bytes).remove(dates).toLatin1();
}

}  // namespace

class TestFigureGlyphs : public QObject
{
    Q_OBJECT

private slots:
    void drawsAsDrawTextDoes_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QPointF>("point");
        QTest::addColumn<bool>("bold");
        QTest::addColumn<bool>("figures");
        // clang-format off
        QTest::newRow("mark and decimal") << "36 1/8 (36.125)" << QPointF(1234.56789, 987.654321) << false << true;
        QTest::newRow("kerned ones") << "111 11/16 (111.6875)" << QPointF(0.3, 100) << false << true;
        QTest::newRow("minus signs") << "\u221212 3/8 (\u221212.375)" << QPointF(7.015625, 5) << false << true;
        QTest::newRow("hyphen minus") << "-0.1693548" << QPointF(300, 300) << false << true;
        QTest::newRow("decimal comma") << "914,4 (914,40)" << QPointF(2000.5, 2000.25) << false << true;
        QTest::newRow("one figure") << "7" << QPointF(1.0 / 3, 2.0 / 3) << false << true;
        QTest::newRow("bold") << "1 3/8 (1.375)" << QPointF(99.99, 42) << true << true;
        QTest::newRow("a start left of the page") << "10" << QPointF(-3.3, 50) << false << true;
        QTest::newRow("a word") << "Railpin" << QPointF(10, 10) << false << false;
        QTest::newRow("a number with a word") << "12 (corner)" << QPointF(10, 10) << false << false;
        QTest::newRow("a unit") << "36 in" << QPointF(10, 10) << false << false;
        QTest::newRow("nothing") << "" << QPointF(10, 10) << false << false;
        // clang-format on
    }
    void drawsAsDrawTextDoes()
    {
        QFETCH(QString, text);
        QFETCH(QPointF, point);
        QFETCH(bool, bold);
        QFETCH(bool, figures);
        const QFont font = sheetFont(9, bold);
        const QByteArray expected = pdfOf([&](QPainter &painter, QPdfWriter &) {
            painter.setFont(font);
            painter.drawText(point, text);
        });
        bool drawn = false;
        const QByteArray made = pdfOf([&](QPainter &painter, QPdfWriter &writer) {
            painter.setFont(font);
            FigureGlyphs glyphs(font, &writer);
            drawn = glyphs.draw(painter, point, text);
            if (!drawn)
                painter.drawText(point, text);
        });
        // The sheet's font kerns "11": a text of figures is still drawn from
        // the glyphs, not handed back to drawText.
        QCOMPARE(drawn, figures);
        QCOMPARE(made, expected);
    }

    // One object draws many texts, as a sheet's table does, every page alike.
    void manyTextsOnManyPages()
    {
        const QFont font = sheetFont(9, false);
        const QStringList texts{QStringLiteral("1"), QStringLiteral("2 15/16 (2.9375)"), QStringLiteral("Section 1"),
                                QStringLiteral("118 1/4 (118.25)"), QStringLiteral("\u22120 1/16 (\u22120.0625)")};
        const auto paint = [&](bool withGlyphs) {
            return pdfOf([&](QPainter &painter, QPdfWriter &writer) {
                painter.setFont(font);
                FigureGlyphs glyphs(font, &writer);
                for (int page = 0; page < 3; ++page) {
                    if (page > 0)
                        writer.newPage();
                    for (qsizetype index = 0; index < texts.size(); ++index) {
                        const QPointF point(100.25 * double(index), 200.125 + 150.5 * double(index));
                        if (!withGlyphs || !glyphs.draw(painter, point, texts[index]))
                            painter.drawText(point, texts[index]);
                    }
                }
            });
        };
        QCOMPARE(paint(true), paint(false));
    }

    // A text drawn again and again, as a long table's title and heading are
    // on every page, is drawn as drawText draws it: the first time, when it
    // is shaped, and after.
    void repeatedTextsAsDrawTextDraws_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("bold");
        // clang-format off
        QTest::newRow("continued line") << "Porch \u2014 Long side, continued" << true;
        QTest::newRow("kerned capitals") << "AVAWATA To Ty" << false;
        QTest::newRow("accents") << "Hauteur de marche : \u00e9t\u00e9 \u00e0 1,5" << false;
        QTest::newRow("ligature letters") << "fi fl ffi office" << false;
        QTest::newRow("a glyph of another font") << "Marks \u2192 \u6f22\u5b57" << false;
        // clang-format on
    }
    void repeatedTextsAsDrawTextDraws()
    {
        QFETCH(QString, text);
        QFETCH(bool, bold);
        const QFont font = sheetFont(9, bold);
        const auto paint = [&](bool shaped) {
            return pdfOf([&](QPainter &painter, QPdfWriter &writer) {
                painter.setFont(font);
                ShapedTexts texts;
                for (int page = 0; page < 4; ++page) {
                    if (page > 0)
                        writer.newPage();
                    const QPointF point(12.3456 + page, 1000.0 / 3 + 77.7 * page);
                    if (shaped)
                        texts.draw(painter, point, text);
                    else
                        painter.drawText(point, text);
                }
            });
        };
        QCOMPARE(paint(true), paint(false));
    }

    // A pen that draws nothing draws no text either.
    void noPenDrawsNothing()
    {
        const QFont font = sheetFont(9, false);
        const QByteArray empty = pdfOf([&](QPainter &painter, QPdfWriter &) { painter.setFont(font); });
        bool drawn = true;
        const QByteArray made = pdfOf([&](QPainter &painter, QPdfWriter &writer) {
            painter.setFont(font);
            painter.setPen(Qt::NoPen);
            FigureGlyphs glyphs(font, &writer);
            drawn = glyphs.draw(painter, QPointF(10, 10), QStringLiteral("36 1/8"));
        });
        QVERIFY(!drawn);
        QCOMPARE(made, empty);
    }
};

QTEST_MAIN(TestFigureGlyphs)
#include "tst_figure_glyphs.moc"
