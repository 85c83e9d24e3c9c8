// SPDX-License-Identifier: LicenseRef-proprietary
#pragma once

#include "field_mending.h"
#include "frm_job.h"

#include <QCoreApplication>

#include <vector>

namespace Ui {
class frmJob;
}
class JobDocument;
class QAction;

// Edit > Rename Field "maxGap" to "maximumGap": one command for each
// misspelt key that stops the current section (the job's own and the
// section's), in the Edit menu and on the sections' context menu. Each
// renames through the document as one undoable step; the window only shows
// them and says why one is refused.
class MisspeltFieldActions
{
    Q_DECLARE_TR_FUNCTIONS(frmJob)

public:
    MisspeltFieldActions(frmJob &window, Ui::frmJob &ui, JobDocument &document);

    // Follows the document and the current section from now on.
    void connectActions();
    // The commands of the current section's misspelt keys, anew.
    void update();

private:
    void rename(const layout::MisspeltKey &key, const QString &text);

    frmJob &window;
    Ui::frmJob &ui;
    JobDocument &document;
    QAction *menuSeparator = nullptr;
    QAction *tableSeparator = nullptr;
    std::vector<layout::MisspeltKey> shownKeys;
    std::vector<QAction *> actions;
};
