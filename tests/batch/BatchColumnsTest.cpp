#include "batch/BatchColumns.h"

#include <gtest/gtest.h>

#include "batch/BatchErrors.h"

namespace gb {
namespace {

TEST(BatchColumns, FoundByNameCaseAndDashAlike) {
  const BatchColumns columns =
      MapBatchColumns({"id", "ZONE", "Beta-Max", "name", "PGA", "very-rare_TG-increment", "lat"});
  EXPECT_EQ(columns.input[biPga], 4);
  EXPECT_EQ(columns.input[biZone], 1);
  EXPECT_EQ(columns.input[biBetaMax], 2);
  EXPECT_EQ(columns.input[biVeryRareTgIncrement], 5);
  for (const int absent : {biK1, biK2, biK3, biRareTgIncrement}) {
    EXPECT_EQ(columns.input[absent], -1) << kBatchInputNames[absent];
  }
}

TEST(BatchColumns, BlanksAroundNamesAreNotPartOfThem) {
  const BatchColumns columns = MapBatchColumns({" pga ", " zone", "\tk1\t", "id"});
  EXPECT_EQ(columns.input[biPga], 0);
  EXPECT_EQ(columns.input[biZone], 1);
  EXPECT_EQ(columns.input[biK1], 2);
}

struct HeaderCase {
  std::vector<std::string> header;
  std::string message;
};

class BadHeaders : public testing::TestWithParam<HeaderCase> {};

TEST_P(BadHeaders, AreRefused) {
  try {
    MapBatchColumns(GetParam().header);
    FAIL() << "accepted";
  } catch (const EBatchHeader& e) {
    EXPECT_EQ(e.Message(), GetParam().message);
  }
}

INSTANTIATE_TEST_SUITE_P(
    Headers, BadHeaders,
    testing::Values(
        HeaderCase{{}, "the input has no column 'pga' (the input is empty)"},
        HeaderCase{{"zone", "k1"}, "the input has no column 'pga' (its columns are 'zone', 'k1')"},
        HeaderCase{{"pga", "k1"}, "the input has no column 'zone' (its columns are 'pga', 'k1')"},
        // What was found is shown, cut where it is long, so a garbled header is seen as such.
        HeaderCase{
            {"\xE9\x94\x9F\xE6\x96\xA4pga", std::string(70, 'z')},
            "the input has no column 'pga' (its columns are '\xE9\x94\x9F\xE6\x96\xA4pga', '" +
                std::string(64, 'z') + "…')"},
        HeaderCase{{"a", "b", "c", "d", "e", "f", "g", "h", "i", "j", "k", "l", "m", "n"},
                   "the input has no column 'pga' (its columns are 'a', 'b', 'c', 'd', 'e', 'f', "
                   "'g', 'h', 'i', 'j', 'k', 'l', …)"},
        HeaderCase{{" pga ", "zone", "\tPGA"}, "the input has two columns named '\tPGA'"},
        HeaderCase{{"pga", "zone", "K-1", "k_1"}, "the input has two columns named 'k_1'"},
        // The JSON output keys its cells by name, so any repeated name is refused.
        HeaderCase{{"Name", "pga", "zone", "name"}, "the input has two columns named 'name'"},
        HeaderCase{{"pga", "zone", "Error"},
                   "the input column 'Error' has the name of an output column"},
        HeaderCase{{"PGA_rare_i0", "pga", "zone"},
                   "the input column 'PGA_rare_i0' has the name of an output column"},
        HeaderCase{{"pga", "zone", "sa-very-rare"},
                   "the input column 'sa-very-rare' has the name of an output column"}));

TEST(BatchColumns, SixtyResultColumnNames) {
  std::vector<std::string> names;
  for (const ResultGrid grid : kResultGrids) {
    for (int l = 0; l < kLevelCount; ++l) {
      for (int s = 0; s < kSiteClassCount; ++s) names.push_back(ResultColumnName(grid, l, s));
    }
  }
  ASSERT_EQ(names.size(), 60u);
  EXPECT_EQ(names.front(), "pga_frequent_I0");
  EXPECT_EQ(names[9], "pga_basic_IV");
  EXPECT_EQ(names[20], "tg_frequent_I0");
  EXPECT_EQ(names.back(), "platform_very_rare_IV");
}

}  // namespace
}  // namespace gb
