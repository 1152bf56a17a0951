// What a safe file write puts into the file: bytes at hand, or bytes produced as they are
// written, for content too large to hold in memory.
#pragma once

#include <cstddef>
#include <string_view>

#include "platform/SafeFileWrite.h"

namespace gb {

// Writes all of `bytes` to `fd`, resuming short writes; throws EWriteError.
void WriteAll(int fd, std::string_view bytes, WriteCall write);

// The content of one save. A file written in place must learn the length before its first
// byte is overwritten, and a rename that is refused after the new file was written needs the
// content a second time: produced content is then read back from where it was written.
class SaveContent {
 public:
  explicit SaveContent(std::string_view bytes) : bytes_(bytes), bytesAtHand_(true) {}
  explicit SaveContent(const ContentProducer& produce) : produce_(&produce) {}
  SaveContent(const SaveContent&) = delete;
  SaveContent& operator=(const SaveContent&) = delete;
  ~SaveContent();

  // Writes the whole content to `fd`.
  void WriteTo(int fd, WriteCall write);

  // Remembers that the whole content now stands in `fd` (readable), so later writes copy it
  // from there instead of producing it again.
  void WrittenTo(int fd);

  // The number of bytes; produced content not yet written anywhere is first kept in an unnamed
  // temporary file of the system's temporary folder to learn it.
  std::size_t Length();

 private:
  std::string_view bytes_;
  bool bytesAtHand_ = false;
  const ContentProducer* produce_ = nullptr;
  int copy_ = -1;  // a descriptor of a file holding the whole content
  std::size_t copyLength_ = 0;
};

}  // namespace gb
