// SPDX-License-Identifier: LicenseRef-proprietary
#pragma once

#include "shaped_texts.h"

#include <QFont>
#include <QFontMetricsF>
#include <QHash>
#include <QRectF>
#include <QString>
#include <QStringList>

#include <functional>
#include <memory>
#include <optional>
#include <vector>

class FigureGlyphs;
class QPagedPaintDevice;
class QPainter;

// The one font of every sheet: a sans serif that the fonts installed with the
// program provide, so that text measures alike on every machine.
QFont sheetFont(double points, bool bold = false);

// Lines, table rows and blocks written down the pages of a sheet, going on
// to a new page when one is full. A page that cannot be started stops all
// further painting and is reported by error().
class SheetPages
{
public:
    // The type of a sheet: its body size in points and its line spacing as a
    // multiple of the font's.
    struct Style
    {
        double bodyPoints = 9;
        double lineSpacing = 1.25;
    };

    // One column of a table row, measured in device units from the content's
    // left edge.
    struct Column
    {
        double left = 0;
        double width = 0;
        Qt::Alignment alignment = Qt::AlignLeft;
    };

    // A sheet of whole pages with `footer` and the page number at the foot
    // of every page.
    SheetPages(QPainter &painter, QPagedPaintDevice &device, QString footer);
    // A sheet that goes on below what is already on the page: it starts at
    // `top` within `content` (painter coordinates), every further page uses
    // `content` whole, and there is no footer.
    SheetPages(QPainter &painter, QPagedPaintDevice &device, const QRectF &content, double top, Style style);

    void heading(const QString &text);
    void line(const QString &text, bool bold = false);
    // A line too long for the page goes on over as many as it needs, broken
    // between words, where line() would cut it short.
    void paragraph(const QString &text, bool bold = false);
    // `text` broken into lines as wide as the page, between words; with
    // `keepClauses`, after a comma first wherever what follows it fits a
    // line, so that a measurement in a list stays whole.
    QStringList wrapped(const QString &text, bool bold, bool keepClauses = false) const;
    void skip(double lines);

    // A table row: one cell per column, the columns' widths as parts of the page's.
    void row(const QStringList &cells, const std::vector<double> &columnWidths, bool bold = false);
    // A table row in columns placed by the caller.
    void row(const QStringList &cells, const std::vector<Column> &columns, bool bold = false);
    // A table row of several lines, kept on one page.
    // `measured`: the caller sized the columns to what it writes in them, by
    // textWidth(), and left-aligned them, so no cell is measured again.
    void rowLines(const std::vector<QStringList> &lines, const std::vector<Column> &columns, bool bold = false,
                  bool measured = false);

    // Painted again at the top of every further page, e.g. a table's heading;
    // an empty function stops it.
    void setContinuation(std::function<void()> continuation);

    // Asked before each new page: when it answers false, painting stops as
    // after a page that could not be started, and stopped() says so. A long
    // table so lets a Cancel answer between its pages.
    void setPageCheck(std::function<bool()> goOn);
    bool stopped() const { return stoppedByCheck; }

    // Room of this height across the page, on a new page when this one has
    // too little left; nothing when no page could be started.
    std::optional<QRectF> block(double height);

    // Goes on to a new page unless this one has `height` left (or holds
    // nothing yet), so that what follows is not split between two pages.
    void keepTogether(double height);

    // The heights of what heading() and line() write, for keepTogether().
    double headingHeight() const { return titleMetrics.lineSpacing() * 1.4; }
    double lineStep() const { return lineHeight; }
    double width() const { return content.width(); }

    double inch() const { return dpi; }
    // How the body's text measures, bold or not, on this sheet's device.
    const QFontMetricsF &metrics(bool isBold) const { return isBold ? boldMetrics : bodyMetrics; }
    // How wide the body's text is, bold or not: a sheet of thousands of
    // marks holds only a few shapes of text (with every digit one width, a
    // text measures as its digits all made 0), each measured once.
    double textWidth(QStringView text, bool isBold);
    const QString &error() const { return failure; }

private:
    SheetPages(QPainter &painter, QPagedPaintDevice &device, QString footer, Style style);
    bool makeRoom(double height);
    bool startPage();
    void drawFooter();
    void drawText(const QRectF &rect, const QString &text, const QFont &font, const QFontMetricsF &metrics,
                  Qt::Alignment alignment, bool knownToFit = false);

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
    double y = 0;
    int page = 1;
    bool pageEmpty = true;
    bool inContinuation = false;
    std::function<void()> continuation;
    std::function<bool()> pageCheck;
    bool stoppedByCheck = false;
    QString failure;
    bool digitsAlike;  // every digit of the body's fonts has one width
    QHash<QString, double> widths[2];
    QString shape;                             // of the text textWidth() measures last
    std::shared_ptr<FigureGlyphs> figures[2];  // of the body's fonts, plain and bold, once asked for
    ShapedTexts repeated[3];                   // in the body's fonts and the title's
};
