#pragma once

// What every front end (the native game, the web page) hands the game: its reads and
// writes, its clock, its way of clearing the screen and of saying what went wrong.

#include <cstddef>
#include <string_view>

#include "game/console.h"
#include "rules/random_source.h"

namespace tumblewood::platform {

struct FrontEnd {
  // Reads up to `size` bytes into `into`, waiting for at least one: the number read, 0 at
  // the end of the input, or -1 with errno set when the read failed.
  std::ptrdiff_t (*read)(char* into, std::size_t size);
  // Writes up to `size` bytes, waiting until some are taken: the number written, or -1 with
  // errno set when the write failed.
  std::ptrdiff_t (*write)(const char* from, std::size_t size);
  Clock clock;
  ScreenClearing clearing;
  // Shows the player the one line that says why the input or output failed.
  void (*reportFault)(std::string_view line);
};

// Plays one whole game through the front end. Every game ends here: the result is 0 for a
// game that ended by itself, 1 when the input or output failed, after reportFault said why.
int playThrough(const FrontEnd& frontEnd);

}  // namespace tumblewood::platform
