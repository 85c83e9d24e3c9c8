// SPDX-License-Identifier: LicenseRef-proprietary
#pragma once

#include "job.h"

#include <QLatin1StringView>
#include <QStringView>

#include <algorithm>
#include <array>
#include <cstddef>
#include <optional>

// The words that stand for the job's choices, one table per choice, shared by
// the job file's reader and writer and by the command line: a word read in
// one place is always written and accepted the same way in the others.
namespace layout::job_words {

template <typename Value> struct Word
{
    QLatin1StringView word;
    Value value;
};

// The first row of each table is the job's default.
inline constexpr std::array<Word<Unit>, 2> kUnits{
    {{QLatin1StringView("in"), Unit::Inches}, {QLatin1StringView("mm"), Unit::Millimetres}}};
inline constexpr std::array<Word<Ends>, 2> kEnds{
    {{QLatin1StringView("full"), Ends::Full}, {QLatin1StringView("half"), Ends::Half}}};
inline constexpr std::array<Word<Spacing>, 2> kSpacings{
    {{QLatin1StringView("equal"), Spacing::Equal}, {QLatin1StringView("same"), Spacing::Same}}};
inline constexpr std::array<Word<Centre>, 3> kCentres{{{QLatin1StringView("either"), Centre::Either},
                                                       {QLatin1StringView("railpin"), Centre::Railpin},
                                                       {QLatin1StringView("gap"), Centre::Gap}}};
inline constexpr std::array<Word<MeasuredBetween>, 2> kBetweens{
    {{QLatin1StringView("faces"), MeasuredBetween::Faces}, {QLatin1StringView("centres"), MeasuredBetween::Centres}}};
inline constexpr std::array<Word<MarksFrom>, 2> kMarksFrom{
    {{QLatin1StringView("faces"), MarksFrom::Faces}, {QLatin1StringView("centres"), MarksFrom::Centres}}};
inline constexpr std::array<Word<Newels>, 4> kNewels{{{QLatin1StringView("none"), Newels::None},
                                                      {QLatin1StringView("bottom"), Newels::Bottom},
                                                      {QLatin1StringView("top"), Newels::Top},
                                                      {QLatin1StringView("both"), Newels::Both}}};
// A run may start at a corner, the end post of the run before it, but never end at one.
inline constexpr std::array<Word<RunEnd>, 3> kRunStarts{{{QLatin1StringView("post"), RunEnd::Post},
                                                         {QLatin1StringView("wall"), RunEnd::Wall},
                                                         {QLatin1StringView("corner"), RunEnd::Corner}}};
inline constexpr std::array<Word<RunEnd>, 2> kRunEnds{
    {{QLatin1StringView("post"), RunEnd::Post}, {QLatin1StringView("wall"), RunEnd::Wall}}};

// A stair's railpins per tread when the fewest within the gap are laid out.
inline constexpr QLatin1StringView kAutomaticPerTread("auto");

// The value a word stands for; nothing for a word not in the table (the
// comparison is exact: "MM" is not "mm").
template <typename Value, std::size_t Size>
constexpr std::optional<Value> valueOf(const std::array<Word<Value>, Size> &words, QStringView text)
{
    for (const Word<Value> &entry : words) {
        if (text == entry.word)
            return entry.value;
    }
    return std::nullopt;
}

template <typename Value, std::size_t Size>
constexpr QLatin1StringView wordOf(const std::array<Word<Value>, Size> &words, Value value)
{
    for (const Word<Value> &entry : words) {
        if (entry.value == value)
            return entry.word;
    }
    return words.front().word;
}

// The longest word of a table, for bounds on a file's size.
template <typename Value, std::size_t Size> constexpr qsizetype longestWord(const std::array<Word<Value>, Size> &words)
{
    qsizetype longest = 0;
    for (const Word<Value> &entry : words)
        longest = std::max(longest, entry.word.size());
    return longest;
}

}  // namespace layout::job_words
