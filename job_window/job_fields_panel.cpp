// SPDX-License-Identifier: LicenseRef-proprietary
#include "job_fields_panel.h"

#include "cell_text.h"
#include "dialog_presenter.h"
#include "display_text.h"
#include "frm_job.h"
#include "job_document.h"
#include "job_file.h"
#include "measurement.h"
#include "problem_colours.h"
#include "ui_frm_job.h"
#include "unit_conversion.h"

#include <QApplication>
#include <QMenu>
#include <QMessageBox>
#include <QSignalBlocker>
#include <QStatusBar>

namespace {

// Consecutive changes of the extra stock (each arrow press or digit typed)
// are undone as one.
constexpr int kExtraStockMergeId = 1;
constexpr int kPackSizeMergeId = 2;

const char *const kProblemActionName = "problemIcon";
const char *const kOwnDescription = "ownAccessibleDescription";

struct Preset
{
    QString value;  // as stored, "." for the decimal separator
    QString description;
    bool stairs;  // sets the maximum gap on stairs, else the level one
};

}  // namespace

JobFieldsPanel::JobFieldsPanel(frmJob &window, Ui::frmJob &ui, JobDocument &document, QChar decimalPoint)
    : window(window), ui(ui), document(document), decimalPoint(decimalPoint)
{
}

void JobFieldsPanel::connectFields()
{
    QObject::connect(ui.txtJobName, &QLineEdit::editingFinished, &window, [this] { txtJobName_Change(); });
    QObject::connect(ui.txtRailpinWidth, &QLineEdit::editingFinished, &window, [this] { txtRailpinWidth_Change(); });
    QObject::connect(ui.txtMaximumGap, &QLineEdit::editingFinished, &window, [this] { txtMaximumGap_Change(); });
    QObject::connect(ui.txtMaximumGapStairs, &QLineEdit::editingFinished, &window,
                     [this] { txtMaximumGapStairs_Change(); });
    QObject::connect(ui.cboUnit, &QComboBox::activated, &window, [this] { cboUnit_Click(); });
    QObject::connect(ui.cboIncrement, &QComboBox::activated, &window, [this] { cboIncrement_Click(); });
    QObject::connect(ui.cboMarkStep, &QComboBox::activated, &window, [this] { cboMarkStep_Click(); });
    QObject::connect(ui.spnExtraStock, &QSpinBox::valueChanged, &window, [this] { spnExtraStock_Change(); });
    QObject::connect(ui.spnPackSize, &QSpinBox::valueChanged, &window, [this] { spnPackSize_Change(); });
    for (QAction *preset : ui.btnMaximumGapPresets->menu()->actions())
        QObject::connect(preset, &QAction::triggered, &window, [this, preset] { maximumGapPreset_Click(preset); });
    connectBalanceFields();
    connectStairFields();
}

void JobFieldsPanel::showJobFields()
{
    const layout::Job &shown = document.job();
    const QSignalBlocker nameQuiet(ui.txtJobName);
    const QSignalBlocker widthQuiet(ui.txtRailpinWidth);
    const QSignalBlocker gapQuiet(ui.txtMaximumGap);
    const QSignalBlocker stairsQuiet(ui.txtMaximumGapStairs);
    const QSignalBlocker unitQuiet(ui.cboUnit);
    const QSignalBlocker incrementQuiet(ui.cboIncrement);
    const QSignalBlocker stepQuiet(ui.cboMarkStep);
    const QSignalBlocker stockQuiet(ui.spnExtraStock);
    const QSignalBlocker packQuiet(ui.spnPackSize);
    ui.txtJobName->setText(layout::displayText(shown.name, layout::LineBreaks::Replaced));
    ui.txtRailpinWidth->setText(cell_text::shown(shown.railpinWidth, decimalPoint));
    ui.txtMaximumGap->setText(cell_text::shown(shown.maximumGap, decimalPoint));
    ui.txtMaximumGapStairs->setText(cell_text::shown(shown.maximumGapStairs.value_or(QString()), decimalPoint));
    ui.cboUnit->setCurrentIndex(ui.cboUnit->findData(int(shown.unit)));
    ui.cboIncrement->setCurrentIndex(ui.cboIncrement->findData(shown.increment));
    ui.cboMarkStep->setCurrentIndex(shown.markStep == 0.5 ? 1 : 0);
    ui.spnExtraStock->setValue(shown.extraStockPercent);
    ui.spnPackSize->setValue(shown.packSize.value_or(0));
    // Fractions of an inch round inch marks, the step metric ones.
    const bool metric = shown.unit == layout::Unit::Millimetres;
    ui.cboIncrement->setEnabled(!metric);
    ui.lblIncrement->setEnabled(!metric);
    ui.cboMarkStep->setEnabled(metric);
    ui.lblMarkStep->setEnabled(metric);
    showFieldProblem(ui.txtRailpinWidth, shown.railpinWidth);
    showFieldProblem(ui.txtMaximumGap, shown.maximumGap);
    showFieldProblem(ui.txtMaximumGapStairs, shown.maximumGapStairs.value_or(QString()), true);
    showBalanceFields();
    showStairFields();
    rebuildPresets();
}

// A job field whose text cannot be read is marked as a bad cell is: colours,
// an icon and the reason in its tooltip and the status bar.
void JobFieldsPanel::showFieldProblem(QLineEdit *field, const QString &stored, bool emptyAllowed)
{
    const QString problem =
        emptyAllowed && stored.trimmed().isEmpty()
            ? QString()
            : layout::readMeasurement(cell_text::shown(stored, decimalPoint), document.job().unit, decimalPoint)
                  .problem;
    QPalette colours = QApplication::palette(field);
    if (!problem.isEmpty()) {
        colours.setColor(QPalette::Text, problem_colours::kText);
        colours.setColor(QPalette::Base, problem_colours::kBackground);
        window.statusBar()->showMessage(problem);
    }
    field->setPalette(colours);
    field->setToolTip(problem);
    // The field's own description comes back once its text can be read.
    const QVariant ownDescription = field->property(kOwnDescription);
    if (!ownDescription.isValid())
        field->setProperty(kOwnDescription, field->accessibleDescription());
    field->setAccessibleDescription(problem.isEmpty() ? field->property(kOwnDescription).toString() : problem);
    if (auto *icon = field->findChild<QAction *>(QString::fromLatin1(kProblemActionName))) {
        icon->setVisible(!problem.isEmpty());
        icon->setToolTip(problem);
    }
}

void JobFieldsPanel::commit()
{
    txtJobName_Change();
    txtRailpinWidth_Change();
    txtMaximumGap_Change();
    txtMaximumGapStairs_Change();
    txtDesignGap_Change();
    txtPostWidth_Change();
    txtTriangleSphere_Change();
}

void JobFieldsPanel::setJobField(const std::function<void(layout::Job &)> &change, const QString &text, int mergeId)
{
    layout::Job after = document.job();
    change(after);
    if (const QString problem = document.changeJob(after, text, mergeId); !problem.isEmpty())
        window.statusBar()->showMessage(problem);
}

void JobFieldsPanel::txtJobName_Change()
{
    // The field shows the name without control characters: while it still
    // shows just that, the user has not edited it and the name stays as read.
    if (ui.txtJobName->text() == layout::displayText(document.job().name, layout::LineBreaks::Replaced))
        return;
    const QString name = ui.txtJobName->text().trimmed();
    if (name != document.job().name)
        setJobField([&name](layout::Job &changed) { changed.name = name; }, tr("Rename Job"));
}

void JobFieldsPanel::txtRailpinWidth_Change()
{
    const QString width = cell_text::stored(ui.txtRailpinWidth->text(), decimalPoint);
    if (width != document.job().railpinWidth)
        setJobField([&width](layout::Job &changed) { changed.railpinWidth = width; }, tr("Change Railpin Width"));
}

void JobFieldsPanel::txtMaximumGap_Change()
{
    const QString gap = cell_text::stored(ui.txtMaximumGap->text(), decimalPoint);
    if (gap != document.job().maximumGap)
        setJobField([&gap](layout::Job &changed) { changed.maximumGap = gap; }, tr("Change Maximum Gap"));
}

void JobFieldsPanel::txtMaximumGapStairs_Change()
{
    const QString gap = cell_text::stored(ui.txtMaximumGapStairs->text(), decimalPoint).trimmed();
    const std::optional<QString> stairs = gap.isEmpty() ? std::nullopt : std::optional<QString>(gap);
    const layout::Job &job = document.job();
    if (stairs != (layout::hasStairsLimit(job) ? job.maximumGapStairs : std::nullopt))
        setJobField([&stairs](layout::Job &changed) { changed.maximumGapStairs = stairs; },
                    tr("Change Maximum Gap on Stairs"));
}

// A job with nothing but the defaults takes those of the new unit; one with
// lengths asks whether to convert them or read the same numbers in the new unit.
void JobFieldsPanel::cboUnit_Click()
{
    const auto unit = layout::Unit(ui.cboUnit->currentData().toInt());
    if (unit == document.job().unit)
        return;
    window.commitPendingEdits();
    JobDocument::UnitChange answer = JobDocument::UnitChange::KeepNumbers;
    if (document.unitChangeAsks(unit)) {
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
        const int button = dialogs::ask(&window, question);
        answer = button == QMessageBox::Yes  ? JobDocument::UnitChange::Convert
                 : button == QMessageBox::No ? JobDocument::UnitChange::KeepNumbers
                                             : JobDocument::UnitChange::Cancel;
    }
    if (answer == JobDocument::UnitChange::Convert)
        convert();
    else
        document.changeUnit(unit, answer, tr("Change Unit"));
    // The list shows the job's unit, whatever was chosen.
    showJobFields();
}

void JobFieldsPanel::convert()
{
    window.commitPendingEdits();
    const layout::Job before = document.job();
    const bool metric = before.unit == layout::Unit::Millimetres;
    const layout::ConversionReport report =
        document.convert(metric ? layout::Unit::Inches : layout::Unit::Millimetres,
                         metric ? tr("Convert to Inches") : tr("Convert to Millimetres"));
    // The change is told in the unit the lengths were typed in.
    //: A length and its unit ("3.2 mm") in the status message of Convert; its own context because the window may order
    //: the two differently from the sheet and the drawing.
    const QString change = tr("%1 %2").arg(layout::decimalMarkText(report.largestChange, before, decimalPoint),
                                           layout::unitName(before.unit));
    if (report.rounded > 0)
        window.statusBar()->showMessage(report.rounded == 1
                                            ? tr("1 length was rounded to the increment, by %1").arg(change)
                                            : tr("%1 lengths were rounded to the increment, by at most %2")
                                                  .arg(QString::number(report.rounded), change));
}

void JobFieldsPanel::cboIncrement_Click()
{
    const qint32 increment = ui.cboIncrement->currentData().toInt();
    if (increment != document.job().increment)
        setJobField([increment](layout::Job &changed) { changed.increment = increment; }, tr("Change Increment"));
}

void JobFieldsPanel::cboMarkStep_Click()
{
    const double step = ui.cboMarkStep->currentData().toDouble();
    if (step != document.job().markStep)
        setJobField([step](layout::Job &changed) { changed.markStep = step; }, tr("Change Mark Step"));
}

void JobFieldsPanel::spnPackSize_Change()
{
    // The spin box's lowest value stands for no pack size.
    const qint32 value = ui.spnPackSize->value();
    const std::optional<qint32> packSize = value > 0 ? std::optional<qint32>(value) : std::nullopt;
    if (packSize != document.job().packSize)
        setJobField([packSize](layout::Job &changed) { changed.packSize = packSize; }, tr("Change Pack Size"),
                    kPackSizeMergeId);
}

void JobFieldsPanel::spnExtraStock_Change()
{
    const qint32 percent = ui.spnExtraStock->value();
    if (percent != document.job().extraStockPercent)
        setJobField([percent](layout::Job &changed) { changed.extraStockPercent = percent; }, tr("Change Extra Stock"),
                    kExtraStockMergeId);
}

// The usual limits of building codes for the gap, each naming the limit it
// sets: in a metric job the metric rule and the inch limits rounded down, so
// that no limit grows.
void JobFieldsPanel::rebuildPresets()
{
    const QStringList inchValues{QStringLiteral("4"), QStringLiteral("4 3/8")};
    const QStringList inchReasons{tr("guards"), tr("open side of stairs")};
    const QList<bool> inchStairs{false, true};
    std::vector<Preset> presets;
    if (document.job().unit == layout::Unit::Millimetres) {
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
        presets.push_back({layout::metricRuleInInches(), tr("100 mm, where that is the rule"), false});
    }
    // The menu's actions stay (one of them may be the one being triggered);
    // only their texts and values follow the unit.
    const QList<QAction *> actions = ui.btnMaximumGapPresets->menu()->actions();
    const QString unit = layout::unitName(document.job().unit);
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
                .arg(cell_text::shown(preset.value, decimalPoint), unit, preset.description, limit));
        actions[index]->setData(QVariantList{preset.value, preset.stairs});
    }
}

void JobFieldsPanel::maximumGapPreset_Click(const QAction *preset)
{
    const QVariantList data = preset->data().toList();
    const QString value = data.value(0).toString();
    if (data.value(1).toBool()) {
        if (value != document.job().maximumGapStairs)
            setJobField([&value](layout::Job &changed) { changed.maximumGapStairs = value; },
                        tr("Change Maximum Gap on Stairs"));
    } else if (value != document.job().maximumGap) {
        setJobField([&value](layout::Job &changed) { changed.maximumGap = value; }, tr("Change Maximum Gap"));
    }
}
