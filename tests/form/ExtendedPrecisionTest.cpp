// A thread whose x87 unit rounds to 53 bits, as 64-bit Windows starts its threads: Calculate
// first restores the 64-bit significand, so the numbers are Linux's.
#include "engine/ExtendedPrecision.h"

#include <gtest/gtest.h>

#include "engine/DesignedInputs.h"
#include "engine/ParameterSet.h"
#include "form/CalculateSequence.h"

namespace gb {
namespace {

#if defined(__GNUC__) && (defined(__x86_64__) || defined(__i386__))
unsigned short ControlWord() {
  unsigned short control = 0;
  __asm__ volatile("fnstcw %0" : "=m"(control) : : "memory");
  return control;
}
void SetControlWord(unsigned short control) {
  __asm__ volatile("fldcw %0" : : "m"(control) : "memory");
}

bool SixtyFourBitSum() {
  volatile long double one = 1.0L, tiny = 0x1p-60L;
  return one + tiny != one;
}

TEST(ExtendedPrecision, CalculateRestoresTheFullSignificand) {
  const unsigned short original = ControlWord();
  ParameterSet reference;
  RunCalculate(reference, kDesignedInputs, [](CalculateStep) {});

  SetControlWord(static_cast<unsigned short>((original & ~kX87PrecisionMask) | 0x0200));
  ASSERT_FALSE(ExtendedPrecisionInForce());
  ASSERT_FALSE(SixtyFourBitSum());  // the 53-bit unit drops 2^-60 beside 1
  ParameterSet p;
  RunCalculate(p, kDesignedInputs, [](CalculateStep) {});
  EXPECT_TRUE(ExtendedPrecisionInForce());
  EXPECT_TRUE(SixtyFourBitSum());
  for (int level = 0; level < kLevelCount; ++level) {
    for (int site = 0; site < kSiteClassCount; ++site) {
      EXPECT_EQ(p.FPga[level][site], reference.FPga[level][site]);
      EXPECT_EQ(p.FTg[level][site], reference.FTg[level][site]);
    }
  }
  SetControlWord(original);
}
#endif

}  // namespace
}  // namespace gb
