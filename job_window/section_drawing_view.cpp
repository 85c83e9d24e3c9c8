// SPDX-License-Identifier: LicenseRef-proprietary
#include "section_drawing_view.h"

#include "sections_model.h"
#include "stair_profile_painting.h"

#include <QPaintEvent>
#include <QPainter>
#include <QScrollBar>

#include <algorithm>
#include <limits>

SectionDrawingView::SectionDrawingView(QWidget *parent) : QAbstractScrollArea(parent)
{
    setFrameShape(QFrame::NoFrame);
    // Tab walks the job's fields and tables; the drawing only shows.
    setFocusPolicy(Qt::NoFocus);
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    viewport()->setAutoFillBackground(true);
    viewport()->setBackgroundRole(QPalette::Base);
    horizontalScrollBar()->setRange(0, 0);
}

void SectionDrawingView::showSection(const SectionsModel *sections, int sectionRow)
{
    if (sections != model || sectionRow != row)
        horizontalScrollBar()->setValue(0);
    model = sections;
    row = sectionRow;
    viewport()->update();
}

void SectionDrawingView::setPieces(int count)
{
    pieces = std::max(count, 1);
    const int width = viewport()->width();
    QScrollBar &bar = *horizontalScrollBar();
    bar.setPageStep(width);
    bar.setSingleStep(std::max(width / 10, 1));
    bar.setRange(0, int(std::min<qint64>(qint64(pieces - 1) * width, std::numeric_limits<int>::max())));
}

void SectionDrawingView::paintEvent(QPaintEvent *event)
{
    QPainter painter(viewport());
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(palette().color(QPalette::Text));
    const QRect view = viewport()->rect();
    if (model == nullptr || row < 0 || row >= model->rowCount()) {
        setPieces(1);
        painter.drawText(view, Qt::AlignCenter | Qt::TextWordWrap, tr("Choose a section to see its drawing."));
        scale = {};
        return;
    }
    const qreal margin = fontMetrics().height() / 2.0;
    const QRectF area = QRectF(view).adjusted(margin, margin, -margin, -margin);
    // A stair given by its treads is drawn in profile, as its exported drawing is.
    const layout::SectionLayout &laidOut = model->sectionLayout(row);
    if (laidOut.laidOut() && laidOut.treads) {
        setPieces(1);
        paintElevation(painter, area, exports::treadsElevation(model->job(), laidOut), palette());
        scale = {};
        scale.text = tr("Profile of %1").arg(SectionsModel::treadsText(laidOut.treads->treads));
        setAccessibleDescription(scale.text);
        return;
    }
    setPieces(area.isEmpty() ? 1 : sheets::drawingPieces(painter, area.size(), model->job(), laidOut));
    // Each piece takes one view width; only those the exposed part meets are painted.
    const int width = std::max(view.width(), 1);
    const qint64 offset = horizontalScrollBar()->value();
    const QRect exposed = event->rect();
    const qint64 first = std::max<qint64>((offset + exposed.left()) / width, 0);
    const qint64 last = std::min<qint64>((offset + exposed.right()) / width, pieces - 1);
    for (qint64 piece = first; piece <= last; ++piece) {
        const QRectF pieceArea = area.translated(double(piece * width - offset), 0);
        scale =
            sheets::drawSection(painter, pieceArea, model->job(), laidOut, model->decimalPoint(), int(piece), pieces);
    }
    setAccessibleDescription(scale.text);
}
