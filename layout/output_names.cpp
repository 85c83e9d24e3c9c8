// SPDX-License-Identifier: LicenseRef-proprietary
#include "output_names.h"

namespace layout {

namespace {

bool isTabOrLineBreak(char16_t unit)
{
    return unit == u'\t' || unit == u'\n' || unit == u'\r';
}

bool isControl(char16_t unit)
{
    return unit < 0x20 || (unit >= 0x7F && unit <= 0x9F);
}

// Characters that reorder or break what is shown around them.
bool isBidiOrSeparator(char16_t unit)
{
    return (unit >= 0x202A && unit <= 0x202E) || (unit >= 0x2066 && unit <= 0x2069) || unit == 0x2028 || unit == 0x2029;
}

bool mustBeReplaced(char16_t unit, NameOutput output)
{
    if (isTabOrLineBreak(unit))
        return output != NameOutput::Csv;
    if (isControl(unit) || isBidiOrSeparator(unit))
        return true;
    return output == NameOutput::Xml && (unit == 0xFFFE || unit == 0xFFFF);
}

}  // namespace

bool needsTextMark(const QString &text)
{
    if (text.isEmpty())
        return false;
    const QChar first = text.front();
    return first == u'=' || first == u'+' || first == u'-' || first == u'@' || first == u'\t' || first == u'\r' ||
           first == u'\'';
}

QString outputName(const QString &name, NameOutput output)
{
    QString cleaned;
    cleaned.reserve(name.size() + 1);
    for (qsizetype index = 0; index < name.size(); ++index) {
        const QChar character = name.at(index);
        // A surrogate counts only with its other half; alone it is not a
        // character and no encoding can carry it.
        if (character.isHighSurrogate() && index + 1 < name.size() && name.at(index + 1).isLowSurrogate()) {
            cleaned += character;
            cleaned += name.at(++index);
        } else if (character.isSurrogate() || mustBeReplaced(character.unicode(), output)) {
            cleaned += QChar::ReplacementCharacter;
        } else {
            cleaned += character;
        }
    }
    if (output == NameOutput::Csv && needsTextMark(cleaned))
        cleaned.prepend(u'\'');
    return cleaned;
}

}  // namespace layout
