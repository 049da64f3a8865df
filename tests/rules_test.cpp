#include <gtest/gtest.h>

#include <vector>

#include "rules/bear_rules.h"
#include "test_support.h"

namespace tumblewood {
namespace {

using testing::fixedRandom;

TEST(RandomSource, SameSeedGivesTheKnownDraws) {
  RandomSource random = fixedRandom(1);
  random.reseedFromClock();
  const std::vector<std::int32_t> expected = {16838, 5758, 10113, 17515, 31051};
  for (std::int32_t draw : expected) {
    EXPECT_EQ(random.nextRandom(), draw);
  }
  random.reseedFromClock();
  EXPECT_EQ(random.nextRandom(), 16838);
}

TEST(RandomSource, SeedIsTheLowThirtyTwoBitsOfTheTime) {
  RandomSource wide = fixedRandom((std::int64_t{7} << 32) + 1);
  wide.reseedFromClock();
  EXPECT_EQ(wide.nextRandom(), 16838);
}

TEST(RandomSource, DrawsStayInRange) {
  RandomSource random = fixedRandom(20261211);
  random.reseedFromClock();
  for (int i = 0; i < 100000; ++i) {
    const std::int32_t draw = random.nextRandom();
    ASSERT_GE(draw, 0);
    ASSERT_LE(draw, 32767);
  }
}

TEST(DrawRisk, DangerFollowsSizeAndIsNeverBelowOne) {
  struct Case {
    std::int32_t size, tricks, timesPet, fitness, danger;
  } cases[] = {
      {5, 0, 0, 0, 6},                    // the first day
      {12, 1, 2, 3, 5},                   // 12 + 1 - 1 - 4 - 3
      {20, 0, 0, 0, 21},                  // size alone
      {5, 0, 3, 0, 1},                    // 5 + 1 - 6 = 0: raised to 1
      {5, 10, 10, 10, 1},                 // far below 1
      {-5, 0, 0, 0, 1},                   // a negative size
      {2147483647, 0, 0, 0, 2147483647},  // the sum does not overflow
      {-9, 2147483647, 2147483647, 2147483647, 1},
  };
  for (const Case& c : cases) {
    GameState state;
    state.size = c.size;
    state.tricks = c.tricks;
    state.timesPet = c.timesPet;
    state.fitness = c.fitness;
    RandomSource random = fixedRandom(1);
    random.reseedFromClock();
    drawRisk(state, random);
    EXPECT_EQ(state.danger, c.danger) << "size " << c.size;
    EXPECT_EQ(state.risk, 16838 % c.danger + 1) << "size " << c.size;
  }
}

TEST(DrawRisk, RiskLiesBetweenOneAndDanger) {
  for (std::int32_t size : {1, 5, 99, 40000}) {
    GameState state;
    state.size = size;
    bool sawOne = false;
    bool sawDanger = false;
    for (std::int64_t seconds = 0; seconds < 5000; ++seconds) {
      RandomSource random = fixedRandom(seconds);
      random.reseedFromClock();
      drawRisk(state, random);
      ASSERT_GE(state.risk, 1);
      ASSERT_LE(state.risk, state.danger);
      sawOne = sawOne || state.risk == 1;
      sawDanger = sawDanger || state.risk == state.danger;
    }
    EXPECT_TRUE(sawOne) << "size " << size;
    EXPECT_EQ(sawDanger, size < 40000) << "size " << size;  // risk stops at 32768
  }
}

// Runs days from the initial state and returns the days on which the bear shrank.
std::vector<std::int32_t> shrinkDays(int days, bool examineEveryDay) {
  GameState state;
  state.size = 1000;
  RandomSource random = fixedRandom(1);
  std::vector<std::int32_t> shrunk;
  for (int i = 0; i < days; ++i) {
    const std::int32_t before = state.size;
    beginDay(state, random);
    if (state.size != before) {
      EXPECT_EQ(state.size, before - 10);
      EXPECT_EQ(state.lastShrinkDay, state.day);
      shrunk.push_back(state.day);
    }
    if (examineEveryDay) {
      const std::int32_t afterShrink = state.size;
      --state.day;  // an examine gives the day back
      beginDay(state, random);
      EXPECT_EQ(state.size, afterShrink) << "shrank twice on day " << state.day;
    }
  }
  return shrunk;
}

TEST(BeginDay, ShrinksEveryThirdDayOnlyOnce) {
  const std::vector<std::int32_t> expected = {3, 6, 9, 12};
  EXPECT_EQ(shrinkDays(13, false), expected);
  EXPECT_EQ(shrinkDays(13, true), expected);
}

TEST(BeginDay, FitnessFallsWithAShrinkButNeverBelowZero) {
  struct Case {
    std::int32_t fitness, day, after;
  } cases[] = {{0, 2, 0}, {3, 2, 2}, {1, 2, 0}, {3, 1, 3}};  // day 1 becomes 2: no shrink
  for (const Case& c : cases) {
    GameState state;
    state.fitness = c.fitness;
    state.day = c.day;
    RandomSource random = fixedRandom(1);
    beginDay(state, random);
    EXPECT_EQ(state.fitness, c.after) << "fitness " << c.fitness << " on day " << state.day;
  }
}

TEST(IsStarved, BelowOne) {
  struct Case {
    std::int32_t size;
    bool starved;
  } cases[] = {{-5, true}, {0, true}, {1, false}, {21, false}};
  for (const Case& c : cases) {
    GameState state;
    state.size = c.size;
    EXPECT_EQ(isStarved(state), c.starved) << "size " << c.size;
  }
}

TEST(BearAttacks, RollsOneToHundredAgainstTheChance) {
  // Seeds 132, 70, 15 and 194 give rolls of 1, 2, 99 and 100.
  struct Case {
    std::int32_t chance;
    std::int64_t seed;
    bool attacks;
  } cases[] = {
      {-5, 132, false}, {0, 132, false},  {1, 132, true},   {1, 70, false},
      {99, 15, true},   {99, 194, false}, {100, 194, true}, {150, 194, true},
  };
  for (const Case& c : cases) {
    RandomSource random = fixedRandom(c.seed);
    EXPECT_EQ(bearAttacks(c.chance, random), c.attacks)
        << "chance " << c.chance << ", seed " << c.seed;
  }
}

TEST(BearAttacks, ReseedsFromTheClockForEachRoll) {
  std::int64_t seconds = 132;
  RandomSource random([&seconds] { return seconds; });
  EXPECT_TRUE(bearAttacks(1, random));
  EXPECT_TRUE(bearAttacks(1, random));  // the same second: the same roll
  seconds = 194;
  EXPECT_FALSE(bearAttacks(99, random));
}

}  // namespace
}  // namespace tumblewood
