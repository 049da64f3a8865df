#include <string_view>

#include "game/game.h"
#include "rules/bear_rules.h"

namespace tumblewood {

namespace {

// Asks how many of one food ("berries" or "fish") to feed and reads it into `amount`; true
// when it can be fed. False when it is refused (negative, or more than the stock: the day is
// spent all the same) or when the input ended (menuChoice 0 then ends the day loop).
bool askAmount(Game& game, std::string_view food, std::int32_t stock, std::int32_t& amount) {
  game.console << "How many " << food << " do you want to feed the bear? You have " << stock << " "
               << food << ".\n";
  auto answer = game.console.readNumber();
  if (!answer) {
    game.menuChoice = 0;
    return false;
  }
  amount = *answer;
  // A negative amount would make food out of nothing, so it is refused like a greedy one.
  if (amount < 0) {
    game.console << "You can't feed your bear a negative amount.\n";
    return false;
  }
  if (amount > stock) {
    game.console << "You don't have enough " << food << " to do that.\n";
    return false;
  }
  return true;
}

// The shape every risky action shares: the day's attack roll, then either the death text
// (which has the bear's name in its middle) and the closing sequence, or the way is clear.
// True when the player survived and the action's effect should apply.
bool survivesAttack(Game& game, std::string_view beforeName, std::string_view afterName) {
  if (!bearAttacks(game.state.risk, game.random)) {
    return true;
  }
  game.console << beforeName << game.bearName << afterName << "\n\nThe End. Type quit to exit.\n";
  closeGame(game);
  return false;
}

}  // namespace

void feedBear(Game& game) {
  GameState& state = game.state;
  // A refused berry amount means the fish are not asked for.
  if (!askAmount(game, "berries", state.berries, state.berriesToFeed) ||
      !askAmount(game, "fish", state.fish, state.fishToFeed)) {
    return;
  }
  state.size += foodValue(state.berriesToFeed, state.fishToFeed);
  state.berries -= state.berriesToFeed;
  state.fish -= state.fishToFeed;
  // "Is" with a capital I is how the game has always said it.
  game.console << game.bearName << " Is growing up so fast! It is now " << state.size << " size.\n";
}

void walkBear(Game& game) {
  if (survivesAttack(game, "During your walk, ", " attacked, mauled, killed, raped and ate you.")) {
    game.console << "You take " << game.bearName << " on a lovely walk through Belchery Forest.\n";
    ++game.state.fitness;
  }
}

void petBear(Game& game) {
  // The space before the line break is part of the text.
  if (survivesAttack(game, "When you touch ",
                     ", it goes berserk and hits you with its paw, knocking your brains out \n"
                     "of your ears.")) {
    game.console << "You pet " << game.bearName << ". It smiles.\n";
    ++game.state.timesPet;
  }
}

void teachTrick(Game& game) {
  if (survivesAttack(game, "You try and teach ",
                     " how to dance. Instead, it kills and buries you in some dirt. In Nevada.")) {
    game.console << "You taught " << game.bearName
                 << " a trick at the Quillstone Circus! What an impressive bear.\n";
    ++game.state.tricks;
  }
}

void getFood(Game& game) {
  // The space before the line break is part of the text.
  if (survivesAttack(game, "You go to the market to get some food, but ",
                     " follows you and kills you \n"
                     "and the entire market, and then eats you and the entire market.")) {
    game.console << "Hollimae the farm merchant gives you five berries and a fish.\n";
    game.state.berries += 5;
    game.state.fish += 1;
  }
}

}  // namespace tumblewood
