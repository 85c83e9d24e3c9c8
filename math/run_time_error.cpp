// SPDX-License-Identifier: LicenseRef-proprietary
#include "run_time_error.h"

namespace runtime_errors {

RunTimeError invalidCall()
{
    return {kInvalidCall, kSource, QStringLiteral("Invalid procedure call or argument")};
}

RunTimeError overflow()
{
    return {kOverflow, kSource, QStringLiteral("Overflow")};
}

RunTimeError divisionByZero()
{
    return {kDivisionByZero, kSource, QStringLiteral("Division by zero")};
}

RunTimeError invalidIndex()
{
    return {kInvalidIndex, kSource, QStringLiteral("Invalid property array index")};
}

RunTimeError printerError(const QString &detail)
{
    return {kPrinterError, kSource, QStringLiteral("Printer error: %1").arg(detail)};
}

}  // namespace runtime_errors
