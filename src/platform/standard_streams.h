#pragma once

#include <array>
#include <streambuf>

namespace tumblewood::platform {

// Standard input as a stream buffer. The end of the input is the end of the stream; a
// failed read throws std::system_error with the system's reason, as file buffers do.
class StandardInputBuffer : public std::streambuf {
 protected:
  int_type underflow() override;

 private:
  std::array<char, 4096> bytes_{};
};

// Standard output as an unbuffered stream buffer: the console already hands over its text
// in one piece per flush. A failed write throws std::system_error with the system's reason.
class StandardOutputBuffer : public std::streambuf {
 protected:
  std::streamsize xsputn(const char* text, std::streamsize count) override;
  int_type overflow(int_type c) override;
};

}  // namespace tumblewood::platform
