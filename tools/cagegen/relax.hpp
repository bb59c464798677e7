#pragma once
// Relaxation of a cage in the force field, ending exactly symmetric and centred.

#include "cage.hpp"

namespace cagegen {

struct Relaxation {
    int evaluations;
    double energy;        // 1e-20 J, before symmetrising
    double gradientNorm;  // 1e-20 J/Å, before symmetrising
};

Relaxation relax(Cage& cage);

}  // namespace cagegen
