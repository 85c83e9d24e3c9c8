// SPDX-License-Identifier: LicenseRef-proprietary
#pragma once

#include "job.h"
#include "section_layout.h"

#include <QList>
#include <QStringList>

#include <vector>

// Which sections an output is made of: the command line names them, the
// window selects their rows. Both keep them here, so that a template of
// some sections holds the same pages whichever way they were chosen.
namespace layout {

// The rows of the sections called by one of `names`, in the job's order.
QList<int> rowsNamed(const Job &job, const QStringList &names);

// Keeps the sections at `rows` with their layouts, in the job's order; every
// section when `rows` is empty. A row the job does not have is passed over.
void keepSections(Job &job, std::vector<SectionLayout> &layouts, const QList<int> &rows);

}  // namespace layout
