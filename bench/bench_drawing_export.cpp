// SPDX-License-Identifier: LicenseRef-proprietary
// The job window's Export Drawing of a job at the work budget (200,000
// railpins), offscreen: the peak memory of the whole program for one export
// against the file written, how long the window takes to answer Cancel
// while the drawing is still being made, and that the cancelled export
// leaves the old file whole and no temporary file behind.
//
// usage: bench_drawing_export dxf|svg
#include "background_work.h"
#include "dialog_presenter.h"
#include "frm_job.h"
#include "job_file.h"

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QProgressDialog>
#include <QPushButton>
#include <QStatusBar>
#include <QTemporaryDir>
#include <QThread>
#include <QTimer>

#include <sys/resource.h>

#include <cstdio>

namespace {

double peakMiB()
{
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return double(usage.ru_maxrss) / 1024;
}

// Answers the save dialog with the file given; any box is a failure to report.
class Answers : public dialogs::Presenter
{
public:
    explicit Answers(QString path) : path(std::move(path)) {}
    QString box;

    QMessageBox::StandardButton message(QWidget *, const dialogs::Message &message) override
    {
        box = message.text;
        return QMessageBox::Ok;
    }
    dialogs::FileChoice chooseFile(QWidget *, const dialogs::FileRequest &request) override
    {
        return {path, request.nameFilters.constFirst()};
    }
    int exec(QDialog &) override { return QDialog::Rejected; }

private:
    QString path;
};

layout::Job budgetJob()
{
    QByteArray file = R"({"format": "railpin-job", "version": 1, "railpinWidth": "1 3/8", "maximumGap": "4",
                          "sections": [)";
    for (int index = 0; index < 20; ++index)
        file += QByteArray(index == 0 ? "" : ",") + R"({"length": "120000", "count": 10000})";
    return *layout::parseJob(file + "]}").job;
}

}  // namespace

int main(int argc, char *argv[])
{
    const QApplication application(argc, argv);
    const QString format = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral("dxf");
    const QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("budget.") + format);
    Answers answers(path);
    dialogs::install(&answers);

    frmJob window;
    window.showJob(budgetJob());
    window.show();
    QCoreApplication::processEvents();
    QAction *exportDrawing = window.findChild<QAction *>(QStringLiteral("mnuFileExportDrawing"));
    const double open = peakMiB();

    QElapsedTimer whole;
    whole.start();
    exportDrawing->trigger();
    const double seconds = double(whole.elapsed()) / 1000;
    const double megabytes = double(QFileInfo(path).size()) / 1e6;
    const double peak = peakMiB();
    if (!answers.box.isEmpty() || megabytes <= 0) {
        std::fprintf(stderr, "bench_drawing_export: nothing was exported: %s\n", qPrintable(answers.box));
        return 1;
    }
    std::printf("Window Export Drawing (%s), 200,000 railpins: %.2f s; peak memory %.0f MiB (%.0f MiB with the job "
                "open before it) for a %.1f MB file = %.2fx the file, %.2fx for the export alone\n",
                qPrintable(format), seconds, peak, open, megabytes, peak * 1048576 / (megabytes * 1e6),
                (peak - open) * 1048576 / (megabytes * 1e6));

    // Cancel as soon as the progress shows, while the drawing is being made:
    // shown at once, as the whole export now takes less than the usual wait.
    const QByteArray written = [&path] {
        QFile file(path);
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }();
    BackgroundWork::setShowDelay(0);
    QElapsedTimer sinceCancel;
    QElapsedTimer sinceExport;
    double shownAfter = -1;
    QTimer watch;
    QObject::connect(&watch, &QTimer::timeout, &window, [&] {
        for (QWidget *widget : QApplication::topLevelWidgets()) {
            auto *progress = qobject_cast<QProgressDialog *>(widget);
            if (progress != nullptr && progress->objectName() == u"dlgWorkProgress" && progress->isVisible()) {
                watch.stop();
                shownAfter = double(sinceExport.elapsed());
                sinceCancel.start();
                progress->findChild<QPushButton *>()->click();
            }
        }
    });
    watch.start(5);
    sinceExport.start();
    exportDrawing->trigger();
    const double answered = sinceCancel.isValid() ? double(sinceCancel.nsecsElapsed()) / 1e6 : -1;
    const bool cancelled = window.statusBar()->currentMessage().contains(QStringLiteral("cancelled"));
    // The work stops at its next piece and takes its temporary file with it.
    QElapsedTimer sinceAnswer;
    sinceAnswer.start();
    const auto onlyTheFile = [&folder] {
        return QDir(folder.path()).entryList(QDir::Files | QDir::Hidden).size() == 1;
    };
    while (!onlyTheFile() && sinceAnswer.elapsed() < 10000)
        QThread::msleep(1);
    const double cleared = double(sinceAnswer.nsecsElapsed()) / 1e6;
    QFile old(path);
    const bool oldWhole = old.open(QIODevice::ReadOnly) && old.readAll() == written;
    std::printf("Window Export Drawing (%s), 200,000 railpins: progress shown after %.0f ms (no wait before it "
                "here), Cancel answered in %.1f ms%s (goal <= 200 ms); the work ended and its temporary file was "
                "gone %.1f ms later%s\n",
                qPrintable(format), shownAfter, answered, cancelled ? "" : ", but the export was not cancelled",
                cleared, onlyTheFile() && oldWhole ? ", the old file whole" : ", BUT a file was left or changed");
    dialogs::install(nullptr);
    return cancelled && onlyTheFile() && oldWhole ? 0 : 1;
}
