// SPDX-License-Identifier: LicenseRef-proprietary
#pragma once

#include "job.h"

#include <QCoreApplication>
#include <QString>

#include <functional>

namespace Ui {
class frmJob;
}
class frmJob;
class JobDocument;
class QAction;
class QLineEdit;

// The job's own fields in the job window (name, widths, gaps, unit, rounding,
// stock and the balanced-railing values): shows the document's job in them
// and turns each edit into one of the document's commands. Part of the
// window, whose texts it shares.
class JobFieldsPanel
{
    Q_DECLARE_TR_FUNCTIONS(frmJob)

public:
    JobFieldsPanel(frmJob &window, Ui::frmJob &ui, JobDocument &document, QChar decimalPoint);

    void connectFields();
    void showJobFields();
    // Every field still being typed in becomes a command.
    void commit();
    // Edit > Convert: every length to the other unit.
    void convert();
    // A field whose text cannot be read stands out and says why.
    void showFieldProblem(QLineEdit *field, const QString &stored, bool emptyAllowed = false);

private:
    void setJobField(const std::function<void(layout::Job &)> &change, const QString &text, int mergeId = -1);
    void txtJobName_Change();
    void txtRailpinWidth_Change();
    void txtMaximumGap_Change();
    void txtMaximumGapStairs_Change();
    void cboUnit_Click();
    void cboIncrement_Click();
    void cboMarkStep_Click();
    void spnExtraStock_Change();
    void spnPackSize_Change();
    void rebuildPresets();
    void maximumGapPreset_Click(const QAction *preset);

    // Balanced railings: design gap, spacing, centre and posts.
    void connectBalanceFields();
    void showBalanceFields();
    void showOwnBalanceColumns();
    void txtDesignGap_Change();
    void txtPostWidth_Change();
    void cboSpacing_Click();
    void cboCentre_Click();
    void cboMeasuredBetween_Click();
    void cboMarksFrom_Click();

    // Stairs: the least railpins per tread and the triangle sphere.
    void connectStairFields();
    void showStairFields();
    void spnMinPerTread_Change();
    void txtTriangleSphere_Change();

    frmJob &window;
    Ui::frmJob &ui;
    JobDocument &document;
    QChar decimalPoint;
};
