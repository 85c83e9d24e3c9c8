// SPDX-License-Identifier: LicenseRef-proprietary
#pragma once

#include <QByteArray>

// The numbers of the drawing files, appended straight to the bytes being
// written: a drawing of the largest job holds millions of them, and a string
// made for each one would cost more than the file itself.
namespace exports {

// As QByteArray::number(value, 'g', 15) writes it: 15 significant digits, no
// trailing zeros, an exponent only for very large or very small values.
void appendNumber(QByteArray &bytes, double value);

void appendNumber(QByteArray &bytes, int value);

}  // namespace exports
