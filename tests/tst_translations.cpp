// SPDX-License-Identifier: LicenseRef-proprietary
#include "error_report.h"
#include "frm_about.h"
#include "job_sheet.h"
#include "job_window_fixture.h"
#include "order_list.h"
#include "pdf_text.h"
#include "run.h"
#include "section_layout.h"
#include "translator_setup.h"
#include "unit_conversion.h"

#include <QBuffer>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QLocale>
#include <QMenu>
#include <QMenuBar>
#include <QPdfWriter>
#include <QToolButton>

// Run once per LANG (C, es_ES.UTF-8, fr_CA.UTF-8): the program installs the
// translation of the user's language, the windows show it in their own
// geometry, no caption is wider than the widget that shows it, and no two
// entries of a menu share an access key.
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

    // A label with a buddy draws its "&" as the underline of the next letter.
    static QString shownText(const QLabel &label)
    {
        if (label.buddy() == nullptr)
            return label.text();
        QString shown;
        const QString text = label.text();
        for (qsizetype i = 0; i < text.size(); ++i) {
            if (text[i] == u'&' && i + 1 < text.size())
                ++i;
            shown.append(text[i]);
        }
        return shown;
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
            const int needed = label->fontMetrics().horizontalAdvance(shownText(*label));
            QVERIFY2(needed <= label->contentsRect().width(),
                     qPrintable(QStringLiteral("%1 needs %2 px, has %3").arg(what).arg(needed).arg(label->width())));
        }
        for (const QPushButton *button : window.findChildren<QPushButton *>())
            QVERIFY2(button->fontMetrics().horizontalAdvance(button->text()) < button->width(),
                     qPrintable(button->objectName() + u' ' + button->text()));
        // A tool button's hint holds its text, margins and menu arrow.
        for (const QToolButton *button : window.findChildren<QToolButton *>()) {
            if (!button->isVisible() || button->text().isEmpty())
                continue;
            QVERIFY2(button->sizeHint().width() <= button->width(),
                     qPrintable(QStringLiteral("%1 \"%2\" needs %3 px, has %4")
                                    .arg(button->objectName(), button->text())
                                    .arg(button->sizeHint().width())
                                    .arg(button->width())));
        }
        for (const QGroupBox *frame : window.findChildren<QGroupBox *>())
            QVERIFY2(frame->fontMetrics().horizontalAdvance(frame->title()) < frame->width(),
                     qPrintable(frame->title()));
        for (const QComboBox *list : window.findChildren<QComboBox *>())
            for (int i = 0; i < list->count(); ++i)
                QVERIFY2(list->fontMetrics().horizontalAdvance(list->itemText(i)) < list->width() - 20,
                         qPrintable(list->itemText(i)));
    }

    // The keys that the entries' "&" letters give, each once.
    static void verifyUniqueAccessKeys(const QString &where, const QStringList &texts)
    {
        QHash<QKeySequence, QString> taken;
        for (const QString &text : texts) {
            const QKeySequence key = QKeySequence::mnemonic(text);
            if (key.isEmpty())
                continue;
            QVERIFY2(!taken.contains(key), qPrintable(QStringLiteral("%1: \"%2\" and \"%3\" share %4")
                                                          .arg(where, taken.value(key), text, key.toString())));
            taken.insert(key, text);
        }
    }

    // The tables' headings (Sections, Marks, Runs) stand apart from the job
    // fields: the fields' keys are unique among themselves, the buttons and
    // the menus, and so are the headings'.
    enum class Headings { Left, Only };
    static QStringList accessKeyTexts(const JobWindowFixture &job, Headings headings)
    {
        const QStringList tableHeadings{"lblSections", "lblMarks", "lblRuns"};
        QStringList texts;
        for (const QLabel *label : job.window->findChildren<QLabel *>())
            if (label->buddy() != nullptr &&
                tableHeadings.contains(label->objectName()) == (headings == Headings::Only))
                texts.append(label->text());
        if (headings == Headings::Only)
            return texts;
        for (const QAbstractButton *button : job.window->findChildren<QAbstractButton *>())
            texts.append(button->text());
        for (const QAction *menu : job.get<QMenuBar>("menubar")->actions())
            texts.append(menu->text());
        return texts;
    }

    static QStringList entryTexts(const QMenu &menu)
    {
        QStringList texts;
        for (const QAction *action : menu.actions())
            if (!action->isSeparator())
                texts.append(action->text());
        return texts;
    }

    static QString expectedIn(const QString &language, const QString &english, const QString &spanish,
                              const QString &french)
    {
        return language == u"es" ? spanish : language == u"fr" ? french : english;
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
        const QString expected = expectedIn(language, english, spanish, french);

        const CalculatorFixture app;
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
        const CalculatorFixture app;
        QCOMPARE(app.increments()->count(), 4);
        for (int i = 0; i < 4; ++i)
            QCOMPARE(app.increments()->itemData(i).toInt(), 4 << i);
        QCOMPARE(app.increments()->currentIndex(), 2);
    }

    void mainWindowKeepsItsGeometryAndCaptionsFit()
    {
        const CalculatorFixture app;
        QCOMPARE(app.get("centralwidget")->size(), QSize(436, 193));
        QCOMPARE(app.get("Label1")->geometry(), QRect(16, 16, 73, 17));
        QCOMPARE(app.get("Label8")->geometry(), QRect(280, 16, 153, 17));
        QCOMPARE(app.get("cmdAuto")->geometry(), QRect(344, 32, 57, 21));
        verifyCaptionsFit(*app.window);
    }

    void aboutBoxKeepsItsGeometryAndCaptionsFit()
    {
        const CalculatorFixture app;
        const frmAbout about(app.window.get());  // in the font of the window that opens it
        QCOMPARE(about.size(), QSize(420, 163));
        QCOMPARE(about.findChild<QLabel *>("lblDisclaimer")->geometry(), QRect(16, 88, 303, 67));
        QCOMPARE(about.findChild<QLabel *>("lblTitle")->text(),
                 QCoreApplication::translate("frmMain", "Railpin Calculator"));
        QVERIFY(about.findChild<QLabel *>("lblVersion")->text().endsWith(QStringLiteral(" 1.0.2")));
        verifyCaptionsFit(about);
    }

    // The calculator's File menu, its two job entries among the original
    // ones: each entry keeps a key of its own in every language.
    void calculatorFileMenuKeepsUniqueAccessKeys()
    {
        const CalculatorFixture app;
        const auto *file = app.get<QMenu>("mnuFile");
        QVERIFY(file != nullptr);
        const QStringList texts = entryTexts(*file);
        QCOMPARE(texts.size(), 4);
        QCOMPARE(app.get<QAction>("mnuFileLayout")->text(),
                 expectedIn(language, "&New Job from Calculator…", "&Nueva obra desde la calculadora…",
                            "&Nouveau chantier depuis la calculatrice…"));
        QCOMPARE(app.get<QAction>("mnuFileOpenJob")->text(),
                 expectedIn(language, "&Open Job…", "&Abrir obra…", "&Ouvrir un chantier…"));
        verifyUniqueAccessKeys(QStringLiteral("frmMain File"), texts);
    }

    void jobWindowTexts_data()
    {
        // clang-format off
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("english");
        QTest::addColumn<QString>("spanish");
        QTest::addColumn<QString>("french");
        QTest::newRow("title") << "frmJob" << "Porch[*] - Railpin Calculator"
                               << "Porch[*] - Calculadora de balaustres" << "Porch[*] - Calculateur de barreaux";
        QTest::newRow("job name") << "lblJobName" << "Job &name:" << "Nombre de la &obra:"
                                  << "&Nom du chantier\u00A0:";
        QTest::newRow("maximum gap") << "lblMaximumGap" << "&Maximum gap:" << "&Hueco máximo:"
                                     << "Écart &maximal\u00A0:";
        QTest::newRow("extra stock") << "spnExtraStock.accessibleName" << "Extra stock" << "Merma" << "Surplus";
        QTest::newRow("file menu") << "mnuFile" << "&File" << "&Archivo" << "&Fichier";
        QTest::newRow("save as") << "mnuFileSaveAs" << "Save &As…" << "Guardar c&omo…" << "Enregistrer &sous…";
        QTest::newRow("order list") << "mnuFileOrderList" << "Order &List…" << "&Lista de pedido…"
                                    << "&Liste de commande…";
        QTest::newRow("add section") << "mnuEditAddSection" << "&Add Section" << "&Añadir tramo"
                                     << "A&jouter une travée";
        QTest::newRow("length column") << "tblSections.1" << "Length (in)" << "Largo (pulg.)" << "Longueur (po)";
        QTest::newRow("centre column") << "tblMarks.2" << "Centre" << "Eje" << "Axe";
        QTest::newRow("level slope") << "tblSections.0.3" << "Level" << "Horizontal" << "De niveau";
        QTest::newRow("stair ends") << "tblSections.1.2" << "Half gap" << "Medio hueco" << "Demi-écart";
        // clang-format on
    }
    void jobWindowTexts()
    {
        QFETCH(QString, name);
        QFETCH(QString, english);
        QFETCH(QString, spanish);
        QFETCH(QString, french);
        const JobWindowFixture job;
        const QStringList parts = name.split(u'.');
        QString shown;
        if (parts[0] == u"frmJob") {
            shown = job.window->windowTitle();
        } else if (const auto *table = job.get<QTableView>(qPrintable(parts[0])); table != nullptr) {
            const QAbstractItemModel *model = table->model();
            shown = parts.size() == 2 ? model->headerData(parts[1].toInt(), Qt::Horizontal).toString()
                                      : model->index(parts[1].toInt(), parts[2].toInt()).data().toString();
        } else if (parts.size() == 2) {
            shown = job.get(qPrintable(parts[0]))->property(qPrintable(parts[1])).toString();
        } else if (const auto *label = job.get<QLabel>(qPrintable(parts[0]))) {
            shown = label->text();
        } else if (const auto *menu = job.get<QMenu>(qPrintable(parts[0]))) {
            shown = menu->title();
        } else {
            QVERIFY2(job.action(qPrintable(parts[0])) != nullptr, qPrintable(name));
            shown = job.action(qPrintable(parts[0]))->text();
        }
        QCOMPARE(shown, expectedIn(language, english, spanish, french));
    }

    // A railpin group without one cut length says why in the user's words:
    // the level railpins whose length is not set, and the stair's, which are
    // of many lengths.
    void orderListGivesItsReasonsInTheUsersLanguage()
    {
        const layout::Job job = sampleJob();
        std::vector<layout::SectionLayout> layouts;
        for (const layout::Section &section : job.sections)
            layouts.push_back(layout::layOut(job, section));
        QStringList reasons;
        for (const layout::RailpinGroup &group : layout::orderList(job, layouts).railpins)
            reasons << group.why;
        const QStringList expected{
            expectedIn(language, "length not given", "largo no indicado", QStringLiteral("longueur non indiquée")),
            expectedIn(language, "stair: railpins of many lengths", "escalera: balaustres de varios largos",
                       QStringLiteral("escalier\u00A0: barreaux de longueurs diverses"))};
        QCOMPARE(reasons, expected);
    }

    // The undo entry names the command in the user's language.
    void jobWindowUndoNamesTheCommand()
    {
        const JobWindowFixture job;
        job.window->findChild<QAction *>(QStringLiteral("mnuEditAddSection"))->trigger();
        QCOMPARE(job.action("mnuEditUndo")->text(), expectedIn(language, "&Undo Add Section", "&Deshacer: Añadir tramo",
                                                               QStringLiteral("&Annuler\u00A0: Ajouter une travée")));
    }

    // In its opening size and squeezed to its smallest, the job window shows
    // every caption whole, on a screen of 1280 x 720 (1920 x 1080 at 150 %).
    void jobWindowCaptionsFit()
    {
        // It opens at its designed size: a wider layout would make Qt open it larger.
        {
            const frmJob unshown;
            QVERIFY2(unshown.minimumSizeHint().width() <= unshown.width(),
                     qPrintable(QStringLiteral("%1 px for a window of %2 px")
                                    .arg(unshown.minimumSizeHint().width())
                                    .arg(unshown.width())));
        }
        const JobWindowFixture job;
        QVERIFY(job.active);
        QVERIFY2(job.window->minimumSizeHint().width() <= 1280,
                 qPrintable(QString::number(job.window->minimumSizeHint().width())));
        QVERIFY(job.window->minimumSizeHint().height() <= 720);
        verifyCaptionsFit(*job.window);
        if (QTest::currentTestFailed())
            return;
        job.window->resize(job.window->minimumSizeHint());
        QTest::qWait(0);
        verifyCaptionsFit(*job.window);
    }

    // At the window's opening size every column of the sections and of the
    // marks shows its values whole, for a level section with long marks, a
    // stair and a metric section alike.
    void jobTablesShowWholeValues_data()
    {
        QTest::addColumn<int>("row");
        QTest::addColumn<bool>("metric");
        QTest::newRow("level, sixteenths") << 2 << false;
        QTest::newRow("stair") << 1 << false;
        QTest::newRow("level, millimetres") << 2 << true;
    }
    void jobTablesShowWholeValues()
    {
        QFETCH(int, row);
        QFETCH(bool, metric);
        layout::Job sample = sampleJob();
        layout::Section side;
        side.name = QStringLiteral("Long side with a gate post");
        side.length = QStringLiteral("130 15/16");
        side.ends = layout::Ends::Half;
        side.count = 19;
        sample.sections.push_back(side);
        if (metric)
            sample = layout::convertedTo(sample, layout::Unit::Millimetres);
        const JobWindowFixture job(sample);
        QVERIFY(job.active);
        job.table()->setCurrentIndex(job.sections()->index(row, SectionsModel::Name));
        QTest::qWait(0);
        QVERIFY(job.table("tblMarks")->model()->rowCount() > 5);
        for (const char *name : {"tblSections", "tblMarks"}) {
            const QString cut = cutColumn(*job.table(name));
            QVERIFY2(cut.isEmpty(), qPrintable(cut));
        }
    }

    // The sheet's tables keep every cell whole however long its marks, on
    // either paper, in the user's language: nothing is cut with "…".
    void sheetTablesKeepWholeCells_data()
    {
        QTest::addColumn<QPageSize>("paper");
        QTest::addColumn<bool>("metric");
        for (const auto &[paper, name] : {std::pair{QPageSize::Letter, "Letter"}, std::pair{QPageSize::A4, "A4"}}) {
            QTest::addRow("%s, inches", name) << QPageSize(paper) << false;
            QTest::addRow("%s, millimetres", name) << QPageSize(paper) << true;
        }
    }
    void sheetTablesKeepWholeCells()
    {
        QFETCH(QPageSize, paper);
        QFETCH(bool, metric);
        if (!havePdfToText())
            QSKIP("pdftotext (poppler-utils) is not installed");
        layout::Job job = sampleJob();
        layout::Section fence;
        fence.name = QStringLiteral("Back fence");
        fence.length = QStringLiteral("1199 15/16");
        job.sections.push_back(fence);
        job.postWidth = QStringLiteral("3 1/2");
        job.maxPostSpacing = QStringLiteral("72");
        job.runs = {layout::Run{}};
        job.runs.front().name = QStringLiteral("Side");
        job.runs.front().length = QStringLiteral("99' 11 15/16\"");
        layout::deriveBays(job);
        if (metric)
            job = layout::convertedTo(job, layout::Unit::Millimetres);
        QBuffer buffer;
        buffer.open(QIODevice::WriteOnly);
        QPdfWriter writer(&buffer);
        writer.setResolution(600);
        writer.setPageLayout(sheets::sheetPageLayout(paper));
        QCOMPARE(sheets::paintJobSheet(writer, job), QString());
        const QString text = pdfText(buffer.data()).value_or(QString());
        QVERIFY(text.contains(QStringLiteral("Back fence")));
        QVERIFY2(!text.contains(u'\u2026'), qPrintable(text.mid(text.indexOf(u'\u2026') - 300, 400)));
    }

    // No two entries of a menu share a key, nor two of the job fields'
    // captions, the buttons and the menus their Alt keys, nor two of the
    // tables' headings and the menus. Every key of the alphabet is taken in
    // Spanish: a heading may share one with a field, outside the fields' area.
    void jobWindowKeepsUniqueAccessKeys()
    {
        const JobWindowFixture job;
        for (const char *name : {"mnuFile", "mnuEdit", "mnuWindow", "mnuHelp"}) {
            const auto *menu = job.get<QMenu>(name);
            QVERIFY(menu != nullptr);
            verifyUniqueAccessKeys(QString::fromLatin1(name), entryTexts(*menu));
        }
        // With the texts Undo and Redo take once there is something to undo.
        job.action("mnuEditAddSection")->trigger();
        job.action("mnuEditUndo")->trigger();
        QVERIFY(job.action("mnuEditRedo")->isEnabled());
        job.action("mnuEditRemoveSection")->trigger();
        verifyUniqueAccessKeys(QStringLiteral("mnuEdit with undo and redo"), entryTexts(*job.get<QMenu>("mnuEdit")));

        for (const QAction *menu : job.get<QMenuBar>("menubar")->actions())
            QVERIFY2(!QKeySequence::mnemonic(menu->text()).isEmpty(), qPrintable(menu->text()));
        const QStringList fieldArea = accessKeyTexts(job, Headings::Left);
        QVERIFY(fieldArea.size() >= 24);
        verifyUniqueAccessKeys(QStringLiteral("frmJob's fields"), fieldArea);
        QStringList headings = accessKeyTexts(job, Headings::Only);
        QCOMPARE(headings.size(), 3);
        for (const QAction *menu : job.get<QMenuBar>("menubar")->actions())
            headings.append(menu->text());
        verifyUniqueAccessKeys(QStringLiteral("frmJob's tables"), headings);
    }

    // Every caption of a job field has one access key whose Alt press puts
    // the cursor in its own field, and with the menus' and the window's
    // other keys no two share one.
    void jobFieldsHaveAccessKeys_data()
    {
        QTest::addColumn<QString>("label");
        QTest::addColumn<QString>("field");
        const char *const pairs[][2] = {
            {"lblJobName", "txtJobName"},
            {"lblUnit", "cboUnit"},
            {"lblExtraStock", "spnExtraStock"},
            {"lblRailpinWidth", "txtRailpinWidth"},
            {"lblMaximumGap", "txtMaximumGap"},
            {"lblIncrement", "cboIncrement"},
            {"lblPackSize", "spnPackSize"},
            {"lblMaximumGapStairs", "txtMaximumGapStairs"},
            {"lblMarkStep", "cboMarkStep"},
            {"lblDesignGap", "txtDesignGap"},
            {"lblSpacing", "cboSpacing"},
            {"lblCentre", "cboCentre"},
            {"lblMeasuredBetween", "cboMeasuredBetween"},
            {"lblPostWidth", "txtPostWidth"},
            {"lblMaxPostSpacing", "txtMaxPostSpacing"},
            {"lblMinPerTread", "spnMinPerTread"},
            {"lblTriangleSphere", "txtTriangleSphere"},
            {"lblMarksFrom", "cboMarksFrom"},
        };
        for (const auto &[label, field] : pairs)
            QTest::newRow(label) << QString::fromLatin1(label) << QString::fromLatin1(field);
    }
    void jobFieldsHaveAccessKeys()
    {
        QFETCH(QString, label);
        QFETCH(QString, field);
        // Between post centres, so that Marks from is enabled too.
        layout::Job centres = sampleJob();
        centres.measuredBetween = layout::MeasuredBetween::Centres;
        centres.postWidth = QStringLiteral("3 1/2");
        // The mark step is a metric job's, the increment an imperial one's.
        if (field == u"cboMarkStep")
            centres.unit = layout::Unit::Millimetres;
        const JobWindowFixture job(centres);
        const auto *caption = job.window->findChild<QLabel *>(label);
        QWidget *input = job.window->findChild<QWidget *>(field);
        QVERIFY(caption != nullptr && input != nullptr);
        QCOMPARE(caption->buddy(), input);
        const QString text = caption->text();
        QCOMPARE(text.count(u'&') - 2 * text.count(QStringLiteral("&&")), 1);
        const QKeySequence key = QKeySequence::mnemonic(text);
        QVERIFY2(!key.isEmpty(), qPrintable(text));

        QStringList fieldArea = accessKeyTexts(job, Headings::Left);
        QCOMPARE(fieldArea.removeAll(text), 1);
        for (const QString &other : fieldArea)
            QVERIFY2(QKeySequence::mnemonic(other) != key,
                     qPrintable(QStringLiteral("\"%1\" and \"%2\" share %3").arg(text, other, key.toString())));

        // A heading of a table may share the key: Qt then moves between the
        // two on each press.
        const QStringList headings = accessKeyTexts(job, Headings::Only);
        const auto sharing = std::count_if(headings.begin(), headings.end(), [&key](const QString &heading) {
            return QKeySequence::mnemonic(heading) == key;
        });
        QVERIFY(input->isEnabled());
        job.get("txtJobName")->setFocus();
        const auto pressed = Qt::Key(key[0].key() & ~Qt::KeyboardModifierMask);
        for (qsizetype press = 0; press <= sharing && QApplication::focusWidget() != input; ++press)
            QTest::keyClick(job.window.data(), pressed, Qt::AltModifier);
        QCOMPARE(QApplication::focusWidget(), input);
    }

    // The box title is translated; the report line stays English for the
    // callers and logs that match it.
    void errorReportKeepsItsEnglishLine()
    {
        DialogScript watcher;
        watcher.answerNextMessage();
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
