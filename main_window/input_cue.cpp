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

}  // namespace

QString input_cue::cueText(const QString &text)
{
    if (text.trimmed().isEmpty())
        return {};
    const QChar decimalPoint = number_text::localeDecimalPoint();
    const float read = modMath::FractionToDecimal(text);
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
    auto *cue = new QAction(field.style()->standardIcon(QStyle::SP_MessageBoxWarning), QString(), &field);
    cue->setObjectName(field.objectName() + QStringLiteral("Cue"));
    // Added while visible: the icon follows only later changes of the
    // action's visibility, so the first update below must be one.
    field.addAction(cue, QLineEdit::TrailingPosition);

    const QString ownDescription = field.accessibleDescription();
    const auto update = [&field, cue, ownDescription] {
        const QString said = cueText(field.text());
        cue->setText(said);  // the icon's name for screen readers
        cue->setToolTip(said);
        cue->setVisible(!said.isEmpty());
        field.setAccessibleDescription(said.isEmpty() ? ownDescription : ownDescription + QStringLiteral(". ") + said);
    };
    QObject::connect(&field, &QLineEdit::textChanged, cue, update);
    update();
}
