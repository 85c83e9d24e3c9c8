// SPDX-License-Identifier: LicenseRef-proprietary
#pragma once

#include "job.h"

#include <QLatin1StringView>

#include <array>
#include <optional>
#include <utility>

// The words of a stair's choices, as the job file, its reader and writer and
// the command line all write them.
namespace layout::stair_words {

inline constexpr std::array<std::pair<QLatin1StringView, Newels>, 4> kNewels{{
    {QLatin1StringView("none"), Newels::None},
    {QLatin1StringView("bottom"), Newels::Bottom},
    {QLatin1StringView("top"), Newels::Top},
    {QLatin1StringView("both"), Newels::Both},
}};

// The railpins per tread when the fewest within the gap are laid out.
inline constexpr QLatin1StringView kAutomatic("auto");

inline std::optional<Newels> newelsNamed(QStringView word)
{
    for (const auto &[name, value] : kNewels)
        if (word == name)
            return value;
    return std::nullopt;
}

inline QLatin1StringView newelsWord(Newels newels)
{
    for (const auto &[name, value] : kNewels)
        if (value == newels)
            return name;
    return kNewels.front().first;
}

// The ranges a stair by treads accepts, in the file and on the command line.
inline constexpr qint64 kMostTreads = 200;
inline constexpr qint64 kMostPerTread = 10;
inline constexpr qint64 kMostMinimumPerTread = 4;
inline constexpr qint64 kDefaultMinimumPerTread = 2;

}  // namespace layout::stair_words
