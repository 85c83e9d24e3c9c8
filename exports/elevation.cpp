// SPDX-License-Identifier: LicenseRef-proprietary
#include "elevation.h"

#include "run.h"

#include <QCoreApplication>

#include <algorithm>
#include <array>
#include <charconv>

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

// A railpin's number as its label: as QString::number writes it, without
// the locale machinery, as there is one for every railpin.
QString numberText(qint64 number)
{
    std::array<char, 24> digits{};
    const char *end = std::to_chars(digits.begin(), digits.end(), number).ptr;
    return QString::fromLatin1(digits.data(), end - digits.data());
}

// Where the items drawn go: those of the layers wanted are gathered in `out`,
// and handed to `part`, when there is one, every few thousand.
class Drawer
{
public:
    Drawer(Layers layers, Elevation &out, const ElevationPart *part = nullptr) : layers(layers), out(out), part(part) {}

    bool wants(Layer layer) const { return layers.has(layer); }
    void rectangle(Layer layer, const QRectF &rect)
    {
        if (layers.has(layer))
            out.rectangles.push_back({layer, rect});
    }
    void line(Layer layer, const QLineF &line)
    {
        if (layers.has(layer))
            out.lines.push_back({layer, line});
    }
    void label(const QPointF &baseline, double height, const QString &text)
    {
        if (layers.has(Layer::Labels))
            out.labels.push_back({baseline, height, text});
    }
    // A railpin's number as its label; its text only in a drawing made whole.
    void label(const QPointF &baseline, double height, qint64 railpin)
    {
        if (layers.has(Layer::Labels))
            out.labels.push_back({baseline, height, part == nullptr ? numberText(railpin) : QString(), railpin});
    }
    // Hands on what has gathered once it is many; false when the drawing is to stop.
    bool handOnSome()
    {
        // Asked after each railpin: the rows are counted there, not added up.
        if (part != nullptr && ++rows >= kPartRows)
            handOn();
        return !stopped;
    }
    // Hands on what has gathered, and drops it.
    void handOn()
    {
        if (part == nullptr || stopped)
            return;
        if (!out.rectangles.empty() || !out.lines.empty() || !out.labels.empty())
            stopped = !(*part)(out);
        out.rectangles.clear();
        out.lines.clear();
        out.labels.clear();
        rows = 0;
    }
    bool stoppedEarly() const { return stopped; }

private:
    // Each row (a railpin, a tread) draws at most three items.
    static constexpr std::size_t kPartRows = 4096 / 3;
    std::size_t rows = 0;

    Layers layers;
    Elevation &out;
    const ElevationPart *part;
    bool stopped = false;
};

// A stair by its treads in profile from its first riser face, its top `y`
// down the drawing; returns how tall it is. A railpin stands on its tread to
// its centre length, or `band` high without a rail height.
double treadsProfile(const layout::SectionLayout &section, double y, double band, double text, Drawer &out)
{
    const layout::StairTreads &treads = *section.treads;
    const auto steps = double(treads.treads);
    const double tallest = treads.lengths.empty() ? band : treads.lengths.back().centre;
    const double floor = y + steps * treads.rise + tallest;  // the level the first riser stands on
    const auto treadLevel = [&](qint64 tread) { return floor - double(tread) * treads.rise; };
    for (qint64 tread = 1; tread <= treads.treads; ++tread) {
        const double front = double(tread - 1) * treads.run;
        out.line(Layer::Stair, QLineF(front, treadLevel(tread - 1), front, treadLevel(tread)));
        out.line(Layer::Stair, QLineF(front, treadLevel(tread), front + treads.run, treadLevel(tread)));
        if (!out.handOnSome())
            break;
    }
    const double width = section.railpinWidth;
    for (const layout::TreadRailpin &railpin : treads.railpins) {
        const double height = treads.lengths.empty() ? band : treads.lengths[size_t(railpin.position - 1)].centre;
        const double base = treadLevel(railpin.tread);
        out.rectangle(Layer::Railpins, QRectF(railpin.level - width / 2, base - height, width, height));
        out.line(Layer::Centres, QLineF(railpin.level, base - height, railpin.level, base));
        if (out.wants(Layer::Labels))
            out.label(QPointF(railpin.level - width / 2, base + text * 1.2), text * 0.8, railpin.railpin);
        if (!out.handOnSome())
            break;
    }
    return floor - y + text * 1.5;
}

void addRailpins(const layout::SectionLayout &section, double x, double y, const Sizes &size, Drawer &out)
{
    if (!out.wants(Layer::Railpins) && !out.wants(Layer::Centres) && !out.wants(Layer::Labels))
        return;
    const bool labels = out.wants(Layer::Labels);
    for (const layout::RailpinMarks &given : section.marks) {
        const layout::RailpinMarks railpin = layout::referencedMarks(section, given);
        out.rectangle(Layer::Railpins,
                      QRectF(x + railpin.leftEdge, y, railpin.rightEdge - railpin.leftEdge, size.band));
        const double centre = x + railpin.centre;
        out.line(Layer::Centres, QLineF(centre, y, centre, y + size.band));
        if (labels)
            out.label(QPointF(x + railpin.leftEdge, y + size.band + size.text * 1.2), size.text * 0.8, railpin.railpin);
        if (!out.handOnSome())
            return;
    }
}

// A run on one row: x is 0 at its start reference, each post at its own
// width and place, each bay's railpins from the face that begins its clear
// span. `first` is the index of its first bay in job.sections. Returns the
// run's length, or nothing when it is not planned.
std::optional<double> addRun(const layout::Job &job, const std::vector<layout::SectionLayout> &sections,
                             std::size_t first, double y, const Sizes &size, Drawer &out)
{
    const auto run = std::size_t(job.sections[first].bay->run);
    const layout::RunPlan plan = layout::planRun(job, run);
    if (!plan.planned())
        return std::nullopt;
    // Names are kept as given here; each file writer cleans them for its format.
    if (out.wants(Layer::Labels))
        out.label(QPointF(0, y + size.text), size.text, layout::runName(job, run));
    y += size.text * 1.5;
    for (const layout::PostPosition &post : plan.posts)
        out.rectangle(Layer::Posts, QRectF(post.leftFace, y, post.rightFace - post.leftFace, size.band));
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
    case Layer::Stair:
        return QStringLiteral("stair");
    }
    return {};
}

Elevation treadsElevation(const layout::Job &job, const layout::SectionLayout &section)
{
    Elevation out;
    if (!section.laidOut() || !section.treads)
        return out;
    const Sizes size = sizesFor(job.unit);
    Drawer drawer({Layer::Posts, Layer::Railpins, Layer::Centres, Layer::Labels, Layer::Stair}, out);
    const double height = treadsProfile(section, size.margin, size.band, size.text, drawer);
    out.bounds = QRectF(-size.margin, 0, section.horizontalRun + 2 * size.margin, height + 2 * size.margin);
    return out;
}

namespace {

// The drawing into `out`; returns its bounds.
QRectF draw(const layout::Job &job, const std::vector<layout::SectionLayout> &sections, Drawer &out)
{
    const Sizes size = sizesFor(job.unit);
    double y = size.margin;
    double widest = 0;
    for (std::size_t index = 0; index < sections.size() && index < job.sections.size() && !out.stoppedEarly();
         ++index) {
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

        if (out.wants(Layer::Labels)) {
            const QString name = job.sections[index].name.isEmpty()
                                     //: A section without a name in exported drawings, which other programs read; the
                                     //: sheets have their own.
                                     ? QCoreApplication::translate("exports", "Unnamed section")
                                     : job.sections[index].name;
            // Between post centres the name says what x is from: the left post
            // face, or its centre, where x is then 0 and the posts are drawn
            // at their width.
            const QString from = section.reference == layout::MarkReference::Post
                                     ? name
                                     : QCoreApplication::translate("exports", "%1, marks %2")
                                           .arg(name, layout::fromLeftPostText(section.reference));
            out.label(QPointF(0, y + size.text), size.text, from);
        }
        y += size.text * 1.5;
        if (section.treads) {
            widest = std::max(widest, section.horizontalRun);
            y += treadsProfile(section, y, size.band, size.text, out) + size.spacing;
            continue;
        }

        const double shift = section.referenceShift;
        if (shift > 0) {
            widest = std::max(widest, length + 3 * shift);
            out.rectangle(Layer::Posts, QRectF(-shift, y, 2 * shift, size.band));
            out.rectangle(Layer::Posts, QRectF(length + shift, y, 2 * shift, size.band));
        } else {
            out.rectangle(Layer::Posts, QRectF(-size.post, y, size.post, size.band));
            out.rectangle(Layer::Posts, QRectF(length, y, size.post, size.band));
        }
        addRailpins(section, 0, y, size, out);
        y += size.band + size.text * 1.5 + size.spacing;
    }
    return {-size.post - size.margin, 0, widest + 2 * (size.post + size.margin), y};
}

}  // namespace

Elevation elevation(const layout::Job &job, const std::vector<layout::SectionLayout> &sections)
{
    Elevation out;
    Drawer drawer({Layer::Posts, Layer::Railpins, Layer::Centres, Layer::Labels, Layer::Stair}, out);
    out.bounds = draw(job, sections, drawer);
    return out;
}

QRectF elevationParts(const layout::Job &job, const std::vector<layout::SectionLayout> &sections, Layers layers,
                      const ElevationPart &part)
{
    Elevation gathered;
    Drawer drawer(layers, gathered, &part);
    const QRectF bounds = draw(job, sections, drawer);
    drawer.handOn();
    return bounds;
}

}  // namespace exports
