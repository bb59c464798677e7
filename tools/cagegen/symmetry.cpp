#include "symmetry.hpp"

#include <Eigen/Geometry>

#include <algorithm>
#include <cmath>
#include <numeric>
#include <stdexcept>

namespace cagegen {

namespace {

std::vector<Mat3> closure(const std::vector<Mat3>& generators) {
    std::vector<Mat3> group{Mat3::Identity()};
    for (std::size_t next = 0; next < group.size(); ++next)
        for (const Mat3& g : generators) {
            const Mat3 product = g * group[next];
            const bool known = std::any_of(group.begin(), group.end(), [&](const Mat3& m) {
                return (m - product).cwiseAbs().maxCoeff() < 1e-9;
            });
            if (!known) group.push_back(product);
        }
    return group;
}

Mat3 rotation(double turns, const Vec3& axis) {
    return Eigen::AngleAxisd(2.0 * std::acos(-1.0) * turns, axis.normalized()).toRotationMatrix();
}

// Finds the atom at a point by a window on x, which a cage spreads its atoms along.
class AtomFinder {
public:
    explicit AtomFinder(const std::vector<Vec3>& atoms) : atoms_(atoms), byX_(atoms.size()) {
        std::iota(byX_.begin(), byX_.end(), 0);
        std::sort(byX_.begin(), byX_.end(),
                  [&](int a, int b) { return atoms_[a].x() < atoms_[b].x(); });
    }
    int at(const Vec3& p, double tolerance) const {
        auto first = std::lower_bound(byX_.begin(), byX_.end(), p.x() - tolerance,
                                      [&](int a, double x) { return atoms_[a].x() < x; });
        for (auto it = first; it != byX_.end() && atoms_[*it].x() <= p.x() + tolerance; ++it)
            if ((atoms_[*it] - p).norm() <= tolerance) return *it;
        return -1;
    }

private:
    const std::vector<Vec3>& atoms_;
    std::vector<int> byX_;
};

}  // namespace

std::vector<Mat3> operations(PointGroup group) {
    const double phi = (1.0 + std::sqrt(5.0)) / 2.0;
    const Mat3 inversion = -Mat3::Identity();
    if (group == PointGroup::Ih) {
        Mat3 cycleXyz;
        cycleXyz << 0, 0, 1, 1, 0, 0, 0, 1, 0;
        const Mat3 c2z = Eigen::Vector3d(-1, -1, 1).asDiagonal();
        return closure({c2z, cycleXyz, rotation(0.2, Vec3(0.0, 1.0, phi)), inversion});
    }
    const Mat3 c2x = Eigen::Vector3d(1, -1, -1).asDiagonal();
    const Mat3 mirrorXy = Eigen::Vector3d(1, 1, -1).asDiagonal();
    return closure({rotation(0.2, Vec3::UnitZ()), c2x, mirrorXy});
}

void symmetrise(std::vector<Vec3>& atoms, const std::vector<Mat3>& group) {
    const double tolerance = 1e-4;  // Å; far below any interatomic distance
    const AtomFinder finder(atoms);
    std::vector<Vec3> average(atoms.size(), Vec3::Zero());
    for (const Mat3& g : group)
        for (std::size_t i = 0; i < atoms.size(); ++i) {
            const int image = finder.at(g * atoms[i], tolerance);
            if (image < 0) throw std::runtime_error("the geometry is not symmetric");
            average[i] += g.transpose() * atoms[image];
        }
    for (std::size_t i = 0; i < atoms.size(); ++i) atoms[i] = average[i] / group.size();
}

}  // namespace cagegen
