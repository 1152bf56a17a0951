#include "cli/RunCli.h"

#include <exception>
#include <new>
#include <string>

#include "cli/CliCalculation.h"
#include "cli/CommandLine.h"
#include "cli/ResultTables.h"
#include "report/SafeFileWrite.h"
#include "report/SaveReport.h"
#include "report/SystemCodePage.h"
#include "report/TextEncoding.h"
#include "text/ErrorText.h"
#include "text/Errors.h"
#include "text/NumberSeparators.h"

#ifdef GB_HAVE_EXPORT
#include "cli/ExportFiles.h"
#endif

namespace gb {

namespace {

constexpr const char* kProgramName = "gb18306-cli";

int UsageError(std::ostream& err, const std::string& message) {
  err << kProgramName << ": " << message << "\nTry '" << kProgramName
      << " --help' for more information.\n";
  return kExitUsage;
}

// Shown exactly as the window's error box would show it.
int Failure(std::ostream& err, const std::string& message) {
  err << ErrorBoxText(message) << '\n';
  return kExitFailure;
}

// Everything asked for is computed before the first file is touched, so a fault in the
// calculation or the spectra leaves every file as it was.
void WriteReportOrTables(const CliOptions& options, const std::string& codePage,
                         std::ostream& out) {
  const ParameterSet p = CalculateParameters(options);
  if (!options.report && !options.pdf && !options.chart) {
    out << FormatResultTables(p);
    return;
  }
  const GridTexts pga = MakeResultGrid(ResultGrid::Pga, p);
  const GridTexts period = MakeResultGrid(ResultGrid::Period, p);
  const GridTexts platform = MakeResultGrid(ResultGrid::Platform, p);
  const char* pgaItem = kPgaZoneItems[options.pgaIndex];
  const char* tgZoneItem = kTgZoneItems[options.tgZoneIndex];
  std::string report;
  if (options.report) {
    report =
        ReportBytes(codePage, pgaItem, tgZoneItem, p, pga, period, platform, options.siteClass);
  }
  std::string pdf, chart;
#ifdef GB_HAVE_EXPORT
  ExportFiles exports = MakeExportFiles(options, p, pga, period, platform);
  pdf = std::move(exports.pdf).value_or("");
  chart = std::move(exports.chart).value_or("");
#endif
  const std::pair<const std::optional<std::string>*, const std::string*> files[] = {
      {&options.report, &report}, {&options.pdf, &pdf}, {&options.chart, &chart}};
  for (const auto& [name, bytes] : files) {
    if (!*name) continue;
    if (**name == "-") {
      out.write(bytes->data(), static_cast<std::streamsize>(bytes->size()));
    } else {
      WriteFileSafely(**name, *bytes);
    }
  }
}
}  // namespace

int RunCli(std::span<const std::string_view> args, std::ostream& out, std::ostream& err) {
  const ParsedCommandLine parsed = ParseCommandLine(args);
  switch (parsed.action) {
    case CliAction::Help:
      out << UsageText();
      return out.flush() ? kExitSuccess : kExitFailure;
    case CliAction::Version:
      out << kProgramName << ' ' << GB18306_VERSION << '\n';
      return out.flush() ? kExitSuccess : kExitFailure;
    case CliAction::UsageError:
      return UsageError(err, parsed.error);
    case CliAction::Run:
      break;
  }
  const std::string codePage =
      parsed.options.encoding ? *parsed.options.encoding : SystemCodePage();
  if (!IsKnownCodePage(codePage)) return UsageError(err, "unknown encoding '" + codePage + "'");
#ifndef GB_HAVE_EXPORT
  if (parsed.options.pdf || parsed.options.chart) {
    return UsageError(err, "this build writes no PDF or chart images (built without Qt)");
  }
#endif

  DecimalSeparator = u'.';
  ThousandSeparator = u',';
  try {
    WriteReportOrTables(parsed.options, codePage, out);
  } catch (const Exception& e) {
    return Failure(err, e.Message());
  } catch (const std::bad_alloc&) {
    return Failure(err, EOutOfMemory().Message());
  } catch (const std::exception& e) {
    return Failure(err, e.what());
  }
  if (!out.flush()) return Failure(err, EWriteError().Message());
  return kExitSuccess;
}

}  // namespace gb
