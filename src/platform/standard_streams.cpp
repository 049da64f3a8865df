#include "platform/standard_streams.h"

#include <cerrno>
#include <system_error>

#include "platform/platform.h"

namespace tumblewood::platform {

namespace {

[[noreturn]] void throwSystemError(const char* what) {
  throw std::system_error(errno, std::generic_category(), what);
}

}  // namespace

StandardInputBuffer::int_type StandardInputBuffer::underflow() {
  const std::ptrdiff_t got = readStandardInput(bytes_.data(), bytes_.size());
  if (got < 0) {
    throwSystemError("read");
  }
  if (got == 0) {
    return traits_type::eof();
  }
  setg(bytes_.data(), bytes_.data(), bytes_.data() + got);
  return traits_type::to_int_type(bytes_[0]);
}

std::streamsize StandardOutputBuffer::xsputn(const char* text, std::streamsize count) {
  std::streamsize written = 0;
  while (written < count) {
    const std::ptrdiff_t wrote =
        writeStandardOutput(text + written, static_cast<std::size_t>(count - written));
    if (wrote < 0) {
      throwSystemError("write");
    }
    written += wrote;
  }
  return written;
}

StandardOutputBuffer::int_type StandardOutputBuffer::overflow(int_type c) {
  if (traits_type::eq_int_type(c, traits_type::eof())) {
    return traits_type::not_eof(c);
  }
  const char byte = traits_type::to_char_type(c);
  xsputn(&byte, 1);
  return c;
}

}  // namespace tumblewood::platform
