// SPDX-License-Identifier: LicenseRef-proprietary
#pragma once

#include "job.h"
#include "section_layout.h"

#include <QString>

#include <cstddef>
#include <optional>
#include <vector>

// A whole job laid out for an output (a sheet, a template, marks, a drawing):
// the work budget checked before any work, every section laid out or the
// first that cannot be named, and the warnings of every section gathered in
// one place. The command line and the window both make their outputs from it,
// so that each refuses and warns alike.
namespace layout {

struct SectionWarning
{
    std::size_t section = 0;  // index into job.sections
    QString text;             // as layOut() gives it, without the section's name
};

struct JobLayout
{
    std::vector<SectionLayout> sections;  // one per section of the job when nothing is refused
    // Why no output can be made: the work budget, or the first section that
    // cannot be laid out (its problem, not naming it). Empty when laid out.
    QString refusal;
    bool overBudget = false;
    std::optional<std::size_t> failedSection;
    std::vector<SectionWarning> warnings;  // in the order of the sections

    bool laidOut() const { return refusal.isEmpty(); }
};

// Over the work budget nothing is laid out; else sections are laid out in
// order up to the first that cannot be.
JobLayout layOutForOutput(const Job &job);

// A warning as the window shows it, naming the section by number and name:
// section 2 "Stair": the gap of ... The name is cleaned for one line.
QString sectionWarningLine(const Job &job, const SectionWarning &warning);

}  // namespace layout
