// SPDX-License-Identifier: LicenseRef-proprietary
// Reading job files: any bytes are refused with a reason or read as a job
// that writes back to bytes reading as the same job (a file whose numbers,
// written in full, would pass 1 MiB is refused), and every section of
// it lays out or says why not. A job changed as the window may change it,
// within the limits the window enforces, is a job reading accepts.
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
            // A section too short for one railpin lays out with none.
            fuzz::require(laid.count >= 0 && laid.count <= layout::kMaximumRailpins, "a count within the limits",
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

// The edits the window can make that grow a job: a typed count, copies of a
// section, a longer name. Within the limits the window checks, what is saved
// must read back as the same job.
void checkWindowEdits(layout::Job job, const QByteArray &bytes)
{
    if (job.sections.empty() || bytes.size() < 4)
        return;
    const auto byte = [&bytes](qsizetype index) { return quint8(bytes.at(bytes.size() - 1 - index)); };
    const qint64 count = (qint64(byte(0)) << 24 | qint64(byte(1)) << 16 | qint64(byte(2)) << 8) % 1'000'000'001;
    job.sections.front().count = count;
    job.sections.insert(job.sections.end(), std::size_t(byte(3)) * 4, job.sections.front());
    job.name += QString(qsizetype(byte(1)) * 64, u'n');
    if (!layout::limitProblem(job).isEmpty())
        return;
    const QByteArray written = layout::serializeJob(job);
    const layout::JobReadResult again = layout::parseJob(written);
    fuzz::require(again.job.has_value(), "a job within the limits reads again", again.error);
    fuzz::require(layout::serializeJob(*again.job) == written, "and writes back the same bytes");
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
    checkWindowEdits(*read.job, bytes);
    return 0;
}
