#pragma once

// What differs between the systems the native game runs on. Each has one file that
// implements these, and the build picks it: posix.cpp or windows.cpp.

#include <cstddef>
#include <string_view>

#include "game/console.h"

namespace tumblewood::platform {

// Standard input and output, as FrontEnd's read and write (front_end.h).
std::ptrdiff_t readStandardInput(char* into, std::size_t size);
std::ptrdiff_t writeStandardOutput(const char* from, std::size_t size);

// Writes `text` to standard error. A failure there is ignored: it is the last resort.
void writeStandardError(std::string_view text);

// How to clear the screen that standard output shows: not at all unless it is a terminal
// that can be cleared.
ScreenClearing standardOutputClearing();

}  // namespace tumblewood::platform
