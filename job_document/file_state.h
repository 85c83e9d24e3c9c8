// SPDX-License-Identifier: LicenseRef-proprietary
#pragma once

#include <QByteArray>
#include <QDateTime>
#include <QString>

// What a job file held when the program last read or wrote it, so that a
// change by another program or window is noticed before it is overwritten.
// The bytes' hash decides: a file copied with its old time (cp -p, rsync) or
// rewritten within the clock's resolution still differs, and a file only
// touched does not.
struct FileState
{
    bool exists = false;
    bool regular = false;  // a regular file, whose bytes were hashed
    qint64 size = -1;
    QDateTime modified;
    QByteArray hash;

    // The file at `path` as it is now. Only a regular file within the job
    // file limit is read; anything else (a FIFO, a folder, a file too large
    // for a job) is never opened and differs from every job file.
    static FileState of(const QString &path);
    // The file at `path` that now holds `bytes`, just read or written.
    static FileState holding(const QString &path, const QByteArray &bytes);

    // Whether the two hold the same bytes (a missing file is one state).
    bool sameContents(const FileState &other) const;
    // Whether nothing at all differs, the time included.
    bool sameAs(const FileState &other) const;
};
