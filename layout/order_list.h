// SPDX-License-Identifier: LicenseRef-proprietary
#pragma once

#include "job.h"
#include "section_layout.h"

#include <QString>
#include <QStringList>

#include <optional>
#include <vector>

// The cut and order list of a job: rail pieces planned onto stock boards,
// railpins grouped by cut length, posts and screws. Pure: the plan is made
// from exact lengths, and only its texts are rounded.
namespace layout {

// The order settings a job uses: its own, or the defaults of its unit.
OrderSettings orderSettings(const Job &job);
QString defaultRailStock(Unit unit);
QString defaultKerf(Unit unit);

// One rail to cut: a section's span for one row of rails.
struct RailPiece
{
    QString section;
    int row = 1;  // 1-based, from the top rail
    double length = 0;
};

// One board bought and the pieces cut from it, longest first.
struct Board
{
    double stock = 0;
    std::vector<RailPiece> cuts;
    double used = 0;  // the cuts and the kerfs between them
    double offcut() const { return stock - used; }
};

struct RailPlan
{
    std::vector<Board> boards;
    QStringList problems;  // pieces longer than the longest stock, each named
};

// Longest piece first (ties in the order given), each into the first board it
// still fits with a kerf between cuts, else a new board of the longest stock;
// then each board becomes the shortest stock that holds its cuts.
RailPlan planRails(std::vector<RailPiece> pieces, std::vector<double> stock, double kerf, const Job &job);

// Railpins of one cut length, or counted without one.
struct RailpinGroup
{
    std::optional<double> cutLength;  // absent: counted, not cut
    QString why;                      // when absent: why there is no length
    qint64 count = 0;
    qint64 withExtra = 0;
    std::optional<double> stock;  // the shortest railpin stock that holds the cut
    qint64 perStock = 0;          // cuts from one stock piece
    qint64 stockPieces = 0;       // with a stock: pieces of it to buy
    std::optional<qint64> packs;  // with a pack size: whole packs of what is bought
    qint64 toBuy() const;         // packs, else stock pieces, else railpins with extra
};

struct OrderList
{
    RailPlan rails;
    std::vector<double> railStock;  // the lengths boards are bought in, shortest first
    std::vector<RailpinGroup> railpins;
    std::optional<qint64> posts;  // absent: the job has no runs to count them from
    qint64 screws = 0;
    qint64 screwsWithExtra = 0;
    // What cannot be bought as planned; the rest of the list still stands.
    QStringList problems;
    // Sections whose rails are measured on site (a stair by its treads).
    QStringList notes;
};

// A whole number plus the job's extra stock, rounded up.
qint64 withExtraStock(const Job &job, qint64 count);

// Why the job's order settings cannot be used (an unreadable stock list, a
// negative kerf, rows outside 0 to 4), naming the field; empty when they can.
QString orderSettingsProblem(const Job &job);

// The list for a job whose sections are laid out (`layouts` in the job's
// order); sections that are not laid out give nothing.
OrderList orderList(const Job &job, const std::vector<SectionLayout> &layouts);

// One line of the list as the command line and the CSV write it; an empty
// field is absent. Lengths exact, in the job's unit.
struct OrderRow
{
    QLatin1StringView item;  // "Rail board", "Rail piece", "Railpin", "Post", "Screw"
    std::optional<double> length;
    std::optional<qint64> count;
    std::optional<qint64> withExtra;
    std::optional<double> stock;
    std::optional<qint64> buy;
};

// Rail boards by stock length, shortest first; rail pieces by cut and board
// length, longest first; railpins by cut length; posts; screws.
std::vector<OrderRow> orderRows(const OrderList &list);

// A list of lengths as typed ("96, 120, 144, 192" or "8', 10'"), shortest
// first; nothing when any item is not a length above 0.
std::optional<std::vector<double>> stockLengths(const QString &text, Unit unit);

}  // namespace layout
