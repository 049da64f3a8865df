#include "game/console.h"

#include <unistd.h>

#include <algorithm>
#include <array>
#include <charconv>
#include <istream>
#include <limits>
#include <streambuf>

#include "rules/saturate.h"

namespace tumblewood {

namespace {

constexpr auto kEnd = std::char_traits<char>::eof();

bool isWhiteSpace(int c) {
  return c == ' ' || c == '\t' || c == '\n' || c == '\r' || c == '\v' || c == '\f';
}

bool isDigit(int c) { return c >= '0' && c <= '9'; }

// Cursor home, clear the screen, clear the scrollback.
constexpr char kClearSequence[] = "\x1b[H\x1b[2J\x1b[3J";

}  // namespace

Console& Console::operator<<(std::int32_t number) {
  std::array<char, 16> digits{};
  auto* const end = std::to_chars(digits.data(), digits.data() + digits.size(), number).ptr;
  pending_.append(digits.data(), end);
  return *this;
}

bool Console::waitForToken() {
  flush();
  std::streambuf* buffer = in_.rdbuf();
  if (buffer == nullptr || !in_.good()) {
    return false;
  }
  int c = buffer->sgetc();
  while (isWhiteSpace(c)) {
    c = buffer->snextc();
  }
  if (c == kEnd) {
    in_.setstate(std::ios::eofbit);
    return false;
  }
  return true;
}

void Console::discardToken() {
  std::streambuf* buffer = in_.rdbuf();
  int c = buffer->sgetc();
  while (c != kEnd && !isWhiteSpace(c)) {
    c = buffer->snextc();
  }
}

std::optional<std::string> Console::readWord() {
  if (!waitForToken()) {
    return std::nullopt;
  }
  std::streambuf* buffer = in_.rdbuf();
  std::string word;
  for (int c = buffer->sgetc(); c != kEnd && !isWhiteSpace(c); c = buffer->snextc()) {
    word.push_back(std::char_traits<char>::to_char_type(c));
  }
  return word;
}

std::optional<std::int32_t> Console::readNumber() {
  // One past the largest magnitude: enough for the smallest number, and saturated above.
  constexpr std::int64_t kMagnitudeCap = std::int64_t{std::numeric_limits<std::int32_t>::max()} + 1;
  while (waitForToken()) {
    std::streambuf* buffer = in_.rdbuf();
    int c = buffer->sgetc();
    bool negative = false;
    if (c == '+' || c == '-') {
      negative = c == '-';
      c = buffer->snextc();
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
    for (; isDigit(c); c = buffer->snextc()) {
      magnitude = std::min(magnitude * 10 + (c - '0'), kMagnitudeCap);
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
  if (clearsScreen_) {
    *this << kClearSequence;
  }
}

void Console::flush() {
  out_.write(pending_.data(), static_cast<std::streamsize>(pending_.size()));
  out_.flush();
  pending_.clear();
}

bool standardOutputIsTerminal() { return isatty(STDOUT_FILENO) == 1; }

}  // namespace tumblewood
