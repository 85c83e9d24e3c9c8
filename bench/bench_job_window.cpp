// SPDX-License-Identifier: LicenseRef-proprietary
// The job window, offscreen: opening it from the calculator's menu, and
// opening a job of 10 and of 1,000 sections, editing one cell, one job field,
// undoing and redoing, each timed until the window has painted again.
//
// usage: bench_job_window [RUNS]
#include "calculator_job_windows.h"
#include "frm_job.h"
#include "frm_main.h"
#include "job_windows.h"

#include <QAbstractItemModel>
#include <QAbstractScrollArea>
#include <QAction>
#include <QApplication>
#include <QElapsedTimer>
#include <QLineEdit>
#include <QTableView>

#include <algorithm>
#include <cstdio>
#include <functional>
#include <vector>

namespace {

// Notes when the widget given, or any widget of the name given, paints; a
// scroll area of that name paints in its viewport.
class PaintWatch : public QObject
{
public:
    PaintWatch(QString name, const QObject *widget) : name(std::move(name)), widget(widget) {}
    bool painted = false;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        const auto *area = qobject_cast<const QAbstractScrollArea *>(watched->parent());
        const QObject *named = area != nullptr && area->viewport() == watched ? area : watched;
        if (event->type() == QEvent::Paint &&
            (widget ? watched == widget : named != nullptr && named->objectName() == name))
            painted = true;
        return QObject::eventFilter(watched, event);
    }

private:
    QString name;
    const QObject *widget;
};

// Milliseconds from `step` until the widget named `painted` (or the widget
// given) has painted again and the event queue is idle, or -1 when it never paints.
double timed(const std::function<void()> &step, const QString &painted, const QObject *widget = nullptr)
{
    PaintWatch watch(painted, widget);
    qApp->installEventFilter(&watch);
    QElapsedTimer timer;
    timer.start();
    step();
    while (!watch.painted && timer.elapsed() < 10'000)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
    QCoreApplication::processEvents();
    const double milliseconds = double(timer.nsecsElapsed()) / 1e6;
    qApp->removeEventFilter(&watch);
    return watch.painted ? milliseconds : -1;
}

struct Figures
{
    std::vector<double> times;
    double median() const
    {
        std::vector<double> sorted = times;
        std::sort(sorted.begin(), sorted.end());
        const size_t n = sorted.size();
        return n == 0 ? -1 : n % 2 ? sorted[n / 2] : (sorted[n / 2 - 1] + sorted[n / 2]) / 2;
    }
    double max() const { return times.empty() ? -1 : *std::max_element(times.begin(), times.end()); }
};

void closeJobWindows()
{
    for (QWidget *widget : QApplication::topLevelWidgets())
        if (auto *job = qobject_cast<frmJob *>(widget))
            job->close();
    QCoreApplication::processEvents();
}

// Sections of assorted lengths, a few stairs and fixed counts among them.
layout::Job jobOf(int sections)
{
    layout::Job job;
    job.name = QStringLiteral("Bench");
    for (int i = 0; i < sections; ++i) {
        layout::Section section;
        section.name = QStringLiteral("Section %1").arg(i + 1);
        section.length = QStringLiteral("%1 %2/16").arg(24 + i % 97).arg(1 + 2 * (i % 8));
        if (i % 5 == 0)
            section.stair = layout::Stair{QStringLiteral("7 1/2"), QStringLiteral("10"), std::nullopt};
        if (i % 7 == 0)
            section.count = 9 + i % 5;
        job.sections.push_back(section);
    }
    return job;
}

struct JobFigures
{
    Figures open, cellEdit, fieldEdit, undo, redo;
};

// One run: open the job, edit a length, the job's railpin width, undo, redo.
bool runJob(int sections, JobFigures &figures)
{
    // Deleted, not closed: closing a changed job would ask to save it.
    auto *window = new frmJob();
    const layout::Job job = jobOf(sections);
    const double open = timed(
        [&] {
            window->showJob(job);
            window->show();
        },
        QStringLiteral("drwSection"));
    auto *table = window->findChild<QTableView *>(QStringLiteral("tblSections"));
    auto *width = window->findChild<QLineEdit *>(QStringLiteral("txtRailpinWidth"));
    auto *undo = window->findChild<QAction *>(QStringLiteral("mnuEditUndo"));
    auto *redo = window->findChild<QAction *>(QStringLiteral("mnuEditRedo"));
    if (open < 0 || table == nullptr || width == nullptr || undo == nullptr || redo == nullptr)
        return false;
    QAbstractItemModel *model = table->model();
    const QWidget *rows = table->viewport();
    const double cellEdit = timed([&] { model->setData(model->index(0, 1), QStringLiteral("37 1/2")); }, {}, rows);
    const double fieldEdit = timed(
        [&] {
            width->setText(QStringLiteral("1 1/2"));
            emit width->editingFinished();
        },
        {}, rows);
    const double undone = timed([&] { undo->trigger(); }, {}, rows);
    const double redone = timed([&] { redo->trigger(); }, {}, rows);
    delete window;
    QCoreApplication::processEvents();
    if (cellEdit < 0 || fieldEdit < 0 || undone < 0 || redone < 0)
        return false;
    figures.open.times.push_back(open);
    figures.cellEdit.times.push_back(cellEdit);
    figures.fieldEdit.times.push_back(fieldEdit);
    figures.undo.times.push_back(undone);
    figures.redo.times.push_back(redone);
    return true;
}

void printRow(const char *measure, const Figures &figures)
{
    std::printf("| %-40s | %8.1f | %8.1f |\n", measure, figures.median(), figures.max());
}

}  // namespace

int main(int argc, char *argv[])
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    const int runs = argc > 1 ? std::max(1, std::atoi(argv[1])) : 20;

    frmMain calculator;
    const std::unique_ptr<JobWindows> launcher = jobWindowsFor(calculator);
    calculator.show();
    calculator.findChild<QLineEdit *>(QStringLiteral("txtLength"))->setText(QStringLiteral("36"));
    QCoreApplication::processEvents();

    const QString drawing = QStringLiteral("drwSection");
    const auto openFromCalculator = [&] {
        return timed([&] { calculator.findChild<QAction *>(QStringLiteral("mnuFileLayout"))->trigger(); }, drawing);
    };
    if (openFromCalculator() < 0) {  // warms caches; not counted
        std::fprintf(stderr, "the job window did not paint\n");
        return 1;
    }
    closeJobWindows();
    Figures fromCalculator;
    for (int run = 0; run < runs; ++run) {
        const double milliseconds = openFromCalculator();
        closeJobWindows();
        if (milliseconds < 0)
            return 1;
        fromCalculator.times.push_back(milliseconds);
    }

    // Fewer runs for the large job, but enough for a steady median: a run
    // costs far more than a calculator start.
    const int jobRuns = std::max(1, std::min(runs, 11));
    JobFigures small, large;
    JobFigures warmUp;
    if (!runJob(10, warmUp))
        return 1;
    for (int run = 0; run < jobRuns; ++run) {
        if (!runJob(10, small) || !runJob(1000, large)) {
            std::fprintf(stderr, "a job window step did not paint\n");
            return 1;
        }
    }

    std::printf("Job window, offscreen: each step timed until the window has painted again; %d runs after one "
                "warm-up (%d for the 10- and 1,000-section jobs)\n\n",
                runs, jobRuns);
    std::printf("| %-40s | %8s | %8s |\n", "step (ms)", "median", "max");
    std::printf("|------------------------------------------|----------|----------|\n");
    printRow("File > New Job from Calculator to first drawing", fromCalculator);
    const std::pair<const char *, const JobFigures *> jobs[] = {{"10", &small}, {"1,000", &large}};
    for (const auto &[count, figures] : jobs) {
        const std::string prefix = std::string(count) + " sections: ";
        printRow((prefix + "open").c_str(), figures->open);
        printRow((prefix + "edit one length").c_str(), figures->cellEdit);
        printRow((prefix + "edit job railpin width").c_str(), figures->fieldEdit);
        printRow((prefix + "undo").c_str(), figures->undo);
        printRow((prefix + "redo").c_str(), figures->redo);
    }
    double slowest = 0;
    for (const JobFigures *figures : {&small, &large})
        for (const Figures *step :
             {&figures->open, &figures->cellEdit, &figures->fieldEdit, &figures->undo, &figures->redo})
            slowest = std::max(slowest, step->max());
    slowest = std::max(slowest, fromCalculator.max());
    std::printf("\n1,000 vs 10 sections: open %.2fx (goal <= 1.5x), one cell edit %.2fx (goal <= 2x); slowest step "
                "%.1f ms (goal <= 50 ms)\n",
                large.open.median() / small.open.median(), large.cellEdit.median() / small.cellEdit.median(), slowest);
    return 0;
}
