#pragma once

#include <cstdint>
#include <string>

#include "game/console.h"
#include "rules/game_state.h"
#include "rules/random_source.h"

namespace tumblewood {

// One game in progress: the bear's counters, its name, the latest menu answer, and the
// console and random source the game was given.
struct Game {
  Game(Console& gameConsole, RandomSource& gameRandom) : console(gameConsole), random(gameRandom) {}

  GameState state;
  std::string bearName;
  std::int32_t menuChoice = 0;  // the day loop ends once an action leaves this at 0
  Console& console;
  RandomSource& random;
};

// Plays one whole game: the welcome, the name, then one day per pass until the player
// quits, the bear starves or kills the player, or the input ends.
void playGame(Console& console, RandomSource& random);

// The endings. Both print the summary and the score, wait for one last answer and set
// menuChoice to 0, which ends the day loop.
void starvationEnding(Game& game);
void closeGame(Game& game);

// The menu's actions, answers 1 to 6. The risky ones (walk, pet, teach, fetch food) may
// end the game through closeGame. Examining gives the day back.
void feedBear(Game& game);
void walkBear(Game& game);
void petBear(Game& game);
void teachTrick(Game& game);
void getFood(Game& game);
void examineBear(Game& game);

}  // namespace tumblewood
