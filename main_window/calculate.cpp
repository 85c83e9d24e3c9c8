#include "frm_main.h"

#include "error_report.h"
#include "mod_math.h"
#include "number_text.h"
#include "spacing.h"
#include "ui_frm_main.h"

using number_text::decimalText;

// Recomputes the gap and both on-centre distances from the fields, writes
// each as decimal and fraction text, and decides which count buttons can be
// pressed. A failure leaves what was written before it and is reported here.
void frmMain::Calculate()
{
    runTrapped(this, "Calculate", [this] {
        const double count = number_text::leadingNumberValue(ui->txtRailpinCount->text());
        if (count > 0) {
            ui->cmdSubtract->setEnabled(true);
            const float width = modMath::FractionToDecimal(ui->txtWidth->text());
            const float length = modMath::FractionToDecimal(ui->txtLength->text());
            const float gap = spacing::gap(length, width, count);
            ui->txtActualGap->setText(decimalText(gap));
            ui->txtActualGapFraction->setText(modMath::DecimalToFraction(gap, selectedDenominator()));
            const float outer = spacing::outerOnCentre(modMath::FractionToDecimal(ui->txtWidth->text()), gap);
            const float inner = spacing::innerOnCentre(modMath::FractionToDecimal(ui->txtWidth->text()), gap);
            ui->txtOCenter->setText(decimalText(outer));
            ui->txtOCenterFraction->setText(modMath::DecimalToFraction(outer, selectedDenominator()));
            ui->txtICenter->setText(decimalText(inner));
            ui->txtICenterFraction->setText(modMath::DecimalToFraction(inner, selectedDenominator()));
        } else {
            ui->cmdSubtract->setEnabled(false);
            showNoRailpins();
        }

        // The comparison uses the gap as the field shows it, read back with
        // the locale's decimal separator so that "4,5" counts as 4.5.
        const float maximumGap = modMath::FractionToDecimal(ui->txtMaximumGap->text());
        const float shownGap = spacing::reReadGap(ui->txtActualGap->text(), number_text::localeDecimalPoint());
        const bool withinMaximum = spacing::gapWithinMaximum(maximumGap, shownGap);
        ui->cmdAdd->setEnabled(!withinMaximum);
        ui->cmdAuto->setEnabled(!withinMaximum);
    });
}

// The increment denominator: the item data of the selected increment.
qint32 frmMain::selectedDenominator() const
{
    const int index = ui->cboIncrement->currentIndex();
    if (index < 0)
        throw runtime_errors::invalidIndex();
    return ui->cboIncrement->itemData(index).toInt();
}

// With no railpins placed the whole section length is one gap.
void frmMain::showNoRailpins()
{
    ui->txtActualGap->setText(decimalText(modMath::FractionToDecimal(ui->txtLength->text())));
    ui->txtActualGapFraction->setText(ui->txtLength->text());
    ui->txtOCenter->setText(QStringLiteral("0"));
    ui->txtOCenterFraction->setText(QStringLiteral("0"));
    ui->txtICenter->setText(QStringLiteral("0"));
    ui->txtICenterFraction->setText(QStringLiteral("0"));
}
