// SPDX-License-Identifier: LicenseRef-proprietary
#pragma once

#include "job.h"
#include "section_layout.h"

#include <QChar>

#include <vector>

class SheetPages;

namespace printing {

// The "To order" page of a job sheet, on a page of its own after the totals:
// the rail boards with their cuts and offcuts, the railpins by length, the
// posts and the screws, and what cannot be bought as planned.
void paintOrderPage(SheetPages &pages, const layout::Job &job, const std::vector<layout::SectionLayout> &layouts,
                    QChar decimalPoint);

}  // namespace printing
