#pragma once

#include <cstdint>
#include <functional>

namespace tumblewood {

// Returns the current calendar time in whole seconds. main passes the wall clock;
// tests pass a fixed or scripted one.
using Clock = std::function<std::int64_t()>;

// The game's only source of chance: a small linear congruential generator whose
// draws run from 0 to 32767. The same seed always gives the same draws.
class RandomSource {
 public:
  static constexpr std::int32_t kMaxDraw = 32767;

  explicit RandomSource(Clock clock) : clock_(std::move(clock)) {}

  // Seeds the generator with the clock's time, reduced to its low 32 bits.
  void reseedFromClock();

  // Returns the next draw, from 0 to kMaxDraw.
  std::int32_t nextRandom();

 private:
  Clock clock_;
  std::uint32_t next_ = 1;
};

}  // namespace tumblewood
