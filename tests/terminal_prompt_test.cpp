// On a terminal each prompt must be on the screen before the program waits for
// its answer, although neither prompt ends its line.
#include <gtest/gtest.h>

#include <poll.h>
#include <pty.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <string>

#include "workspace.h"

namespace {

// Reads the terminal until text has appeared, giving up after a few seconds.
bool waitForScreenText(int terminal, const std::string& text, std::string& screen) {
  const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(10);
  while (screen.find(text) == std::string::npos) {
    if (std::chrono::steady_clock::now() > deadline) return false;
    pollfd readable{terminal, POLLIN, 0};
    if (poll(&readable, 1, 100) <= 0) continue;
    char bytes[512];
    const ssize_t got = read(terminal, bytes, sizeof bytes);
    if (got <= 0) return false;
    screen.append(bytes, static_cast<std::size_t>(got));
  }
  return true;
}

TEST(TerminalPrompt, EachPromptShowsBeforeItsAnswerIsTyped) {
  Workspace workspace;
  writeFixtureCages(workspace);
  int terminal = -1;
  const pid_t child = forkpty(&terminal, nullptr, nullptr, nullptr);
  ASSERT_GE(child, 0);
  if (child == 0) {
    if (chdir(workspace.directory().c_str()) == 0) {
      execl(ENDOHEDRAL_EXECUTABLE, "endohedral", static_cast<char*>(nullptr));
    }
    _exit(127);
  }
  std::string screen;
  EXPECT_TRUE(waitForScreenText(terminal, "Enter1-12:", screen)) << screen;
  EXPECT_EQ(screen.find("Enter atom"), std::string::npos);
  ASSERT_EQ(write(terminal, "4\n", 2), 2);
  EXPECT_TRUE(waitForScreenText(terminal, "Enter atom(H,Li,Na etc...):", screen)) << screen;
  ASSERT_EQ(write(terminal, "Na\n", 3), 3);
  int status = 0;
  ASSERT_EQ(waitpid(child, &status, 0), child);
  close(terminal);
  ASSERT_TRUE(WIFEXITED(status));
  EXPECT_EQ(WEXITSTATUS(status), 0);
  // The terminal echoes each answer right after its prompt's colon.
  EXPECT_NE(screen.find("Enter1-12:4"), std::string::npos) << screen;
  EXPECT_EQ(workspace.readFile("C180.xyz"), guestLine("Na") + "C  C180  1.000000\r\n");
}

}  // namespace
