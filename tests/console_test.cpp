#include "game/console.h"

#include <gtest/gtest.h>

#include <sstream>
#include <vector>

namespace tumblewood {
namespace {

constexpr char kNotice[] = "Please answer with a whole number.\n";

struct Transcript {
  std::vector<std::int32_t> numbers;  // every number read until the input ended
  std::size_t notices = 0;
};

Transcript readAllNumbers(const std::string& input) {
  std::istringstream in(input);
  std::ostringstream out;
  Console console(in, out, kNoClearing);
  Transcript transcript;
  while (auto number = console.readNumber()) {
    transcript.numbers.push_back(*number);
  }
  std::string notices = out.str();
  for (std::size_t at = notices.find(kNotice); at != std::string::npos;
       at = notices.find(kNotice, at + 1)) {
    ++transcript.notices;
  }
  EXPECT_EQ(notices.size(), transcript.notices * (sizeof kNotice - 1)) << "stray output";
  return transcript;
}

TEST(ConsoleReadNumber, TokenRules) {
  constexpr std::int32_t kMax = 2147483647;
  constexpr std::int32_t kMin = -kMax - 1;
  struct Case {
    const char* input;
    std::vector<std::int32_t> numbers;
    std::size_t notices;
  } cases[] = {
      {"", {}, 0},
      {" \t\n\r\v\f", {}, 0},
      {"3 3\n\n 3", {3, 3, 3}, 0},
      {"+7 007 -0 -12", {7, 7, 0, -12}, 0},
      {"7x 2", {7, 2}, 1},    // the number, then the rest gets the notice
      {"12-3", {12, -3}, 0},  // the rest is a number of its own
      {"quit", {}, 1},
      {"cat 5", {5}, 1},
      {"- 5", {5}, 1},
      {"+x 5", {5}, 1},
      {"--1 5", {5}, 1},
      {"x7 y8 5", {5}, 2},  // one notice per token
      {"\xff\xfe 5", {5}, 1},
      {"2147483647 -2147483648", {kMax, kMin}, 0},
      {"2147483648 -2147483649", {kMax, kMin}, 0},
      {"99999999999 -99999999999", {kMax, kMin}, 0},
      {"0000000000000000000000000000042", {42}, 0},
  };
  for (const Case& c : cases) {
    const Transcript transcript = readAllNumbers(c.input);
    EXPECT_EQ(transcript.numbers, c.numbers) << "input '" << c.input << "'";
    EXPECT_EQ(transcript.notices, c.notices) << "input '" << c.input << "'";
  }
}

TEST(ConsoleReadNumber, AnyNumberOfDigitsSaturates) {
  const Transcript transcript =
      readAllNumbers(std::string(100000, '9') + " -" + std::string(100000, '9'));
  EXPECT_EQ(transcript.numbers, (std::vector<std::int32_t>{2147483647, -2147483647 - 1}));
}

TEST(ConsoleReadWord, TakesEveryByteUpToWhiteSpace) {
  std::istringstream in("  Bj\xc3\xb6rn-2.0!\tnext\n");
  std::ostringstream out;
  Console console(in, out, kNoClearing);
  EXPECT_EQ(console.readWord(), "Bj\xc3\xb6rn-2.0!");
  EXPECT_EQ(console.readWord(), "next");
  EXPECT_EQ(console.readWord(), std::nullopt);
}

TEST(ConsoleReadWord, KeepsTheStartOfAnEndlessWord) {
  const std::string longWord(1 << 20, 'z');
  std::istringstream in(longWord + " next");
  std::ostringstream out;
  Console console(in, out, kNoClearing);
  EXPECT_EQ(console.readWord(), longWord.substr(0, Console::kLongestWord));
  EXPECT_EQ(console.readWord(), "next");
}

TEST(ConsoleReadAnyAnswer, TakesOneTokenOfAnyKind) {
  std::istringstream in("quit 5");
  std::ostringstream out;
  Console console(in, out, kNoClearing);
  console.readAnyAnswer();
  EXPECT_EQ(console.readNumber(), 5);
  console.readAnyAnswer();  // the end of input is accepted too
  EXPECT_EQ(out.str(), "");
}

// What standard output held when the system's clearing ran, for the test below.
std::ostringstream* clearedOutput = nullptr;
std::string outputAtClearing;

TEST(ConsoleClearScreen, EachWayOfClearing) {
  const ScreenClearing bySystemCall{"", [] { outputAtClearing = clearedOutput->str(); }};
  struct Case {
    const char* name = "";
    ScreenClearing clearing;
    const char* output = "";
    const char* outputAtClearing = "";  // the text before the clearing must be out already
  } cases[] = {
      {"not a terminal", kNoClearing, "menu\n", ""},
      {"terminal", kTerminalClearing, "menu\n\x1b[H\x1b[2J\x1b[3J", ""},
      {"system call", bySystemCall, "menu\n", "menu\n"},
  };
  for (const Case& c : cases) {
    std::istringstream in;
    std::ostringstream out;
    clearedOutput = &out;
    outputAtClearing.clear();
    Console console(in, out, c.clearing);
    console << "menu\n";
    console.clearScreen();
    console.flush();
    EXPECT_EQ(out.str(), c.output) << c.name;
    EXPECT_EQ(outputAtClearing, c.outputAtClearing) << c.name;
  }
}

// Counts how often the console sends out its output.
class CountingBuffer : public std::stringbuf {
 public:
  int flushes = 0;

 protected:
  int sync() override {
    ++flushes;
    return std::stringbuf::sync();
  }
};

TEST(ConsoleFlush, BeforeEveryReadAndNotBetween) {
  std::istringstream in("Bruno word 4");
  CountingBuffer buffer;
  std::ostream out(&buffer);
  Console console(in, out, kTerminalClearing);
  console << "What's his name?\n";
  EXPECT_EQ(buffer.flushes, 0);
  ASSERT_TRUE(console.readWord());
  EXPECT_EQ(buffer.flushes, 1);
  EXPECT_EQ(buffer.str(), "What's his name?\n");
  console << "menu\n";
  console.clearScreen();
  EXPECT_EQ(buffer.flushes, 1);
  EXPECT_EQ(console.readNumber(), 4);  // read, notice, read again
  EXPECT_EQ(buffer.flushes, 3);
}

}  // namespace
}  // namespace tumblewood
