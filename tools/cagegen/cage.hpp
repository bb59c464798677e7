#pragma once
// A carbon cage: atoms, their three bonded neighbours, and the point group it is built with.

#include <Eigen/Core>
#include <Eigen/Geometry>

#include <array>
#include <string>
#include <vector>

namespace cagegen {

using Vec3 = Eigen::Vector3d;
using Mat3 = Eigen::Matrix3d;
using Bond = std::array<int, 2>;
using Face = std::vector<int>;

enum class PointGroup { Ih, D5h };

struct Cage {
    std::string name;
    PointGroup group;
    std::vector<Vec3> atoms;
    // Each atom's neighbours, counter-clockwise as seen from outside the cage.
    std::vector<std::array<int, 3>> neighbours;
};

// Builds a cage from atoms around the origin and its bonds; the geometry only orders the
// neighbours, so it needs to be convex and roughly centred, as every starting geometry is.
// Throws std::logic_error unless every atom has exactly three bonds.
Cage makeCage(std::string name, PointGroup group, std::vector<Vec3> atoms,
              const std::vector<Bond>& bonds);

// Every bond once, lower atom index first.
std::vector<Bond> bonds(const Cage& cage);

// The rings of the cage, each counter-clockwise as seen from outside.
std::vector<Face> faces(const Cage& cage);

}  // namespace cagegen
