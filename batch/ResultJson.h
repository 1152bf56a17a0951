// The results of one site as JSON: the grids, and for a single site its spectra too.
#pragma once

#include <span>
#include <string>

#include "batch/CellTextMemo.h"
#include "engine/ParameterSet.h"
#include "report/ResultGridTexts.h"
#include "report/SaReadings.h"

namespace gb {

// {"frequent":{"I0":0.0120,...},...,"very_rare":{...}}: each grid text written as the JSON
// number it is. The texts come through `memo` where one is given.
void AppendResultGridJson(std::string& out, ResultGrid grid, const ParameterSet& p,
                          CellTextMemo* memo = nullptr);

// {"period":T,"frequent":Sa,"basic":Sa,"rare":Sa,"very_rare":Sa}: the four-decimal texts of
// the reading written as the JSON numbers they are.
void AppendSpectrumReadingJson(std::string& out, const SpectrumReading& reading);

// The texts a single site was calculated from, UTF-8.
struct SiteInputTexts {
  std::string pga, zone, k1, k2, k3, rareTgIncrement, veryRareTgIncrement, betaMax;
};

// One JSON document for a single site, ending with a line break: "input" (the texts, and the
// site class of the spectra), "pga", "tg" and "platform" as AppendResultGridJson writes them,
// then "spectra": the site class, the 241 sample periods and the ordinates of each level as
// arrays of numbers (shortest forms that read back as the same doubles), and, where periods were
// asked for, "sa_at": the readings in their order. The spectra must be known to be drawable
// (CheckPlottedSpectra).
std::string SiteJsonDocument(const SiteInputTexts& inputs, const ParameterSet& p, int siteClass,
                             std::span<const SpectrumReading> readings = {});

}  // namespace gb
