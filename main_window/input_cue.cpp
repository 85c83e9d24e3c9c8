// SPDX-License-Identifier: LicenseRef-proprietary
#include "input_cue.h"

#include "measurement.h"
#include "mod_math.h"
#include "number_text.h"

#include <QAction>
#include <QCoreApplication>
#include <QLineEdit>
#include <QStyle>

#include <cmath>
#include <optional>

namespace {

// Fractions are suggested down to this denominator; finer values as decimals.
constexpr qint32 kFinestDenominator = 64;

QString decimalText(float value, QChar decimalPoint)
{
    return number_text::decimalText(double(value), number_text::kSingleDigits, decimalPoint);
}

// What the user most likely meant, as the strict reader of jobs reads it:
// with the locale's separator, or else with the other one of "." and ",".
std::optional<float> meantValue(const QString &text, QChar decimalPoint)
{
    if (const std::optional<float> value = layout::readMeasurement(text, layout::Unit::Inches, decimalPoint).value)
        return value;
    const QChar otherPoint = decimalPoint == u',' ? u'.' : u',';
    return layout::readMeasurement(text, layout::Unit::Inches, otherPoint).value;
}

// The value as the calculator reads it back: a fraction where the user wrote
// one and the value is a whole number of 1/64 inch, else a decimal.
QString writtenForCalculator(float value, const QString &typed, QChar decimalPoint)
{
    const double sixtyFourths = double(value) * kFinestDenominator;
    const bool exactFraction = std::isfinite(sixtyFourths) && std::fabs(value) < 1e6F &&
                               sixtyFourths == std::floor(sixtyFourths) && value != std::floor(value);
    if (typed.contains(u'/') && exactFraction)
        return modMath::DecimalToFraction(value, kFinestDenominator);
    return decimalText(value, decimalPoint);
}

// Digits only, at most six of them: small enough that both readers agree on
// every step of their arithmetic.
std::optional<qint32> shortNumber(QStringView digits)
{
    if (digits.isEmpty() || digits.size() > 6)
        return std::nullopt;
    qint32 value = 0;
    for (const QChar digit : digits) {
        if (digit < u'0' || digit > u'9')
            return std::nullopt;
        value = value * 10 + (digit.unicode() - u'0');
    }
    return value;
}

// The value of a plain whole number ("36"), bare fraction ("3/8") or mixed
// number ("1 3/8"), as both the calculator and the strict reader work it out,
// or none for any other text. Such texts, the fields' first ones among them,
// need no pattern, which would otherwise be compiled at every start.
std::optional<float> plainValue(QStringView text)
{
    const qsizetype blank = text.indexOf(u' ');
    const QStringView fraction = blank < 0 ? text : text.mid(blank + 1);
    const std::optional<qint32> whole = blank < 0 ? std::optional<qint32>(0) : shortNumber(text.left(blank));
    const qsizetype slash = fraction.indexOf(u'/');
    if (slash < 0) {
        const std::optional<qint32> number = blank < 0 ? shortNumber(text) : std::nullopt;
        return number ? std::optional<float>(float(*number)) : std::nullopt;
    }
    const std::optional<qint32> numerator = shortNumber(fraction.left(slash));
    const std::optional<qint32> denominator = shortNumber(fraction.mid(slash + 1));
    if (!whole || !numerator || !denominator || *denominator == 0)
        return std::nullopt;
    return static_cast<float>(double(*whole) + double(*numerator) / double(*denominator));
}

}  // namespace

QString input_cue::cueText(const QString &text)
{
    if (text.trimmed().isEmpty())
        return {};
    const float read = modMath::FractionToDecimal(text);
    if (const std::optional<float> plain = plainValue(text); plain && *plain == read)
        return {};
    const QChar decimalPoint = number_text::localeDecimalPoint();
    const std::optional<float> meant = meantValue(text, decimalPoint);
    if (meant && *meant == read)
        return {};
    const QString readText = decimalText(read, decimalPoint);
    if (meant)
        return QCoreApplication::translate("frmMain", "Read as %1: write %2")
            .arg(readText, writtenForCalculator(*meant, text, decimalPoint));
    return QCoreApplication::translate("frmMain", "Read as %1: write 36, %2 or 36 1/2")
        .arg(readText, decimalText(36.5F, decimalPoint));
}

void input_cue::attach(QLineEdit &field)
{
    // The icon is looked up when the cue first shows: finding it may read the
    // icon theme from disk, which a start with sound texts need not wait for.
    auto *cue = new QAction(&field);
    cue->setObjectName(field.objectName() + QStringLiteral("Cue"));
    // Added while visible: the icon follows only later changes of the
    // action's visibility, so the first update below must be one.
    field.addAction(cue, QLineEdit::TrailingPosition);

    const QString ownDescription = field.accessibleDescription();
    const auto update = [&field, cue, ownDescription] {
        const QString said = cueText(field.text());
        if (!said.isEmpty() && cue->icon().isNull())
            cue->setIcon(field.style()->standardIcon(QStyle::SP_MessageBoxWarning));
        cue->setText(said);  // the icon's name for screen readers
        cue->setToolTip(said);
        cue->setVisible(!said.isEmpty());
        field.setAccessibleDescription(said.isEmpty() ? ownDescription : ownDescription + QStringLiteral(". ") + said);
    };
    QObject::connect(&field, &QLineEdit::textChanged, cue, update);
    update();
}
