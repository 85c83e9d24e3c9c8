// SPDX-License-Identifier: LicenseRef-proprietary
#include "job.h"

#include <QCoreApplication>

#include <algorithm>

namespace layout {

QString sectionRailpinWidth(const Job &job, const Section &section)
{
    return section.railpinWidth.value_or(job.railpinWidth);
}

QString sectionDesignGap(const Job &job, const Section &section)
{
    if (section.designGap && !section.designGap->trimmed().isEmpty())
        return *section.designGap;
    return job.designGap.value_or(QString()).trimmed().isEmpty() ? QString() : *job.designGap;
}

Spacing sectionSpacing(const Job &job, const Section &section)
{
    return section.spacing.value_or(job.spacing);
}

Centre sectionCentre(const Job &job, const Section &section)
{
    return section.centre.value_or(job.centre);
}

MeasuredBetween sectionMeasuredBetween(const Job &job, const Section &section)
{
    return section.measuredBetween.value_or(job.measuredBetween);
}

bool usesBalancedLayouts(const Job &job)
{
    const auto given = [](const std::optional<QString> &text) { return text && !text->trimmed().isEmpty(); };
    if (given(job.designGap) || job.spacing != Spacing::Equal || job.centre != Centre::Either ||
        job.measuredBetween != MeasuredBetween::Faces || given(job.postWidth))
        return true;
    return std::any_of(job.sections.begin(), job.sections.end(), [&given](const Section &section) {
        return given(section.designGap) || section.spacing.value_or(Spacing::Equal) != Spacing::Equal ||
               section.centre.value_or(Centre::Either) != Centre::Either ||
               section.measuredBetween.value_or(MeasuredBetween::Faces) != MeasuredBetween::Faces;
    });
}

bool hasStairsLimit(const Job &job)
{
    return job.maximumGapStairs && !job.maximumGapStairs->trimmed().isEmpty();
}

GapLimit sectionGapLimit(const Job &job, const Section &section)
{
    if (section.maximumGap)
        return GapLimit::Section;
    return section.stair && hasStairsLimit(job) ? GapLimit::Stairs : GapLimit::Level;
}

QString sectionMaximumGap(const Job &job, const Section &section)
{
    switch (sectionGapLimit(job, section)) {
    case GapLimit::Section:
        return *section.maximumGap;
    case GapLimit::Stairs:
        return *job.maximumGapStairs;
    case GapLimit::Level:
        break;
    }
    return job.maximumGap;
}

QString gapLimitName(GapLimit limit)
{
    switch (limit) {
    case GapLimit::Section:
        return QCoreApplication::translate("layout", "this section's own maximum gap");
    case GapLimit::Stairs:
        return QCoreApplication::translate("layout", "the job's maximum gap on stairs");
    case GapLimit::Level:
        break;
    }
    return QCoreApplication::translate("layout", "the job's maximum gap");
}

QString numberedSectionName(qsizetype number)
{
    return QCoreApplication::translate("layout", "Section %1").arg(number);
}

Job newJob()
{
    Job job;
    job.sections.push_back({});
    job.sections.front().name = numberedSectionName(1);
    return job;
}

QString defaultRailpinWidth(Unit unit)
{
    return unit == Unit::Millimetres ? QStringLiteral("35") : Job().railpinWidth;
}

QString defaultMaximumGap(Unit unit)
{
    return unit == Unit::Millimetres ? QStringLiteral("100") : Job().maximumGap;
}

bool hasOnlyDefaultLengths(const Job &job)
{
    // A run's length counts even when the run cannot be laid out and so has no bay.
    if (job.railpinWidth.trimmed() != defaultRailpinWidth(job.unit) ||
        job.maximumGap.trimmed() != defaultMaximumGap(job.unit) || hasStairsLimit(job) || job.triangleSphere ||
        !job.runs.empty() || (job.maxPostSpacing && !job.maxPostSpacing->trimmed().isEmpty()))
        return false;
    return std::ranges::all_of(job.sections, [](const Section &section) {
        const bool slopeGiven =
            section.stair && (!section.stair->rise.trimmed().isEmpty() || !section.stair->run.trimmed().isEmpty());
        const bool stairLengths =
            section.stair && (section.stair->firstFromRiser || section.stair->nosing || section.stair->railHeight ||
                              section.stair->railDepth || section.stair->insert || section.stair->bottomRail);
        return section.length.trimmed().isEmpty() && !section.railpinWidth && !section.maximumGap && !slopeGiven &&
               !stairLengths;
    });
}

}  // namespace layout
