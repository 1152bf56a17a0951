#include "report/ListItemIndex.h"

#include <gtest/gtest.h>

#include "../text/SeparatorGuard.h"
#include "engine/ZoningTables.h"
#include "text/NumberSeparators.h"

namespace gb {
namespace {

TEST(ListItemIndex, TextsNamingTheSameNumberNameTheSameItem) {
  const std::pair<const char*, int> pga[] = {{"0.05", 0},  {"0.10", 1}, {"0.1", 1},  {".1", 1},
                                             {" 0.2 ", 3}, {"0.20", 3}, {"2e-1", 3}, {"0.4", 5},
                                             {"0.25", -1}, {"abc", -1}, {"", -1},    {"1e999", -1}};
  for (const auto& [text, index] : pga)
    EXPECT_EQ(ListItemIndex(kPgaZoneItems, text), index) << text;
  EXPECT_EQ(ListItemIndex(kTgZoneItems, "0.4"), 1);
  EXPECT_EQ(ListItemIndex(kTgZoneItems, "0.5"), -1);
}

TEST(ListItemIndex, ItemTextMatchesWhateverTheSeparator) {
  const gb::testing::SeparatorGuard guard;
  DecimalSeparator = u',';
  EXPECT_EQ(ListItemIndex(kPgaZoneItems, "0.20"), 3);
  EXPECT_EQ(ListItemIndex(kPgaZoneItems, "0,2"), -1);  // no item reads under ','
}

TEST(ListItemIndex, NotAnItemMessage) {
  EXPECT_EQ(NotAnItemText("zone", "0.5", kTgZoneItems),
            "'0.5' is not a choice of zone; choose one of 0.35, 0.40, 0.45");
}

}  // namespace
}  // namespace gb
