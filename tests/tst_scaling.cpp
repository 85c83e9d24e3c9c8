// SPDX-License-Identifier: LicenseRef-proprietary
#include "main_window_fixture.h"

#include <QGroupBox>
#include <QLabel>
#include <QLocale>

// Run once per QT_SCALE_FACTOR (1, 1.5 and 2): the layout keeps its
// proportions and no caption, button caption or result text is clipped.
class TestScaling : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        QLocale::setDefault(QLocale::c());
        qInfo("scale factor %s, device pixel ratio %.2f", qgetenv("QT_SCALE_FACTOR").constData(),
              qApp->devicePixelRatio());
    }

    void layoutKeepsItsProportions()
    {
        const MainWindowFixture app;
        QCOMPARE(app.get("centralwidget")->size(), QSize(436, 193));
        QCOMPARE(app.get("fraResult")->geometry(), QRect(8, 72, 417, 97));
        QCOMPARE(app.get("cmdAuto")->geometry(), QRect(344, 32, 57, 21));
        const qreal ratio = app.window->devicePixelRatioF();
        QCOMPARE(app.window->grab().size(), (QSizeF(app.window->size()) * ratio).toSize());
    }

    void captionsFit()
    {
        const MainWindowFixture app;
        for (const QLabel *label : app.window->findChildren<QLabel *>()) {
            const int needed = label->fontMetrics().horizontalAdvance(label->text());
            QVERIFY2(needed <= label->contentsRect().width(), qPrintable(QStringLiteral("%1 needs %2 px, has %3")
                                                                             .arg(label->objectName())
                                                                             .arg(needed)
                                                                             .arg(label->contentsRect().width())));
            QVERIFY2(label->fontMetrics().height() <= label->height(), qPrintable(label->objectName()));
        }
        for (const QPushButton *button : app.window->findChildren<QPushButton *>())
            QVERIFY2(button->fontMetrics().horizontalAdvance(button->text()) < button->width(),
                     qPrintable(button->objectName()));
        const auto *frame = app.get<QGroupBox>("fraResult");
        QVERIFY(frame->fontMetrics().horizontalAdvance(frame->title()) < frame->width());
        const QComboBox *list = app.increments();
        for (int i = 0; i < list->count(); ++i)
            QVERIFY(list->fontMetrics().horizontalAdvance(list->itemText(i)) < list->width() - 20);
    }

    void resultTextsFit_data()
    {
        // clang-format off
        QTest::addColumn<QString>("length");
        QTest::addColumn<QString>("count");
        QTest::newRow("six railpins") << "36" << "6";
        QTest::newRow("negative gap") << "36" << "30";
        QTest::newRow("exponent form") << "24691360" << "1";
        // clang-format on
    }
    void resultTextsFit()
    {
        QFETCH(QString, length);
        QFETCH(QString, count);
        const MainWindowFixture app;
        app.setInputs(length, QStringLiteral("1 3/8"), QStringLiteral("4"));
        app.calculateAtCount(count, 3);
        for (const QLineEdit *field : app.window->findChildren<QLineEdit *>()) {
            // A line edit keeps a few pixels of frame and margin around its text.
            const int room = field->width() - 6;
            QVERIFY2(field->fontMetrics().horizontalAdvance(field->text()) <= room,
                     qPrintable(QStringLiteral("%1: \"%2\"").arg(field->objectName(), field->text())));
        }
    }
};

QTEST_MAIN(TestScaling)
#include "tst_scaling.moc"
