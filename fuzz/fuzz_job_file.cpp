// SPDX-License-Identifier: LicenseRef-proprietary
// Reading job files: any bytes are refused with a reason or read as a job
// that writes back to bytes reading as the same job, and every section of
// it lays out or says why not.
#include "fuzz_input.h"
#include "job_file.h"
#include "section_layout.h"

#include <algorithm>

namespace {

// Laying out is checked on the first sections only, to keep runs fast.
constexpr size_t kSectionsLaidOut = 16;

void checkLayouts(const layout::Job &job)
{
    std::vector<layout::SectionLayout> layouts;
    for (size_t i = 0; i < std::min(job.sections.size(), kSectionsLaidOut); ++i) {
        const layout::SectionLayout laid = layout::layOut(job, job.sections[i]);
        fuzz::require(laid.laidOut() == laid.problems.isEmpty(), "laid out exactly when there is no problem");
        if (laid.laidOut()) {
            fuzz::require(laid.count >= 1 && laid.count <= layout::kMaximumRailpins, "a count within the limits",
                          QString::number(laid.count));
            fuzz::require(qint64(laid.marks.size()) == laid.count, "one set of marks per railpin");
        } else {
            fuzz::require(laid.marks.empty(), "no marks with a problem");
        }
        layouts.push_back(laid);
    }
    const layout::Totals totals = layout::totals(job, layouts);
    fuzz::require(totals.toOrder >= totals.railpins, "the order is at least the total");
    layout::totalsLines(job, totals);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char *>(data), qsizetype(size));
    const layout::JobReadResult read = layout::parseJob(bytes, QStringLiteral("fuzz.railpin"));
    fuzz::require(read.job.has_value() != !read.error.isEmpty(), "either a job or a reason");
    if (!read.job)
        return 0;

    const QByteArray written = layout::serializeJob(*read.job);
    const layout::JobReadResult again = layout::parseJob(written);
    fuzz::require(again.job.has_value(), "a written job reads again", again.error);
    fuzz::require(layout::serializeJob(*again.job) == written, "a written job writes back the same bytes",
                  QString::fromUtf8(written));
    checkLayouts(*read.job);
    return 0;
}
