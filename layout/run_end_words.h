// SPDX-License-Identifier: LicenseRef-proprietary
#pragma once

#include "job.h"

#include <QLatin1StringView>
#include <QStringView>

#include <array>
#include <optional>

// The words for what a run starts or ends at, as the job file and the
// command line write them. A run may start at a corner, never end at one.
namespace layout::run_end_words {

struct Word
{
    QLatin1StringView word;
    RunEnd value;
};

inline constexpr std::array<Word, 3> kAll{{{QLatin1StringView("post"), RunEnd::Post},
                                           {QLatin1StringView("wall"), RunEnd::Wall},
                                           {QLatin1StringView("corner"), RunEnd::Corner}}};

// The words a run's start may take, and its end: all but "corner".
inline constexpr std::size_t kStartWords = 3;
inline constexpr std::size_t kEndWords = 2;

inline QLatin1StringView word(RunEnd value)
{
    for (const Word &entry : kAll) {
        if (entry.value == value)
            return entry.word;
    }
    return kAll.front().word;
}

// The reference a word stands for, among the first `allowed` words.
inline std::optional<RunEnd> fromWord(QStringView text, std::size_t allowed)
{
    for (std::size_t index = 0; index < allowed && index < kAll.size(); ++index) {
        if (text == kAll[index].word)
            return kAll[index].value;
    }
    return std::nullopt;
}

}  // namespace layout::run_end_words
