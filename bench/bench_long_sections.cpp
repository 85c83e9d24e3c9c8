// SPDX-License-Identifier: LicenseRef-proprietary
// The job window with long sections: selecting a section, a job field edit,
// undo and redo in a job of 20 sections of 10,000 railpins against the same
// steps in an everyday job of 10 sections, in instructions counted by
// callgrind from the start of each step until the window has painted again
// and its event queue is idle.
//
// usage: bench_long_sections            runs itself twice under valgrind and
//                                       prints the ratios
//        bench_long_sections STEPS JOB  one job's steps (JOB: small or long),
//                                       for callgrind to count
#include "frm_job.h"

#include <valgrind/callgrind.h>

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QItemSelectionModel>
#include <QLineEdit>
#include <QProcess>
#include <QRegularExpression>
#include <QTableView>
#include <QTemporaryDir>

#include <cstdio>
#include <functional>
#include <map>

namespace {

// A job of `count` sections, every fifth a stair, the lengths from `lengthOf`.
layout::Job benchJob(const QString &name, int count, const std::function<QString(int)> &lengthOf)
{
    layout::Job job;
    job.name = name;
    for (int i = 0; i < count; ++i) {
        layout::Section section;
        section.name = QStringLiteral("Section %1").arg(i + 1);
        section.length = lengthOf(i);
        if (i % 5 == 0)
            section.stair = layout::Stair{QStringLiteral("7 1/2"), QStringLiteral("10"), std::nullopt};
        job.sections.push_back(section);
    }
    return job;
}

// Everyday sections of assorted lengths.
layout::Job smallJob()
{
    return benchJob(QStringLiteral("Deck"), 10,
                    [](int i) { return QStringLiteral("%1 %2/16").arg(36 + 7 * i).arg(1 + 2 * (i % 8)); });
}

// 20 sections of 10,000 railpins each: the work budget in full. 10,001 gaps
// of 3 1/2 and 10,000 railpins of 1 3/8, a little more each.
layout::Job longJob()
{
    return benchJob(QStringLiteral("Long"), 20,
                    [](int i) { return QStringLiteral("%1").arg(10'001 * 3.5 + 10'000 * 1.375 + i); });
}

// Runs `step`, then events until the watched widget has painted and the
// queue is idle.
void settle(const std::function<void()> &step, QWidget *painted)
{
    bool paintedAgain = false;
    struct Watch : QObject
    {
        QWidget *widget;
        bool *seen;
        Watch(QWidget *widget, bool *seen) : widget(widget), seen(seen) {}
        bool eventFilter(QObject *watched, QEvent *event) override
        {
            if (watched == widget && event->type() == QEvent::Paint)
                *seen = true;
            return false;
        }
    } watch(painted, &paintedAgain);
    painted->installEventFilter(&watch);
    step();
    QElapsedTimer timer;
    timer.start();
    while (!paintedAgain && timer.elapsed() < 60'000)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
    QCoreApplication::processEvents();
    painted->removeEventFilter(&watch);
}

// One step counted on its own: its instructions land in a dump of its name.
void counted(const char *name, const std::function<void()> &step, QWidget *painted)
{
    CALLGRIND_ZERO_STATS;
    CALLGRIND_TOGGLE_COLLECT;
    settle(step, painted);
    CALLGRIND_TOGGLE_COLLECT;
    CALLGRIND_DUMP_STATS_AT(name);
}

int runSteps(const QString &which)
{
    frmJob window;
    window.resize(1280, 800);
    window.showJob(which == QLatin1String("long") ? longJob() : smallJob());
    window.show();
    auto *table = window.findChild<QTableView *>(QStringLiteral("tblSections"));
    auto *width = window.findChild<QLineEdit *>(QStringLiteral("txtRailpinWidth"));
    auto *undo = window.findChild<QAction *>(QStringLiteral("mnuEditUndo"));
    auto *redo = window.findChild<QAction *>(QStringLiteral("mnuEditRedo"));
    if (table == nullptr || width == nullptr || undo == nullptr || redo == nullptr)
        return 1;
    QWidget *rows = table->viewport();
    settle([] {}, rows);
    QAbstractItemModel *model = table->model();
    const auto select = [&](int row) {
        table->selectionModel()->setCurrentIndex(model->index(row, 0),
                                                 QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
    };
    settle([&] { select(0); }, rows);
    counted(
        "select", [&] { select(1); }, rows);
    counted(
        "field",
        [&] {
            width->setText(QStringLiteral("1 1/2"));
            emit width->editingFinished();
        },
        rows);
    counted(
        "undo", [&] { undo->trigger(); }, rows);
    counted(
        "redo", [&] { redo->trigger(); }, rows);
    return 0;
}

// Each step's instructions in one run of the steps under callgrind.
std::map<QString, double> countSteps(const QString &which, const QString &folder)
{
    const QString out = QDir(folder).filePath(which + QStringLiteral(".cg"));
    QProcess valgrind;
    valgrind.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    valgrind.start(QStringLiteral("valgrind"),
                   {QStringLiteral("--tool=callgrind"), QStringLiteral("--collect-atstart=no"),
                    QStringLiteral("--callgrind-out-file=") + out, QCoreApplication::applicationFilePath(),
                    QStringLiteral("steps"), which});
    valgrind.waitForFinished(-1);
    std::map<QString, double> counts;
    const QRegularExpression trigger(QStringLiteral("^desc: Trigger: Client Request: (\\w+)$"),
                                     QRegularExpression::MultilineOption);
    const QRegularExpression total(QStringLiteral("^(?:summary|totals): (\\d+)"), QRegularExpression::MultilineOption);
    for (const QFileInfo &dump : QDir(folder).entryInfoList({which + QStringLiteral(".cg.*")})) {
        QFile file(dump.filePath());
        if (!file.open(QIODevice::ReadOnly))
            continue;
        const QString text = QString::fromUtf8(file.readAll());
        const QRegularExpressionMatch name = trigger.match(text);
        const QRegularExpressionMatch instructions = total.match(text);
        if (name.hasMatch() && instructions.hasMatch())
            counts[name.captured(1)] = instructions.captured(1).toDouble();
    }
    return counts;
}

}  // namespace

int main(int argc, char *argv[])
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    if (argc == 3 && QByteArray(argv[1]) == "steps")
        return runSteps(QString::fromLocal8Bit(argv[2]));

    const QTemporaryDir folder;
    const std::map<QString, double> small = countSteps(QStringLiteral("small"), folder.path());
    const std::map<QString, double> large = countSteps(QStringLiteral("long"), folder.path());
    std::printf("Job window, 20 sections of 10,000 railpins vs 10 everyday sections: instructions from the start of "
                "each step until the window has painted again (goal <= 2x)\n\n");
    std::printf("| %-8s | %14s | %14s | %7s |\n", "step", "10 sections", "20 x 10,000", "ratio");
    for (const char *step : {"select", "field", "undo", "redo"}) {
        const QString name = QString::fromLatin1(step);
        if (!small.count(name) || !large.count(name)) {
            std::fprintf(stderr, "no count for the step %s: is valgrind installed?\n", step);
            return 1;
        }
        std::printf("| %-8s | %12.1f M | %12.1f M | %6.2fx |\n", step, small.at(name) / 1e6, large.at(name) / 1e6,
                    large.at(name) / small.at(name));
    }
    return 0;
}
