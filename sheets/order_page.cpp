// SPDX-License-Identifier: LicenseRef-proprietary
#include "order_page.h"

#include "measurement.h"
#include "order_list.h"
#include "sheet_pages.h"

#include <QCoreApplication>

#include <limits>
#include <map>

namespace {

struct OrderPage
{
    Q_DECLARE_TR_FUNCTIONS(OrderPage)
};

const std::vector<double> kBoardColumns{0.16, 0.64, 0.2};
const std::vector<double> kRailpinColumns{0.2, 0.14, 0.14, 0.16, 0.36};

}  // namespace

namespace sheets {

void paintOrderPage(SheetPages &pages, const layout::Job &job, const std::vector<layout::SectionLayout> &layouts,
                    QChar decimalPoint)
{
    const QString unit = layout::unitName(job.unit);
    const auto length = [&](double value) {
        //: A length and its unit on the order page ("144 in").
        return OrderPage::tr("%1 %2").arg(layout::markText(value, job, decimalPoint), unit);
    };

    pages.keepTogether(std::numeric_limits<double>::infinity());
    const QString title = OrderPage::tr("To order");
    pages.heading(title);
    const QString continued = OrderPage::tr("%1, continued").arg(title);
    pages.setContinuation([&pages, continued] { pages.line(continued, true); });
    if (const QString problem = layout::orderSettingsProblem(job); !problem.isEmpty()) {
        //: The order page in place of the list, when a setting of the order list cannot be read.
        pages.line(OrderPage::tr("No list: %1").arg(problem), true);
        pages.setContinuation({});
        return;
    }
    const layout::OrderList list = layout::orderList(job, layouts);
    const layout::OrderSettings settings = layout::orderSettings(job);

    pages.line(OrderPage::tr("Rails"), true);
    pages.line(
        OrderPage::tr("%1 rows per section, stock %2, kerf %3")
            .arg(settings.railRows)
            .arg(QString(*settings.railStock).replace(u'.', decimalPoint),
                 layout::markText(layout::measurementValue(*settings.kerf, job.unit).value_or(0), job, decimalPoint)));
    std::map<double, int> boardsByStock;
    for (const layout::Board &board : list.rails.boards)
        ++boardsByStock[board.stock];
    for (const auto &[stock, boards] : boardsByStock)
        //: Boards to buy: how many, then the stock length ("3 × 144 in").
        pages.line(OrderPage::tr("Buy %1 × %2").arg(boards).arg(length(stock)), true);
    if (!list.rails.boards.empty()) {
        pages.row({OrderPage::tr("Board"), OrderPage::tr("Cuts"), OrderPage::tr("Offcut")}, kBoardColumns, true);
        for (const layout::Board &board : list.rails.boards) {
            QStringList cuts;
            for (const layout::RailPiece &cut : board.cuts)
                cuts << layout::markText(cut.length, job, decimalPoint);
            pages.row({length(board.stock), cuts.join(QStringLiteral(", ")),
                       layout::limitText(board.offcut(), job, decimalPoint)},
                      kBoardColumns);
        }
    }
    for (const QString &note : list.notes)
        pages.line(note);

    pages.skip(0.5);
    pages.line(OrderPage::tr("Railpins"), true);
    pages.row({OrderPage::tr("Length"), OrderPage::tr("Count"), OrderPage::tr("With extra"), OrderPage::tr("Stock"),
               OrderPage::tr("Buy")},
              kRailpinColumns, true);
    for (const layout::RailpinGroup &group : list.railpins) {
        QString buy;
        if (group.packs)
            buy = OrderPage::tr("%1 packs of %2").arg(*group.packs).arg(job.packSize.value_or(0));
        else if (group.stock)
            buy = OrderPage::tr("%1 pieces of %2").arg(group.stockPieces).arg(length(*group.stock));
        else
            buy = QString::number(group.withExtra);
        pages.row({group.cutLength ? length(*group.cutLength) : group.why, QString::number(group.count),
                   QString::number(group.withExtra), group.stock ? length(*group.stock) : QString(), buy},
                  kRailpinColumns);
    }

    pages.skip(0.5);
    pages.line(list.posts ? OrderPage::tr("Posts: %1").arg(*list.posts)
                          : OrderPage::tr("Posts: not counted — the job has no runs"),
               true);
    pages.line(OrderPage::tr("Screws: %1, with %2 % extra %3")
                   .arg(list.screws)
                   .arg(std::max(0, job.extraStockPercent))
                   .arg(list.screwsWithExtra),
               true);
    if (!list.problems.isEmpty()) {
        pages.skip(0.5);
        pages.line(OrderPage::tr("Cannot be bought as planned"), true);
        for (const QString &problem : list.problems)
            pages.line(problem);
    }
    pages.setContinuation({});
}

}  // namespace sheets
