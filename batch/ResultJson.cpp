#include "batch/ResultJson.h"

#include "batch/BatchColumns.h"
#include "batch/JsonText.h"
#include "engine/DesignResponse.h"

namespace gb {

void AppendResultGridJson(std::string& out, ResultGrid grid, const ParameterSet& p,
                          CellTextMemo* memo) {
  out += '{';
  for (int level = 0; level < kLevelCount; ++level) {
    if (level > 0) out += ',';
    AppendJsonString(out, LevelKey(level));
    out.append(":{");
    for (int s = 0; s < kSiteClassCount; ++s) {
      if (s > 0) out += ',';
      AppendJsonString(out, kSiteClassLabels[s]);
      out += ':';
      if (memo != nullptr) {
        out.append(memo->Text(ResultCellValue(grid, p, level, s)));
      } else {
        out.append(ResultCellText(grid, p, level, s));
      }
    }
    out += '}';
  }
  out += '}';
}

namespace {

void AppendMember(std::string& out, const char* name, const std::string& text) {
  AppendJsonString(out, name);
  out += ':';
  AppendJsonString(out, text);
}

template <class Sample>
void AppendSamples(std::string& out, Sample&& sample) {
  out += '[';
  for (int i = 0; i < SpectrumPointCount; ++i) {
    if (i > 0) out += ',';
    AppendJsonNumber(out, sample(i));
  }
  out += ']';
}

}  // namespace

void AppendSpectrumReadingJson(std::string& out, const SpectrumReading& reading) {
  out.append("{\"period\":").append(reading.periodText);
  for (int level = 0; level < kLevelCount; ++level) {
    out += ',';
    AppendJsonString(out, LevelKey(level));
    out.append(":").append(reading.saTexts[level]);
  }
  out += '}';
}

std::string SiteJsonDocument(const SiteInputTexts& in, const ParameterSet& p, int siteClass,
                             std::span<const SpectrumReading> readings) {
  std::string out = "{\"input\":{";
  const std::pair<const char*, const std::string*> texts[] = {
      {"pga", &in.pga},
      {"zone", &in.zone},
      {"k1", &in.k1},
      {"k2", &in.k2},
      {"k3", &in.k3},
      {"rare_tg_increment", &in.rareTgIncrement},
      {"very_rare_tg_increment", &in.veryRareTgIncrement},
      {"beta_max", &in.betaMax}};
  for (const auto& [name, text] : texts) {
    AppendMember(out, name, *text);
    out += ',';
  }
  AppendMember(out, "site", kSiteClassLabels[siteClass]);
  out += '}';
  for (const ResultGrid grid : kResultGrids) {
    out += ',';
    AppendJsonString(out, ResultGridKey(grid));
    out += ':';
    AppendResultGridJson(out, grid, p);
  }
  out.append(",\"spectra\":{");
  AppendMember(out, "site", kSiteClassLabels[siteClass]);
  out.append(",\"period\":");
  AppendSamples(out, [](int i) { return SamplePeriod(i); });
  const auto site = static_cast<SiteClass>(siteClass);
  for (const Level level : kLevels) {
    out += ',';
    AppendJsonString(out, LevelKey(level));
    out += ':';
    AppendSamples(out, [&](int i) { return SpectrumOrdinate(p, level, site, i); });
  }
  out += '}';
  if (!readings.empty()) {
    out.append(",\"sa_at\":[");
    for (std::size_t i = 0; i < readings.size(); ++i) {
      if (i > 0) out += ',';
      AppendSpectrumReadingJson(out, readings[i]);
    }
    out += ']';
  }
  out.append("}\n");
  return out;
}

}  // namespace gb
