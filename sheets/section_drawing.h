// SPDX-License-Identifier: LicenseRef-proprietary
#pragma once

#include "job.h"
#include "section_layout.h"

#include <QRectF>
#include <QSizeF>
#include <QString>

class QPainter;

// The to-scale drawing of one section, shared by the sheet and the job
// window: the posts, each railpin as a rectangle, the rail along its slope for
// a stair, every distinct gap dimensioned, and the scale stated. Lengths are drawn
// to one scale in both directions, so the drawing keeps its proportions in
// any rectangle; it is centred in `area`.
namespace sheets {

struct DrawingScale
{
    double devicePerUnit = 0;  // device units per inch or millimetre of the job
    QString text;              // as stated on the drawing, e.g. "Scale 1:24"
};

// Paints into `area` of any painter (a widget, a PDF page, a printer) and
// returns the scale used. A section with problems gets its first problem as
// text instead of a drawing. Railpins are numbered as in the marks table
// where the numbers fit. A long section can be drawn in `pieces` pieces, each
// in an area of the same size, at one larger scale: `piece` (from 0) is the
// one painted, its ends cut with a break symbol.
DrawingScale drawSection(QPainter &painter, const QRectF &area, const layout::Job &job,
                         const layout::SectionLayout &section, QChar decimalPoint = u'.', int piece = 0,
                         int pieces = 1);

// How many pieces a section needs, each in an area of `size` on this
// painter, for every railpin's number to fit beside its neighbours': one
// when the whole section is readable at the scale that fits it.
int drawingPieces(const QPainter &painter, const QSizeF &size, const layout::Job &job,
                  const layout::SectionLayout &section);

}  // namespace sheets
