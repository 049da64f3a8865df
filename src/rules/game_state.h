#pragma once

#include <cstdint>

namespace tumblewood {

// Everything a game counts. One record lives for the whole run, starting from these values.
struct GameState {
  std::int32_t berries = 10;
  std::int32_t fish = 3;
  std::int32_t size = 5;    // below 1 the bear has starved
  std::int32_t danger = 1;  // the largest risk the day can draw, never below 1
  std::int32_t day = 0;     // the first day the player sees is day 1
  std::int32_t lastShrinkDay = 0;
  std::int32_t score = 0;          // set when the game closes with a verdict
  std::int32_t berriesToFeed = 0;  // amounts asked for in the latest feeding
  std::int32_t fishToFeed = 0;
  std::int32_t risk = 0;  // the day's chance of an attack, in percent
  std::int32_t tricks = 0;
  std::int32_t timesPet = 0;
  std::int32_t fitness = 0;  // never below 0
};

}  // namespace tumblewood
