// SPDX-License-Identifier: LicenseRef-proprietary
#pragma once

#include "job.h"

#include <QJsonObject>
#include <QStringList>

#include <optional>
#include <vector>

// The fields of a job file that this program does not know. A near miss of
// a known field ("stiar", "units", "railpinWidht") is a mistake that would
// lay the railing out wrongly, so it stops the sections it touches; any
// other field is kept and written back, with a warning that it is not used.
// Fields whose names begin with "x-" are the user's own and pass silently.
namespace layout {

enum class FieldLevel { Job, Section, Stair, Order, Run };

// The known field of the same object that `key` is a near miss or a short
// form of ("stair" for "stiar", "maximumGap" for "maxGap"); empty when none.
QString resembledField(const QString &key, FieldLevel level);

// The known field that `key` resembles at `level` (or the level a known
// field belongs to), as a sentence: "unknown field \"stiar\" (did you mean
// \"stair\"?)". Empty when the key is no mistake.
QString misspeltField(const QString &key, FieldLevel level);

// Each mistake among the unknown fields of `fields`, in the order of the file.
QStringList misspeltFields(const QJsonObject &fields, FieldLevel level);

// Every mistake that stops this section: its own fields, its stair's and the job's.
QStringList misspeltFieldProblems(const Job &job, const Section &section);

// An unknown field that is no mistake: kept, but not used.
struct UnusedField
{
    std::optional<std::size_t> section;  // absent: a field of the job itself, or of a run (named in the warning)
    QString warning;                     // "unknown field \"note\" is kept but not used"
};
std::vector<UnusedField> unusedFields(const Job &job);

}  // namespace layout
