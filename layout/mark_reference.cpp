// SPDX-License-Identifier: LicenseRef-proprietary
#include "mark_reference.h"

#include "marks_headings.h"

#include <QCoreApplication>

namespace layout {

QString fromLeftPostText(MarkReference reference)
{
    switch (reference) {
    case MarkReference::PostFace:
        return QCoreApplication::translate("MarkReference", "from the left post face");
    case MarkReference::PostCentre:
        return QCoreApplication::translate("MarkReference", "from the left post centre");
    case MarkReference::Post:
        break;
    }
    return QCoreApplication::translate("MarkReference", "from the left post");
}

QString fromRightPostText(MarkReference reference)
{
    switch (reference) {
    case MarkReference::PostFace:
        return QCoreApplication::translate("MarkReference", "from the right post face");
    case MarkReference::PostCentre:
        return QCoreApplication::translate("MarkReference", "from the right post centre");
    case MarkReference::Post:
        break;
    }
    return QCoreApplication::translate("MarkReference", "from the right post");
}

QString centreFromRightPostHeading(MarkReference reference)
{
    switch (reference) {
    case MarkReference::PostFace:
        return QCoreApplication::translate("Marks", "From right post face");
    case MarkReference::PostCentre:
        return QCoreApplication::translate("Marks", "From right post centre");
    case MarkReference::Post:
        break;
    }
    return marks_headings::shown(marks_headings::kColumns.back());
}

QString markReferenceWord(MarkReference reference)
{
    switch (reference) {
    case MarkReference::PostFace:
        return QStringLiteral("post faces");
    case MarkReference::PostCentre:
        return QStringLiteral("post centres");
    case MarkReference::Post:
        break;
    }
    return {};
}

}  // namespace layout
