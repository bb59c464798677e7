#include "output.hpp"

#include <algorithm>
#include <cstdio>
#include <fstream>
#include <stdexcept>

namespace cagegen {

std::string coordinate(double value) {
    char text[64];
    std::snprintf(text, sizeof text, "%.6f", value);
    const std::string s = text;
    return s == "-0.000000" ? "0.000000" : s;
}

std::string cageFileText(const Cage& cage) {
    std::string text;
    for (const Vec3& a : cage.atoms)
        text += "C  " + coordinate(a.x()) + "  " + coordinate(a.y()) + "  " + coordinate(a.z()) +
                "\n";
    return text;
}

void writeFile(const std::filesystem::path& path, const std::string& text) {
    std::ofstream out(path, std::ios::binary);
    out << text;
    out.close();
    if (!out) throw std::runtime_error("cannot write " + path.string());
}

std::string summary(const Cage& cage) {
    std::vector<int> pentagonOf(cage.atoms.size(), -1);
    int pentagon = 0;
    for (const Face& f : faces(cage)) {
        if (f.size() != 5) continue;
        for (int i : f) pentagonOf[i] = pentagon;
        ++pentagon;
    }
    double sum[2] = {0.0, 0.0};
    int count[2] = {0, 0};
    double shortest = 1e9, longest = 0.0;
    for (const Bond& b : bonds(cage)) {
        const double length = (cage.atoms[b[0]] - cage.atoms[b[1]]).norm();
        // No two pentagons touch, so a bond has a pentagon on one side exactly when one of
        // its atoms is on a pentagon and the other on the same one.
        const int kind = pentagonOf[b[0]] >= 0 && pentagonOf[b[0]] == pentagonOf[b[1]] ? 0 : 1;
        sum[kind] += length;
        ++count[kind];
        shortest = std::min(shortest, length);
        longest = std::max(longest, length);
    }
    double inner = 1e9, outer = 0.0;
    for (const Vec3& a : cage.atoms) {
        inner = std::min(inner, a.norm());
        outer = std::max(outer, a.norm());
    }
    char text[256];
    std::snprintf(text, sizeof text,
                  "%-6s N=%-5zu 5-6 %.4f  6-6 %.4f  bonds %.4f-%.4f  radius %.3f-%.3f",
                  cage.name.c_str(), cage.atoms.size(), sum[0] / count[0], sum[1] / count[1],
                  shortest, longest, inner, outer);
    return text;
}

}  // namespace cagegen
