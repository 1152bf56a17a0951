#include "batch/CsvReader.h"

#include "batch/BatchErrors.h"

namespace gb {

namespace {

constexpr std::size_t kBufferSize = 1 << 16;

// No text of an ASCII-compatible code page holds one; UTF-16 text is full of them.
constexpr const char* kNulByte =
    "a NUL byte: the input is not text in an ASCII-compatible code page";

}  // namespace

CsvReader::CsvReader(std::istream& in) : in_(in), buffer_(kBufferSize) {}

bool CsvReader::Fill() {
  if (in_.bad()) throw EBatchFormat(line_, "the input cannot be read");
  in_.read(buffer_.data(), static_cast<std::streamsize>(buffer_.size()));
  pos_ = 0;
  end_ = static_cast<std::size_t>(in_.gcount());
  if (in_.bad()) throw EBatchFormat(line_, "the input cannot be read");
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
    if (skipBom_ && Peek() == 0xEF && end_ >= 3 && buffer_[1] == '\xBB' && buffer_[2] == '\xBF') {
      pos_ = 3;
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
