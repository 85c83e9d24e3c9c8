// SPDX-License-Identifier: LicenseRef-proprietary
#pragma once

#include <QStringList>

// The job files opened or saved last, newest first, kept in the settings.
namespace recent_files {

inline constexpr int kMaximumEntries = 8;

QStringList list();
void remember(const QString &path);
void forget(const QString &path);

}  // namespace recent_files
