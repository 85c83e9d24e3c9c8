// SPDX-License-Identifier: LicenseRef-proprietary
#include "file_writer.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QSaveFile>

#include <cstdio>

namespace {

struct FileWriter
{
    Q_DECLARE_TR_FUNCTIONS(FileWriter)
};

}  // namespace

namespace file_writer {

QString writeFile(const QString &path, const QByteArray &bytes)
{
    if (path == QLatin1String("-")) {
        QFile out;
        if (!out.open(stdout, QIODevice::WriteOnly) || out.write(bytes) != bytes.size() || !out.flush())
            return FileWriter::tr("cannot write to standard output");
        return {};
    }
    const QString shownPath = QDir::toNativeSeparators(path);
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return FileWriter::tr("cannot write \"%1\": %2").arg(shownPath, file.errorString());
    if (file.write(bytes) != bytes.size() || !file.flush()) {
        const QString reason = file.errorString();
        file.cancelWriting();
        return FileWriter::tr("cannot write \"%1\": %2").arg(shownPath, reason);
    }
    if (!file.commit())
        return FileWriter::tr("cannot write \"%1\": %2").arg(shownPath, file.errorString());
    return {};
}

}  // namespace file_writer
