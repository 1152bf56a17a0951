// A thread whose x87 unit rounds to 53 bits, as 64-bit Windows starts its threads: the numbers are
// Linux's all the same, and the thread's control word is left as it was.
#include <gtest/gtest.h>

#include <vector>

#include "engine/CalculateSequence.h"
#include "engine/DesignResponse.h"
#include "engine/DesignedInputs.h"
#include "engine/ParameterSet.h"
#include "tests/support/X87.h"

namespace gb {
namespace {

#if GB_HAVE_X87
// Every ordinate of every spectrum: the descending branches go through the power function.
std::vector<double> Ordinates(const ParameterSet& p) {
  std::vector<double> all;
  for (const Level level : kLevels) {
    for (const SiteClass site : kSiteClasses) {
      for (int i = 0; i < SpectrumPointCount; ++i)
        all.push_back(SpectrumOrdinate(p, level, site, i));
    }
  }
  return all;
}

bool SixtyFourBitSum() {
  volatile long double one = 1.0L, tiny = 0x1p-60L;
  return one + tiny != one;
}

TEST(ExtendedPrecision, NumbersDoNotDependOnTheX87ControlWord) {
  const unsigned short original = X87ControlWord();
  ParameterSet reference;
  RunCalculate(reference, kDesignedInputs, [](CalculateStep) {});

  const auto fiftyThreeBits = static_cast<unsigned short>((original & ~kX87PrecisionMask) | 0x0200);
  SetX87ControlWord(fiftyThreeBits);
  ASSERT_FALSE(SixtyFourBitSum());  // the 53-bit unit drops 2^-60 beside 1
  ParameterSet p;
  RunCalculate(p, kDesignedInputs, [](CalculateStep) {});
  const std::vector<double> ordinates = Ordinates(p);
  EXPECT_EQ(X87ControlWord(), fiftyThreeBits);
  SetX87ControlWord(original);

  EXPECT_EQ(ordinates, Ordinates(reference));
  for (int level = 0; level < kLevelCount; ++level) {
    for (int site = 0; site < kSiteClassCount; ++site) {
      EXPECT_EQ(p.FPga[level][site], reference.FPga[level][site]);
      EXPECT_EQ(p.FTg[level][site], reference.FTg[level][site]);
    }
  }
}
#endif

}  // namespace
}  // namespace gb
