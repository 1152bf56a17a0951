#include "batch/CsvReader.h"

#include <cerrno>

#include "batch/BatchErrors.h"
#include "platform/SystemTexts.h"

namespace gb {

namespace {

constexpr std::size_t kBufferSize = 1 << 16;

// No text of an ASCII-compatible code page holds one; UTF-16 text is full of them.
constexpr const char* kNulByte =
    "a NUL byte: the input is not text in an ASCII-compatible code page";

// Byte-order marks of text that is not in an ASCII-compatible code page, longest first: the UTF-32
// little-endian mark begins with the UTF-16 one.
struct ForeignMark {
  std::string_view bytes;
  const char* encoding;
};
constexpr ForeignMark kForeignMarks[] = {
    {{"\xFF\xFE\0\0", 4}, "UTF-32"},
    {{"\0\0\xFE\xFF", 4}, "UTF-32"},
    {"\xFF\xFE", "UTF-16"},
    {"\xFE\xFF", "UTF-16"},
};
constexpr std::string_view kUtf8Mark = "\xEF\xBB\xBF";

[[noreturn]] void ThrowReadError(long long line, int error) {
  std::string message = "the input cannot be read";
  if (error != 0) message.append(": ").append(SystemErrorText(error));
  throw EBatchFormat(line, message);
}

}  // namespace

void CsvReader::ReadAs(std::string_view codePage) { codePage_ = codePage; }

CsvReader::CsvReader(std::istream& in) : in_(in), buffer_(kBufferSize) {}

bool CsvReader::Fill() {
  if (in_.bad()) ThrowReadError(line_, 0);
  errno = 0;
  in_.read(buffer_.data(), static_cast<std::streamsize>(buffer_.size()));
  pos_ = 0;
  end_ = static_cast<std::size_t>(in_.gcount());
  filled_ += static_cast<long long>(end_);
  if (in_.bad()) ThrowReadError(line_, errno);
  return end_ > 0;
}

int CsvReader::Peek() {
  if (pos_ == end_ && !Fill()) return -1;
  return static_cast<unsigned char>(buffer_[pos_]);
}

int CsvReader::Get() {
  const int c = Peek();
  if (c >= 0) ++pos_;
  return c;
}

bool CsvReader::Next(std::vector<std::string>& fields) {
  if (!started_) {
    started_ = true;
    // The first fill holds the whole mark unless the input is shorter than it.
    Peek();
    const std::string_view start(buffer_.data(), end_);
    for (const ForeignMark& mark : kForeignMarks) {
      if (start.starts_with(mark.bytes)) {
        throw EBatchFormat(1, std::string("the input is ") + mark.encoding +
                                  " text (it begins with a " + mark.encoding +
                                  " byte-order mark); save it as UTF-8");
      }
    }
    if (start.starts_with(kUtf8Mark)) {
      if (codePage_ == "UTF-8") {
        pos_ = kUtf8Mark.size();
      } else if (!codePage_.empty()) {
        throw EBatchFormat(1, "the input begins with a UTF-8 byte-order mark, but is read as " +
                                  codePage_ + "; leave out --input-encoding");
      }
    }
  }
  for (;;) {
    fields.assign(1, std::string());
    if (Peek() < 0) return false;
    recordLine_ = line_;
    bool anyText = false;
    for (;;) {
      int c = Get();
      if (c == '"' && fields.back().empty()) {
        anyText = true;
        const long long quoteLine = line_;
        for (;;) {
          c = Get();
          if (c < 0) throw EBatchFormat(quoteLine, "unterminated quoted field");
          if (c == 0) throw EBatchFormat(line_, kNulByte);
          if (c == '"') {
            if (Peek() != '"') break;
            Get();
          } else if (c == '\n' || (c == '\r' && Peek() != '\n')) {
            ++line_;
          }
          fields.back() += static_cast<char>(c);
        }
        c = Peek();
        if (c >= 0 && c != ',' && c != '\r' && c != '\n') {
          throw EBatchFormat(line_, "text after a closing quote");
        }
        continue;
      }
      if (c == ',') {
        anyText = true;
        fields.emplace_back();
        continue;
      }
      if (c < 0 || c == '\n' || c == '\r') {
        if (c == '\r' && Peek() == '\n') Get();
        if (c >= 0) ++line_;
        break;
      }
      if (c == 0) throw EBatchFormat(line_, kNulByte);
      anyText = true;
      fields.back() += static_cast<char>(c);
    }
    if (anyText) return true;
  }
}

}  // namespace gb
