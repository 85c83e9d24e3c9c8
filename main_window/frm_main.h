// SPDX-License-Identifier: LicenseRef-proprietary
#pragma once

#include "auto_count.h"

#include <QMainWindow>

#include <memory>

namespace Ui {
class frmMain;
}
class JobWindows;

// The calculator window. It is built from frm_main.ui, then Form_Load fills
// the increment list and computes the first results. All values live in the
// controls; the handlers below read and write them.
class frmMain : public QMainWindow
{
    Q_OBJECT

public:
    explicit frmMain(QWidget *parent = nullptr);
    ~frmMain() override;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void applyFontsAndFrame();
    void connectHandlers();

    // Start-up and increment choice.
    void Form_Load();
    void cboIncrement_Click();
    void cboIncrement_Change();

    // The recalculation, and what it and the input fields share.
    void Calculate();
    void showNoRailpins();

    // Count commands.
    void cmdAdd_Click();
    void cmdSubtract_Click();
    void cmdAuto_Click();
    void stepCount(double step);
    void tellNoCountFits(auto_count::Verdict verdict, float maximumGap, float width);

    // Measurement input fields.
    void txtLength_Change();
    void txtWidth_Change();
    void txtMaximumGap_Change();
    void measurementChanged();
    void txtLength_GotFocus();
    void txtWidth_GotFocus();
    void txtMaximumGap_GotFocus();
    void SelectAllText();

    // Menu commands.
    void mnuFilePrint_Click();
    void mnuFileLayout_Click();
    void mnuFileOpenJob_Click();
    void mnuFileExit_Click();
    void mnuHelpAbout_Click();

    std::unique_ptr<Ui::frmMain> ui;
    std::unique_ptr<JobWindows> jobWindows;
    QWidget *pendingClickFocus = nullptr;  // a field that a mouse press has just focused
};
