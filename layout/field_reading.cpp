// SPDX-License-Identifier: LicenseRef-proprietary
#include "field_reading.h"

#include "display_text.h"

#include "measurement.h"

#include <QCoreApplication>

namespace layout {

std::optional<float> readSigned(const char *fieldName, const QString &text, Unit unit, QStringList &problems)
{
    const auto field = [fieldName] { return QCoreApplication::translate("layout", fieldName); };
    if (text.trimmed().isEmpty()) {
        problems << QCoreApplication::translate("layout", "%1 is missing").arg(field());
        return std::nullopt;
    }
    const Reading reading = readMeasurement(text, unit);
    if (!reading.value) {
        //: A field's name and why it cannot be read ("length \"36 1/\" is not a measurement…"), not a number and its
        //: unit as in the other contexts.
        problems << QCoreApplication::translate("layout", "%1 %2").arg(field(), reading.problem);
        return std::nullopt;
    }
    return reading.value;
}

std::optional<float> readPositive(const char *fieldName, const QString &text, Unit unit, QStringList &problems)
{
    const std::optional<float> value = readSigned(fieldName, text, unit, problems);
    if (value && !(*value > 0)) {
        problems << QCoreApplication::translate("layout", "%1 \"%2\" must be more than 0")
                        .arg(QCoreApplication::translate("layout", fieldName), text);
        return std::nullopt;
    }
    return value;
}

QString typedText(const QString &text)
{
    return displayText(text.trimmed(), LineBreaks::Replaced);
}

}  // namespace layout
