// SPDX-License-Identifier: LicenseRef-proprietary
#pragma once

#include "job.h"
#include "job_limits.h"
#include "mark_reference.h"
#include "stair_treads.h"
#include "stair_triangle.h"

#include <QString>
#include <QStringList>

#include <optional>
#include <vector>

// Laying out one section of a job: how many railpins, the equal gap, and
// where each railpin stands. Pure and total: every input gives a layout,
// whose problems say in words what could not be done. Never throws.
namespace layout {

// One railpin's marks, measured along the rail (for a level section that is
// the horizontal distance) in the job's unit, each exact: rounding to text is
// done by markText() from these exact positions, never by adding steps.
struct RailpinMarks
{
    qint64 railpin = 0;  // 1-based, from the left post
    double leftEdge = 0;
    double centre = 0;
    double rightEdge = 0;
    double centreFromRightPost = 0;
    double fromMidSpan = 0;  // signed: less than 0 left of the middle of the clear span
};

struct SectionLayout
{
    // Problems stop the layout (unreadable text, railpins that do not fit, a
    // slope of 60 degrees or more); each is a full sentence naming the field
    // and the text, e.g. "length \"abc\" is not a measurement". When any is
    // present the numbers below are not meaningful and `marks` is empty.
    QStringList problems;
    // Warnings do not stop it: a given count whose gap exceeds the maximum,
    // with both figures.
    QStringList warnings;

    bool laidOut() const { return problems.isEmpty(); }

    // The inputs as read (job's unit).
    float length = 0;  // along the rail, the clear span between the post faces
    float railpinWidth = 0;
    float maximumGap = 0;
    Ends ends = Ends::Full;
    bool countGiven = false;
    std::optional<float> designGap;  // the gap aimed at; absent: the maximum gap
    Spacing spacing = Spacing::Equal;
    Centre centre = Centre::Either;
    // Between post centres: the length as given and the post width it is
    // less by (for a stair, divided by the cosine); else both 0.
    float lengthBetweenCentres = 0;
    float postWidth = 0;

    // What the marks are measured from, and how far that stands outside
    // each post face, along the rail and level: half a post with marks
    // from the post centres, else 0. `marks` and `horizontalMarks` stay
    // measured from the post faces, where the drawings place the railpins;
    // every list of marks shows them through referencedMarks().
    MarkReference reference = MarkReference::Post;
    double referenceShift = 0;
    double horizontalReferenceShift = 0;

    // Stair geometry; for a level section slopeDegrees is 0 and cosine 1.
    bool stair = false;
    double slopeDegrees = 0;
    double cosine = 1;
    double horizontalRun = 0;  // length * cosine: the run the railpins share

    qint64 count = 0;
    float gap = 0;            // the horizontal gap, single precision as the calculator shows it
    double exactGap = 0;      // the same before rounding to single: marks are laid out with it
    float outerOnCentre = 0;  // level full ends: as the calculator's "O On Center"
    float innerOnCentre = 0;  // level full ends: as the calculator's "I On Center"
    // The horizontal gap between each post and its nearest railpin, exact:
    // the gap with full ends, half of it with half ends, what is left over
    // with the same spacing.
    double endGap = 0;

    // Marks along the rail, and for a stair also horizontally.
    std::vector<RailpinMarks> marks;
    std::vector<RailpinMarks> horizontalMarks;  // empty for a level section

    // A stair given by its treads: the pattern on each tread, each railpin's
    // tread and lengths. Its marks above run from the first riser face.
    std::optional<StairTreads> treads;
    // A stair that gives its bottom rail: the opening under it.
    std::optional<StairTriangle> triangle;
};

// The railpins of a level section with full ends, from a length and width
// already read: count, exact gap and run, without marks. With railpinMarks()
// it places any railpin of a count too large to list in full.
SectionLayout levelGeometry(float length, float railpinWidth, qint64 count);

// Where one railpin (1-based) of a laid-out section stands, exact, measured
// horizontally from the left post. The one railpin geometry of the program.
RailpinMarks railpinMarks(const SectionLayout &section, qint64 railpin);

// One railpin's marks of `section` as the builder measures them: from the
// section's reference, each position (and its centre from the right post)
// further by the shift; its distance from mid-span is the same. `level`
// for a stair's horizontal marks, whose shift is level too.
// Inline, as the drawings ask it of every railpin of a job.
inline RailpinMarks referencedMarks(const SectionLayout &section, const RailpinMarks &marks, bool level = false)
{
    const double shift = level ? section.horizontalReferenceShift : section.referenceShift;
    RailpinMarks shifted = marks;
    shifted.leftEdge += shift;
    shifted.centre += shift;
    shifted.rightEdge += shift;
    shifted.centreFromRightPost += shift;
    return shifted;
}

// A mark's signed distance from mid-span as builders write it: "−3 1/2"
// left of the middle, "3 1/2" right, "0" for what rounds to the middle.
QString fromMidSpanText(double value, const Job &job, QChar decimalPoint = u'.');

// With the same spacing, end gaps narrower than this (1/2 in, 12 mm) leave
// no room to fix a railpin at the post: the layout warns of them.
double narrowestEndGap(Unit unit);

// The layout in words for a sheet: "equal gaps, design gap 3 1/2 in, limit 4 in",
// "same spacing 3 1/2 in, end gaps 2 1/4 in, railpin at mid-span".
// Empty for equal gaps within the limit between post faces, as every job laid out before.
QString layoutDescription(const Job &job, const Section &section, const SectionLayout &laid, QChar decimalPoint = u'.');

// The gap of a laid-out section as every place shows it: the window's cell
// and tooltip, the drawing, the sheet and the command line's warnings. For a
// level section with full ends in inches these are the calculator's texts.
struct GapText
{
    QString decimal;   // "3.964286" in inches, "95.6" in millimetres
    QString fraction;  // rounded to the increment ("3 15/16"); empty in millimetres
};
GapText gapText(const SectionLayout &section, const Job &job, QChar decimalPoint = u'.');

// Lays out one section of the job, with the job's width, maximum gap,
// increment and unit where the section gives none. Problems do not name the
// section: callers that list several prefix "section 2: " themselves.
SectionLayout layOut(const Job &job, const Section &section);

// The railpins of every section that can be laid out, added up without
// making any marks: what the work budget is checked against.
qint64 jobRailpins(const Job &job);

// Empty when the job is within kMaximumJobRailpins; else why it cannot be
// laid out, naming the limit. Checked before any work that grows with it.
QString workBudgetProblem(const Job &job);
// The same for a job whose railpins the caller has counted already.
QString workBudgetProblem(qint64 railpins);

struct Totals
{
    qint64 railpins = 0;          // the sum over laid-out sections
    qint64 toOrder = 0;           // railpins plus the extra percent, rounded up, in whole numbers
    std::optional<qint64> packs;  // whole packs to buy, when the job gives a pack size
    int sectionsWithProblems = 0;
    int sections = 0;
};

Totals totals(const Job &job, const std::vector<SectionLayout> &layouts);

// The lines a sheet or the window shows for the totals: "Total railpins: 20",
// "To order (10 % extra): 22", and "3 packs of 8" when a pack size is given.
// When sections are not laid out every line says how many, so that a partial
// total is never taken for the whole.
QStringList totalsLines(const Job &job, const Totals &totals);

}  // namespace layout
