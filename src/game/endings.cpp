#include <cstdint>

#include "game/game.h"
#include "rules/saturate.h"

namespace tumblewood {

void starvationEnding(Game& game) {
  game.console << "You didn't feed your bear. Bears need food to live. " << game.bearName
               << " died. RIP " << game.bearName << ".\n"
               << "Game over. Type quit to exit.\n";
  closeGame(game);
}

void closeGame(Game& game) {
  GameState& state = game.state;
  game.console << "In the end, your bear:\n"
               << "Was " << state.size << " size.\n"
               << "Knew " << state.tricks << " tricks.\n"
               << "Was at fitness level " << state.fitness << ".\n"
               << "Had been pet " << state.timesPet << " times.\n"
               << "It was day " << state.day << ".\n";
  // Worked in 64 bits and capped, so that even absurdly long games cannot overflow it.
  const std::int64_t score = std::int64_t{state.day} + 2 * std::int64_t{state.tricks} +
                             5 * std::int64_t{state.fitness} + 2 * std::int64_t{state.timesPet};
  state.score = saturateToInt32(score);
  game.console << "Your score was " << state.score << ".\n";
  // Any answer closes the game, the word quit, a number or the end of input alike.
  game.console.readAnyAnswer();
  game.menuChoice = 0;
}

}  // namespace tumblewood
