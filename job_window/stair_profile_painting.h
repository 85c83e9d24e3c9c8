// SPDX-License-Identifier: LicenseRef-proprietary
#pragma once

#include "elevation.h"

#include <QRectF>

class QPainter;
class QPalette;

// Paints a drawing made for CAD (a stair's profile) into `area` of a
// painter at one scale in both directions, centred, in the palette's
// colours: the stair's treads and risers, each railpin and its centre line,
// and the railpins' numbers where they fit beside their neighbours'.
// Returns the device units per unit of the job, 0 for an empty drawing.
double paintElevation(QPainter &painter, const QRectF &area, const exports::Elevation &drawing,
                      const QPalette &palette);
