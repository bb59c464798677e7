#pragma once
// The fullerene force field the cages are relaxed with.
//
// Harmonic bonds and angles after Wu, Jelski and George, Chem. Phys. Lett. 137 (1987) 291:
// separate bond terms for pentagon-hexagon (5-6) and hexagon-hexagon (6-6) edges, angle
// terms of 108° in pentagons and 120° in hexagons. Force constants as quoted for that force
// field: 390 N/m (5-6), 450 N/m (6-6), 100 units of 1e-20 J/rad² for both angles.
//
// Bond lengths: the gas-phase electron-diffraction values of C60, 1.458 and 1.401 Å
// (Hedberg et al., Science 254 (1991) 410). In C60 every angle already sits at its
// reference value, so these lengths are exactly C60's bonds; the force field's own
// 1.455 and 1.391 Å would make its 6-6 bonds 0.010 Å too short.
//
// Out of plane: each atom is held at a height above the plane of its three neighbours,
// zero where three hexagons meet (graphene is flat) and C60's height where a pentagon
// meets two hexagons, so C60 stays free of strain. Its constant, 231 N/m, gives a sheet of
// hexagons graphene's bending rigidity of about 1.4 eV: bent into a sphere of any size,
// the sheet costs 8π × 1.4 eV, as the continuum does. Without it nothing resists bending
// the hexagon regions, and the largest cages relax to nearly flat, fold-prone faces
// (C1280: heights down to 0.002 Å instead of 0.037 Å).
//
// Energies are in 1e-20 J (N/m times Å²), lengths in Å.

#include "cage.hpp"

#include <Eigen/Core>

#include <vector>

namespace cagegen {

namespace parameters {
inline constexpr double bond56 = 1.458;           // Å
inline constexpr double bond66 = 1.401;           // Å
inline constexpr double stiffness56 = 390.0;      // N/m
inline constexpr double stiffness66 = 450.0;      // N/m
inline constexpr double pentagonAngle = 108.0;    // degrees
inline constexpr double hexagonAngle = 120.0;     // degrees
inline constexpr double angleStiffness = 100.0;   // 1e-20 J/rad²
inline constexpr double heightStiffness = 231.0;  // N/m
}  // namespace parameters

class ForceField {
public:
    explicit ForceField(const Cage& cage);

    // Energy at the flattened coordinates x (x0 y0 z0 x1 ...); writes the gradient.
    double operator()(const Eigen::VectorXd& x, Eigen::VectorXd& gradient) const;

private:
    struct Stretch { int a, b; double length, stiffness; };
    struct Bend { int centre, a, b; double angle, stiffness; };
    // a, b, c: the neighbours counter-clockwise from outside.
    struct Pyramid { int centre, a, b, c; double height, stiffness; };

    std::vector<Stretch> stretches_;
    std::vector<Bend> bends_;
    std::vector<Pyramid> pyramids_;
};

// Height of an atom above the plane of its three neighbours, positive outwards.
double pyramidHeight(const Vec3& centre, const Vec3& a, const Vec3& b, const Vec3& c);

}  // namespace cagegen
