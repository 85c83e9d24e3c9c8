// SPDX-License-Identifier: LicenseRef-proprietary
#pragma once

#include "auto_count.h"
#include "calculator_snapshot.h"

#include <QMainWindow>

#include <functional>
#include <memory>
#include <optional>

namespace Ui {
class frmMain;
}

// The calculator window. It is built from frm_main.ui, then Form_Load fills
// the increment list and computes the first results. All values live in the
// controls; the handlers below read and write them. Job windows are the
// program's business: the calculator asks for them through its signals.
class frmMain : public QMainWindow
{
    Q_OBJECT

public:
    explicit frmMain(QWidget *parent = nullptr);
    ~frmMain() override;

    // The inputs as typed, the increment, and the count while the results
    // shown are those of the fields as they read now; File > Print prints it.
    layout::CalculatorSnapshot snapshot() const;

    // Asked before File > Exit ends the program; false keeps it running,
    // e.g. when a job window's unsaved work was not let go.
    void setExitCheck(std::function<bool()> readyToExit);

signals:
    // File > New Job from Calculator: a new job of one section from what is shown.
    void newJobRequested(const layout::CalculatorSnapshot &calculator);
    // File > Open Job.
    void openJobRequested();

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
    std::function<bool()> exitCheck;
    // The count of the results on screen, while they belong to the fields
    // and lay railpins out.
    std::optional<qint64> currentCount;
    // Every result was written for the fields and count as they read now,
    // whether or not it lays railpins out.
    bool resultsCurrent = false;
    QWidget *pendingClickFocus = nullptr;  // a field that a mouse press has just focused
};
