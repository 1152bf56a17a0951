#include "cli/RunCli.h"

#include <exception>
#include <filesystem>
#include <iostream>
#include <string>
#include <vector>

#include "batch/ResultJson.h"
#include "cli/BatchCli.h"
#include "cli/CliCalculation.h"
#include "cli/CommandLine.h"
#include "cli/ResultTables.h"
#include "cli/SaReadingTable.h"
#include "engine/ExtendedPrecision.h"
#include "form/CurrentError.h"
#include "platform/FilePaths.h"
#include "platform/SafeFileWrite.h"
#include "platform/SystemCodePage.h"
#include "platform/SystemTexts.h"
#include "platform/Terminal.h"
#include "platform/TextEncoding.h"
#include "report/SaReadings.h"
#include "report/SaveReport.h"
#include "text/ErrorText.h"
#include "text/Errors.h"
#include "text/NumberSeparators.h"
#include "text/ParseDecimalText.h"

#ifdef GB_HAVE_EXPORT
#include "export/OffscreenExports.h"
#endif

namespace gb {

namespace {

constexpr const char* kProgramName = "gb18306-cli";

// Usage messages are ASCII around the user's own argument bytes, so they go out as they are.
int UsageError(std::ostream& err, const std::string& message) {
  err << kProgramName << ": " << message << "\nTry '" << kProgramName
      << " --help' for more information.\n";
  return kExitUsage;
}

// Shown exactly as the window's error box would show it, in the terminal's character set.
int Failure(std::ostream& err, const std::string& message, const std::string& terminalCodePage) {
  err << EncodeText(ErrorBoxText(message), terminalCodePage) << '\n';
  return kExitFailure;
}

void Write(std::ostream& out, const std::string& bytes) {
  out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
}

// Everything asked for is computed before the first byte goes out or the first file is touched,
// so a fault in the calculation or the spectra prints nothing and leaves every file as it was.
void WriteReportOrTables(const CliOptions& options, const std::string& codePage,
                         std::ostream& out) {
  const ParameterSet p = CalculateParameters(options);
  // Read in every mode, so a wrong period is reported whatever else is asked for.
  const std::vector<SpectrumReading> readings =
      ReadSpectrumAtTexts(p, options.siteClass, options.periods);
  if (options.format == "json") {
    Write(out, SiteJsonDocument({kPgaZoneItems[options.pgaIndex], kTgZoneItems[options.tgZoneIndex],
                                 options.k1, options.k2, options.k3, options.rareTgIncrement,
                                 options.veryRareTgIncrement, options.betaMax},
                                p, options.siteClass, readings));
    return;
  }
  if (!options.report && !options.pdf && !options.chart) {
    std::string tables = FormatResultTables(p);
    if (!readings.empty()) {
      tables.append("\n").append(FormatSpectrumReadingTable(options.siteClass, readings));
    }
    Write(out, EncodeText(tables, codePage));
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
  ExportFiles exports =
      MakeExportFiles({options.pdf.has_value(), options.chart, options.chartWidth,
                       options.chartHeight, options.siteClass, options.project, options.siteName},
                      p);
  pdf = std::move(exports.pdf).value_or("");
  chart = std::move(exports.chart).value_or("");
#endif
  // All or nothing: every file is complete beside its target before the first replaces one.
  const std::pair<const std::optional<std::string>*, const std::string*> outputs[] = {
      {&options.report, &report}, {&options.pdf, &pdf}, {&options.chart, &chart}};
  std::vector<FileToWrite> files;
  const std::string* toStdout = nullptr;
  for (const auto& [name, bytes] : outputs) {
    if (!*name) continue;
    if (**name == "-") {
      toStdout = bytes;
    } else {
      files.push_back({PathFromText(**name), *bytes});
    }
  }
  WriteFilesSafely(files, [&] {
    if (toStdout == nullptr) return;
    Write(out, *toStdout);
    if (!out.flush()) throw EWriteError();
  });
}

// Two outputs of one run that are one file would leave only the last one written: a usage error
// naming them, empty where every output has a file of its own. `realStandardOutput`: the run
// writes to the process's own standard output, whose file is compared too.
std::string SameOutputProblem(const CliOptions& options, bool realStandardOutput) {
  struct Output {
    const char* option;
    const std::string* name;
    std::filesystem::path place;
  };
  const std::pair<const char*, const std::optional<std::string>*> outputs[] = {
      {"--report", &options.report}, {"--pdf", &options.pdf}, {"--chart", &options.chart}};
  std::vector<Output> files;
  const char* toStandardOutput = nullptr;
  for (const auto& [option, name] : outputs) {
    if (!*name) continue;
    if (**name == "-") {
      toStandardOutput = option;
    } else {
      files.push_back({option, &**name, WriteTargetOf(PathFromText(**name))});
    }
  }
  for (std::size_t i = 0; i < files.size(); ++i) {
    for (std::size_t j = i + 1; j < files.size(); ++j) {
      if (files[i].place == files[j].place) {
        return std::string(files[i].option) + " and " + files[j].option + " name the same file '" +
               *files[j].name + "'";
      }
    }
    if (toStandardOutput != nullptr && realStandardOutput && IsStandardOutputFile(files[i].place)) {
      return std::string(files[i].option) + " names the file the standard output goes to, where " +
             toStandardOutput + " - writes";
    }
  }
  return {};
}

// The one message of a failed or short write to the standard output.
int Flushed(std::ostream& out, std::ostream& err, const std::string& terminalCodePage) {
  if (out.flush()) return kExitSuccess;
  return Failure(err, EWriteError().Message(), terminalCodePage);
}

}  // namespace

int RunCli(std::span<const std::string_view> args, std::ostream& out, std::ostream& err) {
  UseExtendedPrecision();
  // Names, texts and messages of the terminal are in the locale's character set.
  const std::string terminalCodePage = SystemCodePage();
  SetFileNameCodePage(terminalCodePage);
  // Set before the arguments are read: list items are matched by their numbers too.
  DecimalSeparator = u'.';
  ThousandSeparator = u',';
  const ParsedCommandLine parsed = ParseCommandLine(args);
  switch (parsed.action) {
    case CliAction::Help:
      out << UsageText();
      return Flushed(out, err, terminalCodePage);
    case CliAction::Version:
      out << kProgramName << ' ' << GB18306_VERSION << '\n';
      return Flushed(out, err, terminalCodePage);
    case CliAction::UsageError:
      return UsageError(err, parsed.error);
    case CliAction::Run:
      break;
  }
  const std::string codePage =
      parsed.options.encoding ? CanonicalCodePageName(*parsed.options.encoding) : terminalCodePage;
  if (!IsKnownCodePage(codePage)) return UsageError(err, "unknown encoding '" + codePage + "'");
  if (!IsAsciiCompatible(codePage)) {
    return UsageError(err, "encoding '" + codePage +
                               "' is not ASCII-compatible: CR, LF, the digits, ',' and '.' must "
                               "be the single bytes they are in ASCII");
  }
  if (&out == &std::cout) SetStandardStreamCodePage(StandardStream::Output, codePage);
#ifndef GB_HAVE_EXPORT
  if (parsed.options.pdf || parsed.options.chart) {
    return UsageError(err, "this build writes no PDF or chart images (built without Qt)");
  }
#endif

  // Binary PDF bytes would garble the terminal rather than land anywhere useful.
  if (parsed.options.pdf == "-" && &out == &std::cout && IsTerminal(StandardStream::Output)) {
    return UsageError(err,
                      "--pdf - would write binary PDF onto the terminal; redirect the standard "
                      "output to a file or a program, or name a file");
  }

  if (const std::string problem = SameOutputProblem(parsed.options, &out == &std::cout);
      !problem.empty()) {
    return UsageError(err, problem);
  }

  if (parsed.options.batch) {
    if (const std::string problem = BatchUsageProblem(parsed.options); !problem.empty()) {
      return UsageError(err, problem);
    }
    // The factor options are the rows' defaults: a rejected one fails at once, as in every mode,
    // not only in rows that happen to leave the cell empty.
    const CliOptions utf8 = WithUtf8Texts(parsed.options, terminalCodePage);
    for (const std::string* text : {&utf8.k1, &utf8.k2, &utf8.k3, &utf8.rareTgIncrement,
                                    &utf8.veryRareTgIncrement, &utf8.betaMax}) {
      try {
        ParseDecimalText(*text);
      } catch (const Exception& e) {
        return Failure(err, e.Message(), terminalCodePage);
      }
    }
    // The progress line only where a person watches the program's own standard error.
    const bool progressLine = &err == &std::cerr && IsTerminal(StandardStream::Error);
    return RunBatchCli(utf8, {codePage, terminalCodePage, progressLine}, out, err);
  }
  try {
    WriteReportOrTables(WithUtf8Texts(parsed.options, terminalCodePage), codePage, out);
  } catch (...) {
    return Failure(err, CurrentError(true).Message(), terminalCodePage);
  }
  return Flushed(out, err, terminalCodePage);
}

}  // namespace gb
