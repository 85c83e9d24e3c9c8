// SPDX-License-Identifier: LicenseRef-proprietary
#include "command_line.h"
#include "command_line_run.h"
#include "pdf_text.h"

#include <QDir>
#include <QFileInfo>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>
#include <QTextStream>
#include <QXmlStreamReader>

namespace {

const QByteArray kBarDeck = R"({"format": "railpin-job", "version": 1, "name": "Bar deck",
 "railpinWidth": "1 3/8", "maximumGap": "4", "increment": 16, "extraStockPercent": 10,
 "sections": [{"name": "Front", "length": "36", "ends": "full"},
   {"name": "Stair", "length": "48", "railpinWidth": "1 1/2", "stair": {"rise": "7 1/2", "run": "10"}},
   {"name": "Side", "length": "36", "ends": "half", "count": 7}]})";

const QByteArray kUnreadableSection = R"({"format": "railpin-job", "version": 1, "name": "Half done",
 "railpinWidth": "1 3/8", "maximumGap": "4", "increment": 16,
 "sections": [{"name": "Front", "length": "36"}, {"name": "Back", "length": "abc"}]})";

// A deck against a house: out from the wall to a corner post, across the
// front to the next corner, back to the wall; and a stair of its own.
const QByteArray kDeckOfRuns = R"({"format": "railpin-job", "version": 4, "name": "Deck of runs",
 "railpinWidth": "1 1/2", "maximumGap": "4", "postWidth": "3 1/2", "maxPostSpacing": "6'",
 "runs": [{"name": "Left", "length": "12'", "start": "wall", "end": "post"},
   {"name": "Front", "length": "207", "start": "corner", "end": "post"},
   {"name": "Right", "length": "12'", "start": "corner", "end": "wall"}],
 "sections": [{"name": "Stair", "length": "36", "stair": {"rise": "7", "run": "11"}}]})";

const QByteArray kMisspelt = R"({"format": "railpin-job", "version": 1, "railpinWidth": "1 3/8", "maximumGap": "4",
 "sections": [{"name": "S", "length": "48", "stiar": {"rise": "7 1/2", "run": "10"}}]})";

QStringList filesIn(const QString &folder)
{
    return QDir(folder).entryList(QDir::Files | QDir::Hidden, QDir::Name);
}

}  // namespace

class TestCommandLine : public QObject
{
    Q_OBJECT

    QTemporaryDir jobs;

    QString placed(QString argument, const QString &out) const
    {
        argument.replace(QLatin1String("OUT"), out);
        argument.replace(QLatin1String("JOBS"), jobs.path());
        return argument;
    }

private slots:
    void initTestCase()
    {
        QVERIFY(jobs.isValid());
        QList<std::pair<QString, QByteArray>> files{
            {"deck.railpin", kBarDeck},
            {"half-done.railpin", kUnreadableSection},
            {"not-json.railpin", "this is not JSON"},
            {"no-marker.railpin", R"({"name": "Bar deck", "sections": []})"},
            {"misspelt.railpin", kMisspelt},
            {"runs.railpin", kDeckOfRuns},
            {"corner-first.railpin", R"({"format": "railpin-job", "version": 4, "railpinWidth": "1 1/2",
              "maximumGap": "4", "postWidth": "3 1/2", "maxPostSpacing": "72", "sections": [],
              "runs": [{"name": "Front", "length": "207", "start": "corner"}]})"},
            {"noted.railpin", R"({"format": "railpin-job", "version": 1, "railpinWidth": "1 3/8", "maximumGap": "4",
              "sections": [{"name": "Front", "length": "11", "note": "by the door"}]})"},
            {"halfgap.railpin", R"({"format": "railpin-job", "version": 1, "railpinWidth": "1 3/8",
              "maximumGap": "4", "sections": [{"name": "Front", "length": "36", "ends": "halfgap"}]})"},
            {"no-width.railpin", R"({"format": "railpin-job", "version": 1, "maximumGap": "4",
              "sections": [{"name": "Front", "length": "36"}]})"},
            {"misspelt-unit.railpin", R"({"format": "railpin-job", "version": 1, "units": "mm",
              "railpinWidth": "35", "maximumGap": "100", "sections": [{"name": "Front", "length": "914"}]})"},
            {"quoted.railpin", "{\"format\": \"railpin-job\", \"version\": 1, \"railpinWidth\": \"1 3/8\", "
                               "\"maximumGap\": \"4\", \"sections\": ["
                               "{\"name\": \"Deck, \\\"east\\\"\", \"length\": \"36\"}, {\"name\": \"Stair\", "
                               "\"length\": \"48\", \"railpinWidth\": \"1 1/2\", "
                               "\"stair\": {\"rise\": \"7 1/2\", \"run\": \"10\"}}]}"},
        };
        // 21 sections of 10,000 railpins: over the work budget of a job.
        QByteArray overBudget =
            R"({"format": "railpin-job", "version": 1, "railpinWidth": "1 3/8", "maximumGap": "4", "sections": [)";
        for (int index = 0; index < 21; ++index)
            overBudget += QByteArray(index == 0 ? "" : ",") + R"({"length": "120000", "count": 10000})";
        files.append({"over-budget.railpin", overBudget + "]}"});
        for (const auto &[name, bytes] : files) {
            QFile file(jobs.filePath(name));
            QVERIFY(file.open(QIODevice::WriteOnly));
            QCOMPARE(file.write(bytes), bytes.size());
        }
    }

    void exitCodes_data()
    {
        QTest::addColumn<QStringList>("arguments");  // OUT: the output file; JOBS: the job files' folder
        QTest::addColumn<int>("exitCode");
        QTest::addColumn<QString>("named");  // what the one line on standard error names

        const QStringList section{"--length", "36", "--width", "1 3/8", "--max-gap", "4"};
        const QStringList pdf{"--pdf", "OUT"};
        // Written.
        QTest::newRow("level section") << pdf + section << 0 << "";
        QTest::newRow("every option") << pdf + section + QStringList{"--increment", "32", "--ends", "half",
                                                                     "--count",     "8",  "--name", "Deck",
                                                                     "--paper",     "a4"}
                                      << 0 << "";
        QTest::newRow("stair by rise and run")
            << pdf +
                   QStringList{"--length", "48", "--width", "1 1/2", "--max-gap", "4", "--rise", "7 1/2", "--run", "10"}
            << 0 << "";
        QTest::newRow("stair by angle") << pdf + section + QStringList{"--angle", "36.87"} << 0 << "";
        QTest::newRow("feet and inches") << pdf + QStringList{"--length",  "12' 3 1/2\"", "--width", "1 3/8",
                                                              "--max-gap", "4",           "--paper", "Letter"}
                                         << 0 << "";
        QTest::newRow("millimetres") << pdf + QStringList{"--unit", "mm",      "--mark-step", "0.5",       "--length",
                                                          "914",    "--width", "35",          "--max-gap", "100"}
                                     << 0 << "";
        QTest::newRow("count over the maximum is written with its warning")
            << pdf + section + QStringList{"--count", "2"} << 0 << "";
        QTest::newRow("job file") << pdf + QStringList{"JOBS/deck.railpin"} << 0 << "";
        QTest::newRow("template") << QStringList{"--template", "OUT"} + section << 0 << "";
        QTest::newRow("template of a job on A4")
            << QStringList{"--template", "OUT", "--paper", "a4", "JOBS/deck.railpin"} << 0 << "";
        QTest::newRow("template of two sections")
            << QStringList{"--template", "OUT", "--section", "Stair", "--section", "Side", "JOBS/deck.railpin"} << 0
            << "";
        QTest::newRow("svg of a job") << QStringList{"--svg", "OUT", "JOBS/deck.railpin"} << 0 << "";
        QTest::newRow("dxf") << QStringList{"--dxf", "OUT"} + section << 0 << "";
        const QStringList run{"--length", "17' 3\"", "--max-post-spacing", "6'", "--post-width", "3 1/2",
                              "--width",  "1 1/2",   "--max-gap",          "4"};
        QTest::newRow("sheet of a run") << pdf + run << 0 << "";
        QTest::newRow("sheet of a job of runs") << pdf + QStringList{"JOBS/runs.railpin"} << 0 << "";
        QTest::newRow("template of a job of runs") << QStringList{"--template", "OUT", "JOBS/runs.railpin"} << 0 << "";
        QTest::newRow("svg of a job of runs") << QStringList{"--svg", "OUT", "JOBS/runs.railpin"} << 0 << "";
        QTest::newRow("dxf of a run") << QStringList{"--dxf", "OUT"} + run + QStringList{"--start", "wall"} << 0 << "";

        // A bad option or value, or a section that cannot be laid out.
        QTest::newRow("unknown option") << pdf + section + QStringList{"--colour", "red"} << 2 << "colour";
        QTest::newRow("option without its value") << section + QStringList{"--pdf"} << 2 << "pdf";
        QTest::newRow("nothing asked") << section << 2 << "--pdf";
        QTest::newRow("pdf and marks") << pdf + section + QStringList{"--marks"} << 2 << "--marks";
        QTest::newRow("decimals without marks") << pdf + section + QStringList{"--decimals"} << 2 << "--decimals";
        QTest::newRow("unknown paper") << pdf + section + QStringList{"--paper", "b5"} << 2 << "b5";
        QTest::newRow("svg and dxf") << QStringList{"--svg", "OUT", "--dxf", "OUT"} + section << 2 << "--dxf";
        QTest::newRow("template and pdf") << pdf + QStringList{"--template", "OUT"} + section << 2 << "--template";
        QTest::newRow("csv without marks") << pdf + section + QStringList{"--csv"} << 2 << "--csv";
        QTest::newRow("section without a template")
            << pdf + QStringList{"--section", "Front", "JOBS/deck.railpin"} << 2 << "--section";
        QTest::newRow("section the job has not")
            << QStringList{"--template", "OUT", "--section", "Back", "JOBS/deck.railpin"} << 2 << "\"Back\"";
        QTest::newRow("csv with decimals")
            << section + QStringList{"--marks", "--csv", "--decimals"} << 2 << "--decimals";
        QTest::newRow("paper of a drawing") << QStringList{"--svg", "OUT", "--paper", "a4"} + section << 2 << "--paper";
        QTest::newRow("csv decimal without csv")
            << section + QStringList{"--marks", "--csv-decimal", "comma"} << 2 << "--csv-decimal";
        QTest::newRow("csv decimal of a word")
            << section + QStringList{"--marks", "--csv", "--csv-decimal", "dot"} << 2 << "dot";
        QTest::newRow("template over 500 pages")
            << QStringList{"--template", "OUT", "--length", "6000", "--width", "1", "--max-gap", "4"} << 2 << "500";
        QTest::newRow("drawing over the job file")
            << QStringList{"--dxf", "JOBS/deck.railpin", "JOBS/deck.railpin"} << 2 << "deck.railpin";
        QTest::newRow("drawing to a missing folder")
            << QStringList{"--svg", "OUT/missing/deck.svg"} + section << 1 << "deck.svg";
        QTest::newRow("length missing") << pdf + QStringList{"--width", "1 3/8", "--max-gap", "4"} << 2 << "--length";
        QTest::newRow("unreadable length")
            << pdf + QStringList{"--length", "abc", "--width", "1 3/8", "--max-gap", "4"} << 2 << "abc";
        QTest::newRow("zero width") << pdf + QStringList{"--length", "36", "--width", "0", "--max-gap", "4"} << 2
                                    << "width";
        QTest::newRow("increment of 5") << pdf + section + QStringList{"--increment", "5"} << 2 << "--increment";
        QTest::newRow("ends in the middle") << pdf + section + QStringList{"--ends", "middle"} << 2 << "middle";
        QTest::newRow("count of none") << pdf + QStringList{"--length",  "3", "--width", "1",
                                                            "--max-gap", "4", "--count", "0"}
                                       << 0 << "";
        QTest::newRow("limit on stairs") << pdf + section +
                                                QStringList{"--rise", "7", "--run", "11", "--max-gap-stairs", "4 3/8"}
                                         << 0 << "";
        QTest::newRow("limit on stairs unreadable")
            << pdf + section + QStringList{"--max-gap-stairs", "wide"} << 2 << "--max-gap-stairs";
        QTest::newRow("builders' spelling")
            << pdf + QStringList{"--length", "36 in", "--width", "1-3/8", "--max-gap", "4in"} << 0 << "";
        QTest::newRow("count in words") << pdf + section + QStringList{"--count", "six"} << 2 << "six";
        QTest::newRow("balanced layout") << pdf + section + QStringList{"--design-gap", "3 1/2", "--spacing", "same",
                                                                        "--centre",     "gap",   "--between", "centres",
                                                                        "--post-width", "3 1/2"}
                                         << 0 << "";
        QTest::newRow("same spacing without a design gap")
            << pdf + section + QStringList{"--spacing", "same"} << 2 << "--spacing same needs --design-gap";
        QTest::newRow("design gap over the limit") << pdf + section + QStringList{"--design-gap", "4 1/8"} << 2
                                                   << "design gap 4 1/8 is more than the maximum gap of 4";
        QTest::newRow("same spacing with half ends")
            << pdf + section + QStringList{"--spacing", "same", "--design-gap", "3", "--ends", "half"} << 2
            << "--ends half";
        QTest::newRow("post width without centres") << pdf + section + QStringList{"--post-width", "3 1/2"} << 2
                                                    << "--post-width is used with --between centres";
        QTest::newRow("centres without a post width")
            << pdf + section + QStringList{"--between", "centres"} << 2 << "--between centres needs --post-width";
        QTest::newRow("marks from an unknown reference")
            << pdf + section + QStringList{"--between", "centres", "--post-width", "3 1/2", "--marks-from", "middle"}
            << 2 << "--marks-from \"middle\": marks are from the post faces or the post centres";
        QTest::newRow("marks from centres between faces") << pdf + section + QStringList{"--marks-from", "centres"} << 2
                                                          << "--marks-from is used with --between centres";
        QTest::newRow("marks from centres")
            << pdf + section + QStringList{"--between", "centres", "--post-width", "3 1/2", "--marks-from", "centres"}
            << 0 << "";
        QTest::newRow("unknown centre") << pdf + section + QStringList{"--centre", "middle"} << 2 << "middle";
        QTest::newRow("same spacing, no count fits")
            << pdf + QStringList{"--length",     "96",    "--width",   "1 1/2", "--max-gap", "4",
                                 "--design-gap", "3 1/2", "--spacing", "same",  "--centre",  "gap"}
            << 2 << "no count keeps both end gaps within 4 in with a gap at mid-span";
        QTest::newRow("balanced option with a job file")
            << pdf + QStringList{"JOBS/deck.railpin", "--centre", "railpin"} << 2 << "--centre";
        QTest::newRow("rise without run") << pdf + section + QStringList{"--rise", "7"} << 2 << "--run";
        QTest::newRow("rise, run and angle")
            << pdf + section + QStringList{"--rise", "7", "--run", "10", "--angle", "30"} << 2 << "--angle";
        QTest::newRow("angle not a number") << pdf + section + QStringList{"--angle", "steep"} << 2 << "steep";
        QTest::newRow("slope of 60 degrees") << pdf + section + QStringList{"--angle", "60"} << 2 << "60";
        QTest::newRow("over the work budget") << pdf + QStringList{"JOBS/over-budget.railpin"} << 2 << "200000";
        QTest::newRow("marks over the work budget")
            << QStringList{"--marks", "JOBS/over-budget.railpin"} << 2 << "210000 railpins";
        QTest::newRow("railpin wider than a section that needs one")
            << pdf + QStringList{"--length", "5", "--width", "6", "--max-gap", "4"} << 2 << "";
        QTest::newRow("unknown unit") << pdf + section + QStringList{"--unit", "ft"} << 2 << "ft";
        // A second value would silently win over the first.
        QTest::newRow("width given twice")
            << pdf + section + QStringList{"--width", "2"} << 2 << "--width is given more than once";
        QTest::newRow("output given twice")
            << pdf + section + QStringList{"--pdf", "OUT"} << 2 << "--pdf is given more than once";
        QTest::newRow("name given twice, same value")
            << QStringList{"--svg", "OUT", "--name", "A", "--name", "A"} + section << 2 << "--name";
        QTest::newRow("fraction in millimetres")
            << pdf + QStringList{"--unit", "mm", "--length", "914", "--width", "1 3/8", "--max-gap", "100"} << 2
            << "--width";
        QTest::newRow("mark step for inches")
            << pdf + section + QStringList{"--mark-step", "0.5"} << 2 << "--mark-step";
        QTest::newRow("mark step of a quarter")
            << pdf + QStringList{"--unit", "mm",      "--mark-step", "0.25",      "--length",
                                 "914",    "--width", "35",          "--max-gap", "100"}
            << 2 << "0.25";
        QTest::newRow("section options with a job file")
            << pdf + QStringList{"JOBS/deck.railpin", "--length", "36"} << 2 << "--length";
        QTest::newRow("two job files") << pdf + QStringList{"JOBS/deck.railpin", "JOBS/deck.railpin"} << 2
                                       << "deck.railpin";
        QTest::newRow("output over the job file")
            << QStringList{"--pdf", "JOBS/deck.railpin", "JOBS/deck.railpin"} << 2 << "deck.railpin";
        QTest::newRow("job with a section that cannot be laid out")
            << pdf + QStringList{"JOBS/half-done.railpin"} << 2 << "section 2 \"Back\"";
        QTest::newRow("misspelt field")
            << pdf + QStringList{"JOBS/misspelt.railpin"} << 2
            << "misspelt.railpin: section 1 \"S\": unknown field \"stiar\" (did you mean \"stair\"?)";
        QTest::newRow("misspelt field of the job")
            << pdf + QStringList{"JOBS/misspelt-unit.railpin"} << 2
            << "misspelt-unit.railpin: unknown field \"units\" (did you mean \"unit\"?)";
        QTest::newRow("a value no job can have")
            << pdf + QStringList{"JOBS/halfgap.railpin"} << 2 << "section 1, \"ends\": must be \"full\" or \"half\"";
        QTest::newRow("job without a width")
            << pdf + QStringList{"JOBS/no-width.railpin"} << 2 << "railpin width is missing";

        // The order list's settings.
        QTest::newRow("rail stock that is not lengths") << pdf + section + QStringList{"--rail-stock", "8 ft, ten"} << 2
                                                        << "the rail stock \"8 ft, ten\" is not a list of lengths";
        QTest::newRow("negative kerf") << pdf + section + QStringList{"--kerf", "-1/8"} << 2
                                       << "the kerf \"-1/8\" is less than 0";
        QTest::newRow("five rail rows") << pdf + section + QStringList{"--rail-rows", "5"} << 2 << "--rail-rows";
        QTest::newRow("order option without a list")
            << QStringList{"--svg", "OUT"} + section + QStringList{"--rail-rows", "3"} << 2
            << "--rail-rows is used with --order or --pdf";

        // A job file that cannot be read, an output that cannot be written.
        QTest::newRow("missing job file") << pdf + QStringList{"JOBS/missing.railpin"} << 1 << "missing.railpin";
        QTest::newRow("job file not JSON") << pdf + QStringList{"JOBS/not-json.railpin"} << 1 << "not-json.railpin";
        QTest::newRow("run between centres") << pdf + run + QStringList{"--between", "centres"} << 2 << "--between";
        QTest::newRow("run with a count") << pdf + run + QStringList{"--count", "12"} << 2 << "--count";
        QTest::newRow("run on a stair") << pdf + run + QStringList{"--angle", "30"} << 2 << "--max-post-spacing";
        QTest::newRow("run without post width")
            << pdf + QStringList{"--length", "207", "--max-post-spacing", "72", "--width", "1 1/2", "--max-gap", "4"}
            << 2 << "--post-width";
        QTest::newRow("start without a run") << pdf + section + QStringList{"--start", "wall"} << 2 << "--start";
        QTest::newRow("end at a corner") << pdf + run + QStringList{"--end", "corner"} << 2 << "--end \"corner\"";
        QTest::newRow("start at a corner") << pdf + run + QStringList{"--start", "corner"} << 2 << "--start \"corner\"";
        QTest::newRow("spacing unreadable")
            << pdf + QStringList{"--length", "207",   "--max-post-spacing", "6 ft", "--post-width", "3 1/2",
                                 "--width",  "1 1/2", "--max-gap",          "4"}
            << 2 << "--max-post-spacing";
        QTest::newRow("spacing with a job file")
            << pdf + QStringList{"--max-post-spacing", "72", "JOBS/runs.railpin"} << 2 << "--max-post-spacing";
        const auto refusedRun = [&pdf](const QString &length, const QString &spacing) {
            return pdf + QStringList{"--length", length,  "--max-post-spacing", spacing, "--post-width", "3 1/2",
                                     "--width",  "1 1/2", "--max-gap",          "4",     "--name",       "Front"};
        };
        QTest::newRow("run: spacing not more than the post")
            << refusedRun("207", "3 1/2") << 2
            << "run 1 \"Front\": the maximum post spacing of 3 1/2 must be more than the post width of 3 1/2";
        QTest::newRow("run: too short for its posts")
            << refusedRun("3", "72") << 2 << "run 1 \"Front\": posts 3 1/2 wide leave no clear span in a run of 3";
        QTest::newRow("run: more bays than a job holds")
            << refusedRun("100000", "72") << 2
            << "run 1 \"Front\": a run of 100000 with posts at most 72 apart needs 1389 bays; a job holds at most "
               "1,000 sections";
        QTest::newRow("run: length of 0") << refusedRun("0", "72") << 2 << "run 1 \"Front\": length \"0\"";
        QTest::newRow("job file whose first run starts at a corner")
            << pdf + QStringList{"JOBS/corner-first.railpin"} << 2
            << "corner-first.railpin: run 1 \"Front\": the first run cannot start at a corner";
        QTest::newRow("job file without its marker")
            << pdf + QStringList{"JOBS/no-marker.railpin"} << 1 << "no-marker.railpin";
        QTest::newRow("output folder missing")
            << QStringList{"--pdf", "OUT/missing/deck.pdf"} + section << 1 << "deck.pdf";
        QTest::newRow("output is a folder")
            << QStringList{"--pdf", "JOBS"} + section << 1 << QDir::toNativeSeparators(jobs.path());
    }

    void exitCodes()
    {
        QFETCH(QStringList, arguments);
        QFETCH(int, exitCode);
        QFETCH(QString, named);
        QTemporaryDir folder;
        const QString out = folder.filePath(QStringLiteral("sheet.pdf"));
        for (QString &argument : arguments)
            argument = placed(argument, out);
        const QStringList jobsBefore = filesIn(jobs.path());

        const Outcome outcome = runCommandLine(arguments);
        QCOMPARE(outcome.exitCode, exitCode);
        QVERIFY(outcome.out.isEmpty());
        if (exitCode == 0) {
            // A written output may come with warnings, each a line of its own.
            for (const QString &line : outcome.err.split(u'\n', Qt::SkipEmptyParts))
                QVERIFY2(line.startsWith(QStringLiteral("railpin: warning: ")), qPrintable(line));
            QCOMPARE(filesIn(folder.path()), QStringList{"sheet.pdf"});
            QFile written(out);
            QVERIFY(written.open(QIODevice::ReadOnly));
            // Each output begins as its format says.
            const QByteArray start = arguments.contains(QStringLiteral("--svg"))   ? QByteArray("<?xml")
                                     : arguments.contains(QStringLiteral("--dxf")) ? QByteArray("  0\r\nSECTION")
                                                                                   : QByteArray("%PDF-");
            QVERIFY(written.readAll().startsWith(start));
        } else {
            QCOMPARE(outcome.err.count(u'\n'), 1);
            QVERIFY2(outcome.err.startsWith(QStringLiteral("railpin: ")), qPrintable(outcome.err));
            QVERIFY2(outcome.err.contains(named), qPrintable(outcome.err));
            QCOMPARE(filesIn(folder.path()), QStringList());
        }
        QCOMPARE(filesIn(jobs.path()), jobsBefore);
    }

    // A failure leaves a file already at the output as it was.
    void failureKeepsAnExistingFile_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::newRow("bad value") << QStringList{"--length", "abc", "--width", "1 3/8", "--max-gap", "4"};
        QTest::newRow("unlayable job") << QStringList{"JOBS/half-done.railpin"};
        QTest::newRow("unreadable job") << QStringList{"JOBS/not-json.railpin"};
    }

    void failureKeepsAnExistingFile()
    {
        QFETCH(QStringList, arguments);
        QTemporaryDir folder;
        const QString out = folder.filePath(QStringLiteral("sheet.pdf"));
        QFile existing(out);
        QVERIFY(existing.open(QIODevice::WriteOnly));
        existing.write("yesterday's sheet");
        existing.close();
        for (QString &argument : arguments)
            argument = placed(argument, out);

        QVERIFY(runCommandLine(QStringList{"--pdf", out} + arguments).exitCode != 0);
        QVERIFY(existing.open(QIODevice::ReadOnly));
        QCOMPARE(existing.readAll(), QByteArray("yesterday's sheet"));
        QCOMPARE(filesIn(folder.path()), QStringList{"sheet.pdf"});
    }

    void marks_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<QString>("expected");  // the output, or its first lines
        QTest::addColumn<int>("lines");
        QTest::newRow("level, fractions") << QStringList{"--length", "36", "--width", "1 3/8", "--max-gap", "4"}
                                          << "Railpin\tLeft edge\tCentre\tRight edge\tCentre from right post\n"
                                             "1\t3 15/16\t4 5/8\t5 5/16\t31 3/8\n"
                                             "2\t9 5/16\t10\t10 11/16\t26\n"
                                             "3\t14 5/8\t15 5/16\t16\t20 11/16\n"
                                             "4\t20\t20 11/16\t21 3/8\t15 5/16\n"
                                             "5\t25 5/16\t26\t26 11/16\t10\n"
                                             "6\t30 11/16\t31 3/8\t32 1/16\t4 5/8\n"
                                          << 7;
        QTest::newRow("level, decimals") << QStringList{"--length", "36",      "--width", "1 3/8",     "--max-gap",
                                                        "20",       "--count", "1",       "--decimals"}
                                         << "Railpin\tLeft edge\tCentre\tRight edge\tCentre from right post\n"
                                            "1\t17.3125\t18\t18.6875\t18\n"
                                         << 2;
        QTest::newRow("no railpins needed") << QStringList{"--length", "3 1/2", "--width", "1 3/8", "--max-gap", "4"}
                                            << "Railpin\tLeft edge\tCentre\tRight edge\tCentre from right post\n"
                                            << 1;
        QTest::newRow("a count of 0") << QStringList{"--length", "2", "--width", "1", "--max-gap", "4", "--count", "0"}
                                      << "Railpin\tLeft edge\tCentre\tRight edge\tCentre from right post\n"
                                      << 1;
        // Along the rail; several marks lie exactly halfway between sixteenths
        // (10.59375) and go to the lower one.
        QTest::newRow("stair, along the rail")
            << QStringList{"--length", "48", "--width", "1 1/2", "--max-gap", "4", "--rise", "7 1/2", "--run", "10"}
            << "Along the rail\t\n"
               "Railpin\tLeft edge\tCentre\tRight edge\tCentre from right post\n"
               "1\t4 3/8\t5 5/16\t6 1/4\t42 11/16\n"
               "2\t10 9/16\t11 1/2\t12 7/16\t36 7/16\n"
               "3\t16 13/16\t17 3/4\t18 11/16\t30 1/4\n"
               "4\t23 1/16\t24\t24 15/16\t24\n"
               "5\t29 5/16\t30 1/4\t31 3/16\t17 3/4\n"
               "6\t35 1/2\t36 7/16\t37 3/8\t11 1/2\n"
               "7\t41 3/4\t42 11/16\t43 5/8\t5 5/16\n"
            << 9;
        QTest::newRow("millimetres")
            << QStringList{"--unit", "mm", "--length", "914", "--width", "35", "--max-gap", "100"}
            << "Railpin\tLeft edge (mm)\tCentre (mm)\tRight edge (mm)\tCentre from right post (mm)\n"
               "1\t84\t101\t119\t813\n"
               "2\t202\t220\t237\t694\n"
               "3\t321\t338\t356\t576\n"
               "4\t439\t457\t474\t457\n"
               "5\t558\t576\t593\t338\n"
               "6\t677\t694\t712\t220\n"
               "7\t795\t813\t830\t101\n"
            << 8;
        // A gap of 9 5/6 mm: railpin 15's right edge is 432.5 mm exactly, and
        // every mark halfway between two millimetres goes to the lower one.
        QTest::newRow("millimetres, halfway marks")
            << QStringList{"--unit", "mm", "--length", "500", "--width", "19", "--count", "17", "--max-gap", "100"}
            << "Railpin\tLeft edge (mm)\tCentre (mm)\tRight edge (mm)\tCentre from right post (mm)\n"
               "1\t10\t19\t29\t481\n2\t39\t48\t58\t452\n3\t67\t77\t86\t423\n4\t96\t106\t115\t394\n"
               "5\t125\t135\t144\t365\n6\t154\t163\t173\t336\n7\t183\t192\t202\t308\n"
               "8\t212\t221\t231\t279\n9\t240\t250\t259\t250\n10\t269\t279\t288\t221\n"
               "11\t298\t308\t317\t192\n12\t327\t336\t346\t163\n13\t356\t365\t375\t135\n"
               "14\t385\t394\t404\t106\n15\t413\t423\t432\t77\n16\t442\t452\t461\t48\n"
               "17\t471\t481\t490\t19\n"
            << 18;
        QTest::newRow("millimetres to the half")
            << QStringList{"--unit",  "mm", "--mark-step", "0.5", "--length", "914",
                           "--width", "35", "--max-gap",   "500", "--count",  "1"}
            << "Railpin\tLeft edge (mm)\tCentre (mm)\tRight edge (mm)\tCentre from right post (mm)\n"
               "1\t439.5\t457\t474.5\t457\n"
            << 2;
        // Comma-separated: exact decimals, then the marks as fractions; a
        // name with a comma or quotes is quoted.
        QTest::newRow("csv, inches")
            << QStringList{"--csv", "JOBS/quoted.railpin"}
            << "Section,Railpin,Left edge (in),Centre (in),Right edge (in),Centre from right post (in),"
               "\"Left edge, fraction\",\"Centre, fraction\",\"Right edge, fraction\","
               "\"Centre from right post, fraction\",From mid-span (in),Measured\r\n"
               "\"Deck, \"\"east\"\"\",1,3.964286,4.651786,5.339286,31.348214,3 15\u204416,4 5\u20448,5 5\u204416,31 "
               "3\u20448,-13.348214,level\r\n"
            << 21;
        // Where numbers take a decimal comma a spreadsheet reads ";" between
        // fields; a field that holds a ";" is quoted, one with a "," is not.
        // Every heading after the first is quoted: before a quote Gnumeric finds the ";".
        QTest::newRow("csv, decimal comma")
            << QStringList{"--csv", "--csv-decimal", "comma", "JOBS/quoted.railpin"}
            << "Section;\"Railpin\";\"Left edge (in)\";\"Centre (in)\";\"Right edge (in)\";"
               "\"Centre from right post (in)\";\"Left edge, fraction\";\"Centre, fraction\";\"Right edge, fraction\";"
               "\"Centre from right post, fraction\";\"From mid-span (in)\";\"Measured\"\r\n"
               "\"Deck, \"\"east\"\"\";1;3,964286;4,651786;5,339286;31,348214;3 15\u204416;4 5\u20448;5 5\u204416;31 "
               "3\u20448;-13,348214;level\r\n"
            << 21;
        QTest::newRow("csv, decimal point asked for")
            << QStringList{"--csv", "--csv-decimal", "point", "--unit",    "mm", "--length",
                           "914",   "--width",       "35",    "--max-gap", "100"}
            << "Section,Railpin,Left edge (mm),Centre (mm),Right edge (mm),Centre from right post (mm),"
               "From mid-span (mm),Measured\r\n"
               ",1,83.625,101.125,118.625,812.875,-355.875,level\r\n"
            << 8;
        // --name names the one section too, so that its rows say whose they are.
        QTest::newRow("csv, stair along the rail")
            << QStringList{"--csv",  "--length", "48",    "--width", "1 1/2",  "--max-gap", "4",
                           "--rise", "7 1/2",    "--run", "10",      "--name", "Stair"}
            << "Section,Railpin,Left edge (in),Centre (in),Right edge (in),Centre from right post (in),"
               "\"Left edge, fraction\",\"Centre, fraction\",\"Right edge, fraction\","
               "\"Centre from right post, fraction\",From mid-span (in),Measured\r\n"
               "Stair,1,4.359375,5.296875,6.234375,42.703125,4 3\u20448,5 5\u204416,6 1\u20444,42 "
               "11\u204416,-18.703125,along the rail\r\n"
            << 15;
        QTest::newRow("csv, millimetres")
            << QStringList{"--csv", "--unit", "mm", "--length", "914", "--width", "35", "--max-gap", "100"}
            << "Section,Railpin,Left edge (mm),Centre (mm),Right edge (mm),Centre from right post (mm),"
               "From mid-span (mm),Measured\r\n"
               ",1,83.625,101.125,118.625,812.875,-355.875,level\r\n"
            << 8;
        QTest::newRow("csv, between post centres")
            << QStringList{"--csv", "--length",  "72",      "--width",      "1 1/2", "--max-gap",
                           "4",     "--between", "centres", "--post-width", "3 1/2"}
            << "Section,Railpin,Left edge (in),Centre (in),Right edge (in),Centre from right post (in),"
               "\"Left edge, fraction\",\"Centre, fraction\",\"Right edge, fraction\","
               "\"Centre from right post, fraction\",From mid-span (in),Measured,Marks from\r\n"
               ",1,3.884615,4.634615,5.384615,63.865385,3 7\u20448,4 5\u20448,5 3\u20448,63 "
               "7\u20448,-29.615385,level,post faces\r\n"
            << 13;
        // The worked example: 3 1/2 in posts, marks from their centres are
        // each 1 3/4 in further than from their faces, from either end.
        QTest::newRow("csv, marks from post centres")
            << QStringList{"--csv",     "--length", "72",           "--width", "1 1/2",        "--max-gap", "4",
                           "--between", "centres",  "--post-width", "3 1/2",   "--marks-from", "centres"}
            << "Section,Railpin,Left edge (in),Centre (in),Right edge (in),Centre from right post (in),"
               "\"Left edge, fraction\",\"Centre, fraction\",\"Right edge, fraction\","
               "\"Centre from right post, fraction\",From mid-span (in),Measured,Marks from\r\n"
               ",1,5.634615,6.384615,7.134615,65.615385,5 5\u20448,6 3\u20448,7 1\u20448,65 "
               "5\u20448,-29.615385,level,post centres\r\n"
            << 13;
        QTest::newRow("between post centres, marks from faces")
            << QStringList{"--length",  "72",      "--width",      "1 1/2", "--max-gap",    "4",
                           "--between", "centres", "--post-width", "3 1/2", "--marks-from", "faces"}
            << "Marks from\tpost faces\n"
               "Railpin\tLeft edge\tCentre\tRight edge\tCentre from right post\n"
               "1\t3 7/8\t4 5/8\t5 3/8\t63 7/8\n"
            << 14;
        QTest::newRow("between post centres, marks from centres")
            << QStringList{"--length",  "72",      "--width",      "1 1/2", "--max-gap",    "4",
                           "--between", "centres", "--post-width", "3 1/2", "--marks-from", "centres"}
            << "Marks from\tpost centres\n"
               "Railpin\tLeft edge\tCentre\tRight edge\tCentre from right post\n"
               "1\t5 5/8\t6 3/8\t7 1/8\t65 5/8\n"
            << 14;
        QTest::newRow("stair between post centres, marks from centres")
            << QStringList{"--length", "48", "--width",   "1 1/2",   "--max-gap",    "4",     "--rise",       "7 1/2",
                           "--run",    "10", "--between", "centres", "--post-width", "3 1/2", "--marks-from", "centres"}
            << "Along the rail\t\n"
               "Marks from\tpost centres\n"
               "Railpin\tLeft edge\tCentre\tRight edge\tCentre from right post\n"
            << 9;
        // The tab-separated marks keep their five columns in every layout.
        QTest::newRow("same spacing, railpin at mid-span")
            << QStringList{"--length",     "72 1/2", "--width",   "1 1/2", "--max-gap", "4",
                           "--design-gap", "3 1/2",  "--spacing", "same",  "--centre",  "railpin"}
            << "Railpin\tLeft edge\tCentre\tRight edge\tCentre from right post\n"
               "1\t1/2\t1 1/4\t2\t71 1/4\n"
               "2\t5 1/2\t6 1/4\t7\t66 1/4\n"
            << 16;
    }

    void marks()
    {
        QFETCH(QStringList, arguments);
        QFETCH(QString, expected);
        QFETCH(int, lines);
        for (QString &argument : arguments)
            argument = placed(argument, QString());
        const Outcome outcome = runCommandLine(QStringList{"--marks"} + arguments);
        QCOMPARE(outcome.err, QString());
        QCOMPARE(outcome.exitCode, 0);
        QCOMPARE(outcome.out.left(expected.size()), expected);
        QCOMPARE(outcome.out.count(u'\n'), lines);
    }

    // Every output warns alike: the warning goes to standard error and the
    // output is written. A field of the file that is not used is named there
    // too.
    void everyOutputWarns_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<QString>("warning");
        QTest::addColumn<int>("lines");  // of the marks
        const QStringList overMaximum{"--length", "36", "--width", "1 3/8", "--max-gap", "4", "--count", "2"};
        const QStringList otherParity{"--length", "36",      "--width", "1 3/8",    "--max-gap",
                                      "4",        "--count", "6",       "--centre", "railpin"};
        const QList<std::pair<const char *, QStringList>> outputs{
            {"marks", {"--marks"}},      {"csv", {"--marks", "--csv"}},
            {"sheet", {"--pdf", "OUT"}}, {"template", {"--template", "OUT"}},
            {"svg", {"--svg", "OUT"}},   {"dxf", {"--dxf", "OUT"}}};
        for (const auto &[output, options] : outputs) {
            const bool marks = options.contains(QStringLiteral("--marks"));
            const bool csv = options.contains(QStringLiteral("--csv"));
            QTest::addRow("count over the maximum, %s", output)
                << options + overMaximum << "wider than the maximum gap" << (marks ? 3 : 0);
            QTest::addRow("count of the other parity, %s", output)
                << options + otherParity << "6 railpins do not put a railpin at mid-span" << (marks ? 7 : 0);
            QTest::addRow("unused field of a job file, %s", output)
                << options + QStringList{"JOBS/noted.railpin"}
                << "noted.railpin: section 1 \"Front\": unknown field \"note\" is kept but not used"
                << (csv     ? 3
                    : marks ? 5
                            : 0);
        }
    }
    void everyOutputWarns()
    {
        QFETCH(QStringList, arguments);
        QFETCH(QString, warning);
        QFETCH(int, lines);
        QTemporaryDir folder;
        const QString file = folder.filePath(QStringLiteral("sheet.pdf"));
        for (QString &argument : arguments)
            argument = placed(argument, file);
        const Outcome outcome = runCommandLine(arguments);
        QCOMPARE(outcome.exitCode, 0);
        QCOMPARE(outcome.out.count(u'\n'), lines);
        QCOMPARE(QFileInfo(file).size() > 0, lines == 0);
        QCOMPARE(outcome.err.count(u'\n'), 1);
        QVERIFY2(outcome.err.startsWith(QStringLiteral("railpin: warning: ")), qPrintable(outcome.err));
        QVERIFY2(outcome.err.contains(warning), qPrintable(outcome.err));
    }

    // A stair's CSV gives its railpins along the rail, then level (at 7 1/2 :
    // 10 a level mark is 0.8 of the one along the rail), each row saying which.
    void csvStairBothWays()
    {
        const Outcome outcome = runCommandLine({"--marks", "--csv", "--length", "48", "--width", "1 1/2", "--max-gap",
                                                "4", "--rise", "7 1/2", "--run", "10", "--name", "Stair"});
        QCOMPARE(outcome.exitCode, 0);
        const QStringList lines = outcome.out.split(QStringLiteral("\r\n"));
        QCOMPARE(lines.size(), 16);  // the heading, 7 rows along the rail, 7 level, and the end
        QVERIFY(lines[7].startsWith(QStringLiteral("Stair,7,")) &&
                lines[7].endsWith(QStringLiteral(",along the rail")));
        QCOMPARE(lines[8],
                 QStringLiteral("Stair,1,3.487500,4.237500,4.987500,34.162500,3 1\u20442,4 1\u20444,5,34 3\u204416,"
                                "-14.962500,level"));
    }

    void marksOfAJob()
    {
        const Outcome outcome = runCommandLine({QStringLiteral("--marks"), jobs.filePath("deck.railpin")});
        QCOMPARE(outcome.exitCode, 0);
        const QStringList blocks = outcome.out.split(QStringLiteral("\n\n"));
        QCOMPARE(blocks.size(), 4);  // three sections, each ending in a blank line
        QCOMPARE(blocks[3], QString());
        const QString heading = QStringLiteral("Railpin\tLeft edge\tCentre\tRight edge\tCentre from right post");
        const QStringList names{"Front", "Stair", "Side"};
        const QList<int> counts{6, 7, 7};
        for (int index = 0; index < 3; ++index) {
            QStringList lines = blocks[index].split(u'\n');
            QCOMPARE(lines.takeFirst(), QStringLiteral("Section\t") + names[index]);
            // Only the stair's marks are along the rail, and it says so.
            if (names[index] == u"Stair")
                QCOMPARE(lines.takeFirst(), QStringLiteral("Along the rail\tStair"));
            QCOMPARE(lines[0], heading);
            QCOMPARE(lines.size(), counts[index] + 1);
        }
        QVERIFY(blocks[0].contains(QStringLiteral("\n1\t3 15/16\t4 5/8\t5 5/16\t31 3/8\n")));
        QVERIFY(blocks[2].contains(QStringLiteral("\n1\t1 7/8\t2 9/16\t3 1/4\t33 7/16")));
    }

    // The cut and order list: the heading, then boards, pieces, railpins,
    // posts when the job has runs, and screws. Problems go to standard error
    // and the list is still written.
    void orderList_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<QString>("expected");
        QTest::addColumn<QString>("warning");
        const QString heading = QStringLiteral("Item\tLength\tCount\tWith extra\tStock\tBuy\n");
        QTest::newRow("a bay, railpins cut from stock")
            << QStringList{"--order", "--length",         "65 1/2", "--width",         "1 1/2", "--max-gap",
                           "4",       "--railpin-length", "32",     "--railpin-stock", "36"}
            << heading + "Rail board\t144\t1\t\t144\t1\n"
                         "Rail piece\t65 1/2\t2\t\t144\t\n"
                         "Railpin\t32\t12\t14\t36\t14\n"
                         "Screw\t\t56\t62\t\t62\n"
            << "";
        QTest::newRow("millimetres, railpins without a length")
            << QStringList{"--order", "--unit", "mm", "--length", "1710", "--width", "41", "--max-gap", "99"}
            << heading + "Rail board\t3600\t1\t\t3600\t1\n"
                         "Rail piece\t1710\t2\t\t3600\t\n"
                         "Railpin\t\t12\t14\t\t14\n"
                         "Screw\t\t56\t62\t\t62\n"
            << "";
        QTest::newRow("spreadsheet")
            << QStringList{"--order", "--csv",     "--length", "65 1/2",      "--width",
                           "1 1/2",   "--max-gap", "4",        "--rail-rows", "1"}
            << "Item,Length (in),Count,With extra,Stock (in),Buy,\"Length, fraction\",\"Stock, fraction\"\r\n"
               "Rail board,96.000000,1,,96.000000,1,96,96\r\n"
               "Rail piece,65.500000,1,,96.000000,,65 1\u20442,96\r\n"
               "Railpin,,12,14,,14,,\r\n"
               "Screw,,52,58,,58,,\r\n"
            << "";
        QTest::newRow("a stair's rail with its plumb cuts")
            << QStringList{"--order", "--length", "48",    "--width", "1 1/2",        "--max-gap", "4",
                           "--rise",  "7 1/2",    "--run", "10",      "--rail-depth", "3 1/2"}
            << heading + "Rail board\t120\t1\t\t120\t1\n"
                         "Rail piece\t50 5/8\t2\t\t120\t\n"
                         "Railpin\t\t7\t8\t\t8\n"
                         "Screw\t\t36\t40\t\t40\n"
            << "";
        QTest::newRow("a stair by its treads: railpins by cut length, its rail measured on site")
            << QStringList{"--order", "--treads",     "2",         "--rise",      "7 1/2",    "--run",  "10",
                           "--width", "3/4",          "--max-gap", "4",           "--nosing", "1",      "--rail-height",
                           "36",      "--rail-depth", "2",         "--increment", "32",       "--name", "Stair"}
            << heading + "Railpin\t39 13/16\t2\t3\t\t3\n"
                         "Railpin\t37 5/16\t2\t3\t\t3\n"
                         "Railpin\t34 13/16\t2\t3\t\t3\n"
                         "Screw\t\t24\t27\t\t27\n"
            << "railpin: note: Stair: measure the rail between the newels\n";
        QTest::newRow("a rail longer than any stock")
            << QStringList{"--order", "--length", "197", "--width", "1 1/2", "--max-gap", "4", "--rail-rows", "1"}
            << heading + "Railpin\t\t36\t40\t\t40\n"
                         "Screw\t\t148\t163\t\t163\n"
            << "railpin: warning: Section 1 row 1: its rail of 197 is longer than the longest stock (192); put a "
               "post under it\n";
    }

    void orderList()
    {
        QFETCH(QStringList, arguments);
        QFETCH(QString, expected);
        QFETCH(QString, warning);
        const Outcome outcome = runCommandLine(arguments);
        QCOMPARE(outcome.err, warning);
        QCOMPARE(outcome.exitCode, 0);
        QCOMPARE(outcome.out, expected);
    }

    // The worked examples of runs through --marks: the post table, then each bay as a section.
    void runMarks_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<QString>("posts");  // the post table, with its heading and blank line
        QTest::addColumn<int>("bays");
        QTest::addColumn<QString>("firstBay");  // its first lines

        const auto run = [](const QString &length, const QString &spacing, const QStringList &more = {}) {
            return QStringList{"--length", length,  "--max-post-spacing", spacing, "--post-width", "3 1/2",
                               "--width",  "1 1/2", "--max-gap",          "4",     "--name",       "Front"} +
                   more;
        };
        const QString heading = QStringLiteral("Post\tCentre\tLeft face\tRight face\n");
        QTest::newRow("17' 3\" at 6'")
            << run("17' 3\"", "6'")
            << heading + "1\t0\t-1 3/4\t1 3/4\n2\t69\t67 1/4\t70 3/4\n3\t138\t136 1/4\t139 3/4\n"
                         "4\t207\t205 1/4\t208 3/4\n\n"
            << 3
            << "Section\tFront 1\nRailpin\tLeft edge\tCentre\tRight edge\tCentre from right post\n"
               "1\t3 5/8\t4 3/8\t5 1/8\t61 1/8\n";
        QTest::newRow("56' at 8': 8 posts") << run("56'", "96") << heading + "1\t0\t-1 3/4\t1 3/4\n"
                                            << 7 << "Section\tFront 1\n";
        QTest::newRow("100' at 8': 14 posts")
            << run("1200", "8'") << heading + "1\t0\t-1 3/4\t1 3/4\n2\t92 5/16\t90 9/16\t94 1/16\n"
            << 13 << "Section\tFront 1\n";
        QTest::newRow("wall to post") << run("12'", "72", {"--start", "wall"})
                                      << heading + "1\t72\t70 1/4\t73 3/4\n2\t144\t142 1/4\t145 3/4\n\n"
                                      << 2 << "Section\tFront 1\n";
        QTest::newRow("one bay between walls")
            << run("60", "72", {"--start", "wall", "--end", "wall"}) << heading + "\n"
            << 1
            << "Section\tFront 1\nRailpin\tLeft edge\tCentre\tRight edge\tCentre from right post\n"
               "1\t3 5/8\t4 3/8\t5 1/8\t55 5/8\n";
        QTest::newRow("decimals") << run("17' 3\"", "6'", {"--decimals"})
                                  << heading + "1\t0\t-1.75\t1.75\n2\t69\t67.25\t70.75\n"
                                  << 3 << "Section\tFront 1\n";
        QTest::newRow("millimetres, 0.5 mm marks")
            << QStringList{"--unit",
                           "mm",
                           "--mark-step",
                           "0.5",
                           "--length",
                           "4100",
                           "--max-post-spacing",
                           "1800",
                           "--post-width",
                           "90",
                           "--width",
                           "35",
                           "--max-gap",
                           "100"}
            << "Post\tCentre (mm)\tLeft face (mm)\tRight face (mm)\n1\t0\t-45\t45\n2\t1366.5\t1321.5\t1411.5\n"
               "3\t2733.5\t2688.5\t2778.5\n4\t4100\t4055\t4145\n\n"
            << 3 << "Section\tRun 1\n";
    }

    void runMarks()
    {
        QFETCH(QStringList, arguments);
        QFETCH(QString, posts);
        QFETCH(int, bays);
        QFETCH(QString, firstBay);
        const Outcome outcome = runCommandLine(QStringList{"--marks"} + arguments);
        QCOMPARE(outcome.err, QString());
        QCOMPARE(outcome.exitCode, 0);
        QCOMPARE(outcome.out.left(posts.size()), posts);
        const QStringList blocks = outcome.out.split(QStringLiteral("\n\n"));
        // The post table, then each bay, each ending in a blank line.
        QCOMPARE(blocks.size(), bays + 2);
        QVERIFY2(blocks[1].startsWith(firstBay.trimmed()), qPrintable(blocks[1]));
        const QString name = firstBay.section(u'\t', 1).section(u' ', 0, 0);
        for (int bay = 1; bay <= bays; ++bay)
            QVERIFY(blocks[bay].startsWith(QStringLiteral("Section\t%1 %2\n").arg(name).arg(bay)));
    }

    // A job file of runs: each run's posts before its bays, the shared corner
    // post listed first; its own sections after the runs; the CSV adds the posts.
    void marksOfAJobOfRuns()
    {
        const Outcome outcome = runCommandLine({QStringLiteral("--marks"), jobs.filePath("runs.railpin")});
        QCOMPARE(outcome.err, QString());
        QCOMPARE(outcome.exitCode, 0);
        const QStringList blocks = outcome.out.split(QStringLiteral("\n\n"));
        QStringList firstLines;
        for (const QString &block : blocks)
            firstLines << block.section(u'\n', 0, 0);
        const QString posts = QStringLiteral("Post\tCentre\tLeft face\tRight face");
        QCOMPARE(firstLines, (QStringList{posts, "Section\tLeft 1", "Section\tLeft 2", posts, "Section\tFront 1",
                                          "Section\tFront 2", "Section\tFront 3", posts, "Section\tRight 1",
                                          "Section\tRight 2", "Section\tStair", ""}));
        QCOMPARE(blocks[3], posts + "\n1\t0\t-1 3/4\t1 3/4\n2\t69\t67 1/4\t70 3/4\n3\t138\t136 1/4\t139 3/4\n"
                                    "4\t207\t205 1/4\t208 3/4");
        QCOMPARE(blocks[7], posts + "\n1\t0\t-1 3/4\t1 3/4\n2\t72\t70 1/4\t73 3/4");

        const Outcome csv =
            runCommandLine({QStringLiteral("--marks"), QStringLiteral("--csv"), jobs.filePath("runs.railpin")});
        QCOMPARE(csv.exitCode, 0);
        const QString table = csv.out.section(QStringLiteral("\r\n\r\n"), 1);
        const QStringList rows = table.split(QStringLiteral("\r\n"), Qt::SkipEmptyParts);
        QCOMPARE(rows.size(), 1 + 2 + 4 + 2);
        QCOMPARE(rows[0], QStringLiteral("Run,Post,Centre (in),Left face (in),Right face (in),\"Centre, fraction\","
                                         "\"Left face, fraction\",\"Right face, fraction\""));
        QCOMPARE(rows[1], QStringLiteral("Left,1,72.000000,70.250000,73.750000,72,70 1\u20444,73 3\u20444"));
        QCOMPARE(rows[3], QStringLiteral("Front,1,0.000000,-1.750000,1.750000,0,-1 3\u20444,1 3\u20444"));
        QCOMPARE(csv.out.count(QStringLiteral("\r\nFront 2,")), 12);
    }

    // A run drawn for CAD: its bays end to end on one row, its posts at their
    // width on the posts layer, x from the start reference.
    // The template holds the sections named, or every one; a strip names
    // the sections it serves.
    void templateOfNamedSections_data()
    {
        QTest::addColumn<QStringList>("sections");
        QTest::addColumn<QStringList>("shown");
        QTest::addColumn<QStringList>("left");
        QTest::newRow("every section") << QStringList{} << QStringList{"Front", "Stair", "Side"} << QStringList{};
        QTest::newRow("one") << QStringList{"Stair"} << QStringList{"Stair"} << QStringList{"Front", "Side"};
        QTest::newRow("two") << QStringList{"Side", "Front"} << QStringList{"Front", "Side"} << QStringList{"Stair"};
    }
    void templateOfNamedSections()
    {
        QFETCH(QStringList, sections);
        QFETCH(QStringList, shown);
        QFETCH(QStringList, left);
        if (!havePdfToText())
            QSKIP("pdftotext (poppler-utils) is not installed");
        QTemporaryDir folder;
        const QString path = folder.filePath(QStringLiteral("template.pdf"));
        QStringList arguments{"--template", path, jobs.filePath(QStringLiteral("deck.railpin"))};
        for (const QString &name : sections)
            arguments << QStringLiteral("--section") << name;
        const Outcome outcome = runCommandLine(arguments);
        QCOMPARE(outcome.exitCode, 0);
        QFile file(path);
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QString text = pdfText(file.readAll()).value_or(QString());
        for (const QString &name : shown)
            QVERIFY2(text.contains(QStringLiteral("template: %1").arg(name)) ||
                         text.contains(QStringLiteral("template along the rail: %1").arg(name)),
                     qPrintable(name));
        for (const QString &name : left)
            QVERIFY2(!text.contains(name), qPrintable(name));
    }

    void runDrawing_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<QList<double>>("postLeftFaces");
        QTest::addColumn<int>("centres");
        QTest::newRow("17' 3\" at 6'") << QStringList{"--length", "17' 3\"", "--max-post-spacing", "6'"}
                                       << QList<double>{-1.75, 67.25, 136.25, 205.25} << 36;
        QTest::newRow("wall to post") << QStringList{"--length", "12'", "--max-post-spacing", "6'", "--start", "wall"}
                                      << QList<double>{70.25, 142.25} << 13 + 12;
    }

    void runDrawing()
    {
        QFETCH(QStringList, arguments);
        QFETCH(QList<double>, postLeftFaces);
        QFETCH(int, centres);
        QTemporaryDir folder;
        const QString path = folder.filePath(QStringLiteral("run.svg"));
        const Outcome outcome = runCommandLine(
            QStringList{"--svg", path, "--post-width", "3 1/2", "--width", "1 1/2", "--max-gap", "4"} + arguments);
        QCOMPARE(outcome.err, QString());
        QCOMPARE(outcome.exitCode, 0);
        QFile file(path);
        QVERIFY(file.open(QIODevice::ReadOnly));
        QXmlStreamReader xml(&file);
        QString layer;
        QList<double> posts;
        int lines = 0;
        while (!xml.atEnd()) {
            if (xml.readNext() != QXmlStreamReader::StartElement)
                continue;
            if (xml.name() == u"g")
                layer = xml.attributes().value(QStringLiteral("id")).toString();
            else if (xml.name() == u"rect" && layer == u"posts")
                posts << xml.attributes().value(QStringLiteral("x")).toDouble();
            else if (xml.name() == u"line" && layer == u"centres")
                ++lines;
        }
        QVERIFY(!xml.hasError());
        QCOMPARE(posts, postLeftFaces);
        QCOMPARE(lines, centres);
    }

    void helpAndVersion_data()
    {
        QTest::addColumn<QString>("option");
        QTest::addColumn<QString>("expected");
        QTest::newRow("help") << "--help"
                              << "--pdf";
        QTest::newRow("short help") << "-h"
                                    << "--mark-step";
        QTest::newRow("version") << "--version"
                                 << "Railpin Calculator ";
    }

    void helpAndVersion()
    {
        QFETCH(QString, option);
        QFETCH(QString, expected);
        const Outcome outcome = runCommandLine({option});
        QCOMPARE(outcome.exitCode, 0);
        QCOMPARE(outcome.err, QString());
        QVERIFY2(outcome.out.contains(expected), qPrintable(outcome.out));
    }

    // Which arguments leave the windows to open: none, Qt's own options, a job file.
    void windowsOrCommandLine_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<bool>("commandLine");
        QTest::newRow("nothing") << QStringList{} << false;
        QTest::newRow("Qt's platform option") << QStringList{"-platform", "offscreen"} << false;
        QTest::newRow("Qt's style sheet option") << QStringList{"-stylesheet", "a.qss"} << false;
        QTest::newRow("a job file") << QStringList{"deck.railpin"} << false;
        QTest::newRow("pdf") << QStringList{"--pdf", "a.pdf", "deck.railpin"} << true;
        QTest::newRow("marks") << QStringList{"--marks", "deck.railpin"} << true;
        QTest::newRow("help") << QStringList{"--help"} << true;
        QTest::newRow("version") << QStringList{"--version"} << true;
        QTest::newRow("a section option alone") << QStringList{"--length", "36"} << true;
    }

    void windowsOrCommandLine()
    {
        QFETCH(QStringList, arguments);
        QFETCH(bool, commandLine);
        arguments.prepend(QStringLiteral("railpin"));
        QCOMPARE(command_line::asksForCommandLine(arguments), commandLine);
    }

    // The program itself with Qt's own options: Qt takes them, and the
    // calculator opens rather than a job named after an option's value. The
    // start-up report prints once the calculator has painted and then quits;
    // a job window or a message box about a missing job never prints it.
    void programOpensCalculator_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::newRow("platform") << QStringList{"-platform", "offscreen"};
        QTest::newRow("platform and style") << QStringList{"-platform", "offscreen", "-style", "Fusion"};
    }
    void programOpensCalculator()
    {
        QFETCH(QStringList, arguments);
        QTemporaryDir folder;
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.remove(QStringLiteral("QT_QPA_PLATFORM"));
        environment.insert(QStringLiteral("RAILPIN_BENCH_FIRST_FRAME"), QStringLiteral("1"));
        environment.insert(QStringLiteral("XDG_CONFIG_HOME"), folder.path());
        if (!environment.contains(QStringLiteral("XDG_RUNTIME_DIR")))
            environment.insert(QStringLiteral("XDG_RUNTIME_DIR"), folder.path());
        QProcess program;
        program.setProcessEnvironment(environment);
        program.setWorkingDirectory(folder.path());
        program.start(QStringLiteral(RAILPIN_PROGRAM), arguments);
        const bool finished = program.waitForFinished(30000);
        if (!finished)
            program.kill();
        QVERIFY2(finished, "the program did not quit after its first frame");
        QCOMPARE(program.exitStatus(), QProcess::NormalExit);
        QCOMPARE(program.exitCode(), 0);
        QVERIFY(QString::fromUtf8(program.readAllStandardOutput()).contains(QStringLiteral("first frame")));
    }

    // The program itself, with no display of any kind.
    void programWithoutDisplay_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<QString>("output");
        QTest::newRow("pdf") << QStringList{"--pdf", "OUT", "--length", "36", "--width", "1 3/8", "--max-gap", "4"}
                             << "";
        QTest::newRow("marks") << QStringList{"--marks", "--length", "36", "--width", "1 3/8", "--max-gap", "4"}
                               << "1\t3 15/16\t4 5/8\t5 5/16\t31 3/8\n";
        QTest::newRow("help") << QStringList{"--help"} << "--marks";
    }

    void programWithoutDisplay()
    {
        QFETCH(QStringList, arguments);
        QFETCH(QString, output);
        QTemporaryDir folder;
        const QString out = folder.filePath(QStringLiteral("sheet.pdf"));
        for (QString &argument : arguments)
            argument = placed(argument, out);

        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        for (const char *variable : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"})
            environment.remove(QString::fromLatin1(variable));
        // Nor a login session's runtime folder, which Qt would warn about.
        environment.remove(QStringLiteral("XDG_RUNTIME_DIR"));
        QProcess program;
        program.setProcessEnvironment(environment);
        program.start(QStringLiteral(RAILPIN_PROGRAM), arguments);
        QVERIFY(program.waitForFinished(60000));
        const QString err = QString::fromLocal8Bit(program.readAllStandardError());
        QCOMPARE(program.exitStatus(), QProcess::NormalExit);
        QVERIFY2(program.exitCode() == 0, qPrintable(err));
        QCOMPARE(err, QString());
        QVERIFY(QString::fromUtf8(program.readAllStandardOutput()).contains(output));
        if (arguments.first() == QLatin1String("--pdf")) {
            QFile written(out);
            QVERIFY(written.open(QIODevice::ReadOnly));
            const QByteArray pdf = written.readAll();
            QVERIFY(pdf.startsWith("%PDF-"));
            if (havePdfToText())
                QVERIFY(pdfText(pdf).value_or(QString()).contains(QStringLiteral("4 5/8")));
        }
    }

    // Standard output that cannot take the output: the run fails with the
    // cause, whatever writes there.
    void brokenStandardOutput_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<bool>("closed");  // else full: /dev/full
        QTest::addColumn<QString>("cause");
        const QStringList section{"--length", "36", "--width", "1 3/8", "--max-gap", "4"};
        const QList<std::pair<const char *, QStringList>> outputs{
            {"marks", {"--marks"}}, {"csv", {"--marks", "--csv"}}, {"sheet", {"--pdf", "-"}}, {"svg", {"--svg", "-"}}};
        for (const auto &[output, options] : outputs) {
            QTest::addRow("%s, full", output) << options + section << false << "the disk is full";
            QTest::addRow("%s, closed", output) << options + section << true << "it was closed";
        }
    }
    void brokenStandardOutput()
    {
        QFETCH(QStringList, arguments);
        QFETCH(bool, closed);
        QFETCH(QString, cause);
        QProcess program;
        if (closed) {
            program.start(QStringLiteral("/bin/sh"),
                          QStringList{"-c", "exec \"$0\" \"$@\" >&-", QStringLiteral(RAILPIN_PROGRAM)} + arguments);
        } else {
            program.setStandardOutputFile(QStringLiteral("/dev/full"));
            program.start(QStringLiteral(RAILPIN_PROGRAM), arguments);
        }
        QVERIFY(program.waitForFinished(60000));
        const QString err = QString::fromLocal8Bit(program.readAllStandardError());
        QCOMPARE(program.exitCode(), 1);
        QVERIFY2(err.startsWith(QStringLiteral("railpin: cannot write to standard output: ") + cause), qPrintable(err));
        QCOMPARE(err.count(u'\n'), 1);
    }

    // The program's help and messages follow LANG; the marks, read by
    // scripts, stay English in every language.
    void inTheUsersLanguage_data()
    {
        QTest::addColumn<QString>("language");
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<int>("exitCode");
        QTest::addColumn<QString>("out");
        QTest::addColumn<QString>("err");
        const QStringList level{"--width", "1 3/8", "--max-gap", "4"};
        QTest::newRow("help, English") << "C" << QStringList{"--help"} << 0 << "Shows this help and exits."
                                       << "";
        QTest::newRow("help, Spanish") << "es_ES.UTF-8" << QStringList{"--help"} << 0 << "Muestra esta ayuda y termina."
                                       << "";
        QTest::newRow("help, French") << "fr_FR.UTF-8" << QStringList{"-h"} << 0 << "Affiche cette aide et quitte."
                                      << "";
        QTest::newRow("missing option, Spanish")
            << "es_ES.UTF-8" << QStringList{"--marks"} + level << command_line::kBadArguments << ""
            << "railpin: --length es obligatorio sin archivo de obra\n";
        QTest::newRow("section that does not fit, French")
            << "fr_FR.UTF-8" << QStringList{"--marks", "--length", "36", "--width", "40", "--max-gap", "4"}
            << command_line::kBadArguments << ""
            << "railpin: des barreaux de 40 de large ne tiennent pas dans une longueur de 36 avec des écarts "
               "d\u2019au plus 4\n";
        QTest::newRow("marks, Spanish") << "es_ES.UTF-8" << QStringList{"--marks", "--length", "36"} + level << 0
                                        << "Railpin\tLeft edge\tCentre\tRight edge\tCentre from right post\n"
                                           "1\t3 15/16\t4 5/8\t5 5/16\t31 3/8\n"
                                        << "";
    }

    void inTheUsersLanguage()
    {
        QFETCH(QString, language);
        QFETCH(QStringList, arguments);
        QFETCH(int, exitCode);
        QFETCH(QString, out);
        QFETCH(QString, err);
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        for (const char *variable : {"LC_ALL", "LC_MESSAGES", "LANGUAGE"})
            environment.remove(QString::fromLatin1(variable));
        environment.insert(QStringLiteral("LANG"), language);
        QProcess program;
        program.setProcessEnvironment(environment);
        program.start(QStringLiteral(RAILPIN_PROGRAM), arguments);
        QVERIFY(program.waitForFinished(60000));
        const QString standardError = QString::fromUtf8(program.readAllStandardError());
        const QString standardOutput = QString::fromUtf8(program.readAllStandardOutput());
        QCOMPARE(program.exitStatus(), QProcess::NormalExit);
        QCOMPARE(program.exitCode(), exitCode);
        QVERIFY2(standardOutput.contains(out), qPrintable(standardOutput));
        QCOMPARE(standardError, err);
    }
};

QTEST_MAIN(TestCommandLine)
#include "tst_command_line.moc"
