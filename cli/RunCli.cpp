#include "cli/RunCli.h"

#include <cerrno>
#include <exception>
#include <filesystem>
#include <iostream>
#include <string>
#include <vector>

#include "batch/ResultJson.h"
#include "cli/BatchCli.h"
#include "cli/CliCalculation.h"
#include "cli/CliMessages.h"
#include "cli/CommandLine.h"
#include "cli/ResultTables.h"
#include "cli/SaReadingTable.h"
#include "platform/FilePaths.h"
#include "platform/ProcessStart.h"
#include "platform/SafeFileWrite.h"
#include "platform/SystemCodePage.h"
#include "platform/SystemTexts.h"
#include "platform/Terminal.h"
#include "platform/TextEncoding.h"
#include "report/LostLines.h"
#include "report/SaReadings.h"
#include "report/SaveReport.h"
#include "spectrumfile/SaveSpectrumFile.h"
#include "text/CurrentError.h"
#include "text/ErrorText.h"
#include "text/Errors.h"
#include "text/NumberSeparators.h"
#include "text/ParseDecimalText.h"

#ifdef GB_HAVE_EXPORT
#include "export/OffscreenExports.h"
#endif

namespace gb {

namespace {

// errno is cleared first, so that a failed write leaves its own reason there for the message.
void Write(std::ostream& out, const std::string& bytes) {
  errno = 0;
  out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
}

// Where characters of `what` became "?", the message that names the lines.
void NoteLostLines(std::string_view what, const std::string& codePage, const std::string& lines,
                   std::vector<std::string>& lost) {
  if (!lines.empty()) lost.push_back(LostLinesMessage(what, codePage, lines));
}

// Everything asked for is computed before the first byte goes out or the first file is touched,
// so a fault in the calculation or the spectra prints nothing and leaves every file as it was.
// Returns the messages of texts the code page could not hold, which went out with "?".
std::vector<std::string> WriteReportOrTables(const CliOptions& options, const std::string& codePage,
                                             std::ostream& out) {
  std::vector<std::string> lost;
  const ParameterSet p = CalculateParameters(options);
  if (options.spectrumFormat) {
    std::string lostLines;
    const std::string bytes =
        SpectrumFileBytes(*options.spectrumFormat,
                          {kPgaZoneItems[options.pgaIndex], kTgZoneItems[options.tgZoneIndex], p,
                           options.spectrumLevel, static_cast<SiteClass>(options.siteClass)},
                          codePage, &lostLines);
    NoteLostLines(!options.output || *options.output == "-"
                      ? std::string("the spectrum file")
                      : "the spectrum file \"" + FileNameText(*options.output) + "\"",
                  codePage, lostLines, lost);
    if (!options.output || *options.output == "-") {
      Write(out, bytes);
    } else {
      WriteFileSafely(PathFromText(*options.output), bytes);
    }
    return lost;
  }
  // Read in every mode, so a wrong period is reported whatever else is asked for.
  const std::vector<SpectrumReading> readings =
      ReadSpectrumAtTexts(p, options.siteClass, options.periods);
  if (options.format == "json") {
    Write(out, SiteJsonDocument({kPgaZoneItems[options.pgaIndex], kTgZoneItems[options.tgZoneIndex],
                                 options.k1, options.k2, options.k3, options.rareTgIncrement,
                                 options.veryRareTgIncrement, options.betaMax},
                                p, options.siteClass, readings));
    return lost;
  }
  if (!options.report && !options.pdf && !options.chart) {
    std::string tables = FormatResultTables(p);
    if (!readings.empty()) {
      tables.append("\n").append(FormatSpectrumReadingTable(options.siteClass, readings));
    }
    std::string lostLines;
    const std::string bytes = EncodeNamingLostLines(tables, codePage, lostLines);
    NoteLostLines("the result tables", codePage, lostLines, lost);
    Write(out, bytes);
    return lost;
  }
  const GridTexts pga = MakeResultGrid(ResultGrid::Pga, p);
  const GridTexts period = MakeResultGrid(ResultGrid::Period, p);
  const GridTexts platform = MakeResultGrid(ResultGrid::Platform, p);
  const char* pgaItem = kPgaZoneItems[options.pgaIndex];
  const char* tgZoneItem = kTgZoneItems[options.tgZoneIndex];
  std::string report;
  if (options.report) {
    const std::string name = *options.report == "-"
                                 ? "the report"
                                 : "the report \"" + FileNameText(*options.report) + "\"";
    std::string lostLines;
    report = ReportBytes(
        codePage,
        {pgaItem, tgZoneItem, p, pga, period, platform, static_cast<SiteClass>(options.siteClass)},
        &lostLines);
    NoteLostLines(name, codePage, lostLines, lost);
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
    if (!out.flush()) throw StandardOutputError(errno);
  });
  return lost;
}

// Two outputs of one run that are one file would leave only the last one written: a usage error
// naming them, empty where every output has a file of its own. `realStandardOutput`: the run
// writes to the process's own standard output, whose file is compared too.
std::string SameOutputProblem(const CliOptions& options, bool realStandardOutput) {
  const auto sameFile = [](const std::filesystem::path& a, const std::filesystem::path& b) {
    return a == b || AreOneFile(a, b);
  };
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
      if (sameFile(files[i].place, files[j].place)) {
        return std::string(files[i].option) + " and " + files[j].option + " name the same file '" +
               FileNameText(*files[j].name) + "'";
      }
    }
    if (toStandardOutput != nullptr && realStandardOutput &&
        IsStandardStreamFile(StandardStream::Output, files[i].place)) {
      return std::string(files[i].option) + " names the file the standard output goes to, where " +
             toStandardOutput + " - writes";
    }
  }
  return {};
}

// The batch's output replacing its own input would lose the sites before they are read: a usage
// error naming them, empty where they are different files. `realStreams`: the run reads and
// writes the process's own standard streams, whose files are compared too.
std::string BatchOverwritesInputProblem(const CliOptions& options, bool realStreams) {
  const bool fromStandardInput = *options.batch == "-";
  const bool toStandardOutput = !options.output || *options.output == "-";
  if (fromStandardInput && toStandardOutput) {
    return realStreams && StandardStreamsAreOneFile()
               ? "the standard output goes to the file the standard input comes from, where "
                 "--batch - reads"
               : "";
  }
  // Devices and pipes (a terminal, /dev/null) are read and written in place: nothing is lost.
  const auto regularFile = [](const std::filesystem::path& path) {
    std::error_code ignored;
    return std::filesystem::is_regular_file(path, ignored);
  };
  if (toStandardOutput) {
    const std::filesystem::path input = PathFromText(*options.batch);
    return realStreams && regularFile(input) && IsStandardStreamFile(StandardStream::Output, input)
               ? "the standard output goes to the file --batch reads, '" +
                     FileNameText(*options.batch) + "'"
               : "";
  }
  const std::filesystem::path output = WriteTargetOf(PathFromText(*options.output));
  if (fromStandardInput) {
    return regularFile(output) && IsStandardStreamFile(StandardStream::Input, output)
               ? "--output names the file the standard input comes from, where --batch - reads"
               : "";
  }
  const std::filesystem::path input = PathFromText(*options.batch);
  if (output == WriteTargetOf(input) || AreOneFile(input, output)) {
    return "--batch and --output name the same file '" + FileNameText(*options.output) + "'";
  }
  return {};
}

// The one message of a failed or short write to the standard output.
// The caller clears errno before its first write, so that a failed one leaves its reason there.
int Flushed(std::ostream& out, CliMessages& messages) {
  if (out.flush()) return kExitSuccess;
  return messages.Failure(StandardOutputError(errno));
}

// The option texts a message may repeat, so that a long one is cut there.
std::vector<const std::string*> TypedTexts(const CliOptions& options) {
  std::vector<const std::string*> texts = {&options.k1,
                                           &options.k2,
                                           &options.k3,
                                           &options.rareTgIncrement,
                                           &options.veryRareTgIncrement,
                                           &options.betaMax};
  for (const std::string& period : options.periods) texts.push_back(&period);
  return texts;
}

}  // namespace

int RunCli(std::span<const std::string_view> args, std::ostream& out, std::ostream& err) {
  // Messages go out in the stream's character set; the arguments they repeat and the file names
  // come in the command line's.
  const std::string terminalCodePage = SystemCodePage();
  const std::string argumentCodePage = CommandLineCodePage();
  SetFileNameCodePage(argumentCodePage);
  CliMessages messages(err, terminalCodePage);
  // Set before the arguments are read: list items are matched by their numbers too.
  DecimalSeparator = u'.';
  ThousandSeparator = u',';
  const ParsedCommandLine parsed = ParseCommandLine(args, argumentCodePage);
  switch (parsed.action) {
    case CliAction::Help:
      errno = 0;
      out << UsageText();
      return Flushed(out, messages);
    case CliAction::Version:
      errno = 0;
      out << kProgramName << ' ' << GB18306_VERSION << '\n';
      return Flushed(out, messages);
    case CliAction::UsageError:
      return messages.Usage(parsed.error);
    case CliAction::Run:
      break;
  }
  const std::string codePage =
      parsed.options.encoding ? CanonicalCodePageName(*parsed.options.encoding) : terminalCodePage;
  if (!IsKnownCodePage(codePage)) {
    return messages.Usage("unknown encoding '" + EchoOf(codePage, argumentCodePage) + "'");
  }
  if (!IsAsciiCompatible(codePage)) {
    return messages.Usage("encoding '" + EchoOf(codePage, argumentCodePage) +
                          "' is not ASCII-compatible: CR, LF, the digits, ',' and '.' must "
                          "be the single bytes they are in ASCII");
  }
  if (&out == &std::cout) SetStandardStreamCodePage(StandardStream::Output, codePage);
#ifndef GB_HAVE_EXPORT
  if (parsed.options.pdf || parsed.options.chart) {
    return messages.Usage("this build writes no PDF or chart images (built without Qt)");
  }
#endif

  // Binary PDF bytes would garble the terminal rather than land anywhere useful.
  if (parsed.options.pdf == "-" && &out == &std::cout && IsTerminal(StandardStream::Output)) {
    return messages.Usage(
        "--pdf - would write binary PDF onto the terminal; redirect the standard "
        "output to a file or a program, or name a file");
  }

  if (const std::string problem = SameOutputProblem(parsed.options, &out == &std::cout);
      !problem.empty()) {
    return messages.Usage(problem);
  }

  const CliOptions utf8 = WithUtf8Texts(parsed.options, argumentCodePage);
  const std::vector<const std::string*> typed = TypedTexts(utf8);
  if (parsed.options.batch) {
    if (const std::string problem = BatchUsageProblem(parsed.options, argumentCodePage);
        !problem.empty()) {
      return messages.Usage(problem);
    }
    if (const std::string problem = BatchOverwritesInputProblem(parsed.options, &out == &std::cout);
        !problem.empty()) {
      return messages.Usage(problem);
    }
    // The factor options are the rows' defaults: a rejected one fails at once, as in every mode,
    // not only in rows that happen to leave the cell empty.
    const std::pair<const char*, const std::string*> defaults[] = {
        {"k1", &utf8.k1},
        {"k2", &utf8.k2},
        {"k3", &utf8.k3},
        {"rare_tg_increment", &utf8.rareTgIncrement},
        {"very_rare_tg_increment", &utf8.veryRareTgIncrement},
        {"beta_max", &utf8.betaMax}};
    for (const auto& [input, text] : defaults) {
      try {
        ParseDecimalText(*text);
      } catch (Exception& e) {
        e.SetContext(input);
        return messages.Failure(e, typed);
      }
    }
    // The progress line only where a person watches the program's own standard error.
    const bool progressLine = &err == &std::cerr && IsTerminal(StandardStream::Error);
    return RunBatchCli(utf8, {codePage, progressLine}, out, messages);
  }
  std::vector<std::string> lost;
  try {
    lost = WriteReportOrTables(utf8, codePage, out);
  } catch (...) {
    return messages.Failure(CurrentError(true), typed);
  }
  const int status = Flushed(out, messages);
  if (status != kExitSuccess || lost.empty()) return status;
  // Written all the same, as the batch does; but a script must notice the "?".
  for (const std::string& message : lost) messages.Line(message);
  return kExitFailure;
}

}  // namespace gb
