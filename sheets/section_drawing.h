// SPDX-License-Identifier: LicenseRef-proprietary
#pragma once

#include "job.h"
#include "section_layout.h"

#include <QRectF>
#include <QString>

class QPainter;

// The to-scale drawing of one section, shared by the sheet and the job
// window: the posts, each railpin as a rectangle, the rail along its slope for
// a stair, the first gap dimensioned, and the scale stated. Lengths are drawn
// to one scale in both directions, so the drawing keeps its proportions in
// any rectangle; it is centred in `area`.
namespace printing {

struct DrawingScale
{
    double devicePerUnit = 0;  // device units per inch or millimetre of the job
    QString text;              // as stated on the drawing, e.g. "Scale 1:24"
};

// Paints into `area` of any painter (a widget, a PDF page, a printer) and
// returns the scale used. A section with problems gets its first problem as
// text instead of a drawing.
DrawingScale drawSection(QPainter &painter, const QRectF &area, const layout::Job &job,
                         const layout::SectionLayout &section, QChar decimalPoint = u'.');

}  // namespace printing
