#pragma once
// Reading a cage file and measuring it, independently of the generator.

#include <array>
#include <filesystem>
#include <string>
#include <vector>

namespace cagetest {

struct Point {
    double x, y, z;
};
Point operator-(const Point& a, const Point& b);
double dot(const Point& a, const Point& b);
Point cross(const Point& a, const Point& b);
double norm(const Point& a);

using Matrix = std::array<std::array<double, 3>, 3>;
Point operator*(const Matrix& m, const Point& p);

std::string readText(const std::filesystem::path& path);

// The coordinates of the lines `C  x  y  z`.
std::vector<Point> readAtoms(const std::filesystem::path& path);

// Neighbours of each atom: all atoms closer than `cutoff`.
std::vector<std::vector<int>> bondGraph(const std::vector<Point>& atoms, double cutoff);

// The rings of a cage whose atoms each have three neighbours and surround the origin.
std::vector<std::vector<int>> rings(const std::vector<Point>& atoms,
                                    const std::vector<std::vector<int>>& graph);

// The full point groups: Ih with two-fold axes along x, y, z; D5h with its five-fold axis
// along z and a two-fold axis along x.
std::vector<Matrix> icosahedralGroup();
std::vector<Matrix> d5hGroup();

// The largest distance from an atom's image under any operation to its nearest atom.
double symmetryError(const std::vector<Point>& atoms, const std::vector<Matrix>& group);

}  // namespace cagetest
