// SPDX-License-Identifier: LicenseRef-proprietary
#pragma once

#include "elevation.h"

// What the SVG and DXF writers read: a drawing already made, or a job's
// drawing made again, a part at a time, for each layer a writer asks for.
namespace exports {

class DrawingSource
{
public:
    virtual ~DrawingSource() = default;
    virtual QRectF bounds() const = 0;
    // Hands `part` the items of `layers` in the drawing's order, a part at a
    // time; items of other layers may come along, to be passed over. False
    // from `part` stops.
    virtual void items(Layers layers, const ElevationPart &part) const = 0;
};

class WholeDrawing : public DrawingSource
{
public:
    explicit WholeDrawing(const Elevation &drawing) : drawing(drawing) {}
    QRectF bounds() const override { return drawing.bounds; }
    void items(Layers, const ElevationPart &part) const override { part(drawing); }

private:
    const Elevation &drawing;
};

class JobDrawing : public DrawingSource
{
public:
    JobDrawing(const layout::Job &job, const std::vector<layout::SectionLayout> &sections)
        : job(job), sections(sections), box(elevationParts(job, sections, {}, {}))
    {
    }
    QRectF bounds() const override { return box; }
    void items(Layers layers, const ElevationPart &part) const override { elevationParts(job, sections, layers, part); }

private:
    const layout::Job &job;
    const std::vector<layout::SectionLayout> &sections;
    QRectF box;
};

}  // namespace exports
