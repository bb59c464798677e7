#include "cage.hpp"

#include <Eigen/Geometry>

#include <stdexcept>
#include <utility>

namespace cagegen {

namespace {

std::array<int, 3> counterClockwise(const std::vector<Vec3>& atoms, int centre,
                                    std::array<int, 3> around) {
    // Three bonds spread round an atom: one cross product tells their sense.
    const Vec3& c = atoms[centre];
    const Vec3 first = atoms[around[0]] - c;
    const Vec3 second = atoms[around[1]] - c;
    if (first.cross(second).dot(c) < 0.0) std::swap(around[1], around[2]);
    return around;
}

int position(const std::array<int, 3>& ring, int atom) {
    for (int k = 0; k < 3; ++k)
        if (ring[k] == atom) return k;
    throw std::logic_error("atoms are not bonded");
}

}  // namespace

Cage makeCage(std::string name, PointGroup group, std::vector<Vec3> atoms,
              const std::vector<Bond>& bondList) {
    std::vector<std::vector<int>> adjacent(atoms.size());
    for (const Bond& b : bondList) {
        adjacent[b[0]].push_back(b[1]);
        adjacent[b[1]].push_back(b[0]);
    }
    Cage cage{std::move(name), group, std::move(atoms), {}};
    for (int i = 0; i < static_cast<int>(adjacent.size()); ++i) {
        if (adjacent[i].size() != 3)
            throw std::logic_error(cage.name + ": an atom without exactly three bonds");
        cage.neighbours.push_back(
            counterClockwise(cage.atoms, i, {adjacent[i][0], adjacent[i][1], adjacent[i][2]}));
    }
    return cage;
}

std::vector<Bond> bonds(const Cage& cage) {
    std::vector<Bond> result;
    for (int i = 0; i < static_cast<int>(cage.neighbours.size()); ++i)
        for (int j : cage.neighbours[i])
            if (i < j) result.push_back({i, j});
    return result;
}

std::vector<Face> faces(const Cage& cage) {
    // A ring seen from outside turns left: after arriving at v from u it leaves v towards
    // the neighbour just clockwise of u.
    const int n = static_cast<int>(cage.atoms.size());
    std::vector<std::array<bool, 3>> used(n, {false, false, false});
    std::vector<Face> result;
    for (int start = 0; start < n; ++start) {
        for (int k = 0; k < 3; ++k) {
            if (used[start][k]) continue;
            Face face;
            int u = start;
            int ku = k;
            while (!used[u][ku]) {
                used[u][ku] = true;
                face.push_back(u);
                const int v = cage.neighbours[u][ku];
                ku = (position(cage.neighbours[v], u) + 2) % 3;
                u = v;
            }
            result.push_back(std::move(face));
        }
    }
    return result;
}

}  // namespace cagegen
