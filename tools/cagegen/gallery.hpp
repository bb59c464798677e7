#pragma once
// The gallery: every cage seen from one side, its rings filled and shaded, pentagons in
// orange, under its menu number.

#include "cage.hpp"

#include <string>
#include <vector>

namespace cagegen {

// The cages in menu order (the first is number 1).
std::string gallerySvg(const std::vector<Cage>& cages);

}  // namespace cagegen
