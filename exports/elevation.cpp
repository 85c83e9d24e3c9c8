// SPDX-License-Identifier: LicenseRef-proprietary
#include "elevation.h"

#include "run.h"

#include <QCoreApplication>
#include <QRegularExpression>

#include <algorithm>

namespace exports {

namespace {

// Sizes of the drawing that the job does not give, in inches; a metric job
// gets the same sizes in round millimetres.
struct Sizes
{
    double margin;
    double post;     // a post's width
    double band;     // the railpins' height
    double text;     // a label's height
    double spacing;  // between sections
};

Sizes sizesFor(layout::Unit unit)
{
    if (unit == layout::Unit::Millimetres)
        return {25, 89, 150, 12, 50};
    return {1, 3.5, 6, 0.5, 2};
}

// A name on one line: a line break or other control character would break the
// text entity it is written in.
QString oneLine(const QString &text)
{
    static const QRegularExpression control(QStringLiteral("[\\x00-\\x1f\\x7f]"));
    return QString(text).replace(control, QStringLiteral(" "));
}

void addRailpins(const layout::SectionLayout &section, double x, double y, const Sizes &size, Elevation &out)
{
    for (const layout::RailpinMarks &railpin : section.marks) {
        out.rectangles.push_back(
            {Layer::Railpins, QRectF(x + railpin.leftEdge, y, railpin.rightEdge - railpin.leftEdge, size.band)});
        const double centre = x + railpin.centre;
        out.lines.push_back({Layer::Centres, QLineF(centre, y, centre, y + size.band)});
        out.labels.push_back({QPointF(x + railpin.leftEdge, y + size.band + size.text * 1.2), size.text * 0.8,
                              QString::number(railpin.railpin)});
    }
}

// A run on one row: x is 0 at its start reference, each post at its own
// width and place, each bay's railpins from the face that begins its clear
// span. `first` is the index of its first bay in job.sections. Returns the
// run's length, or nothing when it is not planned.
std::optional<double> addRun(const layout::Job &job, const std::vector<layout::SectionLayout> &sections,
                             std::size_t first, double y, const Sizes &size, Elevation &out)
{
    const auto run = std::size_t(job.sections[first].bay->run);
    const layout::RunPlan plan = layout::planRun(job, run);
    if (!plan.planned())
        return std::nullopt;
    const QString name = oneLine(layout::runName(job, run));
    out.labels.push_back({QPointF(0, y + size.text), size.text, name});
    y += size.text * 1.5;
    for (const layout::PostPosition &post : plan.posts)
        out.rectangles.push_back({Layer::Posts, QRectF(post.leftFace, y, post.rightFace - post.leftFace, size.band)});
    for (std::size_t index = first; index < sections.size() && index < job.sections.size(); ++index) {
        const std::optional<layout::BayOf> &bay = job.sections[index].bay;
        if (!bay || std::size_t(bay->run) != run || bay->number < 1)
            break;
        if (sections[index].laidOut())
            addRailpins(sections[index], plan.bayStarts[std::size_t(bay->number - 1)], y, size, out);
    }
    return plan.length;
}

}  // namespace

QString layerName(Layer layer)
{
    switch (layer) {
    case Layer::Posts:
        return QStringLiteral("posts");
    case Layer::Railpins:
        return QStringLiteral("railpins");
    case Layer::Centres:
        return QStringLiteral("centres");
    case Layer::Labels:
        return QStringLiteral("labels");
    }
    return {};
}

Elevation elevation(const layout::Job &job, const std::vector<layout::SectionLayout> &sections)
{
    const Sizes size = sizesFor(job.unit);
    Elevation out;
    double y = size.margin;
    double widest = 0;
    for (std::size_t index = 0; index < sections.size() && index < job.sections.size(); ++index) {
        const layout::SectionLayout &section = sections[index];
        // A run's bays are drawn together, end to end, where its first bay stands.
        if (const std::optional<layout::BayOf> &bay = job.sections[index].bay) {
            if (bay->number != 1)
                continue;
            if (const std::optional<double> length = addRun(job, sections, index, y, size, out)) {
                widest = std::max(widest, *length);
                y += size.text * 1.5 + size.band + size.text * 1.5 + size.spacing;
            }
            continue;
        }
        if (!section.laidOut())
            continue;
        const double length = section.horizontalRun / section.cosine;  // along the rail
        widest = std::max(widest, length);

        const QString name =
            job.sections[index].name.isEmpty()
                //: A section without a name in exported drawings, which other programs read; the sheets have their own.
                ? QCoreApplication::translate("exports", "Unnamed section")
                : oneLine(job.sections[index].name);
        out.labels.push_back({QPointF(0, y + size.text), size.text, name});
        y += size.text * 1.5;

        out.rectangles.push_back({Layer::Posts, QRectF(-size.post, y, size.post, size.band)});
        out.rectangles.push_back({Layer::Posts, QRectF(length, y, size.post, size.band)});
        addRailpins(section, 0, y, size, out);
        y += size.band + size.text * 1.5 + size.spacing;
    }
    out.bounds = QRectF(-size.post - size.margin, 0, widest + 2 * (size.post + size.margin), y);
    return out;
}

}  // namespace exports
