// SPDX-License-Identifier: LicenseRef-proprietary
#include "order_csv.h"

#include "marks_csv.h"
#include "measurement.h"

#include <QStringList>

namespace exports {

QByteArray orderCsv(const layout::Job &job, const layout::OrderList &list, const CsvStyle &style)
{
    const bool inches = job.unit == layout::Unit::Inches;
    const QString unit = inches ? QStringLiteral("in") : QStringLiteral("mm");
    QStringList headings{QStringLiteral("Item"),       QStringLiteral("Length (%1)").arg(unit), QStringLiteral("Count"),
                         QStringLiteral("With extra"), QStringLiteral("Stock (%1)").arg(unit),  QStringLiteral("Buy")};
    if (inches)
        headings << QStringLiteral("Length, fraction") << QStringLiteral("Stock, fraction");
    const int places = inches ? 6 : 3;
    const auto decimal = [places, &style](std::optional<double> value) {
        return value ? style.number(*value, places) : QString();
    };
    const auto fraction = [&job](std::optional<double> value) {
        return value ? CsvStyle::fraction(layout::markText(*value, job)) : QString();
    };
    const auto number = [](std::optional<qint64> value) { return value ? QString::number(*value) : QString(); };

    QString text = style.headingRow(headings);
    for (const layout::OrderRow &row : layout::orderRows(list)) {
        QStringList fields{row.item,           decimal(row.length), number(row.count), number(row.withExtra),
                           decimal(row.stock), number(row.buy)};
        if (inches)
            fields << fraction(row.length) << fraction(row.stock);
        text += style.row(fields);
    }
    return text.toUtf8();
}

}  // namespace exports
