// Plays one whole game from arbitrary bytes: the first six choose the clock and a failure of
// the input or the output, the rest is what the player types. Every input must finish
// without a crash, a hang or undefined behaviour, and a failure must end the game.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <istream>
#include <ostream>
#include <streambuf>
#include <string>
#include <system_error>

#include "game/console.h"
#include "game/game.h"
#include "rules/random_source.h"

namespace {

// Serves what the player types; when `failsAfter` is set, its reads fail from that byte on.
class TypedInput : public std::streambuf {
 public:
  TypedInput(const char* typed, std::size_t size, std::size_t failsAfter) : fails_(failsAfter > 0) {
    // NOLINTNEXTLINE(cppcoreguidelines-pro-type-const-cast): the buffer is only read
    char* begin = const_cast<char*>(typed);
    setg(begin, begin, begin + (fails_ && failsAfter < size ? failsAfter : size));
  }

 protected:
  int_type underflow() override {
    if (!fails_) return traits_type::eof();
    if (failed_) std::abort();  // the game read on after a failed read
    failed_ = true;
    throw std::system_error(std::make_error_code(std::errc::io_error));
  }

 private:
  bool fails_;
  bool failed_ = false;
};

// Throws away everything written to it; when `room` is set, writes fail once it is used up.
class DiscardedOutput : public std::streambuf {
 public:
  explicit DiscardedOutput(std::size_t room) : room_(room), fails_(room > 0) {}

 protected:
  int_type overflow(int_type c) override {
    return take(1) ? traits_type::not_eof(c) : traits_type::eof();
  }
  std::streamsize xsputn(const char* /*text*/, std::streamsize count) override {
    return take(static_cast<std::size_t>(count)) ? count : 0;
  }

 private:
  bool take(std::size_t count) {
    if (!fails_) return true;
    if (failed_) std::abort();  // the game wrote on after a failed write
    if (count > room_) {
      failed_ = true;
      throw std::system_error(std::make_error_code(std::errc::no_space_on_device));
    }
    room_ -= count;
    return true;
  }

  std::size_t room_;
  bool fails_;
  bool failed_ = false;
};

constexpr std::size_t kSetupBytes = 6;

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (size < kSetupBytes) return 0;
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
  // Byte 5: 0 for streams that never fail; otherwise its low seven bits say where a failure
  // comes, and its high bit which stream fails: after that many typed bytes for the input,
  // after 64 times that many bytes written for the output.
  const bool outputFails = (data[5] & 0x80U) != 0;
  const std::size_t failAt = data[5] & 0x7fU;

  // NOLINTNEXTLINE(cppcoreguidelines-pro-type-reinterpret-cast): the fuzzer hands over bytes
  const auto* typed = reinterpret_cast<const char*>(data) + kSetupBytes;
  TypedInput input(typed, size - kSetupBytes, outputFails ? 0 : failAt);
  DiscardedOutput output(outputFails ? failAt * 64 : 0);
  std::istream in(&input);
  std::ostream out(&output);
  tumblewood::Console console(
      in, out, (step & 1) != 0 ? tumblewood::kTerminalClearing : tumblewood::kNoClearing);
  tumblewood::playGame(console, random);
  // Streams that never fail leave no fault to tell.
  if (failAt == 0 && console.fault()) std::abort();
  return 0;
}
