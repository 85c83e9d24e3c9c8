// SPDX-License-Identifier: LicenseRef-proprietary
#pragma once

#include <QPrintDialog>

// Qt's print dialog, which refuses a file to print to that the program would
// not write (a FIFO, a device, a folder, another user's link in a shared
// folder) before Qt's own check opens it: opening a FIFO to write waits for a
// reader, and the window would freeze inside the dialog.
class CheckedPrintDialog : public QPrintDialog
{
    Q_OBJECT

public:
    using QPrintDialog::QPrintDialog;

    void accept() override;
};
