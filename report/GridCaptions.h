// The captions of the three result grids, one set for the window's labels above them, the
// calculation sheet, the spreadsheet copy and the command line's tables.
#pragma once

namespace gb {

// UTF-8, in the order of ResultGrid: peak acceleration, characteristic period, platform.
inline constexpr const char* kGridCaptions[] = {
    "地震动峰值加速度 (g)", "地震动加速度反应谱特征周期 (s)", "地震动加速度反应谱平台值 (g)"};

}  // namespace gb
