#include "text/ShortestDouble.h"

#include <cstdio>
#include <cstdlib>
#include <string>

namespace gb {

namespace {

// The significant digits and the power of ten of the first: value = 0.d1d2... * 10^point.
struct Decimal {
  std::string digits;
  int point;
};

// printf's %e is the correctly rounded value at each precision, and of all texts with that many
// digits the nearest reads back soonest, so the first precision that reads back is the answer.
Decimal ShortestDigits(double magnitude) {
  char text[40];
  for (int precision = 0;; ++precision) {
    std::snprintf(text, sizeof text, "%.*e", precision, magnitude);
    if (precision == 16 || std::strtod(text, nullptr) == magnitude) break;
  }
  Decimal d{{}, 0};
  const char* p = text;
  for (; *p != 'e'; ++p) {
    if (*p != '.') d.digits += *p;
  }
  d.point = std::atoi(p + 1) + 1;
  while (d.digits.size() > 1 && d.digits.back() == '0') d.digits.pop_back();
  return d;
}

// A whole number is written with all its digits, as to_chars does: 2^60 is 1152921504606846976,
// not the shortest digits padded with zeros.
std::string Plain(const Decimal& d, double magnitude) {
  const int count = static_cast<int>(d.digits.size());
  if (d.point <= 0) {
    // Appended throughout: GCC 12 warns falsely (-Wrestrict) about inserting and adding.
    std::string text = "0.";
    return text.append(static_cast<std::size_t>(-d.point), '0').append(d.digits);
  }
  if (d.point >= count) {
    char text[320];
    std::snprintf(text, sizeof text, "%.0f", magnitude);
    return text;
  }
  const auto point = static_cast<std::size_t>(d.point);
  std::string text = d.digits.substr(0, point);
  return text.append(1, '.').append(d.digits, point);
}

std::string Scientific(const Decimal& d) {
  std::string text = d.digits.substr(0, 1);
  if (d.digits.size() > 1) text.append(".").append(d.digits, 1);
  const int exponent = d.point - 1;
  char tail[16];
  std::snprintf(tail, sizeof tail, "e%c%02d", exponent < 0 ? '-' : '+',
                exponent < 0 ? -exponent : exponent);
  return text + tail;
}

}  // namespace

std::string ShortestDouble(double value) {
  const bool negative = value < 0 || (value == 0 && 1 / value < 0);
  const double magnitude = negative ? -value : value;
  std::string text;
  if (magnitude == 0) {
    text = "0";
  } else {
    const Decimal d = ShortestDigits(magnitude);
    std::string plain = Plain(d, magnitude), scientific = Scientific(d);
    text = scientific.size() < plain.size() ? std::move(scientific) : std::move(plain);
  }
  return negative ? text.insert(0, 1, '-') : text;
}

}  // namespace gb
