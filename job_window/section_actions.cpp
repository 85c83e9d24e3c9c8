// SPDX-License-Identifier: LicenseRef-proprietary
#include "section_actions.h"

#include "calculator_section.h"
#include "job_document.h"
#include "job_file.h"
#include "sections_model.h"
#include "ui_frm_job.h"

#include <QStatusBar>

SectionActions::SectionActions(frmJob &window, Ui::frmJob &ui, JobDocument &document,
                               frmJob::CalculatorFields calculatorFields)
    : window(window), ui(ui), document(document), calculatorFields(std::move(calculatorFields))
{
}

void SectionActions::connectActions()
{
    ui.mnuEditAddFromCalculator->setEnabled(bool(calculatorFields));
    QObject::connect(ui.mnuEditAddSection, &QAction::triggered, &window, [this] { add(); });
    QObject::connect(ui.mnuEditAddFromCalculator, &QAction::triggered, &window, [this] { addFromCalculator(); });
    QObject::connect(ui.mnuEditDuplicateSection, &QAction::triggered, &window, [this] { duplicate(); });
    QObject::connect(ui.mnuEditRemoveSection, &QAction::triggered, &window, [this] { remove(); });
    QObject::connect(ui.mnuEditAutomaticCount, &QAction::triggered, &window, [this] { automaticCount(); });
    QObject::connect(ui.mnuEditMoveUp, &QAction::triggered, &window, [this] { moveBy(-1); });
    QObject::connect(ui.mnuEditMoveDown, &QAction::triggered, &window, [this] { moveBy(1); });
}

void SectionActions::update()
{
    const int row = window.currentSectionRow();
    const bool selected = row >= 0;
    // A run's bays come and go with their run, ahead of the job's own sections.
    const auto isBay = [this](int at) {
        return at >= 0 && at < document.sectionCount() && document.job().sections[size_t(at)].bay.has_value();
    };
    const bool own = selected && !isBay(row);
    ui.mnuEditDuplicateSection->setEnabled(own);
    ui.mnuEditRemoveSection->setEnabled(own);
    ui.mnuEditAutomaticCount->setEnabled(!document.withFixedCount(selectedRows()).empty());
    ui.mnuEditMoveUp->setEnabled(own && row > 0 && !isBay(row - 1));
    ui.mnuEditMoveDown->setEnabled(own && row + 1 < document.sectionCount());
}

// A section added must leave a job that can still be saved and laid out;
// otherwise the status bar says why and nothing is added.
bool SectionActions::insert(int row, const layout::Section &section, const QString &text)
{
    const QString problem = document.insertSection(row, section, text);
    if (!problem.isEmpty())
        window.statusBar()->showMessage(tr("The section was not added: %1").arg(problem));
    return problem.isEmpty();
}

void SectionActions::add()
{
    layout::Section section;
    section.name = layout::numberedSectionName(document.sectionCount() + 1);
    const int current = window.currentSectionRow();
    const int row = current + 1 > 0 ? current + 1 : document.sectionCount();
    if (!insert(row, section, tr("Add Section")))
        return;
    ui.tblSections->setCurrentIndex(ui.tblSections->model()->index(row, SectionsModel::Length));
    ui.tblSections->setFocus();
}

void SectionActions::addFromCalculator()
{
    if (!calculatorFields)
        return;
    const auto *sections = static_cast<const SectionsModel *>(ui.tblSections->model());
    insert(document.sectionCount(),
           calculator_section::section(calculatorFields(), document.job(), sections->decimalPoint()),
           tr("Add from Calculator"));
}

void SectionActions::duplicate()
{
    const int row = window.currentSectionRow();
    if (row < 0)
        return;
    layout::Section copy = document.job().sections[size_t(row)];
    copy.name = tr("%1 (copy)").arg(copy.name);
    insert(row + 1, copy, tr("Duplicate Section"));
}

void SectionActions::remove()
{
    document.removeSection(window.currentSectionRow(), tr("Remove Section"));
}

// The selected rows and the current one.
std::vector<int> SectionActions::selectedRows() const
{
    std::vector<int> rows;
    for (const QModelIndex &index : ui.tblSections->selectionModel()->selectedIndexes())
        rows.push_back(index.row());
    rows.push_back(window.currentSectionRow());
    return rows;
}

void SectionActions::automaticCount()
{
    document.automaticCount(selectedRows(), tr("Automatic Count"));
}

void SectionActions::moveBy(int rows)
{
    const int row = window.currentSectionRow();
    if (row >= 0)
        document.moveSection(row, row + rows, rows < 0 ? tr("Move Section Up") : tr("Move Section Down"));
}
