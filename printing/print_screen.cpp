// SPDX-License-Identifier: LicenseRef-proprietary
#include "print_screen.h"

#include "layout_sheet_page.h"
#include "opaque_print_device.h"
#include "print_server.h"
#include "run_time_error.h"

#include <QPainter>
#include <QPrinter>
#include <QPrinterInfo>
#include <QWidget>

namespace {

// The printer's printable area, kept at least half an inch from the paper's
// edges, in the painter's coordinates (whose origin is the printable area's).
QRectF contentRect(const QPrinter &printer)
{
    const QPageLayout layout = printer.pageLayout();
    const int dpi = printer.resolution();
    const QRectF printable = layout.paintRectPixels(dpi);
    const qreal margin = dpi / 2.0;
    const QRectF paper = QRectF(layout.fullRectPixels(dpi)).adjusted(margin, margin, -margin, -margin);
    return paper.intersected(printable).translated(-printable.topLeft());
}

// Draws the window at the top of the content area, as wide as it, and
// returns the height it takes.
qreal drawWindowImage(QPainter &painter, QWidget &window, const QRectF &content)
{
    const qreal scale = content.width() / window.width();
    painter.save();
    // The window's own background is not printed: white paper shows below.
    OpaquePrintDevice device(
        painter, QTransform::fromScale(scale, scale) * QTransform::fromTranslate(content.left(), content.top()),
        window.size(), window.logicalDpiY(), Qt::white);
    QPainter windowPainter(&device);
    window.render(&windowPainter, QPoint(), QRegion(), QWidget::DrawChildren);
    windowPainter.end();
    painter.restore();
    return window.height() * scale;
}

}  // namespace

void printScreen(QWidget &window, const layout::CalculatorSnapshot &shown)
{
    // Qt's printer look-up waits without limit on a server that never answers.
    const QString serverProblem = printing::printServerProblem(&window);
    if (!serverProblem.isEmpty())
        throw runtime_errors::printerError(serverProblem);

    const layout_sheet::Sheet sheet = layout_sheet::make(shown);
    const QPrinterInfo printerInfo = QPrinterInfo::defaultPrinter();
    if (printerInfo.isNull())
        throw runtime_errors::printerError(QStringLiteral("no default printer is set up"));

    QPrinter printer(printerInfo, QPrinter::HighResolution);
    printer.setDocName(QStringLiteral("Railpin Calculator"));

    QPainter painter;
    if (!painter.begin(&printer))
        throw runtime_errors::printerError(QStringLiteral("the printer could not start the job"));
    const QRectF content = contentRect(printer);
    const qreal imageHeight = drawWindowImage(painter, window, content);
    const QString sheetProblem = drawLayoutSheet(painter, printer, sheet, shown, content,
                                                 content.top() + imageHeight + printer.resolution() / 4.0);
    if (!sheetProblem.isEmpty())
        throw runtime_errors::printerError(QStringLiteral("the printer could not start a new page"));
    if (!painter.end())
        throw runtime_errors::printerError(QStringLiteral("the job could not be finished"));
}
