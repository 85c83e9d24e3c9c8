// SPDX-License-Identifier: LicenseRef-proprietary
#include "unit_conversion.h"

#include "run.h"

#include "measurement.h"
#include "mod_math.h"
#include "run_time_error.h"
#include "units.h"

#include <cmath>

namespace layout {

namespace {

constexpr double kMillimetreDecimals = 1e5;  // 1/32 in = 0.79375 mm needs five
constexpr qint64 kMetricRuleMillimetres = 100;
constexpr qint64 kThousandths = 1000;

// The value in whole steps of 1 / stepsPerUnit. A value a hair from a whole
// step is on it: 4 in is 101.6 mm exactly, which binary arithmetic holds as
// 101.5999...; a halfway value rounds down, as the calculator's fractions.
std::optional<qint64> wholeSteps(double value, double stepsPerUnit, Rounding rounding)
{
    const double scaled = value * stepsPerUnit;
    const double nearest = std::round(scaled);
    double steps = 0;
    if (std::abs(scaled - nearest) <= 1e-9 * std::max(1.0, std::abs(scaled)))
        steps = nearest;
    else
        steps = rounding == Rounding::Down ? std::floor(scaled) : std::ceil(scaled - 0.5);
    if (!(std::abs(steps) < 1e15))
        return std::nullopt;
    return qint64(steps);
}

QString millimetreText(qint64 hundredThousandths)
{
    const qint64 magnitude = std::abs(hundredThousandths);
    QString text = QString::number(magnitude / qint64(kMillimetreDecimals));
    QString decimals = QString::number(magnitude % qint64(kMillimetreDecimals)).rightJustified(5, u'0');
    while (decimals.endsWith(u'0'))
        decimals.chop(1);
    if (!decimals.isEmpty())
        text += u'.' + decimals;
    return hundredThousandths < 0 ? u'-' + text : text;
}

// Converts one text in place and notes in `report` how far rounding moved it.
void convert(QString &text, Unit from, Unit to, Rounding rounding, qint32 increment, ConversionReport &report)
{
    const std::optional<QString> converted = convertedMeasurement(text, from, to, rounding, increment);
    if (!converted)
        return;
    const std::optional<double> before = measurementValue(text, from);
    const std::optional<double> after = measurementValue(*converted, to);
    if (before && after) {
        const double back = to == Unit::Inches ? *after * kMillimetresPerInch : *after / kMillimetresPerInch;
        const double change = std::abs(back - *before);
        // Beyond what the arithmetic alone leaves behind.
        if (change > 1e-6 * std::max(1.0, std::abs(*before))) {
            ++report.rounded;
            report.largestChange = std::max(report.largestChange, change);
        }
    }
    text = *converted;
}

void convert(std::optional<QString> &text, Unit from, Unit to, Rounding rounding, qint32 increment,
             ConversionReport &report)
{
    if (text)
        convert(*text, from, to, rounding, increment, report);
}

// A list of stock lengths ("8', 10'"), item by item; left as typed when any
// item cannot be converted.
void convertList(std::optional<QString> &text, Unit from, Unit to, qint32 increment, ConversionReport &report)
{
    if (!text || text->trimmed().isEmpty())
        return;
    QStringList items = text->split(u',');
    ConversionReport notes = report;
    for (QString &item : items) {
        item = item.trimmed();
        const QString before = item;
        convert(item, from, to, Rounding::Nearest, increment, notes);
        if (item == before)
            return;
    }
    report = notes;
    *text = items.join(QStringLiteral(", "));
}

}  // namespace

std::optional<QString> convertedMeasurement(const QString &text, Unit from, Unit to, Rounding rounding,
                                            qint32 increment)
{
    if (from == to)
        return text;
    const std::optional<double> value = measurementValue(text, from);
    if (!value || !std::isfinite(*value))
        return std::nullopt;
    if (to == Unit::Millimetres) {
        const std::optional<qint64> steps = wholeSteps(*value * kMillimetresPerInch, kMillimetreDecimals, rounding);
        return steps ? std::optional<QString>(millimetreText(*steps)) : std::nullopt;
    }
    if (increment < 1)
        return std::nullopt;
    const std::optional<qint64> steps = wholeSteps(*value / kMillimetresPerInch, increment, rounding);
    if (!steps)
        return std::nullopt;
    try {
        // A whole number of increments is exact in single precision at any
        // size a fraction can be written with.
        return modMath::DecimalToFraction(float(double(*steps) / increment), increment);
    } catch (const RunTimeError &) {
        return std::nullopt;
    }
}

Job convertedTo(const Job &job, Unit unit, ConversionReport *report)
{
    Job converted = job;
    if (job.unit == unit)
        return converted;
    const Unit from = job.unit;
    const qint32 increment = job.increment;
    ConversionReport notes;
    convert(converted.railpinWidth, from, unit, Rounding::Nearest, increment, notes);
    convert(converted.maximumGap, from, unit, Rounding::Down, increment, notes);
    if (hasStairsLimit(job))
        convert(converted.maximumGapStairs, from, unit, Rounding::Down, increment, notes);
    // A design gap never grows past its limit, which is rounded down alike.
    convert(converted.designGap, from, unit, Rounding::Down, increment, notes);
    convert(converted.postWidth, from, unit, Rounding::Nearest, increment, notes);
    // The sphere is a limit: it never grows by a conversion.
    convert(converted.triangleSphere, from, unit, Rounding::Down, increment, notes);
    // A maximum post spacing is a limit: it never grows by a conversion.
    convert(converted.maxPostSpacing, from, unit, Rounding::Down, increment, notes);
    for (Run &run : converted.runs) {
        convert(run.length, from, unit, Rounding::Nearest, increment, notes);
        convert(run.maxPostSpacing, from, unit, Rounding::Down, increment, notes);
        convert(run.railpinWidth, from, unit, Rounding::Nearest, increment, notes);
        convert(run.maximumGap, from, unit, Rounding::Down, increment, notes);
        convert(run.designGap, from, unit, Rounding::Down, increment, notes);
    }
    // Bays are made again from their converted runs below.
    std::erase_if(converted.sections, [](const Section &section) { return section.bay.has_value(); });
    for (Section &section : converted.sections) {
        convert(section.length, from, unit, Rounding::Nearest, increment, notes);
        convert(section.railpinWidth, from, unit, Rounding::Nearest, increment, notes);
        convert(section.maximumGap, from, unit, Rounding::Down, increment, notes);
        convert(section.designGap, from, unit, Rounding::Down, increment, notes);
        if (section.stair) {
            Stair &stair = *section.stair;
            convert(stair.rise, from, unit, Rounding::Nearest, increment, notes);
            convert(stair.run, from, unit, Rounding::Nearest, increment, notes);
            for (std::optional<QString> *length : {&stair.firstFromRiser, &stair.nosing, &stair.railHeight,
                                                   &stair.railDepth, &stair.insert, &stair.bottomRail})
                convert(*length, from, unit, Rounding::Nearest, increment, notes);
        }
    }
    if (converted.order) {
        OrderSettings &order = *converted.order;
        convertList(order.railStock, from, unit, increment, notes);
        convertList(order.railpinStock, from, unit, increment, notes);
        convert(order.kerf, from, unit, Rounding::Nearest, increment, notes);
        convert(order.railpinLength, from, unit, Rounding::Nearest, increment, notes);
    }
    converted.unit = unit;
    deriveBays(converted);
    if (report != nullptr)
        *report = notes;
    return converted;
}

QStringList metricMaximumGapPresets(const QStringList &inchPresets)
{
    QStringList presets{QString::number(kMetricRuleMillimetres)};
    for (const QString &inches : inchPresets) {
        const std::optional<double> value = measurementValue(inches, Unit::Inches);
        if (!value)
            continue;
        const std::optional<qint64> millimetres = wholeSteps(*value * kMillimetresPerInch, 1, Rounding::Down);
        if (millimetres && *millimetres > 0 && !presets.contains(QString::number(*millimetres)))
            presets << QString::number(*millimetres);
    }
    return presets;
}

QString metricRuleInInches()
{
    const std::optional<qint64> thousandths =
        wholeSteps(double(kMetricRuleMillimetres) / kMillimetresPerInch, double(kThousandths), Rounding::Down);
    // 100 mm is a few inches: always a whole number of thousandths.
    const qint64 steps = thousandths.value_or(0);
    QString decimals = QString::number(steps % kThousandths).rightJustified(3, u'0');
    while (decimals.endsWith(u'0'))
        decimals.chop(1);
    const QString whole = QString::number(steps / kThousandths);
    return decimals.isEmpty() ? whole : whole + u'.' + decimals;
}

}  // namespace layout
