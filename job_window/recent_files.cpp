// SPDX-License-Identifier: LicenseRef-proprietary
#include "recent_files.h"

#include <QFileInfo>
#include <QSettings>

namespace recent_files {

namespace {

const QString kKey = QStringLiteral("jobs/recentFiles");

void store(const QStringList &paths)
{
    QSettings().setValue(kKey, paths);
}

}  // namespace

QStringList list()
{
    return QSettings().value(kKey).toStringList().mid(0, kMaximumEntries);
}

void remember(const QString &path)
{
    const QString absolute = QFileInfo(path).absoluteFilePath();
    QStringList paths = list();
    paths.removeAll(absolute);
    paths.prepend(absolute);
    store(paths.mid(0, kMaximumEntries));
}

void forget(const QString &path)
{
    QStringList paths = list();
    paths.removeAll(path);
    store(paths);
}

}  // namespace recent_files
