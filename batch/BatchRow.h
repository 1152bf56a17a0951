// One site of a batch: its input texts in, its parameter set or its error out.
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "batch/BatchColumns.h"
#include "engine/ParameterSet.h"
#include "report/SaReadings.h"

namespace gb {

struct RowOutcome {
  bool ok = false;
  std::string error;                       // as the window's error box shows it; empty when ok
  std::string context;                     // the column of the rejected text, where known
  ParameterSet p;                          // complete when ok
  std::optional<SpectrumReading> reading;  // Sa at the row's period, when it names one
};

// What a row asks of the spectrum beyond the grids: the site class whose spectra must be
// drawable (the row's "site" text, or `siteClass` where it names none), and a period to read Sa
// at (none: no reading).
struct RowSpectrum {
  int siteClass = 2;
  std::string_view site;
  std::optional<std::string_view> period;
};

// Calculates one site exactly as a single run with these texts would: "pga" and "zone" must
// name an item of their lists, the texts go through the window's calculation, then the spectra
// of `siteClass` must be drawable. The first failure becomes the row's error. Numbers are read
// with the separators in force.
RowOutcome CalculateRow(const std::string_view (&texts)[kBatchInputCount], int siteClass);

// The same for the row's site class (a text that is no site class is the row's error, before
// anything is calculated), then Sa of the four levels at `spectrum.period` (ParsePeriodText: a
// negative period is the row's error), as `gb18306-cli --site <class> --period <text>` gives it.
RowOutcome CalculateRow(const std::string_view (&texts)[kBatchInputCount],
                        const RowSpectrum& spectrum);

}  // namespace gb
