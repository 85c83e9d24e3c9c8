// SPDX-License-Identifier: LicenseRef-proprietary
#include "stair_triangle.h"

#include "field_reading.h"
#include "measurement.h"
#include "section_layout.h"

#include <QCoreApplication>

#include <cmath>

namespace layout {

double triangleSphereDiameter(double rise, double run, double nosing, double bottomRail)
{
    const double perimeter = run + rise + std::hypot(rise, run);
    return 2 * (rise * run + rise * nosing + bottomRail * run) / perimeter;
}

double highestBottomRail(double rise, double run, double nosing, double limit)
{
    const double perimeter = run + rise + std::hypot(rise, run);
    return limit * perimeter / (2 * run) - rise - rise * nosing / run;
}

QString jobTriangleSphere(const Job &job)
{
    if (job.triangleSphere && !job.triangleSphere->trimmed().isEmpty())
        return *job.triangleSphere;
    return job.unit == Unit::Millimetres ? QStringLiteral("152") : QStringLiteral("6");
}

QString sphereText(double diameter, const Job &job)
{
    const int places = job.unit == Unit::Millimetres ? 1 : 3;
    const double scale = std::pow(10.0, places);
    const double steps = diameter * scale;
    const double nearest = std::round(steps);
    // Up, but a value a hair above a step in binary arithmetic is on it.
    const double up = std::abs(steps - nearest) <= 1e-9 * std::max(1.0, std::abs(steps)) ? nearest : std::ceil(steps);
    return QString::number(up / scale, 'f', places);
}

void checkBottomRail(const Job &job, const Section &section, SectionLayout &out)
{
    if (!section.stair || !section.stair->bottomRail || section.stair->bottomRail->trimmed().isEmpty())
        return;
    const Stair &stair = *section.stair;
    if (stair.rise.trimmed().isEmpty() && stair.run.trimmed().isEmpty()) {
        out.problems << QCoreApplication::translate(
            "layout", "the check under the bottom rail needs the rise and run of one step, not an angle");
        return;
    }
    QStringList problems;
    const std::optional<float> rise = readPositive(QT_TRANSLATE_NOOP("layout", "rise"), stair.rise, job.unit, problems);
    const std::optional<float> run = readPositive(QT_TRANSLATE_NOOP("layout", "run"), stair.run, job.unit, problems);
    const std::optional<float> rail =
        readSigned(QT_TRANSLATE_NOOP("layout", "bottom rail"), *stair.bottomRail, job.unit, problems);
    std::optional<float> nosing = 0.0F;
    if (stair.nosing && !stair.nosing->trimmed().isEmpty())
        nosing = readSigned(QT_TRANSLATE_NOOP("layout", "nosing"), *stair.nosing, job.unit, problems);
    const std::optional<float> limit =
        readPositive(QT_TRANSLATE_NOOP("layout", "triangle sphere"), jobTriangleSphere(job), job.unit, problems);
    if (!problems.isEmpty() || !rise || !run || !rail || !nosing || !limit) {
        out.problems << problems;
        return;
    }
    if (*rail < 0) {
        out.problems << QCoreApplication::translate("layout", "the bottom rail cannot be below the nosing line");
        return;
    }
    if (*nosing < 0) {
        out.problems << QCoreApplication::translate("layout", "nosing \"%1\" cannot be less than 0").arg(*stair.nosing);
        return;
    }
    StairTriangle triangle;
    triangle.sphere = triangleSphereDiameter(*rise, *run, *nosing, *rail);
    triangle.limit = *limit;
    triangle.highestRail = highestBottomRail(*rise, *run, *nosing, *limit);
    triangle.passes = atMost(triangle.sphere, triangle.limit);
    if (!atMost(triangle.sphere / 2, *rise)) {
        out.problems << QCoreApplication::translate("layout", "the bottom rail stands so far above the nosing line "
                                                              "that the opening under it is no longer a triangle");
        return;
    }
    if (!triangle.passes)
        out.warnings << triangleText(job, triangle);
    out.triangle = triangle;
}

QString triangleText(const Job &job, const StairTriangle &triangle)
{
    const QString sphere = sphereText(triangle.sphere, job);
    const QString limit = typedText(jobTriangleSphere(job));
    if (triangle.passes)
        return QCoreApplication::translate("layout", "the opening under the bottom rail passes a sphere of %1, within "
                                                     "%2: the rail may stand at most %3 above the nosing line")
            .arg(sphere, limit, limitText(triangle.highestRail, job));
    if (triangle.highestRail < 0)
        return QCoreApplication::translate("layout", "the opening under the bottom rail passes a sphere of %1, more "
                                                     "than %2: no bottom rail on this stair keeps it within %2, even "
                                                     "one on the nosing line")
            .arg(sphere, limit);
    return QCoreApplication::translate("layout", "the opening under the bottom rail passes a sphere of %1, more than "
                                                 "%2: keep the rail at most %3 above the nosing line")
        .arg(sphere, limit, limitText(triangle.highestRail, job));
}

}  // namespace layout
