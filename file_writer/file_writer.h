// SPDX-License-Identifier: LicenseRef-proprietary
#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>

#include <memory>

class QSaveFile;

// Every file the program writes goes through here. The bytes go to a
// temporary file beside the target, unbuffered, are synced to the disk and
// only then renamed over the target; on any failure the temporary file is
// removed and an existing file stays byte for byte as it was. A save over an
// existing file keeps its permissions, owner and group. A target that exists
// but is not a regular file (a folder, a FIFO, a device) is refused, and so
// is a path through another user's link in a shared folder (mayFollowLink).
// The path "-" means standard output.
namespace file_writer {

// Returns an empty string when every byte reached the disk, else one line
// naming the path and the cause: cannot write "x.pdf": the disk is full
QString writeFile(const QString &path, const QByteArray &bytes);

// The same, returning only the cause ("the disk is full"), for a caller that
// names the path in words of its own.
QString writeFileCause(const QString &path, const QByteArray &bytes);

// A file written in pieces, for an output too large to hold whole in memory,
// with every check and the same all-or-nothing promise as writeFile(): the
// pieces go to the temporary file as they come, and nothing replaces the
// target until commit(). A sink cancelled, or destroyed before commit(),
// leaves the old file as it was and no temporary file behind. append() only
// writes to the file's descriptor, so another thread may hand over the pieces
// while the thread that made the sink waits; the file is tied to no thread,
// so whichever thread lets go of the sink last may end it, but only one at a
// time may use it.
class FileSink
{
public:
    explicit FileSink(const QString &path);  // "-": standard output, written as the pieces come
    ~FileSink();
    FileSink(const FileSink &) = delete;
    FileSink &operator=(const FileSink &) = delete;

    // False once any step has failed: nothing more is written, and the cause
    // is kept for commit() to give.
    bool append(QByteArrayView bytes);
    bool failed() const { return !cause.isEmpty(); }

    // Syncs the bytes to the disk and renames them over the target. Empty
    // when every byte reached the disk, else one line naming the path and the
    // cause, as writeFile() gives it.
    QString commit();
    // The same, giving only the cause, as writeFileCause() does.
    QString commitCause();
    // Drops what was written; the target stays as it was.
    void cancel();

private:
    QString path;
    std::unique_ptr<QSaveFile> file;
    int descriptor = -1;
    QString cause;  // why the file cannot be written, once something failed
};

// Why writeFile() would refuse `path` before writing a byte (a folder, a
// FIFO, a device, another user's link in a shared folder), found without
// opening it; empty when it may be written. For a caller that must know
// before it makes the bytes.
QString targetRefusal(const QString &path);

// The message writeFile() gives for `cause` at `path`.
QString failureMessage(const QString &path, const QString &cause);

// The cause of a failed system call (an errno value) in the user's words.
QString systemCause(int error);

// Called once when the program starts. A standard output or error that the
// caller closed gets /dev/null in its place, so that no file opened later
// takes its number and receives what was meant for it; writing to "-" then
// fails, saying that standard output was closed.
void guardStandardStreams();
bool standardOutputClosed();

// For code loaded after the program's start (a module with a writer of its
// own): what guardStandardStreams() found there, which it cannot see again.
void adoptClosedStandardOutput(bool closed);

// Why writing to standard output failed with `error` (errno, 0 when none was
// set): that it was closed, when it was, else the system's cause.
QString standardOutputCause(int error);

// Whether a symbolic link may be followed to write through it: not when it
// lies in a sticky, world-writable folder (such as /tmp) and is owned by
// neither the user nor the folder's owner, since another user could point it
// at any file the user may write. Every link on a target's path is checked,
// whatever the machine's own setting for such links.
bool mayFollowLink(uint linkOwner, uint folderMode, uint folderOwner, uint user);

}  // namespace file_writer
