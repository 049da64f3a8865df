// Plays one whole game from arbitrary bytes: the first five choose the clock, the rest is
// what the player types. Every input must finish without a crash, a hang or undefined
// behaviour.
#include <cstddef>
#include <cstdint>
#include <istream>
#include <ostream>
#include <sstream>
#include <streambuf>
#include <string>

#include "game/console.h"
#include "game/game.h"
#include "rules/random_source.h"

namespace {

// Throws away everything written to it.
class DiscardBuffer : public std::streambuf {
 protected:
  int_type overflow(int_type c) override { return traits_type::not_eof(c); }
  std::streamsize xsputn(const char* /*text*/, std::streamsize count) override { return count; }
};

constexpr std::size_t kClockBytes = 5;

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (size < kClockBytes) return 0;
  // Bytes 0 to 3: the clock's first reading; byte 4: how far it moves between readings
  // (0 keeps it still, so the attack roll repeats the day's first draw).
  std::int64_t seconds = 0;
  for (std::size_t i = 0; i < 4; ++i) seconds = seconds * 256 + data[i];
  const std::int64_t step = data[4];
  tumblewood::RandomSource random([&seconds, step] {
    const std::int64_t now = seconds;
    seconds += step;
    return now;
  });

  // NOLINTNEXTLINE(cppcoreguidelines-pro-type-reinterpret-cast): the fuzzer hands over bytes
  const auto* typed = reinterpret_cast<const char*>(data) + kClockBytes;
  std::istringstream in(std::string(typed, size - kClockBytes));
  DiscardBuffer discard;
  std::ostream out(&discard);
  tumblewood::Console console(
      in, out, (step & 1) != 0 ? tumblewood::kTerminalClearing : tumblewood::kNoClearing);
  tumblewood::playGame(console, random);
  return 0;
}
