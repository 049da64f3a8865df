#pragma once

#include <cstdint>
#include <iosfwd>
#include <optional>
#include <string>
#include <string_view>

namespace tumblewood {

// The game's only contact with the player: it reads answers as white-space separated
// tokens, writes text, flushes before every read and clears the screen. Nothing else
// in the game touches the terminal. Text is gathered in one buffer and handed to the
// output stream in a single write when it is flushed.
class Console {
 public:
  // clearsScreen: whether clearScreen writes the terminal's clearing sequence; it should
  // only where the output is a terminal, so a piped transcript holds the game's texts alone.
  Console(std::istream& in, std::ostream& out, bool clearsScreen)
      : in_(in), out_(out), clearsScreen_(clearsScreen) {}

  // Text as it stands; numbers in plain decimal, with a minus sign when negative.
  Console& operator<<(std::string_view text) {
    pending_.append(text);
    return *this;
  }
  Console& operator<<(std::int32_t number);

  // Reads one word: every byte up to the next white space. Empty at the end of input.
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

 private:
  // Flushes, then skips white space; false at the end of input.
  bool waitForToken();
  void discardToken();

  std::istream& in_;
  std::ostream& out_;
  bool clearsScreen_;
  std::string pending_;  // written but not yet flushed; keeps its capacity between flushes
};

// True when standard output is a terminal, the only place where clearing means anything.
bool standardOutputIsTerminal();

}  // namespace tumblewood
