// Plays the real binary in a pseudo-terminal, as a player at a console would.
#include <gtest/gtest.h>
#include <poll.h>
#include <pty.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <csignal>
#include <fstream>
#include <optional>
#include <string>
#include <string_view>
#include <thread>

namespace {

constexpr std::string_view kClear = "\x1b[H\x1b[2J\x1b[3J";
constexpr auto kTimeout = std::chrono::seconds(5);

// How the game is started: the terminal's type, whether it ignores a hang-up (as under
// nohup), and where its standard error goes (the terminal, unless a descriptor is given).
struct Start {
  const char* terminalType = "xterm";
  bool ignoresHangUp = false;
  int standardError = -1;
};

// The game running on the far side of a pseudo-terminal, and everything it has shown.
class TerminalGame {
 public:
  explicit TerminalGame(Start start = {}) {
    pid_ = forkpty(&terminal_, nullptr, nullptr, nullptr);
    if (pid_ == 0) {
      setenv("TERM", start.terminalType, 1);
      if (start.ignoresHangUp) static_cast<void>(signal(SIGHUP, SIG_IGN));
      if (start.standardError >= 0) dup2(start.standardError, STDERR_FILENO);
      execl(TUMBLEWOOD_BINARY, TUMBLEWOOD_BINARY, static_cast<char*>(nullptr));
      _exit(127);
    }
  }

  ~TerminalGame() {
    if (pid_ > 0 && !exited_) {
      kill(pid_, SIGKILL);
      waitpid(pid_, nullptr, 0);
    }
    if (terminal_ >= 0) close(terminal_);
  }

  TerminalGame(const TerminalGame&) = delete;
  TerminalGame& operator=(const TerminalGame&) = delete;
  TerminalGame(TerminalGame&&) = delete;
  TerminalGame& operator=(TerminalGame&&) = delete;

  [[nodiscard]] bool started() const { return pid_ > 0; }

  // Everything the game has shown so far.
  [[nodiscard]] const std::string& shown() const { return screen_; }

  // Waits until the game sleeps, which after a prompt means that it waits for input.
  [[nodiscard]] bool waitsForInput() const {
    const auto deadline = std::chrono::steady_clock::now() + kTimeout;
    while (std::chrono::steady_clock::now() < deadline) {
      std::ifstream stat("/proc/" + std::to_string(pid_) + "/stat");
      std::string pid;
      std::string name;  // "(tumblewood)", with no space in it
      std::string state;
      if (stat >> pid >> name >> state && state == "S") return true;
      std::this_thread::yield();
    }
    return false;
  }

  // Closes the terminal, as when its window is closed or the line drops.
  void hangUp() {
    close(terminal_);
    terminal_ = -1;
  }

  // Waits until `text` shows after what earlier waits consumed; returns what came before it
  // (the text itself is consumed too). Empty when it does not come within the timeout.
  std::optional<std::string> waitFor(std::string_view text) {
    const auto deadline = std::chrono::steady_clock::now() + kTimeout;
    for (;;) {
      const std::size_t at = screen_.find(text, consumed_);
      if (at != std::string::npos) {
        std::string before = screen_.substr(consumed_, at - consumed_);
        consumed_ = at + text.size();
        return before;
      }
      if (!readSome(deadline)) return std::nullopt;
    }
  }

  void type(std::string_view keys) const {
    ASSERT_EQ(write(terminal_, keys.data(), keys.size()), static_cast<ssize_t>(keys.size()));
  }

  // The exit status, or -1 when the game does not end within the timeout.
  int exitStatus() {
    const auto deadline = std::chrono::steady_clock::now() + kTimeout;
    while (std::chrono::steady_clock::now() < deadline) {
      int status = 0;
      if (waitpid(pid_, &status, WNOHANG) == pid_) {
        exited_ = true;
        return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
      }
      readSome(std::chrono::steady_clock::now() + std::chrono::milliseconds(20));
    }
    return -1;
  }

 private:
  bool readSome(std::chrono::steady_clock::time_point deadline) {
    const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(
        deadline - std::chrono::steady_clock::now());
    if (left.count() <= 0) return false;
    pollfd ready{terminal_, POLLIN, 0};
    if (poll(&ready, 1, static_cast<int>(left.count())) <= 0) return false;
    char buffer[4096];
    const ssize_t got = read(terminal_, buffer, sizeof buffer);
    if (got <= 0) return false;
    screen_.append(buffer, static_cast<std::size_t>(got));
    return true;
  }

  pid_t pid_ = -1;
  int terminal_ = -1;
  bool exited_ = false;
  std::string screen_;
  std::size_t consumed_ = 0;
};

std::string menuOfDay(int day) {
  return "It is day " + std::to_string(day) +
         "\r\n1. Feed your bear some fish and berries.\r\n"
         "2. Take your bear for a walk across the forest.\r\n3. Pet your bear.\r\n"
         "4. Teach your bear tricks.\r\n5. Get food for your bear.\r\n6. Examine Bruno.\r\n"
         "0. Quit Tumblewood 2010.\r\n";
}

constexpr std::string_view kExamined = "the bear will be more dangerous to handle.\r\n";

TEST(Terminal, PromptsShowBeforeEachReadAndActionsFollowAClearedScreen) {
  TerminalGame game;
  ASSERT_TRUE(game.started());
  ASSERT_TRUE(game.waitFor("What's his name?\r\n")) << "no welcome prompt before the name";
  game.type("Bruno\n");
  ASSERT_TRUE(game.waitFor("Let's get started.\r\n"));
  ASSERT_TRUE(game.waitFor(menuOfDay(1))) << "no menu before the first answer";

  // One answer: the screen is cleared after it and before the examine report.
  game.type("6\n");
  auto beforeReport = game.waitFor("Your bear is out of shape");
  ASSERT_TRUE(beforeReport);
  EXPECT_NE(beforeReport->find(kClear), std::string::npos) << "not cleared: " << *beforeReport;
  ASSERT_TRUE(game.waitFor(kExamined));
  ASSERT_TRUE(game.waitFor(menuOfDay(1)));

  // Answers typed ahead on one line are taken in turn: feed 2 berries and 1 fish, then examine.
  game.type("1 2 1 6\n");
  auto beforeFeeding = game.waitFor("How many berries");
  ASSERT_TRUE(beforeFeeding);
  EXPECT_NE(beforeFeeding->find(kClear), std::string::npos);
  ASSERT_TRUE(game.waitFor("How many fish"));
  auto beforeGrowth = game.waitFor("Bruno Is growing up so fast! It is now 9 size.\r\n");
  ASSERT_TRUE(beforeGrowth);
  EXPECT_EQ(beforeGrowth->find(kClear), std::string::npos) << "cleared after a feeding amount";
  ASSERT_TRUE(game.waitFor(menuOfDay(2)));
  auto beforeSecondReport = game.waitFor("Your bear is size 9.");
  ASSERT_TRUE(beforeSecondReport);
  EXPECT_NE(beforeSecondReport->find(kClear), std::string::npos);
  ASSERT_TRUE(game.waitFor(menuOfDay(2)));

  // Ctrl-D at the menu ends the game at once, with status 0 and nothing more on screen.
  game.type("\x04");
  EXPECT_EQ(game.exitStatus(), 0);
  EXPECT_EQ(game.waitFor("\n"), std::nullopt) << "output after the end of input";
}

TEST(Terminal, ADumbTerminalIsNeverSentAnEscapeSequence) {
  TerminalGame game(Start{.terminalType = "dumb"});
  ASSERT_TRUE(game.started());
  ASSERT_TRUE(game.waitFor("What's his name?\r\n"));
  game.type("Bruno\n6\n0\n");
  ASSERT_TRUE(game.waitFor(kExamined)) << "no examine report";
  EXPECT_EQ(game.exitStatus(), 0);
  EXPECT_EQ(game.shown().find('\x1b'), std::string::npos) << game.shown();
}

TEST(Terminal, AHangUpWhileTheGameWaitsEndsItWithTheReason) {
  int errors[2];
  ASSERT_EQ(pipe(errors), 0);
  TerminalGame game(Start{.ignoresHangUp = true, .standardError = errors[1]});
  close(errors[1]);
  ASSERT_TRUE(game.started());
  ASSERT_TRUE(game.waitFor("What's his name?\r\n"));
  // A terminal that hangs up before the game reads again just reads as ended; one that hangs
  // up while the game waits fails the read.
  ASSERT_TRUE(game.waitsForInput());
  game.hangUp();
  EXPECT_EQ(game.exitStatus(), 1);
  char line[200] = {};
  const ssize_t got = read(errors[0], line, sizeof line - 1);
  close(errors[0]);
  EXPECT_STREQ(got > 0 ? line : "", "tumblewood: cannot read standard input: Input/output error\n");
}

}  // namespace
