#include <emscripten/console.h>
#include <emscripten/html5.h>

#include <cstdint>
#include <string>
#include <string_view>

#include "platform/front_end.h"
#include "web/host.h"

// Plays one game on the page's terminal with the browser's clock. One run is one game: the
// page starts a new instance of the module for the next. main's own return goes nowhere
// once a read has waited, so the page is told the outcome instead: 0 for a game that ended
// by itself, 1 when the terminal's input or output failed.
int main() {
  namespace web = tumblewood::web;
  const int status = tumblewood::platform::playThrough({
      .read = web::readTypedInput,
      .write = web::showOutput,
      // The browser's clock counts milliseconds; the game is seeded with whole seconds.
      .clock = [] { return static_cast<std::int64_t>(emscripten_date_now() / 1000.0); },
      .clearing = web::outputIsTerminal() ? tumblewood::kTerminalClearing : tumblewood::kNoClearing,
      .reportFault =
          [](std::string_view line) { emscripten_console_error(std::string(line).c_str()); },
  });
  web::reportGameOver(status);
  return status;
}
