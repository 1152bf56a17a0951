#include "platform/SystemTexts.h"
#include "platform/TextEncoding.h"
#include "platform/common/SystemTextDecoding.h"

namespace gb {

namespace {

std::string& FileNameCodePageSetting() {
  static std::string codePage = "UTF-8";
  return codePage;
}

}  // namespace

std::string DecodeOrKeep(std::string_view bytes, const std::string& codePage) {
  if (codePage == "UTF-8" || !IsKnownCodePage(codePage)) return std::string(bytes);
  return DecodeText(bytes, codePage);
}

std::string TrimSentenceEnd(std::string text) {
  while (!text.empty() && (text.back() == ' ' || text.back() == '\t' || text.back() == '\r' ||
                           text.back() == '\n' || text.back() == '.')) {
    text.pop_back();
  }
  return text;
}

void SetFileNameCodePage(std::string codePage) { FileNameCodePageSetting() = std::move(codePage); }

std::string FileNameText(std::string_view name) {
  return DecodeOrKeep(name, FileNameCodePageSetting());
}

}  // namespace gb
