// SPDX-License-Identifier: LicenseRef-proprietary
// The Auto search on any three floats: it ends quickly, and its answer is the
// count at which counting up one railpin at a time would stop.
#include "auto_count.h"
#include "fuzz_input.h"
#include "number_text.h"
#include "run_time_error.h"
#include "spacing.h"

#include <QLocale>

#include <cmath>

namespace {

QString describe(const auto_count::Inputs &inputs, const auto_count::Result &result)
{
    return QStringLiteral("length %1, width %2, maximum gap %3, denominator %4, point '%5': verdict %6, count %7")
        .arg(double(inputs.length), 0, 'g', 9)
        .arg(double(inputs.width), 0, 'g', 9)
        .arg(double(inputs.maximumGap), 0, 'g', 9)
        .arg(inputs.denominator)
        .arg(inputs.decimalPoint)
        .arg(int(result.verdict))
        .arg(result.count, 0, 'f', 0);
}

// Whether the gap of this count, as shown and re-read, is within the maximum;
// unlike stopsAt, a failing recalculation does not count.
bool gapComesWithin(const auto_count::Inputs &inputs, double count)
{
    try {
        const float gap = spacing::gap(inputs.length, inputs.width, count);
        const QString shown = number_text::decimalText(double(gap), number_text::kSingleDigits, inputs.decimalPoint);
        return spacing::gapWithinMaximum(inputs.maximumGap, spacing::reReadGap(shown, inputs.decimalPoint));
    } catch (const RunTimeError &) {
        return false;
    }
}

// The verdict's claim about a count below the answer: no such count stops.
// When the gap never shrinks the search does not look further, so there the
// claim is only that the gap never comes within the maximum; a huge count
// can still end the counting by failing (a gap past 32 bits).
bool claimedNotToStop(const auto_count::Inputs &inputs, const auto_count::Result &result, double count)
{
    if (result.verdict == auto_count::Verdict::GapNeverShrinks)
        return !gapComesWithin(inputs, count);
    return !auto_count::stopsAt(inputs, count);
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int *, char ***)
{
    QLocale::setDefault(QLocale::c());
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    static constexpr qint32 kDenominators[] = {0, 4, 8, 16, 32};  // 0: no increment selected
    fuzz::Input input(data, size);
    auto_count::Inputs inputs;
    inputs.length = input.take<float>();
    inputs.width = input.take<float>();
    inputs.maximumGap = input.take<float>();
    const auto choice = input.take<std::uint8_t>();
    inputs.denominator = kDenominators[choice % 5];
    inputs.decimalPoint = choice & 0x80 ? u',' : u'.';
    const auto farProbe = input.take<std::uint64_t>();
    const auto nearProbe = input.take<std::uint8_t>();

    const auto_count::Result result = auto_count::find(inputs);
    const QString detail = describe(inputs, result);
    const bool found = result.verdict == auto_count::Verdict::Found;

    if (found) {
        const double count = result.count;
        fuzz::require(count >= 1 && count <= auto_count::kLargestCount && count == std::floor(count),
                      "the count is a whole number from 1 to the largest", detail);
        fuzz::require(auto_count::stopsAt(inputs, count), "counting stops at the count found", detail);
        if (count > 1)
            fuzz::require(!auto_count::stopsAt(inputs, count - 1), "counting does not stop just below it", detail);
    } else {
        fuzz::require(result.count == 0, "no count comes with a verdict of none", detail);
        fuzz::require(!auto_count::stopsAt(inputs, 1), "counting does not stop at 1", detail);
    }

    // One probe anywhere below the answer (up to the largest count when there
    // is none), one a little below it.
    const double firstNotChecked = found ? result.count : auto_count::kLargestCount + 1;
    if (firstNotChecked > 2) {
        const double anywhere = 1 + std::fmod(double(farProbe), firstNotChecked - 1);
        fuzz::require(claimedNotToStop(inputs, result, anywhere), "no smaller count stops",
                      detail + QStringLiteral(" (stops at %1)").arg(anywhere, 0, 'f', 0));
        const double justBelow = firstNotChecked - 2 - nearProbe;
        if (justBelow >= 1)
            fuzz::require(claimedNotToStop(inputs, result, justBelow), "no smaller count stops",
                          detail + QStringLiteral(" (stops at %1)").arg(justBelow, 0, 'f', 0));
    }
    return 0;
}
