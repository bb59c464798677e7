#include "cage_catalogue.h"

#include <gtest/gtest.h>

#include <climits>
#include <set>
#include <string>

#include "dialogue.h"

namespace {

// The menu prints "k:Cnnn," (or "k:Cnnn " at a row's end); returns the label after "k:".
std::string menuLabelFor(int menuNumber) {
  const std::string menu = kMenuText;
  const std::string key = std::to_string(menuNumber) + ":";
  for (std::size_t at = menu.find(key); at != std::string::npos; at = menu.find(key, at + 1)) {
    const bool startsEntry = at == 0 || menu[at - 1] == ' ' || menu[at - 1] == '\n';
    if (!startsEntry) continue;
    const std::size_t begin = at + key.size();
    return menu.substr(begin, menu.find_first_of(", ", begin) - begin);
  }
  return "";
}

TEST(CageCatalogue, EveryRowAgreesWithTheMenuAndItsOwnLabel) {
  std::set<std::string> cageFiles, structureFiles;
  int previousCarbonCount = 0;
  for (int k = 1; k <= kCageCount; ++k) {
    const CageEntry& row = kCageCatalogue[k - 1];
    const std::string label = row.cageLabel;
    SCOPED_TRACE(label);
    EXPECT_EQ(row.menuNumber, k);
    EXPECT_EQ(label, menuLabelFor(k));
    EXPECT_EQ(std::string(row.cageFilePath), "Input\\" + label + ".inp");
    EXPECT_EQ(std::string(row.structureFileName), label + ".xyz");
    const int carbonCount = std::stoi(label.substr(1));
    EXPECT_EQ("C" + std::to_string(carbonCount), label);  // no leading zeros
    EXPECT_GT(carbonCount, previousCarbonCount);
    previousCarbonCount = carbonCount;
    cageFiles.insert(row.cageFilePath);
    structureFiles.insert(row.structureFileName);
  }
  EXPECT_EQ(cageFiles.size(), static_cast<std::size_t>(kCageCount));
  EXPECT_EQ(structureFiles.size(), static_cast<std::size_t>(kCageCount));
}

TEST(CageCatalogue, FirstAndLastRows) {
  EXPECT_STREQ(findCage(1)->cageLabel, "C60");
  EXPECT_STREQ(findCage(1)->cageFilePath, "Input\\C60.inp");
  EXPECT_STREQ(findCage(1)->structureFileName, "C60.xyz");
  EXPECT_STREQ(findCage(12)->cageLabel, "C1280");
  EXPECT_STREQ(findCage(12)->cageFilePath, "Input\\C1280.inp");
  EXPECT_STREQ(findCage(12)->structureFileName, "C1280.xyz");
}

class FindCageRange : public testing::TestWithParam<std::int32_t> {};

TEST_P(FindCageRange, YieldsTheRowInsideOneToTwelveAndNothingOutside) {
  const std::int32_t menuNumber = GetParam();
  const CageEntry* row = findCage(menuNumber);
  if (menuNumber >= 1 && menuNumber <= 12) {
    ASSERT_NE(row, nullptr);
    EXPECT_EQ(row, &kCageCatalogue[menuNumber - 1]);  // the constant row itself, no copy
  } else {
    EXPECT_EQ(row, nullptr);
  }
}

INSTANTIATE_TEST_SUITE_P(Borders, FindCageRange,
                         testing::Values(INT32_MIN, INT32_MIN + 1, -1, 0, 1, 2, 11, 12, 13,
                                         INT32_MAX - 1, INT32_MAX));

}  // namespace
