#include "builders.hpp"

#include <Eigen/Geometry>

#include <algorithm>
#include <cmath>
#include <limits>
#include <map>
#include <stdexcept>
#include <utility>

namespace cagegen {

namespace {

const double phi = (1.0 + std::sqrt(5.0)) / 2.0;

// A vertex of the subdivision as integer weights on icosahedron vertices, so that a vertex
// met from two neighbouring faces is recognised exactly.
using Weights = std::map<int, int>;

std::vector<Vec3> icosahedronVertices() {
    std::vector<Vec3> v;
    for (double a : {-1.0, 1.0})
        for (double b : {-phi, phi}) {
            v.emplace_back(0.0, a, b);
            v.emplace_back(a, b, 0.0);
            v.emplace_back(b, 0.0, a);
        }
    return v;
}

// Atom index of the atom near `from` on each edge of a triangulation.
class EdgeAtoms {
public:
    int at(int from, int to) {
        auto [it, added] = index_.try_emplace({from, to}, static_cast<int>(index_.size()));
        if (added) ends_.push_back({from, to});
        return it->second;
    }
    const std::vector<std::array<int, 2>>& ends() const { return ends_; }

private:
    std::map<std::array<int, 2>, int> index_;
    std::vector<std::array<int, 2>> ends_;
};

std::string carbonName(std::size_t atoms) { return "C" + std::to_string(atoms); }

}  // namespace

Triangulation icosahedron(const Mat3& orientation) {
    Triangulation ico;
    for (const Vec3& v : icosahedronVertices()) ico.vertices.push_back(orientation * v);
    const int n = static_cast<int>(ico.vertices.size());
    auto edge = [&](int a, int b) { return (ico.vertices[a] - ico.vertices[b]).norm() < 2.5; };
    for (int a = 0; a < n; ++a)
        for (int b = a + 1; b < n; ++b)
            for (int c = b + 1; c < n; ++c) {
                if (!edge(a, b) || !edge(b, c) || !edge(a, c)) continue;
                const Vec3& va = ico.vertices[a];
                const bool outward =
                    (ico.vertices[b] - va).cross(ico.vertices[c] - va).dot(va) > 0.0;
                ico.triangles.push_back(outward ? std::array<int, 3>{a, b, c}
                                                : std::array<int, 3>{a, c, b});
            }
    return ico;
}

Triangulation geodesic(const Triangulation& ico, int h) {
    Triangulation result;
    std::map<Weights, int> known;
    auto vertex = [&](const std::array<int, 3>& corner, int i, int j) {
        Weights w;
        const int weight[3] = {h - i - j, i, j};
        for (int c = 0; c < 3; ++c)
            if (weight[c] > 0) w[corner[c]] += weight[c];
        auto [it, added] = known.try_emplace(w, static_cast<int>(result.vertices.size()));
        if (added) {
            Vec3 p = Vec3::Zero();
            for (const auto& [v, weightOfV] : w) p += weightOfV * ico.vertices[v];
            result.vertices.push_back(p.normalized());
        }
        return it->second;
    };
    for (const auto& corner : ico.triangles)
        for (int i = 0; i < h; ++i)
            for (int j = 0; i + j < h; ++j) {
                result.triangles.push_back(
                    {vertex(corner, i, j), vertex(corner, i + 1, j), vertex(corner, i, j + 1)});
                if (i + j + 1 < h)
                    result.triangles.push_back({vertex(corner, i + 1, j),
                                                vertex(corner, i + 1, j + 1),
                                                vertex(corner, i, j + 1)});
            }
    return result;
}

Cage leapfrog(const Triangulation& surface, double t, std::string name, PointGroup group) {
    EdgeAtoms atom;
    std::vector<Bond> bondList;
    for (const auto& tri : surface.triangles)
        for (int c = 0; c < 3; ++c) {
            const int a = tri[c], b = tri[(c + 1) % 3], before = tri[(c + 2) % 3];
            // The bond across the corner at a, and (once per edge) the bond along edge ab.
            bondList.push_back({atom.at(a, b), atom.at(a, before)});
            if (a < b) bondList.push_back({atom.at(a, b), atom.at(b, a)});
        }
    std::vector<Vec3> atoms;
    for (const auto& [from, to] : atom.ends())
        atoms.push_back((1.0 - t) * surface.vertices[from] + t * surface.vertices[to]);
    return makeCage(std::move(name), group, std::move(atoms), bondList);
}

Cage onSphere(Cage cage) {
    const double pi = std::acos(-1.0);
    const double graphiteBond = 1.42;  // Å
    const double areaPerAtom = 3.0 * std::sqrt(3.0) / 4.0 * graphiteBond * graphiteBond;
    const double radius = std::sqrt(cage.atoms.size() * areaPerAtom / (4.0 * pi));
    for (Vec3& a : cage.atoms) a = radius * a.normalized();
    return cage;
}

Cage goldberg(int h, int k) {
    const Triangulation surface = geodesic(icosahedron(), h);
    if (k == h) {
        const std::size_t atoms = 60u * static_cast<std::size_t>(h * h);
        return onSphere(leapfrog(surface, 1.0 / 3.0, carbonName(atoms), PointGroup::Ih));
    }
    if (k != 0) throw std::invalid_argument("only (h, 0) and (h, h) Goldberg cages are built");
    // The dual: an atom in every triangle, bonded across each of its edges.
    std::map<std::array<int, 2>, int> triangleLeftOf;
    for (int t = 0; t < static_cast<int>(surface.triangles.size()); ++t)
        for (int c = 0; c < 3; ++c)
            triangleLeftOf[{surface.triangles[t][c], surface.triangles[t][(c + 1) % 3]}] = t;
    std::vector<Vec3> atoms;
    std::vector<Bond> bondList;
    for (int t = 0; t < static_cast<int>(surface.triangles.size()); ++t) {
        const auto& tri = surface.triangles[t];
        atoms.push_back(surface.vertices[tri[0]] + surface.vertices[tri[1]] +
                        surface.vertices[tri[2]]);
        for (int c = 0; c < 3; ++c) {
            const int across = triangleLeftOf.at({tri[(c + 1) % 3], tri[c]});
            if (t < across) bondList.push_back({t, across});
        }
    }
    std::string name = carbonName(atoms.size());
    return onSphere(makeCage(std::move(name), PointGroup::Ih, std::move(atoms), bondList));
}

Cage c70() {
    // A vertex (φ, 0, 1) turned onto z keeps its neighbour (φ, 0, -1) in the xz plane, so
    // xz is a mirror plane of C70 and x (its crossing with the equator) a two-fold axis.
    const Mat3 turn = Eigen::Quaterniond::FromTwoVectors(Vec3(phi, 0.0, 1.0), Vec3::UnitZ())
                          .toRotationMatrix();
    const Cage c60 = onSphere(leapfrog(icosahedron(turn), 1.0 / 3.0, "C60", PointGroup::Ih));
    const int n = static_cast<int>(c60.atoms.size());

    // The upper half keeps its place, raised; the lower half is replaced by a mirror image
    // of the upper; the rim atoms just below the equator become the belt, at z = 0.
    std::vector<int> upper(n, -1), belt(n, -1);
    int halfSize = 0;
    for (int i = 0; i < n; ++i)
        if (c60.atoms[i].z() > 0.0) upper[i] = halfSize++;
    auto isRim = [&](int i) {
        if (upper[i] >= 0) return false;
        for (int j : c60.neighbours[i])
            if (upper[j] >= 0) return true;
        return false;
    };
    int beltSize = 0;
    for (int i = 0; i < n; ++i)
        if (isRim(i)) belt[i] = 2 * halfSize + beltSize++;

    double rimHeight = std::numeric_limits<double>::infinity();
    for (int i = 0; i < n; ++i)
        if (upper[i] >= 0) rimHeight = std::min(rimHeight, c60.atoms[i].z());

    std::vector<Vec3> atoms(2 * halfSize + beltSize);
    std::vector<Bond> bondList;
    for (int i = 0; i < n; ++i) {
        const Vec3& p = c60.atoms[i];
        if (upper[i] >= 0) {
            atoms[upper[i]] = Vec3(p.x(), p.y(), p.z() + rimHeight);
            atoms[upper[i] + halfSize] = Vec3(p.x(), p.y(), -p.z() - rimHeight);
            for (int j : c60.neighbours[i])
                if (upper[j] > upper[i]) {
                    bondList.push_back({upper[i], upper[j]});
                    bondList.push_back({upper[i] + halfSize, upper[j] + halfSize});
                }
        } else if (belt[i] >= 0) {
            atoms[belt[i]] = Vec3(p.x(), p.y(), 0.0);
            for (int j : c60.neighbours[i]) {
                if (upper[j] >= 0) {
                    bondList.push_back({belt[i], upper[j]});
                    bondList.push_back({belt[i], upper[j] + halfSize});
                } else if (belt[j] > belt[i]) {
                    bondList.push_back({belt[i], belt[j]});
                }
            }
        }
    }
    std::string name = carbonName(atoms.size());
    return makeCage(std::move(name), PointGroup::D5h, std::move(atoms), bondList);
}

std::vector<Cage> startingCages() {
    return {goldberg(1, 1), c70(),          goldberg(2, 0), goldberg(3, 0),
            goldberg(2, 2), goldberg(4, 0), goldberg(5, 0), goldberg(3, 3),
            goldberg(6, 0), goldberg(4, 4), goldberg(7, 0), goldberg(8, 0)};
}

}  // namespace cagegen
