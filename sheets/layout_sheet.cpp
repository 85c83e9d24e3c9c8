// SPDX-License-Identifier: LicenseRef-proprietary
#include "layout_sheet.h"

#include "increments.h"
#include "mod_math.h"
#include "number_text.h"
#include "run_time_error.h"
#include "section_layout.h"

#include <algorithm>

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

Sheet make(const layout::CalculatorSnapshot &shown, int listedRailpins)
{
    Sheet sheet;
    if (!shown.count) {
        sheet.status = shown.resultsStale ? Status::NotCurrent : Status::NoRailpins;
        return sheet;
    }
    const auto count = double(*shown.count);
    if (count > kLargestListedCount)
        return sheet;
    sheet.count = count;
    sheet.status = Status::Ready;

    // Read as Calculate reads them, so that the gap is bit for bit the one
    // behind the window's fields.
    const float width = modMath::FractionToDecimal(shown.width);
    const float length = modMath::FractionToDecimal(shown.length);
    // The job engine's geometry: its exact gap closes the marks on the
    // section length, so the last centre is the inner on-centre distance
    // from the right post again, whatever the count.
    const layout::SectionLayout section = layout::levelGeometry(length, width, qint64(count));
    const auto centre = [&](qint64 railpin) {
        return mark(layout::railpinMarks(section, railpin).centre, shown.denominator);
    };
    const int listed = int(std::min(count, double(std::max(listedRailpins, 0))));
    sheet.listed.reserve(size_t(listed));
    for (int railpin = 1; railpin <= listed; ++railpin)
        sheet.listed.push_back({double(railpin), centre(railpin)});
    sheet.last = {count, centre(qint64(count))};
    sheet.lastToRightPost = mark(double(length) - sheet.last.mark.inches, shown.denominator);
    return sheet;
}

QString incrementName(qint32 denominator)
{
    const auto *const increment =
        std::find_if(increments::kAll.begin(), increments::kAll.end(),
                     [denominator](const increments::Increment &each) { return each.denominator == denominator; });
    return increment == increments::kAll.end() ? QString() : increment->shownName();
}

}  // namespace layout_sheet
