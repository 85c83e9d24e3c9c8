// SPDX-License-Identifier: LicenseRef-proprietary
#include "order_list.h"

#include "field_reading.h"
#include "measurement.h"
#include "run.h"
#include "stair_treads.h"

#include <QCoreApplication>

#include <algorithm>
#include <cmath>
#include <numbers>

namespace layout {

namespace {

double measured(const std::optional<QString> &text, Unit unit)
{
    if (!text)
        return 0;
    return measurementValue(*text, unit).value_or(0);
}

// The shortest of `lengths` (shortest first) that holds `length`.
std::optional<double> shortestHolding(const std::vector<double> &lengths, double length)
{
    const auto found =
        std::find_if(lengths.begin(), lengths.end(), [length](double stock) { return atMost(length, stock); });
    return found == lengths.end() ? std::nullopt : std::optional<double>(*found);
}

// A problem names a section as the user would find it.
QString shownName(const Job &job, std::size_t index)
{
    const QString &name = job.sections[index].name;
    return name.isEmpty() ? numberedSectionName(qsizetype(index) + 1) : name;
}

// A stair's rail along its length, and the plumb cut at each end: the rail's
// depth times the rise over the run, once for both ends.
double stairRail(const Job &job, const Section &section, const SectionLayout &laid)
{
    const double depth = section.stair ? measured(section.stair->railDepth, job.unit) : 0;
    return laid.length + depth * std::tan(laid.slopeDegrees * std::numbers::pi / 180);
}

// One piece per rail row of every laid-out section; a stair by its treads
// gives none, as its rail runs between newels measured on site.
std::vector<RailPiece> railPieces(const Job &job, const OrderSettings &settings,
                                  const std::vector<SectionLayout> &layouts, QStringList &notes)
{
    std::vector<RailPiece> pieces;
    for (std::size_t index = 0; index < layouts.size() && index < job.sections.size(); ++index) {
        const SectionLayout &laid = layouts[index];
        if (!laid.laidOut() || settings.railRows == 0)
            continue;
        if (laid.treads) {
            notes << QCoreApplication::translate("layout", "%1: measure the rail between the newels")
                         .arg(shownName(job, index));
            continue;
        }
        const double length = laid.stair ? stairRail(job, job.sections[index], laid) : double(laid.length);
        for (int row = 1; row <= settings.railRows; ++row)
            pieces.push_back({shownName(job, index), row, length});
    }
    return pieces;
}

RailpinGroup railpinGroup(const Job &job, std::optional<double> cut, const QString &why, qint64 count,
                          const std::vector<double> &stock, double kerf)
{
    RailpinGroup group;
    group.cutLength = cut;
    group.why = why;
    group.count = count;
    group.withExtra = withExtraStock(job, count);
    if (cut) {
        group.stock = shortestHolding(stock, *cut);
        if (group.stock) {
            // A cut that holds is at least one a piece; no piece is cut into more than a count can hold.
            const double fit = std::floor((*group.stock + kerf) / (*cut + kerf) + 1e-9);
            group.perStock = std::isfinite(fit) ? qint64(std::clamp(fit, 1.0, double(kLargestCount))) : 1;
            group.stockPieces = (group.withExtra + group.perStock - 1) / group.perStock;
        }
    }
    if (job.packSize && *job.packSize > 0) {
        const qint64 bought = group.stock ? group.stockPieces : group.withExtra;
        group.packs = (bought + *job.packSize - 1) / *job.packSize;
    }
    return group;
}

}  // namespace

QString defaultRailStock(Unit unit)
{
    return unit == Unit::Millimetres ? QStringLiteral("2400, 3000, 3600, 4800") : QStringLiteral("8', 10', 12', 16'");
}

QString defaultKerf(Unit unit)
{
    return unit == Unit::Millimetres ? QStringLiteral("3") : QStringLiteral("1/8");
}

OrderSettings orderSettings(const Job &job)
{
    OrderSettings settings = job.order.value_or(OrderSettings{});
    if (!settings.railStock || settings.railStock->trimmed().isEmpty())
        settings.railStock = defaultRailStock(job.unit);
    if (!settings.kerf || settings.kerf->trimmed().isEmpty())
        settings.kerf = defaultKerf(job.unit);
    return settings;
}

qint64 RailpinGroup::toBuy() const
{
    if (packs)
        return *packs;
    return stock ? stockPieces : withExtra;
}

qint64 withExtraStock(const Job &job, qint64 count)
{
    // Whole numbers throughout, as the totals count: 10 % of 20 is 2.
    const qint64 percent = std::max<qint64>(0, job.extraStockPercent);
    return count + (count * percent + 99) / 100;
}

std::optional<std::vector<double>> stockLengths(const QString &text, Unit unit)
{
    std::vector<double> lengths;
    for (const QString &item : text.split(u',')) {
        const std::optional<double> length = measurementValue(item.trimmed(), unit);
        if (!length || !(*length > 0) || !std::isfinite(*length))
            return std::nullopt;
        lengths.push_back(*length);
    }
    std::sort(lengths.begin(), lengths.end());
    lengths.erase(std::unique(lengths.begin(), lengths.end()), lengths.end());
    return lengths;
}

QString orderSettingsProblem(const Job &job)
{
    const OrderSettings settings = orderSettings(job);
    if (settings.railRows < 0 || settings.railRows > kMostRailRows)
        return QCoreApplication::translate("layout", "the rail rows are %1, not 0 to %2")
            .arg(settings.railRows)
            .arg(kMostRailRows);
    if (!stockLengths(*settings.railStock, job.unit))
        return QCoreApplication::translate("layout", "the rail stock \"%1\" is not a list of lengths")
            .arg(*settings.railStock);
    if (settings.railpinStock && !settings.railpinStock->trimmed().isEmpty() &&
        !stockLengths(*settings.railpinStock, job.unit))
        return QCoreApplication::translate("layout", "the railpin stock \"%1\" is not a list of lengths")
            .arg(*settings.railpinStock);
    const Reading kerf = readMeasurement(*settings.kerf, job.unit);
    if (!kerf.value)
        return QCoreApplication::translate("layout", "the kerf: %1").arg(kerf.problem);
    if (*kerf.value < 0)
        return QCoreApplication::translate("layout", "the kerf \"%1\" is less than 0").arg(*settings.kerf);
    if (settings.railpinLength && !settings.railpinLength->trimmed().isEmpty()) {
        const Reading length = readMeasurement(*settings.railpinLength, job.unit);
        if (!length.value)
            return QCoreApplication::translate("layout", "the railpin length: %1").arg(length.problem);
        if (!(*length.value > 0))
            return QCoreApplication::translate("layout", "the railpin length \"%1\" is not more than 0")
                .arg(*settings.railpinLength);
    }
    return {};
}

RailPlan planRails(std::vector<RailPiece> pieces, std::vector<double> stock, double kerf, const Job &job)
{
    RailPlan plan;
    std::sort(stock.begin(), stock.end());
    if (stock.empty())
        return plan;
    const double longest = stock.back();
    std::stable_sort(pieces.begin(), pieces.end(),
                     [](const RailPiece &a, const RailPiece &b) { return a.length > b.length; });
    for (RailPiece &piece : pieces) {
        if (!atMost(piece.length, longest)) {
            //: A section's name and rail row, the piece's length, the longest stock length.
            plan.problems << QCoreApplication::translate(
                                 "layout", "%1 row %2: its rail of %3 is longer than the longest stock (%4); put a "
                                           "post under it")
                                 .arg(piece.section)
                                 .arg(piece.row)
                                 .arg(markText(piece.length, job), markText(longest, job));
            continue;
        }
        const auto open = std::find_if(plan.boards.begin(), plan.boards.end(), [&](const Board &board) {
            return atMost(board.used + kerf + piece.length, longest);
        });
        if (open == plan.boards.end()) {
            plan.boards.push_back({longest, {piece}, piece.length});
        } else {
            open->used += kerf + piece.length;
            open->cuts.push_back(piece);
        }
    }
    for (Board &board : plan.boards)
        board.stock = shortestHolding(stock, board.used).value_or(longest);
    return plan;
}

OrderList orderList(const Job &job, const std::vector<SectionLayout> &layouts)
{
    OrderList list;
    const OrderSettings settings = orderSettings(job);
    const double kerf = std::max(0.0, measured(settings.kerf, job.unit));
    list.railStock = stockLengths(*settings.railStock, job.unit).value_or(std::vector<double>{});
    const std::vector<RailPiece> pieces = railPieces(job, settings, layouts, list.notes);
    list.rails = planRails(pieces, list.railStock, kerf, job);
    list.problems = list.rails.problems;

    const std::vector<double> railpinStock =
        settings.railpinStock && !settings.railpinStock->trimmed().isEmpty()
            ? stockLengths(*settings.railpinStock, job.unit).value_or(std::vector<double>{})
            : std::vector<double>{};
    const std::optional<double> railpinLength = settings.railpinLength && !settings.railpinLength->trimmed().isEmpty()
                                                    ? measurementValue(*settings.railpinLength, job.unit)
                                                    : std::nullopt;
    qint64 level = 0;
    qint64 stairs = 0;
    qint64 railpins = 0;
    // A stair by its treads with a rail height has a few cut lengths, each
    // on every tread: grouped by the length as it is shown.
    std::vector<std::pair<QString, std::pair<double, qint64>>> treadCuts;
    for (std::size_t index = 0; index < layouts.size() && index < job.sections.size(); ++index) {
        const SectionLayout &laid = layouts[index];
        if (!laid.laidOut())
            continue;
        railpins += laid.count;
        if (!laid.treads || laid.treads->lengths.empty()) {
            (laid.stair ? stairs : level) += laid.count;
            continue;
        }
        for (const TreadRailpin &railpin : laid.treads->railpins) {
            const double cut = laid.treads->lengths[std::size_t(railpin.position - 1)].cut;
            const QString shown = markText(cut, job);
            const auto same = std::find_if(treadCuts.begin(), treadCuts.end(),
                                           [&shown](const auto &group) { return group.first == shown; });
            if (same == treadCuts.end())
                treadCuts.push_back({shown, {cut, 1}});
            else
                ++same->second.second;
        }
    }
    if (level > 0) {
        list.railpins.push_back(railpinGroup(
            job, railpinLength, QCoreApplication::translate("layout", "length not given"), level, railpinStock, kerf));
    }
    std::stable_sort(treadCuts.begin(), treadCuts.end(),
                     [](const auto &a, const auto &b) { return a.second.first > b.second.first; });
    for (const auto &[shown, cut] : treadCuts)
        list.railpins.push_back(railpinGroup(job, cut.first, {}, cut.second, railpinStock, kerf));
    if (stairs > 0) {
        list.railpins.push_back(railpinGroup(job, std::nullopt,
                                             QCoreApplication::translate("layout", "stair: railpins of many lengths"),
                                             stairs, railpinStock, kerf));
    }
    for (const RailpinGroup &group : list.railpins) {
        if (group.cutLength && !group.stock && !railpinStock.empty()) {
            list.problems << QCoreApplication::translate("layout",
                                                         "railpins of %1 are longer than the longest stock (%2)")
                                 .arg(markText(*group.cutLength, job), markText(railpinStock.back(), job));
        }
    }

    if (!job.runs.empty())
        list.posts = jobPosts(job);
    list.screws = railpins * settings.screwsPerRailpin + qint64(pieces.size()) * 2 * settings.screwsPerRailEnd;
    list.screwsWithExtra = withExtraStock(job, list.screws);
    return list;
}

std::vector<OrderRow> orderRows(const OrderList &list)
{
    std::vector<OrderRow> rows;
    std::vector<double> stocks;
    for (const Board &board : list.rails.boards)
        stocks.push_back(board.stock);
    std::sort(stocks.begin(), stocks.end());
    for (auto from = stocks.begin(); from != stocks.end();) {
        const auto to = std::find_if(from, stocks.end(), [from](double stock) { return stock != *from; });
        const qint64 boards = to - from;
        rows.push_back({QLatin1StringView("Rail board"), *from, boards, std::nullopt, *from, boards});
        from = to;
    }
    struct Cut
    {
        double length;
        double stock;
        qint64 count;
    };
    std::vector<Cut> cuts;
    for (const Board &board : list.rails.boards) {
        for (const RailPiece &piece : board.cuts) {
            const auto same = std::find_if(cuts.begin(), cuts.end(), [&](const Cut &cut) {
                return cut.stock == board.stock && std::abs(cut.length - piece.length) <= 1e-9 * piece.length;
            });
            if (same == cuts.end())
                cuts.push_back({piece.length, board.stock, 1});
            else
                ++same->count;
        }
    }
    std::stable_sort(cuts.begin(), cuts.end(), [](const Cut &a, const Cut &b) { return a.length > b.length; });
    for (const Cut &cut : cuts)
        rows.push_back({QLatin1StringView("Rail piece"), cut.length, cut.count, std::nullopt, cut.stock, std::nullopt});
    for (const RailpinGroup &group : list.railpins)
        rows.push_back(
            {QLatin1StringView("Railpin"), group.cutLength, group.count, group.withExtra, group.stock, group.toBuy()});
    if (list.posts)
        rows.push_back({QLatin1StringView("Post"), std::nullopt, *list.posts, *list.posts, std::nullopt, *list.posts});
    rows.push_back({QLatin1StringView("Screw"), std::nullopt, list.screws, list.screwsWithExtra, std::nullopt,
                    list.screwsWithExtra});
    return rows;
}

}  // namespace layout
