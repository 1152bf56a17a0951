#include "spectrumfile/SpectrumFile.h"

#include <vector>

#include "spectrumfile/SpectrumFunction.h"
#include "text/ShortestDouble.h"

namespace gb {

namespace {

constexpr const char* kLevelOptionNames[kLevelCount] = {"frequent", "basic", "rare", "very-rare"};

std::string Number(double value) { return ShortestDouble(value); }

// Titles without commas, which some programs read as field separators even in a title:
// "GB 18306-2015 基本地震动 II类场地 设计加速度反应谱 A=0.05g Tg=0.35s".
std::string LevelTitle(const SpectrumFileContent& c) {
  return std::string("GB 18306-2015 ") + kLevelLabels[c.level] + " " +
         kSiteClassLabels[c.siteClass] +
         "类场地 设计加速度反应谱 A=" + Number(c.p.FPga[c.level][c.siteClass]) +
         "g Tg=" + Number(c.p.FTg[c.level][c.siteClass]) + "s";
}

std::string SiteTitle(const SpectrumFileContent& c) {
  return std::string("GB 18306-2015 ") + kSiteClassLabels[c.siteClass] +
         "类场地 设计加速度反应谱 (g)";
}

// The window's inputs: the two zonation values and the six factors.
std::string InputsText(const SpectrumFileContent& c) {
  const ParameterSet& p = c.p;
  std::string text = "II类场地 PGA=";
  text.append(c.pgaItemText).append("g Tg=").append(c.tgZoneItemText);
  text.append("s K1=").append(Number(p.FK1));
  text.append(" K2=").append(Number(p.FK2));
  text.append(" K3=").append(Number(p.FK3));
  text.append(" 罕遇ΔTg=").append(Number(p.FRareTgIncrement));
  text.append("s 极罕遇ΔTg=").append(Number(p.FVeryRareTgIncrement));
  text.append("s βm=").append(Number(p.FBetaMax));
  return text;
}

class Lines {
 public:
  explicit Lines(std::string_view end) : end_(end) {}
  Lines& operator<<(std::string_view line) {
    text_.append(line).append(end_);
    return *this;
  }
  std::string Take() { return std::move(text_); }

 private:
  std::string_view end_;
  std::string text_;
};

std::string SgsText(const SpectrumFileContent& c, std::string_view lineEnd) {
  Lines out(lineEnd);
  out << "*SGSw";
  out << "*TITLE, " + LevelTitle(c);
  out << "*TITLE, " + InputsText(c);
  out << "*X-AXIS, Period (sec)";
  out << "*Y-AXIS, Spectral Acceleration (g)";
  out << "*UNIT&TYPE, GRAV, ACCEL";
  out << "*FLAGS, 0, 0";
  out << "*DATA";
  for (const SpectrumPoint& point : SpectrumFunctionPoints(c.p, c.level, c.siteClass)) {
    out << Number(point.period) + ", " + Number(point.sa);
  }
  out << "*ENDDATA";
  return out.Take();
}

std::string CsiText(const SpectrumFileContent& c, std::string_view lineEnd) {
  Lines out(lineEnd);
  out << "$ " + LevelTitle(c);
  out << "$ " + InputsText(c);
  out << "$ Period (s)  Sa (g)";
  for (const SpectrumPoint& point : SpectrumFunctionPoints(c.p, c.level, c.siteClass)) {
    out << Number(point.period) + " " + Number(point.sa);
  }
  return out.Take();
}

// A Tcl list of `values`, eight to a line.
std::string TclList(const std::vector<double>& values, std::string_view lineEnd) {
  std::string list = "{";
  for (std::size_t i = 0; i < values.size(); ++i) {
    if (i % 8 == 0)
      list.append(lineEnd).append("    ");
    else
      list.push_back(' ');
    list.append(Number(values[i]));
  }
  return list.append(lineEnd).append("}");
}

std::string OpenSeesText(const SpectrumFileContent& c, std::string_view lineEnd) {
  std::vector<double> periods, values;
  for (const SpectrumPoint& point : SpectrumFunctionPoints(c.p, c.level, c.siteClass)) {
    periods.push_back(point.period);
    values.push_back(point.sa);
  }
  Lines out(lineEnd);
  out << "# " + LevelTitle(c);
  out << "# " + InputsText(c);
  out << "# Sa in g at the periods in s, as series 1: responseSpectrumAnalysis 1 DIR -scale g";
  out << "timeSeries Path 1 -time " + TclList(periods, lineEnd) + " -values " +
             TclList(values, lineEnd);
  return out.Take();
}

std::string CsvText(const SpectrumFileContent& c) {
  Lines out("\r\n");
  out << SiteTitle(c);
  out << InputsText(c);
  std::string header = "T (s)";
  for (const Level level : kLevels) header.append(",").append(kLevelLabels[level]);
  out << header;
  for (const double period : SpectrumFunctionPeriods(c.p, c.siteClass)) {
    std::string line = Number(period);
    for (const Level level : kLevels) {
      line.append(",").append(Number(SpectrumFunctionValue(c.p, level, c.siteClass, period)));
    }
    out << line;
  }
  return out.Take();
}

}  // namespace

const SpectrumFileFormatDesign& SpectrumFileFormatOf(SpectrumFileFormat format) {
  return kSpectrumFileFormats[static_cast<int>(format)];
}

std::optional<SpectrumFileFormat> SpectrumFileFormatNamed(std::string_view name) {
  for (const SpectrumFileFormatDesign& design : kSpectrumFileFormats) {
    if (name == design.Name) return design.Format;
  }
  return std::nullopt;
}

std::optional<Level> LevelNamed(std::string_view name) {
  for (const Level level : kLevels) {
    if (name == kLevelOptionNames[level] || name == kLevelLabels[level]) return level;
  }
  return std::nullopt;
}

std::string SpectrumFileText(SpectrumFileFormat format, const SpectrumFileContent& content,
                             std::string_view lineEnd) {
  switch (format) {
    case SpectrumFileFormat::Sgs:
      return SgsText(content, lineEnd);
    case SpectrumFileFormat::Csi:
      return CsiText(content, lineEnd);
    case SpectrumFileFormat::OpenSees:
      return OpenSeesText(content, lineEnd);
    case SpectrumFileFormat::Csv:
      break;
  }
  return CsvText(content);
}

std::filesystem::path LevelFilePath(const std::filesystem::path& path, Level level) {
  const std::string_view label = kLevelLabels[level];
  std::filesystem::path name = path.stem();
  name += "-";
  name += std::filesystem::path(std::u8string(label.begin(), label.end()));
  name += path.extension();
  return path.parent_path() / name;
}

}  // namespace gb
