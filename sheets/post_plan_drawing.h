// SPDX-License-Identifier: LicenseRef-proprietary
#pragma once

#include "job.h"
#include "run.h"

#include <QRectF>

class QPainter;

// The plan of a run seen from above, as a line drawing to one scale along
// the run: the rail from reference to reference, each post as a square of
// its width, a wall as a hatched bar, the on-centre distance of every bay
// dimensioned below and the run's length above. A run that is not planned
// draws nothing.
namespace sheets {

void drawPostPlan(QPainter &painter, const QRectF &area, const layout::Job &job, const layout::Run &run,
                  const layout::RunPlan &plan, QChar decimalPoint = u'.');

}  // namespace sheets
