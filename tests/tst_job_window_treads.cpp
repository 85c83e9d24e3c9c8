// SPDX-License-Identifier: LicenseRef-proprietary
#include "job_window_fixture.h"
#include "marks_model.h"
#include "problem_colours.h"

#include <QAction>
#include <QBrush>
#include <QHeaderView>
#include <QLineEdit>
#include <QSpinBox>
#include <QStatusBar>

namespace {

// A stair given by its treads (12 treads, 7 1/2 : 10, railpins 3/4 wide,
// the gap within 4 3/8: 2 per tread, 24 railpins), then a level deck.
layout::Job treadsJob()
{
    layout::Job job;
    job.name = QStringLiteral("Front steps");
    job.railpinWidth = QStringLiteral("3/4");
    job.maximumGap = QStringLiteral("4 3/8");
    layout::Section steps;
    steps.name = QStringLiteral("Steps");
    steps.stair = layout::Stair{QStringLiteral("7 1/2"), QStringLiteral("10"), std::nullopt};
    steps.stair->treads = 12;
    layout::Section deck;
    deck.name = QStringLiteral("Deck");
    deck.length = QStringLiteral("36");
    job.sections = {steps, deck};
    return job;
}

// A stair given by its length whose bottom rail stands `bottomRail` above
// the nosing line of 7 3/4 : 10 steps, checked against the 6 in sphere.
layout::Job bottomRailJob(const QString &rise, const QString &bottomRail)
{
    layout::Job job = treadsJob();
    layout::Stair &stair = *job.sections[0].stair;
    stair.treads.reset();
    stair.rise = rise;
    stair.bottomRail = bottomRail;
    job.sections[0].length = QStringLiteral("60");
    return job;
}

// The sample job with its stair's ends full, as a stair by its treads needs.
layout::Job fullEndsJob()
{
    layout::Job job = sampleJob();
    job.sections[1].ends = layout::Ends::Full;
    return job;
}

void select(const JobWindowFixture &job, int row)
{
    job.table()->setCurrentIndex(job.sections()->index(row, SectionsModel::Name));
}

}  // namespace

Q_DECLARE_METATYPE(layout::Job)

class TestJobWindowTreads : public QObject
{
    Q_OBJECT

    PrivateSettingsHome settingsHome;

private slots:
    void initTestCase() { QVERIFY(settingsHome.install()); }

    // The Length cell of a stair given by its treads counts them, cannot be
    // edited, and tells both lengths the treads give.
    void treadsInTheLengthCell_data()
    {
        QTest::addColumn<qint64>("treads");
        QTest::addColumn<QString>("shown");
        QTest::addColumn<QString>("tooltip");
        QTest::addColumn<QString>("countTooltip");
        QTest::newRow("twelve") << qint64(12) << "12 treads"
                                << "120 in level, 150 in along the rail, from the first riser face to the last"
                                << "12 treads × 2 = 24 railpins";
        QTest::newRow("one") << qint64(1) << "1 tread"
                             << "10 in level, 12 1/2 in along the rail, from the first riser face to the last"
                             << "1 tread × 2 = 2 railpins";
    }
    void treadsInTheLengthCell()
    {
        QFETCH(qint64, treads);
        QFETCH(QString, shown);
        QFETCH(QString, tooltip);
        QFETCH(QString, countTooltip);
        layout::Job start = treadsJob();
        start.sections[0].stair->treads = treads;
        const JobWindowFixture job(start);
        QCOMPARE(job.cell(0, SectionsModel::Length).toString(), shown);
        QCOMPARE(job.cell(0, SectionsModel::Length, Qt::ToolTipRole).toString(), tooltip);
        const QModelIndex length = job.sections()->index(0, SectionsModel::Length);
        QVERIFY(!(job.sections()->flags(length) & Qt::ItemIsEditable));
        QVERIFY(!job.sections()->setData(length, QStringLiteral("48")));
        QCOMPARE(job.cell(0, SectionsModel::Count).toString(), QStringLiteral("%1 (auto)").arg(2 * treads));
        QCOMPARE(job.cell(0, SectionsModel::PerTread).toString(), QStringLiteral("2 (auto)"));
        // 2 per tread on centre 5, as the sheet words it.
        QCOMPARE(job.cell(0, SectionsModel::Count, Qt::ToolTipRole).toString(), countTooltip);
        const QString gap = job.cell(0, SectionsModel::Gap, Qt::ToolTipRole).toString();
        QVERIFY2(gap.contains(QStringLiteral("On every tread, from the riser face: 3/8, 5 3/8")), qPrintable(gap));
        QVERIFY(job.cell(0, SectionsModel::Gap, SectionsModel::ProblemRole).toString().isEmpty());
        QVERIFY(!job.window->isModified());
    }

    // The stair's columns are hidden until the header's menu shows them; a
    // job whose stairs give their own values opens with those shown.
    void stairColumnsFromTheHeaderMenu()
    {
        const JobWindowFixture job(sampleJob());
        QTableView *table = job.table();
        for (int column = SectionsModel::Treads; column < SectionsModel::ColumnCount; ++column)
            QVERIFY(table->isColumnHidden(column));
        QAction *show = job.action("actShowColumn12");
        QCOMPARE(show->text(), QStringLiteral("Show Treads"));
        QVERIFY(table->horizontalHeader()->actions().contains(show));
        show->trigger();
        QVERIFY(!table->isColumnHidden(SectionsModel::Treads));
        QCOMPARE(job.action("actShowColumn20")->text(), QStringLiteral("Show Bottom rail (in)"));

        const JobWindowFixture opened(treadsJob());
        QVERIFY(!opened.table()->isColumnHidden(SectionsModel::Treads));
        QVERIFY(opened.table()->isColumnHidden(SectionsModel::BottomRail));
        QVERIFY(opened.table()->isColumnHidden(SectionsModel::DesignGap));
    }

    // Each stair cell typed in the table: taken as one undoable change, or
    // refused with the reason in the status bar and the job as it was.
    void editStairCell_data()
    {
        QTest::addColumn<int>("row");
        QTest::addColumn<int>("column");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<bool>("taken");
        QTest::addColumn<QString>("shown");  // the cell when taken, else a part of the reason
        QTest::addColumn<QString>("count");  // the Count cell when taken
        // Row 1 is a 7 : 11 stair 60 long: 9 railpins 1 1/2 wide within 4.
        QTest::newRow("treads on a stair by its length") << 1 << int(SectionsModel::Treads) << "8" << true << "8"
                                                         << "16 (auto)";
        QTest::newRow("treads not a number") << 1 << int(SectionsModel::Treads) << "eight" << false << "\"eight\""
                                             << "";
        QTest::newRow("treads out of range") << 1 << int(SectionsModel::Treads) << "201" << false << "1 to 200"
                                             << "";
        QTest::newRow("treads on a level section")
            << 0 << int(SectionsModel::Treads) << "8" << false << "give the section a slope"
            << "";
        QTest::newRow("auto where it is automatic already")
            << 1 << int(SectionsModel::PerTread) << "auto" << false << ""
            << "";
        QTest::newRow("per tread out of range") << 1 << int(SectionsModel::PerTread) << "11" << false << "1 to 10"
                                                << "";
        QTest::newRow("nosing") << 1 << int(SectionsModel::Nosing) << "1" << true << "1"
                                << "9 (auto)";
        QTest::newRow("bottom rail") << 1 << int(SectionsModel::BottomRail) << "1" << true << "1"
                                     << "9 (auto)";
    }
    void editStairCell()
    {
        QFETCH(int, row);
        QFETCH(int, column);
        QFETCH(QString, typed);
        QFETCH(bool, taken);
        QFETCH(QString, shown);
        QFETCH(QString, count);
        const JobWindowFixture job(fullEndsJob());
        job.table()->setColumnHidden(column, false);
        job.editCell(row, column, typed);
        QCOMPARE(job.window->isModified(), taken);
        if (!taken) {
            const QString reason = job.window->statusBar()->currentMessage();
            QVERIFY2(reason.contains(shown), qPrintable(reason));
            QCOMPARE(job.window->job(), fullEndsJob());
            return;
        }
        QCOMPARE(job.cell(row, column).toString(), shown);
        const QString problem = job.cell(row, SectionsModel::Gap, SectionsModel::ProblemRole).toString();
        QVERIFY2(problem.isEmpty(), qPrintable(problem));
        QCOMPARE(job.cell(row, SectionsModel::Count).toString(), count);
        job.action("mnuEditUndo")->trigger();
        QCOMPARE(job.window->job(), fullEndsJob());
        QVERIFY(!job.window->isModified());
        QVERIFY(job.watcher->messages.isEmpty());
    }

    // Treads typed give the stair its length: the length typed before goes
    // in the same step and comes back with Undo.
    void treadsReplaceTheLength()
    {
        const JobWindowFixture job(fullEndsJob());
        QAbstractItemModel *model = job.sections();
        QVERIFY(model->setData(model->index(1, SectionsModel::Treads), QStringLiteral("8")));
        QCOMPARE(job.window->job().sections[1].length, QString());
        QCOMPARE(job.cell(1, SectionsModel::Length).toString(), QStringLiteral("8 treads"));
        QVERIFY(model->setData(model->index(1, SectionsModel::Newels), int(layout::Newels::Both)));
        QCOMPARE(job.cell(1, SectionsModel::Newels).toString(), QStringLiteral("Both"));
        QCOMPARE(job.cell(1, SectionsModel::Count).toString(), QStringLiteral("14 (auto)"));
        job.action("mnuEditUndo")->trigger();
        QCOMPARE(job.cell(1, SectionsModel::Count).toString(), QStringLiteral("16 (auto)"));
        job.action("mnuEditUndo")->trigger();
        QCOMPARE(job.window->job().sections[1].length, QStringLiteral("60"));
        QVERIFY(!job.window->isModified());
    }

    // A new slope keeps what the stair holds beyond its slope.
    void slopeKeepsTheTreads()
    {
        layout::Job start = treadsJob();
        start.sections[0].stair->railHeight = QStringLiteral("36");
        start.sections[0].stair->newels = layout::Newels::Bottom;
        const JobWindowFixture job(start);
        job.editCell(0, SectionsModel::Slope, QStringLiteral("7 : 10"));
        const layout::Stair &stair = *job.window->job().sections[0].stair;
        QCOMPARE(stair.rise, QStringLiteral("7"));
        QCOMPARE(stair.treads, std::optional<qint64>(12));
        QCOMPARE(stair.railHeight, std::optional<QString>(QStringLiteral("36")));
        QCOMPARE(stair.newels, std::optional(layout::Newels::Bottom));
    }

    // The opening under the bottom rail: one that lets the sphere through
    // marks the row as a gap over the limit does, and says why.
    void bottomRailOpening_data()
    {
        QTest::addColumn<layout::Job>("start");
        QTest::addColumn<QString>("problem");  // empty: passes
        QTest::newRow("equal to the sphere passes")
            << bottomRailJob(QStringLiteral("7 1/2"), QStringLiteral("1 1/2")) << "";
        QTest::newRow("over the sphere") << bottomRailJob(QStringLiteral("7 3/4"), QStringLiteral("1 1/2"))
                                         << "the opening under the bottom rail passes a sphere of 6.086, more than "
                                            "6: keep the rail at most 1 5/16 above the nosing line";
    }
    void bottomRailOpening()
    {
        QFETCH(layout::Job, start);
        QFETCH(QString, problem);
        const JobWindowFixture job(start);
        for (const int column : {int(SectionsModel::Gap), int(SectionsModel::BottomRail)}) {
            QCOMPARE(job.cell(0, column, SectionsModel::ProblemRole).toString(), problem);
            const QVariant background = job.cell(0, column, Qt::BackgroundRole);
            QCOMPARE(background.isValid(), !problem.isEmpty());
            if (!problem.isEmpty()) {
                QCOMPARE(background.value<QBrush>().color(), problem_colours::kBackground);
                QCOMPARE(job.cell(0, column, Qt::ToolTipRole).toString(), problem);
            }
        }
        // Still laid out: the marks are there to build by.
        select(job, 0);
        QVERIFY(job.table("tblMarks")->model()->rowCount() > 0);
        QCOMPARE(job.window->statusBar()->currentMessage(), QString());
        job.table()->setCurrentIndex(job.sections()->index(0, SectionsModel::Gap));
        QCOMPARE(job.window->statusBar()->currentMessage(), problem);
    }

    // A count per tread typed whose gap is over the limit is laid out and
    // flagged in its cell, as a typed count is; the automatic one is not.
    void perTreadOverTheLimit_data()
    {
        QTest::addColumn<std::optional<qint64>>("perTread");
        QTest::addColumn<QString>("problem");
        QTest::newRow("2 given on an 11 in run")
            << std::optional<qint64>(2)
            << "the gap of 4.75 (4 3/4) with 2 railpins per tread is wider than the maximum gap of 4";
        QTest::newRow("automatic") << std::optional<qint64>() << "";
    }
    void perTreadOverTheLimit()
    {
        QFETCH(std::optional<qint64>, perTread);
        QFETCH(QString, problem);
        layout::Job start = treadsJob();
        start.maximumGap = QStringLiteral("4");
        layout::Stair &stair = *start.sections[0].stair;
        stair.run = QStringLiteral("11");
        stair.treads = 6;
        stair.perTread = perTread;
        const JobWindowFixture job(start);
        QCOMPARE(job.cell(0, SectionsModel::PerTread, SectionsModel::ProblemRole).toString(), problem);
        QCOMPARE(job.cell(0, SectionsModel::PerTread, Qt::BackgroundRole).isValid(), !problem.isEmpty());
        QCOMPARE(job.cell(0, SectionsModel::Count).toString(),
                 perTread ? QStringLiteral("12 (auto)") : QStringLiteral("18 (auto)"));
    }

    // The job's stair fields: each an undoable change that lays the stairs
    // out again.
    void jobStairFields()
    {
        layout::Job start = bottomRailJob(QStringLiteral("7 3/4"), QStringLiteral("1 1/2"));
        layout::Section steps = treadsJob().sections[0];
        start.sections.push_back(steps);
        const JobWindowFixture job(start);
        QCOMPARE(job.cell(2, SectionsModel::Count).toString(), QStringLiteral("24 (auto)"));
        auto *least = job.get<QSpinBox>("spnMinPerTread");
        QCOMPARE(least->value(), 2);
        least->setValue(3);
        QCOMPARE(job.window->job().minPerTread, std::optional<qint64>(3));
        QCOMPARE(job.cell(2, SectionsModel::Count).toString(), QStringLiteral("36 (auto)"));

        auto *sphere = job.get<QLineEdit>("txtTriangleSphere");
        QCOMPARE(sphere->placeholderText(), QStringLiteral("6 in"));
        QVERIFY(!job.cell(0, SectionsModel::Gap, SectionsModel::ProblemRole).toString().isEmpty());
        sphere->setFocus();
        QTest::keyClicks(sphere, QStringLiteral("6 1/8"));
        QTest::keyClick(sphere, Qt::Key_Return);
        QCOMPARE(job.window->job().triangleSphere, std::optional<QString>(QStringLiteral("6 1/8")));
        QCOMPARE(job.cell(0, SectionsModel::Gap, SectionsModel::ProblemRole).toString(), QString());

        job.action("mnuEditUndo")->trigger();
        job.action("mnuEditUndo")->trigger();
        QCOMPARE(job.window->job(), start);
        QCOMPARE(least->value(), 2);
        QCOMPARE(sphere->text(), QString());
        QVERIFY(!job.window->isModified());
    }

    // The marks of a stair by its treads have the tread columns, headed as
    // the command line heads them; a level section's keep their own.
    void marksByTheTread()
    {
        layout::Job start = treadsJob();
        start.increment = 32;
        start.maximumGap = QStringLiteral("4");
        layout::Stair &stair = *start.sections[0].stair;
        stair.nosing = QStringLiteral("1");
        stair.railHeight = QStringLiteral("36");
        stair.railDepth = QStringLiteral("2");
        const JobWindowFixture job(start);
        select(job, 0);
        const QAbstractItemModel *marks = job.table("tblMarks")->model();
        QStringList headings;
        for (int column = 0; column < marks->columnCount(); ++column)
            headings << marks->headerData(column, Qt::Horizontal).toString();
        QCOMPARE(headings.join(u'\t'), QStringLiteral("Railpin\tTread\tOn tread\tLevel\tAlong the rail\tLength\tCut "
                                                      "length"));
        QCOMPARE(marks->rowCount(), 36);
        const auto row = [marks](int railpin) {
            QStringList cells;
            for (int column = 0; column < marks->columnCount(); ++column)
                cells << marks->index(railpin, column).data().toString();
            return cells.join(u'|');
        };
        // 3 per tread on centre 3 1/3; the lengths differ by a third of the rise.
        QCOMPARE(row(0), QStringLiteral("1|1|3/8|3/8|15/32|34 17/32|34 13/16"));
        QCOMPARE(row(4), QStringLiteral("5|2|3 23/32|13 23/32|17 1/8|37 1/32|37 5/16"));
        QVERIFY(!job.get("cboMarksMeasured")->isEnabled());
        select(job, 1);
        QCOMPARE(marks->columnCount(), int(MarksModel::ColumnCount));
        QCOMPARE(marks->headerData(1, Qt::Horizontal).toString(), QStringLiteral("Left edge"));
    }

    // The drawing shows a stair by its treads in profile.
    void drawingShowsTheProfile()
    {
        const JobWindowFixture job(treadsJob());
        select(job, 0);
        QWidget *drawing = job.get("drwSection");
        drawing->grab();
        QCOMPARE(drawing->accessibleDescription(), QStringLiteral("Profile of 12 treads"));
        select(job, 1);
        drawing->grab();
        QVERIFY(drawing->accessibleDescription().startsWith(QStringLiteral("Scale")));
    }
};

QTEST_MAIN(TestJobWindowTreads)
#include "tst_job_window_treads.moc"
