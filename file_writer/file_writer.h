// SPDX-License-Identifier: LicenseRef-proprietary
#pragma once

#include <QByteArray>
#include <QString>

// The one checked way every output reaches a file: all of the bytes or none.
namespace file_writer {

// Writes `bytes` to `path` through a temporary file renamed into place only
// when complete, so a failure leaves an existing file untouched; "-" means
// standard output. Returns an empty string, or one line naming the path and
// the cause.
QString writeFile(const QString &path, const QByteArray &bytes);

}  // namespace file_writer
