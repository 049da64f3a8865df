// The I/O floor for the throughput benchmark: reads the same white-space separated tokens
// the game would, flushes before every read as the game does, and writes a block of the
// size the game writes per answer. Nothing else; the game can only be slower than this.
#include <cstdlib>
#include <iostream>
#include <string>

int main(int argc, char** argv) {
  std::ios::sync_with_stdio(false);
  std::cin.tie(nullptr);
  const std::string block(argc > 1 ? std::strtoul(argv[1], nullptr, 10) : 0, 'x');
  std::streambuf* in = std::cin.rdbuf();
  constexpr auto kEnd = std::char_traits<char>::eof();
  for (;;) {
    std::cout.flush();
    int c = in->sgetc();
    while (c == ' ' || c == '\n') c = in->snextc();
    if (c == kEnd) break;
    while (c != kEnd && c != ' ' && c != '\n') c = in->snextc();
    std::cout << block;
  }
  std::cout.flush();
  return 0;
}
