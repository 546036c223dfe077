// The generated circuits and sample pilots, read by the game's own loaders and
// checked against the circuit mesh with the engine's collision test, as the
// game's wall test does: a ray at height 0 between cell centres.
#include <cmath>
#include <filesystem>
#include <map>
#include <queue>
#include <set>
#include <string>
#include <tuple>
#include <utility>
#include <vector>

#include "core/checkpoints.h"
#include "core/gadget_catalogue.h"
#include "core/game_state.h"
#include "files/circuit_file.h"
#include "files/pilot_file.h"
#include "files/pilot_integrity.h"
#include "platform/paths.h"
#include "platform/text.h"
#include "support/game_test.h"

using namespace irr;

namespace {

const wchar_t* const kCircuits[] = {L"Anneau", L"Serpentin", L"Autodrome"};

struct Point {
    double x, y;
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

class GeneratedCircuit : public GameTest {
protected:
    void SetUp() override {
        GameTest::SetUp();
        ASSERT_TRUE(CopyFromGameFolder("data"));
        ASSERT_TRUE(CopyFromGameFolder("circuits"));
    }
    void TearDown() override {
        if (selector_) selector_->drop();
        GameTest::TearDown();
    }

    // Loads the circuit file and its mesh as the race does.
    void Load(const std::wstring& name) {
        LoadCircuitFile(name);
        const CircuitData& c = game.circuit;
        ASSERT_EQ(c.circuitName, name);
        scene::IAnimatedMesh* mesh = game.sceneManager->getMesh(GamePath(L"\\data\\" + c.circuitMeshFile).c_str());
        ASSERT_NE(mesh, nullptr);
        ASSERT_TRUE(game.videoDriver->getTexture(GamePath(L"\\data\\" + c.circuitTextureFile).c_str()));
        scene::IAnimatedMeshSceneNode* node = game.sceneManager->addAnimatedMeshSceneNode(mesh);
        node->setPosition(core::vector3df(c.circuitOffsetX, c.circuitOffsetY, c.circuitOffsetZ));
        node->updateAbsolutePosition();
        if (selector_) selector_->drop();  // the circuit loaded before
        selector_ = game.sceneManager->createOctreeTriangleSelector(mesh->getMesh(0), node, 100);
        box_ = node->getTransformedBoundingBox();
    }

    // A wall between two points in cell units, at height 0.
    bool Wall(Point a, Point b) const {
        const core::line3df ray(a.x * 100, 0, a.y * 100, b.x * 100, 0, b.y * 100);
        core::vector3df hit;
        core::triangle3df triangle;
        scene::ISceneNode* node = nullptr;
        return game.sceneManager->getSceneCollisionManager()->getCollisionPoint(ray, selector_, hit, triangle, node);
    }

    Point GateEnd(int n, bool start) const {
        const CircuitData& c = game.circuit;
        const int i = start ? 2 * n - 1 : 2 * n;
        return {c.checkpointX[i], c.checkpointY[i]};
    }

    bool InGrid(int x, int y) const {
        return x >= 0 && y >= 0 && x < game.circuit.gridWidth && y < game.circuit.gridLength;
    }

    // For each cell, which of the eight one-cell moves meet no wall.
    std::vector<int> FreeMoves() const {
        const CircuitData& c = game.circuit;
        std::vector<int> moves(static_cast<size_t>(c.gridWidth) * c.gridLength, 0);
        for (int y = 0; y < c.gridLength; ++y)
            for (int x = 0; x < c.gridWidth; ++x)
                for (int d = 0; d < 8; ++d)
                    if (InGrid(x + kDx[d], y + kDy[d]) && !Wall({double(x), double(y)}, {double(x + kDx[d]), double(y + kDy[d])}))
                        moves[y * c.gridWidth + x] |= 1 << d;
        return moves;
    }

    struct Move {
        Point from, to;
    };

    // Every move a car can make under its own power: from each start slot at
    // rest, each move repeats the last step give or take one cell along each
    // axis and meets no wall.
    std::vector<Move> DrivenMoves() const {
        const CircuitData& c = game.circuit;
        std::map<std::pair<int, int>, bool> free;  // (from cell, to cell) -> no wall between
        std::set<std::tuple<int, int, int, int>> reached;  // x, y, step x, step y
        std::queue<std::tuple<int, int, int, int>> open;
        for (int s = 1; s <= c.circuitMaxCars; ++s)
            if (reached.insert({c.startCellX[s], c.startCellY[s], 0, 0}).second) open.push({c.startCellX[s], c.startCellY[s], 0, 0});
        while (!open.empty()) {
            const auto [x, y, vx, vy] = open.front();
            open.pop();
            for (int dx = vx - 1; dx <= vx + 1; ++dx)
                for (int dy = vy - 1; dy <= vy + 1; ++dy) {
                    if (!InGrid(x + dx, y + dy)) continue;
                    const auto key = std::make_pair(y * c.gridWidth + x, (y + dy) * c.gridWidth + x + dx);
                    const auto known = free.find(key);
                    const bool clear = known != free.end() ? known->second
                                                           : (free[key] = !Wall({double(x), double(y)}, {double(x + dx), double(y + dy)}));
                    if (clear && reached.insert({x + dx, y + dy, dx, dy}).second) open.push({x + dx, y + dy, dx, dy});
                }
        }
        std::vector<Move> moves;
        for (const auto& [key, clear] : free)
            if (clear && key.first != key.second)
                moves.push_back({{double(key.first % c.gridWidth), double(key.first / c.gridWidth)},
                                 {double(key.second % c.gridWidth), double(key.second / c.gridWidth)}});
        return moves;
    }

    static constexpr int kDx[8] = {-1, 0, 1, -1, 1, -1, 0, 1};
    static constexpr int kDy[8] = {-1, -1, -1, 0, 0, 1, 1, 1};

    scene::ITriangleSelector* selector_ = nullptr;
    core::aabbox3df box_;
};

}  // namespace

TEST_F(GeneratedCircuit, FilesLoadWithTheirCountsMatchingTheirItems) {
    for (const wchar_t* name : kCircuits) {
        SCOPED_TRACE(ToUtf8(name));
        Load(name);
        const CircuitData& c = game.circuit;
        EXPECT_GE(c.checkpointCount, 4);
        ASSERT_EQ(c.checkpointX.size(), size_t(2 * c.checkpointCount + 2));
        // The grid covers the mesh, the floor lies at y = -5 and the walls reach y = 40.
        EXPECT_GE(box_.MinEdge.X, -50.5f);
        EXPECT_GE(box_.MinEdge.Z, -50.5f);
        EXPECT_LE(box_.MaxEdge.X, c.gridWidth * 100 - 49.5f);
        EXPECT_LE(box_.MaxEdge.Z, c.gridLength * 100 - 49.5f);
        EXPECT_FLOAT_EQ(box_.MinEdge.Y, -5);
        EXPECT_GE(box_.MaxEdge.Y, 40);
        ASSERT_GE(c.decorCount, 3);
        bool animated = false, transparent = false, relative = false;
        for (int k = 1; k <= c.decorCount; ++k) {
            const DecorItem& d = c.decorItems[k];
            scene::IAnimatedMesh* mesh = game.sceneManager->getMesh(GamePath(L"\\" + d.meshFile).c_str());
            ASSERT_NE(mesh, nullptr) << k;
            EXPECT_TRUE(game.videoDriver->getTexture(GamePath(L"\\" + d.textureFile).c_str())) << k;
            if (d.animated && d.frameStart >= 0 && d.frameEnd > d.frameStart) {
                animated = true;
                EXPECT_LE(d.frameEnd, static_cast<s32>(mesh->getFrameCount())) << k;
            }
            transparent |= d.transparent != 0;
            relative |= d.relativeToCircuit != 0;
        }
        EXPECT_TRUE(animated && transparent && relative);
        ASSERT_GE(c.crowdModelCount, 2);
        std::set<std::wstring> meshes;
        for (int m = 1; m <= c.crowdModelCount; ++m) {
            const CrowdModel& model = c.crowdModels[m];
            scene::IAnimatedMesh* mesh = game.sceneManager->getMesh(GamePath(L"\\" + model.meshFile).c_str());
            ASSERT_NE(mesh, nullptr) << m;
            EXPECT_TRUE(game.videoDriver->getTexture(GamePath(L"\\" + model.textureFile).c_str())) << m;
            EXPECT_GT(model.speedMax, model.speedMin);
            EXPECT_LE(model.frameEnd, static_cast<s32>(mesh->getFrameCount()));
            meshes.insert(model.meshFile);
        }
        EXPECT_GE(meshes.size(), 2u) << "two different spectator models";
        EXPECT_GE(c.crowdGroupCount, 3);
        for (int g = 1; g <= c.crowdGroupCount; ++g) {
            EXPECT_GT(c.crowdGroups[g].personCount, 0);
            EXPECT_EQ(c.crowdGroups[g].persons.size(), size_t(c.crowdGroups[g].personCount + 1));
            EXPECT_GT(c.crowdGroups[g].angle2, c.crowdGroups[g].angle1);
        }
    }
}

TEST_F(GeneratedCircuit, SpectatorsAndAnimatedDecorMoveThroughTheirFrames) {
    Load(L"Anneau");
    const CircuitData& c = game.circuit;
    auto moves = [](scene::IAnimatedMesh* mesh, s32 from, s32 to) {
        const core::aabbox3df a = mesh->getMesh(from)->getBoundingBox();
        const core::aabbox3df b = mesh->getMesh(from + (to - from) / 4)->getBoundingBox();
        return a.MinEdge.getDistanceFrom(b.MinEdge) + a.MaxEdge.getDistanceFrom(b.MaxEdge) > 0.5f;
    };
    for (int m = 1; m <= c.crowdModelCount; ++m) {
        scene::IAnimatedMesh* mesh = game.sceneManager->getMesh(GamePath(L"\\" + c.crowdModels[m].meshFile).c_str());
        ASSERT_NE(mesh, nullptr);
        EXPECT_TRUE(moves(mesh, c.crowdModels[m].frameStart, c.crowdModels[m].frameEnd)) << m;
        // Feet on the ground: the game raises spectators by 24.
        EXPECT_NEAR(mesh->getMesh(0)->getBoundingBox().MinEdge.Y, -24, 0.5);
    }
    for (int k = 1; k <= c.decorCount; ++k)
        if (c.decorItems[k].animated) {
            scene::IAnimatedMesh* mesh = game.sceneManager->getMesh(GamePath(L"\\" + c.decorItems[k].meshFile).c_str());
            EXPECT_TRUE(moves(mesh, c.decorItems[k].frameStart, c.decorItems[k].frameEnd)) << k;
        }
}

TEST_F(GeneratedCircuit, StartSlotsAreDistinctFreeCellsBehindTheStartLine) {
    int mostSlots = 0;
    for (const wchar_t* name : kCircuits) {
        SCOPED_TRACE(ToUtf8(name));
        Load(name);
        const CircuitData& c = game.circuit;
        mostSlots = std::max(mostSlots, c.circuitMaxCars);
        EXPECT_GE(c.circuitMaxCars, 6);
        std::set<std::pair<int, int>> seen;
        const Point lineA = GateEnd(1, true), lineB = GateEnd(1, false);
        const Point firstSlot{double(c.startCellX[1]), double(c.startCellY[1])};
        for (int s = 1; s <= c.circuitMaxCars; ++s) {
            const Point slot{double(c.startCellX[s]), double(c.startCellY[s])};
            EXPECT_TRUE(InGrid(c.startCellX[s], c.startCellY[s])) << s;
            EXPECT_TRUE(seen.insert({c.startCellX[s], c.startCellY[s]}).second) << "slot " << s << " shared";
            // (Walls are 10 thick on the cell border: they reach 0.05 into the cell.)
            for (const Point d : {Point{0.44, 0}, Point{-0.44, 0}, Point{0, 0.44}, Point{0, -0.44}})
                EXPECT_FALSE(Wall(slot, {slot.x + d.x, slot.y + d.y})) << "wall inside slot " << s;
            // On the same side of the start line as slot 1, and no wall between them.
            EXPECT_FALSE(Crosses(slot, firstSlot, lineA, lineB)) << s;
            EXPECT_FALSE(Wall(slot, firstSlot)) << s;
        }
    }
    EXPECT_GE(mostSlots, 8);
}

TEST_F(GeneratedCircuit, GatesLieOnOpenTrackWithAWallJustPastEachEnd) {
    for (const wchar_t* name : kCircuits) {
        SCOPED_TRACE(ToUtf8(name));
        Load(name);
        for (int n = 1; n <= game.circuit.checkpointCount; ++n) {
            const Point a = GateEnd(n, true), b = GateEnd(n, false);
            // On cell centres: the game's crossing test truncates its
            // differences to whole numbers, so it is exact only there.
            for (const double v : {a.x, a.y, b.x, b.y}) EXPECT_EQ(v, std::round(v)) << "gate " << n;
            EXPECT_FALSE(Wall(a, b)) << "gate " << n;
            const double length = std::hypot(b.x - a.x, b.y - a.y);
            ASSERT_GT(length, 1.5) << "gate " << n;
            const Point step{(b.x - a.x) / length, (b.y - a.y) / length};
            EXPECT_TRUE(Wall(b, {b.x + step.x, b.y + step.y})) << "gate " << n << " end";
            EXPECT_TRUE(Wall(a, {a.x - step.x, a.y - step.y})) << "gate " << n << " start";
        }
    }
}

TEST_F(GeneratedCircuit, DriverAimingAtTheNextGateSeesIt) {
    for (const wchar_t* name : kCircuits) {
        SCOPED_TRACE(ToUtf8(name));
        Load(name);
        for (int n = 1; n < game.circuit.checkpointCount; ++n) {
            const Point s = GateEnd(n, true), e = GateEnd(n, false);
            const Point c = GateEnd(n + 1, true), d = GateEnd(n + 1, false);
            const Point middle{(c.x + d.x) / 2, (c.y + d.y) / 2};
            for (int k = 1; k <= 9; ++k) {
                const Point p{e.x + k * (s.x - e.x) / 10, e.y + k * (s.y - e.y) / 10};
                EXPECT_FALSE(Wall(p, middle)) << "from gate " << n << " point " << k;
            }
        }
    }
}

TEST_F(GeneratedCircuit, EveryStartSlotCanDriveThroughAllGatesInOrder) {
    for (const wchar_t* name : kCircuits) {
        SCOPED_TRACE(ToUtf8(name));
        Load(name);
        const CircuitData& c = game.circuit;
        const std::vector<int> free = FreeMoves();
        for (int s = 1; s <= c.circuitMaxCars; ++s) {
            // Breadth-first over (cell, gates passed), one cell per move.
            const int cells = c.gridWidth * c.gridLength;
            std::vector<char> seen(static_cast<size_t>(cells) * (c.checkpointCount + 1), 0);
            std::queue<std::pair<int, int>> open;
            open.push({c.startCellY[s] * c.gridWidth + c.startCellX[s], 0});
            bool finished = false;
            while (!open.empty() && !finished) {
                const auto [cell, passed] = open.front();
                open.pop();
                const int x = cell % c.gridWidth, y = cell / c.gridWidth;
                for (int d = 0; d < 8; ++d) {
                    if (!(free[cell] & (1 << d))) continue;
                    const Point from{double(x), double(y)}, to{double(x + kDx[d]), double(y + kDy[d])};
                    int now = passed;
                    while (now < c.checkpointCount && Crosses(from, to, GateEnd(now + 1, true), GateEnd(now + 1, false))) ++now;
                    const int next = (y + kDy[d]) * c.gridWidth + x + kDx[d];
                    if (now == c.checkpointCount) finished = true;
                    char& mark = seen[static_cast<size_t>(now) * cells + next];
                    if (!mark) mark = 1, open.push({next, now});
                }
            }
            EXPECT_TRUE(finished) << "slot " << s;
        }
    }
}

// A move that crosses a gate's line just past one of its ends, where the
// track goes on up to the wall, would pass the gate without the game counting
// it; no move a car can make does that.
TEST_F(GeneratedCircuit, NoMoveACarCanMakeSlipsPastAGateEnd) {
    for (const wchar_t* name : kCircuits) {
        SCOPED_TRACE(ToUtf8(name));
        Load(name);
        const std::vector<Move> moves = DrivenMoves();
        ASSERT_GT(moves.size(), 1000u);
        for (int n = 1; n <= game.circuit.checkpointCount; ++n)
            for (const bool start : {true, false}) {
                const Point end = GateEnd(n, start), other = GateEnd(n, !start);
                for (const Move& m : moves) {
                    const double sf = Turn(end, other, m.from), st = Turn(end, other, m.to);
                    if (sf * st > 0 || (sf == 0 && st == 0) || Crosses(end, other, m.from, m.to)) continue;
                    // The move meets the gate's line off the gate, here past `end`
                    // (or past `other`, and then the gate's own wall is in between).
                    const double t = sf / (sf - st);
                    const Point meet{m.from.x + t * (m.to.x - m.from.x), m.from.y + t * (m.to.y - m.from.y)};
                    EXPECT_TRUE(Wall(end, meet)) << "gate " << n << (start ? " start" : " end") << ": move (" << m.from.x << ", "
                                                 << m.from.y << ") to (" << m.to.x << ", " << m.to.y << ")";
                }
            }
    }
}

TEST_F(GeneratedCircuit, CrowdsStandOutsideTheWalls) {
    for (const wchar_t* name : kCircuits) {
        SCOPED_TRACE(ToUtf8(name));
        Load(name);
        const CircuitData& c = game.circuit;
        // Every cell a car can drive to: the end of a move it can make.
        std::set<std::pair<int, int>> track;
        for (const Move& m : DrivenMoves()) track.insert({int(m.to.x), int(m.to.y)});
        for (int g = 1; g <= c.crowdGroupCount; ++g) {
            const CrowdGroup& group = c.crowdGroups[g];
            for (int x = (group.x1 + 50) / 100; x <= (group.x2 + 50) / 100; ++x)
                for (int y = (group.z1 + 50) / 100; y <= (group.z2 + 50) / 100; ++y)
                    EXPECT_EQ(track.count({x, y}), 0u) << "group " << g << " on the track";
        }
    }
}

TEST_F(GameTest, SamplePilotsPassTheirIntegrityCheck) {
    ASSERT_TRUE(CopyFromGameFolder("pilotes"));
    FillCatalogue();
    const std::vector<std::wstring> names = ListXmlEntries(GamePath(L"\\pilotes\\"));
    ASSERT_GE(names.size(), 19u) << "a full grid of sample pilots for Autodrome";
    bool accented = false;
    std::set<int> models;
    for (const std::wstring& file : names) {
        const bool withExtension = file.size() > 4 && file.compare(file.size() - 4, 4, L".xml") == 0;
        const std::wstring name = withExtension ? file.substr(0, file.size() - 4) : file;
        ReadPilotFile(1, name);
        EXPECT_EQ(game.cars[1].pilotName, name);
        EXPECT_EQ(game.cars[1].secu, ComputeSecu(1)) << ToUtf8(name);
        EXPECT_FALSE(game.cars[1].secu.empty());
        models.insert(game.cars[1].meshNumber);
        for (wchar_t ch : name) accented |= ch > 127;
    }
    EXPECT_TRUE(accented);
    EXPECT_EQ(models.size(), 3u) << "the samples drive every car model";
}
