#include <ctime>
#include <istream>
#include <ostream>

#include "game/console.h"
#include "game/game.h"
#include "platform/platform.h"
#include "platform/standard_streams.h"
#include "rules/random_source.h"

// Wires the game to the real console and the wall clock. Every game ends here: status 0
// for a game that ended by itself, 1 when standard input or output failed.
int main() {
  tumblewood::platform::StandardInputBuffer inputBuffer;
  tumblewood::platform::StandardOutputBuffer outputBuffer;
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
