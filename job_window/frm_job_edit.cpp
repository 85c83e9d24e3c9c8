// SPDX-License-Identifier: LicenseRef-proprietary
#include "frm_job.h"

#include "calculator_section.h"
#include "cell_text.h"
#include "dialog_presenter.h"
#include "display_text.h"
#include "job_commands.h"
#include "job_file.h"
#include "measurement.h"
#include "sections_model.h"
#include "tab_separated.h"
#include "ui_frm_job.h"
#include "unit_conversion.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QMenu>
#include <QMessageBox>
#include <QPushButton>
#include <QStatusBar>

#include <algorithm>

namespace {

// Consecutive changes of the extra stock (each arrow press or digit typed)
// are undone as one.
constexpr int kExtraStockMergeId = 1;
constexpr int kPackSizeMergeId = 2;

// The whole job before and after; consecutive commands with the same merge id
// become one.
class JobFieldCommand : public SetJobCommand
{
public:
    JobFieldCommand(SectionsModel &model, layout::Job before, layout::Job after, const QString &text, int mergeId)
        : SetJobCommand(model, std::move(before), std::move(after), text), mergeId(mergeId)
    {
    }
    int id() const override { return mergeId; }
    bool mergeWith(const QUndoCommand *other) override
    {
        adoptAfter(*static_cast<const JobFieldCommand *>(other));
        // Back where it began: the stack drops the command, and a job that
        // was saved there is clean again.
        setObsolete(changesNothing());
        return true;
    }

private:
    int mergeId;
};

struct Preset
{
    QString value;  // as stored, "." for the decimal separator
    QString description;
    bool stairs;  // sets the maximum gap on stairs, else the level one
};

}  // namespace

void frmJob::setJobField(const std::function<void(layout::Job &)> &change, const QString &text, int mergeId)
{
    layout::Job after = job();
    change(after);
    if (const QString problem = layout::limitProblem(after); !problem.isEmpty()) {
        statusBar()->showMessage(problem);
        return;
    }
    undoStack.push(new JobFieldCommand(*sections, job(), after, text, mergeId));
}

void frmJob::txtJobName_Change()
{
    // The field shows the name without control characters: while it still
    // shows just that, the user has not edited it and the name stays as read.
    if (ui->txtJobName->text() == layout::displayText(job().name, layout::LineBreaks::Replaced))
        return;
    const QString name = ui->txtJobName->text().trimmed();
    if (name != job().name)
        setJobField([&name](layout::Job &changed) { changed.name = name; }, tr("Rename Job"));
}

void frmJob::txtRailpinWidth_Change()
{
    const QString width = cell_text::stored(ui->txtRailpinWidth->text(), sections->decimalPoint());
    if (width != job().railpinWidth)
        setJobField([&width](layout::Job &changed) { changed.railpinWidth = width; }, tr("Change Railpin Width"));
}

void frmJob::txtMaximumGap_Change()
{
    const QString gap = cell_text::stored(ui->txtMaximumGap->text(), sections->decimalPoint());
    if (gap != job().maximumGap)
        setJobField([&gap](layout::Job &changed) { changed.maximumGap = gap; }, tr("Change Maximum Gap"));
}

void frmJob::txtMaximumGapStairs_Change()
{
    const QString gap = cell_text::stored(ui->txtMaximumGapStairs->text(), sections->decimalPoint()).trimmed();
    const std::optional<QString> stairs = gap.isEmpty() ? std::nullopt : std::optional<QString>(gap);
    if (stairs != (layout::hasStairsLimit(job()) ? job().maximumGapStairs : std::nullopt))
        setJobField([&stairs](layout::Job &changed) { changed.maximumGapStairs = stairs; },
                    tr("Change Maximum Gap on Stairs"));
}

// A job with nothing but the defaults takes those of the new unit; one with
// lengths asks whether to convert them or read the same numbers in the new unit.
void frmJob::cboUnit_Click()
{
    const auto unit = layout::Unit(ui->cboUnit->currentData().toInt());
    if (unit == job().unit)
        return;
    commitPendingEdits();
    if (layout::hasOnlyDefaultLengths(job())) {
        setJobField(
            [unit](layout::Job &changed) {
                changed.unit = unit;
                changed.railpinWidth = layout::defaultRailpinWidth(unit);
                changed.maximumGap = layout::defaultMaximumGap(unit);
            },
            tr("Change Unit"));
        return;
    }
    switch (askConvertLengths(unit)) {
    case UnitChange::Convert:
        mnuEditConvert_Click();
        break;
    case UnitChange::KeepNumbers:
        setJobField([unit](layout::Job &changed) { changed.unit = unit; }, tr("Change Unit"));
        break;
    case UnitChange::Cancel:
        break;
    }
    // The list shows the job's unit, whatever was chosen.
    showJobFields();
}

frmJob::UnitChange frmJob::askConvertLengths(layout::Unit unit)
{
    dialogs::Message question;
    question.icon = QMessageBox::Question;
    question.objectName = QStringLiteral("msgConvertLengths");
    question.title = tr("Change Unit");
    question.text = unit == layout::Unit::Millimetres ? tr("Convert the lengths of this job to millimetres?")
                                                      : tr("Convert the lengths of this job to inches?");
    question.informativeText = tr("Keep Numbers reads the same numbers in the new unit.");
    question.buttons = QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel;
    question.defaultButton = QMessageBox::Yes;
    question.buttonTexts = {{QMessageBox::Yes, tr("&Convert")}, {QMessageBox::No, tr("&Keep Numbers")}};
    switch (dialogs::ask(this, question)) {
    case QMessageBox::Yes:
        return UnitChange::Convert;
    case QMessageBox::No:
        return UnitChange::KeepNumbers;
    default:
        return UnitChange::Cancel;
    }
}

void frmJob::cboIncrement_Click()
{
    const qint32 increment = ui->cboIncrement->currentData().toInt();
    if (increment != job().increment)
        setJobField([increment](layout::Job &changed) { changed.increment = increment; }, tr("Change Increment"));
}

void frmJob::cboMarkStep_Click()
{
    const double step = ui->cboMarkStep->currentData().toDouble();
    if (step != job().markStep)
        setJobField([step](layout::Job &changed) { changed.markStep = step; }, tr("Change Mark Step"));
}

void frmJob::spnPackSize_Change()
{
    // The spin box's lowest value stands for no pack size.
    const qint32 value = ui->spnPackSize->value();
    const std::optional<qint32> packSize = value > 0 ? std::optional<qint32>(value) : std::nullopt;
    if (packSize != job().packSize)
        setJobField([packSize](layout::Job &changed) { changed.packSize = packSize; }, tr("Change Pack Size"),
                    kPackSizeMergeId);
}

void frmJob::spnExtraStock_Change()
{
    const qint32 percent = ui->spnExtraStock->value();
    if (percent != job().extraStockPercent)
        setJobField([percent](layout::Job &changed) { changed.extraStockPercent = percent; }, tr("Change Extra Stock"),
                    kExtraStockMergeId);
}

// The usual limits of building codes for the gap, each naming the limit it
// sets: in a metric job the metric rule and the inch limits rounded down, so
// that no limit grows.
void frmJob::rebuildPresets()
{
    const QStringList inchValues{QStringLiteral("4"), QStringLiteral("4 3/8")};
    const QStringList inchReasons{tr("guards"), tr("open side of stairs")};
    const QList<bool> inchStairs{false, true};
    std::vector<Preset> presets;
    if (job().unit == layout::Unit::Millimetres) {
        const QStringList metricValues = layout::metricMaximumGapPresets(inchValues);
        for (qsizetype index = 0; index < metricValues.size(); ++index) {
            const qsizetype inch = index - (metricValues.size() - inchValues.size());
            if (inch < 0)
                presets.push_back({metricValues[index], tr("the common metric rule"), false});
            else
                presets.push_back({metricValues[index],
                                   tr("%1 in rounded down, %2").arg(inchValues[inch], inchReasons[inch]),
                                   inchStairs[inch]});
        }
    } else {
        for (qsizetype index = 0; index < inchValues.size(); ++index)
            presets.push_back({inchValues[index], inchReasons[index], inchStairs[index]});
        presets.push_back({QStringLiteral("3.937"), tr("100 mm, where that is the rule"), false});
    }
    // The menu's actions stay (one of them may be the one being triggered);
    // only their texts and values follow the unit.
    const QList<QAction *> actions = ui->btnMaximumGapPresets->menu()->actions();
    const QString unit = layout::unitName(job().unit);
    for (qsizetype index = 0; index < actions.size(); ++index) {
        const bool shown = size_t(index) < presets.size();
        actions[index]->setVisible(shown);
        if (!shown)
            continue;
        const Preset &preset = presets[size_t(index)];
        const QString limit = preset.stairs ? tr("sets the maximum gap on stairs") : tr("sets the maximum gap");
        actions[index]->setText(
            tr("&%1  %2 %3 \u2014 %4 (%5)")
                .arg(index + 1)
                .arg(cell_text::shown(preset.value, sections->decimalPoint()), unit, preset.description, limit));
        actions[index]->setData(QVariantList{preset.value, preset.stairs});
    }
}

void frmJob::maximumGapPreset_Click(const QAction *preset)
{
    const QVariantList data = preset->data().toList();
    const QString value = data.value(0).toString();
    if (data.value(1).toBool()) {
        if (value != job().maximumGapStairs)
            setJobField([&value](layout::Job &changed) { changed.maximumGapStairs = value; },
                        tr("Change Maximum Gap on Stairs"));
    } else if (value != job().maximumGap) {
        setJobField([&value](layout::Job &changed) { changed.maximumGap = value; }, tr("Change Maximum Gap"));
    }
}

// A section added must leave a job that can still be saved and laid out;
// otherwise the status bar says why and nothing is added.
bool frmJob::hasRoomFor(const layout::Section &section)
{
    layout::Job candidate = job();
    candidate.sections.push_back(section);
    const QString problem = layout::limitProblem(candidate);
    if (!problem.isEmpty())
        statusBar()->showMessage(tr("The section was not added: %1").arg(problem));
    return problem.isEmpty();
}

void frmJob::mnuEditAddSection_Click()
{
    layout::Section section;
    section.name = layout::numberedSectionName(sections->rowCount() + 1);
    if (!hasRoomFor(section))
        return;
    const int row = currentSectionRow() + 1 > 0 ? currentSectionRow() + 1 : sections->rowCount();
    undoStack.push(new InsertSectionsCommand(*sections, row, {section}, tr("Add Section")));
    ui->tblSections->setCurrentIndex(sections->index(row, SectionsModel::Length));
    ui->tblSections->setFocus();
}

void frmJob::mnuEditAddFromCalculator_Click()
{
    if (!calculatorFields)
        return;
    const layout::Section section = calculator_section::section(calculatorFields(), job(), sections->decimalPoint());
    if (!hasRoomFor(section))
        return;
    undoStack.push(new InsertSectionsCommand(*sections, sections->rowCount(), {section}, tr("Add from Calculator")));
}

void frmJob::mnuEditDuplicateSection_Click()
{
    const int row = currentSectionRow();
    if (row < 0)
        return;
    layout::Section copy = job().sections[size_t(row)];
    copy.name = tr("%1 (copy)").arg(copy.name);
    if (!hasRoomFor(copy))
        return;
    undoStack.push(new InsertSectionsCommand(*sections, row + 1, {copy}, tr("Duplicate Section")));
}

void frmJob::mnuEditRemoveSection_Click()
{
    const int row = currentSectionRow();
    if (row >= 0)
        undoStack.push(new RemoveSectionsCommand(*sections, row, 1, tr("Remove Section")));
}

// The selected sections with a fixed count, first row first.
std::vector<int> frmJob::sectionsWithFixedCount() const
{
    std::vector<int> rows;
    for (const QModelIndex &index : ui->tblSections->selectionModel()->selectedIndexes())
        rows.push_back(index.row());
    rows.push_back(currentSectionRow());
    std::sort(rows.begin(), rows.end());
    rows.erase(std::unique(rows.begin(), rows.end()), rows.end());
    std::erase_if(rows, [this](int row) { return row < 0 || !job().sections[size_t(row)].count; });
    return rows;
}

void frmJob::mnuEditAutomaticCount_Click()
{
    const std::vector<int> rows = sectionsWithFixedCount();
    if (rows.empty())
        return;
    undoStack.beginMacro(tr("Automatic Count"));
    for (const int row : rows) {
        const layout::Section &before = job().sections[size_t(row)];
        layout::Section after = before;
        after.count.reset();
        undoStack.push(new SetSectionCommand(*sections, row, before, after, tr("Automatic Count")));
    }
    undoStack.endMacro();
}

void frmJob::mnuEditMoveUp_Click()
{
    const int row = currentSectionRow();
    if (row > 0)
        undoStack.push(new MoveSectionCommand(*sections, row, row - 1, tr("Move Section Up")));
}

void frmJob::mnuEditMoveDown_Click()
{
    const int row = currentSectionRow();
    if (row >= 0 && row + 1 < sections->rowCount())
        undoStack.push(new MoveSectionCommand(*sections, row, row + 1, tr("Move Section Down")));
}

void frmJob::mnuEditConvert_Click()
{
    commitPendingEdits();
    const bool metric = job().unit == layout::Unit::Millimetres;
    layout::ConversionReport report;
    const layout::Job converted =
        layout::convertedTo(job(), metric ? layout::Unit::Inches : layout::Unit::Millimetres, &report);
    // The change is told in the unit the lengths were typed in, before it goes.
    //: A length and its unit ("3.2 mm") in the status message of Convert; its own context because the window may order
    //: the two differently from the sheet and the drawing.
    const QString change = tr("%1 %2").arg(
        layout::decimalMarkText(report.largestChange, job(), sections->decimalPoint()), layout::unitName(job().unit));
    undoStack.push(new SetJobCommand(*sections, job(), converted,
                                     metric ? tr("Convert to Inches") : tr("Convert to Millimetres")));
    if (report.rounded > 0)
        statusBar()->showMessage(report.rounded == 1 ? tr("1 length was rounded to the increment, by %1").arg(change)
                                                     : tr("%1 lengths were rounded to the increment, by at most %2")
                                                           .arg(QString::number(report.rounded), change));
}

void frmJob::copyMarks()
{
    const QString text = tabSeparatedText(ui->tblMarks->selectionModel()->selectedIndexes());
    if (!text.isEmpty())
        QGuiApplication::clipboard()->setText(text);
}
