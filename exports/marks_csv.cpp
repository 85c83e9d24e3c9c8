// SPDX-License-Identifier: LicenseRef-proprietary
#include "marks_csv.h"

#include "marks_headings.h"
#include "measurement.h"
#include "output_names.h"

#include <QStringList>

namespace exports {

namespace {

// A field is quoted when it holds a separator, a quote, a line break or a tab,
// or begins with the ' that keeps a name from being read as a formula; its
// quotes are doubled.
QString csvField(const QString &text)
{
    const bool plain = !text.contains(u',') && !text.contains(u'"') && !text.contains(u'\r') && !text.contains(u'\n') &&
                       !text.contains(u'\t') && !text.startsWith(u'\'');
    if (plain)
        return text;
    return u'"' + QString(text).replace(u'"', QStringLiteral("\"\"")) + u'"';
}

}  // namespace

QString csvRow(const QStringList &fields)
{
    QStringList quoted;
    quoted.reserve(fields.size());
    for (const QString &field : fields)
        quoted << csvField(field);
    return quoted.join(u',') + QStringLiteral("\r\n");
}

QByteArray marksCsv(const layout::Job &job, const std::vector<layout::SectionLayout> &sections)
{
    const bool inches = job.unit == layout::Unit::Inches;
    // Like the tab-separated marks, the headings are read by programs and stay
    // the same in every language.
    const QString unit = inches ? QStringLiteral("in") : QStringLiteral("mm");
    const QStringList positions{QStringLiteral("Left edge"), QStringLiteral("Centre"), QStringLiteral("Right edge"),
                                QStringLiteral("Centre from right post")};
    QStringList headings{QStringLiteral("Section"), QStringLiteral("Railpin")};
    for (const QString &position : positions)
        headings << QStringLiteral("%1 (%2)").arg(position, unit);
    if (inches) {
        for (const QString &position : positions)
            headings << QStringLiteral("%1 (%2) (fraction)").arg(position, unit);
    }
    headings << QStringLiteral("%1 (%2)").arg(QLatin1StringView(marks_headings::kFromMidSpan), unit);

    QString text = csvRow(headings);
    const int places = inches ? 6 : 3;
    for (std::size_t index = 0; index < sections.size() && index < job.sections.size(); ++index) {
        for (const layout::RailpinMarks &railpin : sections[index].marks) {
            const double values[] = {railpin.leftEdge, railpin.centre, railpin.rightEdge, railpin.centreFromRightPost};
            QStringList row{layout::outputName(job.sections[index].name, layout::NameOutput::Csv),
                            QString::number(railpin.railpin)};
            for (const double value : values)
                row << QString::number(value, 'f', places);
            if (inches) {
                for (const double value : values)
                    row << layout::markText(value, job);
            }
            row << QString::number(railpin.fromMidSpan, 'f', places);
            text += csvRow(row);
        }
    }
    return text.toUtf8();
}

}  // namespace exports
