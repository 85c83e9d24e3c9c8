// SPDX-License-Identifier: LicenseRef-proprietary
#pragma once

#include "section_layout.h"

#include <QCoreApplication>
#include <QString>
#include <QStringList>

#include <optional>
#include <vector>

namespace Ui {
class frmJob;
}
class frmJob;
class JobDocument;
class PrintToFile;
class QPrintPreviewDialog;
class QPrinter;
class QWidget;

// What the job window prints and exports: the job sheet on paper, in the
// preview and as a PDF, the full-size template, the marks as CSV and the
// drawing. The document writes the files; this asks where and tells how it
// went. Part of the window, whose texts it shares.
class JobOutputs
{
    Q_DECLARE_TR_FUNCTIONS(frmJob)

public:
    JobOutputs(frmJob &window, Ui::frmJob &ui, JobDocument &document, QChar decimalPoint);

    void connectActions();

private:
    void print();
    void printPreview();
    void exportPdf();
    void exportMarksCsv();
    void exportDrawing();
    QList<int> templateRows() const;
    QString templateTitle(const QString &title, const QList<int> &rows) const;
    void exportTemplate();
    void printTemplate();
    // The order settings in a dialog; the job then has an order list, which
    // its sheet prints on a page of its own.
    void orderList();
    bool printServerAnswers();
    void setUpPrinter(QPrinter &printer) const;
    bool paintSheet(QPrinter &printer, const QString &cancelledMessage, bool reportFailure = true);
    bool printSheet(QPrinter &printer, QWidget *parent);
    void routePreviewPrint(QPrintPreviewDialog &preview, QPrinter &printer);
    // A print run to a file the checked writer would refuse is told so and stops.
    bool printFileRefused(const PrintToFile &file, const QString &objectName, const QString &title);
    void reportPrintedFile(PrintToFile &file, const QString &objectName, const QString &title);
    // The laid-out sections for an export, or nothing once the user is told why not.
    bool laidOut(const QString &title, std::vector<layout::SectionLayout> &layouts);
    QString askExportPath(const QString &title, const QStringList &filters, QString *chosenFilter = nullptr);
    void showExported(const QString &target);
    void showCancelled(const QString &target);
    void reportWritten(const QString &title, const QString &target, const QString &error);
    void reportMade(const QString &title, const QString &target, const std::optional<QByteArray> &made);
    void showExportFailure(const QString &title, const QString &text);

    frmJob &window;
    Ui::frmJob &ui;
    JobDocument &document;
    QChar decimalPoint;
    QStringList warnings;  // of the layout the last export was made from
};
