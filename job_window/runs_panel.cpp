// SPDX-License-Identifier: LicenseRef-proprietary
#include "runs_panel.h"

#include "cell_text.h"
#include "frm_job.h"
#include "job_document.h"
#include "job_fields_panel.h"
#include "list_delegate.h"
#include "run.h"
#include "runs_model.h"
#include "ui_frm_job.h"

#include <QHeaderView>
#include <QMenu>
#include <QSignalBlocker>
#include <QStatusBar>
#include <QStyle>
#include <QToolButton>

#include <algorithm>

namespace {

// Edits what a run starts or ends at with a list of the references allowed there.
class RunEndDelegate : public ListDelegate
{
public:
    using ListDelegate::ListDelegate;

    QWidget *createEditor(QWidget *parent, const QStyleOptionViewItem &, const QModelIndex &index) const override
    {
        auto *editor = new QComboBox(parent);
        editor->setObjectName(QStringLiteral("cboRunEnd"));
        editor->setAccessibleName(index.model()->headerData(index.column(), Qt::Horizontal).toString());
        for (const auto &[value, name] : RunsModel::choices(index.column()))
            editor->addItem(name, value);
        return editor;
    }
};

}  // namespace

RunsPanel::RunsPanel(frmJob &window, Ui::frmJob &ui, JobDocument &document, QChar decimalPoint)
    : window(window), ui(ui), document(document), decimalPoint(decimalPoint),
      model(std::make_unique<RunsModel>(document, decimalPoint))
{
}

RunsPanel::~RunsPanel() = default;

void RunsPanel::setUp()
{
    QTableView &table = *ui.tblRuns;
    table.setModel(model.get());
    auto *ends = new RunEndDelegate(&table);
    table.setItemDelegateForColumn(RunsModel::Start, ends);
    table.setItemDelegateForColumn(RunsModel::End, ends);
    table.verticalHeader()->hide();
    table.horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    table.addActions({ui.mnuEditAddRun, ui.mnuEditRemoveRun});
    table.setContextMenuPolicy(Qt::ActionsContextMenu);
    // The buttons repeat the Edit menu's entries for the mouse; the keyboard
    // has the menu and the table's context menu.
    for (QToolButton *button : {ui.btnAddRun, ui.btnRemoveRun})
        button->setFocusPolicy(Qt::NoFocus);
    ui.btnAddRun->setDefaultAction(ui.mnuEditAddRun);
    ui.btnRemoveRun->setDefaultAction(ui.mnuEditRemoveRun);

    ui.btnMaxPostSpacingPresets->setMenu(new QMenu(ui.btnMaxPostSpacingPresets));
    ui.btnMaxPostSpacingPresets->menu()->setObjectName(QStringLiteral("mnuMaxPostSpacingPresets"));

    QObject::connect(ui.mnuEditAddRun, &QAction::triggered, &window, [this] { addRun(); });
    QObject::connect(ui.mnuEditRemoveRun, &QAction::triggered, &window, [this] { removeRun(); });
    QObject::connect(ui.txtMaxPostSpacing, &QLineEdit::editingFinished, &window,
                     [this] { txtMaxPostSpacing_Change(); });
    QObject::connect(model.get(), &RunsModel::editRefused, &window,
                     [this](const QString &reason) { window.statusBar()->showMessage(reason); });
    // A run that cannot be planned says why when it is the current one.
    QObject::connect(table.selectionModel(), &QItemSelectionModel::currentChanged, &window,
                     [this](const QModelIndex &current) {
                         const QString problem = current.data(RunsModel::ProblemRole).toString();
                         if (!problem.isEmpty())
                             window.statusBar()->showMessage(problem);
                         update();
                     });
    QObject::connect(model.get(), &QAbstractItemModel::modelReset, &window, [this] {
        update();
        fitHeight();
    });
    update();
    fitHeight();
}

void RunsPanel::showJobFields()
{
    const layout::Job &job = document.job();
    const QString spacing = job.maxPostSpacing.value_or(QString());
    {
        const QSignalBlocker quiet(ui.txtMaxPostSpacing);
        ui.txtMaxPostSpacing->setText(cell_text::shown(spacing, decimalPoint));
    }
    window.fields->showFieldProblem(ui.txtMaxPostSpacing, spacing, true);

    // The presets follow the unit; each sets the spacing only.
    QMenu &menu = *ui.btnMaxPostSpacingPresets->menu();
    menu.clear();
    int number = 0;
    for (const layout::PostSpacingPreset &preset : layout::postSpacingPresets(job.unit, job.increment)) {
        QAction *action = menu.addAction(cell_text::shown(preset.label, decimalPoint));
        action->setObjectName(QStringLiteral("actMaxPostSpacingPreset%1").arg(++number));
        const QString value = preset.value;
        QObject::connect(action, &QAction::triggered, &window, [this, value] { preset_Click(value); });
    }
    update();
}

void RunsPanel::commit()
{
    txtMaxPostSpacing_Change();
}

void RunsPanel::txtMaxPostSpacing_Change()
{
    const QString typed = cell_text::stored(ui.txtMaxPostSpacing->text(), decimalPoint).trimmed();
    const std::optional<QString> spacing = typed.isEmpty() ? std::nullopt : std::optional<QString>(typed);
    const std::optional<QString> &current = document.job().maxPostSpacing;
    if (spacing == (current && !current->trimmed().isEmpty() ? current : std::nullopt))
        return;
    layout::Job after = document.job();
    after.maxPostSpacing = spacing;
    if (const QString problem = document.changeJob(after, tr("Change Maximum Post Spacing")); !problem.isEmpty())
        window.statusBar()->showMessage(problem);
}

void RunsPanel::preset_Click(const QString &value)
{
    ui.txtMaxPostSpacing->setText(cell_text::shown(value, decimalPoint));
    txtMaxPostSpacing_Change();
}

int RunsPanel::currentRun() const
{
    const QModelIndex current = ui.tblRuns->currentIndex();
    return current.isValid() ? current.row() : -1;
}

// A new run follows the selected one and starts at its end post, as the next
// side of a deck does; its length is typed next.
void RunsPanel::addRun()
{
    window.commitPendingEdits();
    const int current = currentRun();
    const int at = current >= 0 ? current + 1 : document.runCount();
    layout::Run run;
    run.name = tr("Run %1").arg(document.runCount() + 1);
    if (at > 0 && document.job().runs[std::size_t(at - 1)].end == layout::RunEnd::Post)
        run.start = layout::RunEnd::Corner;
    if (const QString problem = document.insertRun(at, run, tr("Add Run")); !problem.isEmpty()) {
        window.statusBar()->showMessage(tr("The run was not added: %1").arg(problem));
        return;
    }
    ui.tblRuns->setCurrentIndex(model->index(at, RunsModel::Length));
    ui.tblRuns->setFocus();
}

void RunsPanel::removeRun()
{
    document.removeRun(currentRun(), tr("Remove Run"));
}

// The runs are few: their table is as tall as its rows, at least two, and
// the sections below take the rest. The user may drag it taller.
void RunsPanel::fitHeight()
{
    constexpr int kFewestRows = 2;
    constexpr int kMostRows = 8;
    const QTableView &table = *ui.tblRuns;
    const int rows = std::clamp(model->rowCount(), kFewestRows, kMostRows);
    // Around the rows: the heading, the table's header and frame, as laid out
    // once the window shows; before, as the widgets would like them.
    const int around = ui.pnlRuns->isVisible()
                           ? ui.pnlRuns->height() - table.viewport()->height()
                           : ui.lblRuns->sizeHint().height() + table.horizontalHeader()->sizeHint().height() +
                                 2 * table.frameWidth() +
                                 ui.pnlRuns->style()->pixelMetric(QStyle::PM_LayoutVerticalSpacing);
    const int wanted = around + rows * table.verticalHeader()->defaultSectionSize();
    QList<int> sizes = ui.splJob->sizes();
    if (sizes.size() < 2 || sizes[0] == wanted)
        return;
    sizes[1] += sizes[0] - wanted;
    sizes[0] = wanted;
    ui.splJob->setSizes(sizes);
}

void RunsPanel::update()
{
    ui.mnuEditRemoveRun->setEnabled(currentRun() >= 0);
}
