// The structure file as the built program writes it, and every way writing it can fail.
#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#if !defined(_WIN32)
#include <unistd.h>
#endif

#include "case_name.h"
#include "workspace.h"

namespace fs = std::filesystem;

namespace {

TEST(StructureFile, EmptyCageGivesTheGuestLineAlone) {
  Workspace workspace;
  workspace.writeFile("Input/C60.inp", "");
  ASSERT_EQ(workspace.run("1\nNa\n").exitStatus, 0);
  EXPECT_EQ(workspace.readFile("C60.xyz"), "Na  0.000000  0.000000  0.000000\r\n");
  EXPECT_EQ(workspace.readFile("C60.xyz").size(), 34u);
}

TEST(StructureFile, LongestSymbolGivesAGuestLineOf285Characters) {
  Workspace workspace;
  workspace.writeFile("Input/C60.inp", "");
  const std::string symbol(255, 'Q');
  ASSERT_EQ(workspace.run("1\n" + symbol + "\n").exitStatus, 0);
  EXPECT_EQ(workspace.readFile("C60.xyz"), guestLine(symbol));
  EXPECT_EQ(workspace.readFile("C60.xyz").size(), 285u + 2u);
}

TEST(StructureFile, CageTextIsCopiedUnderTheWindowsTextRules) {
  Workspace workspace;
  const std::string longLine(300, '7');
  workspace.writeFile("Input/C80.inp", std::string("C  1\r\nC  2\nC\r  3\n") + longLine +
                                           std::string("\nN\0L\nlast\x1anever\n", 16));
  ASSERT_EQ(workspace.run("3\nHe\n").exitStatus, 0);
  EXPECT_EQ(workspace.readFile("C80.xyz"), guestLine("He") + "C  1\r\nC  2\r\nC  3\r\n" +
                                               longLine + "\r\n" + std::string("N\0L\r\n", 5) +
                                               "last");
}

TEST(StructureFile, ReplacesAnEarlierLongerFileWhole) {
  Workspace workspace;
  writeFixtureCages(workspace);
  workspace.writeFile("C60.xyz", std::string(10000, 'o'));
  ASSERT_EQ(workspace.run("1\nH\n").exitStatus, 0);
  EXPECT_EQ(workspace.readFile("C60.xyz"), guestLine("H") + "C  C60  1.000000\r\n");
}

TEST(StructureFile, NameDependsOnTheCageOnlyAndRunsRepeatExactly) {
  Workspace workspace;
  writeFixtureCages(workspace);
  ASSERT_EQ(workspace.run("5\nLi\n").exitStatus, 0);
  const std::string first = workspace.readFile("C240.xyz");
  ASSERT_EQ(workspace.run("5\nLi\n").exitStatus, 0);
  EXPECT_EQ(workspace.readFile("C240.xyz"), first);
  ASSERT_EQ(workspace.run("5\nK\n").exitStatus, 0);
  EXPECT_EQ(workspace.readFile("C240.xyz"), guestLine("K") + "C  C240  1.000000\r\n");
}

// The program opens the stored path with this platform's own separator.
std::string localCagePath() {
#if defined(_WIN32)
  return "Input\\C60.inp";
#else
  return "Input/C60.inp";
#endif
}

// Opening a directory as a file fails with EISDIR on POSIX systems; the Windows C
// runtime refuses it with EACCES.
const char* directoryOpenReason() {
#if defined(_WIN32)
  return "Permission denied";
#else
  return "Is a directory";
#endif
}

struct CageFailure {
  const char* name;
  void (*prepare)(const Workspace&);
  const char* (*reason)();
};

void PrintTo(const CageFailure& failure, std::ostream* out) { *out << failure.name; }

class UnreadableCage : public testing::TestWithParam<CageFailure> {};

TEST_P(UnreadableCage, IsReportedAndTheEarlierStructureFileSurvives) {
  Workspace workspace;
  fs::create_directories(workspace.directory() / "Input");
  GetParam().prepare(workspace);
  workspace.writeFile("C60.xyz", "an earlier structure file\n");
  const RunResult result = workspace.run("1\nNa\n");
  EXPECT_EQ(result.exitStatus, 1);
  EXPECT_EQ(result.standardOutput, expectedConsoleOutput());
  EXPECT_EQ(result.standardError,
            "endohedral: " + localCagePath() + ": " + GetParam().reason() + consoleLineEnd());
  EXPECT_EQ(workspace.readFile("C60.xyz"), "an earlier structure file\n");
}

INSTANTIATE_TEST_SUITE_P(
    Causes, UnreadableCage,
    testing::Values(CageFailure{"Missing", [](const Workspace&) {},
                                [] { return "No such file or directory"; }},
                    CageFailure{"Directory",
                                [](const Workspace& w) {
                                  fs::create_directory(w.directory() / "Input" / "C60.inp");
                                },
                                directoryOpenReason}),
    CaseName());

TEST(UnreadableCage, MissingCageCreatesNoStructureFile) {
  Workspace workspace;
  const RunResult result = workspace.run("1\nNa\n");
  EXPECT_EQ(result.exitStatus, 1);
  EXPECT_EQ(result.standardError,
            "endohedral: " + localCagePath() + ": No such file or directory" + consoleLineEnd());
  EXPECT_TRUE(workspace.listing().empty());
}

// Windows has no read permission to take away from a file's owner.
#if !defined(_WIN32)
TEST(UnreadableCage, WithoutReadPermission) {
  if (geteuid() == 0) GTEST_SKIP() << "root reads files whatever their permissions";
  Workspace workspace;
  workspace.writeFile("Input/C60.inp", "C  1\n");
  fs::permissions(workspace.directory() / "Input" / "C60.inp", fs::perms::none);
  const RunResult result = workspace.run("1\nNa\n");
  EXPECT_EQ(result.exitStatus, 1);
  EXPECT_EQ(result.standardError, "endohedral: Input/C60.inp: Permission denied\n");
  EXPECT_FALSE(workspace.exists("C60.xyz"));
}
#endif

TEST(UnwritableStructureFile, ADirectoryOfThatNameIsReportedAndKept) {
  Workspace workspace;
  writeFixtureCages(workspace);
  fs::create_directory(workspace.directory() / "C60.xyz");
  const RunResult result = workspace.run("1\nNa\n");
  EXPECT_EQ(result.exitStatus, 1);
  EXPECT_EQ(result.standardError,
            "endohedral: C60.xyz: " + std::string(directoryOpenReason()) + consoleLineEnd());
  EXPECT_TRUE(fs::is_directory(workspace.directory() / "C60.xyz"));
}

class FullDisk : public testing::TestWithParam<std::size_t> {};

// A small file fails when it is closed, a large one while it is written;
// either way the failure is reported and no cut structure file is left.
TEST_P(FullDisk, IsReportedAndLeavesNoStructureFile) {
#if defined(_WIN32)
  GTEST_SKIP() << "Windows has no /dev/full, and under Wine a Windows program can "
                  "neither make a symbolic link to it nor see a write to it fail";
#else
  Workspace workspace;
  std::string cage;
  while (cage.size() < GetParam()) cage += "C  1.000000  2.000000  3.000000\n";
  workspace.writeFile("Input/C60.inp", cage);
  fs::create_symlink("/dev/full", workspace.directory() / "C60.xyz");
  const RunResult result = workspace.run("1\nNa\n");
  EXPECT_EQ(result.exitStatus, 1);
  EXPECT_EQ(result.standardError, "endohedral: C60.xyz: No space left on device\n");
  EXPECT_FALSE(workspace.exists("C60.xyz"));
#endif
}

INSTANTIATE_TEST_SUITE_P(CageSizes, FullDisk, testing::Values(0, 100, 1 << 20));

}  // namespace
