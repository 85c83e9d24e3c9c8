// SPDX-License-Identifier: LicenseRef-proprietary
#pragma once

#include <QFont>
#include <QFontMetricsF>
#include <QRectF>
#include <QString>
#include <QStringList>

#include <functional>
#include <optional>
#include <vector>

class QPagedPaintDevice;
class QPainter;

// Lines, table rows and blocks written down the pages of a sheet, going on
// to a new page when one is full, with a footer on every page. A page that
// cannot be started stops all further painting and is reported by error().
class SheetPages
{
public:
    SheetPages(QPainter &painter, QPagedPaintDevice &device, QString footer);

    void heading(const QString &text);
    void line(const QString &text, bool bold = false);
    void skip(double lines);

    // A table row: one cell per column, the columns' widths as parts of the page's.
    void row(const QStringList &cells, const std::vector<double> &columnWidths, bool bold = false);

    // Painted again at the top of every further page, e.g. a table's heading;
    // an empty function stops it.
    void setContinuation(std::function<void()> continuation);

    // Room of this height across the page, on a new page when this one has
    // too little left; nothing when no page could be started.
    std::optional<QRectF> block(double height);

    // Starts a new page unless the current one is still empty.
    void pageBreak();

    double inch() const { return dpi; }
    double contentWidth() const { return content.width(); }
    const QString &error() const { return failure; }

private:
    bool makeRoom(double height);
    bool startPage();
    void drawFooter();
    void drawText(const QRectF &rect, const QString &text, const QFont &font, const QFontMetricsF &metrics,
                  Qt::Alignment alignment);

    QPainter &painter;
    QPagedPaintDevice &device;
    QString footer;
    double dpi;
    QFont body;
    QFont bold;
    QFont title;
    QFontMetricsF bodyMetrics;
    QFontMetricsF boldMetrics;
    QFontMetricsF titleMetrics;
    double lineHeight;
    QRectF content;
    double y;
    int page = 1;
    bool pageEmpty = true;
    bool inContinuation = false;
    std::function<void()> continuation;
    QString failure;
};
