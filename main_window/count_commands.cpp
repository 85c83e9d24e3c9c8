// SPDX-License-Identifier: LicenseRef-proprietary
#include "frm_main.h"

#include "busy_pointer.h"
#include "dialog_presenter.h"
#include "error_report.h"
#include "mod_math.h"
#include "number_text.h"
#include "ui_frm_main.h"

#include <QApplication>

void frmMain::cmdAdd_Click()
{
    runTrapped(this, "cmdAdd_Click", [this] { stepCount(+1); });
}

void frmMain::cmdSubtract_Click()
{
    runTrapped(this, "cmdSubtract_Click", [this] { stepCount(-1); });
}

// The count lives only in its field: read it, step it, write it back.
void frmMain::stepCount(double step)
{
    const double count = number_text::leadingNumberValue(ui->txtRailpinCount->text());
    ui->txtRailpinCount->setText(number_text::decimalText(count + step));
    Calculate();
}

// Finds the smallest count of 1 or more whose shown gap is within the maximum
// gap: the count at which adding railpins one at a time would stop. The
// search runs over the same arithmetic as Calculate, which then runs once.
void frmMain::cmdAuto_Click()
{
    runTrapped(this, "cmdAuto_Click", [this] {
        BusyPointer busy;
        ui->txtRailpinCount->setText(QStringLiteral("0"));
        if (!ui->cmdAuto->isEnabled())
            return;

        // With no increment selected the denominator reads 0, which the search
        // treats as a failing recalculation, as Calculate reports it.
        const auto_count::Inputs inputs{
            modMath::FractionToDecimal(ui->txtLength->text()),
            modMath::FractionToDecimal(ui->txtWidth->text()),
            modMath::FractionToDecimal(ui->txtMaximumGap->text()),
            ui->cboIncrement->currentData().toInt(),
            number_text::localeDecimalPoint(),
        };
        const auto_count::Result result = auto_count::find(inputs);
        if (result.verdict == auto_count::Verdict::Found)
            ui->txtRailpinCount->setText(number_text::decimalText(result.count));
        Calculate();
        if (result.verdict != auto_count::Verdict::Found) {
            busy.release();
            tellNoCountFits(result.verdict, inputs.maximumGap, inputs.width);
        }
    });
}

void frmMain::tellNoCountFits(auto_count::Verdict verdict, float maximumGap, float width)
{
    using number_text::decimalText;
    QString why;
    switch (verdict) {
    case auto_count::Verdict::GapNeverShrinks:
        why = tr("with this section length and railpin width, adding railpins never makes the gap smaller.");
        break;
    case auto_count::Verdict::GapNeverReachesMaximum:
        why = tr("however many railpins are added, the gap only comes closer to %1 inches "
                 "(minus the railpin width) and never gets down to the maximum.")
                  .arg(decimalText(-width));
        break;
    case auto_count::Verdict::CountTooLarge:
        why = tr("it would take more than %1 railpins.").arg(decimalText(auto_count::kLargestCount));
        break;
    case auto_count::Verdict::Found:
        return;
    }
    dialogs::information(
        this, QStringLiteral("NoCountFits"), windowTitle(),
        tr("No railpin count keeps the gap within the maximum gap of %1 inches: %2").arg(decimalText(maximumGap), why));
}
