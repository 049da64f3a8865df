#include "game/console.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <istream>
#include <limits>
#include <ostream>
#include <streambuf>

#include "rules/saturate.h"

namespace tumblewood {

namespace {

constexpr auto kEnd = std::char_traits<char>::eof();

bool isWhiteSpace(int c) {
  return c == ' ' || c == '\t' || c == '\n' || c == '\r' || c == '\v' || c == '\f';
}

bool isDigit(int c) { return c >= '0' && c <= '9'; }

// Used where a stream fails without saying why.
std::error_code unexplained() { return std::make_error_code(std::io_errc::stream); }

// The fault that a stream buffer's exception stands for, with the system's reason where the
// exception carries one (file buffers throw std::ios_base::failure, a std::system_error).
StreamFault faultFrom(StreamFault::Direction direction, const std::exception& error) {
  const auto* systemError = dynamic_cast<const std::system_error*>(&error);
  return {direction, systemError != nullptr ? systemError->code() : unexplained()};
}

}  // namespace

std::string faultMessage(const StreamFault& fault) {
  const bool input = fault.direction == StreamFault::Direction::input;
  return std::string("tumblewood: cannot ") +
         (input ? "read standard input: " : "write standard output: ") + fault.reason.message() +
         "\n";
}

Console& Console::operator<<(std::int32_t number) {
  std::array<char, 16> digits{};
  auto* const end = std::to_chars(digits.data(), digits.data() + digits.size(), number).ptr;
  pending_.append(digits.data(), end);
  return *this;
}

template <typename Step>
int Console::guardedRead(Step step) {
  if (fault_) {
    return kEnd;
  }
  try {
    return step(*in_.rdbuf());
  } catch (const std::exception& error) {
    fault_ = faultFrom(StreamFault::Direction::input, error);
  }
  return kEnd;
}

int Console::currentByte() {
  return guardedRead([](std::streambuf& buffer) { return buffer.sgetc(); });
}

int Console::nextByte() {
  return guardedRead([](std::streambuf& buffer) { return buffer.snextc(); });
}

bool Console::waitForToken() {
  flush();
  if (fault_ || in_.rdbuf() == nullptr || !in_.good()) {
    return false;
  }
  int c = currentByte();
  while (isWhiteSpace(c)) {
    c = nextByte();
  }
  if (c == kEnd) {
    in_.setstate(std::ios::eofbit);
    return false;
  }
  return true;
}

void Console::discardToken() {
  for (int c = currentByte(); c != kEnd && !isWhiteSpace(c);) {
    c = nextByte();
  }
}

std::optional<std::string> Console::readWord() {
  if (!waitForToken()) {
    return std::nullopt;
  }
  std::string word;
  for (int c = currentByte(); c != kEnd && !isWhiteSpace(c); c = nextByte()) {
    if (word.size() < kLongestWord) {
      word.push_back(std::char_traits<char>::to_char_type(c));
    }
  }
  // A word cut short by a failed read is not the player's answer.
  if (fault_) {
    return std::nullopt;
  }
  return word;
}

std::optional<std::int32_t> Console::readNumber() {
  // One past the largest magnitude: enough for the smallest number, and saturated above.
  constexpr std::int64_t kMagnitudeCap = std::int64_t{std::numeric_limits<std::int32_t>::max()} + 1;
  while (waitForToken()) {
    int c = currentByte();
    bool negative = false;
    if (c == '+' || c == '-') {
      negative = c == '-';
      c = nextByte();
    }
    if (!isDigit(c)) {
      // Without this notice a word would leave the answer as it was and the game
      // would go on repeating it without reading anything new.
      discardToken();
      *this << "Please answer with a whole number.\n";
      continue;
    }
    // Any number of digits: the magnitude stops growing just past the 32-bit range.
    std::int64_t magnitude = 0;
    for (; isDigit(c); c = nextByte()) {
      magnitude = std::min(magnitude * 10 + (c - '0'), kMagnitudeCap);
    }
    if (fault_) {
      break;  // digits cut short by a failed read are not the player's answer
    }
    return saturateToInt32(negative ? -magnitude : magnitude);
  }
  return std::nullopt;
}

void Console::readAnyAnswer() {
  if (waitForToken()) {
    discardToken();
  }
}

void Console::clearScreen() {
  pending_.append(clearing_.sequence);
  if (clearing_.clearNow != nullptr) {
    // The text before the clearing must be on screen before it is cleared away.
    flush();
    if (!fault_) {
      clearing_.clearNow();
    }
  }
}

void Console::flush() {
  std::streambuf* const buffer = out_.rdbuf();
  if (!fault_) {
    const auto size = static_cast<std::streamsize>(pending_.size());
    try {
      if (buffer == nullptr || buffer->sputn(pending_.data(), size) != size ||
          buffer->pubsync() != 0) {
        fault_ = StreamFault{StreamFault::Direction::output, unexplained()};
      }
    } catch (const std::exception& error) {
      fault_ = faultFrom(StreamFault::Direction::output, error);
    }
  }
  // After a fault the text has nowhere to go; it is dropped rather than kept growing.
  pending_.clear();
}

}  // namespace tumblewood
