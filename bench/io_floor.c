/* The I/O floor in plain C, for the start-up benchmark: the reads, flushes and writes of
   io_floor.cpp through C's standard I/O alone, with none of the C++ runtime to load. The
   first argument is the size of the block written after each token, the second the size
   of a greeting written before the first read, as the game greets the player. */
#include <stdio.h>
#include <stdlib.h>

static size_t sizeArgument(int argc, char** argv, int index) {
  return argc > index ? (size_t)strtoul(argv[index], NULL, 10) : 0;
}

/* Writes size bytes of text and flushes them; returns 0 when either fails. */
static int writeAndFlush(const char* text, size_t size) {
  return fwrite(text, 1, size, stdout) == size && fflush(stdout) == 0;
}

int main(int argc, char** argv) {
  const size_t block = sizeArgument(argc, argv, 1);
  const size_t greeting = sizeArgument(argc, argv, 2);
  const size_t longest = block > greeting ? block : greeting;
  char* text = malloc(longest + 1);
  if (text == NULL) return 1;
  for (size_t i = 0; i < longest; ++i) text[i] = 'x';

  int written = writeAndFlush(text, greeting);
  while (written) {
    int c = getchar();
    while (c == ' ' || c == '\n') c = getchar();
    if (c == EOF) break;
    while (c != EOF && c != ' ' && c != '\n') c = getchar();
    written = writeAndFlush(text, block);
  }
  free(text);
  return written ? 0 : 1;
}
