#include "batch/CellTextMemo.h"

#include <gtest/gtest.h>

#include <cmath>
#include <random>

#include "tests/support/LongDouble.h"
#include "text/DecimalFormats.h"

namespace gb {
namespace {

// Whatever was seen before and whatever shares its slot, the text is the value's own.
TEST(CellTextMemo, AlwaysTheFormattedText) {
  CellTextMemo memo;
  std::mt19937_64 random(7);
  std::uniform_real_distribution<double> value(-2, 2);
  std::vector<long double> seen;
  for (int i = 0; i < 20000; ++i) {
    long double v;
    switch (random() % 4) {
      case 0:
        v = seen.empty() ? 0.0L : seen[random() % seen.size()];
        break;
      case 1:
        v = static_cast<long double>(value(random)) * value(random);  // not a double
        break;
      default:
        v = value(random);
    }
    seen.push_back(v);
    ASSERT_EQ(memo.Text(test::FromLongDouble(v)), FormatFourDecimals(test::FromLongDouble(v)))
        << static_cast<double>(v);
  }
  for (const long double v : {0.0L, -0.0L, 0.03125L, -0.03125L, 1e18L, 1e4000L}) {
    EXPECT_EQ(memo.Text(test::FromLongDouble(v)), FormatFourDecimals(test::FromLongDouble(v)));
  }
}

}  // namespace
}  // namespace gb
