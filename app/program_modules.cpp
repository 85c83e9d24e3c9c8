// SPDX-License-Identifier: LicenseRef-proprietary
#include "program_modules.h"

#include "command_line_texts.h"

#include <QDir>
#include <QFileInfo>
#include <QLibrary>

namespace {

// The folders, relative to the program's own, where the package installs the
// modules and where the build puts them; set by app/CMakeLists.txt.
constexpr const char *kModuleFolders[] = {RAILPIN_INSTALLED_MODULE_DIR, RAILPIN_BUILD_MODULE_DIR};

// The running program's own folder, whatever the current folder, the name it
// was started by or the links on the way; never a search path of the
// environment, which could hand it another build's module.
QString programFolder()
{
    return QFileInfo(QFileInfo(QStringLiteral("/proc/self/exe")).canonicalFilePath()).absolutePath();
}

}  // namespace

namespace program_modules {

Loaded load(const QString &fileName, const char *entryName)
{
    const QDir folder(programFolder());
    QString path;
    for (const char *relative : kModuleFolders) {
        const QString candidate = QDir::cleanPath(folder.filePath(QString::fromUtf8(relative) + u'/' + fileName));
        if (QFileInfo::exists(candidate)) {
            path = candidate;
            break;
        }
    }
    if (path.isEmpty()) {
        const auto folderPath = [&folder](const char *relative) {
            return QDir::cleanPath(folder.filePath(QString::fromUtf8(relative)));
        };
        return {nullptr, CommandLine::tr("%1 is in neither %2 nor %3: the program is not installed whole")
                             .arg(fileName, folderPath(kModuleFolders[0]), folderPath(kModuleFolders[1]))};
    }
    // Never unloaded: the windows' and the sheets' objects live until exit.
    QLibrary library(path);
    if (!library.load())
        return {nullptr, CommandLine::tr("cannot load %1: %2").arg(path, library.errorString())};
    void *entry = reinterpret_cast<void *>(library.resolve(entryName));
    if (entry == nullptr)
        return {nullptr, CommandLine::tr("cannot load %1: %2").arg(path, library.errorString())};
    return {entry, {}};
}

}  // namespace program_modules
