// SPDX-License-Identifier: LicenseRef-proprietary
#pragma once

#include "calculator_snapshot.h"

#include <QString>

#include <optional>
#include <vector>

// The layout sheet printed below the window: where each railpin's centre lies,
// measured from the left post, so that a carpenter can mark the rail. Every
// mark is rounded from its exact position, never by adding rounded steps, so
// no error builds up along the rail.
namespace layout_sheet {

// At most this many railpins are listed; beyond it the sheet says so and gives
// only the last railpin, so a huge count neither hangs nor fills the printer.
inline constexpr int kListedRailpins = 200;

// A distance from the left post: exact, and as the sheet writes it.
struct Mark
{
    double inches = 0;
    QString decimal;                  // decimal text to 7 significant digits
    std::optional<QString> fraction;  // rounded to the increment; none when beyond the fraction range
};

struct Centre
{
    double railpin = 0;  // 1-based
    Mark mark;
};

enum class Status {
    Ready,       // the sheet below is filled in
    NoRailpins,  // no count above 0 with a positive gap: nothing to lay out
    NotCurrent,  // the results shown are not those of the count shown, e.g. after an input was edited
};

struct Sheet
{
    Status status = Status::NoRailpins;
    double count = 0;            // the railpins in the section
    std::vector<Centre> listed;  // railpins 1 to min(count, kListedRailpins)
    Centre last;                 // the railpin at the right post's end
    Mark lastToRightPost;        // from the last centre to the right post
    bool complete() const { return double(listed.size()) == count; }
};

// Counts above this are not whole railpins a double can tell apart; the
// window never reaches them (Auto stops at 10^15).
inline constexpr double kLargestListedCount = 9'007'199'254'740'992.0;  // 2^53

// The position written as the window writes its results: decimal text to 7
// significant digits, and the fraction rounded to 1/denominator.
Mark mark(double inches, qint32 denominator);

// The sheet of the count the calculator has laid out, when it has one.
Sheet make(const layout::CalculatorSnapshot &shown, int listedRailpins = kListedRailpins);

// The increment's name as the calculator's list shows it; empty for none.
QString incrementName(qint32 denominator);

}  // namespace layout_sheet
