// One site of a batch: its input texts in, its parameter set or its error out.
#pragma once

#include <string>
#include <string_view>

#include "batch/BatchColumns.h"
#include "engine/ParameterSet.h"

namespace gb {

struct RowOutcome {
  bool ok = false;
  std::string error;  // as the window's error box shows it; empty when ok
  ParameterSet p;     // complete when ok
};

// Calculates one site exactly as a single run with these texts would: "pga" and "zone" must
// name an item of their lists, the texts go through the window's calculation, then the spectra
// of `siteClass` must be drawable. The first failure becomes the row's error. Numbers are read
// with the separators in force.
RowOutcome CalculateRow(const std::string_view (&texts)[kBatchInputCount], int siteClass);

}  // namespace gb
