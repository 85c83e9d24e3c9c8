// SPDX-License-Identifier: LicenseRef-proprietary
#pragma once

#include "frm_job.h"

#include <QCoreApplication>

namespace Ui {
class frmJob;
}
class JobDocument;
class SectionsModel;

// The Edit menu's section commands of the job window: add, add from the
// calculator, duplicate, remove, move and automatic count, each one of the
// document's commands on the selected section. Part of the window, whose
// texts it shares.
class SectionActions
{
    Q_DECLARE_TR_FUNCTIONS(frmJob)

public:
    SectionActions(frmJob &window, Ui::frmJob &ui, JobDocument &document, frmJob::CalculatorFields calculatorFields);

    void connectActions();
    // Enables the commands that apply to the selection.
    void update();

private:
    void add();
    void addFromCalculator();
    void duplicate();
    void remove();
    void automaticCount();
    void moveBy(int rows);
    std::vector<int> selectedRows() const;
    // Adds the section, or says in the status bar why it cannot be.
    bool insert(int row, const layout::Section &section, const QString &text);

    frmJob &window;
    Ui::frmJob &ui;
    JobDocument &document;
    frmJob::CalculatorFields calculatorFields;
};
