#pragma once
// Point groups in the cages' standard orientations, and exact symmetrisation.

#include "cage.hpp"

#include <vector>

namespace cagegen {

// All operations of the group: Ih (120) with two-fold axes along x, y, z; D5h (20) with
// the five-fold axis along z and a two-fold axis along x.
std::vector<Mat3> operations(PointGroup group);

// Replaces every atom by the average of the images that the group's operations carry onto
// it, which makes the geometry exactly symmetric. Throws std::runtime_error if some image
// lands on no atom, i.e. the geometry was not close to symmetric to begin with.
void symmetrise(std::vector<Vec3>& atoms, const std::vector<Mat3>& group);

}  // namespace cagegen
