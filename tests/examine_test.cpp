#include <gtest/gtest.h>

#include "test_support.h"

namespace tumblewood {
namespace {

using testing::menuText;
using testing::play;
using testing::welcomeText;

const std::string kFitness[] = {
    "Your bear is a hulking muscular monster. You best not fuck with it.\n",
    "Your bear is very strong and well built. You've done a great job exercising it.\n",
    "Your bear is fairly in shape, for a bear. It could use some more exercise, though.\n",
    "Your bear is out of shape, and it breathes heavily even while standing. Take it for a "
    "walk!\n",
};
const std::string kAffection[] = {
    "Your bear is very closely bonded with you, and considers you a part of it family, mostly.\n",
    "Your bear is very affectionate towards you, and is quite trusting of you. Mostly.\n",
    "Your bear is fairly trusting of you, but is still a bear and quite \nsuspicious of any "
    "sudden movements you make.\n",
    "You and this bear haven't connected at all, the bear doesn't trust you.\n",
};

std::string sizeLine(int size) {
  return "Your bear is size " + std::to_string(size) +
         ". Once this number starts getting higher, \nthe bear will be more dangerous to "
         "handle.\n";
}

TEST(ExamineBear, BandsSwitchAtSevenFiveAndThree) {
  struct Case {
    std::int32_t fitness, timesPet;
    int fitnessLine, affectionLine;  // indexes into the tables above
  } cases[] = {
      {7, 2, 0, 3}, {6, 3, 1, 2}, {5, 4, 1, 2},    {4, 5, 2, 1},
      {3, 6, 2, 1}, {2, 7, 3, 0}, {100, -1, 0, 3}, {0, 0, 3, 3},
  };
  for (const Case& c : cases) {
    testing::GameFixture run;
    Game& game = run.game;
    game.state.fitness = c.fitness;
    game.state.timesPet = c.timesPet;
    game.state.tricks = 4;
    game.state.day = 4;
    examineBear(game);
    EXPECT_EQ(run.output(), kFitness[c.fitnessLine] + kAffection[c.affectionLine] +
                                "Your bear knows 4 tricks. Good job!\n" + sizeLine(5))
        << "fitness " << c.fitness << ", petted " << c.timesPet;
    EXPECT_EQ(game.state.day, 3);
  }
}

TEST(ExamineBear, AtTheStartOfAGame) {
  EXPECT_EQ(play("Bruno 6 0"), welcomeText("Bruno") + menuText(1) + kFitness[3] + kAffection[3] +
                                   "Your bear knows 0 tricks. Good job!\n" + sizeLine(5) +
                                   menuText(1));
}

TEST(ExamineBear, NeverSpendsTheDayNorShrinksTheBearTwice) {
  // Day 3 shrinks the bear from 21 to 11; examining on day 3 again and again leaves it at 11.
  std::string expected = welcomeText("Bruno") + menuText(1) + testing::kAskBerries +
                         testing::kAskFish + testing::growthText(21) + menuText(2) + menuText(3);
  for (int i = 0; i < 3; ++i) {
    expected += kFitness[3] + kAffection[3] + "Your bear knows 0 tricks. Good job!\n" +
                sizeLine(11) + menuText(3);
  }
  expected += menuText(4);
  EXPECT_EQ(play("Bruno 1 10 3 7 6 6 6 7 0"), expected);
}

}  // namespace
}  // namespace tumblewood
