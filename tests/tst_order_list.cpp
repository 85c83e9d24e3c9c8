// SPDX-License-Identifier: LicenseRef-proprietary
#include "job_file.h"
#include "measurement.h"
#include "order_list.h"
#include "section_layout.h"
#include "unit_conversion.h"

#include <QTest>

using namespace layout;

Q_DECLARE_METATYPE(layout::OrderSettings)
Q_DECLARE_METATYPE(std::optional<qint32>)

namespace {

// "65 1/2 x3" is three level sections of that clear span.
Job jobOf(const QString &sections, Unit unit)
{
    Job job;
    job.unit = unit;
    job.railpinWidth = unit == Unit::Inches ? QStringLiteral("1 1/2") : QStringLiteral("41");
    job.maximumGap = unit == Unit::Inches ? QStringLiteral("4") : QStringLiteral("99");
    int number = 0;
    for (const QString &group : sections.split(QLatin1String("; "))) {
        const QStringList parts = group.split(QLatin1String(" x"));
        for (int copy = 0; copy < (parts.size() > 1 ? parts[1].toInt() : 1); ++copy) {
            Section section;
            section.name = numberedSectionName(++number);
            section.length = parts[0];
            job.sections.push_back(section);
        }
    }
    return job;
}

// "144 [65 1/2, 65 1/2] 12 7/8": each board's stock, cuts and offcut.
QString boardsText(const Job &job, const RailPlan &plan)
{
    QStringList boards;
    for (const Board &board : plan.boards) {
        QStringList cuts;
        for (const RailPiece &cut : board.cuts)
            cuts << markText(cut.length, job);
        boards << QStringLiteral("%1 [%2] %3")
                      .arg(markText(board.stock, job), cuts.join(QLatin1String(", ")), limitText(board.offcut(), job));
    }
    return boards.join(QLatin1String("; "));
}

std::vector<SectionLayout> layOutAll(const Job &job)
{
    std::vector<SectionLayout> layouts;
    for (const Section &section : job.sections)
        layouts.push_back(layOut(job, section));
    return layouts;
}

}  // namespace

class tst_OrderList : public QObject
{
    Q_OBJECT

private slots:
    void planAndCount_data();
    void planAndCount();
    void refusedSettings_data();
    void refusedSettings();
    void fileRoundTrip();
    void convertsWithTheJob();
};

void tst_OrderList::planAndCount_data()
{
    QTest::addColumn<QString>("sections");
    QTest::addColumn<bool>("metric");
    QTest::addColumn<OrderSettings>("settings");
    QTest::addColumn<std::optional<qint32>>("packSize");
    QTest::addColumn<QString>("boards");
    QTest::addColumn<QString>("problems");
    QTest::addColumn<QString>("railpins");  // count, with extra, stock, buy
    QTest::addColumn<QString>("screws");    // count, with extra

    const auto settings = [](int rows, const QString &stock, const QString &kerf) {
        OrderSettings order;
        order.railRows = rows;
        if (!stock.isEmpty())
            order.railStock = stock;
        if (!kerf.isEmpty())
            order.kerf = kerf;
        return order;
    };
    OrderSettings deck = settings(2, {}, {});
    deck.railpinLength = QStringLiteral("32");
    deck.railpinStock = QStringLiteral("36");
    QTest::newRow("three bays of 65 1/2: 3 boards of 12 ft") << "65 1/2 x3" << false << deck << std::optional<qint32>()
                                                             << "144 [65 1/2, 65 1/2] 12 7/8; "
                                                                "144 [65 1/2, 65 1/2] 12 7/8; "
                                                                "144 [65 1/2, 65 1/2] 12 7/8"
                                                             << ""
                                                             << "36 40 36 40"
                                                             << "168 185";
    QTest::newRow("13 bays of a 100 ft fence, 3 rails, 8 ft stock: 39 boards")
        << "88.807692 x13" << false << settings(3, "8'", {}) << std::optional<qint32>()
        << QStringList(39, QStringLiteral("96 [88 13/16] 7 3/16")).join(QLatin1String("; ")) << ""
        << "208 229 - 229"
        << "988 1087";
    QTest::newRow("wall bay and post bay pair up by length")
        << "70 1/4; 68 1/2" << false << settings(2, {}, {}) << std::optional<qint32>()
        << "144 [70 1/4, 70 1/4] 3 3/8; 144 [68 1/2, 68 1/2] 6 7/8"
        << ""
        << "25 28 - 28"
        << "116 128";
    QTest::newRow("a piece over the longest stock is named, the rest planned")
        << "197; 60" << false << settings(1, {}, {}) << std::optional<qint32>() << "96 [60] 36"
        << "Section 1 row 1: its rail of 197 is longer than the longest stock (192); put a post under it"
        << "47 52 - 52"
        << "196 216";
    QTest::newRow("mm: two bays of 1710 on a 3600 board, offcut 177")
        << "1710 x3" << true << settings(2, {}, {}) << std::optional<qint32>()
        << "3600 [1710, 1710] 177; 3600 [1710, 1710] 177; 3600 [1710, 1710] 177"
        << ""
        << "36 40 - 40"
        << "168 185";
    QTest::newRow("exactly full fits without kerf")
        << "96" << false << settings(2, "96, 192", "0") << std::optional<qint32>() << "192 [96, 96] 0"
        << ""
        << "17 19 - 19"
        << "76 84";
    QTest::newRow("a kerf makes it two boards")
        << "96" << false << settings(2, "96, 192", "1/8") << std::optional<qint32>() << "96 [96] 0; 96 [96] 0"
        << ""
        << "17 19 - 19"
        << "76 84";
    OrderSettings short16 = settings(0, {}, {});
    short16.railpinLength = QStringLiteral("16");
    short16.railpinStock = QStringLiteral("36");
    QTest::newRow("two railpins of 16 from a piece of 36") << "112" << false << short16 << std::optional<qint32>() << ""
                                                           << ""
                                                           << "20 22 36 11"
                                                           << "80 88";
    QTest::newRow("packs of 12 of railpins bought singly")
        << "65 1/2 x3" << false << settings(0, {}, {}) << std::optional<qint32>(12) << ""
        << ""
        << "36 40 - 4"
        << "144 159";
    OrderSettings tooLong = settings(0, {}, {});
    tooLong.railpinLength = QStringLiteral("44");
    tooLong.railpinStock = QStringLiteral("36, 42");
    QTest::newRow("railpins longer than their stock") << "65 1/2" << false << tooLong << std::optional<qint32>() << ""
                                                      << "railpins of 44 are longer than the longest stock (42)"
                                                      << "12 14 - 14"
                                                      << "48 53";
}

void tst_OrderList::planAndCount()
{
    QFETCH(QString, sections);
    QFETCH(bool, metric);
    QFETCH(OrderSettings, settings);
    QFETCH(std::optional<qint32>, packSize);
    QFETCH(QString, boards);
    QFETCH(QString, problems);
    QFETCH(QString, railpins);
    QFETCH(QString, screws);

    Job job = jobOf(sections, metric ? Unit::Millimetres : Unit::Inches);
    job.order = settings;
    job.packSize = packSize;
    QCOMPARE(orderSettingsProblem(job), QString());
    const OrderList list = orderList(job, layOutAll(job));
    QCOMPARE(boardsText(job, list.rails), boards);
    QCOMPARE(list.problems.join(QLatin1String("; ")), problems);
    QCOMPARE(list.railpins.size(), std::size_t(1));
    const RailpinGroup &group = list.railpins.front();
    QCOMPARE(QStringLiteral("%1 %2 %3 %4")
                 .arg(group.count)
                 .arg(group.withExtra)
                 .arg(group.stock ? markText(*group.stock, job) : QStringLiteral("-"))
                 .arg(group.toBuy()),
             railpins);
    QCOMPARE(QStringLiteral("%1 %2").arg(list.screws).arg(list.screwsWithExtra), screws);
    QVERIFY(!list.posts);
}

void tst_OrderList::refusedSettings_data()
{
    QTest::addColumn<OrderSettings>("settings");
    QTest::addColumn<QString>("problem");
    OrderSettings words;
    words.railStock = QStringLiteral("8 ft, ten");
    QTest::newRow("stock that is not lengths") << words << "the rail stock \"8 ft, ten\" is not a list of lengths";
    OrderSettings zero;
    zero.railStock = QStringLiteral("96, 0");
    QTest::newRow("a stock of 0") << zero << "the rail stock \"96, 0\" is not a list of lengths";
    OrderSettings kerf;
    kerf.kerf = QStringLiteral("-1/8");
    QTest::newRow("negative kerf") << kerf << "the kerf \"-1/8\" is less than 0";
    OrderSettings rows;
    rows.railRows = 5;
    QTest::newRow("five rows") << rows << "the rail rows are 5, not 0 to 4";
}

void tst_OrderList::refusedSettings()
{
    QFETCH(OrderSettings, settings);
    QFETCH(QString, problem);
    Job job = jobOf(QStringLiteral("36"), Unit::Inches);
    job.order = settings;
    QCOMPARE(orderSettingsProblem(job), problem);
}

void tst_OrderList::fileRoundTrip()
{
    Job job = jobOf(QStringLiteral("36"), Unit::Inches);
    QCOMPARE(fileVersion(job), 1);
    OrderSettings order;
    order.railRows = 3;
    order.railStock = QStringLiteral("8', 12'");
    order.railpinLength = QStringLiteral("32");
    order.screwsPerRailEnd = 3;
    job.order = order;
    const QByteArray bytes = serializeJob(job);
    QCOMPARE(fileVersion(job), 4);
    const JobReadResult read = parseJob(bytes);
    QVERIFY2(read.job, qPrintable(read.error));
    QCOMPARE(*read.job, job);
    QVERIFY(!bytes.contains("screwsPerRailpin"));  // defaults are not written
}

void tst_OrderList::convertsWithTheJob()
{
    Job job = jobOf(QStringLiteral("36"), Unit::Inches);
    OrderSettings order;
    order.railStock = QStringLiteral("8', 10'");
    order.kerf = QStringLiteral("1/8");
    order.railpinLength = QStringLiteral("32");
    order.railpinStock = QStringLiteral("36, ten");  // not a list: left as typed
    job.order = order;
    const Job metric = convertedTo(job, Unit::Millimetres);
    QVERIFY(metric.order);
    QCOMPARE(metric.order->railStock, QStringLiteral("2438.4, 3048"));
    QCOMPARE(metric.order->kerf, QStringLiteral("3.175"));
    QCOMPARE(metric.order->railpinLength, QStringLiteral("812.8"));
    QCOMPARE(metric.order->railpinStock, QStringLiteral("36, ten"));
    // Without stock of its own a job takes its unit's.
    Job plain = jobOf(QStringLiteral("914"), Unit::Millimetres);
    plain.order = OrderSettings{};
    QCOMPARE(orderSettings(plain).railStock, QStringLiteral("2400, 3000, 3600, 4800"));
    QCOMPARE(orderSettings(plain).kerf, QStringLiteral("3"));
}

QTEST_GUILESS_MAIN(tst_OrderList)
#include "tst_order_list.moc"
