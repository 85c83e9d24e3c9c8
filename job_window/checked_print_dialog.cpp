// SPDX-License-Identifier: LicenseRef-proprietary
#include "checked_print_dialog.h"

#include "dialog_presenter.h"
#include "file_writer.h"

#include <QDir>
#include <QLineEdit>

void CheckedPrintDialog::accept()
{
    // The file name field of Qt's dialog, enabled when it prints to a file.
    const auto *file = findChild<QLineEdit *>(QStringLiteral("filename"));
    if (file != nullptr && file->isEnabled() && !file->text().isEmpty()) {
        if (const QString refusal = file_writer::targetRefusal(file->text()); !refusal.isEmpty()) {
            dialogs::warning(this, QStringLiteral("msgPrintFileRefused"), windowTitle(),
                             tr("Cannot print to %1: %2.").arg(QDir::toNativeSeparators(file->text()), refusal));
            return;
        }
    }
    QPrintDialog::accept();
}
