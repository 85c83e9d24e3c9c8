// SPDX-License-Identifier: LicenseRef-proprietary
#include "cell_text.h"

#include "job_limits.h"

#include <QCoreApplication>
#include <QStringList>

#include <cmath>

namespace cell_text {

namespace {

const QChar kDegree(0x00B0);

}  // namespace

QString shown(const QString &stored, QChar decimalPoint)
{
    QString text = stored;
    if (decimalPoint != u'.')
        text.replace(u'.', decimalPoint);
    return text;
}

QString shownList(const QString &stored, QChar decimalPoint)
{
    if (decimalPoint != u',')
        return shown(stored, decimalPoint);
    QStringList items = stored.split(u',');
    for (QString &item : items)
        item = shown(item.trimmed(), decimalPoint);
    return items.join(QStringLiteral("; "));
}

QString storedList(const QString &typed, QChar decimalPoint)
{
    if (decimalPoint != u',')
        return stored(typed, decimalPoint);
    QStringList items = typed.split(u';');
    for (QString &item : items)
        item = stored(item, decimalPoint);
    return items.join(QStringLiteral(", "));
}

QString stored(const QString &typed, QChar decimalPoint)
{
    QString text = typed.trimmed();
    if (decimalPoint != u'.')
        text.replace(decimalPoint, u'.');
    return text;
}

QString slopeShown(const std::optional<layout::Stair> &stair, QChar decimalPoint)
{
    if (!stair)
        return {};
    if (!stair->unreadSlope.isEmpty() && !stair->angleDegrees && stair->rise.isEmpty() && stair->run.isEmpty())
        return shown(stair->unreadSlope, decimalPoint);
    if (!stair->rise.isEmpty() || !stair->run.isEmpty() || !stair->angleDegrees)
        return shown(stair->rise, decimalPoint) + QStringLiteral(" : ") + shown(stair->run, decimalPoint);
    return shown(QString::number(*stair->angleDegrees, 'g', 12), decimalPoint) + kDegree;
}

SlopeEntry readSlope(const QString &typed, QChar decimalPoint)
{
    const QString text = typed.trimmed();
    if (text.isEmpty())
        return {};
    if (const qsizetype colon = text.indexOf(u':'); colon >= 0) {
        layout::Stair stair;
        stair.rise = stored(text.left(colon), decimalPoint);
        stair.run = stored(text.mid(colon + 1), decimalPoint);
        return {stair, {}};
    }
    // Builders write a slope as a ratio too: "7/11" is 7 : 11. A bare
    // fraction of two plain numbers only, so that "1 1/2" is not taken apart.
    if (const qsizetype slash = text.indexOf(u'/');
        slash > 0 && text.count(u'/') == 1 && !text.contains(u' ') && slash + 1 < text.size()) {
        layout::Stair stair;
        stair.rise = stored(text.left(slash), decimalPoint);
        stair.run = stored(text.mid(slash + 1), decimalPoint);
        return {stair, {}};
    }
    QString number = text;
    if (number.endsWith(kDegree))
        number.chop(1);
    bool ok = false;
    const double degrees = stored(number, decimalPoint).toDouble(&ok);
    if (!ok || !std::isfinite(degrees)) {
        layout::Stair unread;
        unread.unreadSlope = stored(text, decimalPoint);
        return {unread, QCoreApplication::translate(
                            "cell_text", "Slope \"%1\" is neither an angle in degrees nor rise : run, such as 7 : 11")
                            .arg(text)};
    }
    layout::Stair stair;
    stair.angleDegrees = degrees;
    return {stair, {}};
}

CountEntry readCount(const QString &typed)
{
    const QString text = typed.trimmed();
    if (text.isEmpty())
        return {};
    bool ok = false;
    const qint64 count = text.toLongLong(&ok);
    if (ok && count > layout::kLargestCount)
        return {std::nullopt, QCoreApplication::translate("cell_text", "Count \"%1\" is more than %2, the most a job "
                                                                       "file can hold")
                                  .arg(text)
                                  .arg(layout::kLargestCount)};
    if (!ok || count < 0)
        return {std::nullopt,
                QCoreApplication::translate("cell_text", "Count \"%1\" is not a whole number of railpins; leave it "
                                                         "empty for the fewest railpins within the maximum gap")
                    .arg(text)};
    return {count, {}};
}

}  // namespace cell_text
