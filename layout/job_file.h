// SPDX-License-Identifier: LicenseRef-proprietary
#pragma once

#include "job.h"
#include "job_limits.h"

#include <QByteArray>
#include <QString>

#include <optional>

// The job file (.railpin): JSON with a format marker and version. Reading
// refuses only what is not a job file at all (not JSON, no marker, wrong
// structure, too large, a newer version); a measurement that cannot be read
// is kept as typed and flagged later by layOut().
namespace layout {

struct JobReadResult
{
    std::optional<Job> job;
    QString error;  // when no job: the reason with the place ("sections[2].length: not a string")
    // The file is a job file of a version this program reads, but a value in
    // it is not one a job can have ("ends": "halfgap"), as against a file that
    // is no job at all.
    bool badValue = false;
};

// From the file's bytes; `fileName` is named in the error.
JobReadResult parseJob(const QByteArray &bytes, const QString &fileName = QString());

// Opens and parses; a missing or unreadable file or one over kMaximumFileBytes is an error.
// `bytesRead`, when given, receives the bytes that were parsed, so that a
// caller can tell later whether the file still holds them.
JobReadResult readJobFile(const QString &path, QByteArray *bytesRead = nullptr);

// The lowest file version that describes the job, so that an older program
// opens every file it can lay out alike and refuses the others: 1 for
// inches, 2 for millimetres, 3 when the job holds a value an older program
// would ignore (a maximum gap on stairs, a count of 0, a balanced layout),
// 4 when it holds a stair by treads, a stair's rails or the triangle sphere.
int fileVersion(const Job &job);

// The file's bytes, of fileVersion(); unknown fields of the job and its
// sections are written back.
QByteArray serializeJob(const Job &job);

// Why the job is beyond what a job file may hold or a job may lay out (too
// many sections, a file over kMaximumFileBytes, the work budget); empty when
// within. An edit that would cross a limit is refused with this reason.
QString limitProblem(const Job &job);
// The same for a job whose railpins the caller has counted already.
QString limitProblem(const Job &job, qint64 railpins);

// Whether the job's file, as serializeJob() writes it, would be larger than
// kMaximumFileBytes. Reading refuses such a job, so that whatever opens can
// be saved back: numbers are written in full (1e9 as 1000000000), and a file
// of short-written numbers can grow past the limit.
bool writtenSizeExceedsLimit(const Job &job);

// Writes through the checked file writer, so a failed save leaves any old
// file whole; a job whose file reading would refuse is not written at all.
// Returns an empty string on success, else the reason naming the path.
// `bytesWritten`, when given, receives the file's bytes once they are saved.
QString writeJobFile(const Job &job, const QString &path, QByteArray *bytesWritten = nullptr);

}  // namespace layout
