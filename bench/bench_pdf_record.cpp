// SPDX-License-Identifier: LicenseRef-proprietary
// The pages of `railpin --pdf` or `--template` as a plain list of what they
// draw, for bench_pdf_writer to draw again with nothing but QPdfWriter and
// QPainter. The command line reads and lays out the job as the program does;
// its sheet is then painted on a device that measures exactly as the PDF
// writer does, but writes down each page, text, line, rectangle and polygon
// with the pen, brush and font they are drawn in.
//
// usage: bench_pdf_record RECORD RAILPIN_ARGUMENTS...   (the pages to RECORD; prints their count)
//        bench_pdf_record --twenty-sections JOB_FILE   (the sheet benchmarks' job)
#include "command_line.h"
#include "job_file.h"
#include "job_sheet.h"
#include "number_text.h"
#include "paged_output.h"
#include "template_sheet.h"
#include "twenty_sections.h"

#include <QBuffer>
#include <QColor>
#include <QFile>
#include <QGuiApplication>
#include <QPaintEngine>
#include <QPainterPath>
#include <QPdfWriter>
#include <QTextItem>
#include <QTextStream>

#include <cstdio>

namespace {

// The record: "PAGES" and the page layout, then one operation after another,
// each a letter and its values in the machine's own byte order, so that
// reading it back costs the minimal writer next to nothing.
class Record
{
public:
    void put(char operation) { bytes.append(operation); }
    void put(qint32 value) { bytes.append(reinterpret_cast<const char *>(&value), sizeof value); }
    void put(double value) { bytes.append(reinterpret_cast<const char *>(&value), sizeof value); }
    void put(const QPointF &point)
    {
        put(point.x());
        put(point.y());
    }
    void put(const QString &text)
    {
        put(qint32(text.size()));
        bytes.append(reinterpret_cast<const char *>(text.utf16()), text.size() * qsizetype(sizeof(char16_t)));
    }
    void put(const QColor &colour) { put(qint32(colour.rgba())); }
    const QByteArray &data() const { return bytes; }

private:
    QByteArray bytes = QByteArrayLiteral("PAGES");
};

// Writes down what a painter draws, in the device's coordinates. The sheets
// set no transform and no clip and draw no image; a painter that does is
// refused. Each font is defined once and then named by its number.
class RecordingEngine : public QPaintEngine
{
public:
    // The PDF writer's features, so that the painter hands this engine what it
    // would hand the PDF writer's.
    explicit RecordingEngine(Record &out)
        : QPaintEngine(AllFeatures &
                       ~(PorterDuff | PerspectiveTransform | ObjectBoundingModeGradients | ConicalGradientFill)),
          out(out)
    {
    }

    bool begin(QPaintDevice * /*device*/) override { return true; }
    bool end() override { return true; }
    Type type() const override { return User; }
    bool failed() const { return unsupported; }

    void updateState(const QPaintEngineState &state) override
    {
        if (state.state() & DirtyPen) {
            const QPen pen = state.pen();
            out.put('P');
            out.put(pen.color());
            out.put(pen.widthF());
            out.put(qint32(pen.style()));
            out.put(qint32(pen.capStyle()));
            out.put(qint32(pen.joinStyle()));
        }
        if (state.state() & DirtyBrush) {
            out.put('B');
            out.put(state.brush().color());
            out.put(qint32(state.brush().style()));
        }
        if ((state.state() & DirtyTransform) && !state.transform().isIdentity())
            unsupported = true;
        if ((state.state() & (DirtyClipPath | DirtyClipRegion)) && state.clipOperation() != Qt::NoClip)
            unsupported = true;
    }

    void drawTextItem(const QPointF &point, const QTextItem &item) override
    {
        const QFont font = item.font();
        if (font != lastFont) {
            lastFont = font;
            qsizetype index = fonts.indexOf(font);
            if (index < 0) {
                index = fonts.size();
                fonts.append(font);
                out.put('F');
                out.put(font.toString());
                out.put(font.families().join(u','));
            }
            out.put('f');
            out.put(qint32(index));
        }
        out.put('t');
        out.put(point);
        out.put(item.text());
    }

    void drawLines(const QLineF *lines, int count) override
    {
        for (int index = 0; index < count; ++index) {
            out.put('l');
            out.put(lines[index].p1());
            out.put(lines[index].p2());
        }
    }

    void drawRects(const QRectF *rects, int count) override
    {
        for (int index = 0; index < count; ++index) {
            out.put('r');
            out.put(rects[index].topLeft());
            out.put(QPointF(rects[index].width(), rects[index].height()));
        }
    }

    void drawPolygon(const QPointF *points, int count, PolygonDrawMode mode) override
    {
        out.put('g');
        out.put(qint32(mode));
        out.put(qint32(count));
        for (int index = 0; index < count; ++index)
            out.put(points[index]);
    }

    void drawPath(const QPainterPath &path) override
    {
        for (const QPolygonF &polygon : path.toSubpathPolygons())
            drawPolygon(polygon.constData(), int(polygon.size()), OddEvenMode);
    }

    void drawPixmap(const QRectF & /*target*/, const QPixmap & /*pixmap*/, const QRectF & /*source*/) override
    {
        unsupported = true;
    }

private:
    Record &out;
    QList<QFont> fonts;
    QFont lastFont;
    bool unsupported = false;
};

// A PDF writer in all but its output: it measures, and takes its page layout,
// as the PDF writer does, and its pages are written down.
class RecordingWriter : public QPdfWriter
{
public:
    RecordingWriter(QIODevice *unused, Record &out) : QPdfWriter(unused), out(out), engine(out) {}

    bool newPage() override
    {
        out.put('p');
        ++pages;
        return true;
    }
    bool failed() const { return engine.failed(); }
    int pageCount() const { return pages; }

protected:
    QPaintEngine *paintEngine() const override { return &engine; }

private:
    Record &out;
    mutable RecordingEngine engine;
    int pages = 1;
};

std::optional<command_line::Failure> record(const QString &path, command_line::PagedOutput &output)
{
    Record out;
    QBuffer unused;
    unused.open(QIODevice::WriteOnly);
    RecordingWriter writer(&unused, out);
    const QPageSize paper = command_line::pageSize(output.paper);
    const QPageLayout page = output.templatePdf ? sheets::templatePageLayout(paper) : sheets::sheetPageLayout(paper);
    writer.setPageLayout(page);
    const QMarginsF margins = page.margins(QPageLayout::Millimeter);
    out.put(qint32(paper.id()));
    out.put(qint32(page.orientation()));
    out.put(QPointF(margins.left(), margins.top()));
    out.put(QPointF(margins.right(), margins.bottom()));
    out.put(qint32(writer.resolution()));
    const QChar point = number_text::localeDecimalPoint();
    const QString painted = output.templatePdf ? sheets::paintTemplate(writer, output.job, output.sections, point)
                                               : sheets::paintJobSheet(writer, output.job, point);
    const auto failure = [](const QString &message) {
        return command_line::Failure{command_line::kCannotReadOrWrite, message};
    };
    if (!painted.isEmpty())
        return failure(painted);
    if (writer.failed())
        return failure(QStringLiteral("the sheet draws what the record cannot hold (a transform, a clip, an image)"));
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) || file.write(out.data()) != out.data().size() ||
        !file.flush())
        return failure(file.errorString());
    std::printf("%d\n", writer.pageCount());
    return std::nullopt;
}

}  // namespace

int main(int argc, char *argv[])
{
    QGuiApplication application(argc, argv);
    const QStringList arguments = QCoreApplication::arguments();
    if (arguments.size() == 3 && arguments[1] == QLatin1String("--twenty-sections")) {
        const QString failure = layout::writeJobFile(twentySections(), arguments[2]);
        if (failure.isEmpty())
            return 0;
        std::fprintf(stderr, "bench_pdf_record: %s\n", qPrintable(failure));
        return 1;
    }
    if (arguments.size() < 3) {
        std::fprintf(stderr, "usage: bench_pdf_record RECORD RAILPIN_ARGUMENTS...\n"
                             "       bench_pdf_record --twenty-sections JOB_FILE\n");
        return 2;
    }
    const QString &recordPath = arguments[1];
    QStringList railpinArguments = arguments.mid(2);
    railpinArguments.prepend(QStringLiteral("railpin"));
    command_line::identifyApplication(application);
    QTextStream out(stdout);
    QTextStream err(stderr);
    return command_line::runWith(railpinArguments, out, err, [&recordPath](command_line::PagedOutput &output) {
        return record(recordPath, output);
    });
}
