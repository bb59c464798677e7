// The generator's force field and symmetrisation.

#include "builders.hpp"
#include "forcefield.hpp"
#include "symmetry.hpp"

#include <gtest/gtest.h>

#include <random>

namespace cagegen {
namespace {

Eigen::VectorXd flattened(const Cage& cage) {
    Eigen::VectorXd x(3 * cage.atoms.size());
    for (std::size_t i = 0; i < cage.atoms.size(); ++i) x.segment<3>(3 * i) = cage.atoms[i];
    return x;
}

class Gradient : public ::testing::TestWithParam<int> {};

// The analytic gradient against central differences, away from the minimum so that every
// bond, angle and height term is strained.
TEST_P(Gradient, MatchesFiniteDifferences) {
    const Cage cage = startingCages()[GetParam()];
    const ForceField field(cage);
    Eigen::VectorXd x = flattened(cage);
    std::mt19937 random(12345);
    std::uniform_real_distribution<double> shift(-0.05, 0.05);
    for (Eigen::Index i = 0; i < x.size(); ++i) x[i] += shift(random);
    Eigen::VectorXd analytic, scratch;
    field(x, analytic);
    const double h = 1e-6;
    for (Eigen::Index i = 0; i < x.size(); ++i) {
        Eigen::VectorXd up = x, down = x;
        up[i] += h;
        down[i] -= h;
        const double numeric = (field(up, scratch) - field(down, scratch)) / (2.0 * h);
        ASSERT_NEAR(analytic[i], numeric, 1e-5 * std::max(1.0, std::abs(numeric)))
            << "coordinate " << i;
    }
}

// C60, C70 (the only D5h cage) and C180, the smallest cage with all-hexagon vertices.
INSTANTIATE_TEST_SUITE_P(StartingCages, Gradient, ::testing::Values(0, 1, 3));

TEST(Symmetrise, RefusesAGeometryFarFromSymmetric) {
    Cage c60 = startingCages()[0];
    c60.atoms[7] += Vec3(0.1, 0.0, 0.0);
    EXPECT_THROW(symmetrise(c60.atoms, operations(PointGroup::Ih)), std::runtime_error);
}

TEST(Goldberg, BuildsOnlyTheTwoIcosahedralClasses) {
    EXPECT_THROW(goldberg(2, 1), std::invalid_argument);
}

}  // namespace
}  // namespace cagegen
