#include "cage_geometry.hpp"

#include <algorithm>
#include <cmath>
#include <fstream>
#include <numeric>
#include <sstream>
#include <stdexcept>

namespace cagetest {

Point operator-(const Point& a, const Point& b) { return {a.x - b.x, a.y - b.y, a.z - b.z}; }
double dot(const Point& a, const Point& b) { return a.x * b.x + a.y * b.y + a.z * b.z; }
Point cross(const Point& a, const Point& b) {
    return {a.y * b.z - a.z * b.y, a.z * b.x - a.x * b.z, a.x * b.y - a.y * b.x};
}
double norm(const Point& a) { return std::sqrt(dot(a, a)); }

Point operator*(const Matrix& m, const Point& p) {
    return {m[0][0] * p.x + m[0][1] * p.y + m[0][2] * p.z,
            m[1][0] * p.x + m[1][1] * p.y + m[1][2] * p.z,
            m[2][0] * p.x + m[2][1] * p.y + m[2][2] * p.z};
}

namespace {

Matrix operator*(const Matrix& a, const Matrix& b) {
    Matrix c{};
    for (int i = 0; i < 3; ++i)
        for (int j = 0; j < 3; ++j)
            for (int k = 0; k < 3; ++k) c[i][j] += a[i][k] * b[k][j];
    return c;
}

bool same(const Matrix& a, const Matrix& b) {
    for (int i = 0; i < 3; ++i)
        for (int j = 0; j < 3; ++j)
            if (std::abs(a[i][j] - b[i][j]) > 1e-9) return false;
    return true;
}

std::vector<Matrix> closure(const std::vector<Matrix>& generators) {
    std::vector<Matrix> group{Matrix{{{1, 0, 0}, {0, 1, 0}, {0, 0, 1}}}};
    for (std::size_t next = 0; next < group.size(); ++next)
        for (const Matrix& g : generators) {
            const Matrix product = g * group[next];
            if (std::none_of(group.begin(), group.end(),
                             [&](const Matrix& m) { return same(m, product); }))
                group.push_back(product);
        }
    return group;
}

// Rotation by `angle` about the unit vector (x, y, z) (Rodrigues).
Matrix rotation(double angle, Point axis) {
    const double l = norm(axis);
    const double x = axis.x / l, y = axis.y / l, z = axis.z / l;
    const double c = std::cos(angle), s = std::sin(angle), t = 1.0 - c;
    return {{{t * x * x + c, t * x * y - s * z, t * x * z + s * y},
             {t * x * y + s * z, t * y * y + c, t * y * z - s * x},
             {t * x * z - s * y, t * y * z + s * x, t * z * z + c}}};
}

const double pi = std::acos(-1.0);

}  // namespace

std::string readText(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    if (!in) throw std::runtime_error("cannot read " + path.string());
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

std::vector<Point> readAtoms(const std::filesystem::path& path) {
    std::istringstream lines(readText(path));
    std::vector<Point> atoms;
    std::string element;
    Point p{};
    while (lines >> element >> p.x >> p.y >> p.z) atoms.push_back(p);
    return atoms;
}

std::vector<std::vector<int>> bondGraph(const std::vector<Point>& atoms, double cutoff) {
    std::vector<std::vector<int>> graph(atoms.size());
    for (std::size_t i = 0; i < atoms.size(); ++i)
        for (std::size_t j = i + 1; j < atoms.size(); ++j)
            if (norm(atoms[i] - atoms[j]) < cutoff) {
                graph[i].push_back(static_cast<int>(j));
                graph[j].push_back(static_cast<int>(i));
            }
    return graph;
}

std::vector<std::vector<int>> rings(const std::vector<Point>& atoms,
                                    const std::vector<std::vector<int>>& graph) {
    // Order each atom's neighbours by angle about its outward direction; then a ring turns
    // from each bond to the next neighbour clockwise.
    std::vector<std::vector<int>> around(graph);
    for (std::size_t i = 0; i < atoms.size(); ++i) {
        const Point n = atoms[i];
        const Point e1 = cross(n, atoms[around[i][0]] - atoms[i]);
        const Point e2 = cross(n, e1);
        auto angle = [&](int j) {
            const Point d = atoms[j] - atoms[i];
            return std::atan2(dot(d, e2), dot(d, e1));
        };
        std::sort(around[i].begin(), around[i].end(),
                  [&](int a, int b) { return angle(a) < angle(b); });
    }
    std::vector<std::vector<bool>> used(atoms.size());
    for (std::size_t i = 0; i < atoms.size(); ++i) used[i].assign(around[i].size(), false);
    std::vector<std::vector<int>> result;
    for (std::size_t start = 0; start < atoms.size(); ++start)
        for (std::size_t k = 0; k < around[start].size(); ++k) {
            if (used[start][k]) continue;
            std::vector<int> ring;
            int u = static_cast<int>(start);
            std::size_t ku = k;
            while (!used[u][ku]) {
                used[u][ku] = true;
                ring.push_back(u);
                const int v = around[u][ku];
                const auto& at = around[v];
                const std::size_t back = std::find(at.begin(), at.end(), u) - at.begin();
                ku = (back + at.size() - 1) % at.size();
                u = v;
            }
            result.push_back(ring);
        }
    return result;
}

std::vector<Matrix> icosahedralGroup() {
    const double phi = (1.0 + std::sqrt(5.0)) / 2.0;
    const Matrix inversion{{{-1, 0, 0}, {0, -1, 0}, {0, 0, -1}}};
    return closure({rotation(pi, {0, 0, 1}), rotation(2 * pi / 3, {1, 1, 1}),
                    rotation(2 * pi / 5, {0, 1, phi}), inversion});
}

std::vector<Matrix> d5hGroup() {
    const Matrix mirrorXy{{{1, 0, 0}, {0, 1, 0}, {0, 0, -1}}};
    return closure({rotation(2 * pi / 5, {0, 0, 1}), rotation(pi, {1, 0, 0}), mirrorXy});
}

double symmetryError(const std::vector<Point>& atoms, const std::vector<Matrix>& group) {
    // Atoms sorted by x, so that each image is compared with the atoms in a slab around it.
    const double slab = 0.5;
    std::vector<int> byX(atoms.size());
    std::iota(byX.begin(), byX.end(), 0);
    std::sort(byX.begin(), byX.end(), [&](int a, int b) { return atoms[a].x < atoms[b].x; });
    double worst = 0.0;
    for (const Matrix& g : group)
        for (const Point& a : atoms) {
            const Point image = g * a;
            double nearest = slab;
            auto first = std::lower_bound(byX.begin(), byX.end(), image.x - slab,
                                          [&](int i, double x) { return atoms[i].x < x; });
            for (auto it = first; it != byX.end() && atoms[*it].x < image.x + slab; ++it)
                nearest = std::min(nearest, norm(atoms[*it] - image));
            worst = std::max(worst, nearest);
        }
    return worst;
}

}  // namespace cagetest
