// SPDX-License-Identifier: LicenseRef-proprietary
#include "layout_sheet_page.h"

#include "number_text.h"
#include "run_time_error.h"

#include <QCoreApplication>
#include <QFontMetricsF>
#include <QPainter>
#include <QPrinter>

#include <functional>
#include <utility>

using layout_sheet::Mark;
using layout_sheet::Sheet;

namespace {

QFont sheetFont(bool bold)
{
    QFont font;
    font.setFamilies({QStringLiteral("Liberation Sans"), QStringLiteral("DejaVu Sans")});
    font.setStyleHint(QFont::SansSerif);
    font.setPointSizeF(10);
    font.setBold(bold);
    return font;
}

QString fractionText(const Mark &mark)
{
    return mark.fraction.value_or(QCoreApplication::translate("LayoutSheet", "(too large for a fraction)"));
}

// Lines of text down the page, going on to a new page when one is full.
class PageWriter
{
public:
    PageWriter(QPainter &painter, QPrinter &printer, const QRectF &content, double top)
        : painter(painter), printer(printer), content(content), y(top),
          lineHeight(QFontMetricsF(sheetFont(false), &printer).lineSpacing() * 1.3), inch(printer.resolution())
    {
    }

    // Written again at the top of every further page.
    void setPageHeading(std::function<void()> heading) { pageHeading = std::move(heading); }

    void line(const QString &text, bool bold = false)
    {
        makeRoom();
        painter.setFont(sheetFont(bold));
        const QString fitting =
            QFontMetricsF(painter.font(), &printer).elidedText(text, Qt::ElideRight, content.width());
        painter.drawText(QRectF(content.left(), y, content.width(), lineHeight), Qt::AlignLeft | Qt::AlignVCenter,
                         fitting);
        y += lineHeight;
    }

    // A table row: the railpin number, then the centre as decimal and as fraction.
    void row(const QString &railpin, const QString &decimal, const QString &fraction, bool bold = false)
    {
        makeRoom();
        painter.setFont(sheetFont(bold));
        painter.drawText(QRectF(content.left(), y, 0.9 * inch, lineHeight), Qt::AlignRight | Qt::AlignVCenter, railpin);
        painter.drawText(QRectF(content.left() + 1.3 * inch, y, 1.3 * inch, lineHeight),
                         Qt::AlignLeft | Qt::AlignVCenter, decimal);
        painter.drawText(QRectF(content.left() + 2.7 * inch, y, content.width() - 2.7 * inch, lineHeight),
                         Qt::AlignLeft | Qt::AlignVCenter, fraction);
        y += lineHeight;
    }

    void skip(double lines) { y += lines * lineHeight; }

private:
    void makeRoom()
    {
        if (y + lineHeight <= content.bottom())
            return;
        if (!printer.newPage())
            throw runtime_errors::printerError(QStringLiteral("the printer could not start a new page"));
        y = content.top();
        if (pageHeading)
            pageHeading();
    }

    QPainter &painter;
    QPrinter &printer;
    QRectF content;
    double y;
    double lineHeight;
    double inch;
    std::function<void()> pageHeading;
};

void writeSheet(PageWriter &page, const Sheet &sheet, const layout_sheet::WindowTexts &shown)
{
    page.line(QCoreApplication::translate("LayoutSheet", "Layout sheet"), true);
    page.line(QCoreApplication::translate("LayoutSheet", "Section length: %1").arg(shown.length));
    page.line(QCoreApplication::translate("LayoutSheet", "Railpin width: %1").arg(shown.width));
    page.line(QCoreApplication::translate("LayoutSheet", "Maximum gap: %1").arg(shown.maximumGap));
    page.line(QCoreApplication::translate("LayoutSheet", "Calculate to nearest: %1").arg(shown.incrementName));
    const QString count = number_text::decimalText(sheet.count);
    page.line(sheet.complete()
                  ? QCoreApplication::translate("LayoutSheet",
                                                "%1 railpins; each centre measured from the left post, in inches:")
                        .arg(count)
                  : QCoreApplication::translate(
                        "LayoutSheet", "%1 railpins; the first %2 and the last are listed, each centre measured from "
                                       "the left post, in inches:")
                        .arg(count)
                        .arg(sheet.listed.size()));
    page.skip(0.3);

    const auto heading = [&page] {
        page.row(QCoreApplication::translate("LayoutSheet", "Railpin"),
                 QCoreApplication::translate("LayoutSheet", "Decimal"),
                 QCoreApplication::translate("LayoutSheet", "Fraction"), true);
    };
    heading();
    page.setPageHeading([&page, heading] {
        page.line(QCoreApplication::translate("LayoutSheet", "Layout sheet, continued"), true);
        heading();
    });
    for (const layout_sheet::Centre &centre : sheet.listed)
        page.row(QString::number(qint64(centre.railpin)), centre.mark.decimal, fractionText(centre.mark));
    if (!sheet.complete()) {
        const double firstUnlisted = double(sheet.listed.size()) + 1;
        if (firstUnlisted < sheet.count)
            page.line(QCoreApplication::translate("LayoutSheet",
                                                  "Railpins %1 to %2 are not listed: the sheet stops at %3 railpins.")
                          .arg(number_text::decimalText(firstUnlisted), number_text::decimalText(sheet.count - 1))
                          .arg(sheet.listed.size()));
        page.row(number_text::decimalText(sheet.last.railpin), sheet.last.mark.decimal, fractionText(sheet.last.mark));
    }
    page.setPageHeading({});

    page.skip(0.3);
    page.line(QCoreApplication::translate("LayoutSheet", "From the centre of railpin %1 to the right post: %2 (%3)")
                  .arg(number_text::decimalText(sheet.last.railpin), sheet.lastToRightPost.decimal,
                       fractionText(sheet.lastToRightPost)));
}

}  // namespace

void drawLayoutSheet(QPainter &painter, QPrinter &printer, const Sheet &sheet, const layout_sheet::WindowTexts &shown,
                     const QRectF &content, double top)
{
    PageWriter page(painter, printer, content, top);
    switch (sheet.status) {
    case layout_sheet::Status::Ready:
        writeSheet(page, sheet, shown);
        break;
    case layout_sheet::Status::NotCurrent:
        page.line(QCoreApplication::translate("LayoutSheet",
                                              "No layout sheet: the results shown are not those of the railpin count. "
                                              "Press +, - or Auto, then print again."));
        break;
    case layout_sheet::Status::NoRailpins:
        break;
    }
}
