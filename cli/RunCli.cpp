#include "cli/RunCli.h"

#include <exception>
#include <new>
#include <string>

#include "cli/CliCalculation.h"
#include "cli/CommandLine.h"
#include "cli/ResultTables.h"
#include "report/SaveReport.h"
#include "report/SystemCodePage.h"
#include "report/TextEncoding.h"
#include "text/ErrorText.h"
#include "text/Errors.h"
#include "text/NumberSeparators.h"

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

void WriteReportOrTables(const CliOptions& options, const std::string& codePage,
                         std::ostream& out) {
  const ParameterSet p = CalculateParameters(options);
  if (!options.report) {
    out << FormatResultTables(p);
    return;
  }
  const GridTexts pga = MakeResultGrid(ResultGrid::Pga, p);
  const GridTexts period = MakeResultGrid(ResultGrid::Period, p);
  const GridTexts platform = MakeResultGrid(ResultGrid::Platform, p);
  const char* pgaItem = kPgaZoneItems[options.pgaIndex];
  const char* tgZoneItem = kTgZoneItems[options.tgZoneIndex];
  if (*options.report == "-") {
    const std::string bytes =
        ReportBytes(codePage, pgaItem, tgZoneItem, p, pga, period, platform, options.siteClass);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
  } else {
    SaveReport(*options.report, codePage, pgaItem, tgZoneItem, p, pga, period, platform,
               options.siteClass);
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
