// SPDX-License-Identifier: LicenseRef-proprietary
#include "marks_csv.h"

#include "marks_headings.h"
#include "measurement.h"
#include "output_names.h"
#include "run.h"

#include <QStringList>

#include <algorithm>
#include <optional>

namespace exports {

namespace {

// A field is quoted when it holds the separator, a quote, a line break or a
// tab, or begins with the ' that keeps a name from being read as a formula;
// its quotes are doubled.
QString csvField(const QString &text, QChar separator)
{
    const bool plain = !text.contains(separator) && !text.contains(u'"') && !text.contains(u'\r') &&
                       !text.contains(u'\n') && !text.contains(u'\t') && !text.startsWith(u'\'');
    if (plain)
        return text;
    return u'"' + QString(text).replace(u'"', QStringLiteral("\"\"")) + u'"';
}

}  // namespace

CsvStyle CsvStyle::forDecimalPoint(QChar decimalPoint)
{
    return decimalPoint == u',' ? CsvStyle{u';', u','} : CsvStyle{};
}

QString CsvStyle::row(const QStringList &fields) const
{
    QStringList quoted;
    quoted.reserve(fields.size());
    for (const QString &field : fields)
        quoted << csvField(field, separator);
    return quoted.join(separator) + QStringLiteral("\r\n");
}

QString CsvStyle::headingRow(const QStringList &headings) const
{
    if (separator == u',')
        return row(headings);
    QStringList quoted;
    quoted.reserve(headings.size());
    for (const QString &heading : headings)
        quoted << (quoted.isEmpty() ? csvField(heading, separator)
                                    : u'"' + QString(heading).replace(u'"', QStringLiteral("\"\"")) + u'"');
    return quoted.join(separator) + QStringLiteral("\r\n");
}

QString CsvStyle::number(double value, int places) const
{
    QString text = QString::number(value, 'f', places);
    if (decimalPoint != u'.')
        text.replace(u'.', decimalPoint);
    return text;
}

QString CsvStyle::fraction(const QString &mark)
{
    return QString(mark).replace(u'/', QChar(0x2044));
}

namespace {

// The tread columns of one railpin: its tread, then exact decimals, then
// fractions in an inch job; empty for a section laid out along its length,
// and the lengths empty without a rail height.
QStringList treadFields(const layout::Job &job, const std::optional<layout::StairTreads> &treads, std::size_t index,
                        int places, const CsvStyle &style)
{
    const bool inches = job.unit == layout::Unit::Inches;
    const qsizetype fields = 1 + (inches ? 10 : 5);
    if (!treads || index >= treads->railpins.size())
        return QStringList(fields, QString());
    const layout::TreadRailpin &railpin = treads->railpins[index];
    std::vector<std::optional<double>> values{railpin.onTread, railpin.level, railpin.alongTheRail, std::nullopt,
                                              std::nullopt};
    if (!treads->lengths.empty()) {
        const layout::TreadLength &length = treads->lengths[size_t(railpin.position - 1)];
        values[3] = length.centre;
        values[4] = length.cut;
    }
    QStringList row{QString::number(railpin.tread)};
    for (const std::optional<double> &value : values)
        row << (value ? style.number(*value, places) : QString());
    if (inches) {
        for (const std::optional<double> &value : values)
            row << (value ? CsvStyle::fraction(layout::markText(*value, job)) : QString());
    }
    return row;
}

// The posts of every run that is planned, after a blank line: a table of its
// own, with the run's name, each post's number from the run's start
// reference and its exact centre and faces, then in inches the marks.
QString postsCsv(const layout::Job &job, const CsvStyle &style)
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
            headings << QStringLiteral("%1, fraction").arg(QLatin1StringView(*column));
    }
    QString text = QStringLiteral("\r\n") + style.headingRow(headings);
    const int places = inches ? 6 : 3;
    for (std::size_t index = 0; index < job.runs.size(); ++index) {
        for (const layout::PostPosition &post : layout::planRun(job, index).posts) {
            const double values[] = {post.centre, post.leftFace, post.rightFace};
            QStringList row{job.runs[index].name, QString::number(post.number)};
            for (const double value : values)
                row << style.number(value, places);
            if (inches) {
                for (const double value : values)
                    row << CsvStyle::fraction(layout::signedMarkText(value, job));
            }
            text += style.row(row);
        }
    }
    return text;
}

}  // namespace

QByteArray marksCsv(const layout::Job &job, const std::vector<layout::SectionLayout> &sections, const CsvStyle &style)
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
            headings << QStringLiteral("%1, fraction").arg(position);
    }
    headings << QStringLiteral("%1 (%2)").arg(QLatin1StringView(marks_headings::kFromMidSpan), unit);
    // A stair by its treads adds each railpin's tread, place and lengths;
    // a job without one keeps the columns scripts read by position.
    const bool anyTreads = std::any_of(sections.begin(), sections.end(),
                                       [](const layout::SectionLayout &section) { return section.treads.has_value(); });
    QStringList treadLengths;
    for (std::size_t column = marks_headings::kFirstTreadLengthColumn; column < marks_headings::kTreadColumns.size();
         ++column)
        treadLengths << QString::fromLatin1(marks_headings::kTreadColumns[column]);
    if (anyTreads) {
        headings << QString::fromLatin1(marks_headings::kTreadColumns[1]);
        for (const QString &length : treadLengths)
            headings << QStringLiteral("%1 (%2)").arg(length, unit);
        if (inches) {
            for (const QString &length : treadLengths)
                headings << QStringLiteral("%1, fraction").arg(length);
        }
    }

    // Every row says how it is measured: a stair gives its railpins along the
    // rail, then again level, as its sheet does.
    headings << QStringLiteral("Measured");
    // A job with a section between post centres says what each row's marks
    // are from; one without keeps its columns.
    const bool anyFromCentres = std::any_of(sections.begin(), sections.end(), [](const layout::SectionLayout &section) {
        return section.reference != layout::MarkReference::Post;
    });
    if (anyFromCentres)
        headings << QStringLiteral("Marks from");

    // Built as the UTF-8 it is written as, a row at a time, so that the
    // largest job holds its file once rather than again as wider text.
    QByteArray text = style.headingRow(headings).toUtf8();
    const int places = inches ? 6 : 3;
    const auto rows = [&](std::size_t index, const std::vector<layout::RailpinMarks> &marks, const QString &measured) {
        const std::optional<layout::StairTreads> &treads = sections[index].treads;
        const bool level = &marks == &sections[index].horizontalMarks;
        const QString from = layout::markReferenceWord(sections[index].reference);
        std::size_t number = 0;
        for (const layout::RailpinMarks &given : marks) {
            const layout::RailpinMarks railpin = layout::referencedMarks(sections[index], given, level);
            const double values[] = {railpin.leftEdge, railpin.centre, railpin.rightEdge, railpin.centreFromRightPost};
            QStringList row{layout::outputName(job.sections[index].name, layout::NameOutput::Csv),
                            QString::number(railpin.railpin)};
            for (const double value : values)
                row << style.number(value, places);
            if (inches) {
                for (const double value : values)
                    row << CsvStyle::fraction(layout::markText(value, job));
            }
            row << style.number(railpin.fromMidSpan, places);
            if (anyTreads)
                row << treadFields(job, treads, number++, places, style);
            row << measured;
            if (anyFromCentres)
                row << (from.isEmpty() ? layout::markReferenceWord(layout::MarkReference::PostFace) : from);
            text += style.row(row).toUtf8();
        }
    };
    for (std::size_t index = 0; index < sections.size() && index < job.sections.size(); ++index) {
        const layout::SectionLayout &section = sections[index];
        if (section.horizontalMarks.empty()) {
            rows(index, section.marks, QStringLiteral("level"));
            continue;
        }
        rows(index, section.marks, QStringLiteral("along the rail"));
        rows(index, section.horizontalMarks, QStringLiteral("level"));
    }
    text += postsCsv(job, style).toUtf8();
    return text;
}

}  // namespace exports
