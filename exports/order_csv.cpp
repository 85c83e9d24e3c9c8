// SPDX-License-Identifier: LicenseRef-proprietary
#include "order_csv.h"

#include "marks_csv.h"
#include "measurement.h"

#include <QStringList>

namespace exports {

QByteArray orderCsv(const layout::Job &job, const layout::OrderList &list)
{
    const bool inches = job.unit == layout::Unit::Inches;
    const QString unit = inches ? QStringLiteral("in") : QStringLiteral("mm");
    QStringList headings{QStringLiteral("Item"),       QStringLiteral("Length (%1)").arg(unit), QStringLiteral("Count"),
                         QStringLiteral("With extra"), QStringLiteral("Stock (%1)").arg(unit),  QStringLiteral("Buy")};
    if (inches)
        headings << QStringLiteral("Length (in) (fraction)") << QStringLiteral("Stock (in) (fraction)");
    const int places = inches ? 6 : 3;
    const auto decimal = [places](std::optional<double> value) {
        return value ? QString::number(*value, 'f', places) : QString();
    };
    const auto fraction = [&job](std::optional<double> value) {
        return value ? layout::markText(*value, job) : QString();
    };
    const auto number = [](std::optional<qint64> value) { return value ? QString::number(*value) : QString(); };

    QString text = csvRow(headings);
    for (const layout::OrderRow &row : layout::orderRows(list)) {
        QStringList fields{row.item,           decimal(row.length), number(row.count), number(row.withExtra),
                           decimal(row.stock), number(row.buy)};
        if (inches)
            fields << fraction(row.length) << fraction(row.stock);
        text += csvRow(fields);
    }
    return text.toUtf8();
}

}  // namespace exports
