#include "platform/win32/ConsoleText.h"

#include <utility>

#include "platform/TextEncoding.h"
#include "platform/win32/WideText.h"

namespace gb {

ConsoleTextBuffer::ConsoleTextBuffer(std::string codePage, Writer writer)
    : codePage_(std::move(codePage)), writer_(std::move(writer)) {}

ConsoleTextBuffer::~ConsoleTextBuffer() { WriteOut(true); }

void ConsoleTextBuffer::SetCodePage(std::string codePage) {
  WriteOut(true);
  codePage_ = std::move(codePage);
}

bool ConsoleTextBuffer::WriteOut(bool everything) {
  const std::size_t end = everything ? pending_.size() : pending_.rfind('\n') + 1;
  if (end == 0) return !failed_;  // no line feed: rfind gave npos
  const std::wstring text =
      WideFromUtf8(DecodeText(std::string_view(pending_).substr(0, end), codePage_));
  pending_.erase(0, end);
  if (!failed_ && !writer_(text)) failed_ = true;
  return !failed_;
}

ConsoleTextBuffer::int_type ConsoleTextBuffer::overflow(int_type ch) {
  if (traits_type::eq_int_type(ch, traits_type::eof())) return traits_type::not_eof(ch);
  pending_.push_back(traits_type::to_char_type(ch));
  if (ch == '\n' && !WriteOut(false)) return traits_type::eof();
  return ch;
}

std::streamsize ConsoleTextBuffer::xsputn(const char* bytes, std::streamsize count) {
  pending_.append(bytes, static_cast<std::size_t>(count));
  if (std::string_view(bytes, static_cast<std::size_t>(count)).find('\n') !=
          std::string_view::npos &&
      !WriteOut(false)) {
    return 0;
  }
  return count;
}

int ConsoleTextBuffer::sync() { return WriteOut(true) ? 0 : -1; }

}  // namespace gb
