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
  ~TOutputBuffer() override { sync(); }

 protected:
  int_type overflow(int_type c) override {
    sync();
    if (!traits_type::eq_int_type(c, traits_type::eof())) {
      *pptr() = traits_type::to_char_type(c);
      pbump(1);
    }
    return traits_type::not_eof(c);
  }
  int sync() override {
    const auto size = static_cast<int>(pptr() - pbase());
    if (size > 0) gb_worker_output(pbase(), size);
    setp(buffer_.data(), buffer_.data() + buffer_.size());
    return 0;
  }

 private:
  std::array<char, 1 << 16> buffer_;
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

int RunBatchArguments() {
  const std::vector<std::string> given = std::move(Arguments());
  Arguments().clear();
  const std::vector<std::string_view> args(given.begin(), given.end());
  TOutputBuffer output;
  TMessageBuffer messages;
  std::ostream out(&output);
  std::ostream err(&messages);
  const int status = RunCli(args, out, err);
  out.flush();
  err.flush();
  return status;
}

}  // namespace gb
