// What the command line says on standard error: every text in the stream's one encoding, control
// characters written out, long echoes cut, and after a message of the window its context.
#pragma once

#include <ostream>
#include <span>
#include <string>
#include <string_view>

#include "text/Errors.h"

namespace gb {

inline constexpr const char* kProgramName = "gb18306-cli";

class CliMessages {
 public:
  // `codePage`: the stream's (the locale's character set; on Windows the ANSI code page, which a
  // console shows as text).
  CliMessages(std::ostream& err, std::string codePage);

  // One line of UTF-8 text.
  void Line(std::string_view text);
  // "gb18306-cli: <text>" and the hint to --help; returns the usage status, 2.
  int Usage(std::string_view text);
  // The error as the window's box shows it, then where it lies: the option (or, with
  // `inColumn`, the batch column) of a rejected text, or the file and the system's reason.
  // Echoes of the `typed` texts longer than the echo limit are cut. Returns 1.
  int Failure(const Exception& error, std::span<const std::string* const> typed = {});

  std::ostream& Stream() { return err_; }

 private:
  std::ostream& err_;
  std::string codePage_;
};

// The box's text of `error` followed by its context: " (--k1)" for an input the command line
// takes as an option, or " (<file>: <reason>)".
std::string MessageWithContext(const Exception& error);

// A failed write to the standard output: its context names the stream and, where the failed
// write left one in `systemError` (errno), the system's reason.
EWriteError StandardOutputError(int systemError);

// A typed text as a message repeats it: UTF-8 from `codePage` (the code page it was typed in),
// cut after the echo limit.
std::string EchoOf(std::string_view text, std::string_view codePage);

}  // namespace gb
