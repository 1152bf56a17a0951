// Writes engine/DecayPowerTables.h, the tables of DecayPower's fast path, from MPFR:
//   g++ -O1 tools/decay-power-tables.cpp -lmpfr -lgmp -o /tmp/tables && /tmp/tables >
//   engine/DecayPowerTables.h clang-format -i engine/DecayPowerTables.h
#include <mpfr.h>

#include <cstdio>

namespace {

constexpr mpfr_prec_t kWide = 512;

// The long double nearest v and the long double nearest what remains.
void Split(mpfr_t v, long double& hi, long double& lo) {
  mpfr_t rest, high;
  mpfr_inits2(kWide, rest, high, static_cast<mpfr_ptr>(nullptr));
  hi = mpfr_get_ld(v, MPFR_RNDN);
  mpfr_set_ld(high, hi, MPFR_RNDN);
  mpfr_sub(rest, v, high, MPFR_RNDN);
  lo = mpfr_get_ld(rest, MPFR_RNDN);
  mpfr_clears(rest, high, static_cast<mpfr_ptr>(nullptr));
}

// v rounded to `bits` significant bits, and the long double nearest what remains.
void Short(mpfr_t v, mpfr_prec_t bits, long double& hi, long double& lo) {
  mpfr_t high, rest;
  mpfr_init2(high, bits);
  mpfr_init2(rest, kWide);
  mpfr_set(high, v, MPFR_RNDN);
  mpfr_sub(rest, v, high, MPFR_RNDN);
  hi = mpfr_get_ld(high, MPFR_RNDN);
  lo = mpfr_get_ld(rest, MPFR_RNDN);
  mpfr_clears(high, rest, static_cast<mpfr_ptr>(nullptr));
}

}  // namespace

int main() {
  mpfr_t centre, value, x;
  mpfr_init2(centre, 24);
  mpfr_inits2(kWide, value, x, static_cast<mpfr_ptr>(nullptr));
  std::puts(
      "// Tables of the fast path of DecayPower, made by tools/decay-power-tables.cpp with MPFR; "
      "each\n"
      "// pair is the long double nearest the value and the long double nearest what remains, "
      "about 128\n"
      "// bits together. A test checks every entry against MPFR.\n"
      "#pragma once\n\nnamespace gb::decay_power {\n\nstruct LogCentre {\n"
      "  long double centre;  // about 1 / (1 + (i + 1/2) / 128), with 24 significant bits\n"
      "  long double minusLogHi, minusLogLo;  // -ln(centre)\n};\n\n"
      "// Entry i serves significands 1 + i/128 to 1 + (i + 1)/128.\n"
      "inline constexpr LogCentre kLogCentres[128] = {");
  for (int i = 0; i < 128; ++i) {
    mpfr_set_d(x, 1.0 + (i + 0.5) / 128.0, MPFR_RNDN);
    mpfr_ui_div(centre, 1, x, MPFR_RNDN);
    mpfr_log(value, centre, MPFR_RNDN);
    mpfr_neg(value, value, MPFR_RNDN);
    long double hi, lo;
    Split(value, hi, lo);
    std::printf("    {%LaL, %LaL, %LaL},\n", mpfr_get_ld(centre, MPFR_RNDN), hi, lo);
  }
  std::puts(
      "};\n\nstruct Pair {\n  long double hi, lo;\n};\n\n// 2^(j/64).\n"
      "inline constexpr Pair kExp2Sixtyfourths[64] = {");
  for (int j = 0; j < 64; ++j) {
    mpfr_set_d(x, j / 64.0, MPFR_RNDN);
    mpfr_exp2(value, x, MPFR_RNDN);
    long double hi, lo;
    Split(value, hi, lo);
    std::printf("    {%LaL, %LaL},\n", hi, lo);
  }
  long double hi, lo;
  mpfr_const_log2(value, MPFR_RNDN);
  Short(value, 48, hi, lo);
  std::printf(
      "};\n\n// ln 2 with 48 bits in the high part, so that any exponent times it is exact.\n"
      "inline constexpr long double kLn2Hi = %LaL;\ninline constexpr long double kLn2Lo = %LaL;\n",
      hi, lo);
  mpfr_div_ui(x, value, 64, MPFR_RNDN);
  Short(x, 43, hi, lo);
  std::printf(
      "// ln 2 / 64 with 43 bits in the high part, so that any multiple up to 2^20 is exact.\n"
      "inline constexpr long double kLn2By64Hi = %LaL;\ninline constexpr long double kLn2By64Lo = "
      "%LaL;\n",
      hi, lo);
  mpfr_ui_div(x, 64, value, MPFR_RNDN);
  std::printf("inline constexpr long double k64ByLn2 = %LaL;\n\n}  // namespace gb::decay_power\n",
              mpfr_get_ld(x, MPFR_RNDN));
  mpfr_clears(centre, value, x, static_cast<mpfr_ptr>(nullptr));
}
