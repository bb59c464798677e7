// The committed cage files: format, bond graph, geometry and symmetry.

#include "cage_geometry.hpp"

#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <regex>
#include <set>
#include <sstream>

namespace cagetest {
namespace {

const std::filesystem::path inputDir = CAGE_DIR;

struct CageCase {
    const char* name;
    int atoms;
    bool icosahedral;  // otherwise D5h
};

// Goldberg (h, k) cages have N = 20(h² + hk + k²).
const CageCase cages[] = {
    {"C60", 60, true},    {"C70", 70, false},   {"C80", 80, true},    {"C180", 180, true},
    {"C240", 240, true},  {"C320", 320, true},  {"C500", 500, true},  {"C540", 540, true},
    {"C720", 720, true},  {"C960", 960, true},  {"C980", 980, true},  {"C1280", 1280, true},
};

void PrintTo(const CageCase& c, std::ostream* out) { *out << c.name; }

const double bondCutoff = 1.6;  // Å

std::filesystem::path fileOf(const CageCase& c) { return inputDir / (std::string(c.name) + ".inp"); }

class CageFile : public ::testing::TestWithParam<CageCase> {
protected:
    void SetUp() override {
        atoms = readAtoms(fileOf(GetParam()));
        ASSERT_EQ(static_cast<int>(atoms.size()), GetParam().atoms);
        graph = bondGraph(atoms, bondCutoff);
    }
    std::vector<Point> atoms;
    std::vector<std::vector<int>> graph;
};

TEST_P(CageFile, HasOneExactlyFormattedLinePerAtom) {
    const std::string text = readText(fileOf(GetParam()));
    ASSERT_FALSE(text.empty());
    EXPECT_EQ(text.back(), '\n');
    EXPECT_EQ(text.find('\r'), std::string::npos);
    const std::regex line(R"(C  -?\d+\.\d{6}  -?\d+\.\d{6}  -?\d+\.\d{6})");
    std::istringstream lines(text);
    int count = 0;
    for (std::string l; std::getline(lines, l); ++count) {
        EXPECT_TRUE(std::regex_match(l, line)) << "line " << count + 1 << ": " << l;
        EXPECT_EQ(l.find("-0.000000"), std::string::npos) << "line " << count + 1 << ": " << l;
    }
    EXPECT_EQ(count, GetParam().atoms);
}

TEST_P(CageFile, IsAFullereneGraph) {
    for (std::size_t i = 0; i < atoms.size(); ++i)
        ASSERT_EQ(graph[i].size(), 3u) << "atom " << i + 1;
    const auto faces = rings(atoms, graph);
    std::map<std::size_t, int> bySize;
    for (const auto& f : faces) ++bySize[f.size()];
    const int n = GetParam().atoms;
    EXPECT_EQ(bySize[5], 12);
    EXPECT_EQ(bySize[6], n / 2 - 10);
    EXPECT_EQ(bySize.size(), 2u) << "rings other than pentagons and hexagons";
    const int edges = 3 * n / 2;
    EXPECT_EQ(n - edges + static_cast<int>(faces.size()), 2);
    // No two pentagons share a bond.
    std::map<std::pair<int, int>, int> pentagonsOnBond;
    for (const auto& f : faces)
        if (f.size() == 5)
            for (std::size_t k = 0; k < 5; ++k)
                ++pentagonsOnBond[std::minmax(f[k], f[(k + 1) % 5])];
    for (const auto& [bond, count] : pentagonsOnBond)
        EXPECT_EQ(count, 1) << "pentagons share the bond " << bond.first + 1 << "-"
                            << bond.second + 1;
}

TEST_P(CageFile, HasRealisticBondsAndNoCloseContacts) {
    for (std::size_t i = 0; i < atoms.size(); ++i)
        for (std::size_t j = i + 1; j < atoms.size(); ++j) {
            const double d = norm(atoms[i] - atoms[j]);
            if (d < bondCutoff) {
                EXPECT_GE(d, 1.36) << i + 1 << "-" << j + 1;
                EXPECT_LE(d, 1.50) << i + 1 << "-" << j + 1;
            } else {
                EXPECT_GE(d, 2.2) << i + 1 << "-" << j + 1;
            }
        }
}

TEST_P(CageFile, HasItsPointGroupInStandardOrientation) {
    const auto group = GetParam().icosahedral ? icosahedralGroup() : d5hGroup();
    ASSERT_EQ(group.size(), GetParam().icosahedral ? 120u : 20u);
    EXPECT_LT(symmetryError(atoms, group), 1e-5);
}

TEST_P(CageFile, IsCentredOnTheOrigin) {
    Point sum{0, 0, 0};
    for (const Point& a : atoms) sum = {sum.x + a.x, sum.y + a.y, sum.z + a.z};
    EXPECT_LT(norm(sum) / atoms.size(), 1e-6);
}

// Every atom bulges outwards past the plane of its three neighbours: no dents, no waists
// folded inwards.
TEST_P(CageFile, IsConvexAtEveryAtom) {
    for (std::size_t i = 0; i < atoms.size(); ++i) {
        ASSERT_EQ(graph[i].size(), 3u);
        const Point a = atoms[graph[i][0]], b = atoms[graph[i][1]], c = atoms[graph[i][2]];
        Point normal = cross(b - a, c - a);
        if (dot(normal, a) < 0) normal = {-normal.x, -normal.y, -normal.z};
        EXPECT_GT(dot(atoms[i] - a, normal), 0.0) << "atom " << i + 1;
    }
}

INSTANTIATE_TEST_SUITE_P(AllCages, CageFile, ::testing::ValuesIn(cages),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(CageLibrary, HoldsExactlyTheTwelveCageFiles) {
    std::set<std::string> found, expected;
    for (const auto& entry : std::filesystem::directory_iterator(inputDir))
        if (entry.path().extension() == ".inp") found.insert(entry.path().filename().string());
    for (const CageCase& c : cages) expected.insert(std::string(c.name) + ".inp");
    EXPECT_EQ(found, expected);
}

// Mean bond length of the bonds that do (true) or do not (false) lie on a pentagon.
std::map<bool, double> meanBonds(const std::vector<Point>& atoms) {
    const auto graph = bondGraph(atoms, bondCutoff);
    std::set<std::pair<int, int>> onPentagon;
    for (const auto& f : rings(atoms, graph))
        if (f.size() == 5)
            for (std::size_t k = 0; k < 5; ++k) onPentagon.insert(std::minmax(f[k], f[(k + 1) % 5]));
    std::map<bool, double> sum;
    std::map<bool, int> count;
    for (int i = 0; i < static_cast<int>(atoms.size()); ++i)
        for (int j : graph[i])
            if (i < j) {
                const bool pentagon = onPentagon.count({i, j}) > 0;
                sum[pentagon] += norm(atoms[i] - atoms[j]);
                ++count[pentagon];
            }
    return {{true, sum[true] / count[true]}, {false, sum[false] / count[false]}};
}

// Gas-phase electron diffraction: 1.458 Å (5-6) and 1.401 Å (6-6).
TEST(C60, BondsMatchElectronDiffraction) {
    const auto mean = meanBonds(readAtoms(inputDir / "C60.inp"));
    EXPECT_NEAR(mean.at(true), 1.458, 0.005);
    EXPECT_NEAR(mean.at(false), 1.401, 0.005);
}

TEST(C70, BondsLieInTheExperimentalRange) {
    const auto atoms = readAtoms(inputDir / "C70.inp");
    const auto graph = bondGraph(atoms, bondCutoff);
    for (std::size_t i = 0; i < atoms.size(); ++i)
        for (int j : graph[i]) {
            EXPECT_GE(norm(atoms[i] - atoms[j]), 1.37) << i + 1 << "-" << j + 1;
            EXPECT_LE(norm(atoms[i] - atoms[j]), 1.48) << i + 1 << "-" << j + 1;
        }
}

}  // namespace
}  // namespace cagetest
