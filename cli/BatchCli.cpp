#include "cli/BatchCli.h"

#include <cerrno>
#include <chrono>
#include <filesystem>
#include <fstream>
#include <iostream>

#include "batch/BatchErrors.h"
#include "batch/BatchMessages.h"
#include "batch/RunBatch.h"
#include "platform/FilePaths.h"
#include "platform/SafeFileWrite.h"
#include "platform/SystemTexts.h"
#include "platform/Terminal.h"
#include "platform/TextEncoding.h"
#include "text/CurrentError.h"
#include "text/ErrorText.h"

namespace gb {

namespace {

using Clock = std::chrono::steady_clock;

// Failed rows on standard error; the progress line there once the run has taken a second.
class TerminalObserver : public BatchObserver {
 public:
  TerminalObserver(CliMessages& messages, const BatchCliContext& context)
      : messages_(messages),
        err_(messages.Stream()),
        context_(context),
        start_(Clock::now()),
        lastShown_(start_) {}

  void RowFailed(long long line, const std::string& message, const std::string& column) override {
    std::string text = message;
    if (!column.empty()) text.append(" (column ").append(column).append(")");
    Line(line, text);
  }

  void TextLost(long long line, const std::string& message) override { Line(line, message); }

  void Line(long long line, const std::string& message) {
    ClearProgress();
    messages_.Line("line " + std::to_string(line) + ": " + message);
  }

  bool Progress(long long rows, long long) override {
    if (!context_.progressLine) return true;
    const Clock::time_point now = Clock::now();
    if (now - start_ < std::chrono::seconds(1) ||
        now - lastShown_ < std::chrono::milliseconds(200)) {
      return true;
    }
    lastShown_ = now;
    const double seconds = std::chrono::duration<double>(now - start_).count();
    err_ << "\r" << rows << " rows, " << static_cast<long long>(rows / seconds) << " rows/s"
         << std::flush;
    shown_ = true;
    return true;
  }

  void ClearProgress() {
    if (!shown_) return;
    err_ << "\r\033[K" << std::flush;
    shown_ = false;
  }

 private:
  CliMessages& messages_;
  std::ostream& err_;
  const BatchCliContext& context_;
  Clock::time_point start_;
  Clock::time_point lastShown_;
  bool shown_ = false;
};

BatchSettings SettingsOf(const CliOptions& options, const BatchCliContext& context) {
  BatchSettings settings;
  settings.inputCodePage = CanonicalCodePageName(options.inputEncoding.value_or("UTF-8"));
  settings.format = options.format == "jsonl" ? BatchFormat::JsonLines : BatchFormat::Csv;
  settings.outputCodePage = context.outputCodePage;
  const std::string* texts[kBatchInputCount] = {nullptr,
                                                nullptr,
                                                &options.k1,
                                                &options.k2,
                                                &options.k3,
                                                &options.rareTgIncrement,
                                                &options.veryRareTgIncrement,
                                                &options.betaMax};
  for (int i = biK1; i < kBatchInputCount; ++i) settings.defaults[i] = *texts[i];
  settings.siteClass = options.siteClass;
  return settings;
}

}  // namespace

std::string BatchUsageProblem(const CliOptions& options, std::string_view argumentCodePage) {
  if (!options.inputEncoding) return {};
  const std::string& name = *options.inputEncoding;
  if (!IsKnownCodePage(name)) {
    return "unknown input encoding '" + EchoOf(name, argumentCodePage) + "'";
  }
  // Records are split on these bytes before their texts are decoded.
  if (!IsAsciiCompatible(name) || EncodeText("\"", name) != "\"") {
    return "input encoding '" + EchoOf(name, argumentCodePage) + "' is not ASCII-compatible";
  }
  return {};
}

int RunBatchCli(const CliOptions& options, const BatchCliContext& context, std::ostream& out,
                CliMessages& messages) {
  std::ifstream file;
  std::istream* in = &std::cin;
  const auto cannotRead = [&](const std::string& message) {
    messages.Line(ErrorBoxText(message));
    return 1;
  };
  if (*options.batch != "-") {
    // A folder opens like a file and fails only at its first read, with no reason given there.
    std::error_code ignored;
    if (std::filesystem::is_directory(PathFromText(*options.batch), ignored)) {
      return cannotRead(CannotOpenInputText(*options.batch, EISDIR));
    }
    file.open(PathFromText(*options.batch), std::ios::binary);
    if (!file) return cannotRead(CannotOpenInputText(*options.batch, errno));
    in = &file;
  } else if (const int error = StandardInputError(); error != 0) {
    // A closed standard input would read as an empty file and blame its missing header.
    return cannotRead("Cannot read the standard input. " + SystemErrorText(error));
  }
  const BatchSettings settings = SettingsOf(options, context);
  TerminalObserver observer(messages, context);
  BatchSummary summary;
  try {
    const auto run = [&](const std::function<void(std::string_view)>& write) {
      summary = RunBatch(*in, settings, write, observer);
    };
    if (!options.output || *options.output == "-") {
      run([&](std::string_view bytes) {
        errno = 0;
        if (!out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()))) {
          throw StandardOutputError(errno);
        }
      });
      errno = 0;
      if (!out.flush()) throw StandardOutputError(errno);
    } else {
      WriteFileSafelyFrom(PathFromText(*options.output), run);
    }
  } catch (const EBatchHeader& e) {
    observer.ClearProgress();
    return messages.Usage(e.Message());
  } catch (const EBatchFormat& e) {
    observer.Line(e.Line(), e.Message());
    return 1;
  } catch (...) {
    observer.ClearProgress();
    return messages.Failure(CurrentError(true));
  }
  observer.ClearProgress();
  if (summary.alsoUtf8) {
    messages.Line("warning: the input, read as " + CanonicalCodePageName(*options.inputEncoding) +
                  ", is valid UTF-8 as well and holds text beyond ASCII; if it is UTF-8, leave "
                  "out --input-encoding");
  }
  // Scripts must notice a row that failed or lost characters of its texts.
  return summary.failedRows > 0 || summary.rowsWithLostText > 0 ? 1 : 0;
}

}  // namespace gb
