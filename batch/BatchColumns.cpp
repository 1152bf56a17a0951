#include "batch/BatchColumns.h"

#include "batch/BatchErrors.h"

namespace gb {

const char* const kBatchInputNames[kBatchInputCount] = {
    "pga", "zone", "k1", "k2", "k3", "rare_tg_increment", "very_rare_tg_increment", "beta_max"};

std::string NormalColumnName(std::string_view name) {
  std::string normal(name);
  for (char& c : normal) {
    if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
    if (c == '-') c = '_';
  }
  return normal;
}

namespace {

// Whether an input column would stand beside an output column of the same name in the results.
bool IsOutputColumnName(const std::string& normalName) {
  if (normalName == "error") return true;
  for (int level = 0; level < kLevelCount; ++level) {
    if (normalName == SaColumnName(level)) return true;
    for (const ResultGrid grid : kResultGrids) {
      for (int s = 0; s < kSiteClassCount; ++s) {
        if (normalName == NormalColumnName(ResultColumnName(grid, level, s))) return true;
      }
    }
  }
  return false;
}

}  // namespace

BatchColumns MapBatchColumns(const std::vector<std::string>& header) {
  BatchColumns columns;
  for (int& column : columns.input) column = -1;
  std::vector<std::string> seen;
  for (std::size_t i = 0; i < header.size(); ++i) {
    std::string name = NormalColumnName(header[i]);
    for (const std::string& earlier : seen) {
      if (earlier == name) {
        std::string message = "the input has two columns named '";
        throw EBatchHeader(message.append(header[i]).append("'"));
      }
    }
    if (IsOutputColumnName(name)) {
      std::string message = "the input column '";
      throw EBatchHeader(message.append(header[i]).append("' has the name of an output column"));
    }
    for (int input = 0; input < kBatchInputCount; ++input) {
      if (name == kBatchInputNames[input]) columns.input[input] = static_cast<int>(i);
    }
    if (name == "period") columns.period = static_cast<int>(i);
    if (name == "site") columns.site = static_cast<int>(i);
    seen.push_back(std::move(name));
  }
  for (const int input : {biPga, biZone}) {
    if (columns.input[input] < 0) {
      std::string message = "the input has no column '";
      throw EBatchHeader(message.append(kBatchInputNames[input]).append("'"));
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
