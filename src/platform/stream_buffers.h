#pragma once

#include <array>
#include <cstddef>
#include <streambuf>

namespace tumblewood::platform {

// Reads up to `size` bytes into `into`, waiting for at least one: the number read, 0 at the
// end of the input, or -1 with errno set when the read failed.
using ReadFunction = std::ptrdiff_t (*)(char* into, std::size_t size);

// Writes up to `size` bytes, waiting until some are taken: the number written, or -1 with
// errno set when the write failed.
using WriteFunction = std::ptrdiff_t (*)(const char* from, std::size_t size);

// A front end's input as a stream buffer over its read function. The end of the input is
// the end of the stream; a failed read throws std::system_error with the system's reason,
// as file buffers do, which the console reports.
class InputBuffer : public std::streambuf {
 public:
  explicit InputBuffer(ReadFunction read) : read_(read) {}

 protected:
  int_type underflow() override;

 private:
  ReadFunction read_;
  std::array<char, 4096> bytes_{};
};

// A front end's output as an unbuffered stream buffer over its write function: the console
// already hands over its text in one piece per flush. A failed write throws
// std::system_error with the system's reason.
class OutputBuffer : public std::streambuf {
 public:
  explicit OutputBuffer(WriteFunction write) : write_(write) {}

 protected:
  std::streamsize xsputn(const char* text, std::streamsize count) override;
  int_type overflow(int_type c) override;

 private:
  WriteFunction write_;
};

}  // namespace tumblewood::platform
