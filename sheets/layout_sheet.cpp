// SPDX-License-Identifier: LicenseRef-proprietary
#include "layout_sheet.h"

#include "calculator_results.h"
#include "mod_math.h"
#include "number_text.h"
#include "run_time_error.h"
#include "section_layout.h"

#include <algorithm>
#include <cmath>

namespace layout_sheet {

Mark mark(double inches, qint32 denominator)
{
    Mark result;
    result.inches = inches;
    const std::optional<float> single = number_text::toSingle(inches);
    if (!single) {
        result.decimal = number_text::decimalText(inches);
        return result;
    }
    // Seven significant digits, as the window writes a single, but of the
    // exact position rather than of its nearest single.
    result.decimal = number_text::decimalText(inches, number_text::kSingleDigits, number_text::localeDecimalPoint());
    try {
        result.fraction = modMath::DecimalToFraction(*single, denominator);
    } catch (const RunTimeError &) {
        // Beyond what a fraction can be written with; the decimal still stands.
    }
    return result;
}

Sheet make(const WindowTexts &texts, int listedRailpins)
{
    Sheet sheet;
    const double count = number_text::leadingNumberValue(texts.count);
    if (!(count > 0) || std::floor(count) != count)
        return sheet;
    sheet.count = count;

    // Read as Calculate reads them, so that the gap is bit for bit the one
    // behind the window's fields.
    const float width = modMath::FractionToDecimal(texts.width);
    const float length = modMath::FractionToDecimal(texts.length);
    const calculator_results::Results results =
        calculator_results::compute({length, width, modMath::FractionToDecimal(texts.maximumGap), count,
                                     texts.denominator, number_text::localeDecimalPoint(), texts.length});
    // The window writes the three decimal results only when the gap, its
    // fraction and both distances could be computed.
    if (!results.outerText || !results.innerText || texts.denominator < 1 || texts.actualGap != *results.gapText ||
        texts.outerOnCentre != *results.outerText || texts.innerOnCentre != *results.innerText) {
        sheet.status = Status::NotCurrent;
        return sheet;
    }
    if (!(*results.gap > 0) || count > kLargestListedCount)
        return sheet;

    sheet.status = Status::Ready;
    // The job engine's geometry: its exact gap closes the marks on the
    // section length, so the last centre is the inner on-centre distance
    // from the right post again, whatever the count.
    const layout::SectionLayout section = layout::levelGeometry(length, width, qint64(count));
    const auto centre = [&](qint64 railpin) {
        return mark(layout::railpinMarks(section, railpin).centre, texts.denominator);
    };
    const int listed = int(std::min(count, double(std::max(listedRailpins, 0))));
    sheet.listed.reserve(size_t(listed));
    for (int railpin = 1; railpin <= listed; ++railpin)
        sheet.listed.push_back({double(railpin), centre(railpin)});
    sheet.last = {count, centre(qint64(count))};
    sheet.lastToRightPost = mark(double(length) - sheet.last.mark.inches, texts.denominator);
    return sheet;
}

}  // namespace layout_sheet
