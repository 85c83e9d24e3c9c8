// SPDX-License-Identifier: LicenseRef-proprietary
#pragma once

#include <QString>

// The error that interrupts a trapped procedure of the main window. It carries
// what the error report shows: a number, the component that raised it and a
// description.
struct RunTimeError
{
    qint32 number = 0;
    QString source;
    QString description;
};

// The errors this program raises. The numbers follow the classic run-time
// error codes that users of such calculators may already know.
namespace runtime_errors {

inline constexpr qint32 kInvalidCall = 5;
inline constexpr qint32 kOverflow = 6;
inline constexpr qint32 kDivisionByZero = 11;
inline constexpr qint32 kInvalidIndex = 381;
inline constexpr qint32 kPrinterError = 482;

// Every error of ours names the project as its source.
inline const char *const kSource = "Railpin";

RunTimeError invalidCall();                        // an invalid operation or argument (NaN, a denominator below 1)
RunTimeError overflow();                           // a result outside the range of its type
RunTimeError divisionByZero();                     // a division whose divisor is zero
RunTimeError invalidIndex();                       // a list read without a selected entry
RunTimeError printerError(const QString &detail);  // no printer, or the job failed

}  // namespace runtime_errors
