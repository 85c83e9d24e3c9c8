// SPDX-License-Identifier: LicenseRef-proprietary
#include "sheet_progress.h"

namespace {

int showDelay = 500;

}  // namespace

SheetProgressDialog::SheetProgressDialog(QWidget *parent, const QString &label, Counting counting)
    : dialog(new QProgressDialog(label, tr("Cancel"), 0, 1, parent)), counting(counting)
{
    dialog->setObjectName(QStringLiteral("dlgSheetProgress"));
    dialog->setWindowTitle(counting == Counting::TemplatePages ? tr("Template") : tr("Job Sheet"));
    dialog->setWindowModality(Qt::WindowModal);
    dialog->setMinimumDuration(showDelay);
    dialog->setAutoReset(false);
    dialog->setAttribute(Qt::WA_DeleteOnClose);
}

SheetProgressDialog::~SheetProgressDialog()
{
    delete dialog.data();
}

void SheetProgressDialog::setOnCancel(std::function<void()> onCancel)
{
    cancelAction = std::move(onCancel);
}

void SheetProgressDialog::setShowDelay(int milliseconds)
{
    showDelay = milliseconds;
}

sheets::SheetProgress SheetProgressDialog::progress()
{
    return [this](int done, int total) {
        if (dialog == nullptr)
            return false;
        if (done >= total) {
            // The last section is painted: only the totals are left.
            dialog->close();
            return true;
        }
        dialog->setMaximum(total);
        dialog->setValue(done);
        if (showDelay == 0 && !dialog->isVisible())
            dialog->show();
        dialog->setLabelText(counting == Counting::TemplatePages
                                 ? tr("Painting page %1 of %2…").arg(done + 1).arg(total)
                                 : tr("Painting section %1 of %2…").arg(done + 1).arg(total));
        QCoreApplication::processEvents();
        if (dialog != nullptr && !dialog->wasCanceled())
            return true;
        if (dialog != nullptr)
            dialog->close();
        if (cancelAction)
            cancelAction();
        return false;
    };
}
