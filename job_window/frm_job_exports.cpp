// SPDX-License-Identifier: LicenseRef-proprietary
#include "frm_job.h"

#include "dialog_presenter.h"
#include "display_text.h"
#include "drawing_files.h"
#include "file_writer.h"
#include "job_sheet.h"
#include "marks_csv.h"
#include "sections_model.h"
#include "template_sheet.h"
#include "ui_frm_job.h"

#include <QDir>
#include <QPrintDialog>
#include <QPrinter>

std::optional<std::vector<layout::SectionLayout>> frmJob::laidOutSections(const QString &title)
{
    commitPendingEdits();
    const layout::Job &current = job();
    std::vector<layout::SectionLayout> layouts;
    layouts.reserve(current.sections.size());
    for (std::size_t index = 0; index < current.sections.size(); ++index) {
        layouts.push_back(layout::layOut(current, current.sections[index]));
        // Every section or none: a file that silently leaves one out would be taken for the whole job.
        if (!layouts.back().laidOut()) {
            showExportFailure(title, tr("Section %1 \"%2\" cannot be laid out: %3")
                                         .arg(index + 1)
                                         .arg(layout::displayText(current.sections[index].name),
                                              layouts.back().problems.constFirst()));
            return std::nullopt;
        }
    }
    if (layouts.empty()) {
        //: Why an export of the job window made no file; the sheet prints its own.
        showExportFailure(title, tr("This job has no sections."));
        return std::nullopt;
    }
    return layouts;
}

QString frmJob::askExportPath(const QString &title, const QStringList &filters, QString *chosenFilter)
{
    const dialogs::FileChoice chosen = chooseSavePath(QStringLiteral("dlgExport"), title, filters);
    if (chosenFilter)
        *chosenFilter = chosen.nameFilter;
    return chosen.path;
}

void frmJob::showExportFailure(const QString &title, const QString &text)
{
    dialogs::warning(this, QStringLiteral("msgExportFailed"), title, text);
}

void frmJob::writeExport(const QString &title, const QString &target, const QByteArray &bytes)
{
    const QString error = file_writer::writeFile(target, bytes);
    if (!error.isEmpty()) {
        showExportFailure(title, tr("The file could not be written.\n\n%1").arg(error));
        return;
    }
    statusBar()->showMessage(tr("Exported to %1").arg(QDir::toNativeSeparators(target)), 5000);
}

void frmJob::mnuFileExportMarksCsv_Click()
{
    const QString title = tr("Export Marks (CSV)");
    const std::optional<std::vector<layout::SectionLayout>> layouts = laidOutSections(title);
    if (!layouts)
        return;
    const QString target = askExportPath(title, {tr("CSV files (*.csv)")});
    if (!target.isEmpty())
        writeExport(title, target, exports::marksCsv(job(), *layouts));
}

void frmJob::mnuFileExportDrawing_Click()
{
    const QString title = tr("Export Drawing");
    const std::optional<std::vector<layout::SectionLayout>> layouts = laidOutSections(title);
    if (!layouts)
        return;
    const QString dxfFilter = tr("DXF drawings (*.dxf)");
    QString filter;
    const QString target = askExportPath(title, {tr("SVG drawings (*.svg)"), dxfFilter}, &filter);
    if (target.isEmpty())
        return;
    // The name's own suffix wins over the filter left selected.
    const bool dxf = target.endsWith(QLatin1String(".dxf"), Qt::CaseInsensitive) ||
                     (!target.endsWith(QLatin1String(".svg"), Qt::CaseInsensitive) && filter == dxfFilter);
    const exports::Elevation drawing = exports::elevation(job(), *layouts);
    writeExport(title, target,
                dxf ? exports::drawingDxf(drawing, job().unit) : exports::drawingSvg(drawing, job().unit));
}

void frmJob::mnuFileExportTemplate_Click()
{
    const QString title = tr("Export Template");
    const std::optional<std::vector<layout::SectionLayout>> layouts = laidOutSections(title);
    if (!layouts)
        return;
    const QString target = askExportPath(title, {tr("PDF files (*.pdf)")});
    if (target.isEmpty())
        return;
    const printing::TemplatePdf made =
        printing::templatePdf(job(), *layouts, printing::defaultPaperSize(), sections->decimalPoint());
    if (!made.failure.isEmpty()) {
        showExportFailure(title, tr("The template could not be made.\n\n%1").arg(made.failure));
        return;
    }
    writeExport(title, target, made.bytes);
}

void frmJob::mnuFilePrintTemplate_Click()
{
    const std::optional<std::vector<layout::SectionLayout>> layouts = laidOutSections(tr("Print Template"));
    if (!layouts || !printServerAnswers())
        return;
    QPrinter printer(QPrinter::HighResolution);
    setUpPrinter(printer);
    // Full size: landscape pages painted at the printer's own resolution,
    // never scaled to fit.
    printer.setPageLayout(QPageLayout(printer.pageLayout().pageSize(), QPageLayout::Landscape,
                                      QMarginsF(10, 10, 10, 10), QPageLayout::Millimeter));
    QPrintDialog dialog(&printer, this);
    dialog.setObjectName(QStringLiteral("dlgPrintTemplate"));
    if (dialogs::exec(dialog) != QDialog::Accepted)
        return;
    const QString error = printing::paintTemplate(printer, job(), *layouts, sections->decimalPoint());
    if (!error.isEmpty())
        showExportFailure(tr("Print Template"), tr("The template could not be printed.\n\n%1").arg(error));
}
