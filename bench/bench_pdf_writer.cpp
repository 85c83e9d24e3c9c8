// SPDX-License-Identifier: LicenseRef-proprietary
// The least a program can do to make a sheet's PDF: it reads the pages that
// bench_pdf_record wrote down and draws them again with QPdfWriter and
// QPainter alone, each text at its point in its font, each line, rectangle
// and polygon in its pen and brush. `railpin --pdf` and `--template` are
// measured against it.
//
// usage: bench_pdf_writer RECORD PDF
#include <QColor>
#include <QFile>
#include <QFont>
#include <QGuiApplication>
#include <QPaintEngine>
#include <QPainter>
#include <QPdfWriter>
#include <QPolygonF>

#include <array>
#include <cstdio>
#include <cstring>
#include <vector>

namespace {

// The values of a record, in turn, as bench_pdf_record wrote them.
class Reader
{
public:
    explicit Reader(const QByteArray &bytes) : at(bytes.constData()), end(at + bytes.size()) {}

    bool atEnd() const { return at >= end; }
    bool fits(qsizetype size) const { return end - at >= size; }
    template <typename Value> Value next()
    {
        Value value{};
        if (fits(sizeof value))
            std::memcpy(&value, at, sizeof value);
        at += sizeof value;
        return value;
    }
    char operation() { return next<char>(); }
    qint32 integer() { return next<qint32>(); }
    double number() { return next<double>(); }
    QPointF point()
    {
        const double x = number();
        return {x, number()};
    }
    QColor colour() { return QColor::fromRgba(QRgb(integer())); }
    QString text()
    {
        const qint32 size = integer();
        if (size < 0 || !fits(size * qsizetype(sizeof(char16_t)))) {
            at = end;
            return {};
        }
        QString text(reinterpret_cast<const QChar *>(at), size);
        at += size * qsizetype(sizeof(char16_t));
        return text;
    }

private:
    const char *at;
    const char *end;
};

}  // namespace

int main(int argc, char *argv[])
{
    QGuiApplication application(argc, argv);
    if (argc != 3) {
        std::fprintf(stderr, "usage: bench_pdf_writer RECORD PDF\n");
        return 2;
    }
    QFile file(QString::fromLocal8Bit(argv[1]));
    if (!file.open(QIODevice::ReadOnly)) {
        std::fprintf(stderr, "bench_pdf_writer: cannot read %s\n", argv[1]);
        return 1;
    }
    const QByteArray bytes = file.readAll();
    if (!bytes.startsWith("PAGES")) {
        std::fprintf(stderr, "bench_pdf_writer: %s is no record of pages\n", argv[1]);
        return 1;
    }
    Reader record(bytes);
    record.next<std::array<char, 5>>();
    const auto paper = QPageSize::PageSizeId(record.integer());
    const auto orientation = QPageLayout::Orientation(record.integer());
    const QPointF leftTop = record.point();
    const QPointF rightBottom = record.point();
    QPdfWriter writer(QString::fromLocal8Bit(argv[2]));
    writer.setResolution(record.integer());
    writer.setPageLayout(QPageLayout(QPageSize(paper), orientation,
                                     QMarginsF(leftTop.x(), leftTop.y(), rightBottom.x(), rightBottom.y()),
                                     QPageLayout::Millimeter));
    QPainter painter(&writer);
    std::vector<QFont> fonts;
    while (!record.atEnd()) {
        switch (record.operation()) {
        case 'p':
            writer.newPage();
            break;
        case 'F': {
            QFont font;
            font.fromString(record.text());
            font.setFamilies(record.text().split(u','));
            fonts.push_back(font);
            break;
        }
        case 'f':
            painter.setFont(fonts.at(std::size_t(record.integer())));
            break;
        case 'P': {
            const QColor colour = record.colour();
            const double width = record.number();
            const auto style = Qt::PenStyle(record.integer());
            const auto cap = Qt::PenCapStyle(record.integer());
            painter.setPen(QPen(colour, width, style, cap, Qt::PenJoinStyle(record.integer())));
            break;
        }
        case 'B': {
            const QColor colour = record.colour();
            painter.setBrush(QBrush(colour, Qt::BrushStyle(record.integer())));
            break;
        }
        case 't': {
            const QPointF point = record.point();
            painter.drawText(point, record.text());
            break;
        }
        case 'l': {
            const QPointF from = record.point();
            painter.drawLine(QLineF(from, record.point()));
            break;
        }
        case 'r': {
            const QPointF topLeft = record.point();
            const QPointF size = record.point();
            painter.drawRect(QRectF(topLeft.x(), topLeft.y(), size.x(), size.y()));
            break;
        }
        case 'g': {
            const int mode = record.integer();
            QPolygonF polygon(record.integer());
            for (QPointF &point : polygon)
                point = record.point();
            if (mode == QPaintEngine::PolylineMode)
                painter.drawPolyline(polygon);
            else
                painter.drawPolygon(polygon, mode == QPaintEngine::WindingMode ? Qt::WindingFill : Qt::OddEvenFill);
            break;
        }
        default:
            std::fprintf(stderr, "bench_pdf_writer: %s holds what it cannot read\n", argv[1]);
            return 1;
        }
    }
    return painter.end() ? 0 : 1;
}
