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
// The first version with runs, an order list, stairs given by their treads
// and the opening under a stair's bottom rail: they landed together, and an
// older program would drop any of them.
inline constexpr int kRunsVersion = 4;
inline constexpr int kOrderVersion = 4;
inline constexpr int kStairTreadsVersion = 4;
inline constexpr int kNewestVersion = 4;

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
inline constexpr QLatin1StringView kMarksFrom("marksFrom");
inline constexpr QLatin1StringView kOrder("order");
inline constexpr QLatin1StringView kRailRows("railRows");
inline constexpr QLatin1StringView kRailStock("railStock");
inline constexpr QLatin1StringView kKerf("kerf");
inline constexpr QLatin1StringView kRailpinLength("railpinLength");
inline constexpr QLatin1StringView kRailpinStock("railpinStock");
inline constexpr QLatin1StringView kScrewsPerRailpin("screwsPerRailpin");
inline constexpr QLatin1StringView kScrewsPerRailEnd("screwsPerRailEnd");
inline constexpr QLatin1StringView kMinPerTread("minPerTread");
inline constexpr QLatin1StringView kTriangleSphere("triangleSphere");
inline constexpr QLatin1StringView kTreads("treads");
inline constexpr QLatin1StringView kPerTread("perTread");
inline constexpr QLatin1StringView kFirstFromRiser("firstFromRiser");
inline constexpr QLatin1StringView kNewels("newels");
inline constexpr QLatin1StringView kNosing("nosing");
inline constexpr QLatin1StringView kRailHeight("railHeight");
inline constexpr QLatin1StringView kRailDepth("railDepth");
inline constexpr QLatin1StringView kInsert("insert");
inline constexpr QLatin1StringView kBottomRail("bottomRail");
inline constexpr QLatin1StringView kMaxPostSpacing("maxPostSpacing");
inline constexpr QLatin1StringView kRuns("runs");
inline constexpr QLatin1StringView kStart("start");
inline constexpr QLatin1StringView kEnd("end");

}  // namespace layout::job_file_keys
