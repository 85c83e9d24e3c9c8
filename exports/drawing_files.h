// SPDX-License-Identifier: LicenseRef-proprietary
#pragma once

#include "drawing_bytes.h"
#include "elevation.h"

#include <QByteArray>

// An elevation as a file for drawing programs, CAD and CNC, in the job's unit
// at full size, one group or layer per kind of line. Every coordinate is
// written with 15 significant digits, so that the centres are exact.
namespace exports {

// SVG: width and height in the unit ("36in", "914mm"), the viewBox in the
// same unit, each layer a named group that drawing programs show as a layer.
QByteArray drawingSvg(const Elevation &drawing, layout::Unit unit);

// DXF: ASCII release 12 with $INSUNITS naming the unit, each layer a DXF layer.
QByteArray drawingDxf(const Elevation &drawing, layout::Unit unit);

// The same files of a job's drawing (of `sections`, its layouts), handed to
// `sink` a piece at a time as the drawing is made, so that neither the file
// nor the drawing is ever held whole. False when the sink refused a piece:
// the drawing stopped there.
bool writeDrawingSvg(const layout::Job &job, const std::vector<layout::SectionLayout> &sections, const PieceSink &sink);
bool writeDrawingDxf(const layout::Job &job, const std::vector<layout::SectionLayout> &sections, const PieceSink &sink);

}  // namespace exports
