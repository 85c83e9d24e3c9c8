// SPDX-License-Identifier: LicenseRef-proprietary
#include "marks_text.h"

#include "marks_headings.h"
#include "measurement.h"
#include "output_names.h"

#include <QStringList>

namespace command_line {

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
        if (asJob) {
            // A tab or line break in a name would break the columns and lines,
            // a control character would drive the terminal.
            const QString name = layout::outputName(job.sections[index].name, layout::NameOutput::Terminal);
            output += QStringLiteral("Section\t%1\n").arg(name);
        }
        output += headings.join(u'\t') + u'\n';
        for (const layout::RailpinMarks &railpin : sections[index].marks) {
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
