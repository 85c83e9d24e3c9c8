// SPDX-License-Identifier: LicenseRef-proprietary
#include "translator_setup.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

#include <memory>

namespace {

// Installs the translation named `base` for the language from `directory`;
// the application then owns it.
bool installFor(QCoreApplication &application, const QLocale &language, const QString &base, const QString &directory)
{
    auto translator = std::make_unique<QTranslator>(&application);
    if (!translator->load(language, base, QStringLiteral("_"), directory))
        return false;
    QCoreApplication::installTranslator(translator.release());
    return true;
}

}  // namespace

QString translations::install(QCoreApplication &application)
{
    for (const QString &name : QLocale().uiLanguages()) {
        const QLocale language(name);
        if (name == u"C" || language.language() == QLocale::English)
            return {};
        if (!installFor(application, language, QStringLiteral("railpin"), QStringLiteral(":/i18n")))
            continue;
        // Qt's texts for its buttons and dialogs, where the system has them.
        installFor(application, language, QStringLiteral("qtbase"), QLibraryInfo::path(QLibraryInfo::TranslationsPath));
        return QLocale::languageToCode(language.language());
    }
    return {};
}
