#include "web/host.h"

#include <emscripten/emscripten.h>

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

TerminalInputBuffer::int_type TerminalInputBuffer::underflow() {
  const int got = tumblewood_read_input(bytes_.data(), static_cast<int>(bytes_.size()));
  if (got <= 0) {
    return traits_type::eof();
  }
  setg(bytes_.data(), bytes_.data(), bytes_.data() + got);
  return traits_type::to_int_type(bytes_[0]);
}

std::streamsize TerminalOutputBuffer::xsputn(const char* text, std::streamsize count) {
  tumblewood_write_output(text, static_cast<int>(count));
  return count;
}

TerminalOutputBuffer::int_type TerminalOutputBuffer::overflow(int_type c) {
  if (traits_type::eq_int_type(c, traits_type::eof())) {
    return traits_type::not_eof(c);
  }
  const char byte = traits_type::to_char_type(c);
  xsputn(&byte, 1);
  return c;
}

bool outputIsTerminal() { return tumblewood_output_is_terminal() != 0; }

void reportGameOver(int status) { tumblewood_game_over(status); }

}  // namespace tumblewood::web
