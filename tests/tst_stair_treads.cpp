// SPDX-License-Identifier: LicenseRef-proprietary
#include "command_line.h"
#include "command_line_job.h"
#include "command_line_options.h"
#include "command_line_run.h"
#include "job_file.h"
#include "measurement.h"
#include "pdf_text.h"
#include "section_layout.h"
#include "unit_conversion.h"

#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>
#include <QTextStream>

// Stairs given by their treads and the opening under a stair's bottom rail:
// each builder's example through the engine and through the command line.
namespace {

// The job the options describe, as the command line reads it.
command_line::JobFromOptions jobOf(const QStringList &arguments)
{
    CommandLineOptions options;
    if (!options.parser.parse(QStringList{QStringLiteral("railpin")} + arguments))
        return {std::nullopt, command_line::Failure{2, options.parser.errorText()}};
    return command_line::jobFromOptions(options);
}

QStringList stair(const QString &rise, const QString &run, const QString &width, const QString &gap)
{
    return {"--rise", rise, "--run", run, "--width", width, "--max-gap", gap};
}

// The marks' column `column` of the railpins on tread 2, joined as the table writes lists.
QString onSecondTread(const QString &marks, int column)
{
    QStringList values;
    for (const QString &line : marks.split(u'\n', Qt::SkipEmptyParts).mid(1)) {
        const QStringList fields = line.split(u'\t');
        if (fields.value(1) == u"2")
            values << fields.value(column);
    }
    return values.join(QStringLiteral(", "));
}

}  // namespace

class TestStairTreads : public QObject
{
    Q_OBJECT

private slots:
    void workedExamples_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<int>("perTread");
        QTest::addColumn<QString>("onCentre");
        QTest::addColumn<QString>("gap");
        QTest::addColumn<QString>("pattern");
        QTest::addColumn<int>("count");
        QTest::addColumn<QString>("lengths");  // empty without a rail height
        QTest::addColumn<QString>("cuts");
        QTest::addColumn<QString>("warning");

        QTest::newRow("10 1/2 run: 3 per tread, 3 1/2 on centre")
            << stair("7 1/2", "10 1/2", "3/4", "4") + QStringList{"--treads", "13"} << 3 << "3 1/2"
            << "2 3/4"
            << "3/8, 3 7/8, 7 3/8" << 39 << ""
            << ""
            << "";
        QTest::newRow("10 run by thirty-seconds: 3 11/32")
            << stair("7 1/2", "10", "3/4", "4") + QStringList{"--treads", "14", "--increment", "32"} << 3 << "3 11/32"
            << "2 19/32"
            << "3/8, 3 23/32, 7 1/32" << 42 << ""
            << ""
            << "";
        QTest::newRow("a wider limit takes 2")
            << stair("7 1/2", "10", "3/4", "4 3/8") + QStringList{"--treads", "12"} << 2 << "5"
            << "4 1/4"
            << "3/8, 5 3/8" << 24 << ""
            << ""
            << "";
        QTest::newRow("the same with a limit of 4")
            << stair("7 1/2", "10", "3/4", "4") + QStringList{"--treads", "12"} << 3 << "3 5/16"
            << "2 9/16"
            << "3/8, 3 11/16, 7 1/16" << 36 << ""
            << ""
            << "";
        QTest::newRow("millimetres, newels at both ends, halves to the lower mm")
            << QStringList{"--unit", "mm"} + stair("200", "220", "41", "99") +
                   QStringList{"--treads", "13", "--newels", "both"}
            << 2 << "110"
            << "69"
            << "20, 130" << 24 << ""
            << ""
            << "";
        QTest::newRow("a given count over the limit is laid out")
            << stair("7 1/2", "11", "3/4", "4") + QStringList{"--treads", "6", "--per-tread", "2"} << 2 << "5 1/2"
            << "4 3/4"
            << "3/8, 5 7/8" << 12 << ""
            << ""
            << "the gap of 4.75 (4 3/4) with 2 railpins per tread is wider than the maximum gap of 4";
        QTest::newRow("pins into holes are cut square")
            << stair("7 1/2", "10", "1 1/2", "4 3/8") + QStringList{"--treads",      "3",  "--nosing",     "1",
                                                                    "--rail-height", "36", "--rail-depth", "2",
                                                                    "--insert",      "1/2"}
            << 2 << "5"
            << "3 1/2"
            << "3/4, 5 3/4" << 6 << "35 5/16, 39 1/16"
            << "35 5/16, 39 1/16"
            << "";
        QTest::newRow("without holes each is cut to its long point")
            << stair("7 1/2", "10", "3/4", "4") + QStringList{"--treads",      "3",  "--nosing",     "1",
                                                              "--rail-height", "36", "--rail-depth", "2",
                                                              "--increment",   "32"}
            << 3 << "3 11/32"
            << "2 19/32"
            << "3/8, 3 23/32, 7 1/32" << 9 << "34 17/32, 37 1/32, 39 17/32"
            << "34 13/16, 37 5/16, 39 13/16"
            << "";
        QTest::newRow("a newel at the bottom takes one place")
            << stair("7 1/4", "10 1/2", "3/4", "4") + QStringList{"--treads", "12", "--newels", "bottom"} << 3
            << "3 1/2"
            << "2 3/4"
            << "3/8, 3 7/8, 7 3/8" << 35 << ""
            << ""
            << "";
        QTest::newRow("the job's minimum wins over the fewest")
            << stair("7 1/2", "10", "3/4", "4 3/8") + QStringList{"--treads", "4", "--min-per-tread", "3"} << 3
            << "3 5/16"
            << "2 9/16"
            << "3/8, 3 11/16, 7 1/16" << 12 << ""
            << ""
            << "";
        QTest::newRow("a design gap is aimed at")
            << stair("7 1/2", "10", "3/4", "4 3/8") + QStringList{"--treads", "2", "--design-gap", "4"} << 3 << "3 5/16"
            << "2 9/16"
            << "3/8, 3 11/16, 7 1/16" << 6 << ""
            << ""
            << "";
        QTest::newRow("a given count below the minimum")
            << stair("7 1/2", "20", "3/4", "20") + QStringList{"--treads", "2", "--per-tread", "1"} << 1 << "20"
            << "19 1/4"
            << "3/8" << 2 << ""
            << ""
            << "1 railpins per tread are fewer than the job's least of 2";
        QTest::newRow("one tread with both newels counts each place once")
            << stair("7 1/2", "10", "3/4", "4 3/8") + QStringList{"--treads", "1", "--newels", "both"} << 2 << "5"
            << "4 1/4"
            << "3/8, 5 3/8" << 0 << ""
            << ""
            << "";
    }

    void workedExamples()
    {
        QFETCH(QStringList, arguments);
        QFETCH(int, perTread);
        QFETCH(QString, onCentre);
        QFETCH(QString, gap);
        QFETCH(QString, pattern);
        QFETCH(int, count);
        QFETCH(QString, lengths);
        QFETCH(QString, cuts);
        QFETCH(QString, warning);
        const command_line::JobFromOptions read = jobOf(arguments);
        QVERIFY2(read.job, qPrintable(read.failure ? read.failure->message : QString()));
        const layout::Job &job = *read.job;
        const layout::SectionLayout laid = layout::layOut(job, job.sections.front());
        QVERIFY2(laid.laidOut(), qPrintable(laid.problems.join(u'\n')));
        QVERIFY(laid.treads);
        QCOMPARE(laid.treads->perTread, perTread);
        QCOMPARE(layout::markText(laid.treads->onCentre, job), onCentre);
        QCOMPARE(layout::markText(laid.exactGap, job), gap);
        QCOMPARE(layout::treadPatternText(job, *laid.treads), pattern);
        QCOMPARE(laid.count, count);
        QCOMPARE(qint64(laid.marks.size()), qint64(count));
        QStringList centres;
        QStringList cutLengths;
        qint64 howMany = 0;
        for (const layout::TreadLength &length : laid.treads->lengths) {
            centres << layout::markText(length.centre, job);
            cutLengths << layout::markText(length.cut, job);
            howMany += length.howMany;
        }
        QCOMPARE(centres.join(QStringLiteral(", ")), lengths);
        QCOMPARE(cutLengths.join(QStringLiteral(", ")), cuts);
        if (!lengths.isEmpty())
            QCOMPARE(howMany, qint64(count));
        QCOMPARE(laid.warnings.join(u'\n'), warning);
        // Consecutive positions differ by the rise shared among them.
        for (std::size_t index = 1; index < laid.treads->lengths.size(); ++index)
            QCOMPARE(laid.treads->lengths[index].centre - laid.treads->lengths[index - 1].centre,
                     laid.treads->rise / double(perTread));
    }

    void marksOfWorkedExamples_data() { workedExamples_data(); }

    void marksOfWorkedExamples()
    {
        QFETCH(QStringList, arguments);
        QFETCH(QString, pattern);
        QFETCH(int, count);
        QFETCH(QString, lengths);
        QFETCH(QString, cuts);
        QFETCH(QString, warning);
        const Outcome outcome = runCommandLine(QStringList{"--marks"} + arguments);
        QCOMPARE(outcome.exitCode, 0);
        QCOMPARE(outcome.err, warning.isEmpty() ? QString() : QStringLiteral("railpin: warning: %1\n").arg(warning));
        const QString unit = arguments.contains(QStringLiteral("mm")) ? QStringLiteral(" (mm)") : QString();
        QCOMPARE(outcome.out.section(u'\n', 0, 0), QStringLiteral("Railpin\tTread\tOn tread%1\tLevel%1\tAlong the "
                                                                  "rail%1\tLength%1\tCut length%1")
                                                       .arg(unit));
        QCOMPARE(outcome.out.count(u'\n'), count + 1);
        if (count == 0)
            return;
        const bool oneTread = arguments.at(arguments.indexOf(QStringLiteral("--treads")) + 1) == u"1";
        if (oneTread)
            return;
        QCOMPARE(onSecondTread(outcome.out, 2), pattern);
        QCOMPARE(onSecondTread(outcome.out, 5).remove(QRegularExpression(QStringLiteral("^(, )+$"))), lengths);
        QCOMPARE(onSecondTread(outcome.out, 6).remove(QRegularExpression(QStringLiteral("^(, )+$"))), cuts);
    }

    // Each refusal as the engine gives it and as the command line prints it.
    void refusals_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<QString>("message");
        QTest::newRow("an angle for treads")
            << QStringList{"--angle", "35", "--width", "3/4", "--max-gap", "4", "--treads", "3"}
            << "--treads: treads need the rise and run of one step, not an angle";
        QTest::newRow("a length as well")
            << stair("7 1/2", "10", "3/4", "4") + QStringList{"--treads", "3", "--length", "40"}
            << "--length does not go with --treads: the treads give the stair's length";
        QTest::newRow("too many treads") << stair("7 1/2", "10", "3/4", "4") + QStringList{"--treads", "201"}
                                         << "--treads \"201\": give a whole number from 1 to 200";
        QTest::newRow("no treads") << stair("7 1/2", "10", "3/4", "4") + QStringList{"--treads", "0"}
                                   << "--treads \"0\": give a whole number from 1 to 200";
        QTest::newRow("too many per tread")
            << stair("7 1/2", "10", "3/4", "4") + QStringList{"--treads", "3", "--per-tread", "11"}
            << "--per-tread \"11\": give a whole number from 1 to 10";
        QTest::newRow("no count both fits and keeps the gap")
            << stair("7 1/2", "10", "5 1/2", "4") + QStringList{"--treads", "3"}
            << "no number of railpins per tread both fits a tread run of 10 and keeps the gap within 4: 1 per tread "
               "leaves a gap of 4 1/2; 2 need 11";
        QTest::newRow("not even one fits") << stair("7 1/2", "10", "11", "4") + QStringList{"--treads", "3"}
                                           << "a railpin 11 wide does not fit a tread run of 10";
        QTest::newRow("the minimum does not fit")
            << stair("7 1/2", "10", "7", "4") + QStringList{"--treads", "3"}
            << "a tread run of 10 cannot take 2 railpins 7 wide (they need 14); at least 2 per tread is the job's "
               "minimum";
        QTest::newRow("a given count does not fit")
            << stair("7 1/2", "10", "3", "4") + QStringList{"--treads", "3", "--per-tread", "4"}
            << "4 railpins 3 wide do not fit a tread run of 10 (they need 12)";
        QTest::newRow("first in front of the riser")
            << stair("7 1/2", "10", "3/4", "4") + QStringList{"--treads", "3", "--first-from-riser", "-1/8"}
            << "the first railpin cannot stand in front of the riser face";
        QTest::newRow("last passes the next riser")
            << stair("7 1/2", "9", "3/4", "4") + QStringList{"--treads", "3", "--first-from-riser", "4 1/4"}
            << "with the first railpin 4 1/4 from the riser, the last one on each tread passes the next riser: it "
               "may be at most 4 1/8";
        QTest::newRow("the bound rounds down to 1/32 whatever the increment")
            << stair("7 1/2", "10", "3/4", "4") +
                   QStringList{"--treads", "3", "--first-from-riser", "3", "--increment", "4"}
            << "with the first railpin 3 from the riser, the last one on each tread passes the next riser: it may be "
               "at most 2 15/16";
        QTest::newRow("millimetre bound to 0.1 mm")
            << QStringList{"--unit", "mm"} + stair("180", "250.3", "41", "100") +
                   QStringList{"--treads", "3", "--first-from-riser", "110"}
            << "with the first railpin 110 from the riser, the last one on each tread passes the next riser: it may "
               "be at most 104.6";
        QTest::newRow("a count with treads")
            << stair("7 1/2", "10", "3/4", "4") + QStringList{"--treads", "3", "--count", "9"}
            << "--count does not go with --treads";
        QTest::newRow("half ends with treads")
            << stair("7 1/2", "10", "3/4", "4") + QStringList{"--treads", "3", "--ends", "half"}
            << "--ends does not go with --treads";
        QTest::newRow("a centre rule with treads")
            << stair("7 1/2", "10", "3/4", "4") + QStringList{"--treads", "3", "--centre", "railpin"}
            << "--centre does not go with --treads";
        QTest::newRow("per tread without treads")
            << stair("7 1/2", "10", "3/4", "4") + QStringList{"--length", "40", "--per-tread", "3"}
            << "--per-tread is used with --treads";
        QTest::newRow("newels word") << stair("7 1/2", "10", "3/4", "4") +
                                            QStringList{"--treads", "3", "--newels", "middle"}
                                     << "--newels \"middle\": the newels are none, bottom, top or both";
        QTest::newRow("rail height leaves no length")
            << stair("7 1/2", "10", "3/4", "4") +
                   QStringList{"--treads", "3", "--rail-height", "1", "--rail-depth", "4"}
            << "a rail height of 1 with a rail depth of 4 leaves the front railpin no length";
        QTest::newRow("bottom rail on an angle")
            << QStringList{"--angle", "35", "--width", "3/4", "--max-gap", "4", "--length", "40", "--bottom-rail", "1"}
            << "the check under the bottom rail needs the rise and run of one step, not an angle";
        QTest::newRow("bottom rail below the nosing line")
            << stair("7 1/2", "10", "3/4", "4") + QStringList{"--length", "40", "--bottom-rail", "-1/4"}
            << "the bottom rail cannot be below the nosing line";
        QTest::newRow("bottom rail too high for a triangle")
            << stair("7 1/2", "10", "3/4", "4") +
                   QStringList{"--length", "40", "--bottom-rail", "20", "--triangle-sphere", "40"}
            << "the bottom rail stands so far above the nosing line that the opening under it is no longer a triangle";
        QTest::newRow("bottom rail without a stair")
            << QStringList{"--width", "3/4", "--max-gap", "4", "--length", "40", "--bottom-rail", "1"}
            << "--bottom-rail is used with a stair's --rise and --run";
    }

    void refusals()
    {
        QFETCH(QStringList, arguments);
        QFETCH(QString, message);
        const command_line::JobFromOptions read = jobOf(arguments);
        if (read.failure) {
            QCOMPARE(read.failure->message, message);
        } else {
            const layout::SectionLayout laid = layout::layOut(*read.job, read.job->sections.front());
            QCOMPARE(laid.problems.value(0), message);
            QVERIFY(laid.marks.empty());
        }
        const Outcome outcome = runCommandLine(QStringList{"--marks"} + arguments);
        QCOMPARE(outcome.exitCode, 2);
        QCOMPARE(outcome.out, QString());
        QCOMPARE(outcome.err, QStringLiteral("railpin: %1\n").arg(message));
    }

    void triangle_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<QString>("sphere");
        QTest::addColumn<bool>("passes");
        QTest::addColumn<QString>("highestRail");
        const QStringList length{"--width", "3/4", "--max-gap", "4", "--length", "48"};
        QTest::newRow("equal to the limit passes")
            << QStringList{"--rise", "7 1/2", "--run", "10", "--bottom-rail", "1 1/2"} + length << "6.000" << true
            << "1 1/2";
        QTest::newRow("over by a little never reads as the limit")
            << QStringList{"--rise", "7 3/4", "--run", "10", "--bottom-rail", "1 1/2"} + length << "6.086" << false
            << "1 5/16";
        QTest::newRow("rail on the nosing line")
            << QStringList{"--rise", "7 1/2", "--run", "10", "--bottom-rail", "0"} + length << "5.000" << true
            << "1 1/2";
        QTest::newRow("a nosing raises the opening")
            << QStringList{"--rise", "7 1/2", "--run", "10", "--bottom-rail", "1", "--nosing", "1"} + length << "6.167"
            << false << "3/4";
        QTest::newRow("millimetres") << QStringList{"--unit",        "mm",      "--rise",
                                                    "180",           "--run",   "250",
                                                    "--bottom-rail", "40",      "--triangle-sphere",
                                                    "152",           "--width", "41",
                                                    "--max-gap",     "99",      "--length",
                                                    "1200"}
                                     << "149.1" << true << "44";
        QTest::newRow("on a stair by treads")
            << stair("7 3/4", "10", "3/4", "4") + QStringList{"--treads", "3", "--bottom-rail", "1 1/2"} << "6.086"
            << false << "1 5/16";
    }

    void triangle()
    {
        QFETCH(QStringList, arguments);
        QFETCH(QString, sphere);
        QFETCH(bool, passes);
        QFETCH(QString, highestRail);
        const command_line::JobFromOptions read = jobOf(arguments);
        QVERIFY(read.job);
        const layout::SectionLayout laid = layout::layOut(*read.job, read.job->sections.front());
        QVERIFY2(laid.laidOut(), qPrintable(laid.problems.join(u'\n')));
        QVERIFY(laid.triangle);
        QCOMPARE(layout::sphereText(laid.triangle->sphere, *read.job), sphere);
        QCOMPARE(laid.triangle->passes, passes);
        QCOMPARE(layout::limitText(laid.triangle->highestRail, *read.job), highestRail);
        // The highest rail found passes, and one step higher does not.
        const layout::Stair &stair = *read.job->sections.front().stair;
        const double rise = *layout::measurementValue(stair.rise, read.job->unit);
        const double run = *layout::measurementValue(stair.run, read.job->unit);
        const double nosing = *layout::measurementValue(stair.nosing.value_or("0"), read.job->unit);
        QVERIFY(layout::triangleSphereDiameter(rise, run, nosing, laid.triangle->highestRail) <=
                laid.triangle->limit + 1e-9);

        const Outcome outcome = runCommandLine(QStringList{"--marks"} + arguments);
        QCOMPARE(outcome.exitCode, 0);
        if (passes) {
            QCOMPARE(outcome.err, QString());
        } else {
            const QString limit = read.job->unit == layout::Unit::Millimetres ? "152" : "6";
            QCOMPARE(outcome.err, QStringLiteral("railpin: warning: the opening under the bottom rail passes a "
                                                 "sphere of %1, more than %2: keep the rail at most %3 above the "
                                                 "nosing line\n")
                                      .arg(sphere, limit, highestRail));
        }
    }

    // Every output of the command line shows the treads; OUT is the file written.
    void outputs_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<QStringList>("expected");
        const QStringList twelve = stair("7 1/2", "10", "3/4", "4") + QStringList{"--treads", "12"};
        const QStringList lengths = twelve + QStringList{"--nosing", "1", "--rail-height", "36", "--rail-depth", "2"};
        QTest::newRow("sheet in words")
            << QStringList{"--pdf", "OUT"} + twelve
            << QStringList{"3 per tread (the fewest within 4 in; at least 2), on centre 3 5/16 (3.333333), gap "
                           "measured level 2 9/16",
                           "On every tread, from the riser face: 3/8, 3 11/16, 7 1/16",
                           "Count: 12 treads × 3 = 36 railpins"};
        QTest::newRow("sheet with newels") << QStringList{"--pdf", "OUT"} + twelve + QStringList{"--newels", "both"}
                                           << QStringList{"Count: 12 treads × 3, less 2 for the newels = 34 railpins"};
        QTest::newRow("sheet's length table")
            << QStringList{"--pdf", "OUT"} + lengths
            << QStringList{"top cut 36.87°, bottom square", "34 1/2 (34.53125)", "39 13/16 (39.8125)"};
        QTest::newRow("sheet's check under the bottom rail")
            << QStringList{"--pdf",     "OUT", "--rise",   "7 3/4", "--run",         "10",   "--width", "3/4",
                           "--max-gap", "4",   "--length", "48",    "--bottom-rail", "1 1/2"}
            << QStringList{"Warning: the opening under the bottom rail passes a sphere of 6.086, more than 6:"};
        QTest::newRow("template of one tread")
            << QStringList{"--template", "OUT"} + twelve
            << QStringList{"lay against the riser face of every tread", "3/8 in from the riser",
                           "3 11/16 in from the riser", "7 1/16 in from the riser"};
        QTest::newRow("svg profile") << QStringList{"--svg", "OUT"} + twelve
                                     << QStringList{"id=\"stair\"", "inkscape:label=\"stair\""};
        QTest::newRow("dxf profile") << QStringList{"--dxf", "OUT"} + twelve << QStringList{"\r\nstair\r\n"};
    }

    void outputs()
    {
        QFETCH(QStringList, arguments);
        QFETCH(QStringList, expected);
        QTemporaryDir folder;
        const QString out = folder.filePath(QStringLiteral("out"));
        arguments.replace(arguments.indexOf(QStringLiteral("OUT")), out);
        const Outcome outcome = runCommandLine(arguments);
        QCOMPARE(outcome.exitCode, 0);
        QFile written(out);
        QVERIFY(written.open(QIODevice::ReadOnly));
        const QByteArray bytes = written.readAll();
        QString text = QString::fromUtf8(bytes);
        if (bytes.startsWith("%PDF-")) {
            if (!havePdfToText())
                QSKIP("pdftotext is not installed");
            text = pdfText(bytes).value_or(QString());
        }
        for (const QString &part : expected)
            QVERIFY2(text.contains(part), qPrintable(part));
    }

    void csvRow()
    {
        const Outcome outcome =
            runCommandLine(QStringList{"--marks", "--csv"} + stair("7 1/2", "10", "3/4", "4") +
                           QStringList{"--treads", "3", "--nosing", "1", "--rail-height", "36", "--rail-depth", "2"});
        QCOMPARE(outcome.exitCode, 0);
        const QStringList lines = outcome.out.split(QStringLiteral("\r\n"), Qt::SkipEmptyParts);
        // Nine railpins along the rail, then level.
        QCOMPARE(lines.size(), 19);
        QVERIFY(lines[0].endsWith(QStringLiteral(
            ",From mid-span (in),Tread,On tread (in),Level (in),Along the rail (in),Length (in),Cut length (in),\"On "
            "tread, fraction\",\"Level, fraction\",\"Along the rail, fraction\",\"Length, fraction\",\"Cut length, "
            "fraction\",Measured")));
        // The fourth railpin stands first on the second tread.
        QVERIFY2(lines[4].endsWith(
                     QStringLiteral(",2,0.375000,10.375000,12.968750,34.531250,34.812500,3\u20448,10 3\u20448,12 "
                                    "15\u204416,34 1\u20442,34 13\u204416,along the rail")),
                 qPrintable(lines[4]));
    }

    // A job's other sections keep the marks' five columns.
    void marksOfAMixedJob()
    {
        QTemporaryDir folder;
        QFile file(folder.filePath(QStringLiteral("mixed.railpin")));
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(R"({"format": "railpin-job", "version": 4, "railpinWidth": "3/4", "maximumGap": "4", "sections": [
            {"name": "Deck", "length": "36"},
            {"name": "Stair", "stair": {"rise": "7 1/2", "run": "10", "treads": 2}}]})");
        file.close();
        const Outcome outcome = runCommandLine(QStringList{"--marks", file.fileName()});
        QCOMPARE(outcome.err, QString());
        QCOMPARE(outcome.exitCode, 0);
        const QStringList lines = outcome.out.split(u'\n');
        QCOMPARE(lines.value(1), "Railpin\tLeft edge\tCentre\tRight edge\tCentre from right post");
        const qsizetype stairAt = lines.indexOf(QStringLiteral("Section\tStair"));
        QVERIFY(stairAt > 0);
        QCOMPARE(lines.value(stairAt + 1), "Railpin\tTread\tOn tread\tLevel\tAlong the rail\tLength\tCut length");
        QCOMPARE(lines.value(stairAt + 2), "1\t1\t3/8\t3/8\t7/16\t\t");
    }

    void treadsFieldsOnALengthStairAreNamed()
    {
        layout::Job job;
        job.railpinWidth = "3/4";
        job.maximumGap = "4";
        layout::Section section;
        section.length = "48";
        section.stair = layout::Stair{"7 1/2", "10", std::nullopt};
        section.stair->perTread = 3;
        section.stair->nosing = "1";
        const layout::SectionLayout laid = layout::layOut(job, section);
        QVERIFY(laid.laidOut());
        QCOMPARE(laid.warnings,
                 QStringList({"stair: \"perTread\" is used by a stair given by its treads: kept but not used",
                              "stair: \"nosing\" is used by a stair given by its treads: kept but not used"}));
    }

    void noRailPassesSaysSo()
    {
        layout::Job job;
        job.railpinWidth = "3/4";
        job.maximumGap = "4";
        job.triangleSphere = "4";
        layout::Section section;
        section.length = "48";
        section.stair = layout::Stair{"7 1/2", "10", std::nullopt};
        section.stair->bottomRail = "0";
        const layout::SectionLayout laid = layout::layOut(job, section);
        QVERIFY(laid.triangle && !laid.triangle->passes);
        QVERIFY(laid.triangle->highestRail < 0);
        QCOMPARE(laid.warnings.value(0), "the opening under the bottom rail passes a sphere of 5.000, more than 4: no "
                                         "bottom rail on this stair keeps it within 4, even one on the nosing line");
    }

    // The file keeps every value of a stair by treads, and only such a job
    // is of the newer version.
    void fileKeys_data()
    {
        QTest::addColumn<QByteArray>("stair");
        QTest::addColumn<QByteArray>("job");
        QTest::addColumn<int>("version");
        QTest::addColumn<QString>("problem");  // the section's, once laid out
        QTest::newRow("by length, as before")
            << QByteArray(R"("length": "40", "stair": {"rise": "7", "run": "11"})") << QByteArray() << 1 << "";
        QTest::newRow("every key") << QByteArray(R"("stair": {"rise": "7 1/2", "run": "10", "treads": 12, "perTread": 3,
                "firstFromRiser": "1/2", "newels": "both", "nosing": "1", "railHeight": "36", "railDepth": "2",
                "insert": "1/2", "bottomRail": "1"})")
                                   << QByteArray(R"("minPerTread": 3, "triangleSphere": "6",)") << 4 << "";
        QTest::newRow("auto per tread") << QByteArray(R"("stair": {"rise": "7 1/2", "run": "10", "treads": 12,
                "perTread": "auto"})") << QByteArray()
                                        << 4 << "";
        QTest::newRow("a bottom rail on a stair by length")
            << QByteArray(R"("length": "40", "stair": {"rise": "7 1/2", "run": "10", "bottomRail": "1"})")
            << QByteArray() << 4 << "";
        QTest::newRow("treads out of range")
            << QByteArray(R"("stair": {"rise": "7 1/2", "run": "10", "treads": 0})") << QByteArray() << 4
            << "a stair of 0 treads is not possible: give 1 to 200";
        QTest::newRow("job's minimum out of range")
            << QByteArray(R"("stair": {"rise": "7 1/2", "run": "10", "treads": 2})")
            << QByteArray(R"("minPerTread": 5,)") << 4
            << "the job's least of 5 railpins per tread is not possible: give 1 to 4";
        QTest::newRow("angle and treads") << QByteArray(R"("stair": {"angle": 35, "treads": 2})") << QByteArray() << 4
                                          << "treads need the rise and run of one step, not an angle";
        QTest::newRow("length and treads")
            << QByteArray(R"("length": "40", "stair": {"rise": "7 1/2", "run": "10", "treads": 2})") << QByteArray()
            << 4 << "a stair is given by its length or by its treads, not both: leave the length empty";
        QTest::newRow("a count with treads")
            << QByteArray(R"("count": 4, "stair": {"rise": "7 1/2", "run": "10", "treads": 2})") << QByteArray() << 4
            << "a count of railpins does not go with a stair given by its treads";
        QTest::newRow("rail depth of a stair by length must read")
            << QByteArray(R"("length": "40", "stair": {"rise": "7 1/2", "run": "10", "railDepth": "deep"})")
            << QByteArray() << 4
            << "rail depth \"deep\" is not a measurement: type inches as 36, 36.5, 1 3/8, 1-3/8, 1 3/8 in or 12' 3 "
               "1/2\"";
        QTest::newRow("near miss of a stair key")
            << QByteArray(R"("stair": {"rise": "7 1/2", "run": "10", "treads": 2, "railHieght": "36"})") << QByteArray()
            << 4 << "stair: unknown field \"railHieght\" (did you mean \"railHeight\"?)";
        QTest::newRow("near miss of a job key")
            << QByteArray(R"("length": "40")") << QByteArray(R"("triangelSphere": "6",)") << 1
            << "the job's unknown field \"triangelSphere\" (did you mean "
               "\"triangleSphere\"?)";
    }

    void fileKeys()
    {
        QFETCH(QByteArray, stair);
        QFETCH(QByteArray, job);
        QFETCH(int, version);
        QFETCH(QString, problem);
        const QByteArray bytes =
            R"({"format": "railpin-job", "version": 4, "railpinWidth": "3/4", "maximumGap": "4",)" + job +
            R"( "sections": [{"name": "Stair", )" + stair + "}]}";
        const layout::JobReadResult read = layout::parseJob(bytes);
        QVERIFY2(read.job, qPrintable(read.error));
        QCOMPARE(layout::fileVersion(*read.job), version);
        const layout::JobReadResult again = layout::parseJob(layout::serializeJob(*read.job));
        QVERIFY2(again.job, qPrintable(again.error));
        QCOMPARE(*again.job, *read.job);
        QCOMPARE(layout::layOut(*read.job, read.job->sections.front()).problems.value(0), problem);
    }

    void fileRefusesWrongWords_data()
    {
        QTest::addColumn<QByteArray>("stair");
        QTest::addColumn<QString>("error");
        QTest::newRow("newels") << QByteArray(R"({"rise": "7", "run": "11", "treads": 2, "newels": "middle"})")
                                << "section 1, stair, \"newels\": must be \"none\", \"bottom\", \"top\" or \"both\"";
        QTest::newRow("per tread") << QByteArray(R"({"rise": "7", "run": "11", "treads": 2, "perTread": "many"})")
                                   << "section 1, stair, \"perTread\": must be \"auto\" or a whole number";
        QTest::newRow("treads") << QByteArray(R"({"rise": "7", "run": "11", "treads": 2.5})")
                                << "section 1, stair, \"treads\": must be a whole number from -1000000000 to "
                                   "1000000000";
    }

    void fileRefusesWrongWords()
    {
        QFETCH(QByteArray, stair);
        QFETCH(QString, error);
        const QByteArray bytes =
            R"({"format": "railpin-job", "version": 4, "railpinWidth": "3/4", "maximumGap": "4", "sections": [{"stair": )" +
            stair + "}]}";
        QCOMPARE(layout::parseJob(bytes).error, error);
    }

    // A limit is rounded down by a conversion, the other lengths to the nearest step.
    void conversion_data()
    {
        QTest::addColumn<QString>("sphere");
        QTest::addColumn<QString>("nosing");
        QTest::addColumn<QString>("sphereInInches");
        QTest::addColumn<QString>("nosingInInches");
        QTest::newRow("152 mm is under 6 in") << "152"
                                              << "25"
                                              << "5 15/16"
                                              << "1";
        QTest::newRow("100 mm") << "100"
                                << "30"
                                << "3 7/8"
                                << "1 3/16";
    }

    void conversion()
    {
        QFETCH(QString, sphere);
        QFETCH(QString, nosing);
        QFETCH(QString, sphereInInches);
        QFETCH(QString, nosingInInches);
        layout::Job job;
        job.unit = layout::Unit::Millimetres;
        job.triangleSphere = sphere;
        layout::Section section;
        section.stair = layout::Stair{"180", "250", std::nullopt};
        section.stair->nosing = nosing;
        section.stair->railHeight = nosing;
        job.sections.push_back(section);
        const layout::Job inches = layout::convertedTo(job, layout::Unit::Inches);
        QCOMPARE(inches.triangleSphere.value_or(QString()), sphereInInches);
        QCOMPARE(inches.sections.front().stair->nosing.value_or(QString()), nosingInInches);
        QCOMPARE(inches.sections.front().stair->railHeight.value_or(QString()), nosingInInches);
    }
};

QTEST_MAIN(TestStairTreads)
#include "tst_stair_treads.moc"
