#include "cli/CliMessages.h"

#include <algorithm>

#include "platform/SystemTexts.h"
#include "platform/TextEncoding.h"
#include "text/EchoedText.h"
#include "text/ErrorText.h"

namespace gb {

namespace {

// The inputs whose context is an option of the command line, as "k1" or "rare_tg_increment".
constexpr std::string_view kOptionInputs[] = {
    "k1", "k2", "k3", "rare_tg_increment", "very_rare_tg_increment", "beta_max", "period"};

}  // namespace

CliMessages::CliMessages(std::ostream& err, std::string codePage)
    : err_(err), codePage_(std::move(codePage)) {}

void CliMessages::Line(std::string_view text) {
  err_ << EncodeText(EscapeControls(text), codePage_) << '\n';
}

int CliMessages::Usage(std::string_view text) {
  err_ << kProgramName << ": " << EncodeText(EscapeControls(text), codePage_) << "\nTry '"
       << kProgramName << " --help' for more information.\n";
  return 2;
}

int CliMessages::Failure(const Exception& error, std::span<const std::string* const> typed) {
  std::string text = MessageWithContext(error);
  for (const std::string* t : typed) text = ShortenTypedEchoes(std::move(text), *t);
  Line(text);
  return 1;
}

std::string MessageWithContext(const Exception& error) {
  std::string text = ErrorBoxText(error.Message());
  const std::string& context = error.Context();
  if (context.empty()) return text;
  text.append(text.empty() ? "(" : " (");
  if (std::find(std::begin(kOptionInputs), std::end(kOptionInputs), context) !=
      std::end(kOptionInputs)) {
    std::string option = "--" + context;
    std::replace(option.begin(), option.end(), '_', '-');
    text.append(option);
  } else {
    text.append(context);
  }
  return text.append(")");
}

EWriteError StandardOutputError(int systemError) {
  EWriteError error(systemError);
  std::string context = "the standard output";
  if (systemError != 0) context.append(": ").append(SystemErrorText(systemError));
  error.SetContext(std::move(context));
  return error;
}

std::string EchoOf(std::string_view text, std::string_view codePage) {
  if (codePage == "UTF-8" || !IsKnownCodePage(codePage)) return EchoedText(text);
  return EchoedText(DecodeText(text, codePage));
}

}  // namespace gb
