// The program run on the cage files the project ships, as the README shows it.
#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "workspace.h"

namespace fs = std::filesystem;

namespace {

std::string withCrLf(const std::string& text) {
  std::string result;
  for (const char c : text) {
    if (c == '\n') result += '\r';
    result += c;
  }
  return result;
}

class ShippedCages : public testing::TestWithParam<int> {};

TEST_P(ShippedCages, GiveTheGuestAndEveryCarbonAtom) {
  const int menuNumber = GetParam();
  const std::string label = kCageLabels[menuNumber - 1];
  Workspace workspace;
  fs::copy(ENDOHEDRAL_INPUT_DIR, workspace.directory() / "Input");
  const RunResult result = workspace.run(std::to_string(menuNumber) + "\nNa\n");
  ASSERT_EQ(result.exitStatus, 0) << result.standardError;
  const std::string cage = workspace.readFile("Input/" + label + ".inp");
  const std::string structure = workspace.readFile(label + ".xyz");
  EXPECT_EQ(structure, guestLine("Na") + withCrLf(cage));
  const long carbonCount = std::stol(label.substr(1));
  long lines = 0;
  for (const char c : structure) lines += c == '\n';
  EXPECT_EQ(lines, carbonCount + 1);
}

INSTANTIATE_TEST_SUITE_P(MenuNumbers, ShippedCages, testing::Range(1, 13));

}  // namespace
