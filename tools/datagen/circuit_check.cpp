#include "circuit_check.h"

#include <cmath>
#include <filesystem>
#include <map>
#include <queue>
#include <set>
#include <sstream>
#include <stdexcept>
#include <tuple>
#include <utility>

#include "core/checkpoints.h"
#include "core/game_state.h"
#include "files/circuit_file.h"
#include "platform/paths.h"
#include "platform/text.h"

namespace fs = std::filesystem;
using namespace irr;

namespace {

struct Point {
    double x, y;
};

struct Move {
    Point from, to;
};

// Whether segments p1-p2 and q1-q2 cross, by the game's own checkpoint test
// (touching counts).
bool Crosses(Point p1, Point p2, Point q1, Point q2) {
    auto f = [](double v) { return static_cast<float>(v); };
    return SegmentsCross(f(p1.x), f(p1.y), f(p2.x), f(p2.y), f(q1.x), f(q1.y), f(q2.x), f(q2.y));
}

// (b - a) x (p - a): its sign tells which side of the line through a and b
// the point p lies on (exact for whole cells).
double Turn(Point a, Point b, Point p) { return (b.x - a.x) * (p.y - a.y) - (b.y - a.y) * (p.x - a.x); }

constexpr int kDx[8] = {-1, 0, 1, -1, 1, -1, 0, 1};
constexpr int kDy[8] = {-1, -1, -1, 0, 0, 1, 1, 1};

class CircuitCheck {
public:
    CircuitCheck(IrrlichtDevice* device, const std::wstring& name) : scene_(device->getSceneManager()), c_(game.circuit) {
        LoadCircuitFile(name);
        Require(c_.circuitName == name, "the game does not read it back");
        scene::IAnimatedMesh* mesh = Mesh(L"\\data\\" + c_.circuitMeshFile);
        Require(device->getVideoDriver()->getTexture(GamePath(L"\\data\\" + c_.circuitTextureFile).c_str()),
                "its texture does not load");
        node_ = scene_->addAnimatedMeshSceneNode(mesh);
        node_->setPosition(core::vector3df(c_.circuitOffsetX, c_.circuitOffsetY, c_.circuitOffsetZ));
        node_->updateAbsolutePosition();
        selector_ = scene_->createOctreeTriangleSelector(mesh->getMesh(0), node_, 100);
        box_ = node_->getTransformedBoundingBox();
    }
    ~CircuitCheck() {
        selector_->drop();
        node_->remove();
    }

    void Run() {
        Items();
        StartSlots();
        Gates();
        const std::vector<Move> moves = DrivenMoves();
        Require(moves.size() > 1000, "cars can hardly move");
        NoMoveSlipsPastAGateEnd(moves);
        CrowdsOffTheTrack(moves);
        EverySlotDrivesThroughAllGates();
    }

private:
    void Require(bool ok, const std::string& what) const {
        if (!ok) throw std::runtime_error(ToUtf8(c_.circuitName) + ": " + what);
    }
    static std::string Where(Point p) {
        std::ostringstream out;
        out << "(" << p.x << ", " << p.y << ")";
        return out.str();
    }

    scene::IAnimatedMesh* Mesh(const std::wstring& path) const {
        scene::IAnimatedMesh* mesh = scene_->getMesh(GamePath(path).c_str());
        Require(mesh != nullptr, ToUtf8(path) + " does not load");
        return mesh;
    }
    void Texture(const std::wstring& path) const {
        Require(scene_->getVideoDriver()->getTexture(GamePath(path).c_str()) != nullptr, ToUtf8(path) + " does not load");
    }

    // Whether an animation's frames move the model (its box a quarter in).
    static bool Moves(scene::IAnimatedMesh* mesh, s32 from, s32 to) {
        const core::aabbox3df a = mesh->getMesh(from)->getBoundingBox();
        const core::aabbox3df b = mesh->getMesh(from + (to - from) / 4)->getBoundingBox();
        return a.MinEdge.getDistanceFrom(b.MinEdge) + a.MaxEdge.getDistanceFrom(b.MaxEdge) > 0.5f;
    }

    // Counts match the items; the grid covers the mesh, whose floor lies at
    // y = -5 and walls reach y = 40; decor and spectators load and animate.
    void Items() const {
        Require(c_.checkpointCount >= 4 && c_.checkpointX.size() == size_t(2 * c_.checkpointCount + 2), "checkpoint count");
        Require(box_.MinEdge.X >= -50.5f && box_.MinEdge.Z >= -50.5f && box_.MaxEdge.X <= c_.gridWidth * 100 - 49.5f &&
                    box_.MaxEdge.Z <= c_.gridLength * 100 - 49.5f,
                "the mesh reaches past the grid");
        Require(box_.MinEdge.Y == -5 && box_.MaxEdge.Y >= 40, "floor not at -5 or walls lower than 40");
        Require(c_.decorCount >= 3, "too little decor");
        bool animated = false, transparent = false, relative = false;
        for (int k = 1; k <= c_.decorCount; ++k) {
            const DecorItem& d = c_.decorItems[k];
            scene::IAnimatedMesh* mesh = Mesh(L"\\" + d.meshFile);
            Texture(L"\\" + d.textureFile);
            if (d.animated && d.frameStart >= 0 && d.frameEnd > d.frameStart) {
                animated = true;
                Require(d.frameEnd <= static_cast<s32>(mesh->getFrameCount()), "decor frames past the model's");
                Require(Moves(mesh, d.frameStart, d.frameEnd), "animated decor " + ToUtf8(d.meshFile) + " stands still");
            }
            transparent |= d.transparent != 0;
            relative |= d.relativeToCircuit != 0;
        }
        Require(animated && transparent && relative, "decor lacks an animated, a see-through or a placed item");
        Require(c_.crowdModelCount >= 2, "fewer than two spectator models");
        std::set<std::wstring> meshes;
        for (int m = 1; m <= c_.crowdModelCount; ++m) {
            const CrowdModel& model = c_.crowdModels[m];
            scene::IAnimatedMesh* mesh = Mesh(L"\\" + model.meshFile);
            Texture(L"\\" + model.textureFile);
            Require(model.speedMax > model.speedMin && model.frameEnd <= static_cast<s32>(mesh->getFrameCount()),
                    "spectator speeds or frames");
            Require(Moves(mesh, model.frameStart, model.frameEnd), "spectator " + ToUtf8(model.meshFile) + " stands still");
            // Feet on the ground: the game raises spectators by 24.
            Require(std::abs(mesh->getMesh(0)->getBoundingBox().MinEdge.Y + 24) <= 0.5, "spectator not on the ground");
            meshes.insert(model.meshFile);
        }
        Require(meshes.size() >= 2, "one spectator model only");
        Require(c_.crowdGroupCount >= 3, "fewer than three crowds");
        for (int g = 1; g <= c_.crowdGroupCount; ++g) {
            const CrowdGroup& group = c_.crowdGroups[g];
            Require(group.personCount > 0 && group.persons.size() == size_t(group.personCount + 1) && group.angle2 > group.angle1,
                    "crowd " + std::to_string(g) + " malformed");
        }
    }

    // A wall between two points in cell units, at height 0.
    bool Wall(Point a, Point b) const {
        const core::line3df ray(a.x * 100, 0, a.y * 100, b.x * 100, 0, b.y * 100);
        core::vector3df hit;
        core::triangle3df triangle;
        scene::ISceneNode* node = nullptr;
        return scene_->getSceneCollisionManager()->getCollisionPoint(ray, selector_, hit, triangle, node);
    }
    Point GateEnd(int n, bool start) const {
        const int i = start ? 2 * n - 1 : 2 * n;
        return {c_.checkpointX[i], c_.checkpointY[i]};
    }
    Point Slot(int s) const { return {double(c_.startCellX[s]), double(c_.startCellY[s])}; }
    bool InGrid(int x, int y) const { return x >= 0 && y >= 0 && x < c_.gridWidth && y < c_.gridLength; }

    // Distinct free cells on the same side of the start line as slot 1, with
    // no wall between them and slot 1.
    void StartSlots() const {
        Require(c_.circuitMaxCars >= 6, "fewer than six start slots");
        std::set<std::pair<int, int>> seen;
        const Point lineA = GateEnd(1, true), lineB = GateEnd(1, false);
        for (int s = 1; s <= c_.circuitMaxCars; ++s) {
            const Point slot = Slot(s);
            const std::string which = "start slot " + std::to_string(s);
            Require(InGrid(c_.startCellX[s], c_.startCellY[s]), which + " off the grid");
            Require(seen.insert({c_.startCellX[s], c_.startCellY[s]}).second, which + " shared");
            // (Walls are 10 thick on the cell border: they reach 0.05 into the cell.)
            for (const Point d : {Point{0.44, 0}, Point{-0.44, 0}, Point{0, 0.44}, Point{0, -0.44}})
                Require(!Wall(slot, {slot.x + d.x, slot.y + d.y}), "a wall inside " + which);
            Require(!Crosses(slot, Slot(1), lineA, lineB), which + " past the start line");
            Require(!Wall(slot, Slot(1)), "a wall between " + which + " and slot 1");
        }
    }

    // Gates join cell centres (the game's crossing test truncates its
    // differences to whole numbers, so it is exact only there) across open
    // track with a wall just past each end, and a driver aiming at the next
    // gate from anywhere on one sees it.
    void Gates() const {
        for (int n = 1; n <= c_.checkpointCount; ++n) {
            const std::string which = "gate " + std::to_string(n);
            const Point a = GateEnd(n, true), b = GateEnd(n, false);
            for (const double v : {a.x, a.y, b.x, b.y}) Require(v == std::round(v), which + " off the cell centres");
            Require(!Wall(a, b), "a wall across " + which);
            const double length = std::hypot(b.x - a.x, b.y - a.y);
            Require(length > 1.5, which + " too short");
            const Point step{(b.x - a.x) / length, (b.y - a.y) / length};
            Require(Wall(b, {b.x + step.x, b.y + step.y}) && Wall(a, {a.x - step.x, a.y - step.y}),
                    "no wall just past an end of " + which);
            if (n == c_.checkpointCount) continue;
            const Point c = GateEnd(n + 1, true), d = GateEnd(n + 1, false);
            const Point middle{(c.x + d.x) / 2, (c.y + d.y) / 2};
            for (int k = 1; k <= 9; ++k)
                Require(!Wall({b.x + k * (a.x - b.x) / 10, b.y + k * (a.y - b.y) / 10}, middle),
                        "the next gate is out of sight from " + which);
        }
    }

    // Every move a car can make under its own power: from each start slot at
    // rest, each move repeats the last step give or take one cell along each
    // axis and meets no wall.
    std::vector<Move> DrivenMoves() const {
        std::map<std::pair<int, int>, bool> free;  // (from cell, to cell) -> no wall between
        std::set<std::tuple<int, int, int, int>> reached;  // x, y, step x, step y
        std::queue<std::tuple<int, int, int, int>> open;
        for (int s = 1; s <= c_.circuitMaxCars; ++s)
            if (reached.insert({c_.startCellX[s], c_.startCellY[s], 0, 0}).second) open.push({c_.startCellX[s], c_.startCellY[s], 0, 0});
        while (!open.empty()) {
            const auto [x, y, vx, vy] = open.front();
            open.pop();
            for (int dx = vx - 1; dx <= vx + 1; ++dx)
                for (int dy = vy - 1; dy <= vy + 1; ++dy) {
                    if (!InGrid(x + dx, y + dy)) continue;
                    const auto key = std::make_pair(y * c_.gridWidth + x, (y + dy) * c_.gridWidth + x + dx);
                    const auto known = free.find(key);
                    const bool clear = known != free.end() ? known->second
                                                           : (free[key] = !Wall({double(x), double(y)}, {double(x + dx), double(y + dy)}));
                    if (clear && reached.insert({x + dx, y + dy, dx, dy}).second) open.push({x + dx, y + dy, dx, dy});
                }
        }
        std::vector<Move> moves;
        for (const auto& [key, clear] : free)
            if (clear && key.first != key.second)
                moves.push_back({{double(key.first % c_.gridWidth), double(key.first / c_.gridWidth)},
                                 {double(key.second % c_.gridWidth), double(key.second / c_.gridWidth)}});
        return moves;
    }

    // A move that crosses a gate's line just past one of its ends, where the
    // track goes on up to the wall, would pass the gate without the game
    // counting it; no move a car can make does that.
    void NoMoveSlipsPastAGateEnd(const std::vector<Move>& moves) const {
        for (int n = 1; n <= c_.checkpointCount; ++n)
            for (const bool start : {true, false}) {
                const Point end = GateEnd(n, start), other = GateEnd(n, !start);
                for (const Move& m : moves) {
                    const double sf = Turn(end, other, m.from), st = Turn(end, other, m.to);
                    if (sf * st > 0 || (sf == 0 && st == 0) || Crosses(end, other, m.from, m.to)) continue;
                    // The move meets the gate's line off the gate, here past `end`
                    // (or past `other`, and then the gate's own wall is in between).
                    const double t = sf / (sf - st);
                    const Point meet{m.from.x + t * (m.to.x - m.from.x), m.from.y + t * (m.to.y - m.from.y)};
                    Require(Wall(end, meet), "the move " + Where(m.from) + " to " + Where(m.to) + " slips past an end of gate " +
                                                 std::to_string(n));
                }
            }
    }

    void CrowdsOffTheTrack(const std::vector<Move>& moves) const {
        std::set<std::pair<int, int>> track;  // every cell a car can drive to
        for (const Move& m : moves) track.insert({int(m.to.x), int(m.to.y)});
        for (int g = 1; g <= c_.crowdGroupCount; ++g) {
            const CrowdGroup& group = c_.crowdGroups[g];
            for (int x = (group.x1 + 50) / 100; x <= (group.x2 + 50) / 100; ++x)
                for (int y = (group.z1 + 50) / 100; y <= (group.z2 + 50) / 100; ++y)
                    Require(track.count({x, y}) == 0, "crowd " + std::to_string(g) + " stands on the track");
        }
    }

    // Breadth-first over (cell, gates passed), one cell per move.
    void EverySlotDrivesThroughAllGates() const {
        const int cells = c_.gridWidth * c_.gridLength;
        std::vector<int> free(static_cast<size_t>(cells), 0);  // per cell, the one-cell moves meeting no wall
        for (int y = 0; y < c_.gridLength; ++y)
            for (int x = 0; x < c_.gridWidth; ++x)
                for (int d = 0; d < 8; ++d)
                    if (InGrid(x + kDx[d], y + kDy[d]) && !Wall({double(x), double(y)}, {double(x + kDx[d]), double(y + kDy[d])}))
                        free[y * c_.gridWidth + x] |= 1 << d;
        for (int s = 1; s <= c_.circuitMaxCars; ++s) {
            std::vector<char> seen(static_cast<size_t>(cells) * (c_.checkpointCount + 1), 0);
            std::queue<std::pair<int, int>> open;
            open.push({c_.startCellY[s] * c_.gridWidth + c_.startCellX[s], 0});
            bool finished = false;
            while (!open.empty() && !finished) {
                const auto [cell, passed] = open.front();
                open.pop();
                const int x = cell % c_.gridWidth, y = cell / c_.gridWidth;
                for (int d = 0; d < 8; ++d) {
                    if (!(free[cell] & (1 << d))) continue;
                    const Point from{double(x), double(y)}, to{double(x + kDx[d]), double(y + kDy[d])};
                    int now = passed;
                    while (now < c_.checkpointCount && Crosses(from, to, GateEnd(now + 1, true), GateEnd(now + 1, false))) ++now;
                    const int next = (y + kDy[d]) * c_.gridWidth + x + kDx[d];
                    finished |= now == c_.checkpointCount;
                    char& mark = seen[static_cast<size_t>(now) * cells + next];
                    if (!mark) mark = 1, open.push({next, now});
                }
            }
            Require(finished, "start slot " + std::to_string(s) + " cannot drive through all gates");
        }
    }

    scene::ISceneManager* scene_;
    const CircuitData& c_;
    scene::IAnimatedMeshSceneNode* node_ = nullptr;
    scene::ITriangleSelector* selector_ = nullptr;
    core::aabbox3df box_;
};

}  // namespace

void CheckCircuits(IrrlichtDevice* device, const std::string& gameFolder, const std::vector<std::string>& names) {
    const fs::path previous = fs::current_path();
    fs::current_path(gameFolder);  // the game reads its circuits below the working directory
    int mostSlots = 0;
    for (const std::string& name : names) {
        CircuitCheck check(device, FromUtf8(name));
        check.Run();
        mostSlots = std::max(mostSlots, game.circuit.circuitMaxCars);
    }
    fs::current_path(previous);
    if (mostSlots < 8) throw std::runtime_error("no circuit takes eight cars");
}
