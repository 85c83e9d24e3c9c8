// SPDX-License-Identifier: LicenseRef-proprietary
#include "order_text.h"

#include "measurement.h"

#include <QStringList>

namespace command_line {

QString orderText(const layout::Job &job, const layout::OrderList &list)
{
    const auto length = [&job](std::optional<double> value) {
        return value ? layout::markText(*value, job) : QString();
    };
    const auto number = [](std::optional<qint64> value) { return value ? QString::number(*value) : QString(); };
    QString output = QStringLiteral("Item\tLength\tCount\tWith extra\tStock\tBuy\n");
    for (const layout::OrderRow &row : layout::orderRows(list)) {
        output += QStringList{row.item,          length(row.length), number(row.count), number(row.withExtra),
                              length(row.stock), number(row.buy)}
                      .join(u'\t') +
                  u'\n';
    }
    return output;
}

}  // namespace command_line
