// SPDX-License-Identifier: LicenseRef-proprietary
#pragma once

#include <QString>

class QLineEdit;

// A cue for measurement text that the calculator reads otherwise than the
// user meant: "36 in" and "3'" read as 0, and so does "1.375" where the
// locale writes 1,375. The calculator keeps reading them so; the cue only
// says how it read them and what to type instead.
namespace input_cue {

// How the calculator reads the text and what to write for what it most
// likely means ("Read as 0: write 36"), or an empty string when the text is
// read as meant, is empty, or is only blanks. In the locale's number format.
QString cueText(const QString &text);

// Gives the field a warning icon at its trailing end, shown only while
// cueText() has something to say; the icon's tooltip says it, and so does
// the field's accessible description, after what it says of itself.
void attach(QLineEdit &field);

}  // namespace input_cue
