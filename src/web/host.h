#pragma once

#include <array>
#include <streambuf>

// The game's side of the page that runs it. The page (or any other host, such as a script
// under node) passes these to the module when it creates it:
//   readInput(size)   a promise of the next typed bytes, at most `size` of them, and none
//                     at the end of the input;
//   writeOutput(bytes) shows the bytes (UTF-8 text);
//   outputIsTerminal  true where the output is a terminal that reads escape sequences;
//   gameOver(status)  told once when the game has ended: 0, or 1 after a failed read or
//                     write.
namespace tumblewood::web {

// The typed input as a stream buffer. A read that finds nothing left waits for the host's
// next bytes; the wasm stack is set aside meanwhile (Asyncify), so the browser goes on.
class TerminalInputBuffer : public std::streambuf {
 protected:
  int_type underflow() override;

 private:
  std::array<char, 1024> bytes_{};
};

// The host's output as an unbuffered stream buffer: the console hands over its text in one
// piece per flush, and each piece is shown at once.
class TerminalOutputBuffer : public std::streambuf {
 protected:
  std::streamsize xsputn(const char* text, std::streamsize count) override;
  int_type overflow(int_type c) override;
};

// Whether the host's output is a terminal, which the console may clear.
bool outputIsTerminal();

// Tells the host that the game has ended with `status`.
void reportGameOver(int status);

}  // namespace tumblewood::web
