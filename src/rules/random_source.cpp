#include "rules/random_source.h"

namespace tumblewood {

void RandomSource::reseedFromClock() { next_ = static_cast<std::uint32_t>(clock_()); }

// The portable generator of the C standard's example; unsigned arithmetic wraps, as intended.
std::int32_t RandomSource::nextRandom() {
  next_ = next_ * 1103515245U + 12345U;
  return static_cast<std::int32_t>((next_ / 65536U) % 32768U);
}

}  // namespace tumblewood
