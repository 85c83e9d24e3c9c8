// SPDX-License-Identifier: LicenseRef-proprietary
#pragma once

#include "job.h"
#include "section_layout.h"

#include <QString>

#include <vector>

namespace command_line {

// The marks as --marks prints them: a heading line, then one tab-separated
// line per railpin, along the rail for a stair given by its length, which a
// line "Along the rail<TAB>name" before its heading says. For a job file each section
// begins with a line "Section<TAB>name" and ends with a blank line. Fractions,
// or decimals when asked; the decimal separator is always ".".
QString marksText(const layout::Job &job, const std::vector<layout::SectionLayout> &sections, bool asJob,
                  bool decimals);

}  // namespace command_line
