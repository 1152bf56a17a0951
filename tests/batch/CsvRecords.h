// The records of a CSV text, read back by the batch's own reader.
#pragma once

#include <sstream>
#include <string>
#include <vector>

#include "batch/CsvReader.h"

namespace gb::test {

inline std::vector<std::vector<std::string>> Records(const std::string& csv) {
  std::istringstream in(csv);
  CsvReader reader(in);
  std::vector<std::vector<std::string>> records;
  std::vector<std::string> fields;
  while (reader.Next(fields)) records.push_back(fields);
  return records;
}

}  // namespace gb::test
