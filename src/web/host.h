#pragma once

#include <cstddef>

// The game's side of the page that runs it. The page (or any other host, such as a script
// under node) passes these to the module when it creates it:
//   readInput(size)   a promise of the next typed bytes, at most `size` of them, and none
//                     at the end of the input;
//   writeOutput(bytes) shows the bytes (UTF-8 text);
//   outputIsTerminal  true where the output is a terminal that reads escape sequences;
//   gameOver(status)  told once when the game has ended: 0, or 1 after a failed read or
//                     write.
namespace tumblewood::web {

// Waits for the next typed bytes and copies at most `size` of them to `into`: the number
// copied, 0 at the end of the input. The wasm stack is set aside meanwhile (Asyncify), so
// the browser goes on.
std::ptrdiff_t readTypedInput(char* into, std::size_t size);

// Shows `size` bytes of the game's text at once; all of them are taken.
std::ptrdiff_t showOutput(const char* text, std::size_t size);

// Whether the host's output is a terminal, which the console may clear.
bool outputIsTerminal();

// Tells the host that the game has ended with `status`.
void reportGameOver(int status);

}  // namespace tumblewood::web
