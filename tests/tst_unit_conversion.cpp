// SPDX-License-Identifier: LicenseRef-proprietary
#include "section_layout.h"
#include "unit_conversion.h"

#include <QTest>

using layout::Rounding;
using layout::Unit;

class TestUnitConversion : public QObject
{
    Q_OBJECT

private slots:
    void measurements_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("from");
        QTest::addColumn<bool>("down");
        QTest::addColumn<QString>("converted");  // empty: left as typed
        const int in = int(Unit::Inches);
        const int mm = int(Unit::Millimetres);
        // clang-format off
        QTest::newRow("a thirty-second exactly") << "1/32" << in << false << "0.79375";
        QTest::newRow("mixed number") << "1 3/8" << in << false << "34.925";
        QTest::newRow("four inches exactly, also rounded down") << "4" << in << true << "101.6";
        QTest::newRow("decimal inches") << "36.1" << in << false << "916.94";
        QTest::newRow("feet and inches") << "12' 3 1/2\"" << in << false << "3746.5";
        QTest::newRow("a third rounded to 5 decimals") << "1/3" << in << false << "8.46667";
        QTest::newRow("a third rounded down") << "1/3" << in << true << "8.46666";
        QTest::newRow("back to inches") << "34.925" << mm << false << "1 3/8";
        QTest::newRow("back to the nearest sixteenth") << "914" << mm << false << "36";
        QTest::newRow("a halfway sixteenth goes down") << "0.79375" << mm << false << "0";
        QTest::newRow("maximum gap down to a sixteenth") << "101" << mm << true << "3 15/16";
        QTest::newRow("maximum gap exactly four inches") << "101.6" << mm << true << "4";
        QTest::newRow("unreadable") << "abc" << in << false << "";
        QTest::newRow("fraction in millimetres") << "3/8" << mm << false << "";
        // clang-format on
    }
    void measurements()
    {
        QFETCH(QString, text);
        QFETCH(int, from);
        QFETCH(bool, down);
        QFETCH(QString, converted);
        const Unit to = Unit(from) == Unit::Inches ? Unit::Millimetres : Unit::Inches;
        const auto result =
            layout::convertedMeasurement(text, Unit(from), to, down ? Rounding::Down : Rounding::Nearest, 16);
        QCOMPARE(result.value_or(QString()), converted);
    }

    // The whole job there and back: readable lengths return to their sixteenth,
    // the maximum gap never grows, unreadable text stays, counts and angles stay.
    void jobThereAndBack()
    {
        layout::Job job;
        job.railpinWidth = QStringLiteral("1 3/8");
        job.maximumGap = QStringLiteral("4 3/8");
        job.maximumGapStairs = QStringLiteral("4");
        layout::Section level;
        level.length = QStringLiteral("36");
        level.count = 7;
        layout::Section stair;
        stair.length = QStringLiteral("48 1/16");
        stair.maximumGap = QStringLiteral("3.9");
        stair.stair = layout::Stair{QStringLiteral("7 1/2"), QStringLiteral("10"), 36.87, {}};
        layout::Section halfTyped;
        halfTyped.length = QStringLiteral("3 ft");
        layout::Section thirds;  // nearest would give 84.66667, above the maximum typed
        thirds.length = QStringLiteral("36");
        thirds.maximumGap = QStringLiteral("3 1/3");
        job.sections = {level, stair, halfTyped, thirds};

        layout::ConversionReport report;
        const layout::Job metric = layout::convertedTo(job, Unit::Millimetres, &report);
        QCOMPARE(report.rounded, 0);  // 3.9 in is 99.06 mm exactly
        QCOMPARE(metric.unit, Unit::Millimetres);
        QCOMPARE(metric.maximumGapStairs, std::optional<QString>(QStringLiteral("101.6")));
        QCOMPARE(metric.railpinWidth, QStringLiteral("34.925"));
        QCOMPARE(metric.maximumGap, QStringLiteral("111.125"));
        QCOMPARE(metric.sections[0].length, QStringLiteral("914.4"));
        QCOMPARE(metric.sections[0].count, qint64(7));
        QCOMPARE(metric.sections[1].length, QStringLiteral("1220.7875"));
        QCOMPARE(metric.sections[1].maximumGap, QStringLiteral("99.06"));
        QCOMPARE(metric.sections[1].stair->rise, QStringLiteral("190.5"));
        QCOMPARE(metric.sections[1].stair->run, QStringLiteral("254"));
        QCOMPARE(metric.sections[1].stair->angleDegrees, 36.87);
        QCOMPARE(metric.sections[2].length, QStringLiteral("3 ft"));
        QCOMPARE(metric.sections[3].maximumGap, QStringLiteral("84.66666"));
        // The same section lays out alike in both units.
        QCOMPARE(layout::layOut(metric, metric.sections[1]).count, layout::layOut(job, job.sections[1]).count);

        const layout::Job back = layout::convertedTo(metric, Unit::Inches, &report);
        // Two lengths moved: 99.06 mm to 3 7/8 in, which is 98.425 mm, the
        // largest change; and 84.66666 mm to 3 5/16 in.
        QCOMPARE(report.rounded, 2);
        QVERIFY(qAbs(report.largestChange - 0.635) < 1e-9);
        QCOMPARE(back.maximumGapStairs, std::optional<QString>(QStringLiteral("4")));
        QCOMPARE(back.unit, Unit::Inches);
        QCOMPARE(back.railpinWidth, QStringLiteral("1 3/8"));
        QCOMPARE(back.maximumGap, QStringLiteral("4 3/8"));
        QCOMPARE(back.sections[0].length, QStringLiteral("36"));
        QCOMPARE(back.sections[1].length, QStringLiteral("48 1/16"));
        QCOMPARE(back.sections[1].maximumGap, QStringLiteral("3 7/8"));  // 3.9 in, rounded down to the sixteenth
        QCOMPARE(back.sections[2].length, QStringLiteral("3 ft"));
        QCOMPARE(layout::convertedTo(back, Unit::Inches).railpinWidth, back.railpinWidth);

        // 90 mm is 3.5433 in: a design gap rounds down like its limit, a post width to the nearest.
        layout::Job posts;
        posts.unit = Unit::Millimetres;
        posts.designGap = QStringLiteral("90");
        posts.postWidth = QStringLiteral("90");
        posts.sections = {level};
        posts.sections[0].designGap = QStringLiteral("90");
        const layout::Job postsInInches = layout::convertedTo(posts, Unit::Inches);
        QCOMPARE(postsInInches.designGap, std::optional<QString>(QStringLiteral("3 1/2")));
        QCOMPARE(postsInInches.sections[0].designGap, std::optional<QString>(QStringLiteral("3 1/2")));
        QCOMPARE(postsInInches.postWidth, std::optional<QString>(QStringLiteral("3 9/16")));
    }

    void metricPresets()
    {
        QCOMPARE(layout::metricMaximumGapPresets({QStringLiteral("4"), QStringLiteral("4 3/8")}),
                 (QStringList{"100", "101", "111"}));
    }
};

QTEST_GUILESS_MAIN(TestUnitConversion)
#include "tst_unit_conversion.moc"
