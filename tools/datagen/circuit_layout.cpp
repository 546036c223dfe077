#include "circuit_layout.h"

#include <algorithm>
#include <cmath>
#include <optional>
#include <stdexcept>
#include <tuple>

#include "core/checkpoints.h"

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

}  // namespace

std::vector<Point2> DenseLine(const std::vector<Point2>& line) {
    std::vector<Point2> dense;
    for (size_t i = 0; i < line.size(); ++i) {
        const Point2 a = line[i], b = line[(i + 1) % line.size()];
        const int steps = std::max(1, static_cast<int>(Length(Sub(b, a)) * 4));
        for (int k = 0; k < steps; ++k) dense.push_back(Add(a, Times(Sub(b, a), static_cast<float>(k) / steps)));
    }
    return dense;
}

namespace {

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
    return DenseLine(line);
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

Cell Nearest(Point2 p) { return {static_cast<int>(std::lround(p.x)), static_cast<int>(std::lround(p.y))}; }
Point2 Centre(Cell c) { return {static_cast<float>(c.x), static_cast<float>(c.y)}; }
bool SameCell(Cell a, Cell b) { return a.x == b.x && a.y == b.y; }

// Walls stand on the borders between track cells and other cells and reach
// 0.05 into the track cell; a move kept this far from every cell off the
// track meets no wall (a little less than 0.05, so that a move that grazes a
// wall is taken as possible).
constexpr float kWallReach = 0.04f;

// Whether every point of segment a-b lies at least `margin` away from every
// cell that is not track (a margin of 0: on track cells, corners included).
bool Clear(const CircuitLayout& layout, Point2 a, Point2 b, float margin) {
    const int steps = std::max(1, static_cast<int>(Length(Sub(b, a)) * 50));
    const float reach = 0.5f + margin;  // from a cell's centre to its square grown by the margin
    for (int k = 0; k <= steps; ++k) {
        const Point2 p = Add(a, Times(Sub(b, a), static_cast<float>(k) / steps));
        for (int x = static_cast<int>(std::ceil(p.x - reach)); x <= static_cast<int>(std::floor(p.x + reach)); ++x)
            for (int y = static_cast<int>(std::ceil(p.y - reach)); y <= static_cast<int>(std::floor(p.y + reach)); ++y)
                if (!layout.Open(x, y)) return false;
    }
    return true;
}

struct Move {
    Cell from, to;
};

// Every move a car can make on the circuit under its own power: from the
// start grid at rest, each move repeats the car's last step give or take one
// cell along each axis, from track cell to track cell clear of the walls.
std::vector<Move> DrivenMoves(const CircuitLayout& layout) {
    const int w = layout.Width(), h = layout.Length();
    const int span = 2 * std::max(w, h) + 1;  // steps from -max to +max along each axis
    auto state = [&](Cell c, int dx, int dy) {
        return ((static_cast<size_t>(c.y) * w + c.x) * span + (dx + span / 2)) * span + (dy + span / 2);
    };
    std::vector<char> reached(static_cast<size_t>(w) * h * span * span, 0), made(static_cast<size_t>(w * h) * w * h, 0);
    std::vector<std::tuple<Cell, int, int>> queue;
    for (const Cell& slot : layout.slots)
        if (!reached[state(slot, 0, 0)]) reached[state(slot, 0, 0)] = 1, queue.emplace_back(slot, 0, 0);
    for (size_t next = 0; next < queue.size(); ++next) {
        const auto [at, vx, vy] = queue[next];
        for (int dx = vx - 1; dx <= vx + 1; ++dx)
            for (int dy = vy - 1; dy <= vy + 1; ++dy) {
                const Cell to{at.x + dx, at.y + dy};
                if (!layout.Open(to.x, to.y)) continue;
                char& pair = made[static_cast<size_t>(at.y * w + at.x) * w * h + to.y * w + to.x];
                if (pair == 0) pair = Clear(layout, Centre(at), Centre(to), kWallReach) ? 1 : 2;
                if (pair == 2 || reached[state(to, dx, dy)]) continue;
                reached[state(to, dx, dy)] = 1;
                queue.emplace_back(to, dx, dy);
            }
    }
    std::vector<Move> moves;
    for (int from = 0; from < w * h; ++from)
        for (int to = 0; to < w * h; ++to)
            if (from != to && made[static_cast<size_t>(from) * w * h + to] == 1) moves.push_back({{from % w, from / w}, {to % w, to / w}});
    return moves;
}

long long Side(Cell a, Cell b, Cell p) {
    return static_cast<long long>(b.x - a.x) * (p.y - a.y) - static_cast<long long>(b.y - a.y) * (p.x - a.x);
}

// The game's own crossing test; on whole cells it is exact.
bool Crosses(Cell a, Cell b, Move m) {
    auto f = [](int v) { return static_cast<float>(v); };
    return SegmentsCross(f(a.x), f(a.y), f(b.x), f(b.y), f(m.from.x), f(m.from.y), f(m.to.x), f(m.to.y));
}

// Whether one of the moves goes from one side of the line of gate a-b to
// the other (or stops on it) past the end a, at a point that the track
// reaches from a along the line, without the game counting the gate.
bool SlipsPastEnd(const CircuitLayout& layout, const std::vector<Move>& moves, Cell a, Cell b) {
    const Point2 along = Sub(Centre(b), Centre(a));
    for (const Move& m : moves) {
        const long long sp = Side(a, b, m.from), sq = Side(a, b, m.to);
        if ((sp < 0 && sq < 0) || (sp > 0 && sq > 0) || (sp == 0 && sq == 0) || Crosses(a, b, m)) continue;
        const float t = static_cast<float>(sp) / static_cast<float>(sp - sq);
        const Point2 meet = Add(Centre(m.from), Times(Sub(Centre(m.to), Centre(m.from)), t));
        const Point2 past = Sub(meet, Centre(a));
        if (past.x * along.x + past.y * along.y < 0 && Clear(layout, Centre(a), meet, 0)) return true;
    }
    return false;
}

// Whether the two gates cross each other anywhere but at their ends.
bool CrossInside(const Gate& g, const Gate& h) {
    const Cell a = Nearest(g.from), b = Nearest(g.to), c = Nearest(h.from), d = Nearest(h.to);
    return Side(a, b, c) * Side(a, b, d) < 0 && Side(c, d, a) * Side(c, d, b) < 0;
}

bool SameGate(const Gate& g, const Gate& h) {
    return SameCell(Nearest(g.from), Nearest(h.from)) && SameCell(Nearest(g.to), Nearest(h.to));
}

// Whether the middle of gate `next` is in sight from each of the nine points
// along gate `g` that the computer driver aims at.
bool SeesMiddle(const CircuitLayout& layout, const Gate& g, const Gate& next) {
    const Point2 middle = Times(Add(next.from, next.to), 0.5f);
    for (int k = 1; k <= 9; ++k)
        if (!Clear(layout, Add(g.to, Times(Sub(g.from, g.to), k / 10.0f)), middle, 0.06f)) return false;
    return true;
}

// The last track cell met going from `at` along `direction`.
Cell Outermost(const CircuitLayout& layout, Point2 at, Point2 direction) {
    Cell last = Nearest(at);
    for (float r = 0; r < 50; r += 0.02f) {
        const Cell c = Nearest(Add(at, Times(direction, r)));
        if (!layout.Open(c.x, c.y)) break;
        last = c;
    }
    return last;
}

// A gate across the track at arc length s, from a track cell on the left to
// one on the right, both ends on cell centres, where the game's crossing
// test is exact. Its ends are looked for around the outermost cells straight
// across the track; the gate most square to the track and nearest to the
// centre line is taken among those that keep clear of the walls, have a wall
// within a cell past each end, leave no move that slips past an end, cross
// none of the last gates and can be seen from the gate before.
std::optional<Gate> GateAcross(const CircuitLayout& layout, const std::vector<Move>& moves, float s,
                               const std::vector<Gate>& before) {
    Point2 at, direction;
    PointAt(layout.centreLine, s, at, direction);
    const Point2 normal{-direction.y, direction.x};
    const Cell left = Outermost(layout, at, normal), right = Outermost(layout, at, Times(normal, -1));
    auto side = [&](Cell c) { return (c.x - at.x) * normal.x + (c.y - at.y) * normal.y; };
    struct Candidate {
        float score;
        Cell a, b;
    };
    std::vector<Candidate> candidates;
    constexpr int kNear = 2;  // how far an end may lie from the outermost cell straight across
    for (int ax = -kNear; ax <= kNear; ++ax)
        for (int ay = -kNear; ay <= kNear; ++ay)
            for (int bx = -kNear; bx <= kNear; ++bx)
                for (int by = -kNear; by <= kNear; ++by) {
                    const Cell a{left.x + ax, left.y + ay}, b{right.x + bx, right.y + by};
                    if (!layout.Open(a.x, a.y) || !layout.Open(b.x, b.y) || side(a) <= 0 || side(b) >= 0) continue;
                    const Point2 u = Unit(Sub(Centre(a), Centre(b)));
                    const float slant = std::fabs(u.x * direction.x + u.y * direction.y);  // 0 when square
                    const float offset = std::fabs((at.x - b.x) * u.y - (at.y - b.y) * u.x);
                    if (slant < 0.71f && offset < 1.2f) candidates.push_back({2 * slant + offset, a, b});
                }
    std::stable_sort(candidates.begin(), candidates.end(),
                     [](const Candidate& p, const Candidate& q) { return p.score < q.score; });
    const size_t recent = std::min<size_t>(before.size(), 3);
    for (const Candidate& c : candidates) {
        const Gate g{Centre(c.a), Centre(c.b)};
        const Point2 u = Unit(Sub(g.from, g.to));
        if (!Clear(layout, g.from, g.to, 0.08f) || Clear(layout, g.from, Add(g.from, u), 0) ||
            Clear(layout, g.to, Sub(g.to, u), 0))
            continue;
        if (SlipsPastEnd(layout, moves, c.a, c.b) || SlipsPastEnd(layout, moves, c.b, c.a)) continue;
        if (std::any_of(before.end() - recent, before.end(), [&](const Gate& h) { return CrossInside(g, h); })) continue;
        if (!before.empty() && !SeesMiddle(layout, before.back(), g)) continue;
        return g;
    }
    return std::nullopt;
}

// The clean gate nearest to arc length s, at most half a cell away.
std::optional<Gate> GateNear(const CircuitLayout& layout, const std::vector<Move>& moves, float s,
                             const std::vector<Gate>& before) {
    for (int attempt = 0; attempt <= 20; ++attempt) {
        const float shift = (attempt % 2 ? 1 : -1) * 0.05f * ((attempt + 1) / 2);
        if (std::optional<Gate> g = GateAcross(layout, moves, s + shift, before)) return g;
    }
    return std::nullopt;
}

// The longest stretch of centre line between two gates, in cells.
constexpr float kLongestGap = 6;

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

std::optional<Point2> PlaceGates(CircuitLayout& layout, float start) {
    const std::vector<Move> moves = DrivenMoves(layout);
    const std::vector<float> positions = GatePositions(layout, start);
    float last = positions.front();
    for (size_t k = 0; k < positions.size(); ++k) {
        const std::optional<Gate> g = GateNear(layout, moves, positions[k], layout.gates);
        if (!g) {
            // A bend may leave no clean gate at one of its marks; the gates
            // around it then do, unless they end up too far apart.
            if (k == 0 || k + 1 == positions.size() || positions[k + 1] - last > kLongestGap) {
                Point2 at, direction;
                PointAt(layout.centreLine, positions[k], at, direction);
                return at;
            }
            continue;
        }
        // Marks close together in a bend can give the same gate twice.
        if (!layout.gates.empty() && SameGate(*g, layout.gates.back())) continue;
        layout.gates.push_back(*g);
        last = positions[k];
    }
    return std::nullopt;
}

bool MoveClear(const CircuitLayout& layout, Cell from, Cell to) {
    return Clear(layout, Centre(from), Centre(to), kWallReach);
}

bool GateClear(const CircuitLayout& layout, const Gate& gate) { return Clear(layout, gate.from, gate.to, 0.08f); }

size_t FirstGateSlippedPast(const CircuitLayout& layout) {
    const std::vector<Move> moves = DrivenMoves(layout);
    for (size_t n = 0; n < layout.gates.size(); ++n) {
        const Cell a = Nearest(layout.gates[n].from), b = Nearest(layout.gates[n].to);
        if (SlipsPastEnd(layout, moves, a, b) || SlipsPastEnd(layout, moves, b, a)) return n;
    }
    return layout.gates.size();
}

bool GateInSight(const CircuitLayout& layout, const Gate& from, const Gate& next) { return SeesMiddle(layout, from, next); }

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
    layout.slots = StartSlots(layout, startPoint, direction);
    // The start line runs through the cell centres just ahead of the front
    // row of the grid, which stands half a cell behind the start point.
    if (const std::optional<Point2> at = PlaceGates(layout, start + 0.5f))
        throw std::runtime_error(layout.design.name + ": no clean gate near (" + std::to_string(at->x) + ", " +
                                 std::to_string(at->y) + ")");
    const Cell from = Nearest(layout.gates.front().from), to = Nearest(layout.gates.front().to);
    const Cell behind = Nearest(Sub(startPoint, direction));
    for (const Cell& slot : layout.slots)
        if (Side(from, to, slot) * Side(from, to, behind) <= 0)
            throw std::runtime_error(layout.design.name + ": a start slot on or past the start line");
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

    CircuitDesign grandPrix;
    grandPrix.name = "Autodrome";
    grandPrix.width = 58, grandPrix.length = 41;
    grandPrix.halfWidth = 2.6f;
    // A long, wide circuit for a full grid of 19: up the left straight, a
    // dip in the middle of the top, down the right side and back along the
    // bottom straight.
    grandPrix.corners = {{6, 6, 6},   {6, 34, 6},   {22, 34, 5}, {29, 25, 4},
                         {36, 34, 5}, {51, 34, 6},  {51, 6, 6}};
    grandPrix.startDistance = 18.5f;
    grandPrix.startSlots = 19;
    return {oval, technical, grandPrix};
}
