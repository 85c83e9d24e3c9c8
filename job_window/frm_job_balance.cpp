// SPDX-License-Identifier: LicenseRef-proprietary
// The job's balanced-railing fields: a design gap below the limit, the same
// spacing on every section, what stands at mid-span, and lengths measured
// between post centres with the post width.
#include "frm_job.h"

#include "cell_text.h"
#include "choice_delegate.h"
#include "measurement.h"
#include "sections_model.h"
#include "ui_frm_job.h"

#include <QAction>
#include <QHeaderView>
#include <QSignalBlocker>
#include <QTableView>

#include <algorithm>
#include <array>

#include <cmath>

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

void frmJob::setUpBalanceFields()
{
    for (const auto &[box, column] :
         {std::pair{ui->cboSpacing, SectionsModel::Spacing}, std::pair{ui->cboCentre, SectionsModel::Centre},
          std::pair{ui->cboMeasuredBetween, SectionsModel::Between}}) {
        for (const auto &[value, name] : SectionsModel::choices(column))
            box->addItem(name, value);
    }

    // A section's own values sit in columns shown on demand from the
    // header's menu, so that the usual table stays as narrow as before.
    QTableView &table = *ui->tblSections;
    auto *choice = new ChoiceDelegate(&table);
    for (const int column : {SectionsModel::Spacing, SectionsModel::Centre, SectionsModel::Between})
        table.setItemDelegateForColumn(column, choice);
    QHeaderView &header = *table.horizontalHeader();
    header.setContextMenuPolicy(Qt::ActionsContextMenu);
    for (int column = SectionsModel::DesignGap; column < SectionsModel::ColumnCount; ++column) {
        table.setColumnHidden(column, true);
        auto *show = new QAction(&header);
        show->setObjectName(QStringLiteral("actShowColumn%1").arg(column));
        show->setCheckable(true);
        connect(show, &QAction::toggled, this, [this, &table, column](bool shown) {
            table.setColumnHidden(column, !shown);
            fitSectionColumns();
        });
        header.addAction(show);
    }
    nameColumnActions();
    connect(sections.get(), &QAbstractItemModel::headerDataChanged, this, &frmJob::nameColumnActions);

    connect(ui->txtDesignGap, &QLineEdit::editingFinished, this, &frmJob::txtDesignGap_Change);
    connect(ui->txtPostWidth, &QLineEdit::editingFinished, this, &frmJob::txtPostWidth_Change);
    connect(ui->cboSpacing, &QComboBox::activated, this, &frmJob::cboSpacing_Click);
    connect(ui->cboCentre, &QComboBox::activated, this, &frmJob::cboCentre_Click);
    connect(ui->cboMeasuredBetween, &QComboBox::activated, this, &frmJob::cboMeasuredBetween_Click);
}

// The header menu's entries carry the column names, unit included.
void frmJob::nameColumnActions()
{
    for (QAction *show : ui->tblSections->horizontalHeader()->actions()) {
        const int column = show->objectName().mid(QStringLiteral("actShowColumn").size()).toInt();
        show->setText(tr("Show %1").arg(sections->headerData(column, Qt::Horizontal).toString()));
    }
}

// A section that has values of its own shows their columns.
void frmJob::showOwnBalanceColumns()
{
    const auto has = [this](auto member) {
        return std::any_of(job().sections.begin(), job().sections.end(),
                           [member](const layout::Section &section) { return (section.*member).has_value(); });
    };
    const std::array<bool, 4> own{has(&layout::Section::designGap), has(&layout::Section::spacing),
                                  has(&layout::Section::centre), has(&layout::Section::measuredBetween)};
    const QList<QAction *> actions = ui->tblSections->horizontalHeader()->actions();
    for (qsizetype index = 0; index < actions.size() && index < qsizetype(own.size()); ++index) {
        if (own[size_t(index)])
            actions[index]->setChecked(true);
    }
}

void frmJob::showBalanceFields()
{
    const layout::Job &shown = job();
    const QChar point = sections->decimalPoint();
    const QSignalBlocker designQuiet(ui->txtDesignGap);
    const QSignalBlocker postQuiet(ui->txtPostWidth);
    const QSignalBlocker spacingQuiet(ui->cboSpacing);
    const QSignalBlocker centreQuiet(ui->cboCentre);
    const QSignalBlocker betweenQuiet(ui->cboMeasuredBetween);
    ui->txtDesignGap->setText(cell_text::shown(shown.designGap.value_or(QString()), point));
    ui->txtPostWidth->setText(cell_text::shown(shown.postWidth.value_or(QString()), point));
    selectData(*ui->cboSpacing, shown.spacing);
    selectData(*ui->cboCentre, shown.centre);
    selectData(*ui->cboMeasuredBetween, shown.measuredBetween);
    showFieldProblem(ui->txtDesignGap, shown.designGap.value_or(QString()), true);
    showFieldProblem(ui->txtPostWidth, shown.postWidth.value_or(QString()), true);
    showOwnBalanceColumns();
}

void frmJob::txtDesignGap_Change()
{
    const std::optional<QString> gap = givenText(ui->txtDesignGap->text(), sections->decimalPoint());
    if (gap != given(job().designGap))
        setJobField([&gap](layout::Job &changed) { changed.designGap = gap; }, tr("Change Design Gap"));
}

void frmJob::txtPostWidth_Change()
{
    const std::optional<QString> width = givenText(ui->txtPostWidth->text(), sections->decimalPoint());
    if (width != given(job().postWidth))
        setJobField([&width](layout::Job &changed) { changed.postWidth = width; }, tr("Change Post Width"));
}

// The equal gap of the longest laid-out section, rounded down to the
// increment or the mark step: what the same spacing starts from when the
// job has no design gap yet. Empty when no section is laid out.
QString frmJob::proposedSpacing() const
{
    const layout::SectionLayout *longest = nullptr;
    for (const layout::SectionLayout &laid : sections->sectionLayouts()) {
        if (laid.laidOut() && laid.count > 0 && (longest == nullptr || laid.length > longest->length))
            longest = &laid;
    }
    if (longest == nullptr)
        return {};
    const layout::Job &current = job();
    const double steps = current.unit == layout::Unit::Inches ? double(current.increment)
                                                              : 1 / (current.markStep > 0 ? current.markStep : 1);
    const double down = std::floor(longest->exactGap * steps) / steps;
    return down > 0 ? layout::markText(down, current) : QString();
}

void frmJob::cboSpacing_Click()
{
    const auto spacing = layout::Spacing(ui->cboSpacing->currentData().toInt());
    if (spacing == job().spacing)
        return;
    // The same spacing needs a design gap: one is proposed in the same step.
    std::optional<QString> designGap = job().designGap;
    if (spacing == layout::Spacing::Same && !given(designGap)) {
        if (const QString proposed = proposedSpacing(); !proposed.isEmpty())
            designGap = proposed;
    }
    setJobField(
        [spacing, &designGap](layout::Job &changed) {
            changed.spacing = spacing;
            changed.designGap = designGap;
        },
        tr("Change Spacing"));
}

void frmJob::cboCentre_Click()
{
    const auto centre = layout::Centre(ui->cboCentre->currentData().toInt());
    if (centre != job().centre)
        setJobField([centre](layout::Job &changed) { changed.centre = centre; }, tr("Change Centre"));
}

void frmJob::cboMeasuredBetween_Click()
{
    const auto between = layout::MeasuredBetween(ui->cboMeasuredBetween->currentData().toInt());
    if (between != job().measuredBetween)
        setJobField([between](layout::Job &changed) { changed.measuredBetween = between; },
                    tr("Change Lengths Measured Between"));
}
