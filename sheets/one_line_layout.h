// SPDX-License-Identifier: LicenseRef-proprietary
#pragma once

#include <QTextLayout>
#include <QTextLine>
#include <QTextOption>

// Lays `layout`'s text out as drawText does a single line: never wrapped.
// Gives the line, or an invalid one when the text does not all lie on it.
inline QTextLine layOutOnOneLine(QTextLayout &layout)
{
    QTextOption option;
    option.setWrapMode(QTextOption::NoWrap);
    layout.setTextOption(option);
    layout.beginLayout();
    const QTextLine line = layout.createLine();
    layout.endLayout();
    if (!line.isValid() || line.textLength() != layout.text().size())
        return {};
    return line;
}
