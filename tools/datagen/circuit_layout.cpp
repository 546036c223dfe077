#include "circuit_layout.h"

#include <algorithm>
#include <cmath>
#include <stdexcept>

namespace {

constexpr float kPi = 3.14159265f;

Point2 Add(Point2 a, Point2 b) { return {a.x + b.x, a.y + b.y}; }
Point2 Sub(Point2 a, Point2 b) { return {a.x - b.x, a.y - b.y}; }
Point2 Times(Point2 a, float k) { return {a.x * k, a.y * k}; }
float Length(Point2 a) { return std::hypot(a.x, a.y); }
Point2 Unit(Point2 a) { return Times(a, 1 / Length(a)); }

float SegmentDistance(Point2 p, Point2 a, Point2 b) {
    const Point2 d = Sub(b, a);
    const float t = std::clamp(((p.x - a.x) * d.x + (p.y - a.y) * d.y) / (d.x * d.x + d.y * d.y), 0.0f, 1.0f);
    return Length(Sub(p, Add(a, Times(d, t))));
}

// Appends the arc rounding corner i to the line: from where it leaves the
// incoming side to where it joins the outgoing one.
void RoundCorner(const std::vector<Corner>& corners, size_t i, std::vector<Point2>& line) {
    const size_t n = corners.size();
    const Corner& c = corners[i];
    const Point2 p{c.x, c.y};
    const Point2 in = Unit(Sub(p, Point2{corners[(i + n - 1) % n].x, corners[(i + n - 1) % n].y}));
    const Point2 out = Unit(Sub(Point2{corners[(i + 1) % n].x, corners[(i + 1) % n].y}, p));
    const float turn = std::acos(std::clamp(in.x * out.x + in.y * out.y, -1.0f, 1.0f));
    const float tangent = c.radius * std::tan(turn / 2);
    const Point2 entry = Sub(p, Times(in, tangent));
    const float side = in.x * out.y - in.y * out.x > 0 ? 1.0f : -1.0f;  // left or right turn
    const Point2 centre = Add(entry, Times(Point2{-in.y, in.x}, side * c.radius));
    const int steps = std::max(2, static_cast<int>(turn * c.radius * 8));
    const float a0 = std::atan2(entry.y - centre.y, entry.x - centre.x);
    for (int k = 0; k <= steps; ++k) {
        const float a = a0 + side * turn * k / steps;
        line.push_back(Add(centre, Point2{c.radius * std::cos(a), c.radius * std::sin(a)}));
    }
}

// The closed centre line, starting where the first side leaves corner 0.
std::vector<Point2> CentreLine(const std::vector<Corner>& corners) {
    std::vector<Point2> line;
    for (size_t i = 1; i <= corners.size(); ++i) RoundCorner(corners, i % corners.size(), line);
    // Rotate so the line begins at the exit of corner 0 (the last arc's end).
    line.insert(line.begin(), line.back());
    line.pop_back();
    // Fill the straight sides with points every quarter cell.
    std::vector<Point2> dense;
    for (size_t i = 0; i < line.size(); ++i) {
        const Point2 a = line[i], b = line[(i + 1) % line.size()];
        const int steps = std::max(1, static_cast<int>(Length(Sub(b, a)) * 4));
        for (int k = 0; k < steps; ++k) dense.push_back(Add(a, Times(Sub(b, a), static_cast<float>(k) / steps)));
    }
    return dense;
}

float DistanceToLine(Point2 p, const std::vector<Point2>& line) {
    float best = 1e9f;
    for (size_t i = 0; i < line.size(); ++i) best = std::min(best, SegmentDistance(p, line[i], line[(i + 1) % line.size()]));
    return best;
}

// Position and direction of the centre line at arc length s (wrapping).
void PointAt(const std::vector<Point2>& line, float s, Point2& at, Point2& direction) {
    float total = 0;
    for (size_t i = 0; i < line.size(); ++i) total += Length(Sub(line[(i + 1) % line.size()], line[i]));
    s = std::fmod(std::fmod(s, total) + total, total);
    for (size_t i = 0;; i = (i + 1) % line.size()) {
        const Point2 a = line[i], b = line[(i + 1) % line.size()];
        const float piece = Length(Sub(b, a));
        if (s <= piece) {
            direction = Unit(Sub(b, a));
            at = Add(a, Times(direction, s));
            return;
        }
        s -= piece;
    }
}

float LineLength(const std::vector<Point2>& line) {
    float total = 0;
    for (size_t i = 0; i < line.size(); ++i) total += Length(Sub(line[(i + 1) % line.size()], line[i]));
    return total;
}

// How far from `at` along `direction` the track goes on, stopping a little
// short of the wall.
float Reach(const CircuitLayout& layout, Point2 at, Point2 direction) {
    float r = 0;
    while (r < 50) {
        const Point2 p = Add(at, Times(direction, r + 0.02f));
        if (!layout.Open(static_cast<int>(std::lround(p.x)), static_cast<int>(std::lround(p.y)))) break;
        r += 0.02f;
    }
    return r - 0.12f;  // clear of the wall, which reaches 0.05 into the cell
}

bool PassesNearCellCentre(const Gate& g) {
    for (int x = static_cast<int>(std::floor(std::min(g.from.x, g.to.x))); x <= std::ceil(std::max(g.from.x, g.to.x)); ++x)
        for (int y = static_cast<int>(std::floor(std::min(g.from.y, g.to.y))); y <= std::ceil(std::max(g.from.y, g.to.y)); ++y)
            if (SegmentDistance(Point2{static_cast<float>(x), static_cast<float>(y)}, g.from, g.to) < 0.1f) return true;
    return false;
}

// A gate across the track at arc length s, moved along the track until no
// cell centre lies on it (so a move never ends exactly on a gate).
Gate GateAt(const CircuitLayout& layout, float s) {
    for (int attempt = 0; attempt < 20; ++attempt) {
        Point2 at, direction;
        PointAt(layout.centreLine, s + attempt * 0.07f, at, direction);
        const Point2 normal{-direction.y, direction.x};
        const Gate g{Add(at, Times(normal, Reach(layout, at, normal))),
                     Sub(at, Times(normal, Reach(layout, at, Times(normal, -1))))};
        if (!PassesNearCellCentre(g)) return g;
    }
    throw std::runtime_error(layout.design.name + ": no clean gate near " + std::to_string(s));
}

// Arc lengths of the gates: the start, every bend (its entry, its middle
// parts and its exit), the straights at most 5 cells apart, the finish.
std::vector<float> GatePositions(const CircuitLayout& layout, float start) {
    const std::vector<Point2>& line = layout.centreLine;
    const float total = LineLength(line);
    std::vector<float> bends;  // arc lengths where the direction has turned 20 degrees since the last mark
    float s = 0, lastMark = -10;
    Point2 reference = Unit(Sub(line[1], line[0]));
    for (size_t i = 0; i < line.size(); ++i) {
        const Point2 d = Unit(Sub(line[(i + 1) % line.size()], line[i]));
        if (std::acos(std::clamp(d.x * reference.x + d.y * reference.y, -1.0f, 1.0f)) > kPi / 9) {
            if (s - lastMark > 0.8f) bends.push_back(s), lastMark = s;
            reference = d;
        }
        s += Length(Sub(line[(i + 1) % line.size()], line[i]));
    }
    std::vector<float> positions{start};
    for (float lap = 0; lap <= total; lap += total)
        for (float b : bends)
            if (b + lap > start + 1.2f && b + lap < start + total + 2 - 1.2f) positions.push_back(b + lap);
    positions.push_back(start + total + 2);  // the finish, two cells past the start line
    std::sort(positions.begin(), positions.end());
    std::vector<float> filled{positions.front()};
    for (size_t i = 1; i < positions.size(); ++i) {
        const float from = positions[i - 1], gap = positions[i] - from;
        const int pieces = static_cast<int>(std::ceil(gap / 5));
        for (int k = 1; k < pieces; ++k) filled.push_back(from + gap * k / pieces);
        filled.push_back(positions[i]);
    }
    return filled;
}

std::vector<Cell> StartSlots(const CircuitLayout& layout, Point2 startPoint, Point2 direction) {
    std::vector<Cell> slots;
    // Two abreast, the odd slots on the left, row after row behind the line.
    const Point2 normal{-direction.y, direction.x};
    for (int k = 1; k <= layout.design.startSlots; ++k) {
        const Point2 p = Add(Sub(startPoint, Times(direction, 0.5f + (k - 1) / 2)), Times(normal, k % 2 ? 1.0f : -1.0f));
        const Cell cell{static_cast<int>(std::lround(p.x)), static_cast<int>(std::lround(p.y))};
        if (!layout.Open(cell.x, cell.y)) throw std::runtime_error(layout.design.name + ": start slot off the track");
        slots.push_back(cell);
    }
    return slots;
}

}  // namespace

bool CircuitLayout::Open(int x, int y) const {
    return x >= 0 && y >= 0 && x < design.width && y < design.length && open[static_cast<size_t>(y) * design.width + x];
}

CircuitLayout LayOut(const CircuitDesign& design) {
    CircuitLayout layout;
    layout.design = design;
    layout.centreLine = CentreLine(design.corners);
    layout.open.assign(static_cast<size_t>(design.width) * design.length, 0);
    for (int y = 1; y + 1 < design.length; ++y)
        for (int x = 1; x + 1 < design.width; ++x)
            if (DistanceToLine(Point2{static_cast<float>(x), static_cast<float>(y)}, layout.centreLine) <= design.halfWidth)
                layout.open[static_cast<size_t>(y) * design.width + x] = 1;

    const Point2 c0{design.corners[0].x, design.corners[0].y}, c1{design.corners[1].x, design.corners[1].y};
    const Point2 direction = Unit(Sub(c1, c0));
    const Point2 startPoint = Add(c0, Times(direction, design.startDistance));
    // Arc length of the start line: the line begins where the first bend ends.
    float start = 0, best = 1e9f;
    for (float s = 0; s < LineLength(layout.centreLine); s += 0.01f) {
        Point2 at, d;
        PointAt(layout.centreLine, s, at, d);
        if (Length(Sub(at, startPoint)) < best) best = Length(Sub(at, startPoint)), start = s;
    }
    for (float s : GatePositions(layout, start)) layout.gates.push_back(GateAt(layout, s));
    layout.slots = StartSlots(layout, startPoint, direction);
    return layout;
}

std::vector<CircuitDesign> CircuitDesigns() {
    CircuitDesign oval;
    oval.name = "Anneau";
    oval.width = 25, oval.length = 38;
    oval.halfWidth = 2.1f;
    // Two long straights joined by wide bends, driven clockwise on the map.
    oval.corners = {{6, 6, 6}, {6, 31, 6}, {18, 31, 6}, {18, 6, 6}};
    oval.startDistance = 16.5f;
    oval.startSlots = 8;

    CircuitDesign technical;
    technical.name = "Serpentin";
    technical.width = 29, technical.length = 24;
    technical.halfWidth = 1.5f;
    // Up the left side, a chicane along the top, a hairpin loop on the right.
    technical.corners = {{5, 4, 2.5f},   {5, 19, 3},     {10, 19, 2.5f}, {13, 16, 2.5f}, {16, 16, 2.5f},
                         {19, 19, 2.5f}, {24, 19, 2.5f}, {24, 13, 2},    {17, 13, 2},    {17, 9, 2},
                         {24, 9, 2},     {24, 4, 2.5f}};
    technical.startDistance = 9.5f;
    technical.startSlots = 6;
    return {oval, technical};
}
