// SPDX-License-Identifier: LicenseRef-proprietary
#include "order_list_dialog.h"

#include "ui_order_list_dialog.h"

#include "cell_text.h"
#include "measurement.h"
#include "order_list.h"
#include "section_layout.h"

#include <QAbstractTableModel>
#include <QHeaderView>
#include <QPushButton>

// The rows of the list as the dialog's table shows them.
class OrderRowsModel : public QAbstractTableModel
{
public:
    void setList(const layout::Job &shown, std::vector<layout::OrderRow> list, QChar point)
    {
        beginResetModel();
        job = shown;
        rows = std::move(list);
        decimalPoint = point;
        endResetModel();
    }

    int rowCount(const QModelIndex &parent = {}) const override { return parent.isValid() ? 0 : int(rows.size()); }
    int columnCount(const QModelIndex &parent = {}) const override { return parent.isValid() ? 0 : kColumns; }

    QVariant data(const QModelIndex &index, int role) const override
    {
        if (!index.isValid() || role != Qt::DisplayRole)
            return {};
        const layout::OrderRow &row = rows[std::size_t(index.row())];
        const auto length = [this](std::optional<double> value) {
            return value ? layout::markText(*value, job, decimalPoint) : QString();
        };
        const auto number = [](std::optional<qint64> value) { return value ? QString::number(*value) : QString(); };
        switch (index.column()) {
        case 0:
            return itemName(row.item);
        case 1:
            return length(row.length);
        case 2:
            return number(row.count);
        case 3:
            return number(row.withExtra);
        case 4:
            return length(row.stock);
        default:
            return number(row.buy);
        }
    }

    QVariant headerData(int section, Qt::Orientation orientation, int role) const override
    {
        if (orientation != Qt::Horizontal || role != Qt::DisplayRole)
            return QAbstractTableModel::headerData(section, orientation, role);
        const QString unit = layout::unitName(job.unit);
        switch (section) {
        case 0:
            return OrderListDialog::tr("Item");
        case 1:
            return OrderListDialog::tr("Length (%1)").arg(unit);
        case 2:
            return OrderListDialog::tr("Count");
        case 3:
            return OrderListDialog::tr("With extra");
        case 4:
            return OrderListDialog::tr("Stock (%1)").arg(unit);
        default:
            return OrderListDialog::tr("Buy");
        }
    }

private:
    static constexpr int kColumns = 6;

    static QString itemName(QLatin1StringView item)
    {
        if (item == QLatin1String("Rail board"))
            return OrderListDialog::tr("Rail board");
        if (item == QLatin1String("Rail piece"))
            return OrderListDialog::tr("Rail piece");
        if (item == QLatin1String("Railpin"))
            return OrderListDialog::tr("Railpin");
        if (item == QLatin1String("Post"))
            return OrderListDialog::tr("Post");
        return OrderListDialog::tr("Screw");
    }

    layout::Job job;
    std::vector<layout::OrderRow> rows;
    QChar decimalPoint = u'.';
};

OrderListDialog::OrderListDialog(const layout::Job &shownJob, QChar point, QWidget *parent)
    : QDialog(parent), ui(std::make_unique<Ui::OrderListDialog>()), rows(std::make_unique<OrderRowsModel>()),
      job(shownJob), decimalPoint(point)
{
    ui->setupUi(this);
    // The layouts do not change while the order settings are edited.
    layouts.reserve(job.sections.size());
    for (const layout::Section &section : job.sections)
        layouts.push_back(layout::layOut(job, section));
    ui->tblOrder->setModel(rows.get());
    ui->tblOrder->horizontalHeader()->setStretchLastSection(true);
    ui->tblOrder->verticalHeader()->hide();

    // A job without settings of its own shows its unit's defaults as hints.
    const layout::OrderSettings own = job.order.value_or(layout::OrderSettings{});
    const layout::OrderSettings used = layout::orderSettings(job);
    ui->spnRailRows->setValue(own.railRows);
    ui->txtRailStock->setPlaceholderText(cell_text::shownList(*used.railStock, decimalPoint));
    ui->txtRailStock->setText(cell_text::shownList(own.railStock.value_or(QString()), decimalPoint));
    ui->txtKerf->setPlaceholderText(cell_text::shown(*used.kerf, decimalPoint));
    ui->txtKerf->setText(cell_text::shown(own.kerf.value_or(QString()), decimalPoint));
    ui->txtRailpinLength->setText(cell_text::shown(own.railpinLength.value_or(QString()), decimalPoint));
    ui->txtRailpinStock->setText(cell_text::shownList(own.railpinStock.value_or(QString()), decimalPoint));
    ui->spnScrewsPerRailpin->setValue(own.screwsPerRailpin);
    ui->spnScrewsPerRailEnd->setValue(own.screwsPerRailEnd);

    for (QLineEdit *field : {ui->txtRailStock, ui->txtKerf, ui->txtRailpinLength, ui->txtRailpinStock})
        connect(field, &QLineEdit::textChanged, this, &OrderListDialog::showList);
    for (QSpinBox *field : {ui->spnRailRows, ui->spnScrewsPerRailpin, ui->spnScrewsPerRailEnd})
        connect(field, &QSpinBox::valueChanged, this, &OrderListDialog::showList);
    connect(ui->btnOrderList, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(ui->btnOrderList, &QDialogButtonBox::rejected, this, &QDialog::reject);
    showList();
}

OrderListDialog::~OrderListDialog() = default;

layout::OrderSettings OrderListDialog::settings() const
{
    layout::OrderSettings settings = job.order.value_or(layout::OrderSettings{});
    const auto text = [](const QString &typed) {
        return typed.trimmed().isEmpty() ? std::nullopt : std::optional<QString>(typed);
    };
    settings.railRows = ui->spnRailRows->value();
    settings.railStock = text(cell_text::storedList(ui->txtRailStock->text(), decimalPoint));
    settings.kerf = text(cell_text::stored(ui->txtKerf->text(), decimalPoint));
    settings.railpinLength = text(cell_text::stored(ui->txtRailpinLength->text(), decimalPoint));
    settings.railpinStock = text(cell_text::storedList(ui->txtRailpinStock->text(), decimalPoint));
    settings.screwsPerRailpin = ui->spnScrewsPerRailpin->value();
    settings.screwsPerRailEnd = ui->spnScrewsPerRailEnd->value();
    return settings;
}

void OrderListDialog::showList()
{
    layout::Job edited = job;
    edited.order = settings();
    const QString problem = layout::orderSettingsProblem(edited);
    ui->btnOrderList->button(QDialogButtonBox::Ok)->setEnabled(problem.isEmpty());
    if (!problem.isEmpty()) {
        rows->setList(edited, {}, decimalPoint);
        ui->lblOrderProblems->setText(problem);
        return;
    }
    const layout::OrderList list = layout::orderList(edited, layouts);
    rows->setList(edited, layout::orderRows(list), decimalPoint);
    QStringList notes = list.problems + list.notes;
    if (!list.posts)
        notes << tr("Posts: not counted — the job has no runs");
    ui->lblOrderProblems->setText(notes.join(u'\n'));
}
