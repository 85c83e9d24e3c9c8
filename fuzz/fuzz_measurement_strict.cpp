// SPDX-License-Identifier: LicenseRef-proprietary
// The strict reading of a job's measurements: any text, in either unit and
// with either decimal point, is read as a finite value or refused with a
// reason, and the value is the exact one rounded to single precision.
#include "fuzz_input.h"
#include "measurement.h"

#include <cmath>

namespace {

void checkText(const QString &text, layout::Unit unit, QChar decimalPoint)
{
    const layout::Reading reading = layout::readMeasurement(text, unit, decimalPoint);
    fuzz::require(reading.value.has_value() == reading.problem.isEmpty(), "either a value or a reason", text);
    const std::optional<double> exact = layout::measurementValue(text, unit, decimalPoint);
    fuzz::require(exact.has_value() == reading.value.has_value(), "both readers read the same texts", text);
    if (!reading.value)
        return;
    fuzz::require(std::isfinite(*reading.value) && std::isfinite(*exact), "a value is finite", text);
    fuzz::require(float(*exact) == *reading.value, "the value is the exact one in single precision", text);
    if (unit == layout::Unit::Millimetres)
        fuzz::require(!text.contains(u'/'), "millimetres are never a fraction", text);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    for (const QString &text : {fuzz::utf8Text(data, size), fuzz::utf16Text(data, size)}) {
        for (const layout::Unit unit : {layout::Unit::Inches, layout::Unit::Millimetres}) {
            for (const QChar point : {QChar(u'.'), QChar(u',')})
                checkText(text, unit, point);
        }
    }
    return 0;
}
