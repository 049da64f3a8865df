// The game on Windows. Standard input and output go through the C runtime's descriptors in
// text mode, as Windows programs read and write: each line end goes out as CR LF, and at a
// console Ctrl-Z then Enter ends the input. A console is cleared with the console API.
#define NOMINMAX
#define WIN32_LEAN_AND_MEAN
#include <io.h>
#include <windows.h>

#include <algorithm>
#include <cerrno>
#include <climits>
#include <cstddef>
#include <string_view>

#include "platform/platform.h"

namespace tumblewood::platform {

namespace {

constexpr int kInput = 0;
constexpr int kOutput = 1;
constexpr int kError = 2;

// The runtime takes a byte count as an unsigned int; larger requests go in pieces.
unsigned int chunk(std::size_t size) {
  return static_cast<unsigned int>(std::min<std::size_t>(size, INT_MAX));
}

// Blanks the whole screen buffer in its current colours and puts the cursor home, which
// also scrolls the window back to the top. A console that refuses keeps its text: the game
// goes on below it, as it would after a failed "cls".
void clearConsole() {
  HANDLE console = GetStdHandle(STD_OUTPUT_HANDLE);
  CONSOLE_SCREEN_BUFFER_INFO screen{};
  if (GetConsoleScreenBufferInfo(console, &screen) == 0) {
    return;
  }
  const COORD home{0, 0};
  const DWORD cells = static_cast<DWORD>(screen.dwSize.X) * static_cast<DWORD>(screen.dwSize.Y);
  DWORD done = 0;
  FillConsoleOutputCharacterW(console, L' ', cells, home, &done);
  FillConsoleOutputAttribute(console, screen.wAttributes, cells, home, &done);
  SetConsoleCursorPosition(console, home);
}

// A pipe whose reader has gone. The runtime reports some of these as an invalid argument
// (wine's does); the player is better told that the pipe is broken.
bool readerHasGone(unsigned long systemError) {
  return systemError == ERROR_BROKEN_PIPE || systemError == ERROR_NO_DATA ||
         systemError == ERROR_PIPE_NOT_CONNECTED;
}

}  // namespace

std::ptrdiff_t readStandardInput(char* into, std::size_t size) {
  return _read(kInput, into, chunk(size));
}

std::ptrdiff_t writeStandardOutput(const char* from, std::size_t size) {
  _doserrno = 0;  // the runtime sets it only for the system's own errors
  const int wrote = _write(kOutput, from, chunk(size));
  if (wrote < 0 && readerHasGone(_doserrno)) {
    errno = EPIPE;
  }
  return wrote;
}

void writeStandardError(std::string_view text) {
  while (!text.empty()) {
    const int wrote = _write(kError, text.data(), chunk(text.size()));
    if (wrote <= 0) {
      return;
    }
    text.remove_prefix(static_cast<std::size_t>(wrote));
  }
}

ScreenClearing standardOutputClearing() {
  // Only a console handle has a console mode; a pipe or a file fails here and is left alone.
  DWORD mode = 0;
  if (GetConsoleMode(GetStdHandle(STD_OUTPUT_HANDLE), &mode) == 0) {
    return kNoClearing;
  }
  return ScreenClearing{{}, clearConsole};
}

}  // namespace tumblewood::platform
