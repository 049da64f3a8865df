#include "rules/bear_rules.h"

#include <algorithm>

#include "rules/saturate.h"

namespace tumblewood {

namespace {

constexpr std::int32_t kDaysBetweenShrinks = 3;
constexpr std::int32_t kShrinkAmount = 10;

}  // namespace

void beginDay(GameState& state, RandomSource& random) {
  random.reseedFromClock();
  ++state.day;
  // Measured from the last shrink, not from the day number: an examine gives a day back,
  // and a repeated day number must not shrink the bear twice.
  if (state.day == state.lastShrinkDay + kDaysBetweenShrinks) {
    state.size -= kShrinkAmount;
    if (state.fitness > 0) {
      --state.fitness;
    }
    state.lastShrinkDay = state.day;
  }
}

bool isStarved(const GameState& state) { return state.size < 1; }

void drawRisk(GameState& state, RandomSource& random) {
  // Size makes the bear dangerous; tricks and fitness calm it, petting twice as much.
  // Worked in 64 bits so that no counter, however large, can overflow the sum.
  const std::int64_t danger = std::int64_t{state.size} + 1 - state.tricks -
                              2 * std::int64_t{state.timesPet} - state.fitness;
  state.danger = std::max(saturateToInt32(danger), 1);
  state.risk = random.nextRandom() % state.danger + 1;
}

bool bearAttacks(std::int32_t chance, RandomSource& random) {
  random.reseedFromClock();
  const std::int32_t roll = random.nextRandom() % 100 + 1;
  return roll <= std::max(chance, 0);
}

std::int32_t foodValue(std::int32_t berries, std::int32_t fish) { return berries + 2 * fish; }

}  // namespace tumblewood
