// Replays the fuzzers' seed and regression inputs through the same oracles, so
// the normal build checks every input that ever mattered.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

#include "oracle.h"

namespace {

namespace fs = std::filesystem;

struct ReplayCase {
  const char* name;
  std::string (*check)(const std::string& input);
  const char* folder;  // relative to tests/fuzz
};

void PrintTo(const ReplayCase& replay, std::ostream* out) { *out << replay.name; }

std::string bytesOf(const fs::path& path) {
  std::ifstream in(path, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

class Replay : public testing::TestWithParam<ReplayCase> {};

TEST_P(Replay, EveryInputKeepsTheOracle) {
  const fs::path folder = fs::path(ENDOHEDRAL_FUZZ_DIR) / GetParam().folder;
  int replayed = 0;
  for (const fs::directory_entry& entry : fs::directory_iterator(folder)) {
    EXPECT_EQ(GetParam().check(bytesOf(entry.path())), "") << entry.path().filename();
    ++replayed;
  }
  EXPECT_GT(replayed, 0) << folder << " holds no input";
}

INSTANTIATE_TEST_SUITE_P(
    Corpora, Replay,
    testing::Values(ReplayCase{"DialogueSeeds", checkDialogue, "corpus/dialogue"},
                    ReplayCase{"DialogueRegressions", checkDialogue, "regression/dialogue"},
                    ReplayCase{"CopySeeds", checkCopy, "corpus/copy"},
                    ReplayCase{"CopyRegressions", checkCopy, "regression/copy"}),
    [](const testing::TestParamInfo<ReplayCase>& info) { return info.param.name; });

}  // namespace
