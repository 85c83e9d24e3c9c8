// SPDX-License-Identifier: LicenseRef-proprietary
#include "calculator_section.h"
#include "cell_text.h"
#include "job_document.h"
#include "sections_model.h"
#include "tab_separated.h"

#include <QStandardItemModel>
#include <QTest>

Q_DECLARE_METATYPE(std::optional<qint64>)

class TestJobCells : public QObject
{
    Q_OBJECT

private slots:
    void storedAndShown_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QChar>("decimalPoint");
        QTest::addColumn<QString>("stored");
        QTest::newRow("point") << " 36.5 " << QChar(u'.') << "36.5";
        QTest::newRow("comma locale") << "36,5" << QChar(u',') << "36.5";
        QTest::newRow("comma where the locale has a point") << "36,5" << QChar(u'.') << "36,5";
        QTest::newRow("fraction") << "1 3/8" << QChar(u',') << "1 3/8";
    }
    void storedAndShown()
    {
        QFETCH(QString, typed);
        QFETCH(QChar, decimalPoint);
        QFETCH(QString, stored);
        QCOMPARE(cell_text::stored(typed, decimalPoint), stored);
        if (decimalPoint == u',' || !typed.contains(u','))
            QCOMPARE(cell_text::shown(stored, decimalPoint), typed.trimmed());
    }

    void slope_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("rise");
        QTest::addColumn<QString>("run");
        QTest::addColumn<double>("angle");  // 0: none
        QTest::addColumn<bool>("level");
        QTest::addColumn<bool>("refused");  // flagged, and kept as typed
        QTest::addColumn<QString>("shown");
        QTest::newRow("level") << "  "
                               << ""
                               << "" << 0.0 << true << false << "";
        QTest::newRow("rise and run") << "7 1/2:10,5"
                                      << "7 1/2"
                                      << "10.5" << 0.0 << false << false << "7 1/2 : 10,5";
        QTest::newRow("unreadable rise kept") << "seven : 11"
                                              << "seven"
                                              << "11" << 0.0 << false << false << "seven : 11";
        QTest::newRow("angle") << "35"
                               << ""
                               << "" << 35.0 << false << false << "35\u00B0";
        QTest::newRow("angle with a sign and comma") << "32,5\u00B0"
                                                     << ""
                                                     << "" << 32.5 << false << false << "32,5\u00B0";
        QTest::newRow("a ratio written as a fraction") << "7/11"
                                                       << "7"
                                                       << "11" << 0.0 << false << false << "7 : 11";
        QTest::newRow("a mixed number is no ratio") << "1 1/2"
                                                    << ""
                                                    << "" << 0.0 << false << true << "1 1/2";
        QTest::newRow("words kept as typed") << "steep"
                                             << ""
                                             << "" << 0.0 << false << true << "steep";
        QTest::newRow("unreadable angle kept") << "3,5,"
                                               << ""
                                               << "" << 0.0 << false << true << "3,5,";
    }
    void slope()
    {
        QFETCH(QString, typed);
        QFETCH(QString, rise);
        QFETCH(QString, run);
        QFETCH(double, angle);
        QFETCH(bool, level);
        QFETCH(bool, refused);
        QFETCH(QString, shown);
        const cell_text::SlopeEntry entry = cell_text::readSlope(typed, u',');
        QCOMPARE(!entry.problem.isEmpty(), refused);
        if (refused)
            QVERIFY(entry.problem.contains(typed));
        QCOMPARE(!entry.stair.has_value(), level);
        if (entry.stair) {
            QCOMPARE(entry.stair->rise, rise);
            QCOMPARE(entry.stair->run, run);
            QCOMPARE(entry.stair->angleDegrees.value_or(0), angle);
        }
        QCOMPARE(cell_text::slopeShown(entry.stair, u','), shown);
    }

    void count_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<std::optional<qint64>>("count");
        QTest::addColumn<bool>("refused");
        QTest::newRow("empty is Auto") << "" << std::optional<qint64>() << false;
        QTest::newRow("whole") << " 12 " << std::optional<qint64>(12) << false;
        QTest::newRow("none") << "0" << std::optional<qint64>(0) << false;
        QTest::newRow("negative") << "-1" << std::optional<qint64>() << true;
        QTest::newRow("fraction") << "6.5" << std::optional<qint64>() << true;
        QTest::newRow("words") << "six" << std::optional<qint64>() << true;
        QTest::newRow("a billion") << "1000000000" << std::optional<qint64>(1'000'000'000) << false;
        QTest::newRow("beyond a billion") << "1000000001" << std::optional<qint64>() << true;
    }
    void count()
    {
        QFETCH(QString, typed);
        QFETCH(std::optional<qint64>, count);
        QFETCH(bool, refused);
        const cell_text::CountEntry entry = cell_text::readCount(typed);
        QCOMPARE(entry.count, count);
        QCOMPARE(!entry.problem.isEmpty(), refused);
    }

    void tabSeparated_data()
    {
        QTest::addColumn<QList<QPoint>>("cells");  // column, row
        QTest::addColumn<QString>("text");
        QTest::newRow("nothing") << QList<QPoint>{} << "";
        QTest::newRow("one cell") << QList<QPoint>{{1, 0}} << "b0\n";
        QTest::newRow("a block in any order") << QList<QPoint>{{1, 1}, {0, 0}, {1, 0}, {0, 1}} << "a0\tb0\na1\tb1\n";
        QTest::newRow("a gap inside the rectangle") << QList<QPoint>{{0, 0}, {2, 1}} << "a0\t\t\n\t\tc1\n";
    }
    void tabSeparated()
    {
        QFETCH(QList<QPoint>, cells);
        QFETCH(QString, text);
        QStandardItemModel model(3, 3);
        for (int row = 0; row < 3; ++row)
            for (int column = 0; column < 3; ++column)
                model.setItem(row, column, new QStandardItem(QChar(u'a' + column) + QString::number(row)));
        QModelIndexList selected;
        for (const QPoint &cell : cells)
            selected.append(model.index(cell.y(), cell.x()));
        QCOMPARE(tabSeparatedText(selected), text);
    }

    void fromCalculator_data()
    {
        QTest::addColumn<QString>("length");
        QTest::addColumn<std::optional<qint64>>("count");     // the calculator's current count
        QTest::addColumn<std::optional<qint64>>("expected");  // what the job stores
        // 36 with 1 3/8 finds 6 railpins itself: the calculator's 6 stays automatic.
        QTest::newRow("the automatic count") << "36" << std::optional<qint64>(6) << std::optional<qint64>();
        QTest::newRow("one railpin fewer") << "36" << std::optional<qint64>(5) << std::optional<qint64>(5);
        QTest::newRow("no current count") << "36" << std::optional<qint64>() << std::optional<qint64>();
        QTest::newRow("unreadable length kept") << "36 1/" << std::optional<qint64>() << std::optional<qint64>();
    }
    void fromCalculator()
    {
        QFETCH(QString, length);
        QFETCH(std::optional<qint64>, count);
        QFETCH(std::optional<qint64>, expected);
        const layout::Job job = calculator_section::newJob({length, "1 3/8", "4", 8, count}, u'.');
        QCOMPARE(job.increment, 8);
        QCOMPARE(job.railpinWidth, QStringLiteral("1 3/8"));
        QCOMPARE(job.maximumGap, QStringLiteral("4"));
        QCOMPARE(job.sections.size(), size_t(1));
        QCOMPARE(job.sections[0].length, length);
        QCOMPARE(job.sections[0].count, expected);
        QVERIFY(!job.sections[0].railpinWidth && !job.sections[0].maximumGap);
    }

    // An empty calculator opens an empty job: the new job's width and
    // maximum gap, one section waiting for its length.
    void fromEmptyCalculator()
    {
        const layout::CalculatorSnapshot empty{"", "", "", 16, std::nullopt};
        const layout::Job job = calculator_section::newJob(empty, u'.');
        QCOMPARE(job.railpinWidth, layout::Job().railpinWidth);
        QCOMPARE(job.maximumGap, layout::Job().maximumGap);
        QCOMPARE(job.sections.size(), size_t(1));
        QVERIFY(job.sections[0].length.isEmpty());
        layout::Job metric;
        metric.unit = layout::Unit::Millimetres;
        metric.railpinWidth = QStringLiteral("35");
        const layout::Section added = calculator_section::section(empty, metric, u'.');
        QVERIFY(!added.railpinWidth && !added.maximumGap);
    }

    void fromCalculatorIntoAnotherJob()
    {
        const layout::CalculatorSnapshot shown{"36", "1 1/2", "4", 16, std::nullopt};
        layout::Job inches;
        inches.sections.resize(2);
        const layout::Section added = calculator_section::section(shown, inches, u'.');
        QCOMPARE(added.name, QStringLiteral("Section 3"));
        QCOMPARE(added.railpinWidth, std::optional<QString>(QStringLiteral("1 1/2")));
        QCOMPARE(added.maximumGap, std::optional<QString>());

        layout::Job metric;
        metric.unit = layout::Unit::Millimetres;
        metric.railpinWidth = QStringLiteral("38.1");
        metric.maximumGap = QStringLiteral("100");
        const layout::Section converted = calculator_section::section(shown, metric, u'.');
        QCOMPARE(converted.length, QStringLiteral("914.4"));
        QCOMPARE(converted.railpinWidth, std::optional<QString>());
        QCOMPARE(converted.maximumGap, std::optional<QString>(QStringLiteral("101.6")));
    }

    // A cell and the engine read a stored length alike; what the user types
    // takes the locale's separator and is stored with ".".
    void cellReadsAsTheEngine_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("stored");
        QTest::addColumn<QChar>("decimalPoint");
        QTest::addColumn<bool>("readable");
        QTest::newRow("stored point, comma locale") << ""
                                                    << "47.5" << QChar(u',') << true;
        QTest::newRow("stored comma, comma locale") << ""
                                                    << "47,5" << QChar(u',') << false;
        QTest::newRow("stored comma, point locale") << ""
                                                    << "47,5" << QChar(u'.') << false;
        QTest::newRow("stored unfinished fraction") << ""
                                                    << "36 1/" << QChar(u',') << false;
        QTest::newRow("typed comma, comma locale") << "47,5"
                                                   << "47.5" << QChar(u',') << true;
        QTest::newRow("typed point, comma locale") << "47.5"
                                                   << "47.5" << QChar(u',') << true;
        QTest::newRow("typed comma, point locale") << "47,5"
                                                   << "47,5" << QChar(u'.') << false;
    }
    void cellReadsAsTheEngine()
    {
        QFETCH(QString, typed);
        QFETCH(QString, stored);
        QFETCH(QChar, decimalPoint);
        QFETCH(bool, readable);
        JobDocument document;
        SectionsModel model(document, decimalPoint);
        layout::Job job;
        job.sections.resize(1);
        job.sections[0].length = typed.isEmpty() ? stored : QStringLiteral("36");
        document.showJob(job);
        const QModelIndex length = model.index(0, SectionsModel::Length);
        if (!typed.isEmpty())
            QVERIFY(model.setData(length, typed));
        QCOMPARE(model.job().sections[0].length, stored);
        QCOMPARE(length.data(SectionsModel::ProblemRole).toString().isEmpty(), readable);
        QCOMPARE(layout::layOut(model.job(), model.job().sections[0]).laidOut(), readable);
    }

    // What the window says of a section: numbers with the user's separator;
    // a stair's unknown fields kept through an edit of its slope.
    void sectionsModel()
    {
        JobDocument document;
        SectionsModel model(document, u',');
        layout::Job job;
        job.sections.resize(2);
        job.sections[0].length = QStringLiteral("36");
        job.sections[0].count = 5;
        job.sections[1].length = QStringLiteral("48");
        job.sections[1].stair = layout::Stair{QStringLiteral("7"), QStringLiteral("11"), std::nullopt};
        job.sections[1].stair->unknownFields.insert(QStringLiteral("treads"), 12);
        document.showJob(job);
        QCOMPARE(model.index(0, SectionsModel::Gap).data(Qt::ToolTipRole).toString(),
                 QStringLiteral("the gap of 4,854167 (4 7/8) with 5 railpins is wider than the maximum gap of 4"));
        QVERIFY(model.setData(model.index(1, SectionsModel::Slope), QStringLiteral("8 : 10")));
        QCOMPARE(model.job().sections[1].stair->rise, QStringLiteral("8"));
        QCOMPARE(model.job().sections[1].stair->unknownFields.value(QStringLiteral("treads")).toInt(), 12);
    }
};

QTEST_GUILESS_MAIN(TestJobCells)
#include "tst_job_cells.moc"
