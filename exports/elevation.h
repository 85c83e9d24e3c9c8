// SPDX-License-Identifier: LicenseRef-proprietary
#pragma once

#include "job.h"
#include "section_layout.h"

#include <QLineF>
#include <QRectF>
#include <QString>

#include <functional>
#include <initializer_list>
#include <vector>

// What a drawing for CAD shows, in the job's unit at full size: each section
// laid flat along the rail (as a router drills it), one below the other with
// its name, posts on both ends and every railpin with its centre line.
// Coordinates grow rightwards and downwards; x is 0 at the left post's face,
// so that a centre's x is its distance from the post (with marks from the
// post centres, 0 at the left post's centre, the posts at their width, and
// the name saying so). A run's bays lie end to
// end on one row, x from its start reference, with every post at its width.
namespace exports {

// A stair given by its treads is drawn as its profile instead: treads and
// risers on the stair layer, each railpin standing on its tread to its length.
enum class Layer { Posts, Railpins, Centres, Labels, Stair };

// Some of the layers. Each layer holds one kind of item: posts and railpins
// are rectangles, centres and a stair's profile lines, labels labels.
class Layers
{
public:
    constexpr Layers(std::initializer_list<Layer> layers)
    {
        for (const Layer layer : layers)
            bits |= 1U << unsigned(layer);
    }
    constexpr bool has(Layer layer) const { return (bits >> unsigned(layer) & 1U) != 0; }
    constexpr bool any() const { return bits != 0; }

private:
    unsigned bits = 0;
};

// The layer's name as drawings show it: "posts", "railpins", "centres", "labels", "stair".
QString layerName(Layer layer);

struct Elevation
{
    struct Rectangle
    {
        Layer layer;
        QRectF rect;
    };
    struct Line
    {
        Layer layer;
        QLineF line;
    };
    struct Label
    {
        QPointF baseline;  // the left end of the text's baseline
        double height;
        // As the job gives it: each file cleans it for its own syntax. A
        // railpin's label, one for every railpin, leaves it empty in a part
        // handed on by elevationParts, which gives its number alone.
        QString text;
        qint64 railpin = 0;  // a railpin's label: its number; 0 for a name
    };

    QRectF bounds;  // the whole drawing, margins included
    std::vector<Rectangle> rectangles;
    std::vector<Line> lines;  // the centres, one vertical line per railpin at its exact centre; a stair's profile
    std::vector<Label> labels;
};

// `sections` are the layouts of job.sections; sections not laid out are left out.
Elevation elevation(const layout::Job &job, const std::vector<layout::SectionLayout> &sections);

// The same drawing made again for each layer a file writes, a part at a time,
// so that a drawing of the largest job is never held whole: the items of the
// layers asked for, in the order elevation() gives them, go to `part` a few
// thousand at a time (the part's bounds are not set) and are dropped when it
// returns; false stops the drawing. Returns the whole drawing's bounds, which
// do not depend on the layers (with none, the bounds are all it makes).
using ElevationPart = std::function<bool(const Elevation &part)>;
QRectF elevationParts(const layout::Job &job, const std::vector<layout::SectionLayout> &sections, Layers layers,
                      const ElevationPart &part);

// The profile of one stair given by its treads alone, as elevation() draws
// it, with its margins: for the job window's drawing. Empty for any other
// section or one not laid out.
Elevation treadsElevation(const layout::Job &job, const layout::SectionLayout &section);

}  // namespace exports
