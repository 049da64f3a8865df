// The console and the whole game when standard input or output fails: the game ends at
// once, says why through fault(), and reads and writes nothing more.
#include <gtest/gtest.h>

#include <cerrno>
#include <functional>
#include <sstream>
#include <streambuf>
#include <string>
#include <system_error>
#include <utility>

#include "game/console.h"
#include "test_support.h"

namespace tumblewood {
namespace {

const std::error_code kReadError(EIO, std::generic_category());
const std::error_code kWriteError(ENOSPC, std::generic_category());
const std::error_code kUnexplained = std::make_error_code(std::io_errc::stream);

// Serves `text`, then fails every read, as a file buffer does when the system fails one.
class FailingInput : public std::streambuf {
 public:
  explicit FailingInput(std::string text) : text_(std::move(text)) {
    setg(text_.data(), text_.data(), text_.data() + text_.size());
  }
  int failedReads = 0;

 protected:
  int_type underflow() override {
    ++failedReads;
    throw std::system_error(kReadError);
  }

 private:
  std::string text_;
};

// Takes `room` bytes, then fails every write: by throwing, as the game's own output buffer
// does, or by taking nothing, as a stream buffer may.
class FailingOutput : public std::stringbuf {
 public:
  FailingOutput(std::size_t room, bool throws) : room_(room), throws_(throws) {}
  int failedWrites = 0;

 protected:
  std::streamsize xsputn(const char* text, std::streamsize count) override {
    if (static_cast<std::size_t>(count) <= room_) {
      room_ -= static_cast<std::size_t>(count);
      return std::stringbuf::xsputn(text, count);
    }
    ++failedWrites;
    if (throws_) throw std::system_error(kWriteError);
    return 0;
  }

 private:
  std::size_t room_;
  bool throws_;
};

using Read = std::function<bool(Console&)>;  // true when the read gave an answer

const std::pair<const char*, Read> kReads[] = {
    {"word", [](Console& console) { return console.readWord().has_value(); }},
    {"number", [](Console& console) { return console.readNumber().has_value(); }},
    {"any answer",
     [](Console& console) {
       console.readAnyAnswer();
       return false;
     }},
};

TEST(StreamFault, AFailedReadEndsTheConsole) {
  // Input that fails at once, in the middle of a token, and after a word the number
  // read sets aside: none of it is an answer.
  for (const char* before : {"", "  12", "x"}) {
    for (const auto& [kind, read] : kReads) {
      FailingInput input(before);
      std::istream in(&input);
      std::ostringstream out;
      Console console(in, out, kTerminalClearing);
      console << "prompt\n";
      EXPECT_FALSE(read(console)) << kind << " after '" << before << "'";
      ASSERT_TRUE(console.fault()) << kind << " after '" << before << "'";
      EXPECT_EQ(console.fault()->direction, StreamFault::Direction::input);
      EXPECT_EQ(console.fault()->reason, kReadError);

      // Nothing more is read or written.
      console << "more\n";
      console.clearScreen();
      EXPECT_FALSE(console.readNumber());
      console.flush();
      EXPECT_EQ(input.failedReads, 1) << kind;
      EXPECT_EQ(out.str(), "prompt\n") << kind << " after '" << before << "'";
    }
  }
}

TEST(StreamFault, AFailedWriteEndsTheConsoleBeforeItReads) {
  for (bool throws : {true, false}) {
    for (const auto& [kind, read] : kReads) {
      std::istringstream in("5 5");
      FailingOutput output(0, throws);
      std::ostream out(&output);
      Console console(in, out, kNoClearing);
      console << "prompt\n";
      EXPECT_FALSE(read(console)) << kind;
      ASSERT_TRUE(console.fault()) << kind;
      EXPECT_EQ(console.fault()->direction, StreamFault::Direction::output);
      EXPECT_EQ(console.fault()->reason, throws ? kWriteError : kUnexplained);

      console << "more\n";
      EXPECT_FALSE(console.readNumber());
      console.flush();
      EXPECT_EQ(output.failedWrites, 1) << kind;
      EXPECT_EQ(in.tellg(), 0) << kind << ": read after the write failed";
    }
  }
}

TEST(StreamFault, ItsMessageNamesTheStreamAndTheReason) {
  class Fire : public std::error_category {
   public:
    [[nodiscard]] const char* name() const noexcept override { return "fire"; }
    [[nodiscard]] std::string message(int /*code*/) const override { return "disk on fire"; }
  };
  const Fire fire;
  EXPECT_EQ(faultMessage({StreamFault::Direction::input, std::error_code(1, fire)}),
            "tumblewood: cannot read standard input: disk on fire\n");
  EXPECT_EQ(faultMessage({StreamFault::Direction::output, std::error_code(1, fire)}),
            "tumblewood: cannot write standard output: disk on fire\n");
}

// Whole games that lose their input or output at each kind of read end there, without
// another word, however much input would follow.
TEST(StreamFault, EndsAWholeGameAtEachRead) {
  const std::string opening = testing::welcomeText("Bruno") + testing::menuText(1);
  struct Case {
    const char* name;
    std::string input;     // what arrives before the read fails
    std::string expected;  // everything shown
  } cases[] = {
      {"name", "", testing::kWelcomePrompt},
      {"menu", "Bruno 7 ", opening + testing::menuText(2)},
      {"feeding", "Bruno 1 ", opening + testing::kAskBerries},
      {"last answer", "Bruno 7 7 ",
       opening + testing::menuText(2) + testing::kStarvationText +
           testing::summaryText(-5, 0, 0, 0, 3)},
  };
  for (const Case& c : cases) {
    FailingInput input(c.input);
    std::istream in(&input);
    std::ostringstream out;
    Console console(in, out, kNoClearing);
    RandomSource random = testing::fixedRandom(testing::kSafeSeed);
    playGame(console, random);
    EXPECT_EQ(out.str(), c.expected) << c.name;
    ASSERT_TRUE(console.fault()) << c.name;
    EXPECT_EQ(console.fault()->direction, StreamFault::Direction::input) << c.name;
    EXPECT_EQ(input.failedReads, 1) << c.name;
  }

  // Output that fails once the name is read: the first menu answer is never read.
  std::istringstream in("Bruno 6 6 6 0");
  FailingOutput output(testing::kWelcomePrompt.size(), true);
  std::ostream out(&output);
  Console console(in, out, kNoClearing);
  RandomSource random = testing::fixedRandom(testing::kSafeSeed);
  playGame(console, random);
  EXPECT_EQ(output.str(), testing::kWelcomePrompt);
  ASSERT_TRUE(console.fault());
  EXPECT_EQ(console.fault()->direction, StreamFault::Direction::output);
  EXPECT_EQ(in.tellg(), 5) << "the game read on after its output failed";
}

}  // namespace
}  // namespace tumblewood
