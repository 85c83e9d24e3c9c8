// SPDX-License-Identifier: LicenseRef-proprietary
#include "background_work.h"
#include "job_file.h"
#include "job_window_fixture.h"
#include "job_windows.h"
#include "pdf_text.h"
#include "print_to_file.h"
#include "sheet_progress.h"
#include "small_disk.h"

#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QHeaderView>
#include <QItemSelectionModel>
#include <QLabel>
#include <QMenu>
#include <QPrintDialog>
#include <QPrintPreviewDialog>
#include <QPrinter>
#include <QProgressDialog>
#include <QPushButton>
#include <QRegularExpression>
#include <QSemaphore>
#include <QStatusBar>
#include <QTemporaryDir>
#include <QThread>
#include <QTimer>

#include <sys/stat.h>

namespace {

QByteArray contents(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// Presses the preview's own Print once its pages are painted, then closes it.
void pressPrintWhenPainted(QDialog *preview)
{
    if (qobject_cast<QPrintPreviewDialog *>(preview)->printer()->printerState() == QPrinter::Active) {
        QTimer::singleShot(10, preview, [preview] { pressPrintWhenPainted(preview); });
        return;
    }
    const QString print = QCoreApplication::translate("QPrintPreviewDialog", "Print");
    for (QAction *button : preview->findChildren<QAction *>())
        if (button->text() == print)
            button->trigger();
    if (preview->isVisible())
        preview->reject();
}

}  // namespace

class TestJobFiles : public QObject
{
    Q_OBJECT

    PrivateSettingsHome settingsHome;

private slots:
    void initTestCase() { QVERIFY(settingsHome.install()); }

    void saveAndReopen()
    {
        const QTemporaryDir folder;
        const QString first = folder.filePath(QStringLiteral("porch.railpin"));
        const QString second = folder.filePath(QStringLiteral("again.railpin"));
        {
            const JobWindowFixture job;
            job.editCell(0, SectionsModel::Count, QStringLiteral("7"));
            job.watcher->chooseNextFile(first);
            QTest::keyClick(job.window, Qt::Key_S, Qt::ControlModifier);
            QVERIFY(job.watcher->unexpectedDialogs.isEmpty());
            QVERIFY(!job.window->isModified());
            QCOMPARE(job.window->filePath(), first);
            QVERIFY(job.window->windowTitle().startsWith(QStringLiteral("Porch[*]")));
        }
        QVERIFY(QFileInfo::exists(first));

        JobWindows windows;
        frmJob *reopened = windows.openFile(first);
        QVERIFY(reopened != nullptr);
        QCOMPARE(windows.openFile(first), reopened);
        QCOMPARE(windows.windows().size(), 1);
        QCOMPARE(reopened->job().sections.size(), size_t(2));
        QCOMPARE(reopened->job().sections[0].count, std::optional<qint64>(7));
        QCOMPARE(reopened->job().sections[1].stair->run, QStringLiteral("11"));
        DialogScript watcher;
        QString shownFolder;
        watcher.onNextFile([&shownFolder, &second](const dialogs::FileRequest &request) {
            shownFolder = request.folder;
            return dialogs::FileChoice{second, {}};
        });
        reopened->findChild<QAction *>(QStringLiteral("mnuFileSaveAs"))->trigger();
        // Save As opens in the job's own folder.
        QCOMPARE(shownFolder, QFileInfo(first).absolutePath());
        QCOMPARE(contents(second), contents(first));
        QVERIFY(!contents(first).isEmpty());
    }

    void unreadableCellSurvivesTheFile()
    {
        const QTemporaryDir folder;
        const QString path = folder.filePath(QStringLiteral("half.railpin"));
        const JobWindowFixture job;
        job.editCell(0, SectionsModel::Length, QStringLiteral("36 1/"));
        job.watcher->chooseNextFile(path);
        job.action("mnuFileSave")->trigger();
        JobWindows windows;
        frmJob *reopened = windows.openFile(path);
        QVERIFY(reopened != nullptr);
        const QModelIndex length =
            reopened->findChild<QTableView *>(QStringLiteral("tblSections"))->model()->index(0, SectionsModel::Length);
        QCOMPARE(length.data().toString(), QStringLiteral("36 1/"));
        QVERIFY(!length.data(SectionsModel::ProblemRole).toString().isEmpty());
    }

    // A misspelt field flags its section, which is not laid out; a field that
    // is merely unknown is named in the status bar and kept.
    void unknownFieldsOnOpen_data()
    {
        QTest::addColumn<QByteArray>("section");
        QTest::addColumn<QString>("problem");
        QTest::addColumn<QString>("status");
        QTest::newRow("misspelt") << QByteArray(R"("stiar": {"rise": "7", "run": "11"})")
                                  << R"(unknown field "stiar" (did you mean "stair"?))"
                                  << "";
        QTest::newRow("unknown") << QByteArray(R"("note": "by the door")") << ""
                                 << R"(Warning: section 1 "S": unknown field "note" is kept but not used)";
    }
    void unknownFieldsOnOpen()
    {
        QFETCH(QByteArray, section);
        QFETCH(QString, problem);
        QFETCH(QString, status);
        const QTemporaryDir folder;
        const QString path = folder.filePath(QStringLiteral("typed.railpin"));
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(R"({"format": "railpin-job", "version": 1, "railpinWidth": "1 3/8", "maximumGap": "4",
                      "sections": [{"name": "S", "length": "36", )" +
                   section + "}]}");
        file.close();
        JobWindows windows;
        frmJob *window = windows.openFile(path);
        QVERIFY(window != nullptr);
        const QModelIndex gap =
            window->findChild<QTableView *>(QStringLiteral("tblSections"))->model()->index(0, SectionsModel::Gap);
        QCOMPARE(gap.data(SectionsModel::ProblemRole).toString(), problem);
        QCOMPARE(window->statusBar()->currentMessage(), status);
    }

    void unsavedChangesOnClose_data()
    {
        QTest::addColumn<int>("answer");
        QTest::addColumn<bool>("closed");
        QTest::addColumn<bool>("saved");
        QTest::addColumn<bool>("nameTyped");  // typed into the job's name, not confirmed with Enter
        QTest::newRow("cancel") << int(QMessageBox::Cancel) << false << false << false;
        QTest::newRow("discard") << int(QMessageBox::Discard) << true << false << false;
        QTest::newRow("save") << int(QMessageBox::Save) << true << true << false;
        QTest::newRow("save a name still being typed") << int(QMessageBox::Save) << true << true << true;
    }
    void unsavedChangesOnClose()
    {
        QFETCH(int, answer);
        QFETCH(bool, closed);
        QFETCH(bool, saved);
        QFETCH(bool, nameTyped);
        const QTemporaryDir folder;
        const QString path = folder.filePath(QStringLiteral("job.railpin"));
        QVERIFY(layout::writeJobFile(sampleJob(), path).isEmpty());
        const QByteArray before = contents(path);
        JobWindows windows;
        QPointer<frmJob> window = windows.openFile(path);
        DialogScript watcher;
        if (nameTyped) {
            window->activateWindow();
            QVERIFY(QTest::qWaitForWindowActive(window));
            auto *name = window->findChild<QLineEdit *>(QStringLiteral("txtJobName"));
            name->setFocus();
            name->selectAll();
            QTest::keyClicks(name, QStringLiteral("Harbour House"));
        } else {
            window->findChild<QAction *>(QStringLiteral("mnuEditAddSection"))->trigger();
        }
        watcher.answerNextMessage(QMessageBox::StandardButton(answer));
        window->findChild<QAction *>(QStringLiteral("mnuFileClose"))->trigger();
        QCOMPARE(watcher.messages.size(), 1);
        QCOMPARE(watcher.messages[0].objectName, QStringLiteral("msgUnsavedChanges"));
        QCOMPARE(watcher.messages[0].buttonCount, 3);
        // Each button has its own access key.
        QSet<QChar> keys;
        for (const QString &text : watcher.messages[0].buttonTexts) {
            const qsizetype ampersand = text.indexOf(u'&');
            QVERIFY2(ampersand >= 0 && ampersand + 1 < text.size(), qPrintable(text));
            keys.insert(text.at(ampersand + 1).toLower());
        }
        QCOMPARE(keys.size(), 3);
        if (closed)
            QTRY_VERIFY(window.isNull());
        else
            QVERIFY(window->isVisible() && window->isModified());
        QCOMPARE(contents(path) != before, saved);
        QCOMPARE(contents(path).contains("Harbour House"), nameTyped);
    }

    void newAndOpenAskFirst()
    {
        const JobWindowFixture job;
        job.action("mnuEditAddSection")->trigger();
        job.watcher->answerNextMessage(QMessageBox::Cancel);
        job.action("mnuFileNew")->trigger();
        QCOMPARE(job.sections()->rowCount(), 3);
        job.watcher->answerNextMessage(QMessageBox::Cancel);
        job.action("mnuFileOpen")->trigger();
        QCOMPARE(job.sections()->rowCount(), 3);
        QVERIFY(job.watcher->unexpectedDialogs.isEmpty());  // no file dialog after Cancel
        job.watcher->answerNextMessage(QMessageBox::Discard);
        job.action("mnuFileNew")->trigger();
        QCOMPARE(job.sections()->rowCount(), 1);
        QVERIFY(!job.window->isModified());
        QCOMPARE(job.watcher->messages.size(), 3);
    }

    // A save that fails is told; what it keeps is the document's to test.
    void failedSaveLosesNothing()
    {
        const QTemporaryDir folder;
        const QString path = folder.filePath(QStringLiteral("no such folder/porch.railpin"));
        const JobWindowFixture job;
        job.editCell(0, SectionsModel::Length, QStringLiteral("40"));
        job.watcher->chooseNextFile(path);
        job.watcher->answerNextMessage();
        job.action("mnuFileSaveAs")->trigger();
        QCOMPARE(job.watcher->messages.size(), 1);
        QCOMPARE(job.watcher->messages[0].objectName, QStringLiteral("msgSaveFailed"));
        QVERIFY(job.watcher->messages[0].text.contains(QDir::toNativeSeparators(path)));
        QVERIFY(job.window->isModified());
        QVERIFY(job.window->filePath().isEmpty());
    }

    // Every export writes its file through the one checked writer, or says why not.
    void exportFiles_data()
    {
        QTest::addColumn<QString>("action");
        QTest::addColumn<QString>("fileName");
        QTest::addColumn<QByteArray>("start");  // how the written file begins
        QTest::addColumn<bool>("parentIsAFile");
        QTest::newRow("written") << "mnuFileExportPdf"
                                 << "porch.pdf" << QByteArray("%PDF-") << false;
        QTest::newRow("folder is a file") << "mnuFileExportPdf"
                                          << "porch.pdf" << QByteArray() << true;
        QTest::newRow("marks as CSV") << "mnuFileExportMarksCsv"
                                      << "porch.csv" << QByteArray("Section,Railpin,") << false;
        QTest::newRow("SVG drawing") << "mnuFileExportDrawing"
                                     << "porch.svg" << QByteArray("<?xml") << false;
        QTest::newRow("DXF drawing") << "mnuFileExportDrawing"
                                     << "porch.dxf" << QByteArray("  0\r\nSECTION") << false;
        QTest::newRow("template") << "mnuFileExportTemplate"
                                  << "porch.pdf" << QByteArray("%PDF-") << false;
        QTest::newRow("template, folder is a file") << "mnuFileExportTemplate"
                                                    << "porch.pdf" << QByteArray() << true;
    }
    void exportFiles()
    {
        QFETCH(QString, action);
        QFETCH(QString, fileName);
        QFETCH(QByteArray, start);
        QFETCH(bool, parentIsAFile);
        const QTemporaryDir folder;
        QString path = folder.filePath(fileName);
        if (parentIsAFile) {
            QFile blocker(folder.filePath(QStringLiteral("site")));
            QVERIFY(blocker.open(QIODevice::WriteOnly));
            blocker.close();
            path = folder.filePath(QStringLiteral("site/") + fileName);
        }
        const JobWindowFixture job;
        job.watcher->chooseNextFile(path);
        if (parentIsAFile)
            job.watcher->answerNextMessage();
        job.action(action.toLatin1())->trigger();
        QVERIFY(job.watcher->unexpectedDialogs.isEmpty());
        if (parentIsAFile) {
            QCOMPARE(job.watcher->messages.size(), 1);
            QCOMPARE(job.watcher->messages[0].objectName, QStringLiteral("msgExportFailed"));
            QVERIFY(job.watcher->messages[0].text.contains(path));
            QVERIFY(!QFileInfo::exists(path));
        } else {
            QVERIFY(job.watcher->messages.isEmpty());
            QVERIFY(contents(path).startsWith(start));
        }
        QVERIFY(!job.window->isModified());
    }

    // A sheet that cannot be painted is reported by Print and Print Preview
    // alike, once, whatever the preview repaints.
    void printFailureIsReported_data()
    {
        QTest::addColumn<QString>("action");
        QTest::newRow("print") << "mnuFilePrint";
        QTest::newRow("print preview") << "mnuFilePrintPreview";
    }
    void printFailureIsReported()
    {
        QFETCH(QString, action);
        layout::Job overBudget = sampleJob();
        layout::Section longest;
        longest.length = QStringLiteral("120000");
        longest.count = 10000;
        overBudget.sections.assign(21, longest);  // 210,000 railpins
        const JobWindowFixture job(overBudget);
        job.watcher->onNextDialog([](QDialog *dialog) {
            // The preview has painted once shown; the print dialog is accepted
            // without its own checks of a printer this machine may not have.
            dialog->done(dialog->inherits("QPrintPreviewDialog") ? QDialog::Rejected : QDialog::Accepted);
        });
        job.watcher->answerNextMessage();
        job.action(action.toLatin1())->trigger();
        QCOMPARE(job.watcher->messages.size(), 1);
        QCOMPARE(job.watcher->messages[0].objectName, QStringLiteral("msgPrintFailed"));
        QVERIFY2(job.watcher->messages[0].text.contains(QStringLiteral("210000")),
                 qPrintable(job.watcher->messages[0].text));
    }

    // Print and Print Template to a PDF file write the file whole or not at
    // all: on a full disk the old file stays and the box names the file and
    // the cause; a FIFO or a folder is refused before anything is painted.
    void printToFile_data()
    {
        QTest::addColumn<QString>("action");
        QTest::addColumn<QString>("target");
        QTest::addColumn<QString>("cause");  // in the box; empty: printed
        for (const char *action : {"mnuFilePrint", "mnuFilePrintTemplate", "mnuFilePrintPreview"}) {
            const auto row = [action](const char *name) -> QTestData & {
                return QTest::newRow(QByteArray(action) + ", " + name);
            };
            row("new file") << action << "new"
                            << "";
            row("over an old file") << action << "old"
                                    << "";
            row("full disk") << action << "full disk"
                             << "the disk is full";
            row("FIFO") << action << "fifo"
                        << "it is not a regular file";
            row("folder") << action << "folder"
                          << "it is a folder";
        }
    }
    void printToFile()
    {
        QFETCH(QString, action);
        QFETCH(QString, target);
        QFETCH(QString, cause);
        const QByteArray old = "the old PDF, which must survive\n";
        const QTemporaryDir roomy;
        SmallDisk disk;
        if (target == QLatin1String("full disk") && !disk.mounted)
            QSKIP(qPrintable(QStringLiteral("cannot mount a small tmpfs to fill up (%1)").arg(disk.problem)));
        const QString path = (target == QLatin1String("full disk") ? disk.filePath(QStringLiteral("porch.pdf"))
                                                                   : roomy.filePath(QStringLiteral("porch.pdf")));
        const QByteArray encoded = QFile::encodeName(path);
        if (target == QLatin1String("fifo"))
            QCOMPARE(::mkfifo(encoded.constData(), 0600), 0);
        else if (target == QLatin1String("folder"))
            QVERIFY(QDir().mkdir(path));
        else if (target != QLatin1String("new")) {
            QFile file(path);
            QVERIFY(file.open(QIODevice::WriteOnly) && file.write(old) == old.size());
        }
        if (target == QLatin1String("full disk"))
            QVERIFY(disk.leaveFree(4096));
        const QStringList temporaryBefore = QDir::temp().entryList({QStringLiteral("railpin-print-*")});

        const JobWindowFixture job;
        if (action == QLatin1String("mnuFilePrintPreview")) {
            // Printed from the preview's own Print button.
            job.watcher->onNextDialog([](QDialog *preview) { pressPrintWhenPainted(preview); });
        }
        job.watcher->onNextDialog([path](QDialog *dialog) {
            QPrinter *printer = qobject_cast<QPrintDialog *>(dialog)->printer();
            printer->setOutputFormat(QPrinter::PdfFormat);
            printer->setOutputFileName(path);
            dialog->done(QDialog::Accepted);
        });
        if (!cause.isEmpty())
            job.watcher->answerNextMessage();
        job.action(action.toLatin1())->trigger();
        QVERIFY(job.watcher->unexpectedDialogs.isEmpty());

        QCOMPARE(QDir::temp().entryList({QStringLiteral("railpin-print-*")}), temporaryBefore);
        QStringList left = QDir(QFileInfo(path).path())
                               .entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot);
        left.removeAll(QString::fromLatin1(SmallDisk::kFiller));
        QCOMPARE(left, QStringList{QStringLiteral("porch.pdf")});
        if (cause.isEmpty()) {
            QVERIFY(job.watcher->messages.isEmpty());
            QVERIFY(pdfComplete(contents(path)));
            QCOMPARE(job.window->statusBar()->currentMessage(),
                     QStringLiteral("Printed to %1").arg(QDir::toNativeSeparators(path)));
            return;
        }
        QCOMPARE(job.watcher->messages.size(), 1);
        const DialogScript::Message &box = job.watcher->messages[0];
        QCOMPARE(box.objectName, action == QLatin1String("mnuFilePrintTemplate") ? QStringLiteral("msgExportFailed")
                                                                                 : QStringLiteral("msgPrintFailed"));
        QVERIFY2(box.text.contains(QDir::toNativeSeparators(path)) && box.text.contains(cause), qPrintable(box.text));
        struct stat status
        {
        };
        QCOMPARE(::stat(encoded.constData(), &status), 0);
        if (target == QLatin1String("fifo"))
            QVERIFY(S_ISFIFO(status.st_mode));
        else if (target == QLatin1String("folder"))
            QVERIFY(S_ISDIR(status.st_mode));
        else
            QCOMPARE(contents(path), old);
    }

    // The print dialog itself refuses a FIFO to print to, before Qt's own
    // check would open it and wait for a reader for ever.
    void printDialogRefusesFifo()
    {
        const QTemporaryDir folder;
        const QString fifo = folder.filePath(QStringLiteral("pipe.pdf"));
        QCOMPARE(::mkfifo(QFile::encodeName(fifo).constData(), 0600), 0);
        const JobWindowFixture job;
        bool stayedOpen = false;
        job.watcher->onNextDialog([&](QDialog *dialog) {
            // The last printer of Qt's list prints to a PDF file.
            auto *printers = dialog->findChild<QComboBox *>(QStringLiteral("printers"));
            auto *file = dialog->findChild<QLineEdit *>(QStringLiteral("filename"));
            if (printers != nullptr && file != nullptr) {
                printers->setCurrentIndex(printers->count() - 1);
                file->setText(fifo);
                dialog->accept();
                stayedOpen = dialog->isVisible() && dialog->result() != QDialog::Accepted;
            }
            dialog->reject();
        });
        job.watcher->answerNextMessage();
        job.action("mnuFilePrint")->trigger();
        QVERIFY(stayedOpen);
        QCOMPARE(job.watcher->messages.size(), 1);
        QCOMPARE(job.watcher->messages[0].objectName, QStringLiteral("msgPrintFileRefused"));
        QVERIFY2(job.watcher->messages[0].text.contains(QStringLiteral("it is not a regular file")),
                 qPrintable(job.watcher->messages[0].text));
    }

    // A big sheet is exported with progress; Cancel writes nothing and the
    // old PDF stays byte-identical.
    void exportPdfWithProgress_data()
    {
        QTest::addColumn<bool>("cancel");
        QTest::newRow("runs to the end") << false;
        QTest::newRow("cancelled") << true;
    }
    void exportPdfWithProgress()
    {
        QFETCH(bool, cancel);
        layout::Job big = sampleJob();
        big.sections.resize(200, big.sections.front());  // 200 sections of 36 in
        const QTemporaryDir folder;
        const QString path = folder.filePath(QStringLiteral("porch.pdf"));
        QFile old(path);
        QVERIFY(old.open(QIODevice::WriteOnly));
        old.write("old sheet");
        old.close();

        SheetProgressDialog::setShowDelay(0);
        const JobWindowFixture job(big);
        job.watcher->chooseNextFile(path);
        QString progressName;
        job.watcher->onNextDialog([&progressName, cancel](QDialog *dialog) {
            progressName = dialog->objectName();
            if (auto *progress = qobject_cast<QProgressDialog *>(dialog); progress != nullptr && cancel)
                progress->cancel();
        });
        job.action("mnuFileExportPdf")->trigger();
        SheetProgressDialog::setShowDelay(500);

        QVERIFY(job.watcher->unexpectedDialogs.isEmpty());
        QVERIFY(job.watcher->messages.isEmpty());
        QCOMPARE(progressName, QStringLiteral("dlgSheetProgress"));
        const QString status = job.window->statusBar()->currentMessage();
        QVERIFY2(status.contains(QDir::toNativeSeparators(path)), qPrintable(status));
        if (cancel) {
            QVERIFY2(status.contains(QStringLiteral("cancelled")), qPrintable(status));
            QCOMPARE(contents(path), QByteArray("old sheet"));
        } else {
            QVERIFY(contents(path).startsWith("%PDF-"));
        }
        QCOMPARE(QDir(folder.path()).entryList(QDir::Files | QDir::Hidden), QStringList{"porch.pdf"});
    }

    // Print Template to a file paints with progress; Cancel aborts the print
    // run between pages: the old file stays and no temporary file is left.
    void printTemplateWithProgress_data()
    {
        QTest::addColumn<bool>("cancel");
        QTest::newRow("runs to the end") << false;
        QTest::newRow("cancelled") << true;
    }
    void printTemplateWithProgress()
    {
        QFETCH(bool, cancel);
        const QTemporaryDir folder;
        const QString path = folder.filePath(QStringLiteral("porch.pdf"));
        QFile old(path);
        QVERIFY(old.open(QIODevice::WriteOnly) && old.write("old template") == 12);
        old.close();
        const QStringList temporaryBefore = QDir::temp().entryList({QStringLiteral("railpin-print-*")});

        SheetProgressDialog::setShowDelay(0);
        const JobWindowFixture job;
        job.watcher->onNextDialog([path](QDialog *dialog) {
            QPrinter *printer = qobject_cast<QPrintDialog *>(dialog)->printer();
            printer->setOutputFormat(QPrinter::PdfFormat);
            printer->setOutputFileName(path);
            dialog->done(QDialog::Accepted);
        });
        QString progressName;
        QString label;
        job.watcher->onNextDialog([&](QDialog *dialog) {
            progressName = dialog->objectName();
            auto *progress = qobject_cast<QProgressDialog *>(dialog);
            if (progress == nullptr)
                return;
            label = progress->labelText();
            if (cancel)
                progress->cancel();
        });
        job.action("mnuFilePrintTemplate")->trigger();
        SheetProgressDialog::setShowDelay(500);

        QVERIFY(job.watcher->unexpectedDialogs.isEmpty());
        QVERIFY(job.watcher->messages.isEmpty());
        QCOMPARE(progressName, QStringLiteral("dlgSheetProgress"));
        // Seen once painting runs, a page or two in.
        const QRegularExpressionMatch page =
            QRegularExpression(QStringLiteral("^Painting page (\\d+) of (\\d+)…$")).match(label);
        QVERIFY2(page.hasMatch() && page.captured(1).toInt() < page.captured(2).toInt(), qPrintable(label));
        const QString status = job.window->statusBar()->currentMessage();
        if (cancel) {
            QCOMPARE(status, QStringLiteral("Print Template cancelled: the print run was aborted."));
            QCOMPARE(contents(path), QByteArray("old template"));
        } else {
            QCOMPARE(status, QStringLiteral("Printed to %1").arg(QDir::toNativeSeparators(path)));
            QVERIFY(pdfComplete(contents(path)));
        }
        QCOMPARE(QDir(folder.path()).entryList(QDir::Files | QDir::Hidden), QStringList{"porch.pdf"});
        QCOMPARE(QDir::temp().entryList({QStringLiteral("railpin-print-*")}), temporaryBefore);
    }

    // The template, exported or printed, holds the sections whose rows are
    // selected, or every section when none is or all are; sections laid out
    // alike share a strip.
    void templateOfSelectedSections_data()
    {
        QTest::addColumn<QString>("action");
        QTest::addColumn<QList<int>>("selected");
        QTest::addColumn<QStringList>("shown");  // the strips' headings
        QTest::addColumn<QStringList>("left");
        QTest::addColumn<QString>("title");  // of the dialog asking where
        const QStringList everyStrip{"template: Deck, Side", "along the rail: Stair"};
        for (const char *action : {"mnuFileExportTemplate", "mnuFilePrintTemplate"}) {
            const QString verb = QString::fromLatin1(action + 7).startsWith(QLatin1String("Print"))
                                     ? QStringLiteral("Print Template")
                                     : QStringLiteral("Export Template");
            const auto row = [action](const char *name) { return &QTest::addRow("%s, %s", action + 7, name); };
            *row("none selected") << action << QList<int>{} << everyStrip << QStringList{} << verb;
            *row("every row") << action << QList<int>{0, 1, 2} << everyStrip << QStringList{} << verb;
            *row("the stair") << action << QList<int>{1} << QStringList{"along the rail: Stair"}
                              << QStringList{"Deck", "Side"} << verb + QStringLiteral(": 1 of 3 sections");
            *row("two alike") << action << QList<int>{2, 0} << QStringList{"template: Deck, Side"}
                              << QStringList{"Stair"} << verb + QStringLiteral(": 2 of 3 sections");
            *row("one of two alike") << action << QList<int>{2}
                                     << QStringList{"template: Side", "Porch \u2014 Side \u2014 page 1 of"}
                                     << QStringList{"Deck", "Stair"} << verb + QStringLiteral(": 1 of 3 sections");
        }
    }
    void templateOfSelectedSections()
    {
        QFETCH(QString, action);
        QFETCH(QList<int>, selected);
        QFETCH(QStringList, shown);
        QFETCH(QStringList, left);
        QFETCH(QString, title);
        if (!havePdfToText())
            QSKIP("pdftotext (poppler-utils) is not installed");
        layout::Job porch = sampleJob();
        layout::Section side = porch.sections[0];
        side.name = QStringLiteral("Side");
        porch.sections.push_back(side);
        const QTemporaryDir folder;
        const QString path = folder.filePath(QStringLiteral("porch.pdf"));
        const JobWindowFixture job(porch);
        QItemSelectionModel *selection = job.table()->selectionModel();
        selection->clearSelection();
        for (int row : selected)
            selection->select(job.sections()->index(row, 0), QItemSelectionModel::Select | QItemSelectionModel::Rows);
        QString asked;
        if (action == QLatin1String("mnuFileExportTemplate")) {
            job.watcher->chooseNextFile(path);
        } else {
            job.watcher->onNextDialog([path, &asked](QDialog *dialog) {
                asked = dialog->windowTitle();
                QPrinter *printer = qobject_cast<QPrintDialog *>(dialog)->printer();
                printer->setOutputFormat(QPrinter::PdfFormat);
                printer->setOutputFileName(path);
                dialog->done(QDialog::Accepted);
            });
        }
        job.action(action.toLatin1())->trigger();
        QVERIFY(job.watcher->unexpectedDialogs.isEmpty());
        QVERIFY(job.watcher->messages.isEmpty());
        if (action == QLatin1String("mnuFileExportTemplate"))
            asked = job.watcher->fileRequests.value(0).title;
        QCOMPARE(asked, title);
        const QString text = pdfText(contents(path)).value_or(QString());
        QVERIFY(!text.isEmpty());
        for (const QString &words : shown)
            QVERIFY2(text.contains(words), qPrintable(words));
        for (const QString &name : left)
            QVERIFY2(!text.contains(name), qPrintable(name));
    }

    // Rows are selected for a template by their numbers: a click takes one,
    // Ctrl and a click adds another; a click in a cell selects no row.
    void rowNumbersSelectSections()
    {
        const JobWindowFixture job;
        QHeaderView *numbers = job.table()->verticalHeader();
        const auto clickRow = [numbers](int row, Qt::KeyboardModifiers modifiers) {
            const QPoint middle(numbers->width() / 2,
                                numbers->sectionViewportPosition(row) + numbers->sectionSize(row) / 2);
            QTest::mouseClick(numbers->viewport(), Qt::LeftButton, modifiers, middle);
        };
        const auto selectedRows = [&job] {
            QList<int> rows;
            for (const QModelIndex &index : job.table()->selectionModel()->selectedRows())
                rows.append(index.row());
            std::sort(rows.begin(), rows.end());
            return rows;
        };
        clickRow(1, Qt::NoModifier);
        QCOMPARE(selectedRows(), QList<int>{1});
        clickRow(0, Qt::ControlModifier);
        QCOMPARE(selectedRows(), (QList<int>{0, 1}));
        const QRect cell = job.table()->visualRect(job.sections()->index(0, SectionsModel::Length));
        QTest::mouseClick(job.table()->viewport(), Qt::LeftButton, Qt::NoModifier, cell.center());
        QCOMPARE(selectedRows(), QList<int>{});
    }

    // An export's bytes are made away from the window: Cancel answers while
    // the work still runs, nothing comes back, and the work ends on its own.
    void cancelAnswersBeforeTheWorkEnds()
    {
        const JobWindowFixture job;
        BackgroundWork::setShowDelay(0);
        auto release = std::make_shared<QSemaphore>();
        auto ended = std::make_shared<std::atomic<bool>>(false);
        QString progressName;
        job.watcher->onNextDialog([&progressName](QDialog *dialog) {
            progressName = dialog->objectName();
            if (auto *cancel = dialog->findChild<QPushButton *>(); cancel != nullptr)
                cancel->click();
        });
        const std::optional<QByteArray> made =
            BackgroundWork::make<QByteArray>(job.window, QStringLiteral("Exporting…"), [release, ended] {
                release->tryAcquire(1, 30000);
                *ended = true;
                return QByteArray("late");
            });
        BackgroundWork::setShowDelay(500);
        QCOMPARE(progressName, QStringLiteral("dlgWorkProgress"));
        QVERIFY(!made);
        QVERIFY(!*ended);
        release->release();
        QTRY_VERIFY(*ended);

        // Work that can stop early is asked to on Cancel, and ends without
        // being released.
        auto stopped = std::make_shared<std::atomic<bool>>(false);
        job.watcher->onNextDialog([](QDialog *dialog) {
            if (auto *cancel = dialog->findChild<QPushButton *>(); cancel != nullptr)
                cancel->click();
        });
        BackgroundWork::setShowDelay(0);
        const std::optional<bool> stoppable = BackgroundWork::make<bool>(
            job.window, QStringLiteral("Exporting…"), [stopped](const std::stop_token &stop) {
                for (int waited = 0; waited < 30000 && !stop.stop_requested(); ++waited)
                    QThread::msleep(1);
                *stopped = stop.stop_requested();
                return true;
            });
        BackgroundWork::setShowDelay(500);
        QVERIFY(!stoppable);
        QTRY_VERIFY(*stopped);

        // Work done within the delay shows no dialog and gives its bytes.
        const std::optional<QByteArray> quick = BackgroundWork::make<QByteArray>(
            job.window, QStringLiteral("Exporting…"), [] { return QByteArray("made"); });
        QCOMPARE(quick, std::optional<QByteArray>(QByteArray("made")));
        QVERIFY(job.watcher->unexpectedDialogs.isEmpty());
    }

    void recentFiles()
    {
        const QTemporaryDir folder;
        JobWindows windows;
        QStringList paths;
        for (int number = 1; number <= 9; ++number) {
            paths.append(folder.filePath(QStringLiteral("job%1.railpin").arg(number)));
            QVERIFY(layout::writeJobFile(sampleJob(), paths.back()).isEmpty());
            QVERIFY(windows.openFile(paths.back()) != nullptr);
        }
        frmJob *window = windows.windows().back();
        auto *recent = window->findChild<QMenu *>(QStringLiteral("mnuFileOpenRecent"));
        emit recent->aboutToShow();
        QCOMPARE(recent->actions().size(), 8);
        QCOMPARE(recent->actions().front()->data().toString(), paths[8]);
        QCOMPARE(recent->actions().back()->data().toString(), paths[1]);

        QVERIFY(QFile::remove(paths[5]));
        DialogScript watcher;
        watcher.answerNextMessage();
        window->findChild<QAction *>(QStringLiteral("actRecentJob4"))->trigger();
        QCOMPARE(watcher.messages.size(), 1);
        QCOMPARE(watcher.messages[0].objectName, QStringLiteral("msgRecentMissing"));
        QVERIFY(watcher.messages[0].text.contains(QDir::toNativeSeparators(paths[5])));
        emit recent->aboutToShow();
        QCOMPARE(recent->actions().size(), 7);
        for (const QAction *action : recent->actions())
            QVERIFY(action->data().toString() != paths[5]);
        QCOMPARE(window->filePath(), paths[8]);
    }

    void unreadableFileIsReported()
    {
        const QTemporaryDir folder;
        const QString path = folder.filePath(QStringLiteral("notes.railpin"));
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write("shopping list");
        file.close();
        DialogScript watcher;
        watcher.answerNextMessage();
        JobWindows windows;
        QCOMPARE(windows.openFile(path), nullptr);
        QCOMPARE(watcher.messages.size(), 1);
        QCOMPARE(watcher.messages[0].objectName, QStringLiteral("msgOpenFailed"));
        QVERIFY(watcher.messages[0].text.contains(path));
        QVERIFY(windows.windows().isEmpty());
    }

    void exitAsksModifiedJobs_data()
    {
        QTest::addColumn<bool>("modified");
        QTest::addColumn<int>("answer");
        QTest::addColumn<bool>("exits");
        QTest::newRow("nothing unsaved") << false << int(QMessageBox::Cancel) << true;
        QTest::newRow("cancel") << true << int(QMessageBox::Cancel) << false;
        QTest::newRow("discard") << true << int(QMessageBox::Discard) << true;
    }
    void exitAsksModifiedJobs()
    {
        QFETCH(bool, modified);
        QFETCH(int, answer);
        QFETCH(bool, exits);
        const CalculatorFixture app;
        QTest::keyClick(app.window.get(), Qt::Key_L, Qt::ControlModifier);
        QPointer<frmJob> window = openJobWindows().constFirst();
        if (modified)
            window->findChild<QAction *>(QStringLiteral("mnuEditAddSection"))->trigger();
        if (modified)
            app.watcher->answerNextMessage(QMessageBox::StandardButton(answer));
        // Exit runs inside the event loop it ends; a second timer ends a loop
        // that Exit left running.
        QTimer exit;
        exit.setSingleShot(true);
        connect(&exit, &QTimer::timeout, app.window.get(),
                [&app] { app.window->findChild<QAction *>(QStringLiteral("mnuFileExit"))->trigger(); });
        QTimer giveUp;
        giveUp.setSingleShot(true);
        connect(&giveUp, &QTimer::timeout, this, [] { QCoreApplication::exit(42); });
        exit.start(0);
        giveUp.start(1000);
        const int code = QApplication::exec();
        giveUp.stop();
        QCOMPARE(code, exits ? 0 : 42);
        QCOMPARE(app.watcher->messages.size(), modified ? 1 : 0);
        QVERIFY(!window.isNull());
        QCOMPARE(window->isModified(), modified);
    }

    // Two hundred sections: opened, laid out, edited and reordered.
    void manySections()
    {
        layout::Job big;
        big.extraStockPercent = 10;
        for (int number = 1; number <= 200; ++number) {
            layout::Section section;
            section.name = QStringLiteral("Section %1").arg(number);
            section.length = QString::number(30 + number % 40);
            big.sections.push_back(section);
        }
        const QTemporaryDir folder;
        const QString path = folder.filePath(QStringLiteral("big.railpin"));
        QVERIFY(layout::writeJobFile(big, path).isEmpty());
        JobWindows windows;
        frmJob *window = windows.openFile(path);
        QVERIFY(window != nullptr);
        auto *table = window->findChild<QTableView *>(QStringLiteral("tblSections"));
        QCOMPARE(table->model()->rowCount(), 200);
        table->setCurrentIndex(table->model()->index(199, SectionsModel::Name));
        QVERIFY(window->findChild<QTableView *>(QStringLiteral("tblMarks"))->model()->rowCount() > 0);
        qint64 railpins = 0;
        for (int row = 0; row < 200; ++row)
            railpins += static_cast<const SectionsModel *>(table->model())->sectionLayout(row).count;
        QCOMPARE(window->findChild<QLabel *>(QStringLiteral("lblTotalRailpins"))->text(),
                 QStringLiteral("Total railpins: %1").arg(railpins));
        window->findChild<QAction *>(QStringLiteral("mnuEditMoveUp"))->trigger();
        QCOMPARE(table->model()->index(198, 0).data().toString(), QStringLiteral("Section 200"));
        window->findChild<QAction *>(QStringLiteral("mnuEditConvert"))->trigger();
        QCOMPARE(window->job().unit, layout::Unit::Millimetres);
        QCOMPARE(table->model()->rowCount(), 200);
    }
};

QTEST_MAIN(TestJobFiles)
#include "tst_job_files.moc"
