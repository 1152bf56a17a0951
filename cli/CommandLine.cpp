#include "cli/CommandLine.h"

#include <set>

#include "chart/ImageFormat.h"
#include "cli/CliMessages.h"
#include "platform/TextEncoding.h"
#include "report/ListItemIndex.h"

namespace gb {

namespace {

// The six factor texts: parsed later, exactly as typed.
struct FactorOption {
  std::string_view name;
  std::string CliOptions::*text;
};
constexpr FactorOption kFactorOptions[] = {
    {"--k1", &CliOptions::k1},
    {"--k2", &CliOptions::k2},
    {"--k3", &CliOptions::k3},
    {"--rare-tg-increment", &CliOptions::rareTgIncrement},
    {"--very-rare-tg-increment", &CliOptions::veryRareTgIncrement},
    {"--beta-max", &CliOptions::betaMax},
};

// Texts that are checked against their item lists only once all arguments are read, so that an
// option given twice is reported as such rather than by the first one's text.
struct ItemTexts {
  std::string pga = kPgaZoneItems[0];
  std::string zone = kTgZoneItems[0];
  std::string site = kSiteClassLabels[scII];
  std::string chartSize = "1200x800";
};

std::string* SlotFor(std::string_view name, CliOptions& options, ItemTexts& items) {
  for (const FactorOption& option : kFactorOptions) {
    if (name == option.name) return &(options.*option.text);
  }
  if (name == "--pga") return &items.pga;
  if (name == "--zone") return &items.zone;
  if (name == "--site") return &items.site;
  if (name == "--encoding") return &options.encoding.emplace();
  if (name == "--report") return &options.report.emplace();
  if (name == "--pdf") return &options.pdf.emplace();
  if (name == "--chart") return &options.chart.emplace();
  if (name == "--chart-size") return &items.chartSize;
  if (name == "--batch") return &options.batch.emplace();
  if (name == "--output") return &options.output.emplace();
  if (name == "--input-encoding") return &options.inputEncoding.emplace();
  if (name == "--format") return &options.format.emplace();
  if (name == "--period") return &options.periods.emplace_back();
  if (name == "--project") return &options.project;
  if (name == "--site-name") return &options.siteName;
  if (name == "--spectrum-file") return &options.spectrumFile.emplace();
  if (name == "--level") return &options.level.emplace();
  return nullptr;
}

// The item's list position, or -1.
template <std::size_t N>
int IndexOf(const char* const (&items)[N], std::string_view text) {
  for (std::size_t i = 0; i < N; ++i) {
    if (text == items[i]) return static_cast<int>(i);
  }
  return -1;
}

// A separate value must not look like an option; "-" alone names the standard output.
bool CanBeSeparateValue(std::string_view arg) { return arg == "-" || !arg.starts_with('-'); }

// "WxH" with both sides whole numbers of pixels inside the bounds; false otherwise.
bool ParseChartSize(std::string_view text, int& width, int& height) {
  const std::size_t x = text.find('x');
  if (x == std::string_view::npos) return false;
  auto side = [](std::string_view digits, int& value) {
    if (digits.empty() || digits.size() > 5) return false;
    value = 0;
    for (const char c : digits) {
      if (c < '0' || c > '9') return false;
      value = value * 10 + (c - '0');
    }
    return value >= kMinChartSide && value <= kMaxChartSide;
  };
  return side(text.substr(0, x), width) && side(text.substr(x + 1), height);
}

// 'text', built by appending: GCC 12 warns of an overlap (-Wrestrict) in "'" + a temporary.
std::string Quoted(const std::string& text) {
  std::string quoted = "'";
  return quoted.append(text).append("'");
}

// Whether an option was on the command line.
using GivenOptions = std::set<std::string, std::less<>>;

// Options each mode takes; an option a mode would silently drop is a usage error instead, so a
// script never believes it asked for something it did not get. Empty when they fit.
std::string BatchOptionsProblem(const CliOptions& options, const GivenOptions& given,
                                std::string_view codePage) {
  const bool json = options.format == "json" || options.format == "jsonl";
  if (given.contains("--chart-size") && !options.chart) return "--chart-size needs --chart";
  if ((given.contains("--project") || given.contains("--site-name")) && !options.pdf) {
    return "--project and --site-name go on the calculation sheet; they need --pdf";
  }
  if (json && given.contains("--encoding")) {
    return "--encoding does not go with --format " + *options.format + ", which is always UTF-8";
  }
  if (given.contains("--level") && !options.spectrumFile) return "--level needs --spectrum-file";
  if (options.spectrumFile) {
    if (options.batch || options.report || options.pdf || options.chart || options.format ||
        !options.periods.empty()) {
      return "--spectrum-file does not go with --batch, --report, --pdf, --chart, --format or "
             "--period";
    }
    if (options.inputEncoding) return "--input-encoding needs --batch";
    return {};
  }
  if (!options.batch) {
    if (options.output || options.inputEncoding)
      return "--output and --input-encoding need --batch";
    if (options.format && *options.format != "json") {
      return Quoted(EchoOf(*options.format, codePage))
          .append(" is not a format of a single site; write --format json");
    }
    if (options.format && (options.report || options.pdf || options.chart)) {
      return "--format json prints the site's results; it does not go with --report, --pdf or "
             "--chart";
    }
    const bool files = options.report || options.pdf || options.chart;
    if (files && !options.periods.empty()) {
      return "--period prints Sa beside the result tables; it does not go with --report, --pdf "
             "or --chart";
    }
    if (files && !options.report && given.contains("--encoding")) {
      return "--encoding is the code page of the report and the tables; it does not go with "
             "--pdf or --chart alone";
    }
    return {};
  }
  if (options.report || options.pdf || options.chart) {
    return "--batch does not go with --report, --pdf or --chart";
  }
  for (const char* name : {"--pga", "--zone"}) {
    if (given.contains(name)) {
      return std::string(name) + " does not go with --batch: every row gives its own in the " +
             "column " + (name + 2);
    }
  }
  if (!options.periods.empty()) {
    return "--period does not go with --batch: give the rows a period column";
  }
  if (options.format && *options.format != "csv" && *options.format != "jsonl") {
    return Quoted(EchoOf(*options.format, codePage))
        .append(" is not a format of a batch; write --format csv or jsonl");
  }
  return {};
}

ParsedCommandLine Usage(std::string message) {
  ParsedCommandLine result;
  result.action = CliAction::UsageError;
  result.error = std::move(message);
  return result;
}

}  // namespace

ParsedCommandLine ParseCommandLine(std::span<const std::string_view> args,
                                   std::string_view codePage) {
  const auto echo = [codePage](std::string_view text) { return EchoOf(text, codePage); };
  ParsedCommandLine result;
  ItemTexts items;
  GivenOptions given;
  for (std::size_t i = 0; i < args.size(); ++i) {
    const std::string_view arg = args[i];
    if (!arg.starts_with("--")) return Usage("unexpected argument '" + echo(arg) + "'");
    const std::size_t equals = arg.find('=');
    const std::string_view name = arg.substr(0, equals);
    if (name == "--help" || name == "--version") {
      if (equals != std::string_view::npos) {
        return Usage("option '" + echo(name) + "' takes no value");
      }
      result.action = name == "--help" ? CliAction::Help : CliAction::Version;
      return result;
    }
    std::string* slot = SlotFor(name, result.options, items);
    if (slot == nullptr) return Usage("unknown option '" + echo(name) + "'");
    // Which of two values was meant cannot be known; only --period adds one each time.
    if (!given.emplace(name).second && name != "--period") {
      return Usage("option '" + std::string(name) + "' is given more than once");
    }
    if (equals != std::string_view::npos) {
      *slot = arg.substr(equals + 1);
    } else if (i + 1 < args.size() && CanBeSeparateValue(args[i + 1])) {
      *slot = args[++i];
    } else {
      return Usage("option '" + std::string(name) + "' needs a value (write " + std::string(name) +
                   "=TEXT for a text beginning with '-')");
    }
  }
  result.options.pgaIndex = ListItemIndex(kPgaZoneItems, items.pga);
  if (result.options.pgaIndex < 0) {
    return Usage(NotAnItemText("--pga", echo(items.pga), kPgaZoneItems));
  }
  result.options.tgZoneIndex = ListItemIndex(kTgZoneItems, items.zone);
  if (result.options.tgZoneIndex < 0) {
    return Usage(NotAnItemText("--zone", echo(items.zone), kTgZoneItems));
  }
  result.options.siteClass = IndexOf(kSiteClassLabels, items.site);
  if (result.options.siteClass < 0) {
    return Usage(NotAnItemText("--site", echo(items.site), kSiteClassLabels));
  }
  CliOptions& options = result.options;
  if (!ParseChartSize(items.chartSize, options.chartWidth, options.chartHeight)) {
    return Usage(Quoted(echo(items.chartSize)) +
                 " is not a chart size; write WIDTHxHEIGHT in pixels, " +
                 std::to_string(kMinChartSide) + " to " + std::to_string(kMaxChartSide) +
                 " each, e.g. 1200x800");
  }
  if (options.chart && !ChartImageFormatOf(*options.chart)) {
    return Usage("the chart file '" + echo(*options.chart) + "' must end in .png or .svg");
  }
  if (options.spectrumFile) {
    options.spectrumFormat = SpectrumFileFormatNamed(*options.spectrumFile);
    if (!options.spectrumFormat) {
      return Usage(Quoted(echo(*options.spectrumFile)) +
                   " is not a spectrum file format; write sgs, csi, opensees or csv");
    }
    if (!HoldsOneLevel(*options.spectrumFormat)) {
      if (options.level) {
        return Usage("--spectrum-file csv holds the four levels side by side; it takes no --level");
      }
    } else if (!options.level) {
      return Usage("--spectrum-file " + *options.spectrumFile +
                   " needs --level frequent, basic, rare or very-rare");
    } else if (const std::optional<Level> level =
                   LevelNamed(DecodeText(*options.level, codePage))) {
      options.spectrumLevel = *level;
    } else {
      return Usage(Quoted(echo(*options.level)) +
                   " is not a level; write frequent, basic, rare or very-rare (or 多遇地震动, "
                   "基本地震动, 罕遇地震动, 极罕遇地震动)");
    }
  }
  const int toStdout = (options.report == "-") + (options.pdf == "-");
  if (toStdout > 1) return Usage("only one of --report and --pdf can write to the standard output");
  if (const std::string problem = BatchOptionsProblem(options, given, codePage); !problem.empty()) {
    return Usage(problem);
  }
  return result;
}

std::string UsageText() {
  return "Usage: gb18306-cli [--pga TEXT] [--zone TEXT] [--k1 TEXT] [--k2 TEXT] [--k3 TEXT]\n"
         "                   [--rare-tg-increment TEXT] [--very-rare-tg-increment TEXT]\n"
         "                   [--beta-max TEXT] [--site I0|I1|II|III|IV]\n"
         "                   [--encoding NAME] [--report FILE|-] [--pdf FILE|-]\n"
         "                   [--chart FILE.png|FILE.svg] [--chart-size WxH]\n"
         "                   [--project TEXT] [--site-name TEXT]\n"
         "       gb18306-cli [site and factor options] [--period T]... [--format json]\n"
         "       gb18306-cli [site and factor options] --spectrum-file FORMAT [--level LEVEL]\n"
         "                   [--output FILE|-] [--encoding NAME]\n"
         "       gb18306-cli --batch FILE|- [--output FILE|-] [--format csv|jsonl]\n"
         "                   [--input-encoding NAME] [--encoding NAME] [--site CLASS]\n"
         "                   [factor options]\n"
         "\n"
         "Computes the ground-motion parameters of GB 18306-2015 and prints the three result\n"
         "tables, or writes the CSV report, the calculation sheet (PDF) and the spectrum chart.\n"
         "\n"
         "  --pga TEXT        site class II peak acceleration (g): 0.05, 0.10, 0.15, 0.20,\n"
         "                    0.30 or 0.40 (default 0.05)\n"
         "  --zone TEXT       characteristic period zone (s): 0.35, 0.40 or 0.45 (default 0.35)\n"
         "  --k1 TEXT         very rare scale factor K1 (default 2.9)\n"
         "  --k2 TEXT         rare scale factor K2 (default 1.9)\n"
         "  --k3 TEXT         frequent scale factor K3 (default 0.3333)\n"
         "  --rare-tg-increment TEXT\n"
         "                    rare characteristic period increment (s) (default 0.05)\n"
         "  --very-rare-tg-increment TEXT\n"
         "                    very rare characteristic period increment (s) (default 0.05)\n"
         "  --beta-max TEXT   platform of the amplification factor spectrum (default 2.5)\n"
         "  --site CLASS      site class of the spectra: evaluated as the window plots them,\n"
         "                    written as the report's spectrum lines, drawn in the sheet and\n"
         "                    the chart (default II)\n"
         "  --encoding NAME   code page of the report and the tables: any name iconv knows\n"
         "                    that keeps CR, LF, digits, ',' and '.' as in ASCII (default:\n"
         "                    the locale's character set, UTF-8 for the C locale)\n"
         "  --report FILE     write the report to FILE, or to the standard output for '-'\n"
         "  --pdf FILE        write the calculation sheet (one A4 page) as PDF to FILE, or to\n"
         "                    the standard output for '-' (not onto a terminal)\n"
         "  --chart FILE      write the spectrum chart to FILE: PNG or SVG by the extension\n"
         "  --chart-size WxH  the chart's size in pixels, 50 to 10000 each (default 1200x800)\n"
         "  --project TEXT    the project's name on the calculation sheet\n"
         "  --site-name TEXT  the site's name on the calculation sheet\n"
         "  --period T        also print Sa of the four levels at the period T (s), e.g. a\n"
         "                    structure's fundamental period, for the site class; repeat it\n"
         "                    for more periods, printed in the order given. T is read in four\n"
         "                    decimals, as it is printed\n"
         "  --format json     print the site's inputs, results and the spectra of --site as\n"
         "                    one JSON document\n"
         "  --spectrum-file FORMAT\n"
         "                    write the design spectrum of --level and --site as the function\n"
         "                    file of an analysis program: sgs (MIDAS Gen/Civil), csi (SAP2000,\n"
         "                    ETABS), opensees (Tcl timeSeries Path) or csv (the four levels\n"
         "                    side by side); to --output FILE, or the standard output\n"
         "  --level LEVEL     frequent, basic, rare or very-rare, or the Chinese names\n"
         "  --batch FILE      calculate every row of the CSV FILE ('-': the standard input),\n"
         "                    a site each: columns pga and zone, optionally k1, k2, k3,\n"
         "                    rare_tg_increment, very_rare_tg_increment and beta_max (the\n"
         "                    factor options are the defaults for absent or empty cells),\n"
         "                    period and site (adds sa_frequent ... sa_very_rare at that\n"
         "                    period for that class, by default --site); other columns are\n"
         "                    carried over\n"
         "  --output FILE     the batch's results or the spectrum file (default: the standard\n"
         "                    output)\n"
         "  --format csv|jsonl\n"
         "                    the batch's results as CSV in the --encoding (default), or as\n"
         "                    JSON Lines in UTF-8\n"
         "  --input-encoding NAME\n"
         "                    code page of the batch input (default UTF-8)\n"
         "  --help            show this text\n"
         "  --version         show the version\n"
         "\n"
         "Numbers are written with '.' as the decimal separator and without grouping: 1500,\n"
         "not 1,500. An exponent is allowed (1.5E3). Write --k1=TEXT for a text beginning with\n"
         "'-'. Each option may be given once, --period as often as needed; an option the\n"
         "chosen mode does not use is an error.\n";
}

}  // namespace gb
