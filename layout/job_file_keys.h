// SPDX-License-Identifier: LicenseRef-proprietary
#pragma once

#include <QLatin1StringView>

// The names and values the job file uses, shared by its reader and writer.
namespace layout::job_file_keys {

inline constexpr QLatin1StringView kFormatMarker("railpin-job");
inline constexpr int kInchVersion = 1;
inline constexpr int kMetricVersion = 2;  // the first version with millimetres
// The first version whose values an older program would ignore and so lay
// out differently: a limit on stairs, a count of 0, a balanced layout.
inline constexpr int kStairsLimitVersion = 3;
// The first version with runs: an older program would drop them.
inline constexpr int kRunsVersion = 4;
inline constexpr int kNewestVersion = kRunsVersion;

inline constexpr QLatin1StringView kFormat("format");
inline constexpr QLatin1StringView kVersion("version");
inline constexpr QLatin1StringView kName("name");
inline constexpr QLatin1StringView kUnit("unit");
inline constexpr QLatin1StringView kRailpinWidth("railpinWidth");
inline constexpr QLatin1StringView kMaximumGap("maximumGap");
inline constexpr QLatin1StringView kMaximumGapStairs("maximumGapStairs");
inline constexpr QLatin1StringView kIncrement("increment");
inline constexpr QLatin1StringView kMarkStep("markStep");
inline constexpr QLatin1StringView kExtraStockPercent("extraStockPercent");
inline constexpr QLatin1StringView kPackSize("packSize");
inline constexpr QLatin1StringView kSections("sections");
inline constexpr QLatin1StringView kLength("length");
inline constexpr QLatin1StringView kEnds("ends");
inline constexpr QLatin1StringView kCount("count");
inline constexpr QLatin1StringView kStair("stair");
inline constexpr QLatin1StringView kRise("rise");
inline constexpr QLatin1StringView kRun("run");
inline constexpr QLatin1StringView kAngle("angle");
inline constexpr QLatin1StringView kDesignGap("designGap");
inline constexpr QLatin1StringView kSpacing("spacing");
inline constexpr QLatin1StringView kCentre("centre");
inline constexpr QLatin1StringView kMeasuredBetween("measuredBetween");
inline constexpr QLatin1StringView kPostWidth("postWidth");
inline constexpr QLatin1StringView kMaxPostSpacing("maxPostSpacing");
inline constexpr QLatin1StringView kRuns("runs");
inline constexpr QLatin1StringView kStart("start");
inline constexpr QLatin1StringView kEnd("end");

inline constexpr QLatin1StringView kMillimetres("mm");
inline constexpr QLatin1StringView kInches("in");
inline constexpr QLatin1StringView kFull("full");
inline constexpr QLatin1StringView kHalf("half");
inline constexpr QLatin1StringView kEqual("equal");
inline constexpr QLatin1StringView kSame("same");
inline constexpr QLatin1StringView kEither("either");
inline constexpr QLatin1StringView kRailpin("railpin");
inline constexpr QLatin1StringView kGap("gap");
inline constexpr QLatin1StringView kFaces("faces");
inline constexpr QLatin1StringView kCentres("centres");

}  // namespace layout::job_file_keys
