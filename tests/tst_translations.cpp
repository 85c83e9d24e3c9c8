#include "error_report.h"
#include "frm_about.h"
#include "main_window_fixture.h"
#include "translator_setup.h"

#include <QGroupBox>
#include <QLabel>
#include <QLocale>
#include <QMenu>

// Run once per LANG (C, es_ES.UTF-8, fr_CA.UTF-8): the program installs the
// translation of the user's language, both windows show it in their own
// geometry, and no caption is wider than the widget that shows it.
class TestTranslations : public QObject
{
    Q_OBJECT

    QString language;

    static QString systemLanguage()
    {
        const QLocale::Language system = QLocale::system().language();
        if (system == QLocale::Spanish)
            return QStringLiteral("es");
        if (system == QLocale::French)
            return QStringLiteral("fr");
        return {};
    }

    // Every caption of a window must fit its widget: single-line labels in
    // width, word-wrapped ones in height at their width.
    static void verifyCaptionsFit(const QWidget &window)
    {
        for (const QLabel *label : window.findChildren<QLabel *>()) {
            if (label->text().isEmpty())
                continue;
            const QString what = QStringLiteral("%1 \"%2\"").arg(label->objectName(), label->text());
            if (label->wordWrap()) {
                QVERIFY2(label->heightForWidth(label->width()) <= label->height(), qPrintable(what));
                continue;
            }
            const int needed = label->fontMetrics().horizontalAdvance(label->text());
            QVERIFY2(needed <= label->contentsRect().width(),
                     qPrintable(QStringLiteral("%1 needs %2 px, has %3").arg(what).arg(needed).arg(label->width())));
        }
        for (const QPushButton *button : window.findChildren<QPushButton *>())
            QVERIFY2(button->fontMetrics().horizontalAdvance(button->text()) < button->width(),
                     qPrintable(button->objectName() + u' ' + button->text()));
        for (const QGroupBox *frame : window.findChildren<QGroupBox *>())
            QVERIFY2(frame->fontMetrics().horizontalAdvance(frame->title()) < frame->width(),
                     qPrintable(frame->title()));
        for (const QComboBox *list : window.findChildren<QComboBox *>())
            for (int i = 0; i < list->count(); ++i)
                QVERIFY2(list->fontMetrics().horizontalAdvance(list->itemText(i)) < list->width() - 20,
                         qPrintable(list->itemText(i)));
    }

private slots:
    void initTestCase()
    {
        language = translations::install(*qApp);
        qInfo("LANG=%s, translation \"%s\"", qgetenv("LANG").constData(), qPrintable(language));
    }

    void installsTheUsersLanguage() { QCOMPARE(language, systemLanguage()); }

    void texts_data()
    {
        // clang-format off
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("english");
        QTest::addColumn<QString>("spanish");
        QTest::addColumn<QString>("french");
        QTest::newRow("title") << "frmMain" << "Railpin Calculator" << "Calculadora de balaustres" << "Calculateur de barreaux";
        QTest::newRow("length") << "Label1" << "Section Length" << "Largo del tramo" << "Long. travée";
        QTest::newRow("width") << "Label6" << "Railpin Width" << "Ancho balaustre" << "Larg. barreau";
        QTest::newRow("maximum gap") << "Label4" << "Maximum Gap" << "Hueco máximo" << "Écart maximal";
        QTest::newRow("hint") << "Label5" << "* You must use inches, decimals or fractions permitted."
                              << "* Use solo pulgadas; se admiten decimales o fracciones."
                              << "* En pouces uniquement, décimales ou fractions acceptées.";
        QTest::newRow("increment") << "cboIncrement" << "Sixteenth" << "Dieciseisavo" << "Seizième";
        QTest::newRow("results") << "fraResult" << " Results " << " Resultados " << " Résultats ";
        QTest::newRow("count") << "Label2" << "Railpin Count" << "Nº balaustres" << "Nb de barreaux";
        QTest::newRow("outer tooltip") << "Label7.toolTip" << "Outer Railpin on Center"
                                       << "Distancia exterior entre ejes" << "Entraxe extérieur des barreaux";
        QTest::newRow("length for screen readers") << "txtLength.accessibleName" << "Section Length"
                                                   << "Largo del tramo" << "Longueur de la travée";
        QTest::newRow("help menu") << "mnuHelp" << "&Help" << "Ay&uda" << "&Aide";
        // clang-format on
    }
    void texts()
    {
        QFETCH(QString, name);
        QFETCH(QString, english);
        QFETCH(QString, spanish);
        QFETCH(QString, french);
        const QString expected = language == u"es" ? spanish : language == u"fr" ? french : english;

        const MainWindowFixture app;
        const QString object = name.section(u'.', 0, 0);
        const QString property = name.section(u'.', 1);
        const QWidget *widget = object == u"frmMain" ? app.window.get() : app.get(qPrintable(object));
        QVERIFY(widget != nullptr);
        QString shown;
        if (!property.isEmpty())
            shown = widget->property(qPrintable(property)).toString();
        else if (const auto *label = qobject_cast<const QLabel *>(widget))
            shown = label->text();
        else if (const auto *list = qobject_cast<const QComboBox *>(widget))
            shown = list->currentText();
        else if (const auto *frame = qobject_cast<const QGroupBox *>(widget))
            shown = frame->title();
        else if (const auto *menu = qobject_cast<const QMenu *>(widget))
            shown = menu->title();
        else
            shown = widget->windowTitle();
        QCOMPARE(shown, expected);
    }

    // The increments keep their item data whatever their names read.
    void incrementsKeepTheirData()
    {
        const MainWindowFixture app;
        QCOMPARE(app.increments()->count(), 4);
        for (int i = 0; i < 4; ++i)
            QCOMPARE(app.increments()->itemData(i).toInt(), 4 << i);
        QCOMPARE(app.increments()->currentIndex(), 2);
    }

    void mainWindowKeepsItsGeometryAndCaptionsFit()
    {
        const MainWindowFixture app;
        QCOMPARE(app.get("centralwidget")->size(), QSize(436, 193));
        QCOMPARE(app.get("Label1")->geometry(), QRect(16, 16, 73, 17));
        QCOMPARE(app.get("Label8")->geometry(), QRect(280, 16, 153, 17));
        QCOMPARE(app.get("cmdAuto")->geometry(), QRect(344, 32, 57, 21));
        verifyCaptionsFit(*app.window);
    }

    void aboutBoxKeepsItsGeometryAndCaptionsFit()
    {
        const MainWindowFixture app;
        const frmAbout about(app.window.get());  // in the font of the window that opens it
        QCOMPARE(about.size(), QSize(420, 163));
        QCOMPARE(about.findChild<QLabel *>("lblDisclaimer")->geometry(), QRect(16, 88, 303, 67));
        QCOMPARE(about.findChild<QLabel *>("lblTitle")->text(),
                 QCoreApplication::translate("frmMain", "Railpin Calculator"));
        QVERIFY(about.findChild<QLabel *>("lblVersion")->text().endsWith(QStringLiteral(" 1.0.2")));
        verifyCaptionsFit(about);
    }

    // The box title is translated; the report line stays English for the
    // callers and logs that match it.
    void errorReportKeepsItsEnglishLine()
    {
        const ModalWatcher watcher;
        QWidget parent;
        runTrapped(&parent, "Calculate", [] { throw runtime_errors::overflow(); });
        QCOMPARE(watcher.messages.size(), 1);
        QCOMPARE(watcher.messages.first().text, QStringLiteral("Error 6 occured in Railpin.frmMain.Calculate:Railpin, "
                                                               "Overflow"));
        const QString title = language == u"es"   ? QStringLiteral("Error de la aplicación")
                              : language == u"fr" ? QStringLiteral("Erreur de l’application")
                                                  : QStringLiteral("Application Error");
        QCOMPARE(watcher.messages.first().title, title);
    }
};

QTEST_MAIN(TestTranslations)
#include "tst_translations.moc"
