// SPDX-License-Identifier: LicenseRef-proprietary
#include "display_text.h"
#include "job_fields.h"
#include "job_file.h"
#include "section_layout.h"

#include <QDir>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QTemporaryDir>
#include <QTest>

#include <csignal>
#include <sys/resource.h>

using layout::Ends;
using layout::Job;
using layout::Unit;

Q_DECLARE_METATYPE(layout::Job)

namespace {

const QByteArray kExample = R"({"format": "railpin-job", "version": 1, "name": "Bar deck",
 "railpinWidth": "1 3/8", "maximumGap": "4", "increment": 16, "extraStockPercent": 10,
 "sections": [{"name": "Front", "length": "36", "ends": "full"},
   {"name": "Stair", "length": "48", "railpinWidth": "1 1/2", "stair": {"rise": "7 1/2", "run": "10"}},
   {"name": "Side", "length": "36", "ends": "half", "count": 7}]})";

// A job with every field set, unknown ones included.
Job fullJob(Unit unit)
{
    Job job;
    job.name = QStringLiteral("Bar deck «north»");
    job.unit = unit;
    job.railpinWidth = unit == Unit::Inches ? QStringLiteral("1 3/8") : QStringLiteral("35");
    job.maximumGap = unit == Unit::Inches ? QStringLiteral("4") : QStringLiteral("100");
    job.increment = 32;
    job.markStep = unit == Unit::Inches ? 1 : 0.5;
    job.extraStockPercent = 15;
    job.packSize = 8;
    job.unknownFields.insert(QStringLiteral("customer"), QStringLiteral("Smith"));
    job.unknownFields.insert(QStringLiteral("colours"), QJsonArray({QStringLiteral("white"), 3}));

    layout::Section front;
    front.name = QStringLiteral("Front");
    front.length = QStringLiteral("12' 3 1/2\"");
    front.unknownFields.insert(QStringLiteral("note"), QStringLiteral("by the door"));
    layout::Section stair;
    stair.name = QStringLiteral("Stair");
    stair.length = QStringLiteral("48.25");
    stair.railpinWidth = QStringLiteral("1 1/2");
    stair.maximumGap = QStringLiteral("3 7/8");
    stair.stair = layout::Stair{QStringLiteral("7 1/2"), QStringLiteral("10"), 36.87, {}};
    stair.stair->unknownFields.insert(QStringLiteral("landings"), 12);
    layout::Section side;
    side.name = QStringLiteral("Side");
    side.length = QStringLiteral("abc");  // a half-finished cell survives the save
    side.ends = Ends::Half;
    side.count = 7;
    job.sections = {front, stair, side};
    return job;
}

void compareJobs(const Job &actual, const Job &expected)
{
    QCOMPARE(actual.name, expected.name);
    QCOMPARE(actual.unit, expected.unit);
    QCOMPARE(actual.railpinWidth, expected.railpinWidth);
    QCOMPARE(actual.maximumGap, expected.maximumGap);
    QCOMPARE(actual.maximumGapStairs, expected.maximumGapStairs);
    QCOMPARE(actual.increment, expected.increment);
    QCOMPARE(actual.markStep, expected.markStep);
    QCOMPARE(actual.extraStockPercent, expected.extraStockPercent);
    QCOMPARE(actual.packSize, expected.packSize);
    QCOMPARE(actual.designGap, expected.designGap);
    QCOMPARE(actual.spacing, expected.spacing);
    QCOMPARE(actual.centre, expected.centre);
    QCOMPARE(actual.measuredBetween, expected.measuredBetween);
    QCOMPARE(actual.marksFrom, expected.marksFrom);
    QCOMPARE(actual.postWidth, expected.postWidth);
    QCOMPARE(actual.unknownFields, expected.unknownFields);
    QCOMPARE(actual.sections.size(), expected.sections.size());
    for (size_t i = 0; i < actual.sections.size(); ++i) {
        const layout::Section &a = actual.sections[i];
        const layout::Section &e = expected.sections[i];
        QCOMPARE(a.name, e.name);
        QCOMPARE(a.length, e.length);
        QCOMPARE(a.railpinWidth, e.railpinWidth);
        QCOMPARE(a.maximumGap, e.maximumGap);
        QCOMPARE(a.ends, e.ends);
        QCOMPARE(a.count, e.count);
        QCOMPARE(a.unknownFields, e.unknownFields);
        QCOMPARE(a.designGap, e.designGap);
        QCOMPARE(a.spacing, e.spacing);
        QCOMPARE(a.centre, e.centre);
        QCOMPARE(a.measuredBetween, e.measuredBetween);
        QCOMPARE(a.stair.has_value(), e.stair.has_value());
        if (a.stair) {
            QCOMPARE(a.stair->rise, e.stair->rise);
            QCOMPARE(a.stair->run, e.stair->run);
            QCOMPARE(a.stair->angleDegrees, e.stair->angleDegrees);
            QCOMPARE(a.stair->unreadSlope, e.stair->unreadSlope);
            QCOMPARE(a.stair->unknownFields, e.stair->unknownFields);
        }
    }
}

QByteArray withSections(const QByteArray &sections, const QByteArray &settings = {})
{
    return R"({"format": "railpin-job", "version": 1, "railpinWidth": "1 3/8", "maximumGap": "4", )" + settings +
           R"("sections": )" + sections + "}";
}

}  // namespace

class TestJobFile : public QObject
{
    Q_OBJECT

private slots:
    void roundTrip_data()
    {
        QTest::addColumn<int>("unit");
        QTest::addColumn<QString>("stairsLimit");  // empty: none
        QTest::addColumn<qint64>("sideCount");
        QTest::addColumn<int>("version");       // the lowest that describes the job
        QTest::addColumn<QString>("balanced");  // "job", "section" or empty: where a balanced layout is given
        QTest::newRow("inches") << int(Unit::Inches) << "" << qint64(7) << 1 << "";
        QTest::newRow("millimetres") << int(Unit::Millimetres) << "" << qint64(7) << 2 << "";
        QTest::newRow("inches, stairs limit") << int(Unit::Inches) << "4 3/8" << qint64(7) << 3 << "";
        QTest::newRow("millimetres, stairs limit") << int(Unit::Millimetres) << "111" << qint64(7) << 3 << "";
        QTest::newRow("inches, count of 0") << int(Unit::Inches) << "" << qint64(0) << 3 << "";
        QTest::newRow("inches, balanced job") << int(Unit::Inches) << "" << qint64(7) << 3 << "job";
        QTest::newRow("millimetres, balanced job") << int(Unit::Millimetres) << "" << qint64(7) << 3 << "job";
        QTest::newRow("inches, one balanced section") << int(Unit::Inches) << "" << qint64(7) << 3 << "section";
        QTest::newRow("inches, marks from post centres") << int(Unit::Inches) << "" << qint64(7) << 3 << "centres";
    }
    void roundTrip()
    {
        QFETCH(int, unit);
        QFETCH(QString, stairsLimit);
        QFETCH(qint64, sideCount);
        QFETCH(int, version);
        QFETCH(QString, balanced);
        Job job = fullJob(Unit(unit));
        if (balanced == QLatin1String("job") || balanced == QLatin1String("centres")) {
            job.designGap = QStringLiteral("3 1/2");
            job.spacing = layout::Spacing::Same;
            job.centre = layout::Centre::Gap;
            job.measuredBetween = layout::MeasuredBetween::Centres;
            job.postWidth = QStringLiteral("3 1/2");
            job.sections[0].spacing = layout::Spacing::Equal;  // a section's own wins
            if (balanced == QLatin1String("centres"))
                job.marksFrom = layout::MarksFrom::Centres;
        } else if (balanced == QLatin1String("section")) {
            job.sections[1].designGap = QStringLiteral("3 1/4");
            job.sections[1].centre = layout::Centre::Railpin;
            job.sections[1].measuredBetween = layout::MeasuredBetween::Faces;
        }
        if (!stairsLimit.isEmpty())
            job.maximumGapStairs = stairsLimit;
        job.sections[2].count = sideCount;
        QCOMPARE(layout::fileVersion(job), version);
        const QByteArray bytes = layout::serializeJob(job);
        const QJsonObject written = QJsonDocument::fromJson(bytes).object();
        QCOMPARE(written.value(QStringLiteral("version")).toInt(), version);
        QCOMPARE(written.value(QStringLiteral("unit")).toString(), Unit(unit) == Unit::Millimetres ? "mm" : "");
        QCOMPARE(written.value(QStringLiteral("customer")).toString(), QStringLiteral("Smith"));
        // Marks from the post faces, the default, is not written: an older file saves unchanged.
        QCOMPARE(written.value(QStringLiteral("marksFrom")).toString(),
                 balanced == QLatin1String("centres") ? "centres" : "");

        const layout::JobReadResult read = layout::parseJob(bytes, QStringLiteral("job.railpin"));
        QVERIFY2(read.job.has_value(), qPrintable(read.error));
        compareJobs(*read.job, job);
        QCOMPARE(layout::serializeJob(*read.job), bytes);
    }

    void example()
    {
        const layout::JobReadResult read = layout::parseJob(kExample);
        QVERIFY2(read.job.has_value(), qPrintable(read.error));
        const Job &job = *read.job;
        QCOMPARE(job.name, QStringLiteral("Bar deck"));
        QCOMPARE(job.unit, Unit::Inches);
        QCOMPARE(job.sections.size(), size_t(3));
        QCOMPARE(job.sections[1].stair->rise, QStringLiteral("7 1/2"));
        QCOMPARE(job.sections[2].ends, Ends::Half);
        QCOMPARE(job.sections[2].count, qint64(7));
        std::vector<layout::SectionLayout> layouts;
        for (const layout::Section &section : job.sections)
            layouts.push_back(layout::layOut(job, section));
        QCOMPARE(layouts[0].count + layouts[1].count + layouts[2].count, qint64(20));
        QCOMPARE(layout::totalsLines(job, layout::totals(job, layouts)),
                 (QStringList{"Total railpins: 20", "To order (10 % extra): 22"}));
    }

    void unreadableMeasurementIsKept()
    {
        const layout::JobReadResult read = layout::parseJob(
            withSections(R"([{"length": "3 ft"}, {"length": 36.5}, {"length": "36", "stair": {"angle": "steep"}},
                {"length": "36", "stair": {"angle": "35"}}])"));
        QVERIFY2(read.job.has_value(), qPrintable(read.error));
        QCOMPARE(read.job->sections[0].length, QStringLiteral("3 ft"));
        QCOMPARE(read.job->sections[1].length, QStringLiteral("36.5"));
        QCOMPARE(layout::layOut(*read.job, read.job->sections[0]).problems,
                 QStringList{"length \"3 ft\" is not a measurement: type inches as 36, 36.5, 1 3/8, 1-3/8, 1 3/8 in or "
                             "12' 3 1/2\""});
        // A slope the window could not read is written as typed and read back so.
        QCOMPARE(read.job->sections[2].stair->unreadSlope, QStringLiteral("steep"));
        QCOMPARE(layout::layOut(*read.job, read.job->sections[2]).problems,
                 QStringList{"the slope \"steep\" is neither an angle in degrees nor rise : run, such as 7 : 11"});
        const layout::JobReadResult again = layout::parseJob(layout::serializeJob(*read.job));
        QVERIFY2(again.job.has_value(), qPrintable(again.error));
        QCOMPARE(again.job->sections[2].stair, read.job->sections[2].stair);
        QCOMPARE(read.job->sections[3].stair->angleDegrees, std::optional<double>(35));
    }

    // A near miss of a known field stops the sections it touches; any other
    // unknown field is kept with a warning; "x-" fields pass silently.
    void unknownFields_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QString>("problem");  // the section's first; empty: laid out
        QTest::addColumn<QStringList>("warnings");
        const auto file = [](const QByteArray &settings, const QByteArray &section) {
            return R"({"format": "railpin-job", "version": 1, )" + settings + R"("sections": [{"name": "S", )" +
                   section + R"("length": "36"}]})";
        };
        const QByteArray both = R"("railpinWidth": "1 3/8", "maximumGap": "4", )";
        const QByteArray stair = R"("stair": {"rise": "7", "run": "11"}, )";
        // clang-format off
        QTest::newRow("swap of neighbours") << file(both, R"("stiar": {"rise": "7", "run": "11"}, )")
            << R"(unknown field "stiar" (did you mean "stair"?))" << QStringList{};
        QTest::newRow("short form at the job") << file(both + R"("units": "mm", )", "")
            << R"(the job's unknown field "units" (did you mean "unit"?))" << QStringList{};
        QTest::newRow("listed short form") << file(both + R"("maxGap": "5", )", "")
            << R"(the job's unknown field "maxGap" (did you mean "maximumGap"?))" << QStringList{};
        QTest::newRow("other case") << file(both, R"("Ends": "half", )")
            << R"(unknown field "Ends" (did you mean "ends"?))" << QStringList{};
        QTest::newRow("two edits of a long key") << file(both, R"("railpinWidht": "2", )")
            << R"(unknown field "railpinWidht" (did you mean "railpinWidth"?))" << QStringList{};
        QTest::newRow("one edit of a short key") << file(both, R"("cont": 3, )")
            << R"(unknown field "cont" (did you mean "count"?))" << QStringList{};
        QTest::newRow("known key at the wrong level") << file(both, R"("unit": "mm", )")
            << R"(field "unit" belongs to the job, not to a section)" << QStringList{};
        QTest::newRow("post width in a section") << file(both, R"("postWidth": "3 1/2", )")
            << R"(field "postWidth" belongs to the job, not to a section)" << QStringList{};
        QTest::newRow("centre spelt center") << file(both, R"("center": "railpin", )")
            << R"(unknown field "center" (did you mean "centre"?))" << QStringList{};
        QTest::newRow("design gap, other case") << file(both + R"("designgap": "3", )", "")
            << R"(the job's unknown field "designgap" (did you mean "designGap"?))" << QStringList{};
        QTest::newRow("in a stair") << file(both, R"("stair": {"raise": "7", "run": "11"}, )")
            << R"(stair: unknown field "raise" (did you mean "rise"?))" << QStringList{};
        QTest::newRow("two edits of a short key") << file(both, R"("cnt": 3, )")
            << "" << QStringList{R"(section 1: unknown field "cnt" is kept but not used)"};
        QTest::newRow("short key, another first letter") << file(both, R"("rnds": "half", )")
            << "" << QStringList{R"(section 1: unknown field "rnds" is kept but not used)"};
        QTest::newRow("unknown field kept") << file(both + R"("customer": "Smith", )", stair)
            << "" << QStringList{R"(unknown field "customer" is kept but not used)"};
        QTest::newRow("own field") << file(both + R"("x-units": "mm", )", R"("x-stiar": 1, )") << ""
            << QStringList{};
        QTest::newRow("no width") << file(R"("maximumGap": "4", )", "") << "railpin width is missing"
            << QStringList{};
        QTest::newRow("no maximum gap") << file(R"("railpinWidth": "1 3/8", )", "") << "maximum gap is missing"
            << QStringList{};
        QTest::newRow("the section's own") << file("", R"("railpinWidth": "1", "maximumGap": "4", )") << ""
            << QStringList{};
        // Beside its near miss, a field at the value its absence reads as is
        // left out; one that would read otherwise, or the file's marker, stays.
        QTest::newRow("near miss beside the job's gap as typed") << file(both + R"("maximumgap": [1], )", "")
            << R"(the job's unknown field "maximumgap" (did you mean "maximumGap"?))" << QStringList{};
        QTest::newRow("near miss of the file's marker") << file(both + R"("Format": 1, "Version": 2, )", "")
            << R"(the job's unknown field "Format" (did you mean "format"?))" << QStringList{};
        // clang-format on
    }
    void unknownFields()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(QString, problem);
        QFETCH(QStringList, warnings);
        const layout::JobReadResult read = layout::parseJob(bytes);
        QVERIFY2(read.job.has_value(), qPrintable(read.error));
        const layout::SectionLayout laid = layout::layOut(*read.job, read.job->sections.front());
        QCOMPARE(laid.problems.value(0), problem);
        QStringList unused;
        for (const layout::UnusedField &field : layout::unusedFields(*read.job))
            unused << (field.section ? QStringLiteral("section %1: ").arg(*field.section + 1) : QString()) +
                          field.warning;
        QCOMPARE(unused, warnings);
        // Kept when saved, the mistakes included, and saved again unchanged.
        const QByteArray written = layout::serializeJob(*read.job);
        const layout::JobReadResult again = layout::parseJob(written);
        QVERIFY2(again.job.has_value(), qPrintable(again.error));
        QCOMPARE(again.job->unknownFields, read.job->unknownFields);
        QCOMPARE(layout::serializeJob(*again.job), written);
    }

    void badFiles_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QString>("error");
        const QString start = QStringLiteral("job.railpin: ");
        // clang-format off
        QTest::newRow("not JSON") << QByteArray("{\"format\": \"railpin-job\",\n \"version\": 1,,}")
            << start + "not a job file: unterminated object at line 2, column 16";
        QTest::newRow("no marker") << QByteArray(R"({"format": "other", "version": 1, "sections": []})")
            << start + "not a job file: it does not begin with \"format\": \"railpin-job\"";
        QTest::newRow("a list, not an object") << QByteArray("[1, 2]")
            << start + "not a job file: it does not begin with \"format\": \"railpin-job\"";
        QTest::newRow("newer version") << QByteArray(R"({"format": "railpin-job", "version": 5, "sections": []})")
            << start + "the job file is of version 5, written by a newer version of this program, which this one "
                       "cannot read (it reads versions up to 4); open it with the newer version";
        QTest::newRow("version as text") << QByteArray(R"({"format": "railpin-job", "version": "1", "sections": []})")
            << start + "\"version\": must be a whole number from 1 to 2147483647";
        QTest::newRow("no version") << QByteArray(R"({"format": "railpin-job", "sections": []})")
            << start + "\"version\": is missing";
        QTest::newRow("no sections") << QByteArray(R"({"format": "railpin-job", "version": 1})")
            << start + "\"sections\": must be a list of sections in [ ]";
        QTest::newRow("section not an object") << withSections(R"([{"length": "36"}, 36])")
            << start + "section 2: must be an object";
        QTest::newRow("length a list") << withSections(R"([{"length": "36"}, {"length": [36]}])")
            << start + "section 2, \"length\": must be a measurement in quotes, such as \"1 3/8\"";
        QTest::newRow("ends unknown") << withSections(R"([{"length": "36", "ends": "both"}])")
            << start + "section 1, \"ends\": must be \"full\" or \"half\"";
        QTest::newRow("count not whole") << withSections(R"([{"length": "36", "count": 7.5}])")
            << start + "section 1, \"count\": must be a whole number from -1000000000 to 1000000000";
        QTest::newRow("stair angle a list") << withSections(R"([{"length": "36", "stair": {"angle": [30]}}])")
            << start + "section 1, stair, \"angle\": must be a number of degrees";
        QTest::newRow("stair a number") << withSections(R"([{"length": "36", "stair": 30}])")
            << start + "section 1, \"stair\": must be an object with \"rise\" and \"run\" or with \"angle\"";
        QTest::newRow("spacing unknown") << withSections(R"([{"length": "36", "spacing": "even"}])")
            << start + "section 1, \"spacing\": must be \"equal\" or \"same\"";
        QTest::newRow("centre unknown") << withSections("[]", R"("centre": "middle", )")
            << start + "\"centre\": must be \"either\", \"railpin\" or \"gap\"";
        QTest::newRow("measured between a number") << withSections("[]", R"("measuredBetween": 2, )")
            << start + "\"measuredBetween\": must be a text in quotes";
        QTest::newRow("marks from unknown") << withSections("[]", R"("marksFrom": "edges", )")
            << start + "\"marksFrom\": must be \"faces\" or \"centres\"";
        QTest::newRow("increment") << withSections("[]", R"("increment": 10, )")
            << start + "\"increment\": must be 4, 8, 16 or 32";
        QTest::newRow("unit") << withSections("[]", R"("unit": "cm", )")
            << start + "\"unit\": must be \"mm\" or \"in\"";
        QTest::newRow("mark step") << withSections("[]", R"("markStep": 0.25, )")
            << start + "\"markStep\": must be 1 or 0.5";
        QTest::newRow("negative extra stock") << withSections("[]", R"("extraStockPercent": -5, )")
            << start + "\"extraStockPercent\": must be a whole number from 0 to 1000";
        QTest::newRow("name a number") << withSections("[]", R"("name": 5, )")
            << start + "\"name\": must be a text in quotes";
        // clang-format on
        QByteArray many = "[";
        for (int i = 0; i <= layout::kMaximumSections; ++i)
            many += i == 0 ? "{}" : ",{}";
        QTest::newRow("too many sections")
            << withSections(many + "]") << start + "\"sections\": has 1001 sections, more than the 1000 a job can have";
        QTest::newRow("too large") << withSections("[]",
                                                   "\"pad\": \"" + QByteArray(layout::kMaximumFileBytes, 'x') + "\", ")
                                   << start + "the file is larger than 1 MiB, more than any job needs";
    }
    // Brackets nested deeper than the limit are refused where they go too
    // deep, in an unknown field too; a bracket inside a string does not count.
    void nesting_data()
    {
        QTest::addColumn<int>("depth");
        QTest::addColumn<QString>("error");
        QTest::newRow("as deep as allowed") << layout::kMaximumNesting - 3 << QString();
        QTest::newRow("one too deep")
            << layout::kMaximumNesting - 2
            << QStringLiteral("job.railpin: not a job file: nested more than 64 deep at line 1, column 135");
        QTest::newRow("a thousand deep")
            << 1000 << QStringLiteral("job.railpin: not a job file: nested more than 64 deep at line 1, column 135");
    }
    void nesting()
    {
        QFETCH(int, depth);
        QFETCH(QString, error);
        // The job, the sections list and the section are three levels already.
        const QByteArray bytes =
            QByteArray("{\"format\": \"railpin-job\", \"version\": 1, \"sections\": [{\"x\": \"[[\", \"deep\": ") +
            QByteArray(depth, '[') + QByteArray(depth, ']') + "}]}";
        const layout::JobReadResult read = layout::parseJob(bytes, QStringLiteral("job.railpin"));
        QCOMPARE(read.error, error);
        if (error.isEmpty())
            QCOMPARE(layout::parseJob(layout::serializeJob(*read.job)).error, QString());
    }

    // Unknown fields nested deep grow many times when indented: such a job is
    // written compactly, so that the file it saves is one it can open.
    void deepUnknownFieldsSaveCompactly()
    {
        const QByteArray deep = QByteArray(58, '[') + "1" + QByteArray(58, ']');
        QByteArray bytes = "{\"format\": \"railpin-job\", \"version\": 1, \"sections\": [], \"extra\": [";
        while (bytes.size() < qsizetype{900} * 1024)
            bytes += deep + ",";
        bytes += deep + "]}";
        const layout::JobReadResult read = layout::parseJob(bytes);
        QVERIFY2(read.job.has_value(), qPrintable(read.error));
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("deep.railpin"));
        QCOMPARE(layout::writeJobFile(*read.job, path), QString());
        const layout::JobReadResult again = layout::readJobFile(path);
        QVERIFY2(again.job.has_value(), qPrintable(again.error));
        QCOMPARE(again.job->unknownFields, read.job->unknownFields);
    }

    // Whatever opens can be saved back: numbers written short in a file are
    // written in full, so a file they would grow past 1 MiB is refused when
    // read, not when saved.
    void whatOpensSavesBack_data()
    {
        QTest::addColumn<int>("numbers");  // "1e9" in a field the program does not know
        QTest::addColumn<bool>("opens");
        QTest::newRow("a thousand") << 1000 << true;
        QTest::newRow("a quarter of a million, written 2.75 MB long") << 250'000 << false;
    }
    void whatOpensSavesBack()
    {
        QFETCH(int, numbers);
        QFETCH(bool, opens);
        QByteArray list = "[1e9";
        for (int index = 1; index < numbers; ++index)
            list += ",1e9";
        const QByteArray bytes = R"({"format": "railpin-job", "version": 1, "railpinWidth": "1 3/8",
            "maximumGap": "4", "sections": [{"length": "36"}], "extra": )" +
                                 list + "]}";
        QVERIFY(bytes.size() <= layout::kMaximumFileBytes);
        const layout::JobReadResult read = layout::parseJob(bytes, QStringLiteral("job.railpin"));
        QCOMPARE(read.job.has_value(), opens);
        if (!opens) {
            QVERIFY2(read.error.startsWith(QStringLiteral("job.railpin: written back, the job would be larger than "
                                                          "1 MiB")),
                     qPrintable(read.error));
            return;
        }
        QCOMPARE(layout::limitProblem(*read.job), QString());
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("deck.railpin"));
        QCOMPARE(layout::writeJobFile(*read.job, path), QString());
        QCOMPARE(layout::readJobFile(path).job->unknownFields, read.job->unknownFields);
    }

    // A job the window could make but reading would refuse is not written,
    // and the message says why.
    void saveRefusesWhatReadingRefuses_data()
    {
        QTest::addColumn<Job>("job");
        QTest::addColumn<QString>("why");
        Job count = fullJob(Unit::Inches);
        count.sections.front().count = 99'999'999'999;
        QTest::newRow("count beyond a billion") << count << "must be a whole number";
        Job sections;
        sections.sections.resize(layout::kMaximumSections + 1, fullJob(Unit::Inches).sections.front());
        QTest::newRow("1,001 sections") << sections << "1001 sections";
        Job large;
        large.name = QString(int(layout::kMaximumFileBytes), u'x');
        QTest::newRow("grows past 1 MiB") << large << "larger than 1 MiB";
    }
    void saveRefusesWhatReadingRefuses()
    {
        QFETCH(Job, job);
        QFETCH(QString, why);
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("deck.railpin"));
        const QString error = layout::writeJobFile(job, path);
        QVERIFY2(error.startsWith(QStringLiteral("Could not save %1: ").arg(path)) && error.contains(why),
                 qPrintable(error));
        QVERIFY(!QFile::exists(path));
    }

    // An edit is checked against the size of the file it would write: for a
    // job of 1,000 sections of each shape, the longest names that fit pass
    // and one character more is refused.
    void sizeLimitFollowsTheWrittenFile_data()
    {
        QTest::addColumn<Job>("job");
        const Job full = fullJob(Unit::Inches);
        const auto shaped = [&](int section, QChar filler) {
            Job job = full;
            job.sections.assign(size_t(layout::kMaximumSections), full.sections[size_t(section)]);
            job.sections.front().name = QString(1, filler);
            return job;
        };
        QTest::newRow("plain, unknown fields") << shaped(0, u'x');
        QTest::newRow("stair with an angle and fields") << shaped(1, u'x');
        QTest::newRow("half ends and a count") << shaped(2, u'x');
        QTest::newRow("characters written escaped") << shaped(0, QChar(0x01));
        QTest::newRow("characters of two bytes") << shaped(1, QChar(0xe9));
        Job unread = shaped(1, u'x');
        for (layout::Section &section : unread.sections)
            section.stair = layout::Stair{{}, {}, std::nullopt, {}, QString(100, u'\x02')};
        QTest::newRow("slopes kept as typed") << unread;
        Job balanced = shaped(0, u'x');
        for (layout::Section &section : balanced.sections) {
            section.designGap = QString(40, u'\x03');
            section.spacing = layout::Spacing::Same;
            section.centre = layout::Centre::Railpin;
            section.measuredBetween = layout::MeasuredBetween::Centres;
        }
        QTest::newRow("balanced layouts") << balanced;
    }
    void sizeLimitFollowsTheWrittenFile()
    {
        QFETCH(Job, job);
        const QChar filler = job.sections.front().name.front();
        const auto withNames = [&](int length) {
            for (layout::Section &section : job.sections)
                section.name = QString(length, filler);
            return serializeJob(job).size();
        };
        // Names of 1,100 characters make any of these files too large.
        int fits = 0;
        int over = 1100;
        while (over - fits > 1) {
            const int middle = (fits + over) / 2;
            (withNames(middle) > layout::kMaximumFileBytes ? over : fits) = middle;
        }
        QVERIFY(withNames(fits) <= layout::kMaximumFileBytes);
        QCOMPARE(layout::limitProblem(job), QString());
        QVERIFY(withNames(over) > layout::kMaximumFileBytes);
        QVERIFY(layout::limitProblem(job).contains(QStringLiteral("larger than 1 MiB")));
    }

    // Text from a file is shown without anything that could drive a terminal
    // or reorder a line; tab and line breaks only where they would split one.
    void displayText_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("linesReplaced");
        QTest::addColumn<QString>("shown");
        const QString bad(QChar::ReplacementCharacter);
        QTest::newRow("plain") << "Front deck" << false << "Front deck";
        QTest::newRow("escape sequence") << "\x1b]0;title\x07\x1b[2J" << false << bad + "]0;title" + bad + bad + "[2J";
        QTest::newRow("NUL and DEL") << QStringLiteral("a") + QChar(0) + u'b' + QChar(0x7f) << false
                                     << "a" + bad + "b" + bad;
        QTest::newRow("C1 control") << QStringLiteral("a") + QChar(0x9b) + QStringLiteral("2J") << false
                                    << "a" + bad + "2J";
        QTest::newRow("bidi override") << QString::fromUtf16(u"x\x202Ey\x2066z") << false
                                       << "x" + bad + "y" + bad + "z";
        QTest::newRow("tab and line breaks kept") << "a\tb\r\nc" << false << "a\tb\r\nc";
        QTest::newRow("tab and line breaks replaced") << "a\tb\r\nc" << true << "a" + bad + "b" + bad + bad + "c";
        QTest::newRow("accents and degrees kept")
            << QString::fromUtf16(u"Escalier 35\u00b0") << true << QString::fromUtf16(u"Escalier 35\u00b0");
    }
    void displayText()
    {
        QFETCH(QString, text);
        QFETCH(bool, linesReplaced);
        QFETCH(QString, shown);
        QCOMPARE(layout::displayText(text, linesReplaced ? layout::LineBreaks::Replaced : layout::LineBreaks::Kept),
                 shown);
    }

    void badFiles()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(QString, error);
        const layout::JobReadResult read = layout::parseJob(bytes, QStringLiteral("job.railpin"));
        QVERIFY(!read.job.has_value());
        QCOMPARE(read.error, error);
    }

    void filesOnDisk()
    {
        QTemporaryDir dir;
        QVERIFY(dir.isValid());
        const QString path = dir.filePath(QStringLiteral("deck.railpin"));
        const Job job = fullJob(Unit::Inches);
        QCOMPARE(layout::writeJobFile(job, path), QString());
        const layout::JobReadResult read = layout::readJobFile(path);
        QVERIFY2(read.job.has_value(), qPrintable(read.error));
        compareJobs(*read.job, job);

        const QString missing = dir.filePath(QStringLiteral("missing.railpin"));
        QCOMPARE(layout::readJobFile(missing).error, missing + ": the file does not exist");
        QCOMPARE(layout::readJobFile(dir.path()).error, dir.path() + ": not a file");
        const QString large = dir.filePath(QStringLiteral("large.railpin"));
        QFile file(large);
        QVERIFY(file.open(QIODevice::WriteOnly));
        QVERIFY(file.resize(layout::kMaximumFileBytes + 1));
        file.close();
        QCOMPARE(layout::readJobFile(large).error, large + ": the file is larger than 1 MiB, more than any job needs");
    }

    // A folder that is a file cannot hold the job: the reason names the path, nothing is made.
    void saveIntoAFile()
    {
        QTemporaryDir dir;
        const QString parent = dir.filePath(QStringLiteral("plain"));
        QFile file(parent);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.close();
        const QString path = parent + QStringLiteral("/deck.railpin");
        const QString error = layout::writeJobFile(fullJob(Unit::Inches), path);
        QVERIFY2(error.startsWith(QStringLiteral("Could not save %1: ").arg(path)), qPrintable(error));
        QVERIFY(!QFile::exists(path));
        QCOMPARE(QFile(parent).size(), qint64(0));
    }

    // A save that fails while writing (the file size limit is reached, which
    // binds root too) leaves the old file as it was.
    void failedSaveKeepsTheOldFile()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("deck.railpin"));
        Job small;
        small.name = QStringLiteral("old");
        QCOMPARE(layout::writeJobFile(small, path), QString());
        QFile oldFile(path);
        QVERIFY(oldFile.open(QIODevice::ReadOnly));
        const QByteArray old = oldFile.readAll();
        oldFile.close();

        Job large = fullJob(Unit::Inches);
        large.sections.resize(200, large.sections.front());
        rlimit saved{};
        QCOMPARE(getrlimit(RLIMIT_FSIZE, &saved), 0);
        rlimit limited = saved;
        limited.rlim_cur = rlim_t(old.size() + 16);
        const auto previousHandler = std::signal(SIGXFSZ, SIG_IGN);
        QCOMPARE(setrlimit(RLIMIT_FSIZE, &limited), 0);
        const QString error = layout::writeJobFile(large, path);
        setrlimit(RLIMIT_FSIZE, &saved);
        std::signal(SIGXFSZ, previousHandler);

        QVERIFY2(error.startsWith(QStringLiteral("Could not save %1: ").arg(path)), qPrintable(error));
        QVERIFY(oldFile.open(QIODevice::ReadOnly));
        QCOMPARE(oldFile.readAll(), old);
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files), QStringList{"deck.railpin"});
    }
};

QTEST_GUILESS_MAIN(TestJobFile)
#include "tst_job_file.moc"
