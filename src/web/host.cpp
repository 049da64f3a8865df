#include "web/host.h"

#include <emscripten/emscripten.h>

#include <algorithm>
#include <climits>

// Waits for the next typed bytes and copies at most `size` of them to `into`: the number
// copied, 0 at the end of the input.
EM_ASYNC_JS(int, tumblewood_read_input, (char* into, int size), {
  const bytes = await Module.readInput(size);
  HEAPU8.set(bytes, into);
  return bytes.length;
});

// Shows `size` bytes of UTF-8 text, copied out of the wasm memory, which the next flush
// overwrites while the page may still be drawing them.
EM_JS(void, tumblewood_write_output, (const char* text, int size),
      { Module.writeOutput(HEAPU8.slice(text, text + size)); });

EM_JS(int, tumblewood_output_is_terminal, (), { return Module.outputIsTerminal ? 1 : 0; });

EM_JS(void, tumblewood_game_over, (int status), { Module.gameOver(status); });

namespace tumblewood::web {

namespace {

// The page's functions take their sizes as int; larger requests go in pieces.
int chunk(std::size_t size) { return static_cast<int>(std::min<std::size_t>(size, INT_MAX)); }

}  // namespace

std::ptrdiff_t readTypedInput(char* into, std::size_t size) {
  return tumblewood_read_input(into, chunk(size));
}

std::ptrdiff_t showOutput(const char* text, std::size_t size) {
  const int count = chunk(size);
  tumblewood_write_output(text, count);
  return count;
}

bool outputIsTerminal() { return tumblewood_output_is_terminal() != 0; }

void reportGameOver(int status) { tumblewood_game_over(status); }

}  // namespace tumblewood::web
