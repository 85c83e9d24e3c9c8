// SPDX-License-Identifier: LicenseRef-proprietary
// The job file: how long a job of 1,000 sections takes to write to bytes,
// to read back, and to save to and open from a file.
//
// usage: bench_job_file [REPEATS]
#include "job_file.h"

#include <QCoreApplication>
#include <QTemporaryDir>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <vector>

namespace {

constexpr int kSections = 1000;

layout::Job largeJob()
{
    layout::Job job;
    job.name = QStringLiteral("Apartment block");
    job.packSize = 25;
    for (int i = 0; i < kSections; ++i) {
        layout::Section section;
        section.name = QStringLiteral("Balcony %1").arg(i + 1);
        section.length = QStringLiteral("%1 %2/16").arg(36 + i % 120).arg(2 * (i % 8) + 1);
        if (i % 3 == 1)
            section.ends = layout::Ends::Half;
        if (i % 5 == 2)
            section.stair = layout::Stair{QStringLiteral("7 1/2"), QStringLiteral("10"), std::nullopt, {}};
        if (i % 7 == 3)
            section.count = 12;
        section.unknownFields.insert(QStringLiteral("note"), QStringLiteral("checked on site"));
        job.sections.push_back(section);
    }
    return job;
}

double milliseconds(const std::function<void()> &work)
{
    const auto start = std::chrono::steady_clock::now();
    work();
    return std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count();
}

double median(std::vector<double> values)
{
    std::nth_element(values.begin(), values.begin() + std::ptrdiff_t(values.size() / 2), values.end());
    return values[values.size() / 2];
}

void report(const char *what, const std::vector<double> &times)
{
    std::printf("| %-34s | %10.2f | %10.2f |\n", what, median(times), *std::max_element(times.begin(), times.end()));
}

}  // namespace

int main(int argc, char *argv[])
{
    QCoreApplication application(argc, argv);
    const int repeats = argc > 1 ? std::max(1, std::atoi(argv[1])) : 51;
    QTemporaryDir dir;
    if (!dir.isValid()) {
        std::fprintf(stderr, "no temporary folder\n");
        return 1;
    }
    const QString path = dir.filePath(QStringLiteral("large.railpin"));
    const layout::Job job = largeJob();
    const QByteArray bytes = layout::serializeJob(job);

    std::vector<double> serialize, parse, save, open;
    for (int i = 0; i < repeats; ++i) {
        serialize.push_back(milliseconds([&] { layout::serializeJob(job); }));
        parse.push_back(milliseconds([&] {
            if (!layout::parseJob(bytes).job)
                std::exit(1);
        }));
        save.push_back(milliseconds([&] {
            if (!layout::writeJobFile(job, path).isEmpty())
                std::exit(1);
        }));
        open.push_back(milliseconds([&] {
            if (!layout::readJobFile(path).job)
                std::exit(1);
        }));
    }
    std::printf("Job file of %d sections, %lld bytes: median and slowest of %d repeats, milliseconds (goal < 50 "
                "for reading and for writing)\n\n",
                kSections, static_cast<long long>(bytes.size()), repeats);
    std::printf("| %-34s | %10s | %10s |\n", "step", "median", "slowest");
    std::printf("|------------------------------------|------------|------------|\n");
    report("write to bytes", serialize);
    report("read from bytes", parse);
    report("save to a file (QSaveFile)", save);
    report("open from a file", open);
    return 0;
}
