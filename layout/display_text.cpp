// SPDX-License-Identifier: LicenseRef-proprietary
#include "display_text.h"

#include "output_names.h"

namespace layout {

namespace {

bool isLineBreakOrTab(char16_t unit)
{
    return unit == u'\t' || unit == u'\n' || unit == u'\r';
}

bool mustBeReplaced(char16_t unit, LineBreaks lineBreaks)
{
    if (isLineBreakOrTab(unit))
        return lineBreaks == LineBreaks::Replaced;
    return unit < 0x20 || (unit >= 0x7F && unit <= 0x9F) || (unit >= 0x202A && unit <= 0x202E) ||
           (unit >= 0x2066 && unit <= 0x2069);
}

}  // namespace

QString displayText(const QString &text, LineBreaks lineBreaks)
{
    // One line of a message is cleaned as a name on a terminal is.
    if (lineBreaks == LineBreaks::Replaced)
        return outputName(text, NameOutput::Terminal);
    QString shown = text;
    for (QChar &character : shown)
        if (mustBeReplaced(character.unicode(), lineBreaks))
            character = QChar::ReplacementCharacter;
    return shown;
}

}  // namespace layout
