#include "forcefield.hpp"

#include "builders.hpp"

#include <algorithm>
#include <cmath>
#include <map>

namespace cagegen {

namespace {

const double degree = std::acos(-1.0) / 180.0;

Vec3 at(const Eigen::VectorXd& x, int i) { return x.segment<3>(3 * i); }

void add(Eigen::VectorXd& gradient, int i, const Vec3& g) { gradient.segment<3>(3 * i) += g; }

// C60 with the reference bond lengths and angles: the icosahedron (edge 2) cut at the
// fraction t of each edge gives 5-6 bonds 2t and 6-6 bonds 2(1 - 2t), angles 108°/120°.
double pentagonVertexHeight() {
    using namespace parameters;
    const double t = bond56 / (2.0 * bond56 + bond66);
    const Cage c60 = leapfrog(icosahedron(), t, "C60", PointGroup::Ih);
    const auto& n = c60.neighbours[0];
    return pyramidHeight(c60.atoms[0], c60.atoms[n[0]], c60.atoms[n[1]], c60.atoms[n[2]]) *
           bond56 / (2.0 * t);
}

}  // namespace

double pyramidHeight(const Vec3& centre, const Vec3& a, const Vec3& b, const Vec3& c) {
    return (centre - a).dot((b - a).cross(c - a).normalized());
}

ForceField::ForceField(const Cage& cage) {
    using namespace parameters;
    std::map<Bond, bool> onPentagon;
    std::vector<int> pentagonsAt(cage.atoms.size(), 0);
    for (const Face& f : faces(cage)) {
        const bool pentagon = f.size() == 5;
        const int size = static_cast<int>(f.size());
        for (int k = 0; k < size; ++k) {
            const int before = f[(k + size - 1) % size], here = f[k], after = f[(k + 1) % size];
            bends_.push_back({here, before, after,
                              (pentagon ? pentagonAngle : hexagonAngle) * degree,
                              angleStiffness});
            onPentagon[{std::min(here, after), std::max(here, after)}] |= pentagon;
            pentagonsAt[here] += pentagon;
        }
    }
    for (const auto& [bond, pentagon] : onPentagon)
        stretches_.push_back({bond[0], bond[1], pentagon ? bond56 : bond66,
                              pentagon ? stiffness56 : stiffness66});
    const double pentagonHeight = pentagonVertexHeight();
    for (int i = 0; i < static_cast<int>(cage.atoms.size()); ++i) {
        const auto& n = cage.neighbours[i];
        pyramids_.push_back(
            {i, n[0], n[1], n[2], pentagonsAt[i] > 0 ? pentagonHeight : 0.0, heightStiffness});
    }
}

double ForceField::operator()(const Eigen::VectorXd& x, Eigen::VectorXd& gradient) const {
    gradient.setZero(x.size());
    double energy = 0.0;
    for (const Stretch& s : stretches_) {
        const Vec3 d = at(x, s.b) - at(x, s.a);
        const double length = d.norm();
        const double strain = length - s.length;
        energy += 0.5 * s.stiffness * strain * strain;
        const Vec3 g = s.stiffness * strain / length * d;
        add(gradient, s.b, g);
        add(gradient, s.a, -g);
    }
    for (const Bend& b : bends_) {
        const Vec3 u = at(x, b.a) - at(x, b.centre);
        const Vec3 v = at(x, b.b) - at(x, b.centre);
        const double lu = u.norm(), lv = v.norm();
        const double cosine = std::clamp(u.dot(v) / (lu * lv), -1.0, 1.0);
        const double strain = std::acos(cosine) - b.angle;
        energy += 0.5 * b.stiffness * strain * strain;
        // dθ/du = -(v/(|u||v|) - cosθ u/|u|²) / sinθ, and likewise for v.
        const double factor = -b.stiffness * strain / std::sqrt(1.0 - cosine * cosine);
        const Vec3 gu = factor * (v / (lu * lv) - cosine * u / (lu * lu));
        const Vec3 gv = factor * (u / (lu * lv) - cosine * v / (lv * lv));
        add(gradient, b.a, gu);
        add(gradient, b.b, gv);
        add(gradient, b.centre, -gu - gv);
    }
    for (const Pyramid& p : pyramids_) {
        // h = (r - a)·n with n the unit normal of m = (b - a) × (c - a); moving b or c
        // turns n, which moves h by w·dm with w = ((r - a) - h n) / |m|.
        const Vec3 a = at(x, p.a);
        const Vec3 u = at(x, p.b) - a, v = at(x, p.c) - a, r = at(x, p.centre) - a;
        const Vec3 m = u.cross(v);
        const double area = m.norm();
        const Vec3 n = m / area;
        const double height = r.dot(n);
        const double strain = height - p.height;
        energy += 0.5 * p.stiffness * strain * strain;
        const double force = p.stiffness * strain;
        const Vec3 w = (r - height * n) / area;
        const Vec3 gb = force * v.cross(w), gc = force * w.cross(u), gr = force * n;
        add(gradient, p.centre, gr);
        add(gradient, p.b, gb);
        add(gradient, p.c, gc);
        add(gradient, p.a, -gr - gb - gc);
    }
    return energy;
}

}  // namespace cagegen
