// SPDX-License-Identifier: LicenseRef-proprietary
#include "frm_main.h"

#include "error_report.h"
#include "ui_frm_main.h"

#include <QLineEdit>

// An edit does not recalculate: it shows the no-railpin display and lets the
// user ask for a count again.
void frmMain::txtLength_Change()
{
    runTrapped(this, "txtLength_Change", [this] { measurementChanged(); });
}

void frmMain::txtWidth_Change()
{
    runTrapped(this, "txtWidth_Change", [this] { measurementChanged(); });
}

void frmMain::txtMaximumGap_Change()
{
    runTrapped(this, "txtMaximumGap_Change", [this] { measurementChanged(); });
}

void frmMain::measurementChanged()
{
    currentCount.reset();
    resultsCurrent = false;
    ui->cmdAdd->setEnabled(true);
    ui->cmdSubtract->setEnabled(false);
    ui->cmdAuto->setEnabled(true);
    showNoRailpins();
}

void frmMain::txtLength_GotFocus()
{
    SelectAllText();
}

void frmMain::txtWidth_GotFocus()
{
    SelectAllText();
}

void frmMain::txtMaximumGap_GotFocus()
{
    SelectAllText();
}

// Selects the whole text of the field that has the focus, so that typing
// replaces it. Anything that is not a text field is left alone.
void frmMain::SelectAllText()
{
    auto *field = qobject_cast<QLineEdit *>(focusWidget());
    if (field == nullptr || field->text().isEmpty())
        return;
    field->setSelection(0, int(field->text().size()));
}
