#include "layout_sheet.h"

#include "mod_math.h"
#include "number_text.h"
#include "run_time_error.h"
#include "spacing.h"

#include <algorithm>
#include <cmath>

namespace layout_sheet {

namespace {

// The decimal results the window writes for this count, or nothing where the
// window itself could not have computed them.
struct Results
{
    float gap = 0;
    QString gapText;
    QString outerText;
    QString innerText;
};

std::optional<Results> compute(float length, float width, double count)
{
    try {
        const float gap = spacing::gap(length, width, count);
        return Results{gap, number_text::decimalText(gap), number_text::decimalText(spacing::outerOnCentre(width, gap)),
                       number_text::decimalText(spacing::innerOnCentre(width, gap))};
    } catch (const RunTimeError &) {
        return std::nullopt;
    }
}

}  // namespace

double centre(double railpin, double gap, double width)
{
    return railpin * gap + (railpin - 0.5) * width;
}

double exactGap(float length, float width, double count)
{
    return (double(length) - double(width) * count) / (count + 1);
}

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
    const std::optional<Results> results = compute(length, width, count);
    if (!results || texts.denominator < 1 || texts.actualGap != results->gapText ||
        texts.outerOnCentre != results->outerText || texts.innerOnCentre != results->innerText) {
        sheet.status = Status::NotCurrent;
        return sheet;
    }
    if (!(results->gap > 0))
        return sheet;

    sheet.status = Status::Ready;
    const double gap = exactGap(length, width, count);
    const int listed = int(std::min(count, double(std::max(listedRailpins, 0))));
    sheet.listed.reserve(size_t(listed));
    for (int railpin = 1; railpin <= listed; ++railpin)
        sheet.listed.push_back({double(railpin), mark(centre(railpin, gap, width), texts.denominator)});
    sheet.last = {count, mark(centre(count, gap, width), texts.denominator)};
    sheet.lastToRightPost = mark(double(length) - sheet.last.mark.inches, texts.denominator);
    return sheet;
}

}  // namespace layout_sheet
