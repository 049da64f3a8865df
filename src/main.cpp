#include <ctime>
#include <iostream>

#include "game/console.h"
#include "game/game.h"
#include "rules/random_source.h"

// Wires the game to the real console and the wall clock.
int main() {
  // The game flushes before each read itself; untied, unsynchronised streams write in blocks.
  std::ios::sync_with_stdio(false);
  std::cin.tie(nullptr);

  tumblewood::RandomSource random([] { return static_cast<std::int64_t>(std::time(nullptr)); });
  tumblewood::Console console(std::cin, std::cout, tumblewood::standardOutputIsTerminal());
  tumblewood::playGame(console, random);
  return 0;
}
