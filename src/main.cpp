#include <cstdint>
#include <ctime>

#include "platform/front_end.h"
#include "platform/platform.h"

// Wires the game to the process's standard streams and the wall clock: status 0 for a game
// that ended by itself, 1 when standard input or output failed.
int main() {
  namespace platform = tumblewood::platform;
  return platform::playThrough({
      .read = platform::readStandardInput,
      .write = platform::writeStandardOutput,
      .clock = [] { return static_cast<std::int64_t>(std::time(nullptr)); },
      .clearing = platform::standardOutputClearing(),
      .reportFault = platform::writeStandardError,
  });
}
