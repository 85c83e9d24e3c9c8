// SPDX-License-Identifier: LicenseRef-proprietary
#pragma once

#include <QJsonObject>
#include <QString>

#include <optional>

namespace layout {

// What a job asks the lumber yard for, as the user typed it. Lengths are kept
// as text like every measurement of a job; an absent one takes its unit's
// default (see order_list.h).
struct OrderSettings
{
    qint32 railRows = 2;                   // rails per section: top and bottom
    std::optional<QString> railStock;      // "8', 10', 12', 16'"
    std::optional<QString> kerf;           // the saw's cut
    std::optional<QString> railpinLength;  // the cut length of a railpin between rails
    std::optional<QString> railpinStock;   // lengths railpins are cut from
    qint32 screwsPerRailpin = 4;
    qint32 screwsPerRailEnd = 2;
    QJsonObject unknownFields = {};  // kept from the file and written back

    bool operator==(const OrderSettings &) const = default;
};

// The bounds of the whole numbers above.
inline constexpr qint32 kMostRailRows = 4;
inline constexpr qint32 kMostScrews = 1000;

}  // namespace layout
