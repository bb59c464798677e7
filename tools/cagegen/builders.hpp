#pragma once
// Bond graphs and starting geometries of the cages, built from the icosahedron.

#include "cage.hpp"

#include <vector>

namespace cagegen {

// A closed triangulated surface; triangles counter-clockwise as seen from outside.
struct Triangulation {
    std::vector<Vec3> vertices;
    std::vector<std::array<int, 3>> triangles;
};

// The icosahedron with vertices (0, ±1, ±φ) and their cyclic permutations, turned by
// `orientation`. Unturned, its three two-fold axes lie along x, y and z.
Triangulation icosahedron(const Mat3& orientation = Mat3::Identity());

// Each face cut into h² triangles, vertices pushed onto the unit sphere.
Triangulation geodesic(const Triangulation& icosahedron, int h);

// The truncation: two atoms on every edge, a fraction t from either end. Every vertex of
// degree d becomes a d-ring, every triangle a hexagon.
Cage leapfrog(const Triangulation& surface, double t, std::string name, PointGroup group);

// Atoms pushed onto the sphere whose area gives each atom a graphene atom's share.
Cage onSphere(Cage cage);

// The icosahedral Goldberg cage (h, 0) or (h, h) with N = 20(h² + hk + k²), Ih-oriented.
Cage goldberg(int h, int k);

// D5h C70: C60 cut across a five-fold axis (along z) with a belt of five hexagons between
// the halves; one of its two-fold axes lies along x.
Cage c70();

// The twelve cages in menu order, at their starting geometries.
std::vector<Cage> startingCages();

}  // namespace cagegen
