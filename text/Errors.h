// Error objects: every failure a user can meet is one of these, carrying the one message text
// that the error box shows (before the full-stop rule of the box is applied).
#pragma once

#include <exception>
#include <string>
#include <utility>

namespace gb {

class Exception : public std::exception {
 public:
  explicit Exception(std::string message = {}) : message_(std::move(message)) {}
  // UTF-8 text, possibly empty.
  const std::string& Message() const noexcept { return message_; }
  const char* what() const noexcept override { return message_.c_str(); }

  // Where the failure lies, beyond what the window's box says: the input it was read from
  // ("k1", as a batch column names it) or a file and the system's reason; empty when unknown.
  // Only the command line and the batch show it, after the message.
  const std::string& Context() const noexcept { return context_; }
  void SetContext(std::string context) { context_ = std::move(context); }

 private:
  std::string message_;
  std::string context_;
};

class EConvertError : public Exception {
  using Exception::Exception;
};

class EMathError : public Exception {
  using Exception::Exception;
};
class EOverflow : public EMathError {
 public:
  EOverflow() : EMathError("Floating point overflow") {}
};
class EInvalidOp : public EMathError {
 public:
  EInvalidOp() : EMathError("Invalid floating point operation") {}
};
class EZeroDivide : public EMathError {
 public:
  EZeroDivide() : EMathError("Floating point division by zero") {}
};

class EOutOfMemory : public Exception {
 public:
  EOutOfMemory() : Exception("Out of memory") {}
};

class EStreamError : public Exception {
 public:
  explicit EStreamError(std::string message = {}, int systemError = 0)
      : Exception(std::move(message)), systemError_(systemError) {}
  // The system's own number for the failure (errno on POSIX, GetLastError() on Windows), so
  // the file's name and the system's reason can be added where the file is known; 0: none.
  int SystemError() const noexcept { return systemError_; }

 private:
  int systemError_;
};
class EFCreateError : public EStreamError {
  using EStreamError::EStreamError;
};
class EWriteError : public EStreamError {
 public:
  explicit EWriteError(int systemError = 0) : EStreamError("Stream write error", systemError) {}
};

}  // namespace gb
