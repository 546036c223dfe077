#include "circuit_map_layout.h"

#include <cmath>
#include <cstdlib>
#include <map>
#include <queue>

#include "core/checkpoints.h"

namespace {

constexpr int kDx[8] = {-1, 0, 1, -1, 1, -1, 0, 1};
constexpr int kDy[8] = {-1, -1, -1, 0, 0, 1, 1, 1};

Cell Offset(Cell c, Cell d, int k = 1) { return {c.x + k * d.x, c.y + k * d.y}; }
int Dot(Cell c, Cell d) { return c.x * d.x + c.y * d.y; }
Point2 Centre(Cell c) { return {static_cast<float>(c.x), static_cast<float>(c.y)}; }
Cell Nearest(Point2 p) { return {static_cast<int>(std::lround(p.x)), static_cast<int>(std::lround(p.y))}; }

std::string Number(int n) { return std::to_string(n); }

void ReadTrack(const TrackMap& map, CircuitLayout& layout) {
    layout.design.name = map.name;
    layout.design.width = map.Width(), layout.design.length = map.Length();
    layout.open.assign(static_cast<size_t>(map.Width()) * map.Length(), 0);
    for (int y = 0; y < map.Length(); ++y)
        for (int x = 0; x < map.Width(); ++x) {
            if (!IsTrackMark(map.At(x, y))) continue;
            if (x == 0 || y == 0 || x + 1 == map.Width() || y + 1 == map.Length())
                map.Refuse({x, y}, "la piste touche le bord de la carte, où aucun mur ne peut la fermer");
            layout.open[static_cast<size_t>(y) * map.Width() + x] = 1;
        }
}

// Cells of each numbered mark (slots or gate ends), in reading order.
template <typename NumberOf>
std::map<int, std::vector<Cell>> Marks(const TrackMap& map, NumberOf numberOf) {
    std::map<int, std::vector<Cell>> marks;
    for (int y = map.Length() - 1; y >= 0; --y)
        for (int x = 0; x < map.Width(); ++x)
            if (const int n = numberOf(map.At(x, y))) marks[n].push_back({x, y});
    return marks;
}

void ReadSlots(const TrackMap& map, CircuitLayout& layout) {
    const std::map<int, std::vector<Cell>> slots = Marks(map, SlotNumber);
    if (slots.size() < 2)
        map.Refuse({0, map.Length() - 1}, "il faut au moins deux départs, marqués 1, 2... sur la piste");
    int expected = 1;
    for (const auto& [number, cells] : slots) {
        if (number != expected)
            map.Refuse(cells.front(), "il manque le départ " + Number(expected) + " avant celui-ci");
        if (cells.size() > 1) map.Refuse(cells[1], "le départ " + Number(number) + " figure deux fois");
        layout.slots.push_back(cells.front());
        ++expected;
    }
    layout.design.startSlots = static_cast<int>(layout.slots.size());
}

// The way the grid faces: from its last row towards its first, along a line
// or a column of the map.
Cell GridDirection(const TrackMap& map, const std::vector<Cell>& slots) {
    const size_t n = slots.size();
    // Twice the middles of the first row and of the last.
    const Cell front = Offset(slots[0], slots[1]);
    const Cell back = n >= 4 ? Offset(slots[n - 2], slots[n - 1]) : Offset(slots[n - 1], slots[n - 1]);
    const int dx = front.x - back.x, dy = front.y - back.y;
    if (std::abs(dx) == std::abs(dy))
        map.Refuse(slots[0], "la grille ne dit pas le sens du départ : le départ 1 devant, le dernier derrière, "
                             "en ligne ou en colonne");
    return std::abs(dx) > std::abs(dy) ? Cell{dx > 0 ? 1 : -1, 0} : Cell{0, dy > 0 ? 1 : -1};
}

// The track cells across the track through `c`, square to `direction`.
std::vector<Cell> Across(const CircuitLayout& layout, Cell c, Cell direction) {
    const Cell side{-direction.y, direction.x};
    std::vector<Cell> cells;
    for (int k = 0; layout.Open(c.x + k * side.x, c.y + k * side.y); ++k) cells.push_back(Offset(c, side, k));
    for (int k = -1; layout.Open(c.x + k * side.x, c.y + k * side.y); --k) cells.push_back(Offset(c, side, k));
    return cells;
}

// Moves from the start line to each track cell, going away from the grid
// (the front row is a barrier), -1 where none reach; `closing`: the moves
// to come round behind the grid, -1 when the track does not.
struct StartDistances {
    std::vector<int> moves;
    int closing = -1;
};

StartDistances FromStartLine(const CircuitLayout& layout, Cell slot1, Cell direction) {
    const int w = layout.Width();
    StartDistances d{std::vector<int>(layout.open.size(), -1)};
    auto at = [&](Cell c) -> int& { return d.moves[static_cast<size_t>(c.y) * w + c.x]; };
    for (const Cell c : Across(layout, slot1, direction)) at(c) = -2;
    std::queue<Cell> open;
    for (const Cell c : Across(layout, Offset(slot1, direction), direction)) at(c) = 0, open.push(c);
    for (; !open.empty(); open.pop()) {
        const Cell c = open.front();
        for (int k = 0; k < 8; ++k) {
            const Cell to{c.x + kDx[k], c.y + kDy[k]};
            if (!layout.Open(to.x, to.y) || !MoveClear(layout, c, to)) continue;
            const bool behindGrid = at(to) == -2 && Dot(c, direction) < Dot(slot1, direction);
            if (behindGrid && d.closing < 0) d.closing = at(c);
            if (at(to) != -1) continue;
            at(to) = at(c) + 1;
            open.push(to);
        }
    }
    return d;
}

// A centre line for a circuit drawn without gates: the middles of the
// cells the same number of moves from the start line, smoothed, from the
// start line round to the grid's back.
std::vector<Point2> DrivenCentreLine(const TrackMap& map, const CircuitLayout& layout, Cell direction) {
    const Cell slot1 = layout.slots.front(), ahead = Offset(slot1, direction);
    if (!layout.Open(ahead.x, ahead.y)) map.Refuse(slot1, "pas de piste devant le départ 1");
    const StartDistances d = FromStartLine(layout, slot1, direction);
    if (d.closing < 0)
        map.Refuse(ahead, "la piste ne fait pas le tour : partie d'ici, elle ne revient pas derrière la grille");
    const int n = d.closing + 1;
    std::vector<Point2> middles(static_cast<size_t>(n));
    std::vector<int> counts(middles.size(), 0);
    for (size_t i = 0; i < d.moves.size(); ++i) {
        const int k = d.moves[i];
        if (k < 0 || k >= n) continue;
        middles[k].x += static_cast<float>(i % layout.Width()), middles[k].y += static_cast<float>(i / layout.Width());
        ++counts[k];
    }
    for (int k = 0; k < n; ++k) middles[k].x /= counts[k], middles[k].y /= counts[k];
    std::vector<Point2> line(middles.size());
    for (int k = 0; k < n; ++k)
        for (int j = k - 2; j <= k + 2; ++j) {
            const Point2 m = middles[std::min(std::max(j, 0), n - 1)];  // not smoothed across the start line
            line[k].x += m.x / 5, line[k].y += m.y / 5;
        }
    return DenseLine(line);
}

// "la porte « c »" for gate n, counted from 0.
std::string GateName(size_t n) { return "la porte « " + std::string(1, static_cast<char>('a' + n)) + " »"; }

std::vector<Gate> DrawnGates(const TrackMap& map) {
    std::vector<Gate> gates;
    for (const auto& [number, cells] : Marks(map, GateNumber)) {
        const size_t n = static_cast<size_t>(number - 1);
        if (n != gates.size())
            map.Refuse(cells.front(), GateName(n) + " vient avant " + GateName(gates.size()) + ", qui manque");
        if (cells.size() != 2)
            map.Refuse(cells.front(),
                       GateName(n) + " doit avoir deux bouts, pas " + Number(static_cast<int>(cells.size())));
        gates.push_back({Centre(cells[0]), Centre(cells[1])});
    }
    return gates;
}

void CheckDrawnGates(const TrackMap& map, const CircuitLayout& layout) {
    if (layout.gates.size() < 2)
        map.Refuse(Nearest(layout.gates.front().from), "il faut au moins deux portes, « a » et « b »");
    for (size_t n = 0; n < layout.gates.size(); ++n) {
        const Gate& g = layout.gates[n];
        if (!GateClear(layout, g))
            map.Refuse(Nearest(g.from), GateName(n) + " passe trop près d'un mur ou hors de la piste");
        if (n > 0 && !GateInSight(layout, layout.gates[n - 1], g))
            map.Refuse(Nearest(g.from), GateName(n) + " n'est pas en vue depuis la porte d'avant");
    }
    const size_t slipped = FirstGateSlippedPast(layout);
    if (slipped < layout.gates.size())
        map.Refuse(Nearest(layout.gates[slipped].from), "une voiture peut passer à côté de " + GateName(slipped) +
                                                            " sans la franchir : menez ses bouts jusqu'aux murs");
}

long long Side(Point2 a, Point2 b, Cell p) {
    return std::llround((b.x - a.x) * (p.y - a.y) - (b.y - a.y) * (p.x - a.x));
}

void CheckSlotsBehindStart(const TrackMap& map, const CircuitLayout& layout, Cell direction) {
    const Gate& start = layout.gates.front();
    const Cell behind = Offset(layout.slots.back(), direction, -1);
    for (size_t k = 0; k < layout.slots.size(); ++k)
        if (Side(start.from, start.to, layout.slots[k]) * Side(start.from, start.to, behind) <= 0)
            map.Refuse(layout.slots[k],
                       "le départ " + Number(static_cast<int>(k) + 1) + " est sur la ligne de départ ou devant elle");
}

bool Crosses(Cell from, Cell to, const Gate& g) {
    return SegmentsCross(g.from.x, g.from.y, g.to.x, g.to.y, static_cast<float>(from.x), static_cast<float>(from.y),
                         static_cast<float>(to.x), static_cast<float>(to.y));
}

// From each slot, one cell a move, through the gates in order to the finish.
void CheckDrivable(const TrackMap& map, const CircuitLayout& layout) {
    const int w = layout.Width(), cells = w * layout.Length(), gates = static_cast<int>(layout.gates.size());
    for (size_t s = 0; s < layout.slots.size(); ++s) {
        std::vector<char> seen(static_cast<size_t>(cells) * (gates + 1), 0);
        std::queue<std::pair<Cell, int>> open;
        open.push({layout.slots[s], 0});
        int best = 0;
        while (!open.empty() && best < gates) {
            const auto [c, passed] = open.front();
            open.pop();
            for (int d = 0; d < 8; ++d) {
                const Cell to{c.x + kDx[d], c.y + kDy[d]};
                if (!layout.Open(to.x, to.y) || !MoveClear(layout, c, to)) continue;
                int now = passed;
                while (now < gates && Crosses(c, to, layout.gates[now])) ++now;
                best = std::max(best, now);
                char& mark = seen[static_cast<size_t>(now) * cells + to.y * w + to.x];
                if (!mark) mark = 1, open.push({to, now});
            }
        }
        if (best == gates) continue;
        const Gate& g = layout.gates[best];
        map.Refuse(Nearest(g.from), std::string(best + 1 == gates ? "l'arrivée" : "la porte " + Number(best + 1)) +
                                        " (de ce bout à " + map.Where(Nearest(g.to)) +
                                        ") ne peut être atteinte depuis le départ " + Number(static_cast<int>(s) + 1));
    }
}

}  // namespace

CircuitLayout MapLayout(const TrackMap& map) {
    CircuitLayout layout;
    ReadTrack(map, layout);
    ReadSlots(map, layout);
    const Cell direction = GridDirection(map, layout.slots);
    layout.gates = DrawnGates(map);
    if (layout.gates.empty()) {
        layout.centreLine = DrivenCentreLine(map, layout, direction);
        if (const std::optional<Point2> at = PlaceGates(layout, 0))
            map.Refuse(Nearest(*at),
                       "aucune porte ne peut être placée ici : marquez les portes de la carte avec « a », « b »...");
    } else {
        CheckDrawnGates(map, layout);
    }
    CheckSlotsBehindStart(map, layout, direction);
    CheckDrivable(map, layout);
    return layout;
}
