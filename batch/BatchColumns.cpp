#include "batch/BatchColumns.h"

#include <unordered_set>

#include "batch/BatchErrors.h"
#include "text/EchoedText.h"
#include "text/Trim.h"

namespace gb {

const char* const kBatchInputNames[kBatchInputCount] = {
    "pga", "zone", "k1", "k2", "k3", "rare_tg_increment", "very_rare_tg_increment", "beta_max"};

std::string NormalColumnName(std::string_view name) {
  // Spreadsheets and hand-written headers often pad names (" pga , zone").
  std::string normal(TrimBlanks(name));
  for (char& c : normal) {
    if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
    if (c == '-') c = '_';
  }
  return normal;
}

namespace {

// Whether an input column would stand beside an output column of the same name in the results.
bool IsOutputColumnName(const std::string& normalName) {
  static const std::unordered_set<std::string> kNames = [] {
    std::unordered_set<std::string> names{"error"};
    for (int level = 0; level < kLevelCount; ++level) {
      names.insert(SaColumnName(level));
      for (const ResultGrid grid : kResultGrids) {
        for (int s = 0; s < kSiteClassCount; ++s) {
          names.insert(NormalColumnName(ResultColumnName(grid, level, s)));
        }
      }
    }
    return names;
  }();
  return kNames.contains(normalName);
}

// The header's names as the message of a missing column shows them, so a misspelt or oddly
// encoded header is seen for what it is; a long header is cut.
std::string FoundNames(const std::vector<std::string>& header) {
  constexpr std::size_t kShownNames = 12;
  if (header.empty() || (header.size() == 1 && header[0].empty())) return "the input is empty";
  std::string text = "its columns are ";
  for (std::size_t i = 0; i < header.size() && i < kShownNames; ++i) {
    if (i > 0) text.append(", ");
    text.append("'").append(EchoedText(header[i])).append("'");
  }
  if (header.size() > kShownNames) text.append(", …");
  return text;
}

}  // namespace

BatchColumns MapBatchColumns(const std::vector<std::string>& header) {
  BatchColumns columns;
  for (int& column : columns.input) column = -1;
  std::unordered_set<std::string> seen;
  seen.reserve(header.size());
  for (std::size_t i = 0; i < header.size(); ++i) {
    const auto [at, fresh] = seen.insert(NormalColumnName(header[i]));
    if (!fresh) {
      std::string message = "the input has two columns named '";
      throw EBatchHeader(message.append(EchoedText(header[i])).append("'"));
    }
    const std::string& name = *at;
    if (IsOutputColumnName(name)) {
      std::string message = "the input column '";
      throw EBatchHeader(
          message.append(EchoedText(header[i])).append("' has the name of an output column"));
    }
    for (int input = 0; input < kBatchInputCount; ++input) {
      if (name == kBatchInputNames[input]) columns.input[input] = static_cast<int>(i);
    }
    if (name == "period") columns.period = static_cast<int>(i);
    if (name == "site") columns.site = static_cast<int>(i);
  }
  for (const int input : {biPga, biZone}) {
    if (columns.input[input] < 0) {
      std::string message = "the input has no column '";
      throw EBatchHeader(
          message.append(kBatchInputNames[input]).append("' (").append(FoundNames(header)) + ")");
    }
  }
  return columns;
}

const char* ResultGridKey(ResultGrid grid) {
  switch (grid) {
    case ResultGrid::Pga:
      return "pga";
    case ResultGrid::Period:
      return "tg";
    case ResultGrid::Platform:
      break;
  }
  return "platform";
}

const char* LevelKey(int level) {
  constexpr const char* kKeys[kLevelCount] = {"frequent", "basic", "rare", "very_rare"};
  return kKeys[level];
}

std::string ResultColumnName(ResultGrid grid, int level, int siteClass) {
  std::string name = ResultGridKey(grid);
  return name.append("_").append(LevelKey(level)).append("_").append(kSiteClassLabels[siteClass]);
}

std::string SaColumnName(int level) { return std::string("sa_").append(LevelKey(level)); }

}  // namespace gb
