// SPDX-License-Identifier: LicenseRef-proprietary
#pragma once

#include <QByteArray>
#include <QString>

// Every file the program writes goes through here. The bytes go to a
// temporary file beside the target, unbuffered, are synced to the disk and
// only then renamed over the target; on any failure the temporary file is
// removed and an existing file stays byte for byte as it was. A save over an
// existing file keeps its permissions, owner and group. A target that exists
// but is not a regular file (a folder, a FIFO, a device) is refused. The path
// "-" means standard output.
namespace file_writer {

// Returns an empty string when every byte reached the disk, else one line
// naming the path and the cause: cannot write "x.pdf": the disk is full
QString writeFile(const QString &path, const QByteArray &bytes);

// The same, returning only the cause ("the disk is full"), for a caller that
// names the path in words of its own.
QString writeFileCause(const QString &path, const QByteArray &bytes);

// The message writeFile() gives for `cause` at `path`.
QString failureMessage(const QString &path, const QString &cause);

}  // namespace file_writer
