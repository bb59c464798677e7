#pragma once
// The cage file: one line `C  x  y  z` per atom, Å, six decimals, LF line ends.

#include "cage.hpp"

#include <filesystem>
#include <string>

namespace cagegen {

// `%.6f`, except that a value printing as -0.000000 prints as 0.000000.
std::string coordinate(double value);

std::string cageFileText(const Cage& cage);

// Writes the bytes as they are; throws std::runtime_error if the file cannot be written.
void writeFile(const std::filesystem::path& path, const std::string& text);

// N, mean 5-6 and 6-6 bonds, shortest and longest bond, smallest and largest radius.
std::string summary(const Cage& cage);

}  // namespace cagegen
