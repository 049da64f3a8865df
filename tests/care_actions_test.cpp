#include <gtest/gtest.h>

#include "test_support.h"

namespace tumblewood {
namespace {

using testing::GameFixture;
using testing::growthText;
using testing::kAskBerries;
using testing::kAskFish;
using testing::kAttackSeed;
using testing::kSafeSeed;
using testing::menuText;
using testing::play;
using testing::summaryText;
using testing::welcomeText;

constexpr char kNotice[] = "Please answer with a whole number.\n";
constexpr char kNegative[] = "You can't feed your bear a negative amount.\n";

TEST(FeedBear, FeedsFromTheStockOrRefuses) {
  struct Case {
    const char* input;
    std::int32_t berries, fish, size;
    std::string output;
  } cases[] = {
      {"10 3", 0, 0, 21, kAskBerries + kAskFish + growthText(21)},
      {"0 0", 10, 3, 5, kAskBerries + kAskFish + growthText(5)},
      {"2 1", 8, 2, 9, kAskBerries + kAskFish + growthText(9)},
      {"11 3", 10, 3, 5, kAskBerries + "You don't have enough berries to do that.\n"},
      {"10 4", 10, 3, 5, kAskBerries + kAskFish + "You don't have enough fish to do that.\n"},
      {"-4 0", 10, 3, 5, kAskBerries + kNegative},
      {"4 -1", 10, 3, 5, kAskBerries + kAskFish + kNegative},
      {"-99999999999 0", 10, 3, 5, kAskBerries + kNegative},
      {"99999999999 0", 10, 3, 5, kAskBerries + "You don't have enough berries to do that.\n"},
      {"lots 4 some 1", 6, 2, 11, kAskBerries + kNotice + kAskFish + kNotice + growthText(11)},
  };
  for (const Case& c : cases) {
    GameFixture run(c.input);
    run.game.menuChoice = 1;
    feedBear(run.game);
    EXPECT_EQ(run.output(), c.output) << "input '" << c.input << "'";
    EXPECT_EQ(run.game.state.berries, c.berries) << "input '" << c.input << "'";
    EXPECT_EQ(run.game.state.fish, c.fish) << "input '" << c.input << "'";
    EXPECT_EQ(run.game.state.size, c.size) << "input '" << c.input << "'";
    EXPECT_EQ(run.game.menuChoice, 1) << "a feeding spends the day and goes on";
  }
}

TEST(FeedBear, EndOfInputEndsTheGameWithoutFeeding) {
  for (const char* input : {"", "4", "4 fish"}) {
    GameFixture run(input);
    run.game.menuChoice = 1;
    feedBear(run.game);
    EXPECT_EQ(run.game.menuChoice, 0) << "input '" << input << "'";
    EXPECT_EQ(run.game.state.size, 5) << "input '" << input << "'";
  }
}

using RiskyAction = void (*)(Game&);

struct RiskyCase {
  RiskyAction action;
  std::string deathText;
  std::string successText;
  // The counters after a survived action: tricks, timesPet, fitness, berries, fish.
  std::int32_t tricks, timesPet, fitness, berries, fish;
};

const RiskyCase kRiskyCases[] = {
    {walkBear, "During your walk, Bruno attacked, mauled, killed, raped and ate you.\n\n",
     "You take Bruno on a lovely walk through Belchery Forest.\n", 2, 4, 4, 10, 3},
    {petBear,
     "When you touch Bruno, it goes berserk and hits you with its paw, knocking your brains out "
     "\nof your ears.\n\n",
     "You pet Bruno. It smiles.\n", 2, 5, 3, 10, 3},
    {teachTrick,
     "You try and teach Bruno how to dance. Instead, it kills and buries you in some dirt. In "
     "Nevada.\n\n",
     "You taught Bruno a trick at the Quillstone Circus! What an impressive bear.\n", 3, 4, 3, 10,
     3},
    {getFood,
     "You go to the market to get some food, but Bruno follows you and kills you \nand the entire "
     "market, and then eats you and the entire market.\n\n",
     "Hollimae the farm merchant gives you five berries and a fish.\n", 2, 4, 3, 15, 4},
};

// The state before each risky action: day 10, 2 tricks, fitness 3, petted 4 times.
void setUpBear(Game& game) {
  game.state.day = 10;
  game.state.tricks = 2;
  game.state.fitness = 3;
  game.state.timesPet = 4;
  game.state.risk = 6;
  game.menuChoice = 2;
}

TEST(RiskyActions, AnAttackEndsTheGameWithTheStateFromBefore) {
  for (const RiskyCase& c : kRiskyCases) {
    GameFixture run("quit", kAttackSeed);
    setUpBear(run.game);
    c.action(run.game);
    EXPECT_EQ(run.output(),
              c.deathText + "The End. Type quit to exit.\n" + summaryText(5, 2, 3, 4, 10));
    EXPECT_EQ(run.game.state.score, 37);
    EXPECT_EQ(run.game.menuChoice, 0);
    EXPECT_EQ(run.game.state.berries, 10);
    EXPECT_EQ(run.game.state.fish, 3);
  }
}

TEST(RiskyActions, WithoutAnAttackTheEffectApplies) {
  for (const RiskyCase& c : kRiskyCases) {
    GameFixture run("", kSafeSeed);
    setUpBear(run.game);
    c.action(run.game);
    EXPECT_EQ(run.output(), c.successText);
    const GameState& state = run.game.state;
    EXPECT_EQ(state.tricks, c.tricks) << c.successText;
    EXPECT_EQ(state.timesPet, c.timesPet) << c.successText;
    EXPECT_EQ(state.fitness, c.fitness) << c.successText;
    EXPECT_EQ(state.berries, c.berries) << c.successText;
    EXPECT_EQ(state.fish, c.fish) << c.successText;
    EXPECT_EQ(run.game.menuChoice, 2);
  }
}

TEST(RiskyActions, RollAgainstTheRiskDrawnThatDay) {
  // The safe seed rolls 100: only a risk of 100 or more lets the bear attack.
  for (std::int32_t risk : {99, 100}) {
    GameFixture run("", kSafeSeed);
    run.game.state.risk = risk;
    petBear(run.game);
    EXPECT_EQ(run.game.state.timesPet, risk < 100 ? 1 : 0) << "risk " << risk;
  }
}

TEST(WholeGame, AFullMealOnDayOneLastsUntilDayNine) {
  std::string expected =
      welcomeText("Bruno") + menuText(1) + kAskBerries + kAskFish + growthText(21);
  for (int day = 2; day <= 8; ++day) {
    expected += menuText(day);
  }
  expected += testing::kStarvationText + summaryText(-9, 0, 0, 0, 9);
  EXPECT_EQ(play("Bruno 1 10 3 7 7 7 7 7 7 7 quit"), expected);
}

TEST(WholeGame, AnAttackOnTheFirstWalk) {
  EXPECT_EQ(play("Bruno 2 quit", kAttackSeed),
            welcomeText("Bruno") + menuText(1) +
                "During your walk, Bruno attacked, mauled, killed, raped and ate you.\n\n"
                "The End. Type quit to exit.\n" +
                summaryText(5, 0, 0, 0, 1));
}

}  // namespace
}  // namespace tumblewood
