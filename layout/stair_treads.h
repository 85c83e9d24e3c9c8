// SPDX-License-Identifier: LicenseRef-proprietary
#pragma once

#include "job.h"

#include <QString>
#include <QStringList>

#include <optional>
#include <vector>

// A stair given by its treads: the same pattern of railpins on every tread,
// an even share of the tread's run, each railpin in a tread position cut to
// its own length. Every value is exact; texts round once from it.
namespace layout {

struct SectionLayout;

// One railpin of a stair by treads, measured from the first riser face.
struct TreadRailpin
{
    qint64 railpin = 0;   // 1-based, from the bottom, newels skipped
    qint64 tread = 0;     // 1-based, from the bottom
    qint64 position = 0;  // 1-based on its tread, from the riser face
    double onTread = 0;   // its centre from this tread's riser face
    double level = 0;     // its centre from the first riser face, measured level
    double alongTheRail = 0;
};

// The railpins of one tread position, cut alike on every tread.
struct TreadLength
{
    qint64 position = 0;
    double onTread = 0;
    double centre = 0;  // the length at the railpin's centre
    double cut = 0;     // what is cut: the centre length, or the long point of the top cut
    qint64 howMany = 0;
};

struct StairTreads
{
    qint64 treads = 0;
    qint64 perTread = 0;
    bool perTreadGiven = false;
    qint64 minimum = 0;  // the job's least per tread
    double rise = 0;     // one step's
    double run = 0;      // one step's, riser face to riser face
    double onCentre = 0;
    double firstFromRiser = 0;
    double nosing = 0;
    Newels newels = Newels::None;
    std::vector<double> pattern;  // each position's centre from the riser face
    // With a rail height: one row per tread position; else empty.
    std::vector<TreadLength> lengths;
    bool cutSquare = false;    // railpins into holes are cut square at both ends
    double topCutDegrees = 0;  // the rake, from square
    std::vector<TreadRailpin> railpins;
};

// Lays out a section whose stair gives its treads. `out` holds the width,
// maximum gap, design gap and slope as read; problems and warnings are added
// to it, and on success its count, gap and marks are filled in.
void layOutTreads(const Job &job, const Section &section, SectionLayout &out);

// Problems of a stair given by its treads that stop it before any value is
// read: an angle for a slope, a length as well, counts out of range.
QStringList treadsShapeProblems(const Job &job, const Section &section);

// A stair given by its length: its rail depth must read, and what only a
// stair by treads uses (the pattern, the newels, the lengths) is kept with
// a warning that it is not used, rather than passed over in silence.
void checkLengthStairFields(const Job &job, const Section &section, SectionLayout &out);

// The count and per-tread figures in words for a sheet: "3 per tread (the
// fewest within 4 in; at least 2), on centre 3 5/16 (3.333333), gap measured
// level 2 9/16 (2.583333)".
QString treadsDescription(const Job &job, const Section &section, const SectionLayout &laid);

// The pattern from the riser face ("3/8, 3 7/8, 7 3/8") and the count
// with the newels ("13 treads × 3 = 39 railpins", "… less 2 for newels").
QString treadPatternText(const Job &job, const StairTreads &treads);
QString treadCountText(const StairTreads &treads, qint64 count);

// The saw's settings for the top cut: "top cut 36.87°, bottom square" and
// the same from plumb; "cut square at both ends" for railpins into holes.
QString treadCutText(const StairTreads &treads);

// An angle in degrees with two decimals: "36.87".
QString degreesTwoPlaces(double degrees);

}  // namespace layout
