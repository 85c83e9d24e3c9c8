// SPDX-License-Identifier: LicenseRef-proprietary
#include "frm_job.h"

#include "app_info.h"
#include "cell_text.h"
#include "dialog_presenter.h"
#include "display_text.h"
#include "ends_delegate.h"
#include "frm_about.h"
#include "increments.h"
#include "job_document.h"
#include "job_fields_panel.h"
#include "job_file_watch.h"
#include "job_outputs.h"
#include "job_sheet.h"
#include "marks_model.h"
#include "measurement.h"
#include "misspelt_field_actions.h"
#include "number_text.h"
#include "problem_colours.h"
#include "row_number_header.h"
#include "runs_panel.h"
#include "section_actions.h"
#include "section_layout.h"
#include "sections_model.h"
#include "tab_separated.h"
#include "ui_frm_job.h"

#include <QAction>
#include <QClipboard>
#include <QCloseEvent>
#include <QFileInfo>
#include <QHeaderView>
#include <QMenu>
#include <QScrollBar>
#include <QStyle>
#include <QStyleOptionViewItem>
#include <QTableView>

namespace {

const char *const kProblemActionName = "problemIcon";
constexpr int kMaximumGapPresets = 3;

// How many rows of the sections table its columns are sized to: those in
// view first, then their neighbours.
constexpr int kSampledRows = 24;

// Room for the widest of `texts` in a cell of `table`, every digit counted
// as the font's widest, measured as the view measures a cell, so that no
// mark of the column is cut.
int cellWidthFor(const QTableView &table, const QStringList &texts)
{
    const QFontMetricsF metrics(table.font());
    QChar widestDigit = u'0';
    for (char16_t digit = u'1'; digit <= u'9'; ++digit)
        if (metrics.horizontalAdvance(QChar(digit)) > metrics.horizontalAdvance(widestDigit))
            widestDigit = QChar(digit);
    QStyleOptionViewItem cell;
    cell.initFrom(&table);
    cell.font = table.font();
    cell.features = QStyleOptionViewItem::HasDisplay;
    cell.displayAlignment = Qt::AlignRight | Qt::AlignVCenter;
    int widest = 0;
    for (QString text : texts) {
        for (QChar &character : text)
            if (character.isDigit())
                character = widestDigit;
        cell.text = text;
        widest =
            std::max(widest, table.style()->sizeFromContents(QStyle::CT_ItemViewItem, &cell, QSize(), &table).width());
    }
    // The grid line takes a pixel of the column.
    return widest + (table.showGrid() ? 1 : 0);
}

}  // namespace

frmJob::frmJob(CalculatorFields calculatorFields, QWidget *parent)
    : QMainWindow(parent), ui(std::make_unique<Ui::frmJob>()), document(std::make_unique<JobDocument>()),
      sections(std::make_unique<SectionsModel>(*document, number_text::localeDecimalPoint())),
      marks(std::make_unique<MarksModel>(*sections)),
      fields(std::make_unique<JobFieldsPanel>(*this, *ui, *document, sections->decimalPoint())),
      runs(std::make_unique<RunsPanel>(*this, *ui, *document, sections->decimalPoint())),
      sectionActions(std::make_unique<SectionActions>(*this, *ui, *document, std::move(calculatorFields))),
      misspeltFields(std::make_unique<MisspeltFieldActions>(*this, *ui, *document)),
      outputs(std::make_unique<JobOutputs>(*this, *ui, *document, sections->decimalPoint())),
      fileWatch(std::make_unique<JobFileWatch>(*this, *document))
{
    ui->setupUi(this);
    setAttribute(Qt::WA_DeleteOnClose);
    setUpViews();
    setUpActions();
    connectHandlers();
    showJob(layout::newJob());
}

// Taking the window down takes the focus from a field, whose editingFinished
// must not reach a window whose models and undo stack are already gone.
frmJob::~frmJob()
{
    for (QObject *child : findChildren<QObject *>())
        child->disconnect(this);
    sections->disconnect(this);
    document->undoStack().disconnect(this);
    document->disconnect(this);
}

void frmJob::setUpViews()
{
    for (const increments::Increment &increment : increments::kAll)
        ui->cboIncrement->addItem(increment.shownName(), increment.denominator);
    ui->cboUnit->addItem(tr("Inches"), int(layout::Unit::Inches));
    ui->cboUnit->addItem(tr("Millimetres"), int(layout::Unit::Millimetres));
    const QChar point = number_text::localeDecimalPoint();
    ui->cboMarkStep->addItem(tr("1 mm"), 1.0);
    ui->cboMarkStep->addItem(tr("%1 mm").arg(cell_text::shown(QStringLiteral("0.5"), point)), 0.5);

    setUpTables();

    // Qt's default of 32,767 characters would cut a longer name from a file
    // without a word; the file's own limit is the one that counts.
    ui->txtJobName->setMaxLength(int(layout::kMaximumFileBytes));
    ui->spnPackSize->setMaximum(layout::kLargestPackSize);
    for (QLineEdit *field : {ui->txtRailpinWidth, ui->txtMaximumGap, ui->txtMaximumGapStairs, ui->txtDesignGap,
                             ui->txtPostWidth, ui->txtMaxPostSpacing}) {
        QAction *problem =
            field->addAction(style()->standardIcon(QStyle::SP_MessageBoxCritical), QLineEdit::TrailingPosition);
        problem->setObjectName(QString::fromLatin1(kProblemActionName));
        problem->setVisible(false);
    }
    auto *presets = new QMenu(ui->btnMaximumGapPresets);
    presets->setObjectName(QStringLiteral("mnuMaximumGapPresets"));
    for (int number = 1; number <= kMaximumGapPresets; ++number) {
        QAction *preset = presets->addAction(QString());
        preset->setObjectName(QStringLiteral("actMaximumGapPreset%1").arg(number));
    }
    ui->btnMaximumGapPresets->setMenu(presets);
}

// The sections, marks and runs tables and the splitters between them.
void frmJob::setUpTables()
{
    ui->tblSections->setVerticalHeader(new RowNumberHeader(ui->tblSections));
    // Rows may be selected together (for a template of some sections); a
    // removed current row still hands on to the row after it. Connected
    // before the view, whose selection would otherwise go to the row before.
    connect(sections.get(), &QAbstractItemModel::rowsAboutToBeRemoved, this,
            [this](const QModelIndex &, int first, int last) {
                const QModelIndex current = ui->tblSections->currentIndex();
                if (current.row() >= first && current.row() <= last && last + 1 < sections->rowCount())
                    ui->tblSections->selectionModel()->setCurrentIndex(sections->index(last + 1, current.column()),
                                                                       QItemSelectionModel::ClearAndSelect);
            });
    ui->tblSections->setModel(sections.get());
    ui->tblSections->setItemDelegateForColumn(SectionsModel::Ends, new EndsDelegate(ui->tblSections));
    // Columns fit the rows in view and a sample around them, not every row,
    // once per change (fitSectionColumns): a long job would otherwise
    // measure its cells again at every layout pass of the table.
    ui->tblSections->horizontalHeader()->setResizeContentsPrecision(kSampledRows);
    const int rowHeight = fontMetrics().height() + fontMetrics().height() / 2;
    ui->tblSections->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    ui->tblSections->verticalHeader()->setDefaultSectionSize(rowHeight);
    ui->cboMarksMeasured->addItem(tr("along the rail"), int(MarksModel::Measured::AlongTheRail));
    ui->cboMarksMeasured->addItem(tr("level"), int(MarksModel::Measured::Level));
    ui->tblMarks->setModel(marks.get());
    // Sized from each column's widest text whenever the marks change, never
    // by measuring every row.
    ui->tblMarks->horizontalHeader()->setSectionResizeMode(QHeaderView::Interactive);
    ui->tblMarks->verticalHeader()->hide();
    ui->tblMarks->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    ui->tblMarks->verticalHeader()->setDefaultSectionSize(rowHeight);
    // The marks panel is never narrower than its columns: a mark cut to its
    // leading digits would be read as another length.
    connect(marks.get(), &QAbstractItemModel::modelReset, this, &frmJob::fitMarksTable);
    // The runs are few: their table takes the least room.
    ui->splJob->setStretchFactor(0, 0);
    ui->splJob->setStretchFactor(1, 1);
    ui->splJob->setStretchFactor(2, 2);
    ui->tblRuns->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    ui->tblRuns->verticalHeader()->setDefaultSectionSize(rowHeight);
    ui->splSection->setStretchFactor(0, 1);
    ui->splSection->setStretchFactor(1, 1);
}

void frmJob::setUpActions()
{
    ui->mnuFileNew->setShortcuts(QKeySequence::New);
    ui->mnuFileOpen->setShortcuts(QKeySequence::Open);
    ui->mnuFileSave->setShortcuts(QKeySequence::Save);
    // Ctrl+Shift+S everywhere, as builders know it from other programs; the
    // desktop's own key for Save As, where it has one, as well.
    QList<QKeySequence> saveAs = QKeySequence::keyBindings(QKeySequence::SaveAs);
    const QKeySequence ctrlShiftS(Qt::CTRL | Qt::SHIFT | Qt::Key_S);
    saveAs.removeAll(ctrlShiftS);
    saveAs.prepend(ctrlShiftS);
    ui->mnuFileSaveAs->setShortcuts(saveAs);
    ui->mnuFilePrint->setShortcuts(QKeySequence::Print);
    ui->mnuFileClose->setShortcuts(QKeySequence::Close);
    ui->mnuEditUndo->setShortcuts(QKeySequence::Undo);
    ui->mnuEditRedo->setShortcuts(QKeySequence::Redo);
    ui->mnuEditAddSection->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Return));
    ui->mnuEditDuplicateSection->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_D));
    ui->mnuEditRemoveSection->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Delete));
    ui->mnuEditMoveUp->setShortcut(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Up));
    ui->mnuEditMoveDown->setShortcut(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Down));
    ui->mnuEditUndo->setEnabled(false);
    ui->mnuEditRedo->setEnabled(false);

    // Ctrl+C in the marks copies the selected cells for a spreadsheet.
    auto *copy = new QAction(tr("&Copy"), ui->tblMarks);
    copy->setObjectName(QStringLiteral("actCopyMarks"));
    copy->setShortcuts(QKeySequence::Copy);
    copy->setShortcutContext(Qt::WidgetWithChildrenShortcut);
    ui->tblMarks->addAction(copy);
    ui->tblMarks->setContextMenuPolicy(Qt::ActionsContextMenu);
    connect(copy, &QAction::triggered, this, &frmJob::copyMarks);

    // The section commands also on the table's context menu.
    ui->tblSections->addActions(
        {ui->mnuEditAddSection, ui->mnuEditDuplicateSection, ui->mnuEditRemoveSection, ui->mnuEditAutomaticCount});
    ui->tblSections->setContextMenuPolicy(Qt::ActionsContextMenu);
}

void frmJob::fitSectionColumns()
{
    ui->tblSections->resizeColumnsToContents();
}

void frmJob::fitMarksTable()
{
    QTableView &table = *ui->tblMarks;
    QHeaderView &header = *table.horizontalHeader();
    for (int column = 0; column < marks->columnCount(); ++column)
        header.resizeSection(column,
                             std::max(header.sectionSizeHint(column), cellWidthFor(table, marks->widestTexts(column))));
    // Room for the scroll bar as well, so that a long list does not push
    // the last column out of sight.
    const int needed = header.length() + 2 * table.frameWidth() + table.verticalScrollBar()->sizeHint().width();
    table.setMinimumWidth(needed);
}

void frmJob::connectHandlers()
{
    fields->connectFields();
    runs->setUp();
    connect(ui->cboMarksMeasured, &QComboBox::activated, this,
            [this] { marks->setMeasured(MarksModel::Measured(ui->cboMarksMeasured->currentData().toInt())); });

    connect(ui->mnuFileNew, &QAction::triggered, this, &frmJob::mnuFileNew_Click);
    connect(ui->mnuFileOpen, &QAction::triggered, this, &frmJob::mnuFileOpen_Click);
    connect(ui->mnuFileOpenRecent, &QMenu::aboutToShow, this, &frmJob::rebuildRecentFiles);
    connect(ui->mnuFileSave, &QAction::triggered, this, &frmJob::mnuFileSave_Click);
    connect(ui->mnuFileSaveAs, &QAction::triggered, this, &frmJob::mnuFileSaveAs_Click);
    outputs->connectActions();
    connect(ui->mnuFileClose, &QAction::triggered, this, &QWidget::close);

    QUndoStack &undoStack = document->undoStack();
    connect(ui->mnuEditUndo, &QAction::triggered, &undoStack, &QUndoStack::undo);
    connect(ui->mnuEditRedo, &QAction::triggered, &undoStack, &QUndoStack::redo);
    connect(&undoStack, &QUndoStack::canUndoChanged, ui->mnuEditUndo, &QAction::setEnabled);
    connect(&undoStack, &QUndoStack::canRedoChanged, ui->mnuEditRedo, &QAction::setEnabled);
    connect(&undoStack, &QUndoStack::undoTextChanged, this, [this](const QString &text) {
        ui->mnuEditUndo->setText(text.isEmpty() ? tr("&Undo") : tr("&Undo %1").arg(text));
    });
    connect(&undoStack, &QUndoStack::redoTextChanged, this, [this](const QString &text) {
        ui->mnuEditRedo->setText(text.isEmpty() ? tr("&Redo") : tr("&Redo %1").arg(text));
    });
    connect(&undoStack, &QUndoStack::cleanChanged, this, [this](bool clean) { setWindowModified(!clean); });

    sectionActions->connectActions();
    misspeltFields->connectActions();
    connect(ui->mnuEditConvert, &QAction::triggered, this, [this] { fields->convert(); });
    connect(ui->mnuWindowCalculator, &QAction::triggered, this, &frmJob::calculatorRequested);
    connect(ui->mnuHelpAbout, &QAction::triggered, this, [this] {
        frmAbout about(this);
        dialogs::exec(about);
    });
    connectSections();
}

// The views follow the model: the selection goes with an added or moved
// section, the marks, drawing and totals with every change.
void frmJob::connectSections()
{
    connect(sections.get(), &SectionsModel::jobChanged, this, &frmJob::jobChanged);
    connect(sections.get(), &SectionsModel::editRefused, this,
            [this](const QString &reason) { statusBar()->showMessage(reason); });
    connect(sections.get(), &QAbstractItemModel::dataChanged, this, [this] {
        ui->drwSection->update();
        showTotals();
        showCellProblem();
        showMarksMeasured();
        sectionActions->update();
    });
    connect(sections.get(), &QAbstractItemModel::rowsInserted, this,
            [this](const QModelIndex &, int first, int) { selectSection(first); });
    connect(sections.get(), &QAbstractItemModel::rowsMoved, this,
            [this](const QModelIndex &, int start, int, const QModelIndex &, int destination) {
                selectSection(destination > start ? destination - 1 : destination);
            });
    connect(sections.get(), &QAbstractItemModel::rowsRemoved, this, [this] {
        showTotals();
        sectionActions->update();
    });
    connect(sections.get(), &QAbstractItemModel::modelReset, this, [this] { selectSection(0); });
    // Any change of rows or of their texts can widen or narrow a column.
    const QAbstractItemModel *model = sections.get();
    connect(model, &QAbstractItemModel::modelReset, this, &frmJob::fitSectionColumns);
    connect(model, &QAbstractItemModel::rowsInserted, this, &frmJob::fitSectionColumns);
    connect(model, &QAbstractItemModel::rowsRemoved, this, &frmJob::fitSectionColumns);
    connect(model, &QAbstractItemModel::layoutChanged, this, &frmJob::fitSectionColumns);
    connect(model, &QAbstractItemModel::dataChanged, this, &frmJob::fitSectionColumns);
    connect(model, &QAbstractItemModel::headerDataChanged, this, &frmJob::fitSectionColumns);
    connect(ui->tblSections->selectionModel(), &QItemSelectionModel::currentChanged, this,
            &frmJob::currentSectionChanged);
}

const layout::Job &frmJob::job() const
{
    return document->job();
}

QString frmJob::filePath() const
{
    return document->filePath();
}

bool frmJob::isModified() const
{
    return document->isModified();
}

void frmJob::showJob(const layout::Job &job)
{
    document->showJob(job);
    updateTitle();
}

void frmJob::jobChanged()
{
    fields->showJobFields();
    runs->showJobFields();
    showTotals();
    updateTitle();
    ui->drwSection->update();
    const bool metric = job().unit == layout::Unit::Millimetres;
    ui->mnuEditConvert->setText(metric ? tr("Convert to &inches") : tr("Convert to &millimetres"));
}

void frmJob::showTotals()
{
    const QStringList lines = layout::totalsLines(job(), layout::totals(job(), sections->sectionLayouts()));
    ui->lblTotalRailpins->setText(lines.value(0));
    ui->lblToOrder->setText(lines.mid(1).join(QStringLiteral("    ")));
}

void frmJob::updateTitle()
{
    QString name = layout::displayText(job().name, layout::LineBreaks::Replaced);
    if (name.isEmpty())
        name = QFileInfo(filePath()).completeBaseName();
    if (name.isEmpty())
        name = sheets::untitledJobName();
    // The program's name as the calculator's title shows it, in the user's language.
    setWindowTitle(tr("%1[*] - %2").arg(name, QCoreApplication::translate("frmMain", app_info::kTitle)));
    setWindowFilePath(filePath());
    setWindowModified(isModified());
}

int frmJob::currentSectionRow() const
{
    const QModelIndex current = ui->tblSections->currentIndex();
    return current.isValid() ? current.row() : -1;
}

void frmJob::selectSection(int row)
{
    if (row < 0 || row >= sections->rowCount()) {
        marks->setSectionRow(-1);
        ui->drwSection->showSection(sections.get(), -1);
        sectionActions->update();
        showTotals();
        return;
    }
    const int column = std::max(ui->tblSections->currentIndex().column(), 0);
    ui->tblSections->setCurrentIndex(sections->index(row, column));
    currentSectionChanged();
    showTotals();
}

void frmJob::currentSectionChanged()
{
    // Always anew: after a move the same row may hold another section.
    const int row = currentSectionRow();
    marks->setSectionRow(row);
    ui->drwSection->showSection(sections.get(), row);
    sectionActions->update();
    showCellProblem();
    showMarksMeasured();
}

// A stair offers its marks both ways; a level section's are level. With the
// same spacing the heading gives the end gaps too, in red when they are too
// narrow to fix a railpin (the layout's warning says why).
void frmJob::showMarksMeasured()
{
    const int row = currentSectionRow();
    // A stair given by its treads shows both ways at once, in columns of their own.
    const bool stair = row >= 0 && job().sections[size_t(row)].stair && !job().sections[size_t(row)].stair->treads;
    const MarksModel::Measured shown = stair ? marks->measured() : MarksModel::Measured::Level;
    ui->cboMarksMeasured->setCurrentIndex(ui->cboMarksMeasured->findData(int(shown)));
    ui->cboMarksMeasured->setEnabled(stair);

    const layout::SectionLayout *laid = row >= 0 ? &sections->sectionLayouts()[size_t(row)] : nullptr;
    const bool sameSpacing = laid && laid->laidOut() && laid->spacing == layout::Spacing::Same && laid->count > 0;
    ui->lblMarksEndGaps->setText(sameSpacing ? tr("End gaps: %1 %2 at each post")
                                                   .arg(layout::markText(laid->endGap, job(), sections->decimalPoint()),
                                                        layout::unitName(job().unit))
                                             : QString());
    ui->lblMarksEndGaps->setStyleSheet(sameSpacing && laid->endGap < layout::narrowestEndGap(job().unit)
                                           ? QStringLiteral("color: %1").arg(problem_colours::kText.name())
                                           : QString());
}

void frmJob::showCellProblem()
{
    // The current cell's problem, else a fixed count over the limit anywhere
    // in its row: that one changes what gets built.
    const QModelIndex current = ui->tblSections->currentIndex();
    QString problem = current.data(SectionsModel::ProblemRole).toString();
    if (problem.isEmpty())
        problem = current.siblingAtColumn(SectionsModel::Count).data(SectionsModel::ProblemRole).toString();
    if (!problem.isEmpty())
        statusBar()->showMessage(problem);
    else
        statusBar()->clearMessage();
}

// The text of a field or cell being edited becomes a command before the job
// is saved, printed or closed.
void frmJob::commitPendingEdits()
{
    QWidget *focus = QApplication::focusWidget();
    for (QTableView *table : {ui->tblSections, ui->tblRuns}) {
        if (focus != nullptr && focus != table && table->isAncestorOf(focus))
            table->setFocus();
    }
    fields->commit();
    runs->commit();
}

void frmJob::copyMarks()
{
    const QString text = tabSeparatedText(ui->tblMarks->selectionModel()->selectedIndexes());
    if (!text.isEmpty())
        QGuiApplication::clipboard()->setText(text);
}

void frmJob::closeEvent(QCloseEvent *event)
{
    commitPendingEdits();
    if (maybeSave())
        event->accept();
    else
        event->ignore();
}
