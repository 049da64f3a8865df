#include "platform/front_end.h"

#include <array>
#include <cerrno>
#include <istream>
#include <ostream>
#include <streambuf>
#include <system_error>

#include "game/game.h"

namespace tumblewood::platform {

namespace {

[[noreturn]] void throwSystemError(const char* what) {
  throw std::system_error(errno, std::generic_category(), what);
}

// The front end's input as a stream buffer. The end of the input is the end of the stream;
// a failed read throws std::system_error with the system's reason, as file buffers do,
// which the console turns into its fault.
class InputBuffer : public std::streambuf {
 public:
  explicit InputBuffer(const FrontEnd& frontEnd) : read_(frontEnd.read) {}

 protected:
  int_type underflow() override {
    const std::ptrdiff_t got = read_(bytes_.data(), bytes_.size());
    if (got < 0) {
      throwSystemError("read");
    }
    if (got == 0) {
      return traits_type::eof();
    }
    setg(bytes_.data(), bytes_.data(), bytes_.data() + got);
    return traits_type::to_int_type(bytes_[0]);
  }

 private:
  decltype(FrontEnd::read) read_;
  std::array<char, 4096> bytes_{};
};

// The front end's output as an unbuffered stream buffer: the console already hands over its
// text in one piece per flush. A failed write throws std::system_error with the reason.
class OutputBuffer : public std::streambuf {
 public:
  explicit OutputBuffer(const FrontEnd& frontEnd) : write_(frontEnd.write) {}

 protected:
  std::streamsize xsputn(const char* text, std::streamsize count) override {
    std::streamsize written = 0;
    while (written < count) {
      const std::ptrdiff_t wrote =
          write_(text + written, static_cast<std::size_t>(count - written));
      if (wrote < 0) {
        throwSystemError("write");
      }
      written += wrote;
    }
    return written;
  }

  int_type overflow(int_type c) override {
    if (traits_type::eq_int_type(c, traits_type::eof())) {
      return traits_type::not_eof(c);
    }
    const char byte = traits_type::to_char_type(c);
    xsputn(&byte, 1);
    return c;
  }

 private:
  decltype(FrontEnd::write) write_;
};

}  // namespace

int playThrough(const FrontEnd& frontEnd) {
  InputBuffer inputBuffer(frontEnd);
  OutputBuffer outputBuffer(frontEnd);
  std::istream in(&inputBuffer);
  std::ostream out(&outputBuffer);
  Console console(in, out, frontEnd.clearing);
  RandomSource random(frontEnd.clock);
  playGame(console, random);
  if (const auto& fault = console.fault()) {
    frontEnd.reportFault(faultMessage(*fault));
    return 1;
  }
  return 0;
}

}  // namespace tumblewood::platform
