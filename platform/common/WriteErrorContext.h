// Shared by the systems' safe writes: a write that failed names its file and the system's
// reason, for messages that can say more than the window's box.
#pragma once

#include <filesystem>
#include <string>
#include <utility>

#include "platform/FilePaths.h"
#include "platform/SystemTexts.h"
#include "text/Errors.h"

namespace gb {

// The system's text for the number a failed write carries (errno on POSIX, GetLastError() on
// Windows); each system's safe write implements it.
std::string WriteErrorReason(int systemError);

// Runs `step`; a write error it throws without a context leaves with `"<absolute path>":
// <reason>`.
template <typename Step>
void NamingTheFile(const std::filesystem::path& path, Step&& step) {
  try {
    std::forward<Step>(step)();
  } catch (EWriteError& e) {
    if (e.Context().empty()) {
      std::error_code ignored;
      std::filesystem::path shown = std::filesystem::absolute(path, ignored);
      if (shown.empty()) shown = path;
      std::string context = "\"";
      context.append(FileNameText(TextOfPath(shown))).append("\"");
      if (e.SystemError() != 0) context.append(": ").append(WriteErrorReason(e.SystemError()));
      e.SetContext(std::move(context));
    }
    throw;
  }
}

}  // namespace gb
