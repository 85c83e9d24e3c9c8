// SPDX-License-Identifier: LicenseRef-proprietary
#include "job_sheet.h"

#include <QRegularExpression>

#include <array>

namespace {

// Territories whose locales set Letter as their paper.
constexpr std::array<QStringView, 14> kLetterTerritories{u"US", u"CA", u"MX", u"PR", u"PH", u"CL", u"CO",
                                                         u"CR", u"GT", u"NI", u"PA", u"SV", u"VE", u"BO"};

}  // namespace

namespace sheets {

QPageSize paperSizeForLocale(const QString &localeName)
{
    // language[_TERRITORY][.codeset][@modifier]
    static const QRegularExpression pattern(QStringLiteral("^[A-Za-z]{2,3}_([A-Za-z]{2})(?:[.@].*)?$"));
    const QRegularExpressionMatch match = pattern.match(localeName);
    if (match.hasMatch()) {
        const QString territory = match.captured(1).toUpper();
        for (const QStringView letter : kLetterTerritories) {
            if (territory == letter)
                return QPageSize(QPageSize::Letter);
        }
    }
    return QPageSize(QPageSize::A4);
}

QPageSize defaultPaperSize()
{
    // The paper setting itself first: a script that sets LC_ALL=C for stable
    // output should not change the user's paper. An empty variable is unset.
    for (const char *variable : {"LC_PAPER", "LC_ALL", "LANG"}) {
        const QString value = qEnvironmentVariable(variable);
        if (!value.isEmpty())
            return paperSizeForLocale(value);
    }
    return QPageSize(QPageSize::A4);
}

}  // namespace sheets
