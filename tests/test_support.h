#pragma once

#include <cstdint>
#include <sstream>
#include <string>

#include "game/console.h"
#include "game/game.h"
#include "rules/random_source.h"

namespace tumblewood::testing {

// Seeds with a known first draw. With a fixed clock every reseed repeats the first draw, so
// the attack roll is that draw mod 100, plus 1.
constexpr std::int64_t kAttackSeed = 132;  // first draw 27200: roll 1, every risky action attacks
constexpr std::int64_t kSafeSeed = 194;  // first draw 22599: roll 100, none attacks below risk 100

inline RandomSource fixedRandom(std::int64_t seconds) {
  return RandomSource([seconds] { return seconds; });
}

// A game to run one action or ending on: the bear is named Bruno, the state is the caller's
// to set, and the console reads `input`.
struct GameFixture {
  explicit GameFixture(const std::string& input = "", std::int64_t seconds = kSafeSeed)
      : in(input),
        console(in, out, kNoClearing),
        random(fixedRandom(seconds)),
        game(console, random) {
    game.bearName = "Bruno";
  }

  // Everything printed so far.
  std::string output() {
    console.flush();
    return out.str();
  }

  std::istringstream in;
  std::ostringstream out;
  Console console;
  RandomSource random;
  Game game;
};

// Plays a whole game on the given input and returns everything it printed.
inline std::string play(const std::string& input, std::int64_t seconds = kSafeSeed,
                        ScreenClearing clearing = kNoClearing) {
  std::istringstream in(input);
  std::ostringstream out;
  Console console(in, out, clearing);
  RandomSource random = fixedRandom(seconds);
  playGame(console, random);
  return out.str();
}

inline const std::string kWelcomePrompt =
    "Welcome to Tumblewood 2010. \n\nYou have a bear. What's his name?\n";

inline std::string welcomeText(const std::string& name) {
  return kWelcomePrompt + name + ". What a cute name. Let's get started.\n";
}

inline std::string menuText(int day, const std::string& name = "Bruno") {
  return "What do you want to do with your bear today?\n\nIt is day " + std::to_string(day) +
         "\n1. Feed your bear some fish and berries.\n"
         "2. Take your bear for a walk across the forest.\n3. Pet your bear.\n"
         "4. Teach your bear tricks.\n5. Get food for your bear.\n6. Examine " +
         name + ".\n0. Quit Tumblewood 2010.\n";
}

// The feeding questions with the starting stock, and the answer to a feeding.
inline const std::string kAskBerries =
    "How many berries do you want to feed the bear? You have 10 berries.\n";
inline const std::string kAskFish =
    "How many fish do you want to feed the bear? You have 3 fish.\n";

inline std::string growthText(int size) {
  return "Bruno Is growing up so fast! It is now " + std::to_string(size) + " size.\n";
}

inline const std::string kStarvationText =
    "You didn't feed your bear. Bears need food to live. Bruno died. RIP Bruno.\n"
    "Game over. Type quit to exit.\n";

inline std::string summaryText(int size, int tricks, int fitness, int timesPet, int day) {
  return "In the end, your bear:\nWas " + std::to_string(size) + " size.\nKnew " +
         std::to_string(tricks) + " tricks.\nWas at fitness level " + std::to_string(fitness) +
         ".\nHad been pet " + std::to_string(timesPet) + " times.\nIt was day " +
         std::to_string(day) + ".\nYour score was " +
         std::to_string(day + 2 * tricks + 5 * fitness + 2 * timesPet) + ".\n";
}

}  // namespace tumblewood::testing
