// SPDX-License-Identifier: LicenseRef-proprietary
#include "file_state.h"

#include "job_limits.h"

#include <QCryptographicHash>
#include <QFile>
#include <QFileInfo>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

QByteArray hashOf(const QByteArray &bytes)
{
    return QCryptographicHash::hash(bytes, QCryptographicHash::Sha256);
}

FileState statOf(const QString &path)
{
    FileState state;
    const QFileInfo info(path);
    state.exists = info.exists();
    if (!state.exists)
        return state;
    state.regular = info.isFile();
    state.size = info.size();
    state.modified = info.lastModified();
    return state;
}

}  // namespace

FileState FileState::of(const QString &path)
{
    FileState state = statOf(path);
    if (!state.regular || state.size > layout::kMaximumFileBytes)
        return state;
    // Opened without waiting, and read only when it is still a regular file:
    // one replaced by a FIFO meanwhile must not hold the window.
    const int descriptor = ::open(QFile::encodeName(path).constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    struct stat opened
    {
    };
    QFile file;
    if (descriptor < 0 || ::fstat(descriptor, &opened) != 0 || !S_ISREG(opened.st_mode) ||
        !file.open(descriptor, QIODevice::ReadOnly, QFileDevice::AutoCloseHandle)) {
        if (descriptor >= 0)
            ::close(descriptor);
        state.regular = false;
        return state;
    }
    state.hash = hashOf(file.read(layout::kMaximumFileBytes + 1));
    return state;
}

FileState FileState::holding(const QString &path, const QByteArray &bytes)
{
    FileState state = statOf(path);
    state.hash = hashOf(bytes);
    return state;
}

bool FileState::sameContents(const FileState &other) const
{
    if (exists != other.exists)
        return false;
    if (!exists)
        return true;
    return regular && other.regular && !hash.isEmpty() && hash == other.hash;
}

bool FileState::sameAs(const FileState &other) const
{
    return exists == other.exists && regular == other.regular && size == other.size && modified == other.modified &&
           hash == other.hash;
}
