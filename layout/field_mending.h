// SPDX-License-Identifier: LicenseRef-proprietary
#pragma once

#include "job.h"
#include "job_fields.h"

#include <QString>

#include <optional>
#include <vector>

// Mending the near misses that stop a job's sections ("stiar" for "stair"):
// renaming one to the field it resembles, or dropping it once that field is
// set, so that the section lays out and the file no longer holds both.
namespace layout {

// A near miss of a known field of the same object, which renaming mends.
struct MisspeltKey
{
    FieldLevel level = FieldLevel::Job;
    // The section in Job::sections (Section, Stair) or the run in Job::runs
    // (Run); -1 for the job itself and its order list.
    qsizetype index = -1;
    QString written;  // "stiar"
    QString meant;    // "stair"

    bool operator==(const MisspeltKey &) const = default;
};

// The near misses that stop the section at `row`: the job's, its order
// list's, the section's own and its stair's, or its run's for a run's bay.
std::vector<MisspeltKey> misspeltKeys(const Job &job, qsizetype row);

// `after` without the near misses whose field the edit from `before` sets:
// whoever types the field a misspelt key resembles means that field, and
// its value wins over the misspelt one.
Section withoutSetMisspellings(const Section &before, Section after);
// The same for the job's own fields, its order list's and its runs'.
Job withoutSetMisspellings(const Job &before, Job after);

// The job with the misspelt key renamed to the field it resembles, which
// takes its value (replacing any value the field had); or why it cannot be:
// the value is not one the field can have.
struct RenamedField
{
    std::optional<Job> job;
    QString problem;
};
RenamedField renamedField(const Job &job, const MisspeltKey &key);

}  // namespace layout
