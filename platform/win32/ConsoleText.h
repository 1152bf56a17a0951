// A console shows UTF-16 text whatever its code page; the program's bytes are in the code page
// it chose for them. This stream buffer turns those bytes into text a line at a time (a line
// feed never lies inside a character of an ASCII-compatible code page) and hands it over.
#pragma once

#include <functional>
#include <streambuf>
#include <string>
#include <string_view>

namespace gb {

class ConsoleTextBuffer : public std::streambuf {
 public:
  using Writer = std::function<bool(std::wstring_view)>;
  ConsoleTextBuffer(std::string codePage, Writer writer);
  ~ConsoleTextBuffer() override;

  // The code page of the bytes written from now on; what is buffered goes out first.
  void SetCodePage(std::string codePage);

 protected:
  int_type overflow(int_type ch) override;
  std::streamsize xsputn(const char* bytes, std::streamsize count) override;
  int sync() override;

 private:
  // Writes the buffered bytes up to their last line feed, or all of them.
  bool WriteOut(bool everything);

  std::string codePage_;
  Writer writer_;
  std::string pending_;
  bool failed_ = false;
};

}  // namespace gb
