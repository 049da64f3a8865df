#include <gtest/gtest.h>

#include "test_support.h"

namespace tumblewood {
namespace {

using testing::menuText;
using testing::play;
using testing::summaryText;
using testing::welcomeText;

TEST(DayLoop, QuitOnTheFirstDayShowsNoSummary) {
  EXPECT_EQ(play("Bruno\n0\n"), welcomeText("Bruno") + menuText(1));
}

TEST(DayLoop, UnfedBearStarvesBeforeTheThirdMenu) {
  // Any last answer, or none, closes the game the same way.
  for (const char* last : {"", "quit", "0", "5", "\n\n\nword"}) {
    EXPECT_EQ(play(std::string("Bruno 7 7 ") + last), welcomeText("Bruno") + menuText(1) +
                                                          menuText(2) + testing::kStarvationText +
                                                          summaryText(-5, 0, 0, 0, 3))
        << "last answer '" << last << "'";
  }
}

TEST(DayLoop, AnswersWithoutAnActionSpendTheDay) {
  for (const char* answer : {"7", "-1", "99999999999", "-99999999999"}) {
    EXPECT_EQ(play(std::string("Bruno ") + answer + " 0"),
              welcomeText("Bruno") + menuText(1) + menuText(2))
        << "answer " << answer;
  }
}

TEST(DayLoop, WordsGetANoticeAndDoNotSpendTheDay) {
  EXPECT_EQ(play("Bruno feed 7x 0"), welcomeText("Bruno") + menuText(1) +
                                         "Please answer with a whole number.\n" + menuText(2) +
                                         "Please answer with a whole number.\n");
}

TEST(DayLoop, ASecondWordOfTheNameIsTheFirstAnswer) {
  EXPECT_EQ(play("Big 0 Bruno"), welcomeText("Big") + menuText(1, "Big"));
}

TEST(DayLoop, EndOfInputEndsTheGameAtOnce) {
  EXPECT_EQ(play(""), testing::kWelcomePrompt);
  EXPECT_EQ(play("  \n\n"), testing::kWelcomePrompt);
  EXPECT_EQ(play("Bruno"), welcomeText("Bruno") + menuText(1));
  EXPECT_EQ(play("Bruno 7 word"), welcomeText("Bruno") + menuText(1) + menuText(2) +
                                      "Please answer with a whole number.\n");
}

TEST(DayLoop, ClearsAfterEachAnswerOnATerminal) {
  constexpr char kClear[] = "\x1b[H\x1b[2J\x1b[3J";
  EXPECT_EQ(play("Bruno word 7 0", testing::kSafeSeed, kTerminalClearing),
            welcomeText("Bruno") + menuText(1) + "Please answer with a whole number.\n" + kClear +
                menuText(2) + kClear);
}

TEST(CloseGame, ScoresTheDayTricksFitnessAndPettingUpToTheLargestNumber) {
  struct Case {
    std::int32_t day, tricks, fitness, timesPet, score;
  } cases[] = {
      {3, 0, 0, 0, 3},
      {10, 2, 3, 4, 37},
      {2000000000, 0, 2000000000, 0, 2147483647},
  };
  for (const Case& c : cases) {
    testing::GameFixture run("quit");
    Game& game = run.game;
    game.state.day = c.day;
    game.state.tricks = c.tricks;
    game.state.fitness = c.fitness;
    game.state.timesPet = c.timesPet;
    game.menuChoice = 4;
    closeGame(game);
    EXPECT_EQ(game.state.score, c.score) << "day " << c.day;
    EXPECT_EQ(game.menuChoice, 0);
    EXPECT_NE(run.output().find("Your score was " + std::to_string(c.score) + ".\n"),
              std::string::npos);
  }
}

}  // namespace
}  // namespace tumblewood
