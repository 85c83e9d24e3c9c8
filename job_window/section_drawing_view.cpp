// SPDX-License-Identifier: LicenseRef-proprietary
#include "section_drawing_view.h"

#include "section_drawing.h"
#include "sections_model.h"
#include "stair_profile_painting.h"

#include <QPainter>

SectionDrawingView::SectionDrawingView(QWidget *parent) : QWidget(parent)
{
    setAutoFillBackground(true);
    setBackgroundRole(QPalette::Base);
}

void SectionDrawingView::showSection(const SectionsModel *sections, int sectionRow)
{
    model = sections;
    row = sectionRow;
    update();
}

void SectionDrawingView::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    if (model == nullptr || row < 0 || row >= model->rowCount()) {
        painter.setPen(palette().color(QPalette::Text));
        painter.drawText(rect(), Qt::AlignCenter | Qt::TextWordWrap, tr("Choose a section to see its drawing."));
        scale.clear();
        return;
    }
    const qreal margin = fontMetrics().height() / 2.0;
    const QRectF area = QRectF(rect()).adjusted(margin, margin, -margin, -margin);
    painter.setPen(palette().color(QPalette::Text));
    // A stair given by its treads is drawn in profile, as its exported drawing is.
    if (const layout::SectionLayout &laidOut = model->sectionLayout(row); laidOut.laidOut() && laidOut.treads) {
        paintElevation(painter, area, exports::treadsElevation(model->job(), laidOut), palette());
        scale = tr("Profile of %1").arg(SectionsModel::treadsText(laidOut.treads->treads));
        setAccessibleDescription(scale);
        return;
    }
    scale = sheets::drawSection(painter, area, model->job(), model->sectionLayout(row), model->decimalPoint()).text;
    setAccessibleDescription(scale);
}
