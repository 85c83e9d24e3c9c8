// SPDX-License-Identifier: LicenseRef-proprietary
#include "misspelt_field_actions.h"

#include "job_document.h"
#include "ui_frm_job.h"

#include <QAction>
#include <QStatusBar>

MisspeltFieldActions::MisspeltFieldActions(frmJob &window, Ui::frmJob &ui, JobDocument &document)
    : window(window), ui(ui), document(document)
{
}

void MisspeltFieldActions::connectActions()
{
    menuSeparator = ui.mnuEdit->addSeparator();
    tableSeparator = new QAction(ui.tblSections);
    tableSeparator->setSeparator(true);
    ui.tblSections->addAction(tableSeparator);
    const auto follow = [this] { update(); };
    QObject::connect(&document, &JobDocument::jobReplaced, &window, follow);
    QObject::connect(&document, &JobDocument::jobChanged, &window, follow);
    QObject::connect(&document, &JobDocument::sectionChanged, &window, follow);
    QObject::connect(&document, &JobDocument::sectionsInserted, &window, follow);
    QObject::connect(&document, &JobDocument::sectionsRemoved, &window, follow);
    QObject::connect(&document, &JobDocument::sectionMoved, &window, follow);
    QObject::connect(ui.tblSections->selectionModel(), &QItemSelectionModel::currentChanged, &window, follow);
    update();
}

void MisspeltFieldActions::update()
{
    const std::vector<layout::MisspeltKey> keys = layout::misspeltKeys(document.job(), window.currentSectionRow());
    if (keys == shownKeys)
        return;
    // An action may be the one being triggered now: it goes once it is done.
    for (QAction *action : actions) {
        ui.mnuEdit->removeAction(action);
        ui.tblSections->removeAction(action);
        action->deleteLater();
    }
    actions.clear();
    shownKeys = keys;
    for (const layout::MisspeltKey &key : keys) {
        const QString text = tr("Rename Field \"%1\" to \"%2\"").arg(key.written, key.meant);
        auto *action = new QAction(text, &window);
        action->setObjectName(QStringLiteral("mnuEditRenameField"));
        QObject::connect(action, &QAction::triggered, &window, [this, key, text] { rename(key, text); });
        ui.mnuEdit->addAction(action);
        ui.tblSections->addAction(action);
        actions.push_back(action);
    }
    menuSeparator->setVisible(!actions.empty());
    tableSeparator->setVisible(!actions.empty());
}

void MisspeltFieldActions::rename(const layout::MisspeltKey &key, const QString &text)
{
    window.commitPendingEdits();
    const QString problem = document.renameField(key, text);
    if (!problem.isEmpty())
        window.statusBar()->showMessage(tr("The field was not renamed: %1").arg(problem));
}
