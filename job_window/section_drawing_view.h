// SPDX-License-Identifier: LicenseRef-proprietary
#pragma once

#include <QWidget>

class SectionsModel;

// The to-scale drawing of the selected section, painted by the same code as
// the job sheet. The drawing keeps its proportions in any size of the widget.
class SectionDrawingView : public QWidget
{
    Q_OBJECT

public:
    explicit SectionDrawingView(QWidget *parent = nullptr);

    // The section to draw; -1 or no model for none.
    void showSection(const SectionsModel *model, int row);

    QSize sizeHint() const override { return {360, 180}; }
    QSize minimumSizeHint() const override { return {160, 90}; }

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    const SectionsModel *model = nullptr;
    int row = -1;
    QString scale;
};
