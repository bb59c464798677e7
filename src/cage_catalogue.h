// The twelve carbon cages the program offers, in menu order.
#ifndef ENDOHEDRAL_CAGE_CATALOGUE_H
#define ENDOHEDRAL_CAGE_CATALOGUE_H

#include <cstdint>

struct CageEntry {
  std::int32_t menuNumber;        // what the menu prints before the cage
  const char* cageLabel;          // "C60": C and the carbon count
  const char* cageFilePath;       // "Input\C60.inp", relative to the working directory
  const char* structureFileName;  // "C60.xyz", in the working directory
};

constexpr int kCageCount = 12;

extern const CageEntry kCageCatalogue[kCageCount];

// The row for a menu number from 1 to kCageCount, or nullptr for any other.
const CageEntry* findCage(std::int32_t menuNumber);

#endif
