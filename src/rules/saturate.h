#pragma once

#include <algorithm>
#include <cstdint>
#include <limits>

namespace tumblewood {

// Brings a result worked out in 64 bits back into the 32-bit range of the game's numbers,
// stopping at the nearest bound instead of wrapping.
constexpr std::int32_t saturateToInt32(std::int64_t value) {
  return static_cast<std::int32_t>(std::clamp<std::int64_t>(
      value, std::numeric_limits<std::int32_t>::min(), std::numeric_limits<std::int32_t>::max()));
}

}  // namespace tumblewood
