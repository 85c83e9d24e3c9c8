// SPDX-License-Identifier: LicenseRef-proprietary
#pragma once

#include <QCoreApplication>
#include <QString>

#include <memory>

namespace Ui {
class frmJob;
}
class frmJob;
class JobDocument;
class RunsModel;

// The job's runs in the job window: the Runs table above the sections, the
// maximum post spacing with its presets, and Add Run and Remove Run. Each
// edit is one of the document's commands; the document derives the runs'
// bays, which the sections table shows first. Part of the window, whose
// texts it shares.
class RunsPanel
{
    Q_DECLARE_TR_FUNCTIONS(frmJob)

public:
    RunsPanel(frmJob &window, Ui::frmJob &ui, JobDocument &document, QChar decimalPoint);
    ~RunsPanel();

    void setUp();
    // Shows the job's spacing and the presets of its unit.
    void showJobFields();
    // The spacing being typed becomes a command.
    void commit();

private:
    void txtMaxPostSpacing_Change();
    void preset_Click(const QString &value);
    void addRun();
    void removeRun();
    void update();
    void fitHeight();
    int currentRun() const;

    frmJob &window;
    Ui::frmJob &ui;
    JobDocument &document;
    QChar decimalPoint;
    std::unique_ptr<RunsModel> model;
};
