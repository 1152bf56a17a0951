// Inputs and file helpers shared by the report and command-line tests.
#pragma once

#include <filesystem>
#include <fstream>
#include <iterator>
#include <optional>
#include <random>
#include <set>
#include <string>
#include <vector>

#include "engine/ParameterSet.h"
#include "report/ResultGridTexts.h"
#include "tests/support/DesignedParameters.h"
#include "text/NumberSeparators.h"

namespace gb::test {

// The window's first calculation: its initial inputs, stepped in its order.
inline ParameterSet DefaultParameters() {
  DecimalSeparator = u'.';
  ThousandSeparator = u',';
  return DesignedParameterSet();
}

struct ResultGrids {
  explicit ResultGrids(const ParameterSet& p)
      : pga(MakeResultGrid(ResultGrid::Pga, p)),
        period(MakeResultGrid(ResultGrid::Period, p)),
        platform(MakeResultGrid(ResultGrid::Platform, p)) {}
  GridTexts pga, period, platform;
};

// A fresh folder, removed with everything in it (read-only subfolders included) afterwards.
class TempFolder {
 public:
  TempFolder() {
    std::random_device random;
    for (;;) {
      path_ = std::filesystem::temp_directory_path() / ("gb-report-" + std::to_string(random()));
      if (std::filesystem::create_directory(path_)) break;
    }
  }
  ~TempFolder() {
    namespace fs = std::filesystem;
    std::error_code ignored;
    for (const auto& entry : fs::recursive_directory_iterator(path_, ignored)) {
      if (entry.is_directory(ignored) && !entry.is_symlink(ignored)) {
        fs::permissions(entry.path(), fs::perms::owner_all, fs::perm_options::add, ignored);
      }
    }
    fs::remove_all(path_, ignored);
  }
  std::filesystem::path operator/(const std::string& name) const { return path_ / name; }
  const std::filesystem::path& Path() const { return path_; }

 private:
  std::filesystem::path path_;
};

inline std::string ReadFile(const std::filesystem::path& path) {
  std::ifstream in(path, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

inline void WriteFile(const std::filesystem::path& path, const std::string& bytes) {
  std::ofstream(path, std::ios::binary) << bytes;
}

// Every name in the folder, hidden ones included, so a left-over temporary file shows up.
inline std::set<std::string> Entries(const std::filesystem::path& folder) {
  std::set<std::string> names;
  for (const auto& entry : std::filesystem::directory_iterator(folder)) {
    names.insert(entry.path().filename().string());
  }
  return names;
}

inline std::vector<std::string> SplitCrLf(const std::string& text) {
  std::vector<std::string> lines;
  for (std::size_t start = 0, end; (end = text.find("\r\n", start)) != std::string::npos;
       start = end + 2) {
    lines.push_back(text.substr(start, end - start));
  }
  return lines;
}

// A locale the machine may not have installed, compiled once per test process into a folder for
// LOCPATH; none where localedef or the locale's sources are missing.
inline std::optional<std::string> CompiledLocale(const std::string& language,
                                                 const std::string& charset) {
  static TempFolder folder;
  const std::filesystem::path compiled = folder / (language + "." + charset);
  if (!std::filesystem::exists(compiled)) {
    const std::string command = "localedef -i " + language + " -f " + charset + " " +
                                compiled.string() + " >/dev/null 2>&1";
    if (std::system(command.c_str()) != 0 && !std::filesystem::exists(compiled / "LC_CTYPE")) {
      return std::nullopt;
    }
  }
  return folder.Path().string();
}

}  // namespace gb::test
