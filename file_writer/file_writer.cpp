// SPDX-License-Identifier: LicenseRef-proprietary
#include "file_writer.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QSaveFile>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace file_writer {

namespace {

QString tr(const char *text)
{
    return QCoreApplication::translate("file_writer", text);
}

// The cause of a failed call in the user's words; the system's own text for
// the rare ones, never "Unknown error".
QString causeOf(int error)
{
    switch (error) {
    case ENOSPC:
#ifdef EDQUOT
    case EDQUOT:
#endif
        return tr("the disk is full");
    case EFBIG:
        return tr("the file is larger than this disk or the system allows");
    case EACCES:
    case EPERM:
        return tr("permission denied");
    case EROFS:
        return tr("the disk is read-only");
    case ENOENT:
        return tr("the folder does not exist");
    case ENOTDIR:
        return tr("a part of the path is not a folder");
    case EISDIR:
        return tr("it is a folder");
    case ENAMETOOLONG:
        return tr("the name is too long");
    case EIO:
        return tr("the disk reported an input/output error");
    case 0:
        return tr("the system gave no reason");
    default:
        return QString::fromLocal8Bit(std::strerror(error));
    }
}

bool outputClosed = false;

// Why a link on the path must not be followed, or an empty string when none
// is another user's link in a shared folder.
QString linkRefusalOf(const QString &path)
{
    const QStringList parts = QDir::cleanPath(QFileInfo(path).absoluteFilePath()).split(u'/', Qt::SkipEmptyParts);
    QString folder = QStringLiteral("/");
    for (const QString &part : parts) {
        const QString next = folder.endsWith(u'/') ? folder + part : folder + u'/' + part;
        struct stat link
        {
        };
        if (::lstat(QFile::encodeName(next).constData(), &link) != 0)
            return {};  // not there yet: nothing further to follow
        if (S_ISLNK(link.st_mode)) {
            struct stat holder
            {
            };
            if (::stat(QFile::encodeName(folder).constData(), &holder) == 0 &&
                !mayFollowLink(link.st_uid, holder.st_mode, holder.st_uid, ::geteuid()))
                return tr("\"%1\" is a link owned by another user in a shared folder, which could point at any "
                          "file; remove it or choose another name")
                    .arg(QDir::toNativeSeparators(next));
        }
        folder = next;
    }
    return {};
}

// Why an existing target must not be replaced by a regular file, or an empty
// string when it is one (or does not exist yet).
QString refusalOf(const QString &path)
{
    struct stat status
    {
    };
    if (::stat(QFile::encodeName(path).constData(), &status) != 0)
        return errno == ENOENT ? QString() : causeOf(errno);
    if (S_ISREG(status.st_mode))
        return {};
    if (S_ISDIR(status.st_mode))
        return tr("it is a folder");
    return tr("it is not a regular file (a device, a FIFO or a socket)");
}

QString writeAll(int descriptor, QByteArrayView bytes)
{
    const char *next = bytes.constData();
    qsizetype left = bytes.size();
    while (left > 0) {
        const ssize_t written = ::write(descriptor, next, size_t(left));
        if (written < 0) {
            if (errno == EINTR)
                continue;
            return causeOf(errno);
        }
        if (written == 0)
            return causeOf(ENOSPC);
        next += written;
        left -= written;
    }
    return {};
}

// The file's mode, owner and group go to the new file before it replaces the
// old one. Handing a file to another owner needs root; a user who may not do
// that still saves, as the file's new owner.
void keepOwnerAndMode(int descriptor, const struct stat &old)
{
    if (::fchown(descriptor, old.st_uid, old.st_gid) != 0)
        (void)::fchown(descriptor, uid_t(-1), old.st_gid);
    (void)::fchmod(descriptor, old.st_mode & 07777);
}

// Makes the rename itself durable. Some file systems cannot sync a folder
// (EINVAL); only an error of the disk counts.
QString syncFolder(const QString &filePath)
{
    const QByteArray folder = QFile::encodeName(QFileInfo(filePath).absolutePath());
    const int descriptor = ::open(folder.constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (descriptor < 0)
        return {};
    QString cause;
    if (::fsync(descriptor) != 0 && errno == EIO)
        cause = causeOf(errno);
    ::close(descriptor);
    return cause;
}

}  // namespace

QString systemCause(int error)
{
    return causeOf(error);
}

void guardStandardStreams()
{
    for (const int stream : {STDOUT_FILENO, STDERR_FILENO}) {
        if (::fcntl(stream, F_GETFD) != -1 || errno != EBADF)
            continue;
        // The lowest free number is the closed stream's own.
        const int placeholder = ::open("/dev/null", O_WRONLY);
        if (placeholder >= 0 && placeholder != stream)
            ::close(placeholder);
        if (stream == STDOUT_FILENO)
            outputClosed = true;
    }
}

bool standardOutputClosed()
{
    return outputClosed;
}

void adoptClosedStandardOutput(bool closed)
{
    outputClosed = closed;
}

QString standardOutputCause(int error)
{
    if (outputClosed || error == EBADF)
        return tr("it was closed before the program started");
    return causeOf(error);
}

bool mayFollowLink(uint linkOwner, uint folderMode, uint folderOwner, uint user)
{
    const bool shared = (folderMode & S_ISVTX) != 0 && (folderMode & S_IWOTH) != 0;
    return !shared || linkOwner == user || linkOwner == folderOwner;
}

QString targetRefusal(const QString &path)
{
    if (path.isEmpty())
        return tr("no file name was given");
    if (QString refusal = linkRefusalOf(path); !refusal.isEmpty())
        return refusal;
    return refusalOf(path);
}

QString failureMessage(const QString &path, const QString &cause)
{
    return tr("cannot write \"%1\": %2").arg(QDir::toNativeSeparators(path), cause);
}

QString writeFileCause(const QString &path, const QByteArray &bytes)
{
    FileSink sink(path);
    sink.append(bytes);
    return sink.commitCause();
}

QString writeFile(const QString &path, const QByteArray &bytes)
{
    FileSink sink(path);
    sink.append(bytes);
    return sink.commit();
}

FileSink::FileSink(const QString &path) : path(path)
{
    if (path == QLatin1String("-")) {
        if (outputClosed) {
            cause = standardOutputCause(EBADF);
            return;
        }
        // Whatever the C library still holds must come first.
        std::fflush(stdout);
        descriptor = STDOUT_FILENO;
        return;
    }
    if (QString refusal = targetRefusal(path); !refusal.isEmpty()) {
        cause = refusal;
        return;
    }
    struct stat old
    {
    };
    const bool replacing = ::stat(QFile::encodeName(path).constData(), &old) == 0;
    if (replacing && ::access(QFile::encodeName(path).constData(), W_OK) != 0) {
        cause = causeOf(errno);
        return;
    }
    file = std::make_unique<QSaveFile>(path);
    // It receives no events: tied to no thread, it may end in the thread
    // that wrote the pieces, when that one lets go of the sink last.
    file->moveToThread(nullptr);
    errno = 0;
    if (!file->open(QIODevice::WriteOnly | QIODevice::Unbuffered)) {
        const int error = errno;
        cause = error != 0 ? causeOf(error) : file->errorString();
        file.reset();
        return;
    }
    // Written straight to the descriptor, so that every failure is seen with
    // its cause here, before anything is renamed.
    descriptor = file->handle();
    if (replacing)
        keepOwnerAndMode(descriptor, old);
}

FileSink::~FileSink()
{
    cancel();
}

bool FileSink::append(QByteArrayView bytes)
{
    if (!cause.isEmpty() || descriptor < 0)
        return false;
    cause = writeAll(descriptor, bytes);
    return cause.isEmpty();
}

QString FileSink::commitCause()
{
    if (descriptor == STDOUT_FILENO && !file) {
        descriptor = -1;
        struct stat status
        {
        };
        if (cause.isEmpty() && ::fstat(STDOUT_FILENO, &status) == 0 && S_ISREG(status.st_mode) &&
            ::fsync(STDOUT_FILENO) != 0 && errno != EINVAL)
            cause = causeOf(errno);
        return cause;
    }
    if (!file)
        return cause;  // the file could not be opened
    descriptor = -1;
    if (cause.isEmpty() && ::fsync(file->handle()) != 0)
        cause = causeOf(errno);
    if (!cause.isEmpty()) {
        cancel();
        return cause;
    }
    errno = 0;
    const bool committed = file->commit();
    const int error = errno;
    const QString fileName = file->fileName();
    const QString commitError = file->errorString();
    file.reset();
    if (!committed) {
        cause = error != 0 ? causeOf(error) : commitError;
        return cause;
    }
    cause = syncFolder(fileName);
    return cause;
}

QString FileSink::commit()
{
    const QString failure = commitCause();
    if (failure.isEmpty())
        return {};
    if (path == QLatin1String("-"))
        return tr("cannot write to standard output: %1").arg(failure);
    return failureMessage(path, failure);
}

void FileSink::cancel()
{
    descriptor = -1;
    if (!file)
        return;
    file->cancelWriting();
    file.reset();  // a save file closed without its commit removes its temporary file
}

}  // namespace file_writer
