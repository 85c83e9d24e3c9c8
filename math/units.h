// SPDX-License-Identifier: LicenseRef-proprietary
#pragma once

// Exact by definition of the inch.
inline constexpr double kMillimetresPerInch = 25.4;
