// SPDX-License-Identifier: LicenseRef-proprietary
// The exports with any names and numbers: each file keeps its own syntax
// whatever a job file puts in it. The SVG is well-formed XML, the CSV has
// one row of equal width per railpin with the name as its first cell and no
// cell a spreadsheet would take for a formula, and the DXF stays pairs of a
// numeric group code and a value in printable ASCII.
#include "drawing_files.h"
#include "elevation.h"
#include "fuzz_input.h"
#include "marks_csv.h"
#include "output_names.h"
#include "section_layout.h"

#include <QXmlStreamReader>

namespace {

// Comma-separated values read back as RFC 4180 says.
QList<QStringList> readCsv(const QString &text)
{
    QList<QStringList> rows;
    QStringList row;
    QString cell;
    bool quoted = false;
    for (qsizetype index = 0; index < text.size(); ++index) {
        const QChar character = text.at(index);
        if (quoted) {
            if (character == u'"' && index + 1 < text.size() && text.at(index + 1) == u'"')
                cell += text.at(++index);
            else if (character == u'"')
                quoted = false;
            else
                cell += character;
        } else if (character == u'"') {
            quoted = true;
        } else if (character == u',') {
            row << std::exchange(cell, {});
        } else if (character == u'\r' && index + 1 < text.size() && text.at(index + 1) == u'\n') {
            ++index;
            row << std::exchange(cell, {});
            rows << std::exchange(row, {});
        } else {
            cell += character;
        }
    }
    return rows;
}

// A stair's railpins have a row along the rail and a row level.
qint64 csvRows(const layout::SectionLayout &section)
{
    return section.horizontalMarks.empty() ? section.count : 2 * section.count;
}

void checkCsv(const layout::Job &job, const std::vector<layout::SectionLayout> &layouts)
{
    // The text as a spreadsheet reads it: UTF-8, so a lone surrogate would
    // already be lost here.
    const QList<QStringList> rows = readCsv(QString::fromUtf8(exports::marksCsv(job, layouts)));
    qint64 expectedRows = 1;
    for (const layout::SectionLayout &section : layouts)
        expectedRows += csvRows(section);
    fuzz::require(rows.size() == expectedRows, "one CSV row per railpin and way of measuring, and a heading");
    const qsizetype width = rows.constFirst().size();
    qsizetype row = 1;
    for (std::size_t index = 0; index < layouts.size(); ++index) {
        const QString expected = layout::outputName(job.sections[index].name, layout::NameOutput::Csv);
        for (qint64 railpin = 0; railpin < csvRows(layouts[index]); ++railpin, ++row) {
            const QStringList &cells = rows.at(row);
            fuzz::require(cells.size() == width, "every CSV row as wide as the heading", cells.join(u'|'));
            fuzz::require(cells.constFirst() == expected, "the name is the first cell", cells.constFirst());
            fuzz::require(!layout::needsTextMark(cells.constFirst()) || cells.constFirst().startsWith(u'\''),
                          "no name is read as a formula", cells.constFirst());
        }
    }
}

void checkSvg(const exports::Elevation &drawing, layout::Unit unit)
{
    QXmlStreamReader xml(exports::drawingSvg(drawing, unit));
    while (!xml.atEnd())
        xml.readNext();
    fuzz::require(!xml.hasError(), "the SVG is well-formed", xml.errorString());
}

void checkDxf(const exports::Elevation &drawing, layout::Unit unit)
{
    const QList<QByteArray> lines = exports::drawingDxf(drawing, unit).split('\n');
    fuzz::require(lines.constLast().isEmpty() && lines.size() % 2 == 1, "the DXF is pairs of lines");
    for (qsizetype index = 0; index + 1 < lines.size(); index += 2) {
        bool number = false;
        lines[index].trimmed().toInt(&number);
        fuzz::require(number, "every group code is a number", QString::fromLatin1(lines[index]));
        for (const char byte : lines[index + 1].chopped(1))
            fuzz::require(byte >= 0x20 && byte < 0x7f, "every value is printable ASCII",
                          QString::fromLatin1(lines[index + 1]));
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    fuzz::Input input(data, size);
    layout::Job job;
    job.unit = input.take<quint8>() % 2 == 0 ? layout::Unit::Inches : layout::Unit::Millimetres;
    const bool inches = job.unit == layout::Unit::Inches;
    job.railpinWidth = inches ? QStringLiteral("1 3/8") : QStringLiteral("35");
    job.maximumGap = inches ? QStringLiteral("4") : QStringLiteral("100");
    // Up to four sections of a few railpins each, to keep runs fast; the
    // names share the rest of the input.
    const int sections = 1 + input.take<quint8>() % 4;
    for (int index = 0; index < sections; ++index) {
        layout::Section section;
        const double length = 1 + input.take<quint16>() % 1200;
        section.length = QString::number(inches ? length / 10 : length * 2.5, 'g', 15);
        if (const quint8 count = input.take<quint8>(); count % 4 == 0)
            section.count = count / 4 % 12;
        job.sections.push_back(section);
    }
    const std::size_t used = 2 + std::size_t(sections) * 3;
    const std::size_t rest = size > used ? size - used : 0;
    const QString names =
        rest % 2 == 0 ? fuzz::utf16Text(data + size - rest, rest) : fuzz::utf8Text(data + size - rest, rest);
    for (int index = 0; index < sections; ++index)
        job.sections[std::size_t(index)].name = names.section(QChar(0x1e), index, index);

    std::vector<layout::SectionLayout> layouts;
    for (const layout::Section &section : job.sections) {
        layouts.push_back(layout::layOut(job, section));
        if (!layouts.back().laidOut())
            return 0;
    }
    checkCsv(job, layouts);
    const exports::Elevation drawing = exports::elevation(job, layouts);
    checkSvg(drawing, job.unit);
    checkDxf(drawing, job.unit);
    return 0;
}
