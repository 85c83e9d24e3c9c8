// SPDX-License-Identifier: LicenseRef-proprietary
#include "job_fields.h"

#include "job_file_keys.h"

#include <QCoreApplication>

#include <algorithm>
#include <array>

namespace layout {

namespace keys = job_file_keys;

namespace {

const QList<QLatin1StringView> &knownKeys(FieldLevel level)
{
    static const QList<QLatin1StringView> job{keys::kFormat,
                                              keys::kVersion,
                                              keys::kName,
                                              keys::kUnit,
                                              keys::kRailpinWidth,
                                              keys::kMaximumGap,
                                              keys::kMaximumGapStairs,
                                              keys::kIncrement,
                                              keys::kMarkStep,
                                              keys::kExtraStockPercent,
                                              keys::kPackSize,
                                              keys::kSections,
                                              keys::kDesignGap,
                                              keys::kSpacing,
                                              keys::kCentre,
                                              keys::kMeasuredBetween,
                                              keys::kPostWidth,
                                              keys::kOrder,
                                              keys::kMinPerTread,
                                              keys::kTriangleSphere,
                                              keys::kMaxPostSpacing,
                                              keys::kRuns,
                                              keys::kMarksFrom};
    static const QList<QLatin1StringView> section{
        keys::kName,  keys::kLength,    keys::kRailpinWidth, keys::kMaximumGap, keys::kEnds,           keys::kCount,
        keys::kStair, keys::kDesignGap, keys::kSpacing,      keys::kCentre,     keys::kMeasuredBetween};
    static const QList<QLatin1StringView> stair{
        keys::kRise,   keys::kRun,    keys::kAngle,      keys::kTreads,    keys::kPerTread, keys::kFirstFromRiser,
        keys::kNewels, keys::kNosing, keys::kRailHeight, keys::kRailDepth, keys::kInsert,   keys::kBottomRail};
    static const QList<QLatin1StringView> order{keys::kRailRows,        keys::kRailStock,    keys::kKerf,
                                                keys::kRailpinLength,   keys::kRailpinStock, keys::kScrewsPerRailpin,
                                                keys::kScrewsPerRailEnd};
    static const QList<QLatin1StringView> run{
        keys::kName,       keys::kLength, keys::kStart,     keys::kEnd,     keys::kMaxPostSpacing, keys::kRailpinWidth,
        keys::kMaximumGap, keys::kEnds,   keys::kDesignGap, keys::kSpacing, keys::kCentre};
    switch (level) {
    case FieldLevel::Order:
        return order;
    case FieldLevel::Run:
        return run;
    case FieldLevel::Section:
        return section;
    case FieldLevel::Stair:
        return stair;
    case FieldLevel::Job:
        break;
    }
    return job;
}

// Short forms people write for a known field.
struct ShortForm
{
    QLatin1StringView written;
    QLatin1StringView meant;
};
constexpr std::array kShortForms{
    ShortForm{QLatin1StringView("maxGap"), keys::kMaximumGap},
    ShortForm{QLatin1StringView("max_gap"), keys::kMaximumGap},
    ShortForm{QLatin1StringView("width"), keys::kRailpinWidth},
    ShortForm{QLatin1StringView("gap"), keys::kMaximumGap},
    ShortForm{QLatin1StringView("units"), keys::kUnit},
};

// Edits (insert, delete, replace, or swap of neighbours) that turn a into b,
// counted up to `limit` + 1.
qsizetype editDistance(const QString &a, const QString &b, qsizetype limit)
{
    if (std::abs(a.size() - b.size()) > limit)
        return limit + 1;
    std::vector<std::vector<qsizetype>> d(size_t(a.size() + 1), std::vector<qsizetype>(size_t(b.size() + 1)));
    for (qsizetype i = 0; i <= a.size(); ++i)
        d[size_t(i)][0] = i;
    for (qsizetype j = 0; j <= b.size(); ++j)
        d[0][size_t(j)] = j;
    for (qsizetype i = 1; i <= a.size(); ++i) {
        for (qsizetype j = 1; j <= b.size(); ++j) {
            const qsizetype cost = a[i - 1] == b[j - 1] ? 0 : 1;
            qsizetype best = std::min({d[size_t(i - 1)][size_t(j)] + 1, d[size_t(i)][size_t(j - 1)] + 1,
                                       d[size_t(i - 1)][size_t(j - 1)] + cost});
            if (i > 1 && j > 1 && a[i - 1] == b[j - 2] && a[i - 2] == b[j - 1])
                best = std::min(best, d[size_t(i - 2)][size_t(j - 2)] + 1);
            d[size_t(i)][size_t(j)] = best;
        }
    }
    return d[size_t(a.size())][size_t(b.size())];
}

// Whether `key` is a near miss of the known `known`: another case, one edit
// of a short key with the same first letter, two of a longer one.
bool nearMiss(const QString &key, QLatin1StringView known)
{
    const QString lower = key.toLower();
    const QString knownLower = QString(known).toLower();
    if (lower == knownLower)
        return true;
    if (known.size() <= 5)
        return !lower.isEmpty() && lower.front() == knownLower.front() && editDistance(lower, knownLower, 1) <= 1;
    return editDistance(lower, knownLower, 2) <= 2;
}

QString ownerName(FieldLevel level)
{
    switch (level) {
    case FieldLevel::Section:
        return QCoreApplication::translate("layout", "a section");
    case FieldLevel::Stair:
        return QCoreApplication::translate("layout", "a stair");
    case FieldLevel::Order:
        return QCoreApplication::translate("layout", "the order list");
    case FieldLevel::Run:
        return QCoreApplication::translate("layout", "a run");
    case FieldLevel::Job:
        break;
    }
    return QCoreApplication::translate("layout", "the job");
}

bool isOwnField(const QString &key)
{
    return key.startsWith(QLatin1String("x-"));
}

QString unknownWarning(const QString &key)
{
    return QCoreApplication::translate("layout", "unknown field \"%1\" is kept but not used").arg(key);
}

}  // namespace

QString resembledField(const QString &key, FieldLevel level)
{
    if (isOwnField(key))
        return {};
    const QList<QLatin1StringView> &known = knownKeys(level);
    if (known.contains(key))
        return {};
    for (const QLatin1StringView candidate : known)
        if (nearMiss(key, candidate))
            return candidate;
    for (const ShortForm &form : kShortForms) {
        if (key == form.written && known.contains(form.meant))
            return form.meant;
    }
    return {};
}

QString misspeltField(const QString &key, FieldLevel level)
{
    if (isOwnField(key) || knownKeys(level).contains(key))
        return {};
    if (const QString meant = resembledField(key, level); !meant.isEmpty())
        return QCoreApplication::translate("layout", "unknown field \"%1\" (did you mean \"%2\"?)").arg(key, meant);
    // A known field in the wrong place, such as a job's "unit" in a section.
    for (const FieldLevel other :
         {FieldLevel::Job, FieldLevel::Section, FieldLevel::Stair, FieldLevel::Order, FieldLevel::Run}) {
        if (other == level)
            continue;
        for (const QLatin1StringView candidate : knownKeys(other)) {
            if (key.compare(candidate, Qt::CaseInsensitive) == 0)
                return QCoreApplication::translate("layout", "field \"%1\" belongs to %2, not to %3")
                    .arg(key, ownerName(other), ownerName(level));
        }
        for (const ShortForm &form : kShortForms) {
            if (key == form.written && knownKeys(other).contains(form.meant))
                return QCoreApplication::translate("layout", "unknown field \"%1\" (did you mean \"%2\" of %3?)")
                    .arg(key, form.meant, ownerName(other));
        }
    }
    return {};
}

QStringList misspeltFields(const QJsonObject &fields, FieldLevel level)
{
    QStringList problems;
    for (auto field = fields.begin(); field != fields.end(); ++field) {
        const QString problem = misspeltField(field.key(), level);
        if (!problem.isEmpty())
            problems << problem;
    }
    return problems;
}

QStringList misspeltFieldProblems(const Job &job, const Section &section)
{
    QStringList problems;
    for (const QString &problem : misspeltFields(job.unknownFields, FieldLevel::Job))
        problems << QCoreApplication::translate("layout", "the job's %1").arg(problem);
    if (job.order) {
        for (const QString &problem : misspeltFields(job.order->unknownFields, FieldLevel::Order))
            problems << QCoreApplication::translate("layout", "the order list's %1").arg(problem);
    }
    problems << misspeltFields(section.unknownFields, FieldLevel::Section);
    if (section.stair) {
        for (const QString &problem : misspeltFields(section.stair->unknownFields, FieldLevel::Stair))
            problems << QCoreApplication::translate("layout", "stair: %1").arg(problem);
    }
    return problems;
}

std::vector<UnusedField> unusedFields(const Job &job)
{
    std::vector<UnusedField> unused;
    const auto collect = [&unused](const QJsonObject &fields, FieldLevel level, std::optional<std::size_t> section,
                                   const QString &prefix) {
        for (auto field = fields.begin(); field != fields.end(); ++field) {
            if (!isOwnField(field.key()) && misspeltField(field.key(), level).isEmpty())
                unused.push_back({section, prefix + unknownWarning(field.key())});
        }
    };
    collect(job.unknownFields, FieldLevel::Job, std::nullopt, QString());
    if (job.order)
        collect(job.order->unknownFields, FieldLevel::Order, std::nullopt,
                QCoreApplication::translate("layout", "order list: "));
    for (std::size_t index = 0; index < job.sections.size(); ++index) {
        const Section &section = job.sections[index];
        collect(section.unknownFields, FieldLevel::Section, index, QString());
        if (section.stair)
            collect(section.stair->unknownFields, FieldLevel::Stair, index,
                    QCoreApplication::translate("layout", "stair: "));
    }
    for (std::size_t index = 0; index < job.runs.size(); ++index)
        collect(job.runs[index].unknownFields, FieldLevel::Run, std::nullopt,
                QCoreApplication::translate("layout", "run %1 \"%2\": ").arg(index + 1).arg(job.runs[index].name));
    return unused;
}

}  // namespace layout
