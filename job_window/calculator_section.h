// SPDX-License-Identifier: LicenseRef-proprietary
#pragma once

#include "calculator_snapshot.h"
#include "job.h"

// A section of a job made from what the calculator window shows: its length,
// width, maximum gap and increment as typed, and its railpin count when the
// results on screen belong to the fields as they are now and differ from the
// count the job finds itself. Otherwise the count is left to the maximum gap.
// Text the job cannot read is kept as typed, so that the job window flags it.
namespace calculator_section {

// A new job holding one section from the calculator.
layout::Job newJob(const layout::CalculatorSnapshot &calculator, QChar decimalPoint);

// A section for an existing job; it carries a width or maximum gap of its own
// only where the calculator's differs from the job's.
layout::Section section(const layout::CalculatorSnapshot &calculator, const layout::Job &job, QChar decimalPoint);

}  // namespace calculator_section
