// SPDX-License-Identifier: LicenseRef-proprietary
#pragma once

#include <QCoreApplication>
#include <QString>

// Lines that the job sheet and the calculator's layout sheet both write.
namespace sheet_texts {

inline QString railpinWidth(const QString &width)
{
    return QCoreApplication::translate("Sheet", "Railpin width: %1").arg(width);
}

inline QString maximumGap(const QString &gap)
{
    return QCoreApplication::translate("Sheet", "Maximum gap: %1").arg(gap);
}

}  // namespace sheet_texts
