// SPDX-License-Identifier: LicenseRef-proprietary
#pragma once

#include <QString>

class QCoreApplication;

namespace translations {

// Installs the program's translation for the first of the user's languages
// (QLocale().uiLanguages()) that it has one for, together with Qt's own for
// the standard dialogs. English is built in, so an English or "C" entry met
// first ends the search. Returns the language installed ("es", "fr"), or an
// empty string when the program speaks English.
QString install(QCoreApplication &application);

}  // namespace translations
