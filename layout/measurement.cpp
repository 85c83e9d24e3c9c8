// SPDX-License-Identifier: LicenseRef-proprietary
#include "measurement.h"

#include "mod_math.h"
#include "number_text.h"
#include "run_time_error.h"

#include <QCoreApplication>
#include <QHash>
#include <QRegularExpression>

#include <algorithm>
#include <charconv>
#include <cmath>
#include <limits>
#include <numeric>
#include <string>

namespace layout {

namespace {

// What a remembered reading depends on; the text is shared, not copied.
struct ReadingKey
{
    QString text;
    Unit unit;
    QChar decimalPoint;
    bool operator==(const ReadingKey &) const = default;
};

size_t qHash(const ReadingKey &key, size_t seed = 0)
{
    return qHashMulti(seed, key.text, int(key.unit), key.decimalPoint);
}

// The reason names the forms that are read, as a builder would write them.
QString notAMeasurement(const QString &text, Unit unit, QChar decimalPoint)
{
    if (unit == Unit::Millimetres)
        return QCoreApplication::translate("layout",
                                           "\"%1\" is not a measurement: type millimetres as 914, %2 or 914 mm")
            .arg(text, QStringLiteral("914") + decimalPoint + u'5');
    return QCoreApplication::translate(
               "layout", "\"%1\" is not a measurement: type inches as 36, %2, 1 3/8, 1-3/8, 1 3/8 in or 12' 3 1/2\"")
        .arg(text, QStringLiteral("36") + decimalPoint + u'5');
}

QString escaped(QChar decimalPoint)
{
    return QRegularExpression::escape(QString(decimalPoint));
}

// A decimal number with the given separator: "36", "36.5", ".5", "36.".
QString decimalPattern(QChar decimalPoint)
{
    const QString point = escaped(decimalPoint);
    return QStringLiteral(R"(\d+(?:%1\d*)?|%1\d+)").arg(point);
}

// Feet and inches: an optional foot part, then inches as a decimal, a mixed
// number or a bare fraction, with an optional inch mark or "in". Blanks may
// stand around the marks, a hyphen may part feet from inches (12'-3") and the
// whole inches from their fraction (1-3/8).
QRegularExpression inchPattern(QChar decimalPoint)
{
    const QString decimal = decimalPattern(decimalPoint);
    return QRegularExpression(
        QStringLiteral(R"(^[ \t]*(?<sign>-)?(?:(?<feet>%1)[ \t]*['′’][ \t]*(?<hyphen>-)?[ \t]*)?)"
                       R"((?:(?:(?:(?<whole>\d+)(?:[ \t]+|-))?(?<numerator>\d+)/(?<denominator>\d+)|(?<decimal>%1)))"
                       R"([ \t]*(?<mark>["″”]|in)?)?[ \t]*$)")
            .arg(decimal));
}

QRegularExpression millimetrePattern(QChar decimalPoint)
{
    return QRegularExpression(
        QStringLiteral(R"(^[ \t]*(?<sign>-)?(?<decimal>%1)(?:[ \t]*mm)?[ \t]*$)").arg(decimalPattern(decimalPoint)));
}

// The digits of a decimal number in C form; nothing beyond double range.
std::optional<double> decimalValue(QString digits, QChar decimalPoint)
{
    digits.replace(decimalPoint, u'.');
    const std::string text = digits.toStdString();
    double value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error != std::errc{} || end != text.data() + text.size())
        return std::nullopt;
    return value;
}

// A piece of a fraction; the calculator holds these as 32-bit integers.
std::optional<qint32> integerPiece(const QString &digits)
{
    bool ok = false;
    const qint32 value = digits.toInt(&ok);
    return ok ? std::optional<qint32>(value) : std::nullopt;
}

// Whole-number arithmetic that says when it overflows instead of wrapping.
std::optional<ExactMeasurement> exactRatio(qint64 numerator, qint64 denominator)
{
    if (denominator <= 0)
        return std::nullopt;
    const qint64 common = std::gcd(numerator, denominator);
    return ExactMeasurement{numerator / common, denominator / common};
}

std::optional<ExactMeasurement> exactSum(const std::optional<ExactMeasurement> &a,
                                         const std::optional<ExactMeasurement> &b)
{
    qint64 left = 0;
    qint64 right = 0;
    qint64 numerator = 0;
    qint64 denominator = 0;
    if (!a || !b || __builtin_mul_overflow(a->numerator, b->denominator, &left) ||
        __builtin_mul_overflow(b->numerator, a->denominator, &right) ||
        __builtin_add_overflow(left, right, &numerator) ||
        __builtin_mul_overflow(a->denominator, b->denominator, &denominator))
        return std::nullopt;
    return exactRatio(numerator, denominator);
}

std::optional<ExactMeasurement> exactProduct(const std::optional<ExactMeasurement> &a, qint64 factor)
{
    qint64 numerator = 0;
    if (!a || __builtin_mul_overflow(a->numerator, factor, &numerator))
        return std::nullopt;
    return exactRatio(numerator, a->denominator);
}

// The digits of a decimal number as a ratio over a power of ten.
std::optional<ExactMeasurement> exactDecimal(const QString &digits, QChar decimalPoint)
{
    // Eighteen digits always fit in 64 bits.
    constexpr qsizetype kMostDigits = 18;
    const qsizetype point = digits.indexOf(decimalPoint);
    const QString whole = point < 0 ? digits : digits.left(point);
    const QString fraction = point < 0 ? QString() : digits.mid(point + 1);
    if (whole.size() + fraction.size() > kMostDigits)
        return std::nullopt;
    qint64 numerator = 0;
    for (const QChar digit : whole + fraction)
        numerator = numerator * 10 + digit.digitValue();
    qint64 denominator = 1;
    for (qsizetype place = 0; place < fraction.size(); ++place)
        denominator *= 10;
    return exactRatio(numerator, denominator);
}

struct Parsed
{
    std::optional<double> value;
    QString problem;
    std::optional<ExactMeasurement> exact = {};  // the same value as a ratio, when it fits
};

Parsed failed(const QString &problem)
{
    return {std::nullopt, problem};
}

Parsed signedValue(double value, std::optional<ExactMeasurement> exact, bool negative)
{
    if (negative && exact)
        exact->numerator = -exact->numerator;
    return {negative ? -value : value, {}, exact};
}

Parsed parseInches(const QString &text, QChar decimalPoint)
{
    static const QRegularExpression withPoint = inchPattern(u'.');
    const QRegularExpression pattern = decimalPoint == u'.' ? withPoint : inchPattern(decimalPoint);
    const QRegularExpressionMatch match = pattern.match(text);
    const bool hasFeet = match.hasMatch() && match.hasCaptured(u"feet");
    const bool hasFraction = match.hasMatch() && match.hasCaptured(u"denominator");
    const bool hasInches = hasFraction || (match.hasMatch() && match.hasCaptured(u"decimal"));
    const bool negative = match.hasMatch() && match.hasCaptured(u"sign");
    // A sign goes only with plain inches, where it means what the calculator
    // reads; a hyphen after the feet needs inches after it.
    if (!match.hasMatch() || !(hasFeet || hasInches) || (negative && (hasFeet || match.hasCaptured(u"whole"))) ||
        (match.hasCaptured(u"hyphen") && !hasInches)) {
        static const QRegularExpression withPoint = millimetrePattern(u'.');
        if (text.contains(QLatin1String("mm")) &&
            (decimalPoint == u'.' ? withPoint : millimetrePattern(decimalPoint)).match(text).hasMatch())
            return failed(QCoreApplication::translate(
                              "layout", "\"%1\" is in millimetres: this job is in inches, type inches such as 1 3/8")
                              .arg(text));
        return failed(notAMeasurement(text, Unit::Inches, decimalPoint));
    }

    double inches = 0;
    std::optional<ExactMeasurement> exact = ExactMeasurement{};
    if (hasFraction) {
        const std::optional<qint32> whole =
            match.hasCaptured(u"whole") ? integerPiece(match.captured(u"whole")) : std::optional<qint32>(0);
        const std::optional<qint32> numerator = integerPiece(match.captured(u"numerator"));
        const std::optional<qint32> denominator = integerPiece(match.captured(u"denominator"));
        if (!whole || !numerator || !denominator)
            return failed(QCoreApplication::translate("layout", "\"%1\" has a number too large to be read").arg(text));
        if (*denominator == 0)
            return failed(QCoreApplication::translate("layout", "\"%1\" divides by zero").arg(text));
        inches = double(*whole) + double(*numerator) / double(*denominator);
        exact = exactRatio(qint64(*whole) * *denominator + *numerator, *denominator);
    } else if (hasInches) {
        const std::optional<double> value = decimalValue(match.captured(u"decimal"), decimalPoint);
        if (!value)
            return failed(QCoreApplication::translate("layout", "\"%1\" is too large to be a measurement").arg(text));
        inches = *value;
        exact = exactDecimal(match.captured(u"decimal"), decimalPoint);
    }
    if (hasFeet) {
        const std::optional<double> feet = decimalValue(match.captured(u"feet"), decimalPoint);
        if (!feet)
            return failed(QCoreApplication::translate("layout", "\"%1\" is too large to be a measurement").arg(text));
        inches += *feet * 12;
        exact = exactSum(exact, exactProduct(exactDecimal(match.captured(u"feet"), decimalPoint), 12));
    }
    return signedValue(inches, exact, negative);
}

Parsed parseMillimetres(const QString &text, QChar decimalPoint)
{
    static const QRegularExpression withPoint = millimetrePattern(u'.');
    const QRegularExpressionMatch match =
        (decimalPoint == u'.' ? withPoint : millimetrePattern(decimalPoint)).match(text);
    if (!match.hasMatch()) {
        // Feet and inches ("12' 3 1/2\"") are inches before they are a fraction.
        const bool feetOrInchMarks = text.contains(u'\'') || text.contains(u'"') || text.contains(QLatin1String("in"));
        if (text.contains(u'/') && !(feetOrInchMarks && parseInches(text, decimalPoint).value))
            return failed(QCoreApplication::translate(
                              "layout",
                              "\"%1\" is a fraction: fractions are not used in millimetre jobs, type a whole or "
                              "decimal number of millimetres")
                              .arg(text));
        if (parseInches(text, decimalPoint).value)
            return failed(QCoreApplication::translate(
                              "layout", "\"%1\" is in inches: this job is in millimetres, type millimetres such as 35")
                              .arg(text));
        return failed(notAMeasurement(text, Unit::Millimetres, decimalPoint));
    }
    const std::optional<double> value = decimalValue(match.captured(u"decimal"), decimalPoint);
    if (!value)
        return failed(QCoreApplication::translate("layout", "\"%1\" is too large to be a measurement").arg(text));
    return signedValue(*value, exactDecimal(match.captured(u"decimal"), decimalPoint), match.hasCaptured(u"sign"));
}

Parsed parse(const QString &text, Unit unit, QChar decimalPoint)
{
    if (text.trimmed().isEmpty())
        return failed(QCoreApplication::translate("layout", "no measurement is typed"));
    Parsed parsed = unit == Unit::Millimetres ? parseMillimetres(text, decimalPoint) : parseInches(text, decimalPoint);
    // Every measurement is held in single precision somewhere along the way,
    // so a text beyond it is refused by every reader alike, not only some.
    if (parsed.value && !number_text::toSingle(*parsed.value))
        return failed(QCoreApplication::translate("layout", "\"%1\" is too large to be a measurement").arg(text));
    return parsed;
}

// The nearest multiple of 1 / stepsPerUnit, a halfway value going down, as
// the calculator rounds its fractions. A value within a billionth of a step
// of a halfway point counts as on it: a position that is halfway in decimal
// arithmetic may land a hair to either side of it in binary.
double roundedToStep(double value, double stepsPerUnit)
{
    const double steps = value * stepsPerUnit;
    const double below = std::floor(steps);
    const double above = steps - below;
    const double rounded = std::abs(above - 0.5) < 1e-9 || above < 0.5 ? below : below + 1;
    return rounded / stepsPerUnit;
}

QString fixedText(double value, int decimals, QChar decimalPoint)
{
    if (!std::isfinite(value))
        return number_text::decimalText(value, number_text::kSingleDigits, decimalPoint);
    QString text = QString::number(value, 'f', decimals);
    if (text.contains(u'.')) {
        while (text.endsWith(u'0'))
            text.chop(1);
        if (text.endsWith(u'.'))
            text.chop(1);
    }
    if (text == u"-0")
        text = QStringLiteral("0");
    text.replace(u'.', decimalPoint);
    return text;
}

}  // namespace

std::optional<ExactMeasurement> exactMeasurement(const QString &text, Unit unit, QChar decimalPoint)
{
    const Parsed parsed = parse(text, unit, decimalPoint);
    return parsed.value ? parsed.exact : std::nullopt;
}

std::optional<double> measurementValue(const QString &text, Unit unit, QChar decimalPoint)
{
    return parse(text, unit, decimalPoint).value;
}

Reading readMeasurement(const QString &text, Unit unit, QChar decimalPoint)
{
    // A job repeats its railpin width and maximum gap in every section, and
    // each reading is a pattern match: texts read before are looked up. Only
    // values are kept, as a problem's words follow the language.
    constexpr qsizetype kRemembered = 4096;
    thread_local QHash<ReadingKey, float> readBefore;
    const ReadingKey key{text, unit, decimalPoint};
    if (const auto found = readBefore.constFind(key); found != readBefore.cend())
        return {*found, {}};

    const Parsed parsed = parse(text, unit, decimalPoint);
    if (!parsed.value)
        return {std::nullopt, parsed.problem};
    // parse() refused every value beyond single precision.
    const float single = number_text::toSingle(*parsed.value).value_or(0);
    if (readBefore.size() >= kRemembered)
        readBefore.clear();
    readBefore.insert(key, single);
    return {single, {}};
}

QString markWithUnit(double value, const Job &job, QChar decimalPoint)
{
    return QCoreApplication::translate("layout", "%1 %2").arg(markText(value, job, decimalPoint), unitName(job.unit));
}

QString markText(double value, const Job &job, QChar decimalPoint)
{
    if (job.unit == Unit::Millimetres) {
        const double step = job.markStep > 0 ? job.markStep : 1;
        return fixedText(roundedToStep(value, 1 / step), step < 1 ? 1 : 0, decimalPoint);
    }
    // The calculator holds every value in single precision and rounds that.
    const std::optional<float> single = number_text::toSingle(value);
    if (single) {
        try {
            return modMath::DecimalToFraction(*single, job.increment);
        } catch (const RunTimeError &) {
            // Beyond what a fraction can be written with: the decimal stands.
        }
    }
    return decimalMarkText(value, job, decimalPoint);
}

QString limitText(double value, const Job &job, QChar decimalPoint)
{
    const double stepsPerUnit =
        job.unit == Unit::Millimetres ? 1 / (job.markStep > 0 ? job.markStep : 1) : double(job.increment);
    const double steps = value * stepsPerUnit;
    const double nearest = std::round(steps);
    // A value a hair below a step in binary arithmetic is on it.
    const double down =
        std::abs(steps - nearest) <= 1e-9 * std::max(1.0, std::abs(steps)) ? nearest : std::floor(steps);
    return markText(down / stepsPerUnit, job, decimalPoint);
}

QString decimalMarkText(double value, const Job &job, QChar decimalPoint)
{
    if (job.unit == Unit::Millimetres)
        return fixedText(roundedToStep(value, 10), 1, decimalPoint);
    return number_text::decimalText(value, number_text::kSingleDigits, decimalPoint);
}

QString unitName(Unit unit)
{
    return unit == Unit::Millimetres ? QCoreApplication::translate("layout", "mm")
                                     : QCoreApplication::translate("layout", "in");
}

}  // namespace layout
