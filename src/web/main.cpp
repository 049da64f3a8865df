#include <emscripten/console.h>
#include <emscripten/html5.h>

#include <cstdint>
#include <istream>
#include <ostream>

#include "game/console.h"
#include "game/game.h"
#include "platform/stream_buffers.h"
#include "rules/random_source.h"
#include "web/host.h"

namespace {

// Plays one game on the host's terminal with the browser's clock: 0 for a game that ended
// by itself, 1 when the terminal's input or output failed.
int playOnHost() {
  tumblewood::platform::InputBuffer inputBuffer(tumblewood::web::readTypedInput);
  tumblewood::platform::OutputBuffer outputBuffer(tumblewood::web::showOutput);
  std::istream in(&inputBuffer);
  std::ostream out(&outputBuffer);

  // The browser's clock counts milliseconds; the game is seeded with whole seconds.
  tumblewood::RandomSource random(
      [] { return static_cast<std::int64_t>(emscripten_date_now() / 1000.0); });
  const tumblewood::ScreenClearing clearing =
      tumblewood::web::outputIsTerminal() ? tumblewood::kTerminalClearing : tumblewood::kNoClearing;
  tumblewood::Console console(in, out, clearing);
  tumblewood::playGame(console, random);
  if (const auto& fault = console.fault()) {
    emscripten_console_error(tumblewood::faultMessage(*fault).c_str());
    return 1;
  }
  return 0;
}

}  // namespace

// One run is one game: the page starts a new instance of the module for the next. main's
// own return goes nowhere once a read has waited, so the host is told the outcome instead.
int main() {
  const int status = playOnHost();
  tumblewood::web::reportGameOver(status);
  return status;
}
