// SPDX-License-Identifier: LicenseRef-proprietary
#pragma once

#include "job.h"

#include <QString>

#include <optional>

// The triangle under a stair's bottom rail: tread, riser and rail leave an
// opening, and the largest sphere through it must not exceed the job's
// triangle sphere.
namespace layout {

struct SectionLayout;

struct StairTriangle
{
    double sphere = 0;       // the largest sphere through the opening, exact
    double limit = 0;        // the triangle sphere
    double highestRail = 0;  // the highest bottom rail that passes, exact; below 0 when none does
    bool passes = false;
};

// The largest sphere through the opening under a bottom rail `bottomRail`
// plumb above the nosing line, for one step's rise and run and the nosing.
double triangleSphereDiameter(double rise, double run, double nosing, double bottomRail);

// The highest bottom rail whose opening passes a sphere of `limit` at most.
double highestBottomRail(double rise, double run, double nosing, double limit);

// The triangle sphere of a job as typed, or the default of its unit (6 in, 152 mm).
QString jobTriangleSphere(const Job &job);

// Checks the section's bottom rail, when it gives one: problems and warnings
// are added to `out`, whose slope has been read.
void checkBottomRail(const Job &job, const Section &section, SectionLayout &out);

// A sphere as the check shows it: three decimals in inches, one in
// millimetres, rounded up so that one over the limit never reads as the limit.
QString sphereText(double diameter, const Job &job);

// The check in words for a sheet: "the opening under the bottom rail passes
// a sphere of 6.000, within 6" or the warning.
QString triangleText(const Job &job, const StairTriangle &triangle);

}  // namespace layout
