#include "platform/LocaleSeparators.h"
#include "text/NumberSeparators.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <optional>
#include <string>

#include "tests/support/Environment.h"
#include "tests/text/SeparatorGuard.h"

// glibc's newlocale never frees its parsed copy of LOCPATH, which these tests set; that must not
// fail a leak-checking build.
extern "C" const char* __lsan_default_suppressions() {
  return "leak:argz_create_sep\nleak:argz_add_sep\n";
}

namespace gb {
namespace {

// Sets an environment variable for one scope and puts the old value back.
class EnvironmentGuard {
 public:
  EnvironmentGuard(const char* name, const std::string& value) : name_(name) {
    if (const char* old = std::getenv(name)) old_ = old;
    test::SetEnv(name, value);
  }
  EnvironmentGuard(const EnvironmentGuard&) = delete;
  EnvironmentGuard& operator=(const EnvironmentGuard&) = delete;
  ~EnvironmentGuard() {
    if (old_) {
      test::SetEnv(name_, *old_);
    } else {
      test::UnsetEnv(name_);
    }
  }

 private:
  const char* name_;
  std::optional<std::string> old_;
};

// Compiles a locale into a private directory once, so the test doesn't depend on which locales
// the machine happens to have installed. Empty when localedef or the sources are missing.
std::string CompiledLocaleDirectory(const std::string& input, const std::string& charmap) {
  const std::filesystem::path dir =
      std::filesystem::path(::testing::TempDir()) / "gb18306-text-locales";
  const std::string name = input + "." + charmap;
  if (!std::filesystem::exists(dir / name)) {
    std::filesystem::create_directories(dir);
    const std::string command = "localedef -i " + input + " -f " + charmap + " " +
                                (dir / name).string() + " >/dev/null 2>&1";
    if (std::system(command.c_str()) != 0 && !std::filesystem::exists(dir / name / "LC_NUMERIC")) {
      return {};
    }
  }
  return dir.string();
}

struct LocaleRow {
  std::string input;    // locale source, e.g. de_DE
  std::string charmap;  // e.g. UTF-8
  char16_t decimal;
  char16_t thousand;
  friend void PrintTo(const LocaleRow& r, std::ostream* os) { *os << r.input << "." << r.charmap; }
};

class SeparatorsFromLocaleTest : public ::testing::TestWithParam<LocaleRow> {};
TEST_P(SeparatorsFromLocaleTest, ReadFromLcAll) {
  if (!test::kLocaleFromEnvironment) GTEST_SKIP() << "Windows reads its regional settings";
#ifdef GB_TEST_EMULATOR
  GTEST_SKIP() << "the emulated static C library rejects the LC_CTYPE this machine's localedef "
                  "compiles";
#endif
  const LocaleRow& row = GetParam();
  const std::string dir = CompiledLocaleDirectory(row.input, row.charmap);
  if (dir.empty()) GTEST_SKIP() << "cannot compile locale " << row.input;
  const testing::SeparatorGuard restore;
  const EnvironmentGuard path("LOCPATH", dir);
  const EnvironmentGuard all("LC_ALL", row.input + "." + row.charmap);
  RefreshNumberSeparators();
  EXPECT_EQ(DecimalSeparator, row.decimal);
  EXPECT_EQ(ThousandSeparator, row.thousand);
}
INSTANTIATE_TEST_SUITE_P(Rows, SeparatorsFromLocaleTest,
                         ::testing::Values(LocaleRow{"de_DE", "UTF-8", u',', u'.'},
                                           LocaleRow{"en_US", "UTF-8", u'.', u','},
                                           LocaleRow{"fr_FR", "UTF-8", u',', u'\u202F'},
                                           LocaleRow{"de_CH", "ISO-8859-1", u'.', u'\''}));

struct BuiltInRow {
  std::string lcAll;
  char16_t decimal;
  char16_t thousand;
  friend void PrintTo(const BuiltInRow& r, std::ostream* os) { *os << r.lcAll; }
};

class SeparatorsWithoutLocaleFilesTest : public ::testing::TestWithParam<BuiltInRow> {};
TEST_P(SeparatorsWithoutLocaleFilesTest, ReadFromLcAll) {
  if (!test::kLocaleFromEnvironment) GTEST_SKIP() << "Windows reads its regional settings";
  const testing::SeparatorGuard restore(u'?', u'?');
  const EnvironmentGuard all("LC_ALL", GetParam().lcAll);
  RefreshNumberSeparators();
  EXPECT_EQ(DecimalSeparator, GetParam().decimal);
  EXPECT_EQ(ThousandSeparator, GetParam().thousand);
}
INSTANTIATE_TEST_SUITE_P(Rows, SeparatorsWithoutLocaleFilesTest,
                         ::testing::Values(BuiltInRow{"C", u'.', u'\0'},
                                           BuiltInRow{"C.UTF-8", u'.', u'\0'},
                                           BuiltInRow{"xx_NOWHERE.UTF-8", u'.', u','}));

}  // namespace
}  // namespace gb
