#include <ctime>
#include <istream>
#include <ostream>

#include "game/console.h"
#include "game/game.h"
#include "platform/platform.h"
#include "platform/stream_buffers.h"
#include "rules/random_source.h"

// Wires the game to the real console and the wall clock. Every game ends here: status 0
// for a game that ended by itself, 1 when standard input or output failed.
int main() {
  tumblewood::platform::InputBuffer inputBuffer(tumblewood::platform::readStandardInput);
  tumblewood::platform::OutputBuffer outputBuffer(tumblewood::platform::writeStandardOutput);
  std::istream in(&inputBuffer);
  std::ostream out(&outputBuffer);

  tumblewood::RandomSource random([] { return static_cast<std::int64_t>(std::time(nullptr)); });
  tumblewood::Console console(in, out, tumblewood::platform::standardOutputClearing());
  tumblewood::playGame(console, random);
  if (const auto& fault = console.fault()) {
    tumblewood::platform::writeStandardError(tumblewood::faultMessage(*fault));
    return 1;
  }
  return 0;
}
