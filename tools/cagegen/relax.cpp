#include "relax.hpp"

#include "forcefield.hpp"
#include "symmetry.hpp"

#include <LBFGS.h>

#include <stdexcept>
#include <string>

namespace cagegen {

namespace {

// The energy seen by the minimiser; remembers the point with the smallest gradient, since
// a line search that gives up leaves the coordinates at its last trial.
class Tracked {
public:
    explicit Tracked(const Cage& cage) : field_(cage) {}
    double operator()(const Eigen::VectorXd& x, Eigen::VectorXd& gradient) {
        const double energy = field_(x, gradient);
        const double norm = gradient.norm();
        if (best_.size() == 0 || norm < bestGradient_) {
            best_ = x;
            bestGradient_ = norm;
            bestEnergy_ = energy;
        }
        ++evaluations_;
        return energy;
    }
    const Eigen::VectorXd& best() const { return best_; }
    double bestGradient() const { return bestGradient_; }
    double bestEnergy() const { return bestEnergy_; }
    int evaluations() const { return evaluations_; }

private:
    ForceField field_;
    Eigen::VectorXd best_;
    double bestGradient_ = 0.0, bestEnergy_ = 0.0;
    int evaluations_ = 0;
};

}  // namespace

Relaxation relax(Cage& cage) {
    const int n = static_cast<int>(cage.atoms.size());
    Eigen::VectorXd x(3 * n);
    for (int i = 0; i < n; ++i) x.segment<3>(3 * i) = cage.atoms[i];

    LBFGSpp::LBFGSParam<double> param;
    param.m = 10;
    param.epsilon = 1e-10;
    param.epsilon_rel = 0.0;
    param.max_iterations = 20000;
    param.linesearch = LBFGSpp::LBFGS_LINESEARCH_BACKTRACKING_STRONG_WOLFE;
    LBFGSpp::LBFGSSolver<double, LBFGSpp::LineSearchBracketing> solver(param);
    Tracked energy(cage);
    double fx = 0.0;
    try {
        solver.minimize(energy, x, fx);
    } catch (const std::runtime_error&) {
        // Near the minimum the energy changes less than its rounding error, and the line
        // search runs out of steps: the best point seen is as good as double precision gets.
    }
    const double acceptable = 1e-4;  // 1e-20 J/Å; the largest cages end near 2e-5
    if (energy.bestGradient() > acceptable)
        throw std::runtime_error("relaxation stopped at gradient " +
                                 std::to_string(energy.bestGradient()));
    for (int i = 0; i < n; ++i) cage.atoms[i] = energy.best().segment<3>(3 * i);
    symmetrise(cage.atoms, operations(cage.group));
    return {energy.evaluations(), energy.bestEnergy(), energy.bestGradient()};
}

}  // namespace cagegen
