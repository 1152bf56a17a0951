#include "text/CurrentError.h"

#include <gtest/gtest.h>

#include <functional>
#include <new>
#include <stdexcept>

namespace gb {
namespace {

TEST(CurrentError, OneLadderForWhateverWasThrown) {
  const struct {
    const char* what;
    std::function<void()> thrower;
    const char* message;         // as the window's box shows it
    const char* foreignMessage;  // as the command line prints it
  } kCases[] = {
      {"own error", [] { throw EConvertError("'x' is not a valid floating point value"); },
       "'x' is not a valid floating point value", "'x' is not a valid floating point value"},
      {"no memory", [] { throw std::bad_alloc(); }, "Out of memory", "Out of memory"},
      {"standard", [] { throw std::runtime_error("boom"); }, "", "boom"},
      {"anything", [] { throw 42; }, "", ""},
  };
  for (const auto& c : kCases) {
    for (const bool keep : {false, true}) {
      try {
        c.thrower();
      } catch (...) {
        EXPECT_EQ(CurrentError(keep).Message(), keep ? c.foreignMessage : c.message) << c.what;
      }
    }
  }
}

}  // namespace
}  // namespace gb
