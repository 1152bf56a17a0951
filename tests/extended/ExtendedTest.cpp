#include "extended/Extended.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <limits>
#include <string>

#include "X87Cases.h"
#include "extended/ExtendedRounding.h"
#include "extended/Wide.h"

namespace gb {
namespace {

using test::Operation;

std::string Fields(Extended x) {
  char text[64];
  std::snprintf(text, sizeof text, "%c%04X:%016llX", x.Negative() ? '-' : '+', x.BiasedExponent(),
                static_cast<unsigned long long>(x.Significand()));
  return text;
}

constexpr std::uint64_t kTop = std::uint64_t{1} << 63;

Extended One() { return Extended::FromFields(false, Extended::kBias, kTop); }

TEST(Wide, PortableFormsAreTheCompilers) {
  test::OperandSource source(1);
  const std::uint64_t kEdges[] = {0, 1, 2, 0xFFFFFFFF, 0x100000000, kTop, ~std::uint64_t{0}};
  for (const std::uint64_t a : kEdges) {
    for (const std::uint64_t b : kEdges) {
      const wide::U128 p = wide::portable::Multiply(a, b);
      // Checked without the compiler's type: p / b gives a back through the portable division.
      if (b != 0 && p.hi < b) {
        const wide::QuotientRemainder q = wide::portable::Divide(p.hi, p.lo, b);
        EXPECT_EQ(q.quotient, a);
        EXPECT_EQ(q.remainder, 0u);
      }
    }
  }
  if (!wide::kNativeInt128) GTEST_SKIP() << "the portable forms are the ones in use here";
  for (int i = 0; i < 200000; ++i) {
    const std::uint64_t a = source.Significand() >> source.Below(64);
    const std::uint64_t b = source.Significand() >> source.Below(64);
    EXPECT_EQ(wide::portable::Multiply(a, b), wide::Multiply(a, b));
    const std::uint64_t d = b | 1;
    const std::uint64_t hi = a % d;
    const wide::QuotientRemainder mine = wide::portable::Divide(hi, a, d);
    const wide::QuotientRemainder theirs = wide::Divide(hi, a, d);
    ASSERT_EQ(mine.quotient, theirs.quotient) << a << " " << d;
    ASSERT_EQ(mine.remainder, theirs.remainder);
  }
}

// The rounding rule itself, on any processor: exact results, ties to even, the carry into the
// exponent, gradual underflow, overflow, the signs of zeros and the invalid operations.
TEST(Extended, KnownResults) {
  const Extended one = One();
  const Extended ulp = Extended::FromFields(false, Extended::kBias - 63, kTop);  // 2^-63
  const Extended halfUlp = Extended::FromFields(false, Extended::kBias - 64, kTop);
  const Extended smallest = Extended::FromFields(false, 0, 1);  // 2^-16445
  const Extended largest = Extended::FromFields(false, 0x7FFE, ~std::uint64_t{0});
  const struct {
    const char* name;
    Extended got, want;
  } kCases[] = {
      {"1 + 2^-64 ties to even", one + halfUlp, one},
      {"(1 + 2^-63) + 2^-64 ties up to even", (one + ulp) + halfUlp,
       Extended::FromFields(false, Extended::kBias, kTop + 2)},
      {"1 - 2^-65 rounds to 1", one - Extended::FromFields(false, Extended::kBias - 65, kTop), one},
      {"all ones + 1 ulp carries",
       Extended::FromFields(false, Extended::kBias, ~std::uint64_t{0}) + ulp,
       Extended::FromFields(false, Extended::kBias + 1, kTop)},
      {"x - x is +0", one - one, Extended()},
      {"-0 + -0 is -0", -Extended() + -Extended(), -Extended()},
      {"-0 - +0 is -0", -Extended() - Extended(), -Extended()},
      {"1 / 3", one / Extended::FromInteger(3),
       Extended::FromFields(false, Extended::kBias - 2, 0xAAAAAAAAAAAAAAABu)},
      {"2 / 3", Extended::FromInteger(2) / Extended::FromInteger(3),
       Extended::FromFields(false, Extended::kBias - 1, 0xAAAAAAAAAAAAAAABu)},
      {"0.1 as a double", Extended::FromDouble(0.1),
       Extended::FromFields(false, Extended::kBias - 4, 0xCCCCCCCCCCCCD000u)},
      {"the smallest double", Extended::FromDouble(std::numeric_limits<double>::denorm_min()),
       Extended::FromFields(false, Extended::kBias - 1074, kTop)},
      {"INT64_MIN", Extended::FromInteger(std::numeric_limits<std::int64_t>::min()),
       Extended::FromFields(true, Extended::kBias + 63, kTop)},
      {"the smallest halved ties to zero", smallest * Extended::FromDouble(0.5), Extended()},
      {"the smallest times 1.5 ties to even 2", smallest * Extended::FromDouble(1.5),
       Extended::FromFields(false, 0, 2)},
      {"a subnormal rounds up into the normal range",
       Extended::FromFields(false, 1, ~std::uint64_t{0}) * Extended::FromDouble(0.5) +
           Extended::FromFields(false, 0, 0),
       Extended::FromFields(false, 1, kTop)},
      {"overflow is infinite", largest + largest, Extended::Infinity()},
      {"x / 0", -one / Extended(), Extended::Infinity(true)},
      {"0 / 0", Extended() / Extended(), Extended::DefaultNaN()},
      {"inf - inf", Extended::Infinity() - Extended::Infinity(), Extended::DefaultNaN()},
      {"0 x inf", Extended() * Extended::Infinity(true), Extended::DefaultNaN()},
  };
  for (const auto& c : kCases) {
    EXPECT_TRUE(test::SameBits(c.got, c.want))
        << c.name << ": " << Fields(c.got) << ", want " << Fields(c.want);
  }
}

TEST(Extended, StoreToDoubleRoundsOnceMore) {
  const struct {
    Extended value;
    double want;
  } kCases[] = {
      {Extended::FromFields(false, Extended::kBias, kTop | 0x400), 1.0},  // a tie, to even
      {Extended::FromFields(false, Extended::kBias, kTop | 0xC00), 1.0 + 0x1p-51},
      {Extended::FromFields(false, Extended::kBias, kTop | 0x401), 1.0 + 0x1p-52},
      {Extended::FromFields(false, Extended::kBias, ~std::uint64_t{0}), 2.0},
      {Extended::FromFields(false, Extended::kBias + 1024, kTop),
       std::numeric_limits<double>::infinity()},
      {Extended::FromFields(true, Extended::kBias + 1023, ~std::uint64_t{0}),
       -std::numeric_limits<double>::infinity()},
      {Extended::FromFields(false, Extended::kBias - 1075, kTop), 0.0},  // half the smallest: even
      {Extended::FromFields(false, Extended::kBias - 1075, kTop + 1), 0x1p-1074},
      {Extended::FromFields(false, Extended::kBias - 1076, ~std::uint64_t{0}), 0.0},
      {Extended::FromFields(false, Extended::kBias - 1023, ~std::uint64_t{0}), 0x1p-1022},
      {Extended::FromFields(true, Extended::kBias - 1030, kTop | (std::uint64_t{3} << 18)),
       -(0x1p-1030 + 0x1p-1073)},  // a subnormal tie, rounded to even upwards
  };
  for (const auto& c : kCases) {
    EXPECT_TRUE(test::SameBits(c.value.ToDouble(), c.want))
        << Fields(c.value) << " gives " << c.value.ToDouble() << ", want " << c.want;
  }
}

#if GB_HAVE_X87
// Bit for bit the x87 unit at 64-bit precision, the reference on x86: a million cases an
// operation, from the classes that break arithmetic and at random.
class AgainstX87 : public ::testing::TestWithParam<Operation> {};

TEST_P(AgainstX87, EveryResultBitForBit) {
  UseExtendedPrecision();
  test::OperandSource source(18306 + static_cast<int>(GetParam()));
  int failures = 0;
  for (int i = 0; i < 1000000 && failures < 10; ++i) {
    const int near = source.Near();
    const Extended a = source.Operand(near), b = source.Operand(near);
    const Extended mine = test::Soft(GetParam(), a, b);
    const Extended x87 = test::X87(GetParam(), a, b);
    if (!test::SameBits(mine, x87)) {
      ++failures;
      ADD_FAILURE() << Fields(a) << " op " << static_cast<int>(GetParam()) << " " << Fields(b)
                    << " = " << Fields(mine) << ", x87 " << Fields(x87);
    }
  }
}

std::string OperationName(const ::testing::TestParamInfo<Operation>& info) {
  constexpr const char* kNames[] = {"Add", "Subtract", "Multiply", "Divide"};
  return kNames[static_cast<int>(info.param)];
}

INSTANTIATE_TEST_SUITE_P(Operations, AgainstX87,
                         ::testing::Values(Operation::Add, Operation::Subtract, Operation::Multiply,
                                           Operation::Divide),
                         OperationName);

TEST(AgainstX87, ConversionsAndComparisons) {
  UseExtendedPrecision();
  test::OperandSource source(2015);
  int failures = 0;
  for (int i = 0; i < 1000000 && failures < 10; ++i) {
    const double d = source.Double();
    const volatile long double widened = d;
    if (!test::SameBits(Extended::FromDouble(d), test::FromX87(widened))) {
      ++failures;
      ADD_FAILURE() << "from double " << d;
    }
    const int near = source.Near();
    const Extended a = source.Operand(near), b = source.Operand(near);
    const volatile long double x = test::ToX87(a), y = test::ToX87(b);
    const double stored = x;
    if (!test::SameBits(a.ToDouble(), stored)) {
      ++failures;
      ADD_FAILURE() << "store " << Fields(a) << " = " << a.ToDouble() << ", x87 " << stored;
    }
    if ((a == b) != (x == y) || (a < b) != (x < y) || (a <= b) != (x <= y)) {
      ++failures;
      ADD_FAILURE() << "compare " << Fields(a) << " with " << Fields(b);
    }
    // Below 2^63, so that its negation is defined too (INT64_MIN is a known result).
    const auto integer = static_cast<std::int64_t>(source.Significand() >> (1 + source.Below(63)));
    const volatile long double exact = static_cast<long double>(i % 2 ? integer : -integer);
    if (!test::SameBits(Extended::FromInteger(i % 2 ? integer : -integer), test::FromX87(exact))) {
      ++failures;
      ADD_FAILURE() << "from integer " << integer;
    }
  }
}

// Whole numbers as floorl, ceill and roundl give them: magnitudes from below one half to beyond
// the last fraction bit, halves and their neighbours, carries into the next power of two.
TEST(AgainstX87, WholeNumbers) {
  UseExtendedPrecision();
  test::OperandSource source(1000);
  int failures = 0;
  for (int i = 0; i < 200000 && failures < 10; ++i) {
    const int exponent = -3 + source.Below(70);
    std::uint64_t significand = source.Significand() | kTop;
    if (i % 4 == 1 && exponent >= -1 && exponent < 63) {
      // Exactly a half, or one unit either side of it.
      const std::uint64_t half = std::uint64_t{1} << (62 - exponent);
      significand = ((significand & ~(2 * half - 1)) | half) + (i % 3) - 1;
      significand |= kTop;
    }
    const Extended x = Extended::FromSignificand(i % 2 == 0, significand, exponent);
    const volatile long double v = test::ToX87(x);
    const struct {
      Extended mine;
      long double x87;
      const char* name;
    } kResults[] = {{Floor(x), std::floor(v), "floor"},
                    {Ceil(x), std::ceil(v), "ceil"},
                    {RoundHalfAway(x), std::round(v), "round"}};
    for (const auto& r : kResults) {
#ifdef _WIN32
      // MinGW's roundl adds one half first, so 0.49999... comes out as 1: no reference there.
      if (r.name[0] == 'r') continue;
#endif
      if (!test::SameBits(r.mine, test::FromX87(r.x87))) {
        ++failures;
        ADD_FAILURE() << r.name << " " << Fields(x) << " = " << Fields(r.mine) << ", x87 "
                      << Fields(test::FromX87(r.x87));
      }
    }
  }
  for (const Extended special : {Extended(), -Extended(), Extended::Infinity(true)}) {
    EXPECT_TRUE(test::SameBits(Floor(special), special));
    EXPECT_TRUE(test::SameBits(RoundHalfAway(special), special));
  }
}
#else
TEST(AgainstX87, NoReferenceHere) { GTEST_SKIP() << "no x87 unit to compare with"; }
#endif

}  // namespace
}  // namespace gb
