// The game on Linux and other POSIX systems.
#include <poll.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <string_view>

#include "platform/platform.h"

namespace tumblewood::platform {

namespace {

// Waits out interruptions, and a descriptor left non-blocking by another program.
template <typename Transfer>
std::ptrdiff_t retrying(int descriptor, short event, Transfer transfer) {
  for (;;) {
    const ssize_t done = transfer();
    if (done >= 0) {
      return done;
    }
    if (errno == EAGAIN || errno == EWOULDBLOCK) {
      pollfd ready{descriptor, event, 0};
      poll(&ready, 1, -1);
    } else if (errno != EINTR) {
      return -1;
    }
  }
}

}  // namespace

std::ptrdiff_t readStandardInput(char* into, std::size_t size) {
  return retrying(STDIN_FILENO, POLLIN, [=] { return read(STDIN_FILENO, into, size); });
}

std::ptrdiff_t writeStandardOutput(const char* from, std::size_t size) {
  return retrying(STDOUT_FILENO, POLLOUT, [=] { return write(STDOUT_FILENO, from, size); });
}

void writeStandardError(std::string_view text) {
  while (!text.empty()) {
    const std::ptrdiff_t wrote = retrying(
        STDERR_FILENO, POLLOUT, [=] { return write(STDERR_FILENO, text.data(), text.size()); });
    if (wrote <= 0) {
      return;
    }
    text.remove_prefix(static_cast<std::size_t>(wrote));
  }
}

ScreenClearing standardOutputClearing() {
  if (isatty(STDOUT_FILENO) != 1) {
    return kNoClearing;
  }
  // A dumb terminal (an editor's shell buffer, a plain serial line) would show the escape
  // sequence as garbage; the game simply goes on below the old text there.
  const char* terminal = std::getenv("TERM");
  if (terminal != nullptr && std::string_view(terminal) == "dumb") {
    return kNoClearing;
  }
  return kTerminalClearing;
}

}  // namespace tumblewood::platform
