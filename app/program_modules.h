// SPDX-License-Identifier: LicenseRef-proprietary
#pragma once

#include <QString>

#include <functional>

// Finds one of the program's modules (module_entries.h) beside the running
// program, where the build and the package put it, and resolves its entry.
namespace program_modules {

struct Loaded
{
    void *entry = nullptr;  // null when not loaded
    QString failure;        // why not, one line naming the file
};

// The module's entry `entryName`, from the file `fileName` in the program's
// own module folder; the module stays loaded until the process ends.
Loaded load(const QString &fileName, const char *entryName);

}  // namespace program_modules
