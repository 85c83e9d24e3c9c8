// SPDX-License-Identifier: LicenseRef-proprietary
#include "layout_sheet_page.h"

#include "marks_headings.h"
#include "number_text.h"
#include "sheet_pages.h"
#include "sheet_texts.h"

#include <QCoreApplication>
#include <QPainter>

#include <vector>

using layout_sheet::Mark;
using layout_sheet::Sheet;

namespace {

QString fractionText(const Mark &mark)
{
    return mark.fraction.value_or(QCoreApplication::translate("LayoutSheet", "(too large for a fraction)"));
}

// The table's columns: the railpin number, then the centre as decimal and as
// fraction, placed in inches of paper.
std::vector<SheetPages::Column> tableColumns(const SheetPages &page, double contentWidth)
{
    const double inch = page.inch();
    return {{0, 0.9 * inch, Qt::AlignRight},
            {1.3 * inch, 1.3 * inch, Qt::AlignLeft},
            {2.7 * inch, contentWidth - 2.7 * inch, Qt::AlignLeft}};
}

void writeSheet(SheetPages &page, const Sheet &sheet, const layout::CalculatorSnapshot &shown, double contentWidth)
{
    const std::vector<SheetPages::Column> columns = tableColumns(page, contentWidth);
    page.line(QCoreApplication::translate("LayoutSheet", "Layout sheet"), true);
    page.line(QCoreApplication::translate("LayoutSheet", "Section length: %1").arg(shown.length));
    page.line(sheet_texts::railpinWidth(shown.width));
    page.line(sheet_texts::maximumGap(shown.maximumGap));
    page.line(QCoreApplication::translate("LayoutSheet", "Calculate to nearest: %1")
                  .arg(layout_sheet::incrementName(shown.denominator)));
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

    const auto heading = [&page, &columns] {
        page.row({marks_headings::shown(marks_headings::kRailpin),
                  QCoreApplication::translate("LayoutSheet", "Decimal"),
                  QCoreApplication::translate("LayoutSheet", "Fraction")},
                 columns, true);
    };
    heading();
    page.setContinuation([&page, heading] {
        page.line(QCoreApplication::translate("LayoutSheet", "Layout sheet, continued"), true);
        heading();
    });
    for (const layout_sheet::Centre &centre : sheet.listed)
        page.row({QString::number(qint64(centre.railpin)), centre.mark.decimal, fractionText(centre.mark)}, columns);
    if (!sheet.complete()) {
        const double firstUnlisted = double(sheet.listed.size()) + 1;
        if (firstUnlisted < sheet.count)
            page.line(QCoreApplication::translate("LayoutSheet",
                                                  "Railpins %1 to %2 are not listed: the sheet stops at %3 railpins.")
                          .arg(number_text::decimalText(firstUnlisted), number_text::decimalText(sheet.count - 1))
                          .arg(sheet.listed.size()));
        page.row({number_text::decimalText(sheet.last.railpin), sheet.last.mark.decimal, fractionText(sheet.last.mark)},
                 columns);
    }
    page.setContinuation({});

    page.skip(0.3);
    page.line(QCoreApplication::translate("LayoutSheet", "From the centre of railpin %1 to the right post: %2 (%3)")
                  .arg(number_text::decimalText(sheet.last.railpin), sheet.lastToRightPost.decimal,
                       fractionText(sheet.lastToRightPost)));
}

}  // namespace

QString drawLayoutSheet(QPainter &painter, QPagedPaintDevice &device, const Sheet &sheet,
                        const layout::CalculatorSnapshot &shown, const QRectF &content, double top)
{
    SheetPages page(painter, device, content, top, {.bodyPoints = 10, .lineSpacing = 1.3});
    switch (sheet.status) {
    case layout_sheet::Status::Ready:
        writeSheet(page, sheet, shown, content.width());
        break;
    case layout_sheet::Status::NotCurrent:
        page.line(QCoreApplication::translate("LayoutSheet",
                                              "No layout sheet: the results shown are not those of the railpin count. "
                                              "Press +, - or Auto, then print again."));
        break;
    case layout_sheet::Status::NoRailpins:
        break;
    }
    return page.error();
}
