// SPDX-License-Identifier: LicenseRef-proprietary
#include "job_fields.h"
#include "job_file.h"
#include "measurement.h"
#include "run.h"
#include "section_layout.h"
#include "unit_conversion.h"

#include <QTest>

using layout::Job;
using layout::Run;
using layout::RunEnd;
using layout::RunPlan;
using layout::Section;
using layout::Unit;

namespace {

// A job of runs with posts 3 1/2 wide, railpins 1 1/2 and gaps of at most 4,
// or in millimetres posts 90, railpins 35 and gaps of at most 100.
Job runJob(Unit unit, const QString &maxPostSpacing)
{
    Job job;
    job.name = QStringLiteral("Deck");
    job.unit = unit;
    const bool inches = unit == Unit::Inches;
    job.railpinWidth = inches ? QStringLiteral("1 1/2") : QStringLiteral("35");
    job.maximumGap = inches ? QStringLiteral("4") : QStringLiteral("100");
    job.postWidth = inches ? QStringLiteral("3 1/2") : QStringLiteral("90");
    job.maxPostSpacing = maxPostSpacing;
    if (!inches)
        job.markStep = 1;
    return job;
}

Run makeRun(const QString &name, const QString &length, RunEnd start = RunEnd::Post, RunEnd end = RunEnd::Post)
{
    Run run;
    run.name = name;
    run.length = length;
    run.start = start;
    run.end = end;
    return run;
}

QStringList marks(const std::vector<double> &values, const Job &job)
{
    QStringList texts;
    for (const double value : values)
        texts << layout::signedMarkText(value, job);
    return texts;
}

// The last run of the job, planned.
RunPlan lastPlan(const Job &job)
{
    return layout::planRun(job, job.runs.size() - 1);
}

}  // namespace

Q_DECLARE_METATYPE(layout::Job)

class TestRuns : public QObject
{
    Q_OBJECT

private slots:
    // Each worked example through the planner and through the bays it makes.
    void workedExamples_data()
    {
        QTest::addColumn<Job>("job");
        QTest::addColumn<qint64>("bays");
        QTest::addColumn<QString>("onCentre");
        QTest::addColumn<QStringList>("centres");
        QTest::addColumn<qint64>("posts");  // counted
        QTest::addColumn<QStringList>("clearSpans");
        QTest::addColumn<qint64>("railpinsPerBay");  // -1: not checked

        const auto inches = [](const QString &spacing, std::vector<Run> runs) {
            Job job = runJob(Unit::Inches, spacing);
            job.runs = std::move(runs);
            return job;
        };
        QTest::newRow("17' 3\" at 6': three bays of 5' 9\"")
            << inches("72", {makeRun("Front", "17' 3\"")}) << qint64(3) << "69" << QStringList{"0", "69", "138", "207"}
            << qint64(4) << QStringList{"65 1/2", "65 1/2", "65 1/2"} << qint64(12);
        QTest::newRow("60' at 8': 8 bays of 7' 6\"")
            << inches("96", {makeRun("Fence", "60'")}) << qint64(8) << "90"
            << QStringList{"0", "90", "180", "270", "360", "450", "540", "630", "720"} << qint64(9)
            << QStringList(8, "86 1/2") << qint64(-1);
        QTest::newRow("56' at 8' divides exactly: no extra post")
            << inches("96", {makeRun("Fence", "56'")}) << qint64(7) << "96"
            << QStringList{"0", "96", "192", "288", "384", "480", "576", "672"} << qint64(8) << QStringList(7, "92 1/2")
            << qint64(-1);
        QTest::newRow("100' at 8': 13 bays, 14 posts")
            << inches("96", {makeRun("Fence", "100'")}) << qint64(13) << "92 5/16"
            << QStringList{"0",       "92 5/16",  "184 5/8", "276 15/16", "369 1/4",  "461 9/16",   "553 7/8",
                           "646 1/8", "738 7/16", "830 3/4", "923 1/16",  "1015 3/8", "1107 11/16", "1200"}
            << qint64(14) << QStringList(13, "88 13/16") << qint64(-1);
        QTest::newRow("20' at 6'") << inches("72", {makeRun("Side", "240")}) << qint64(4) << "60"
                                   << QStringList{"0", "60", "120", "180", "240"} << qint64(5)
                                   << QStringList(4, "56 1/2") << qint64(-1);
        QTest::newRow("a sixteenth over 24' takes a fifth bay")
            << inches("72", {makeRun("Side", "288 1/16")}) << qint64(5) << "57 5/8"
            << QStringList{"0", "57 5/8", "115 1/4", "172 13/16", "230 7/16", "288 1/16"} << qint64(6)
            << QStringList(5, "54 1/8") << qint64(-1);
        QTest::newRow("decimals that divide exactly, though not in binary")
            << inches("72.1", {makeRun("Side", "216.3")}) << qint64(3) << "72 1/8"
            << QStringList{"0", "72 1/8", "144 3/16", "216 5/16"} << qint64(4) << QStringList(3, "68 5/8")
            << qint64(-1);
        QTest::newRow("wall to post, 12'")
            << inches("72", {makeRun("Side", "12'", RunEnd::Wall, RunEnd::Post)}) << qint64(2) << "72"
            << QStringList{"72", "144"} << qint64(2) << QStringList{"70 1/4", "68 1/2"} << qint64(-1);
        QTest::newRow("post to wall, 12'")
            << inches("72", {makeRun("Side", "12'", RunEnd::Post, RunEnd::Wall)}) << qint64(2) << "72"
            << QStringList{"0", "72"} << qint64(2) << QStringList{"68 1/2", "70 1/4"} << qint64(-1);
        QTest::newRow("wall to wall within one bay: no post")
            << inches("72", {makeRun("Gate", "60", RunEnd::Wall, RunEnd::Wall)}) << qint64(1) << "60" << QStringList{}
            << qint64(0) << QStringList{"60"} << qint64(11);
        QTest::newRow("corner to post, 16', after a run ending at a post")
            << inches("72", {makeRun("Front", "12'"), makeRun("Side", "16'", RunEnd::Corner, RunEnd::Post)})
            << qint64(3) << "64" << QStringList{"0", "64", "128", "192"} << qint64(3) << QStringList(3, "60 1/2")
            << qint64(-1);

        Job metric = runJob(Unit::Millimetres, "1800");
        metric.runs = {makeRun("Front", "5400")};
        QTest::newRow("5400 mm at 1800: exactly 3 bays")
            << metric << qint64(3) << "1800" << QStringList{"0", "1800", "3600", "5400"} << qint64(4)
            << QStringList(3, "1710") << qint64(-1);
        metric.runs = {makeRun("Front", "5400.3")};
        metric.maxPostSpacing = QStringLiteral("1800.1");
        QTest::newRow("5400.3 mm at 1800.1: exactly 3 bays")
            << metric << qint64(3) << "1800" << QStringList{"0", "1800", "3600", "5400"} << qint64(4)
            << QStringList(3, "1710") << qint64(-1);
        Job halfMillimetres = runJob(Unit::Millimetres, "1800");
        halfMillimetres.markStep = 0.5;
        halfMillimetres.runs = {makeRun("Front", "4100")};
        QTest::newRow("4100 mm at 1800, 0.5 mm marks")
            << halfMillimetres << qint64(3) << "1366.5" << QStringList{"0", "1366.5", "2733.5", "4100"} << qint64(4)
            << QStringList(3, "1276.5") << qint64(-1);
        Job ownSpacing = runJob(Unit::Inches, "96");
        ownSpacing.runs = {makeRun("Front", "17' 3\"")};
        ownSpacing.runs.front().maxPostSpacing = QStringLiteral("6'");
        QTest::newRow("a run's own spacing wins over the job's")
            << ownSpacing << qint64(3) << "69" << QStringList{"0", "69", "138", "207"} << qint64(4)
            << QStringList(3, "65 1/2") << qint64(12);
    }

    void workedExamples()
    {
        QFETCH(Job, job);
        QFETCH(qint64, bays);
        QFETCH(QString, onCentre);
        QFETCH(QStringList, centres);
        QFETCH(qint64, posts);
        QFETCH(QStringList, clearSpans);
        QFETCH(qint64, railpinsPerBay);

        const RunPlan plan = lastPlan(job);
        QVERIFY2(plan.planned(), qPrintable(plan.problems.join(u'\n')));
        QCOMPARE(plan.bays, bays);
        QCOMPARE(layout::markText(plan.onCentre, job), onCentre);
        std::vector<double> centreValues;
        std::vector<double> leftFaces;
        for (const layout::PostPosition &post : plan.posts) {
            centreValues.push_back(post.centre);
            leftFaces.push_back(post.leftFace);
            QCOMPARE(post.rightFace - post.leftFace, plan.postWidth);
        }
        QCOMPARE(marks(centreValues, job), centres);
        QCOMPARE(plan.postsCounted, posts);
        QCOMPARE(marks(plan.clearSpans, job), clearSpans);

        // The bays become sections named after the run, laid out between post faces.
        layout::deriveBays(job);
        std::vector<const Section *> runBays;
        for (const Section &section : job.sections) {
            if (section.bay && std::size_t(section.bay->run) == job.runs.size() - 1)
                runBays.push_back(&section);
        }
        QCOMPARE(qint64(runBays.size()), bays);
        for (std::size_t index = 0; index < runBays.size(); ++index) {
            const Section &bay = *runBays[index];
            QCOMPARE(bay.name, QStringLiteral("%1 %2").arg(job.runs.back().name).arg(index + 1));
            const layout::SectionLayout laid = layout::layOut(job, bay);
            QVERIFY2(laid.laidOut(), qPrintable(laid.problems.join(u'\n')));
            QCOMPARE(layout::markText(laid.length, job), clearSpans[qsizetype(index)]);
            QCOMPARE(laid.postWidth, 0.0f);
            if (railpinsPerBay >= 0)
                QCOMPARE(laid.count, railpinsPerBay);
        }
        // The file holds the runs only; reading it makes the same bays again.
        const layout::JobReadResult read = layout::parseJob(layout::serializeJob(job));
        QVERIFY2(read.job, qPrintable(read.error));
        QCOMPARE(*read.job, job);
    }

    // Leaning the job against a post between post centres changes no bay.
    void baysIgnoreTheJobsLengthsBetween()
    {
        Job job = runJob(Unit::Inches, "72");
        job.measuredBetween = layout::MeasuredBetween::Centres;
        job.runs = {makeRun("Front", "207")};
        layout::deriveBays(job);
        QCOMPARE(layout::markText(layout::layOut(job, job.sections.front()).length, job), QStringLiteral("65 1/2"));
    }

    void refusals_data()
    {
        QTest::addColumn<Job>("job");
        QTest::addColumn<QString>("problem");

        const auto inches = [](const QString &spacing, std::vector<Run> runs) {
            Job job = runJob(Unit::Inches, spacing);
            job.runs = std::move(runs);
            return job;
        };
        QTest::newRow("spacing equal to the post width")
            << inches("3 1/2", {makeRun("Front", "207")})
            << "the maximum post spacing of 3 1/2 must be more than the post width of 3 1/2";
        QTest::newRow("too short for its posts")
            << inches("72", {makeRun("Front", "3")}) << "posts 3 1/2 wide leave no clear span in a run of 3";
        QTest::newRow("too short beside a wall") << inches("72", {makeRun("Front", "1 3/4", RunEnd::Wall)})
                                                 << "posts 3 1/2 wide leave no clear span in a run of 1 3/4";
        QTest::newRow("more bays than a job holds")
            << inches("72", {makeRun("Front", "100000")})
            << "a run of 100000 with posts at most 72 apart needs 1389 bays; a job holds at most 1,000 sections";
        QTest::newRow("bays beyond any count")
            << inches("1/1000", {makeRun("Front", "999999999999999999")})
            << "a run of 999999999999999999 with posts at most 1/1000 apart needs 1000000000000000000000 bays; a "
               "job holds at most 1,000 sections";
        QTest::newRow("the first run at a corner")
            << inches("72", {makeRun("Front", "207", RunEnd::Corner)})
            << "the first run cannot start at a corner: no run before it ends at that post";
        QTest::newRow("a corner after a wall")
            << inches("72",
                      {makeRun("Front", "207", RunEnd::Post, RunEnd::Wall), makeRun("Side", "96", RunEnd::Corner)})
            << "a run cannot start at a corner after a run that ends at a wall: no post stands there";
        QTest::newRow("length of 0") << inches("72", {makeRun("Front", "0")}) << "length \"0\" must be more than 0";
        QTest::newRow("negative length") << inches("72", {makeRun("Front", "-12")})
                                         << "length \"-12\" must be more than 0";
        QTest::newRow("no spacing") << inches("", {makeRun("Front", "207")}) << "maximum post spacing is missing";
        QTest::newRow("no post width") << [&inches] {
            Job job = inches("72", {makeRun("Front", "207")});
            job.postWidth.reset();
            return job;
        }() << "post width is missing";
        QTest::newRow("a misspelt field of the run") << [&inches] {
            Job job = inches("72", {makeRun("Front", "207")});
            job.runs.front().unknownFields.insert(QStringLiteral("maxPostSpacnig"), QStringLiteral("48"));
            return job;
        }() << "unknown field \"maxPostSpacnig\" (did you mean \"maxPostSpacing\"?)";
    }

    void refusals()
    {
        QFETCH(Job, job);
        QFETCH(QString, problem);
        QCOMPARE(lastPlan(job).problems.value(0), problem);
        // The run becomes one section that carries its problem wherever the job is laid out.
        layout::deriveBays(job);
        const auto refused = std::find_if(job.sections.begin(), job.sections.end(), [&job](const Section &section) {
            return section.bay && std::size_t(section.bay->run) == job.runs.size() - 1;
        });
        QVERIFY(refused != job.sections.end());
        QCOMPARE(refused->name, job.runs.back().name);
        QCOMPARE(layout::layOut(job, *refused).problems.value(0), problem);
        QCOMPARE(layout::postPlanSentence(job, job.runs.size() - 1, lastPlan(job)), QString());
    }

    // Bays lead the job's own sections, are made again at each edit, and
    // count toward the sections and the railpins a job may have.
    void baysAreTheJobsSections()
    {
        Job job = runJob(Unit::Inches, "72");
        Section own;
        own.name = QStringLiteral("Stair");
        own.length = QStringLiteral("36");
        job.sections = {own};
        job.runs = {makeRun("Front", "207"), makeRun("Side", "16'", RunEnd::Corner, RunEnd::Wall)};
        layout::deriveBays(job);
        QStringList names;
        for (const Section &section : job.sections)
            names << section.name;
        QCOMPARE(names, (QStringList{"Front 1", "Front 2", "Front 3", "Side 1", "Side 2", "Side 3", "Stair"}));
        Job unnamed = job;
        unnamed.runs.back().name.clear();
        layout::deriveBays(unnamed);
        QCOMPARE(unnamed.sections[3].name, QStringLiteral("Run 2 1"));
        QCOMPARE(layout::jobPosts(job), qint64(4 + 2));
        const Job once = job;
        layout::deriveBays(job);
        QCOMPARE(job, once);
        // 12 railpins in each bay of the front, 11 in each of the side, 6 in the stair.
        QCOMPARE(layout::jobRailpins(job), qint64(3 * 12 + 3 * 11 + 6));

        job.runs.front().length = QStringLiteral("96");
        layout::deriveBays(job);
        QCOMPARE(job.sections.front().name, QStringLiteral("Front 1"));
        QCOMPARE(job.sections[1].name, QStringLiteral("Front 2"));
        QCOMPARE(job.sections[2].name, QStringLiteral("Side 1"));

        job.sections.insert(job.sections.end(), 996, own);
        layout::deriveBays(job);
        const auto side = std::find_if(job.sections.begin(), job.sections.end(),
                                       [](const Section &section) { return section.bay && section.bay->run == 1; });
        QVERIFY(side != job.sections.end());
        QCOMPARE(layout::layOut(job, *side).problems.value(0),
                 QStringLiteral("its 3 bays would make the job more than 1,000 sections"));
        QCOMPARE(layout::jobPosts(job), qint64(3));
    }

    // A full job keeps its runs, each refused as one section, and stays
    // within the limits: every edit may still be made, e.g. removing the run.
    void aFullJobRefusesItsRuns_data()
    {
        QTest::addColumn<int>("ownSections");
        QTest::addColumn<qint64>("bays");  // 0: the run is refused
        QTest::newRow("room for the run") << 997 << qint64(3);
        QTest::newRow("no room left") << 998 << qint64(0);
        QTest::newRow("every section taken") << 1000 << qint64(0);
    }

    void aFullJobRefusesItsRuns()
    {
        QFETCH(int, ownSections);
        QFETCH(qint64, bays);
        Job job = runJob(Unit::Inches, "72");
        Section own;
        own.length = QStringLiteral("36");
        job.sections.assign(std::size_t(ownSections), own);
        job.runs = {makeRun("Front", "207")};
        layout::deriveBays(job);
        const auto made = std::count_if(job.sections.begin(), job.sections.end(),
                                        [](const Section &section) { return section.bay && section.bay->number > 0; });
        QCOMPARE(qint64(made), bays);
        QCOMPARE(job.sections.size(), std::size_t(ownSections) + std::size_t(std::max<qint64>(bays, 1)));
        QCOMPARE(layout::limitProblem(job), QString());
    }

    void texts_data()
    {
        QTest::addColumn<Job>("job");
        QTest::addColumn<QString>("sentence");
        QTest::addColumn<QString>("tooltip");

        Job front = runJob(Unit::Inches, "72");
        front.runs = {makeRun("Front", "17' 3\"")};
        QTest::newRow("the deck's front")
            << front
            << "Front: 17' 3\" from post centre to post centre, at most 6' on centre: 3 bays of 69 in (5' 9\"), "
               "4 posts 3 1/2 in, clear span 65 1/2 in"
            << "set by run Front: 3 bays of 5' 9\" on centre, at most 6'";
        Job fence = runJob(Unit::Inches, "96");
        fence.runs = {makeRun("Fence", "100'")};
        QTest::newRow("100' fence")
            << fence
            << "Fence: 100' from post centre to post centre, at most 8' on centre: 13 bays of 92 5/16 in "
               "(7' 8 5/16\"), 14 posts 3 1/2 in, clear span 88 13/16 in"
            << "set by run Fence: 13 bays of 7' 8 5/16\" on centre, at most 8'";
        Job wall = runJob(Unit::Inches, "72");
        wall.runs = {makeRun("Side", "12'", RunEnd::Wall)};
        QTest::newRow("from a wall")
            << wall
            << "Side: 12' from wall to post centre, at most 6' on centre: 2 bays of 72 in (6'), 2 posts 3 1/2 in, "
               "clear spans 70 1/4 in and 68 1/2 in"
            << "set by run Side: 2 bays of 6' on centre, at most 6'";
        Job gate = runJob(Unit::Inches, "72");
        gate.runs = {makeRun("Gate", "11", RunEnd::Wall, RunEnd::Wall)};
        QTest::newRow("between walls")
            << gate
            << "Gate: 11\" from wall to wall, at most 6' on centre: 1 bay of 11 in (11\"), no posts, clear span 11 in"
            << "set by run Gate: 1 bay of 11\" on centre, at most 6'";
        Job metric = runJob(Unit::Millimetres, "1800");
        metric.runs = {makeRun("Front", "5400")};
        QTest::newRow("millimetres")
            << metric
            << "Front: 5400 mm from post centre to post centre, at most 1800 mm on centre: 3 bays of 1800 mm, "
               "4 posts 90 mm, clear span 1710 mm"
            << "set by run Front: 3 bays of 1800 mm on centre, at most 1800 mm";
    }

    void texts()
    {
        QFETCH(Job, job);
        QFETCH(QString, sentence);
        QFETCH(QString, tooltip);
        QCOMPARE(layout::postPlanSentence(job, 0, layout::planRun(job, 0)), sentence);
        layout::deriveBays(job);
        QCOMPARE(layout::bayLengthTooltip(job, job.sections.front()), tooltip);
    }

    void postSpacingPresets_data()
    {
        QTest::addColumn<int>("unit");
        QTest::addColumn<QStringList>("values");
        QTest::addColumn<QStringList>("labels");
        QTest::newRow("inches") << int(Unit::Inches) << QStringList{"72", "96", "70 13/16", "48"}
                                << QStringList{"6 ft \u2014 4x4 posts", "8 ft \u2014 6x6 posts",
                                               "70 13/16 in (1800 mm)", "4 ft \u2014 cable"};
        QTest::newRow("millimetres") << int(Unit::Millimetres) << QStringList{"1828.8", "2438.4", "1800", "1219.2"}
                                     << QStringList{"1828.8 mm (72 in) \u2014 4x4 posts",
                                                    "2438.4 mm (96 in) \u2014 6x6 posts", "1800 mm",
                                                    "1219.2 mm (48 in) \u2014 cable"};
    }

    void postSpacingPresets()
    {
        QFETCH(int, unit);
        QFETCH(QStringList, values);
        QFETCH(QStringList, labels);
        QStringList foundValues;
        QStringList foundLabels;
        for (const layout::PostSpacingPreset &preset : layout::postSpacingPresets(Unit(unit), 16)) {
            foundValues << preset.value;
            foundLabels << preset.label;
        }
        QCOMPARE(foundValues, values);
        QCOMPARE(foundLabels, labels);
    }

    void feetAndInches_data()
    {
        QTest::addColumn<double>("inches");
        QTest::addColumn<QString>("text");
        QTest::newRow("feet and inches") << 207.0 << "17' 3\"";
        QTest::newRow("whole feet") << 72.0 << "6'";
        QTest::newRow("under a foot") << 9.5 << "9 1/2\"";
        QTest::newRow("rounds up to the next foot") << 71.99 << "6'";
        QTest::newRow("a fraction of an inch") << 1200.0 / 13 << "7' 8 5/16\"";
    }

    void feetAndInches()
    {
        QFETCH(double, inches);
        QFETCH(QString, text);
        QCOMPARE(layout::feetAndInches(inches, runJob(Unit::Inches, "72")), text);
    }

    void signedMarks_data()
    {
        QTest::addColumn<double>("value");
        QTest::addColumn<QString>("text");
        QTest::newRow("a left face before the start") << -1.75 << "-1 3/4";
        QTest::newRow("what rounds to 0 has no sign") << -0.01 << "0";
        QTest::newRow("after the start") << 67.25 << "67 1/4";
    }

    void signedMarks()
    {
        QFETCH(double, value);
        QFETCH(QString, text);
        QCOMPARE(layout::signedMarkText(value, runJob(Unit::Inches, "72")), text);
    }

    void exactMeasurements_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("unit");
        QTest::addColumn<qint64>("numerator");
        QTest::addColumn<qint64>("denominator");  // 0: none
        QTest::newRow("feet and inches") << "17' 3\"" << int(Unit::Inches) << qint64(207) << qint64(1);
        QTest::newRow("a sixteenth") << "288 1/16" << int(Unit::Inches) << qint64(4609) << qint64(16);
        QTest::newRow("a decimal in lowest terms") << "72.10" << int(Unit::Inches) << qint64(721) << qint64(10);
        QTest::newRow("decimal feet") << "1.5'" << int(Unit::Inches) << qint64(18) << qint64(1);
        QTest::newRow("negative") << "-3/4" << int(Unit::Inches) << qint64(-3) << qint64(4);
        QTest::newRow("millimetres") << "1366.5 mm" << int(Unit::Millimetres) << qint64(2733) << qint64(2);
        QTest::newRow("too many digits to hold")
            << "1234567890.1234567890" << int(Unit::Millimetres) << qint64(0) << qint64(0);
        QTest::newRow("not a measurement") << "abc" << int(Unit::Inches) << qint64(0) << qint64(0);
    }

    void exactMeasurements()
    {
        QFETCH(QString, text);
        QFETCH(int, unit);
        QFETCH(qint64, numerator);
        QFETCH(qint64, denominator);
        const std::optional<layout::ExactMeasurement> exact = layout::exactMeasurement(text, Unit(unit));
        QCOMPARE(exact.has_value(), denominator != 0);
        if (exact) {
            QCOMPARE(exact->numerator, numerator);
            QCOMPARE(exact->denominator, denominator);
        }
    }

    void fileVersion_data()
    {
        QTest::addColumn<bool>("runs");
        QTest::addColumn<int>("version");
        QTest::newRow("with runs") << true << 4;
        QTest::newRow("a spacing but no run") << false << 3;
    }

    void fileVersion()
    {
        QFETCH(bool, runs);
        QFETCH(int, version);
        Job job = runJob(Unit::Inches, "72");
        if (runs)
            job.runs = {makeRun("Front", "207")};
        layout::deriveBays(job);
        QCOMPARE(layout::fileVersion(job), version);
        const QByteArray bytes = layout::serializeJob(job);
        QVERIFY(!bytes.contains("Front 1"));
        const layout::JobReadResult read = layout::parseJob(bytes);
        QVERIFY2(read.job, qPrintable(read.error));
        QCOMPARE(*read.job, job);
    }

    // Runs as a person writes them in the file.
    void readRuns_data()
    {
        QTest::addColumn<QByteArray>("runs");
        QTest::addColumn<QString>("error");    // empty: read
        QTest::addColumn<QString>("problem");  // of the first run's section, when read
        QTest::addColumn<QString>("warning");  // the first unused field, when read

        QTest::newRow("every field")
            << QByteArray("[{\"name\": \"Front\", \"length\": \"17' 3\\\"\", \"start\": \"wall\","
                          "            \"end\": \"post\", \"maxPostSpacing\": \"6'\", \"railpinWidth\": \"1 1/2\", "
                          "\"maximumGap\": \"4\", \"ends\": \"half\","
                          "            \"designGap\": \"3\", \"spacing\": \"equal\", \"centre\": \"railpin\"}]")
            << QString() << QString() << QString();
        QTest::newRow("a corner at the end")
            << QByteArray("[{\"name\": \"Front\", \"length\": \"207\", \"end\": \"corner\"}]")
            << "run 1, \"end\": must be \"post\" or \"wall\"" << QString() << QString();
        QTest::newRow("an unknown start")
            << QByteArray("[{\"name\": \"Front\", \"length\": \"207\", \"start\": \"gate\"}]")
            << "run 1, \"start\": must be \"post\", \"wall\" or \"corner\"" << QString() << QString();
        QTest::newRow("not a list") << QByteArray("{\"name\": \"Front\"}") << "\"runs\": must be a list of runs in [ ]"
                                    << QString() << QString();
        QTest::newRow("a run that is no object")
            << QByteArray("[12]") << "run 1: must be an object" << QString() << QString();
        QTest::newRow("a near miss stops the run")
            << QByteArray("[{\"name\": \"Front\", \"lenght\": \"207\"}]") << QString()
            << "unknown field \"lenght\" (did you mean \"length\"?)" << QString();
        QTest::newRow("an unknown field is kept")
            << QByteArray("[{\"name\": \"Front\", \"length\": \"207\", \"note\": \"by the hot tub\"}]") << QString()
            << QString() << "run 1 \"Front\": unknown field \"note\" is kept but not used";
    }

    void readRuns()
    {
        QFETCH(QByteArray, runs);
        QFETCH(QString, error);
        QFETCH(QString, problem);
        QFETCH(QString, warning);
        const QByteArray bytes = "{\"format\": \"railpin-job\", \"version\": 4, \"railpinWidth\": \"1 1/2\","
                                 "            \"maximumGap\": \"4\", \"postWidth\": \"3 1/2\", \"maxPostSpacing\": "
                                 "\"72\", \"sections\": [], \"runs\": " +
                                 runs + "}";
        const layout::JobReadResult read = layout::parseJob(bytes);
        QCOMPARE(read.error, error);
        if (!read.job)
            return;
        QVERIFY(!read.job->sections.empty());
        QCOMPARE(layout::layOut(*read.job, read.job->sections.front()).problems.value(0), problem);
        const std::vector<layout::UnusedField> unused = layout::unusedFields(*read.job);
        QCOMPARE(unused.empty() ? QString() : unused.front().warning, warning);
        // What was read is written back as it was.
        const layout::JobReadResult again = layout::parseJob(layout::serializeJob(*read.job));
        QVERIFY2(again.job, qPrintable(again.error));
        QCOMPARE(*again.job, *read.job);
    }

    // The fields a run gives reach every bay; what it leaves out is the job's.
    void runFieldsReachEveryBay()
    {
        Job job = runJob(Unit::Inches, "72");
        job.runs = {makeRun("Front", "207"), makeRun("Side", "207")};
        Run &front = job.runs.front();
        front.railpinWidth = QStringLiteral("2");
        front.maximumGap = QStringLiteral("3");
        front.ends = layout::Ends::Half;
        front.centre = layout::Centre::Railpin;
        layout::deriveBays(job);
        QCOMPARE(job.sections.size(), std::size_t(6));
        for (std::size_t index = 0; index < 3; ++index) {
            const layout::SectionLayout laid = layout::layOut(job, job.sections[index]);
            QCOMPARE(laid.railpinWidth, 2.0f);
            QCOMPARE(laid.maximumGap, 3.0f);
            QCOMPARE(laid.ends, layout::Ends::Half);
            QCOMPARE(laid.count % 2, qint64(1));
            QVERIFY(laid.gap <= 3.0f);
        }
        const layout::SectionLayout side = layout::layOut(job, job.sections[3]);
        QCOMPARE(side.railpinWidth, 1.5f);
        QCOMPARE(side.ends, layout::Ends::Full);
        QCOMPARE(side.count, qint64(12));
    }

    // A job with a run is converted, never given the other unit's defaults:
    // also when the run cannot be laid out and so has no bay with a length.
    void runsAreLengthsOfTheJob()
    {
        Job job = layout::newJob();
        QVERIFY(layout::hasOnlyDefaultLengths(job));
        job.runs = {makeRun("Front", "207")};
        layout::deriveBays(job);
        QVERIFY(!layout::hasOnlyDefaultLengths(job));
    }

    // Converting the unit converts the runs and makes their bays again.
    void unitConversion()
    {
        Job job = runJob(Unit::Millimetres, "1800");
        job.runs = {makeRun("Front", "5400")};
        layout::deriveBays(job);
        const Job inches = layout::convertedTo(job, Unit::Inches);
        QCOMPARE(inches.runs.front().length, QStringLiteral("212 5/8"));
        // 1800 mm is 70.866 in: a limit is rounded down, never up.
        QCOMPARE(*inches.maxPostSpacing, QStringLiteral("70 13/16"));
        const RunPlan plan = layout::planRun(inches, 0);
        QCOMPARE(plan.bays, qint64(4));
        QCOMPARE(inches.sections.size(), std::size_t(4));
        QCOMPARE(inches.sections.front().name, QStringLiteral("Front 1"));
    }
};

QTEST_GUILESS_MAIN(TestRuns)
#include "tst_runs.moc"
