// What a calculation book states beside the numbers: how they were derived, from which standard,
// and who signs. Plain UTF-8 texts, so any painter can lay them out.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "engine/ParameterSet.h"

namespace gb {

// "GB 18306-2015《中国地震动参数区划图》"
extern const char* const kStandardName;

// The method, a line each: the spectrum's three branches with T0, βm, Tg and γ; A of each class
// as Fa × the site-class-II value of its level; Tg from the zone's table plus the rare and very
// rare increments. Numbers are the parameter set's, in the separators in force.
std::vector<std::string> SheetMethodLines(const ParameterSet& p);

// The coefficient Fa each class took at each level (rows: level name, then Fa of I0 .. IV in four
// decimals), from the level's site-class-II peak acceleration.
struct SiteCoefficientRow {
  std::string level;
  std::string fa[kSiteClassCount];
};
std::vector<SiteCoefficientRow> SiteCoefficientRows(const ParameterSet& p);

// A project's or site's name as the sheet prints it: at most kSheetNameCharacters characters
// (then cut with "…"), set apart from the captions around it by Unicode's first-strong isolate,
// so that a right-to-left name cannot reorder them.
inline constexpr std::size_t kSheetNameCharacters = 60;
std::string SheetNameText(std::string_view name);

// The sign-off captions, left to right.
inline constexpr const char* kSignOffCaptions[] = {"计算", "校对", "审核"};

}  // namespace gb
