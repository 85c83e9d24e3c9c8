// SPDX-License-Identifier: LicenseRef-proprietary
// The job sheet: how long a 20-section job takes from the model to a PDF in
// memory, laying out, drawing and writing every page.
//
// usage: bench_job_sheet [REPEATS]
#include "job.h"
#include "job_sheet.h"
#include "twenty_sections.h"

#include <QBuffer>
#include <QGuiApplication>
#include <QPdfWriter>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <vector>

int main(int argc, char *argv[])
{
    QGuiApplication application(argc, argv);
    const int repeats = argc > 1 ? std::max(1, std::atoi(argv[1])) : 21;
    const layout::Job job = twentySections();

    std::vector<double> milliseconds;
    qint64 bytes = 0;
    for (int run = 0; run < repeats; ++run) {
        const auto start = std::chrono::steady_clock::now();
        QBuffer buffer;
        buffer.open(QIODevice::WriteOnly);
        {
            QPdfWriter writer(&buffer);
            writer.setPageSize(QPageSize(QPageSize::Letter));
            const QString failure = sheets::paintJobSheet(writer, job);
            if (!failure.isEmpty()) {
                std::fprintf(stderr, "the sheet failed: %s\n", qPrintable(failure));
                return 1;
            }
        }
        milliseconds.push_back(
            std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count());
        bytes = buffer.size();
    }
    std::sort(milliseconds.begin(), milliseconds.end());
    std::printf("Job sheet, 20 sections to a PDF in memory (%lld bytes): median %.1f ms, fastest %.1f ms "
                "over %d runs (goal < 100 ms)\n",
                static_cast<long long>(bytes), milliseconds[milliseconds.size() / 2], milliseconds.front(), repeats);
    return 0;
}
