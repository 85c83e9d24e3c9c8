// SPDX-License-Identifier: LicenseRef-proprietary
#pragma once

#include <QtGlobal>

// The limits of a job, in one place: what reading accepts, what the window
// lets an edit make, what a save may write and how much work laying out may
// take. Each is far above any real railing and keeps a small hostile file
// from taking the machine.
namespace layout {

// A job file: reading refuses a larger one, and a save never writes one.
inline constexpr qint64 kMaximumFileBytes = qint64{1024} * 1024;

inline constexpr int kMaximumSections = 1000;

// Railpins in one pack, for counting whole packs to order.
inline constexpr qint32 kLargestPackSize = 1'000'000;

// Objects and lists inside one another, unknown fields included.
inline constexpr int kMaximumNesting = 64;

// A count a cell or the file may hold: beyond it no double is sure to be a
// whole number. A count within it but above kMaximumRailpins is read and
// flagged as a problem of its section.
inline constexpr qint64 kLargestCount = 1'000'000'000;

// More railpins than this in one section is refused as a problem: no real
// railing needs them, and the marks list must stay finite.
inline constexpr qint64 kMaximumRailpins = 10000;

// The work budget: railpins laid out in a whole job. A job over it is one
// that cannot be laid out.
inline constexpr qint64 kMaximumJobRailpins = 200'000;

// A stair given by its treads: its treads, railpins on each tread, and the
// least per tread a job may ask for (and asks for when it says nothing).
inline constexpr qint64 kMostTreads = 200;
inline constexpr qint64 kMostPerTread = 10;
inline constexpr qint64 kMostMinimumPerTread = 4;
inline constexpr qint64 kDefaultMinimumPerTread = 2;

}  // namespace layout
