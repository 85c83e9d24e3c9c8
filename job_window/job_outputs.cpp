// SPDX-License-Identifier: LicenseRef-proprietary
#include "job_outputs.h"

#include "background_work.h"
#include "checked_print_dialog.h"
#include "dialog_presenter.h"
#include "display_text.h"
#include "file_writer.h"
#include "frm_job.h"
#include "job_document.h"
#include "job_exports.h"
#include "job_sheet.h"
#include "order_list_dialog.h"
#include "print_server.h"
#include "print_to_file.h"
#include "section_choice.h"
#include "sheet_progress.h"
#include "template_sheet.h"
#include "ui_frm_job.h"

#include <QDir>
#include <QItemSelectionModel>
#include <QPrintPreviewDialog>
#include <QPrinter>
#include <QStatusBar>

#include <algorithm>

JobOutputs::JobOutputs(frmJob &window, Ui::frmJob &ui, JobDocument &document, QChar decimalPoint)
    : window(window), ui(ui), document(document), decimalPoint(decimalPoint)
{
}

void JobOutputs::connectActions()
{
    QObject::connect(ui.mnuFilePrint, &QAction::triggered, &window, [this] { print(); });
    QObject::connect(ui.mnuFilePrintPreview, &QAction::triggered, &window, [this] { printPreview(); });
    QObject::connect(ui.mnuFileExportPdf, &QAction::triggered, &window, [this] { exportPdf(); });
    QObject::connect(ui.mnuFileExportMarksCsv, &QAction::triggered, &window, [this] { exportMarksCsv(); });
    QObject::connect(ui.mnuFileExportDrawing, &QAction::triggered, &window, [this] { exportDrawing(); });
    QObject::connect(ui.mnuFileExportTemplate, &QAction::triggered, &window, [this] { exportTemplate(); });
    QObject::connect(ui.mnuFilePrintTemplate, &QAction::triggered, &window, [this] { printTemplate(); });
    QObject::connect(ui.mnuFileOrderList, &QAction::triggered, &window, [this] { orderList(); });
}

void JobOutputs::orderList()
{
    OrderListDialog dialog(document.job(), document.sectionLayouts(), decimalPoint, &window);
    if (dialogs::presenter().exec(dialog) != QDialog::Accepted)
        return;
    layout::Job changed = document.job();
    const layout::OrderSettings settings = dialog.settings();
    if (changed.order == settings)
        return;
    changed.order = settings;
    if (const QString refused = document.changeJob(changed, tr("Order List")); !refused.isEmpty())
        window.statusBar()->showMessage(refused);
}

// Every print command asks the print server first: Qt itself would wait on a
// server that does not answer with no time limit.
bool JobOutputs::printServerAnswers()
{
    const QString problem = printing::printServerProblem(&window);
    if (problem.isEmpty())
        return true;
    dialogs::warning(&window, QStringLiteral("msgPrintServer"), tr("Print"),
                     tr("The job sheet cannot be printed: %1.").arg(problem));
    return false;
}

// The user's paper and the job's name, for the print dialog and the preview
// alike; the sheet's own margins, so that both show the exported PDF's pages.
void JobOutputs::setUpPrinter(QPrinter &printer) const
{
    printer.setPageLayout(sheets::sheetPageLayout(sheets::defaultPaperSize()));
    printer.setDocName(window.windowTitle().remove(QStringLiteral("[*]")));
}

// Paints the sheet with progress, and says so when it could not be painted.
// A cancelled print run is aborted, so that no partial sheet is printed.
bool JobOutputs::paintSheet(QPrinter &printer, const QString &cancelledMessage, bool reportFailure)
{
    SheetProgressDialog progress(&window, tr("Painting the job sheet…"));
    progress.setOnCancel([&printer] { printer.abort(); });
    bool cancelled = false;
    const QString error = sheets::paintJobSheet(printer, document.job(), decimalPoint, progress.progress(), cancelled);
    if (cancelled) {
        window.statusBar()->showMessage(cancelledMessage);
        return false;
    }
    if (error.isEmpty() || !reportFailure)
        return error.isEmpty();
    dialogs::warning(&window, QStringLiteral("msgPrintFailed"), tr("Print"),
                     tr("The job sheet could not be printed.\n\n%1").arg(error));
    return false;
}

void JobOutputs::print()
{
    window.commitPendingEdits();
    if (!printServerAnswers())
        return;
    QPrinter printer(QPrinter::HighResolution);
    setUpPrinter(printer);
    printSheet(printer, &window);
}

// The print dialog, then the sheet on the printer or, to a file, through the
// checked writer. False when the dialog was cancelled.
bool JobOutputs::printSheet(QPrinter &printer, QWidget *parent)
{
    CheckedPrintDialog dialog(&printer, parent);
    dialog.setObjectName(QStringLiteral("dlgPrint"));
    if (dialogs::exec(dialog) != QDialog::Accepted)
        return false;
    PrintToFile file(printer);
    if (printFileRefused(file, QStringLiteral("msgPrintFailed"), tr("Print")))
        return true;
    if (paintSheet(printer, tr("Printing cancelled: the print run was aborted.")))
        reportPrintedFile(file, QStringLiteral("msgPrintFailed"), tr("Print"));
    return true;
}

// Qt's preview prints from its Print button by replaying its pages on the
// printer, which writes a PDF file straight, unchecked: that button takes
// the way of File > Print instead.
void JobOutputs::routePreviewPrint(QPrintPreviewDialog &preview, QPrinter &printer)
{
    const QString printText = QCoreApplication::translate("QPrintPreviewDialog", "Print");
    for (QAction *action : preview.findChildren<QAction *>()) {
        if (action->text() != printText)
            continue;
        QObject::disconnect(action, &QAction::triggered, &preview, nullptr);
        QObject::connect(action, &QAction::triggered, &preview, [this, &preview, &printer] {
            // Not while the preview is still being painted on the same printer.
            if (printer.printerState() == QPrinter::Active)
                return;
            if (printSheet(printer, &preview))
                preview.accept();
        });
    }
}

bool JobOutputs::printFileRefused(const PrintToFile &file, const QString &objectName, const QString &title)
{
    if (file.refusal().isEmpty())
        return false;
    dialogs::warning(&window, objectName, title, tr("Nothing was printed.\n\n%1").arg(file.refusal()));
    return true;
}

// A print run to a file is written only now, whole; a failure leaves the
// chosen file as it was and says why.
void JobOutputs::reportPrintedFile(PrintToFile &file, const QString &objectName, const QString &title)
{
    if (!file.toFile())
        return;
    if (const QString error = file.commit(); !error.isEmpty()) {
        dialogs::warning(
            &window, objectName, title,
            tr("The PDF could not be written to %1.\n\n%2").arg(QDir::toNativeSeparators(file.target()), error));
        return;
    }
    window.statusBar()->showMessage(tr("Printed to %1").arg(QDir::toNativeSeparators(file.target())), 5000);
}

void JobOutputs::printPreview()
{
    window.commitPendingEdits();
    if (!printServerAnswers())
        return;
    QPrinter printer(QPrinter::HighResolution);
    setUpPrinter(printer);
    QPrintPreviewDialog preview(&printer, &window);
    preview.setObjectName(QStringLiteral("dlgPrintPreview"));
    routePreviewPrint(preview, printer);
    // The preview repaints on every change of its page set-up: a failure is
    // reported once, not at each repaint.
    bool reported = false;
    QObject::connect(&preview, &QPrintPreviewDialog::paintRequested, &window, [this, &reported](QPrinter *shown) {
        const bool painted =
            paintSheet(*shown, tr("Print Preview cancelled: the preview shows only part of the sheet."), !reported);
        reported = reported || !painted;
    });
    dialogs::exec(preview);
}

void JobOutputs::exportPdf()
{
    window.commitPendingEdits();
    const QString target =
        window.chooseSavePath(QStringLiteral("dlgExportPdf"), tr("Export PDF"), {tr("PDF files (*.pdf)")}).path;
    if (target.isEmpty())
        return;
    SheetProgressDialog progress(&window, tr("Exporting the job sheet…"));
    bool cancelled = false;
    const QString error = sheets::writeJobPdf(document.job(), target, sheets::defaultPaperSize(), decimalPoint,
                                              progress.progress(), cancelled);
    if (cancelled) {
        showCancelled(target);
        return;
    }
    if (!error.isEmpty()) {
        dialogs::warning(&window, QStringLiteral("msgExportFailed"), tr("Export PDF"),
                         tr("The PDF could not be written to %1.\n\n%2").arg(QDir::toNativeSeparators(target), error));
        return;
    }
    showExported(target);
}

bool JobOutputs::laidOut(const QString &title, std::vector<layout::SectionLayout> &layouts)
{
    window.commitPendingEdits();
    job_exports::LaidOut laid = job_exports::laidOutSections(document.job());
    if (laid.overBudget) {
        showExportFailure(title, laid.problem);
        return false;
    }
    if (laid.failedSection >= 0) {
        showExportFailure(title, tr("Section %1 \"%2\" cannot be laid out: %3")
                                     .arg(laid.failedSection + 1)
                                     .arg(layout::displayText(document.job().sections[size_t(laid.failedSection)].name),
                                          laid.problem));
        return false;
    }
    if (laid.noSections) {
        //: Why an export of the job window made no file; the sheet prints its own.
        showExportFailure(title, tr("This job has no sections."));
        return false;
    }
    layouts = std::move(laid.layouts);
    warnings = laid.warnings;
    return true;
}

QString JobOutputs::askExportPath(const QString &title, const QStringList &filters, QString *chosenFilter)
{
    const dialogs::FileChoice chosen = window.chooseSavePath(QStringLiteral("dlgExport"), title, filters);
    if (chosenFilter)
        *chosenFilter = chosen.nameFilter;
    return chosen.path;
}

void JobOutputs::showExportFailure(const QString &title, const QString &text)
{
    dialogs::warning(&window, QStringLiteral("msgExportFailed"), title, text);
}

// What the layout warned of stays in the message bar with the file written.
void JobOutputs::showExported(const QString &target)
{
    const QString written = tr("Exported to %1").arg(QDir::toNativeSeparators(target));
    if (warnings.isEmpty())
        window.statusBar()->showMessage(written, 5000);
    else
        window.statusBar()->showMessage(
            tr("%1; warning: %2").arg(written, layout::displayText(warnings.join(QStringLiteral("; ")))));
}

void JobOutputs::showCancelled(const QString &target)
{
    window.statusBar()->showMessage(tr("Export cancelled: %1 was not written.").arg(QDir::toNativeSeparators(target)));
}

void JobOutputs::reportWritten(const QString &title, const QString &target, const QString &error)
{
    if (!error.isEmpty()) {
        showExportFailure(title, tr("The file could not be written.\n\n%1").arg(error));
        return;
    }
    showExported(target);
}

// Writes what was made, or says that nothing was: the user cancelled.
void JobOutputs::reportMade(const QString &title, const QString &target, const std::optional<QByteArray> &made)
{
    if (made)
        reportWritten(title, target, file_writer::writeFile(target, *made));
    else
        showCancelled(target);
}

void JobOutputs::exportMarksCsv()
{
    const QString title = tr("Export Marks (CSV)");
    std::vector<layout::SectionLayout> layouts;
    if (!laidOut(title, layouts))
        return;
    const QString target = askExportPath(title, {tr("CSV files (*.csv)")});
    if (target.isEmpty())
        return;
    const std::optional<QByteArray> made =
        BackgroundWork::make<QByteArray>(&window, tr("Exporting the marks…"),
                                         [job = document.job(), layouts = std::move(layouts), point = decimalPoint] {
                                             return job_exports::marksCsvBytes(job, layouts, point);
                                         });
    reportMade(title, target, made);
}

void JobOutputs::exportDrawing()
{
    const QString title = tr("Export Drawing");
    std::vector<layout::SectionLayout> layouts;
    if (!laidOut(title, layouts))
        return;
    const QString dxfFilter = tr("DXF drawings (*.dxf)");
    QString filter;
    const QString target = askExportPath(title, {tr("SVG drawings (*.svg)"), dxfFilter}, &filter);
    if (target.isEmpty())
        return;
    const job_exports::DrawingFormat format = job_exports::drawingFormat(
        target, filter == dxfFilter ? job_exports::DrawingFormat::Dxf : job_exports::DrawingFormat::Svg);
    // Written as it is made, away from the window: the drawing of a large job
    // held whole would take more memory than the file. Only this thread
    // commits it, once the work is done; after Cancel the work stops at its
    // next piece and drops the file, and the old one stays whole.
    auto file = std::make_shared<file_writer::FileSink>(target);
    if (file->failed()) {
        reportWritten(title, target, file->commit());
        return;
    }
    const std::optional<bool> made = BackgroundWork::make<bool>(
        &window, tr("Exporting the drawing…"),
        [job = document.job(), layouts = std::move(layouts), format, file](const std::stop_token &stop) {
            return job_exports::streamDrawing(job, layouts, format, *file, stop);
        });
    if (!made) {
        showCancelled(target);
        return;
    }
    reportWritten(title, target, file->commit());
}

// The rows whole selected in the sections table, none when every row is:
// a template of them alone, or of the whole job.
QList<int> JobOutputs::templateRows() const
{
    QList<int> rows;
    for (const QModelIndex &index : ui.tblSections->selectionModel()->selectedRows())
        rows.append(index.row());
    std::sort(rows.begin(), rows.end());
    if (rows.size() >= int(document.job().sections.size()))
        rows.clear();
    return rows;
}

// The title of a template's dialogs, saying how many sections it holds when
// it is not the whole job's.
QString JobOutputs::templateTitle(const QString &title, const QList<int> &rows) const
{
    if (rows.isEmpty())
        return title;
    //: A dialog's title: "Print Template: 2 of 5 sections", the selected ones.
    return tr("%1: %2 of %3 sections").arg(title).arg(rows.size()).arg(document.job().sections.size());
}

void JobOutputs::exportTemplate()
{
    const QList<int> rows = templateRows();
    const QString title = templateTitle(tr("Export Template"), rows);
    std::vector<layout::SectionLayout> layouts;
    if (!laidOut(title, layouts))
        return;
    const QString target = askExportPath(title, {tr("PDF files (*.pdf)")});
    if (target.isEmpty())
        return;
    layout::Job job = document.job();
    layout::keepSections(job, layouts, rows);
    const std::optional<sheets::TemplatePdf> made = BackgroundWork::make<sheets::TemplatePdf>(
        &window, tr("Exporting the template…"),
        [job = std::move(job), layouts = std::move(layouts), paper = sheets::defaultPaperSize(), point = decimalPoint] {
            return sheets::templatePdf(job, layouts, paper, point);
        });
    if (!made) {
        showCancelled(target);
        return;
    }
    if (!made->failure.isEmpty()) {
        showExportFailure(title, tr("The template could not be made.\n\n%1").arg(made->failure));
        return;
    }
    reportWritten(title, target, file_writer::writeFile(target, made->bytes));
}

void JobOutputs::printTemplate()
{
    const QList<int> rows = templateRows();
    const QString title = templateTitle(tr("Print Template"), rows);
    std::vector<layout::SectionLayout> layouts;
    if (!laidOut(title, layouts) || !printServerAnswers())
        return;
    layout::Job job = document.job();
    layout::keepSections(job, layouts, rows);
    QPrinter printer(QPrinter::HighResolution);
    setUpPrinter(printer);
    // Full size: landscape pages painted at the printer's own resolution,
    // never scaled to fit.
    printer.setPageLayout(QPageLayout(printer.pageLayout().pageSize(), QPageLayout::Landscape,
                                      QMarginsF(10, 10, 10, 10), QPageLayout::Millimeter));
    CheckedPrintDialog dialog(&printer, &window);
    dialog.setObjectName(QStringLiteral("dlgPrintTemplate"));
    dialog.setWindowTitle(title);
    if (dialogs::exec(dialog) != QDialog::Accepted)
        return;
    PrintToFile file(printer);
    if (printFileRefused(file, QStringLiteral("msgExportFailed"), title))
        return;
    SheetProgressDialog progress(&window, tr("Painting the template…"), SheetProgressDialog::Counting::TemplatePages);
    progress.setOnCancel([&printer] { printer.abort(); });
    bool cancelled = false;
    const QString error = sheets::paintTemplate(printer, job, layouts, decimalPoint, progress.progress(), cancelled);
    if (cancelled) {
        window.statusBar()->showMessage(tr("Print Template cancelled: the print run was aborted."));
        return;
    }
    if (!error.isEmpty()) {
        showExportFailure(title, tr("The template could not be printed.\n\n%1").arg(error));
        return;
    }
    reportPrintedFile(file, QStringLiteral("msgExportFailed"), title);
}
