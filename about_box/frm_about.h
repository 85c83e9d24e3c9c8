// SPDX-License-Identifier: LicenseRef-proprietary
#pragma once

#include <QDialog>

#include <memory>

namespace Ui {
class frmAbout;
}

// The modal About window: the application's title, version and copyright
// line above an etched rule, and a legal notice with the OK button below.
class frmAbout : public QDialog
{
    Q_OBJECT

public:
    explicit frmAbout(QWidget *parent = nullptr);
    ~frmAbout() override;

private:
    void Form_Load();
    void cmdOK_Click();

    std::unique_ptr<Ui::frmAbout> ui;
};
