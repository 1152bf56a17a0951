#include "ui/web/WebBatch.h"

#include <array>
#include <ostream>
#include <streambuf>
#include <string_view>
#include <vector>

#include "cli/RunCli.h"
#include "ui/web/PageCalls.h"

namespace gb {

namespace {

std::vector<std::string>& Arguments() {
  static std::vector<std::string> arguments;
  return arguments;
}

// Output in pieces of 64 KiB: few enough calls into the script, little memory.
class TOutputBuffer : public std::streambuf {
 public:
  TOutputBuffer() { setp(buffer_.data(), buffer_.data() + buffer_.size()); }

  // Whether the command line flushed its output after the last byte it wrote, which it does
  // only once the batch has run to its end: a batch stopped by malformed input is not.
  bool Complete() const { return flushed_ && pptr() == pbase(); }
  void Send() {
    const auto size = static_cast<int>(pptr() - pbase());
    if (size > 0) gb_worker_output(pbase(), size);
    setp(buffer_.data(), buffer_.data() + buffer_.size());
  }

 protected:
  int_type overflow(int_type c) override {
    Send();
    flushed_ = false;
    if (!traits_type::eq_int_type(c, traits_type::eof())) {
      *pptr() = traits_type::to_char_type(c);
      pbump(1);
    }
    return traits_type::not_eof(c);
  }
  int sync() override {
    Send();
    flushed_ = true;
    return 0;
  }

 private:
  std::array<char, 1 << 16> buffer_;
  bool flushed_ = false;
};

// The messages a line at a time.
class TMessageBuffer : public std::streambuf {
 protected:
  int_type overflow(int_type c) override {
    if (traits_type::eq_int_type(c, traits_type::eof())) return traits_type::not_eof(c);
    if (c == '\n') {
      gb_worker_message(line_.c_str());
      line_.clear();
    } else {
      line_.push_back(traits_type::to_char_type(c));
    }
    return c;
  }
  int sync() override {
    if (!line_.empty()) {
      gb_worker_message(line_.c_str());
      line_.clear();
    }
    return 0;
  }

 private:
  std::string line_;
};

}  // namespace

void AddBatchArgument(std::string text) { Arguments().push_back(std::move(text)); }

int RunBatchArguments(bool& complete) {
  const std::vector<std::string> given = std::move(Arguments());
  Arguments().clear();
  const std::vector<std::string_view> args(given.begin(), given.end());
  TOutputBuffer output;
  TMessageBuffer messages;
  std::ostream out(&output);
  std::ostream err(&messages);
  const int status = RunCli(args, out, err);
  complete = output.Complete();
  output.Send();
  err.flush();
  return status;
}

}  // namespace gb
