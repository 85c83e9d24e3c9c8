// SPDX-License-Identifier: LicenseRef-proprietary
#pragma once

#include "order_settings.h"

#include <QJsonObject>
#include <QString>
#include <QStringList>

#include <optional>
#include <vector>

// A railing job as the user describes it: plain values, no behaviour. Every
// measurement is kept as the text the user typed (with "." as the decimal
// separator), so that a half-finished cell survives a save and is flagged
// again when the file is opened; reading it is the business of layOut().
namespace layout {

enum class Unit { Inches, Millimetres };

// Where the end railpins stand: a full gap at each post, as the calculator
// lays out, or half a gap at each post.
enum class Ends { Full, Half };

// How the gaps of a section are spaced: all equal, post to post, or the
// design gap exactly between railpins with what is left split equally
// between the two end gaps, so that sections of different lengths share
// one spacing.
enum class Spacing { Equal, Same };

// What stands at mid-span: whatever the count gives, a railpin (an odd
// count) or a gap (an even count).
enum class Centre { Either, Railpin, Gap };

// What a section's length is measured between: the posts' faces, or their
// centres (the clear span is then the length less one post width).
enum class MeasuredBetween { Faces, Centres };

// What the marks of a section measured between post centres are given
// from: the post faces, where the clear span starts, or the post centres,
// where the builder snapped his lines (each mark is then half a post
// further from its post).
enum class MarksFrom { Faces, Centres };

// Which treads of a stair given by its treads carry a newel post: a newel
// on the bottom tread stands where its front railpin would, one on the top
// tread where its back railpin would.
enum class Newels { None, Bottom, Top, Both };

// The slope of a stair section: rise and run as measurements, or an angle in
// degrees. Rise and run win when both are given.
struct Stair
{
    QString rise;
    QString run;
    std::optional<double> angleDegrees;
    // Kept from the file and written back; initialised here so that
    // Stair{rise, run, angle} stays complete.
    QJsonObject unknownFields = {};
    // A slope typed that is neither rise : run nor an angle, kept as typed
    // (with "." as the decimal separator) so that it is shown and flagged
    // rather than lost; empty otherwise.
    QString unreadSlope = {};

    // A stair given by its treads instead of its length: the rise and run
    // are then one step's, the run from riser face to riser face.
    std::optional<qint64> treads = std::nullopt;
    std::optional<qint64> perTread = std::nullopt;  // absent: the fewest within the gap
    // The first railpin's centre from the riser face; absent: half a railpin width.
    std::optional<QString> firstFromRiser = std::nullopt;
    std::optional<Newels> newels = std::nullopt;   // absent: none
    std::optional<QString> nosing = std::nullopt;  // absent: 0
    // Plumb from the nosing line to the top of the rail; absent: no lengths.
    std::optional<QString> railHeight = std::nullopt;
    std::optional<QString> railDepth = std::nullopt;  // square to the slope; absent: 0
    std::optional<QString> insert = std::nullopt;     // the holes' depth, top and bottom together; absent: 0
    // Plumb from the nosing line to the bottom rail's lower edge: the
    // opening under it is checked against the triangle sphere.
    std::optional<QString> bottomRail = std::nullopt;

    bool operator==(const Stair &) const = default;
};

// Which run a section is a bay of, set on the sections derived from a run
// and never written to the file. A run that cannot be planned gives one
// section of bay number 0 whose problems say why.
struct BayOf
{
    qsizetype run = 0;     // index into Job::runs
    qint64 number = 0;     // 1-based from the run's start
    QStringList problems;  // empty for a bay that is laid out

    bool operator==(const BayOf &) const = default;
};

struct Section
{
    QString name;
    QString length;                       // along the rail, between the posts
    std::optional<QString> railpinWidth;  // absent: the job's
    std::optional<QString> maximumGap;    // absent: the job's
    Ends ends = Ends::Full;
    std::optional<qint64> count;  // absent: the fewest railpins whose gap is within the maximum
    std::optional<Stair> stair;   // absent: a level section
    QJsonObject unknownFields;    // kept from the file and written back
    // Each absent: the job's.
    std::optional<QString> designGap;
    std::optional<Spacing> spacing;
    std::optional<Centre> centre;
    std::optional<MeasuredBetween> measuredBetween;
    std::optional<BayOf> bay = {};  // absent: a section of its own, as typed

    bool operator==(const Section &) const = default;
};

// What a run starts or ends at: the centre of a post, the face of a wall (no
// post), or, at its start, the previous run's end post, shared with it.
enum class RunEnd { Post, Wall, Corner };

// A straight line of railing between two references, split into the fewest
// equal bays whose posts stand at most the maximum post spacing apart. Each
// bay is laid out as a section with the run's fields.
struct Run
{
    QString name;
    QString length;  // from the start reference to the end reference
    RunEnd start = RunEnd::Post;
    RunEnd end = RunEnd::Post;
    std::optional<QString> maxPostSpacing;  // absent: the job's
    // The fields every bay takes; each absent: the job's.
    std::optional<QString> railpinWidth;
    std::optional<QString> maximumGap;
    std::optional<Ends> ends;
    std::optional<QString> designGap;
    std::optional<Spacing> spacing;
    std::optional<Centre> centre;
    QJsonObject unknownFields;  // kept from the file and written back

    bool operator==(const Run &) const = default;
};

struct Job
{
    QString name;
    Unit unit = Unit::Inches;
    QString railpinWidth = QStringLiteral("1 3/8");
    QString maximumGap = QStringLiteral("4");  // level sections
    // Stair sections; absent or empty: the same as the level one.
    std::optional<QString> maximumGapStairs;
    qint32 increment = 16;  // inches: marks rounded to 1/increment (4, 8, 16 or 32)
    double markStep = 1;    // millimetres: marks rounded to this step (1 or 0.5)
    qint32 extraStockPercent = 10;
    std::optional<qint32> packSize;
    std::vector<Section> sections;
    QJsonObject unknownFields;  // kept from the file and written back
    // The gap aimed at, at most the limit; absent or empty: the limit.
    std::optional<QString> designGap;
    Spacing spacing = Spacing::Equal;
    Centre centre = Centre::Either;
    MeasuredBetween measuredBetween = MeasuredBetween::Faces;
    MarksFrom marksFrom = MarksFrom::Faces;  // sections between post faces are marked from them whatever it says
    std::optional<QString> postWidth;        // needed when lengths are between post centres, and by runs
    std::optional<QString> maxPostSpacing;   // runs: the most from post centre to post centre
    // Runs come before the sections of their own: their bays lead job.sections.
    std::vector<Run> runs;
    std::optional<OrderSettings> order;  // absent: the job has no order list
    // Stairs given by their treads take at least this many railpins per
    // tread; absent: 2.
    std::optional<qint64> minPerTread;
    // The sphere that must not pass under a stair's bottom rail; absent: 6 in or 152 mm.
    std::optional<QString> triangleSphere;

    bool operator==(const Job &) const = default;
};

// Which limit a section's gap is checked against.
enum class GapLimit {
    Section,  // the section's own maximum gap
    Level,    // the job's maximum gap
    Stairs,   // the job's maximum gap on stairs
};

// The width and maximum gap that apply to a section: its own where given,
// else the job's, for a stair the job's limit on stairs when it has one.
QString sectionRailpinWidth(const Job &job, const Section &section);
QString sectionMaximumGap(const Job &job, const Section &section);
GapLimit sectionGapLimit(const Job &job, const Section &section);

// The layout values that apply to a section: its own where given, else the
// job's. The design gap is empty when neither gives one.
QString sectionDesignGap(const Job &job, const Section &section);
Spacing sectionSpacing(const Job &job, const Section &section);
Centre sectionCentre(const Job &job, const Section &section);
MeasuredBetween sectionMeasuredBetween(const Job &job, const Section &section);

// True when the job or a section lays out otherwise than equal gaps within
// the limit between post faces: a file that an older program would misread.
bool usesBalancedLayouts(const Job &job);

// True when the job gives a maximum gap on stairs of its own.
bool hasStairsLimit(const Job &job);

// Which limit, in words for a sheet or a tooltip: "the job's maximum gap on stairs".
QString gapLimitName(GapLimit limit);

// The name a section gets where it is added as the job's `number`th: "Section 3".
QString numberedSectionName(qsizetype number);

// A new job as New and a fresh window show it: one empty section, "Section 1".
Job newJob();

// The railpin width and maximum gap a new job starts with in each unit.
QString defaultRailpinWidth(Unit unit);
QString defaultMaximumGap(Unit unit);

// True when the job holds no length but the defaults of its unit: no section
// length, slope or width or gap of its own, no limit on stairs, no run. Such a job
// changes unit by taking the other unit's defaults; any other is converted.
bool hasOnlyDefaultLengths(const Job &job);

}  // namespace layout
