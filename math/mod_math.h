// SPDX-License-Identifier: LicenseRef-proprietary
#pragma once

#include <QString>

// Measurement text to inches and back. Arguments are taken by reference and
// never modified; none of these functions keeps state.
namespace modMath {

// True when the text holds a "/" that is not its last character.
bool IsFraction(const QString &text);

// Reads "36", "3.5", "1 3/8" or "3/8" as single-precision inches. Never fails:
// unreadable text, and every unreadable piece of a fraction, counts as 0.
float FractionToDecimal(const QString &text);

// Writes inches as reduced fraction text rounded to the nearest 1/denominator,
// an exact halfway value going to the lower increment: "1 3/8", "3/8", "3".
// Negative values are written as "-" and the text of their magnitude.
// Throws RunTimeError when the whole part does not fit 32 bits, for a value
// that is not a number and for a denominator below 1.
QString DecimalToFraction(const float &value, const qint32 &denominator);

// Throws exactly what DecimalToFraction would throw for these arguments,
// without writing the fraction.
void CheckFractionArguments(const float &value, const qint32 &denominator);

// Euclid's algorithm by truncating remainders. Throws RunTimeError (overflow)
// for the one pair whose remainder overflows, the smallest integer and -1.
qint32 GreatestCommonDivisor(qint32 a, qint32 b);

}  // namespace modMath
