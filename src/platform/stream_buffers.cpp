#include "platform/stream_buffers.h"

#include <cerrno>
#include <system_error>

namespace tumblewood::platform {

namespace {

[[noreturn]] void throwSystemError(const char* what) {
  throw std::system_error(errno, std::generic_category(), what);
}

}  // namespace

InputBuffer::int_type InputBuffer::underflow() {
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

std::streamsize OutputBuffer::xsputn(const char* text, std::streamsize count) {
  std::streamsize written = 0;
  while (written < count) {
    const std::ptrdiff_t wrote = write_(text + written, static_cast<std::size_t>(count - written));
    if (wrote < 0) {
      throwSystemError("write");
    }
    written += wrote;
  }
  return written;
}

OutputBuffer::int_type OutputBuffer::overflow(int_type c) {
  if (traits_type::eq_int_type(c, traits_type::eof())) {
    return traits_type::not_eof(c);
  }
  const char byte = traits_type::to_char_type(c);
  xsputn(&byte, 1);
  return c;
}

}  // namespace tumblewood::platform
