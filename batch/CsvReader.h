// Records of a comma-separated file, read as a stream.
#pragma once

#include <istream>
#include <string>
#include <string_view>
#include <vector>

namespace gb {

// Reads RFC 4180 records from a byte stream with a fixed buffer, so memory follows the longest
// record rather than the file. Fields may be quoted ("" inside quotes is one quote), quoted
// fields may hold commas and line breaks, records end with CR LF, LF or a lone CR. Bytes are
// passed through unchanged: every code page an input may be written in keeps '"', ',', CR and
// LF as the single ASCII bytes, so records can be split before their texts are decoded.
class CsvReader {
 public:
  explicit CsvReader(std::istream& in);

  // Reads the next record into `fields`; false at the end of the input. A line without any
  // character is no record and is passed over. A leading UTF-8 byte-order mark of the first
  // record is dropped when `skipByteOrderMark` was called before. Throws EBatchFormat for an
  // unterminated quoted field, text after a closing quote, a NUL byte, a read error (with the
  // system's reason), and at line 1 for a UTF-16 or UTF-32 byte-order mark, which no
  // ASCII-compatible code page begins with, so the error names the real cause.
  bool Next(std::vector<std::string>& fields);

  // Drops EF BB BF at the very start of the input, as spreadsheets write it before UTF-8.
  void SkipByteOrderMark() { ReadAs("UTF-8"); }

  // The input is text in `codePage`: UTF-8 drops a leading byte-order mark, any other code page
  // refuses one, as the file is then UTF-8 read as something it is not.
  void ReadAs(std::string_view codePage);

  // The bytes of the input taken up by the records returned so far.
  long long BytesRead() const { return filled_ - static_cast<long long>(end_ - pos_); }

  // The line (from 1) on which the record last returned begins.
  long long RecordLine() const { return recordLine_; }

 private:
  bool Fill();  // false at the end of the input
  int Peek();   // the next byte, or -1 at the end
  int Get();

  std::istream& in_;
  std::vector<char> buffer_;
  std::size_t pos_ = 0;
  std::size_t end_ = 0;
  long long line_ = 1;
  long long filled_ = 0;  // bytes read from the stream
  long long recordLine_ = 0;
  std::string codePage_;  // set by ReadAs: a UTF-8 mark is dropped for UTF-8, refused for others
  bool started_ = false;
};

}  // namespace gb
