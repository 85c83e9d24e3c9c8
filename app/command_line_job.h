// SPDX-License-Identifier: LicenseRef-proprietary
#pragma once

#include "job.h"
#include "section_layout.h"

#include <QString>

#include <optional>
#include <vector>

struct CommandLineOptions;

namespace command_line {

struct Failure
{
    int exitCode = 0;
    QString message;  // one line, naming the option, value, section or file
};

struct JobFromOptions
{
    std::optional<layout::Job> job;
    std::optional<Failure> failure;
};

// The one-section job that the options describe, every value checked.
JobFromOptions jobFromOptions(const CommandLineOptions &options);

// The order list's options over the job's own order settings; the job then
// has an order list. Nothing changes when none is given.
std::optional<Failure> readOrderOptions(const CommandLineOptions &options, layout::Job &job);

struct LaidOutJob
{
    std::vector<layout::SectionLayout> sections;
    std::optional<Failure> failure;  // the first section that cannot be laid out
    QStringList warnings;            // every section's, named as the failure would be
    QStringList unusedFields;        // fields of the file that are kept but not used: always on standard error
};

// Lays out every section; `jobFile` names a job read from a file in the failure.
LaidOutJob layOutJob(const layout::Job &job, const QString &jobFile);

}  // namespace command_line
