// SPDX-License-Identifier: LicenseRef-proprietary
#include "marks_text.h"

#include "marks_headings.h"
#include "measurement.h"
#include "output_names.h"
#include "run.h"
#include "section_layout.h"

#include <QStringList>

#include <functional>

namespace command_line {

namespace {

// The heading line of a marks table; in a metric job each length column says so.
QString headingLine(const layout::Job &job, const char *const *columns, std::size_t size, std::size_t firstLength)
{
    QStringList headings;
    for (std::size_t column = 0; column < size; ++column) {
        QString heading = QString::fromLatin1(columns[column]);
        if (job.unit == layout::Unit::Millimetres && column >= firstLength)
            heading += QStringLiteral(" (mm)");
        headings << heading;
    }
    return headings.join(u'\t') + u'\n';
}

// A stair by its treads: each railpin's tread, place and lengths.
QString treadLines(const layout::StairTreads &treads, const std::function<QString(double)> &text)
{
    QString output;
    for (const layout::TreadRailpin &railpin : treads.railpins) {
        QStringList fields{QString::number(railpin.railpin), QString::number(railpin.tread), text(railpin.onTread),
                           text(railpin.level), text(railpin.alongTheRail)};
        if (treads.lengths.empty()) {
            fields << QString() << QString();
        } else {
            const layout::TreadLength &length = treads.lengths[size_t(railpin.position - 1)];
            fields << text(length.centre) << text(length.cut);
        }
        output += fields.join(u'\t') + u'\n';
    }
    return output;
}

// The posts of a run, before its bays: each numbered from the run's start
// reference, a face before it with a leading "-", then a blank line.
QString postsText(const layout::Job &job, std::size_t run, bool decimals)
{
    QStringList headings;
    for (const char *heading : marks_headings::kPostColumns)
        headings.append(QString::fromLatin1(heading));
    if (job.unit == layout::Unit::Millimetres) {
        for (qsizetype column = 1; column < headings.size(); ++column)
            headings[column] += QStringLiteral(" (mm)");
    }
    QString output = headings.join(u'\t') + u'\n';
    const auto text = [&job, decimals](double value) { return layout::signedMarkText(value, job, decimals); };
    for (const layout::PostPosition &post : layout::planRun(job, run).posts)
        output +=
            QStringList{QString::number(post.number), text(post.centre), text(post.leftFace), text(post.rightFace)}
                .join(u'\t') +
            u'\n';
    return output + u'\n';
}

}  // namespace

QString marksText(const layout::Job &job, const std::vector<layout::SectionLayout> &sections, bool asJob, bool decimals)
{
    // The output is read by scripts as well as people: like its "." separator,
    // its headings stay the same in every language.
    QStringList headings;
    for (const char *heading : marks_headings::kColumns)
        headings.append(QString::fromLatin1(heading));
    if (job.unit == layout::Unit::Millimetres) {
        for (qsizetype column = 1; column < headings.size(); ++column)
            headings[column] += QStringLiteral(" (mm)");
    }
    const auto text = [&job, decimals](double value) {
        return decimals ? layout::decimalMarkText(value, job) : layout::markText(value, job);
    };

    QString output;
    for (std::size_t index = 0; index < sections.size(); ++index) {
        const std::optional<layout::BayOf> &bay = job.sections[index].bay;
        if (bay && bay->number == 1)
            output += postsText(job, std::size_t(bay->run), decimals);
        if (asJob) {
            // A tab or line break in a name would break the columns and lines,
            // a control character would drive the terminal.
            const QString name = layout::outputName(job.sections[index].name, layout::NameOutput::Terminal);
            output += QStringLiteral("Section\t%1\n").arg(name);
        }
        if (const std::optional<layout::StairTreads> &treads = sections[index].treads) {
            output += headingLine(job, marks_headings::kTreadColumns.data(), marks_headings::kTreadColumns.size(),
                                  marks_headings::kFirstTreadLengthColumn);
            output += treadLines(*treads, text);
            if (asJob)
                output += u'\n';
            continue;
        }
        // A stair's marks are along the rail: the line before its heading says
        // so, since its columns are named as a level section's are.
        if (job.sections[index].stair)
            output += QStringLiteral("Along the rail\t%1\n")
                          .arg(layout::outputName(job.sections[index].name, layout::NameOutput::Terminal));
        // Between post centres a line before the heading says what the marks
        // are from; a section between faces is printed as it always was.
        const layout::SectionLayout &section = sections[index];
        if (const QString from = layout::markReferenceWord(section.reference); !from.isEmpty())
            output += QStringLiteral("Marks from\t%1\n").arg(from);
        output += headings.join(u'\t') + u'\n';
        for (const layout::RailpinMarks &given : section.marks) {
            const layout::RailpinMarks railpin = layout::referencedMarks(section, given);
            output += QStringList{QString::number(railpin.railpin), text(railpin.leftEdge), text(railpin.centre),
                                  text(railpin.rightEdge), text(railpin.centreFromRightPost)}
                          .join(u'\t') +
                      u'\n';
        }
        if (asJob)
            output += u'\n';
    }
    return output;
}

}  // namespace command_line
