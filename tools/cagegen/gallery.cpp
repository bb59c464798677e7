#include "gallery.hpp"

#include <Eigen/Geometry>

#include <algorithm>
#include <cstdio>

namespace cagegen {

namespace {

constexpr int columns = 4;
constexpr double panelWidth = 240.0, panelHeight = 270.0, ballRadius = 100.0;

std::string number(double value) {
    char text[32];
    std::snprintf(text, sizeof text, "%.1f", value);
    return text;
}

std::string colour(const Vec3& rgb, double shade) {
    char text[16];
    const Vec3 c = (rgb * shade).cwiseMin(255.0);
    std::snprintf(text, sizeof text, "#%02x%02x%02x", static_cast<int>(c.x()),
                  static_cast<int>(c.y()), static_cast<int>(c.z()));
    return text;
}

// The camera looks from a point slightly above the equator, so C70 shows its belt and
// the icosahedral cages show pentagons both face-on and near the rim.
Mat3 camera() {
    const Vec3 eye = Vec3(1.0, 0.38, 0.3).normalized();
    const Vec3 right = Vec3::UnitZ().cross(eye).normalized();
    Mat3 view;
    view.row(0) = right;
    view.row(1) = eye.cross(right);
    view.row(2) = eye;
    return view;
}

// A point-group symbol: italic letter, upright subscript.
std::string subscripted(const std::string& letter, const std::string& subscript) {
    return "<tspan font-style=\"italic\">" + letter +
           "</tspan><tspan baseline-shift=\"sub\" font-size=\"10\">" + subscript + "</tspan>";
}

struct Ring {
    double depth;
    std::string svg;
};

std::string panel(const Cage& cage, int menuNumber) {
    const Mat3 view = camera();
    std::vector<Vec3> seen;
    double radius = 0.0;
    for (const Vec3& a : cage.atoms) {
        seen.push_back(view * a);
        radius = std::max(radius, a.norm());
    }
    const double scale = ballRadius / radius;
    const double left = ((menuNumber - 1) % columns) * panelWidth;
    const double top = ((menuNumber - 1) / columns) * panelHeight;
    const Vec3 centre(left + panelWidth / 2.0, top + 20.0 + ballRadius + 10.0, 0.0);
    const Vec3 light = Vec3(-0.4, 0.5, 0.77).normalized();

    std::vector<Ring> rings;
    for (const Face& f : faces(cage)) {
        Vec3 normal = Vec3::Zero(), middle = Vec3::Zero();
        for (std::size_t k = 0; k < f.size(); ++k) {
            normal += seen[f[k]].cross(seen[f[(k + 1) % f.size()]]);
            middle += seen[f[k]];
        }
        normal.normalize();
        if (normal.z() <= 0.0) continue;  // facing away
        std::string points;
        for (int i : f) {
            const Vec3& p = seen[i];
            points += number(centre.x() + scale * p.x()) + "," + number(centre.y() - scale * p.y()) +
                      " ";
        }
        points.pop_back();
        const Vec3 base = f.size() == 5 ? Vec3(240, 128, 48) : Vec3(160, 190, 222);
        const double shade = 0.55 + 0.5 * std::max(0.0, normal.dot(light));
        rings.push_back({middle.z() / f.size(),
                         "<polygon points=\"" + points + "\" fill=\"" + colour(base, shade) +
                             "\"/>\n"});
    }
    std::stable_sort(rings.begin(), rings.end(),
                     [](const Ring& a, const Ring& b) { return a.depth < b.depth; });

    const std::string group = cage.group == PointGroup::Ih ? subscripted("I", "h")
                                                           : subscripted("D", "5h");
    std::string svg = "<g stroke=\"#1d2733\" stroke-width=\"" + number(0.09 * scale) +
                      "\" stroke-linejoin=\"round\">\n";
    for (const Ring& r : rings) svg += r.svg;
    svg += "</g>\n";
    const std::string textX = number(centre.x());
    svg += "<text x=\"" + textX + "\" y=\"" + number(top + 22.0) +
           "\" font-size=\"17\" font-weight=\"bold\">" + std::to_string(menuNumber) + "  " +
           cage.name + "</text>\n";
    svg += "<text x=\"" + textX + "\" y=\"" + number(top + panelHeight - 8.0) +
           "\" font-size=\"12\" fill=\"#44505c\">" + group + " · " + number(2.0 * radius) +
           " Å across</text>\n";
    return svg;
}

}  // namespace

std::string gallerySvg(const std::vector<Cage>& cages) {
    const int rows = (static_cast<int>(cages.size()) + columns - 1) / columns;
    const std::string width = number(columns * panelWidth), height = number(rows * panelHeight);
    std::string svg = "<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"" + width +
                      "\" height=\"" + height + "\" viewBox=\"0 0 " + width + " " + height +
                      "\" font-family=\"DejaVu Sans, Helvetica, Arial, sans-serif\" "
                      "text-anchor=\"middle\">\n";
    svg += "<title>The twelve carbon cages, by menu number</title>\n";
    svg += "<rect width=\"100%\" height=\"100%\" fill=\"#ffffff\"/>\n";
    for (std::size_t k = 0; k < cages.size(); ++k)
        svg += panel(cages[k], static_cast<int>(k) + 1);
    return svg + "</svg>\n";
}

}  // namespace cagegen
