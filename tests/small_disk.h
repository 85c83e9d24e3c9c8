// SPDX-License-Identifier: LicenseRef-proprietary
#pragma once

#include <QFile>
#include <QTemporaryDir>

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/mount.h>
#include <unistd.h>

// A small tmpfs of its own: the one honest way to see a disk fill up. Needs
// root (or the right to mount), as on the CI machines.
class SmallDisk
{
public:
    SmallDisk()
    {
        const QByteArray options = "size=" + QByteArray::number(kSize);
        if (folder.isValid() &&
            ::mount("tmpfs", QFile::encodeName(folder.path()).constData(), "tmpfs", 0, options.constData()) == 0)
            mounted = true;
        else
            problem = QString::fromLocal8Bit(std::strerror(errno));
    }
    ~SmallDisk()
    {
        if (mounted)
            ::umount2(QFile::encodeName(folder.path()).constData(), MNT_DETACH);
    }
    SmallDisk(const SmallDisk &) = delete;
    SmallDisk &operator=(const SmallDisk &) = delete;

    QString filePath(const QString &name) const { return folder.filePath(name); }

    // Fills the disk with one file, then gives back `bytes` of it.
    bool leaveFree(qint64 bytes)
    {
        const int descriptor = ::open(QFile::encodeName(filePath(kFiller)).constData(), O_WRONLY | O_CREAT, 0644);
        if (descriptor < 0)
            return false;
        const QByteArray block(4096, 'x');
        qint64 size = 0;
        for (ssize_t written = 0; (written = ::write(descriptor, block.constData(), size_t(block.size()))) > 0;)
            size += written;
        const bool freed = ::ftruncate(descriptor, qMax<qint64>(0, size - bytes)) == 0;
        ::close(descriptor);
        return freed;
    }

    static constexpr qint64 kSize = qint64{2} * 1024 * 1024;
    static constexpr auto kFiller = "filler";
    bool mounted = false;
    QString problem;

private:
    QTemporaryDir folder;
};
