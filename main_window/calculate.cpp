// SPDX-License-Identifier: LicenseRef-proprietary
#include "frm_main.h"

#include "calculator_results.h"
#include "error_report.h"
#include "mod_math.h"
#include "number_text.h"
#include "ui_frm_main.h"

#include <QLineEdit>

#include <cmath>

namespace {

void writeIfComputed(QLineEdit *field, const std::optional<QString> &text)
{
    if (text)
        field->setText(*text);
}

}  // namespace

// Recomputes the gap and both on-centre distances from the fields, writes
// each as decimal and fraction text, and decides which count buttons can be
// pressed. A failure leaves what was written before it and is reported here.
void frmMain::Calculate()
{
    currentCount.reset();
    resultsCurrent = false;
    runTrapped(this, "Calculate", [this] {
        const int index = ui->cboIncrement->currentIndex();
        const double count = number_text::leadingNumberValue(ui->txtRailpinCount->text());
        const std::optional<qint32> denominator =
            index < 0 ? std::nullopt : std::optional<qint32>(ui->cboIncrement->itemData(index).toInt());
        const calculator_results::Results results = calculator_results::compute({
            modMath::FractionToDecimal(ui->txtLength->text()),
            modMath::FractionToDecimal(ui->txtWidth->text()),
            modMath::FractionToDecimal(ui->txtMaximumGap->text()),
            count,
            denominator,
            number_text::localeDecimalPoint(),
            ui->txtLength->text(),
        });
        ui->cmdSubtract->setEnabled(results.subtractEnabled);
        writeIfComputed(ui->txtActualGap, results.gapText);
        writeIfComputed(ui->txtActualGapFraction, results.gapFraction);
        writeIfComputed(ui->txtOCenter, results.outerText);
        writeIfComputed(ui->txtOCenterFraction, results.outerFraction);
        writeIfComputed(ui->txtICenter, results.innerText);
        writeIfComputed(ui->txtICenterFraction, results.innerFraction);
        if (results.addAndAutoEnabled) {
            ui->cmdAdd->setEnabled(*results.addAndAutoEnabled);
            ui->cmdAuto->setEnabled(*results.addAndAutoEnabled);
        }
        // The count is laid out when both distances could be written for a
        // whole number of railpins with room between them.
        resultsCurrent = results.outerText && results.innerText && denominator.value_or(0) >= 1;
        if (resultsCurrent && count > 0 && std::floor(count) == count && *results.gap > 0)
            currentCount = qint64(count);
        if (results.failure)
            throw *results.failure;
    });
}

// With no railpins placed the whole section length is one gap.
void frmMain::showNoRailpins()
{
    calculator_results::Inputs noRailpins;
    noRailpins.length = modMath::FractionToDecimal(ui->txtLength->text());
    noRailpins.decimalPoint = number_text::localeDecimalPoint();
    noRailpins.lengthText = ui->txtLength->text();
    const calculator_results::Results results = calculator_results::compute(noRailpins);
    ui->txtActualGap->setText(*results.gapText);
    ui->txtActualGapFraction->setText(*results.gapFraction);
    ui->txtOCenter->setText(*results.outerText);
    ui->txtOCenterFraction->setText(*results.outerFraction);
    ui->txtICenter->setText(*results.innerText);
    ui->txtICenterFraction->setText(*results.innerFraction);
}
