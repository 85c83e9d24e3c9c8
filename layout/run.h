// SPDX-License-Identifier: LicenseRef-proprietary
#pragma once

#include "job.h"

#include <QString>
#include <QStringList>

#include <vector>

// Planning a run: the fewest equal bays whose posts stand at most the
// maximum post spacing apart, where each post stands and the clear span each
// bay leaves between post faces. Pure and total: a run that cannot be planned
// gets problems that say why in words.
namespace layout {

// One post, measured from the run's start reference, exact: marks are
// rounded from these values, like a railpin's.
struct PostPosition
{
    qint64 number = 0;  // 1-based from the start reference
    double centre = 0;
    double leftFace = 0;  // less than 0 for a post on the start reference
    double rightFace = 0;
    bool counted = true;  // false for a corner post, counted with the run before
};

struct RunPlan
{
    // Each a full sentence naming the texts, e.g. "posts 3 1/2 wide leave no
    // clear span in a run of 3"; callers name the run. When any is present
    // the numbers below are not meaningful.
    QStringList problems;
    bool planned() const { return problems.isEmpty(); }

    double length = 0;  // from the start reference to the end reference
    double maxSpacing = 0;
    double postWidth = 0;  // 0 when the run has no post
    qint64 bays = 0;
    double onCentre = 0;              // length / bays
    std::vector<PostPosition> posts;  // from the start reference; a corner post first
    qint64 postsCounted = 0;
    // Per bay, where its clear span begins (a post's right face or the wall)
    // and how long it is, exact.
    std::vector<double> bayStarts;
    std::vector<double> clearSpans;
};

// The maximum post spacing that applies to a run: its own, else the job's.
QString runMaxPostSpacing(const Job &job, const Run &run);

// Plans job.runs[index]. A corner start takes the post the run before ends on.
RunPlan planRun(const Job &job, std::size_t index);

// The name a run goes by: its own, or for an unnamed run its number ("Run 2").
QString runName(const Job &job, std::size_t index);

// The name of a run's bay: "Front 2".
QString bayName(const QString &runName, qint64 number);

// Replaces the bays in job.sections with those of job.runs as they stand:
// each run's bays in order, all before the job's own sections. Called when a
// job is read and after every edit; the file holds the runs, not the bays.
// A run that cannot be planned, or whose bays would take the job over
// kMaximumSections, becomes one section that carries its problems.
void deriveBays(Job &job);

// The posts of every run that is planned, each counted once.
qint64 jobPosts(const Job &job);

// Inches as builders say a run's length: 17' 3", 6', 9 1/2"; the inches
// rounded to the job's increment.
QString feetAndInches(double inches, const Job &job, QChar decimalPoint = u'.');

// A mark that may lie before the start reference: "-1 3/4".
QString signedMarkText(double value, const Job &job, bool decimals = false, QChar decimalPoint = u'.');

// The run in one sentence, as the sheet heads its bays: "Front: 17' 3" from
// post centre to post centre, at most 6' on centre: 3 bays of 69 in (5' 9"),
// 4 posts 3 1/2 in, clear span 65 1/2 in". Empty when the run is not planned.
QString postPlanSentence(const Job &job, std::size_t index, const RunPlan &plan, QChar decimalPoint = u'.');

// Why a bay's length cannot be edited, for its tooltip: "set by run Front: 3
// bays of 5' 9" on centre, at most 6'". Empty for a section of its own.
QString bayLengthTooltip(const Job &job, const Section &section, QChar decimalPoint = u'.');

// What a job's first run brings when the job has no posts of its own yet:
// 4x4 posts (3 1/2 in) at most 6 ft apart, or 90 mm posts at most 1800 mm.
struct RunDefaults
{
    QString maxPostSpacing;
    QString postWidth;
};
RunDefaults runDefaults(Unit unit);

// The usual maximum post spacings, as the window offers them: each sets the
// spacing only, never the post width. A preset in the other unit is
// converted, rounded down as a limit is: "6' — 4x4 posts" is 1828.8 mm.
struct PostSpacingPreset
{
    QString value;  // as a field holds it, with "." ("72", "1828.8")
    QString label;  // as a menu shows it ("6 ft — 4x4 posts", "1800 mm")
};
std::vector<PostSpacingPreset> postSpacingPresets(Unit unit, qint32 increment);

}  // namespace layout
