// The site-class tables of the zonation map: read-only program data.
#pragma once

namespace gb {

inline constexpr int kSiteClassCount = 5;   // scI0, scI1, scII, scIII, scIV
inline constexpr int kLevelCount = 4;       // lvFrequent, lvBasic, lvRare, lvVeryRare
inline constexpr int kBreakpointCount = 6;  // rows of the coefficient table
inline constexpr int kTgZoneCount = 3;      // rows of the period table

enum SiteClass : int { scI0 = 0, scI1 = 1, scII = 2, scIII = 3, scIV = 4 };
enum Level : int { lvFrequent = 0, lvBasic = 1, lvRare = 2, lvVeryRare = 3 };
inline constexpr SiteClass kSiteClasses[kSiteClassCount] = {scI0, scI1, scII, scIII, scIV};
inline constexpr Level kLevels[kLevelCount] = {lvFrequent, lvBasic, lvRare, lvVeryRare};

inline constexpr const char* kSiteClassLabels[kSiteClassCount] = {"I0", "I1", "II", "III", "IV"};
inline constexpr const char* kLevelLabels[kLevelCount] = {"多遇地震动", "基本地震动", "罕遇地震动",
                                                          "极罕遇地震动"};

// Site-class-II peak accelerations (g) indexing the rows of SiteCoefficientTable.
inline constexpr double PgaBreakpoints[kBreakpointCount] = {0.05, 0.1, 0.15, 0.2, 0.3, 0.4};

// Site coefficient Fa by breakpoint row and site class column.
inline constexpr double SiteCoefficientTable[kBreakpointCount][kSiteClassCount] = {
    {0.72, 0.80, 1.00, 1.30, 1.25},  // 0.05 g
    {0.74, 0.82, 1.00, 1.25, 1.20},  // 0.10 g
    {0.75, 0.83, 1.00, 1.15, 1.10},  // 0.15 g
    {0.76, 0.85, 1.00, 1.00, 1.00},  // 0.20 g
    {0.85, 0.95, 1.00, 1.00, 0.95},  // 0.30 g
    {0.90, 1.00, 1.00, 1.00, 0.90},  // 0.40 g
};

// Characteristic period (s) by zone row (0.35 s, 0.40 s, 0.45 s) and site class column. The row is
// the zone's list position, never its parsed text.
inline constexpr double CharacteristicPeriodTable[kTgZoneCount][kSiteClassCount] = {
    {0.20, 0.25, 0.35, 0.45, 0.65},
    {0.25, 0.30, 0.40, 0.55, 0.75},
    {0.30, 0.35, 0.45, 0.65, 0.90},
};

// Item texts of the two zonation lists, in list order.
inline constexpr int kPgaZoneCount = 6;
inline constexpr const char* kPgaZoneItems[kPgaZoneCount] = {"0.05", "0.10", "0.15",
                                                             "0.20", "0.30", "0.40"};
inline constexpr const char* kTgZoneItems[kTgZoneCount] = {"0.35", "0.40", "0.45"};

}  // namespace gb
