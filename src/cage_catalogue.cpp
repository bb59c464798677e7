#include "cage_catalogue.h"

const CageEntry kCageCatalogue[kCageCount] = {
    {1, "C60", "Input\\C60.inp", "C60.xyz"},
    {2, "C70", "Input\\C70.inp", "C70.xyz"},
    {3, "C80", "Input\\C80.inp", "C80.xyz"},
    {4, "C180", "Input\\C180.inp", "C180.xyz"},
    {5, "C240", "Input\\C240.inp", "C240.xyz"},
    {6, "C320", "Input\\C320.inp", "C320.xyz"},
    {7, "C500", "Input\\C500.inp", "C500.xyz"},
    {8, "C540", "Input\\C540.inp", "C540.xyz"},
    {9, "C720", "Input\\C720.inp", "C720.xyz"},
    {10, "C960", "Input\\C960.inp", "C960.xyz"},
    {11, "C980", "Input\\C980.inp", "C980.xyz"},
    {12, "C1280", "Input\\C1280.inp", "C1280.xyz"},
};

const CageEntry* findCage(std::int32_t menuNumber) {
  if (menuNumber < 1 || menuNumber > kCageCount) return nullptr;
  return &kCageCatalogue[menuNumber - 1];
}
