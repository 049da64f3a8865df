#include <string>

#include "game/game.h"
#include "rules/bear_rules.h"

namespace tumblewood {

namespace {

// Greets the player and takes the bear's name; false when the input ended first.
bool welcome(Game& game) {
  game.console << "Welcome to Tumblewood 2010. \n\nYou have a bear. What's his name?\n";
  auto name = game.console.readWord();
  if (!name) {
    return false;
  }
  game.bearName = std::move(*name);
  game.console << game.bearName << ". What a cute name. Let's get started.\n";
  return true;
}

// The menu's lines after the day number. They stay the same once the bear has its name,
// so they are put together once, not piece by piece every day.
std::string menuLines(const std::string& bearName) {
  return "\n"
         "1. Feed your bear some fish and berries.\n"
         "2. Take your bear for a walk across the forest.\n"
         "3. Pet your bear.\n"
         "4. Teach your bear tricks.\n"
         "5. Get food for your bear.\n"
         "6. Examine " +
         bearName +
         ".\n"
         "0. Quit Tumblewood 2010.\n";
}

void printMenu(Console& console, std::int32_t day, const std::string& lines) {
  console << "What do you want to do with your bear today?\n\nIt is day " << day << lines;
}

// Any answer without an action runs nothing (0 among them); the day is spent all the same.
void runAction(Game& game) {
  switch (game.menuChoice) {
    case 1: feedBear(game); break;
    case 2: walkBear(game); break;
    case 3: petBear(game); break;
    case 4: teachTrick(game); break;
    case 5: getFood(game); break;
    case 6: examineBear(game); break;
    default: break;
  }
}

}  // namespace

void playGame(Console& console, RandomSource& random) {
  Game game(console, random);
  if (welcome(game)) {
    const std::string menu = menuLines(game.bearName);
    do {
      beginDay(game.state, random);
      if (isStarved(game.state)) {
        starvationEnding(game);
        break;
      }
      drawRisk(game.state, random);
      printMenu(console, game.state.day, menu);
      auto answer = console.readNumber();
      if (!answer) {
        break;  // the input ended: the game ends without another word
      }
      game.menuChoice = *answer;
      console.clearScreen();
      runAction(game);
    } while (game.menuChoice != 0);
  }
  console.flush();
}

}  // namespace tumblewood
