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

 private:
  std::string message_;
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
  using Exception::Exception;
};
class EFCreateError : public EStreamError {
  using EStreamError::EStreamError;
};
class EWriteError : public EStreamError {
 public:
  EWriteError() : EStreamError("Stream write error") {}
};

}  // namespace gb
