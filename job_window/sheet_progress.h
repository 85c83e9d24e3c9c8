// SPDX-License-Identifier: LicenseRef-proprietary
#pragma once

#include "job_sheet.h"

#include <QCoreApplication>
#include <QPointer>
#include <QProgressDialog>

#include <functional>

// A window-modal progress dialog with Cancel for painting a job sheet or a
// template. It shows itself when painting takes longer than a moment, and
// keeps the window answering between sections or pages.
class SheetProgressDialog
{
    Q_DECLARE_TR_FUNCTIONS(SheetProgressDialog)

public:
    // What painting is counted in: a job sheet's sections or a template's pages.
    enum class Counting { Sections, TemplatePages };

    SheetProgressDialog(QWidget *parent, const QString &label, Counting counting = Counting::Sections);
    ~SheetProgressDialog();
    SheetProgressDialog(const SheetProgressDialog &) = delete;
    SheetProgressDialog &operator=(const SheetProgressDialog &) = delete;

    // Called once the user has cancelled, before painting stops: a printer
    // aborts its print run here.
    void setOnCancel(std::function<void()> onCancel);

    // The callback to hand to the sheet painter.
    sheets::SheetProgress progress();

    // How long painting runs before the dialog shows; tests set 0.
    static void setShowDelay(int milliseconds);

private:
    QPointer<QProgressDialog> dialog;
    std::function<void()> cancelAction;
    Counting counting;
};
