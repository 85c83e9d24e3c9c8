// SPDX-License-Identifier: LicenseRef-proprietary
#pragma once

#include "section_drawing.h"

#include <QAbstractScrollArea>

class SectionsModel;

// The to-scale drawing of the selected section, painted by the same code as
// the job sheet. The drawing keeps its proportions in any size of the widget.
// A section too long to read at the scale that fits it is drawn in pieces
// the width of the view, side by side, and scrolled along: only the pieces in
// view are painted, whatever the length.
class SectionDrawingView : public QAbstractScrollArea
{
    Q_OBJECT

public:
    explicit SectionDrawingView(QWidget *parent = nullptr);

    // The section to draw; -1 or no model for none.
    void showSection(const SectionsModel *model, int row);

    // How many view widths the drawing takes, as last painted: 1 when the
    // whole section is readable in view.
    int pieceCount() const { return pieces; }
    // The scale of the drawing as last painted.
    const sheets::DrawingScale &drawnScale() const { return scale; }

    QSize sizeHint() const override { return {360, 180}; }
    QSize minimumSizeHint() const override { return {160, 90}; }

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    // Sets how many pieces the drawing is in, so that the scroll bar reaches the last.
    void setPieces(int count);

    const SectionsModel *model = nullptr;
    int row = -1;
    int pieces = 1;
    sheets::DrawingScale scale;
};
