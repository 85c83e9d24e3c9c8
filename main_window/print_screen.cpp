#include "print_screen.h"

#include "run_time_error.h"

#include <QPainter>
#include <QPrinter>
#include <QPrinterInfo>
#include <QWidget>

void printScreen(QWidget &window)
{
    const QPrinterInfo printerInfo = QPrinterInfo::defaultPrinter();
    if (printerInfo.isNull())
        throw runtime_errors::printerError(QStringLiteral("no default printer is set up"));

    QPrinter printer(printerInfo, QPrinter::HighResolution);
    QPainter painter;
    if (!painter.begin(&printer))
        throw runtime_errors::printerError(QStringLiteral("the printer could not start the job"));

    // Scale the window to the page width inside the margins, keeping its shape.
    const QRectF page = printer.pageLayout().paintRectPixels(printer.resolution());
    const qreal scale = page.width() / window.width();
    painter.scale(scale, scale);
    window.render(&painter, QPoint(), QRegion(), QWidget::DrawChildren);
    painter.end();
}
