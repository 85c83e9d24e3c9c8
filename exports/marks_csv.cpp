// SPDX-License-Identifier: LicenseRef-proprietary
#include "marks_csv.h"

#include "marks_headings.h"
#include "measurement.h"
#include "run.h"

#include <QStringList>

namespace exports {

namespace {

// A field is quoted when it holds a separator, a quote or a line break; its
// quotes are doubled.
QString csvField(const QString &text)
{
    if (!text.contains(u',') && !text.contains(u'"') && !text.contains(u'\r') && !text.contains(u'\n'))
        return text;
    return u'"' + QString(text).replace(u'"', QStringLiteral("\"\"")) + u'"';
}

QString csvRow(const QStringList &fields)
{
    QStringList quoted;
    quoted.reserve(fields.size());
    for (const QString &field : fields)
        quoted << csvField(field);
    return quoted.join(u',') + QStringLiteral("\r\n");
}

// The posts of every run that is planned, after a blank line: a table of its
// own, with the run's name, each post's number from the run's start
// reference and its exact centre and faces, then in inches the marks.
QString postsCsv(const layout::Job &job)
{
    if (job.runs.empty())
        return {};
    const bool inches = job.unit == layout::Unit::Inches;
    const QString unit = inches ? QStringLiteral("in") : QStringLiteral("mm");
    QStringList headings{QStringLiteral("Run"), QString::fromLatin1(marks_headings::kPost)};
    const auto positions = std::next(marks_headings::kPostColumns.begin());
    for (auto column = positions; column != marks_headings::kPostColumns.end(); ++column)
        headings << QStringLiteral("%1 (%2)").arg(QLatin1StringView(*column), unit);
    if (inches) {
        for (auto column = positions; column != marks_headings::kPostColumns.end(); ++column)
            headings << QStringLiteral("%1 (%2) (fraction)").arg(QLatin1StringView(*column), unit);
    }
    QString text = QStringLiteral("\r\n") + csvRow(headings);
    const int places = inches ? 6 : 3;
    for (std::size_t index = 0; index < job.runs.size(); ++index) {
        for (const layout::PostPosition &post : layout::planRun(job, index).posts) {
            const double values[] = {post.centre, post.leftFace, post.rightFace};
            QStringList row{job.runs[index].name, QString::number(post.number)};
            for (const double value : values)
                row << QString::number(value, 'f', places);
            if (inches) {
                for (const double value : values)
                    row << layout::signedMarkText(value, job);
            }
            text += csvRow(row);
        }
    }
    return text;
}

}  // namespace

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
            QStringList row{job.sections[index].name, QString::number(railpin.railpin)};
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
    text += postsCsv(job);
    return text.toUtf8();
}

}  // namespace exports
