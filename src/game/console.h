#pragma once

#include <cstddef>
#include <cstdint>
#include <iosfwd>
#include <optional>
#include <string>
#include <string_view>
#include <system_error>

namespace tumblewood {

// How the console clears the screen that its output is shown on.
struct ScreenClearing {
  // Written in line with the text: the escape sequence of a terminal that reads them.
  std::string_view sequence;
  // Called once the text before it has gone out, where a system call clears the screen.
  void (*clearNow)() = nullptr;
};

// Output that is not a terminal (a pipe, a file) keeps the game's texts alone.
inline constexpr ScreenClearing kNoClearing{};
// Cursor home, clear the screen, clear the scrollback.
inline constexpr ScreenClearing kTerminalClearing{"\x1b[H\x1b[2J\x1b[3J"};

// A read or a write that failed, with the system's reason. It ends the console for good.
struct StreamFault {
  enum class Direction : std::uint8_t { input, output };
  Direction direction;
  std::error_code reason;
};

// The one line that tells the player what went wrong, for standard error.
std::string faultMessage(const StreamFault& fault);

// The game's only contact with the player: it reads answers as white-space separated
// tokens, writes text, flushes before every read and clears the screen. Nothing else
// in the game touches the terminal. Text is gathered in one buffer and handed to the
// output stream in a single write when it is flushed.
//
// A stream buffer reports a failed read or write by throwing (as a file buffer does) or by
// writing short. Either ends the console: from then on every read finds the end of the
// input and nothing more is written, so the game winds up as at the end of the input, and
// fault() says why.
class Console {
 public:
  Console(std::istream& in, std::ostream& out, ScreenClearing clearing)
      : in_(in), out_(out), clearing_(clearing) {}

  // Text as it stands; numbers in plain decimal, with a minus sign when negative.
  Console& operator<<(std::string_view text) {
    pending_.append(text);
    return *this;
  }
  Console& operator<<(std::int32_t number);

  // The longest word kept: input of any length must not grow the game's memory.
  static constexpr std::size_t kLongestWord = 4096;

  // Reads one word: every byte up to the next white space, of which the first kLongestWord
  // are kept and the rest dropped. Empty at the end of input.
  std::optional<std::string> readWord();

  // Reads a whole number: an optional sign, then digits; whatever follows stays for the
  // next read. A token that is not a number is discarded with a notice and the read goes
  // on. Numbers beyond 32 bits saturate. Empty at the end of input.
  std::optional<std::int32_t> readNumber();

  // Waits for one more token of any kind, or the end of input, and discards it.
  void readAnyAnswer();

  void clearScreen();

  // Sends out what is written so far; reads do it themselves.
  void flush();

  // The failed read or write that ended the console, if one did.
  [[nodiscard]] const std::optional<StreamFault>& fault() const { return fault_; }

 private:
  // Flushes, then skips white space; false at the end of input or after a fault.
  bool waitForToken();
  void discardToken();

  // The input byte at hand, and the one after it; the end of input after a failed read.
  int currentByte();
  int nextByte();
  template <typename Step>
  int guardedRead(Step step);

  std::istream& in_;
  std::ostream& out_;
  ScreenClearing clearing_;
  std::string pending_;  // written but not yet flushed; keeps its capacity between flushes
  std::optional<StreamFault> fault_;
};

}  // namespace tumblewood
