// SPDX-License-Identifier: LicenseRef-proprietary
// The job's balanced-railing fields: a design gap below the limit, the same
// spacing on every section, what stands at mid-span, and lengths measured
// between post centres with the post width.
#include "job_fields_panel.h"

#include "cell_text.h"
#include "choice_delegate.h"
#include "frm_job.h"
#include "job_document.h"
#include "sections_model.h"
#include "ui_frm_job.h"

#include <QAction>
#include <QHeaderView>
#include <QSignalBlocker>
#include <QTableView>

#include <algorithm>
#include <array>

namespace {

template <typename Value> void selectData(QComboBox &box, Value value)
{
    box.setCurrentIndex(box.findData(int(value)));
}

std::optional<QString> givenText(const QString &typed, QChar decimalPoint)
{
    const QString stored = cell_text::stored(typed, decimalPoint).trimmed();
    return stored.isEmpty() ? std::nullopt : std::optional<QString>(stored);
}

std::optional<QString> given(const std::optional<QString> &text)
{
    return text && !text->trimmed().isEmpty() ? text : std::nullopt;
}

}  // namespace

void JobFieldsPanel::connectBalanceFields()
{
    for (const auto &[box, column] :
         {std::pair{ui.cboSpacing, SectionsModel::Spacing}, std::pair{ui.cboCentre, SectionsModel::Centre},
          std::pair{ui.cboMeasuredBetween, SectionsModel::Between}}) {
        for (const auto &[value, name] : SectionsModel::choices(column))
            box->addItem(name, value);
    }

    // A section's own values sit in columns shown on demand from the
    // header's menu, so that the usual table stays as narrow as before.
    QTableView &table = *ui.tblSections;
    auto *choice = new ChoiceDelegate(&table);
    for (const int column :
         {SectionsModel::Spacing, SectionsModel::Centre, SectionsModel::Between, SectionsModel::Newels})
        table.setItemDelegateForColumn(column, choice);
    QHeaderView &header = *table.horizontalHeader();
    header.setContextMenuPolicy(Qt::ActionsContextMenu);
    for (int column = SectionsModel::DesignGap; column < SectionsModel::ColumnCount; ++column) {
        table.setColumnHidden(column, true);
        auto *show = new QAction(&header);
        show->setObjectName(QStringLiteral("actShowColumn%1").arg(column));
        show->setCheckable(true);
        QObject::connect(show, &QAction::toggled, &window, [this, &table, column](bool shown) {
            table.setColumnHidden(column, !shown);
            window.fitSectionColumns();
        });
        header.addAction(show);
    }
    // The header menu's entries carry the column names, unit included.
    const auto nameColumnActions = [&header, &table] {
        for (QAction *show : header.actions()) {
            const int column = show->objectName().mid(QStringLiteral("actShowColumn").size()).toInt();
            show->setText(tr("Show %1").arg(table.model()->headerData(column, Qt::Horizontal).toString()));
        }
    };
    nameColumnActions();
    QObject::connect(table.model(), &QAbstractItemModel::headerDataChanged, &window, nameColumnActions);

    QObject::connect(ui.txtDesignGap, &QLineEdit::editingFinished, &window, [this] { txtDesignGap_Change(); });
    QObject::connect(ui.txtPostWidth, &QLineEdit::editingFinished, &window, [this] { txtPostWidth_Change(); });
    QObject::connect(ui.cboSpacing, &QComboBox::activated, &window, [this] { cboSpacing_Click(); });
    QObject::connect(ui.cboCentre, &QComboBox::activated, &window, [this] { cboCentre_Click(); });
    QObject::connect(ui.cboMeasuredBetween, &QComboBox::activated, &window, [this] { cboMeasuredBetween_Click(); });

    ui.cboMarksFrom->addItem(tr("post faces"), int(layout::MarksFrom::Faces));
    ui.cboMarksFrom->addItem(tr("post centres"), int(layout::MarksFrom::Centres));
    QObject::connect(ui.cboMarksFrom, &QComboBox::activated, &window, [this] { cboMarksFrom_Click(); });
}

// A section that has values of its own shows their columns.
void JobFieldsPanel::showOwnBalanceColumns()
{
    const std::vector<layout::Section> &sections = document.job().sections;
    const auto has = [&sections](auto member) {
        return std::any_of(sections.begin(), sections.end(),
                           [member](const layout::Section &section) { return (section.*member).has_value(); });
    };
    const std::array<bool, 4> own{has(&layout::Section::designGap), has(&layout::Section::spacing),
                                  has(&layout::Section::centre), has(&layout::Section::measuredBetween)};
    const QList<QAction *> actions = ui.tblSections->horizontalHeader()->actions();
    for (qsizetype index = 0; index < actions.size() && index < qsizetype(own.size()); ++index) {
        if (own[size_t(index)])
            actions[index]->setChecked(true);
    }
    // The stair's columns follow the balanced ones, in the model's order.
    for (int column = SectionsModel::Treads; column < SectionsModel::ColumnCount; ++column) {
        const qsizetype index = column - SectionsModel::DesignGap;
        if (index < actions.size() &&
            std::any_of(sections.begin(), sections.end(), [column](const layout::Section &section) {
                return SectionsModel::hasOwnStairValue(section, column);
            }))
            actions[index]->setChecked(true);
    }
}

void JobFieldsPanel::showBalanceFields()
{
    const layout::Job &shown = document.job();
    const QSignalBlocker designQuiet(ui.txtDesignGap);
    const QSignalBlocker postQuiet(ui.txtPostWidth);
    const QSignalBlocker spacingQuiet(ui.cboSpacing);
    const QSignalBlocker centreQuiet(ui.cboCentre);
    const QSignalBlocker betweenQuiet(ui.cboMeasuredBetween);
    ui.txtDesignGap->setText(cell_text::shown(shown.designGap.value_or(QString()), decimalPoint));
    ui.txtPostWidth->setText(cell_text::shown(shown.postWidth.value_or(QString()), decimalPoint));
    selectData(*ui.cboSpacing, shown.spacing);
    selectData(*ui.cboCentre, shown.centre);
    selectData(*ui.cboMeasuredBetween, shown.measuredBetween);
    {
        const QSignalBlocker marksFromQuiet(ui.cboMarksFrom);
        selectData(*ui.cboMarksFrom, shown.marksFrom);
        // Between post faces there is only the face to measure from.
        const bool centres =
            shown.measuredBetween == layout::MeasuredBetween::Centres ||
            std::any_of(shown.sections.begin(), shown.sections.end(), [](const layout::Section &section) {
                return section.measuredBetween == layout::MeasuredBetween::Centres;
            });
        ui.cboMarksFrom->setEnabled(centres);
        ui.lblMarksFrom->setEnabled(centres);
    }
    showFieldProblem(ui.txtDesignGap, shown.designGap.value_or(QString()), true);
    showFieldProblem(ui.txtPostWidth, shown.postWidth.value_or(QString()), true);
    showOwnBalanceColumns();
}

void JobFieldsPanel::txtDesignGap_Change()
{
    const std::optional<QString> gap = givenText(ui.txtDesignGap->text(), decimalPoint);
    if (gap != given(document.job().designGap))
        setJobField([&gap](layout::Job &changed) { changed.designGap = gap; }, tr("Change Design Gap"));
}

void JobFieldsPanel::txtPostWidth_Change()
{
    const std::optional<QString> width = givenText(ui.txtPostWidth->text(), decimalPoint);
    if (width != given(document.job().postWidth))
        setJobField([&width](layout::Job &changed) { changed.postWidth = width; }, tr("Change Post Width"));
}

void JobFieldsPanel::cboSpacing_Click()
{
    const auto spacing = layout::Spacing(ui.cboSpacing->currentData().toInt());
    if (spacing == document.job().spacing)
        return;
    // The same spacing needs a design gap: one is proposed in the same step.
    std::optional<QString> designGap = document.job().designGap;
    if (spacing == layout::Spacing::Same && !given(designGap)) {
        if (const QString proposed = document.proposedSpacing(); !proposed.isEmpty())
            designGap = proposed;
    }
    setJobField(
        [spacing, &designGap](layout::Job &changed) {
            changed.spacing = spacing;
            changed.designGap = designGap;
        },
        tr("Change Spacing"));
}

void JobFieldsPanel::cboCentre_Click()
{
    const auto centre = layout::Centre(ui.cboCentre->currentData().toInt());
    if (centre != document.job().centre)
        setJobField([centre](layout::Job &changed) { changed.centre = centre; }, tr("Change Centre"));
}

void JobFieldsPanel::cboMeasuredBetween_Click()
{
    const auto between = layout::MeasuredBetween(ui.cboMeasuredBetween->currentData().toInt());
    if (between != document.job().measuredBetween)
        setJobField([between](layout::Job &changed) { changed.measuredBetween = between; },
                    tr("Change Lengths Measured Between"));
}

void JobFieldsPanel::cboMarksFrom_Click()
{
    const auto from = layout::MarksFrom(ui.cboMarksFrom->currentData().toInt());
    if (from != document.job().marksFrom)
        setJobField([from](layout::Job &changed) { changed.marksFrom = from; }, tr("Change Marks From"));
}
