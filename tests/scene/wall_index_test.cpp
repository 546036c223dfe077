// The wall index against the engine's own ray test on the shipped circuits:
// random segments of every kind, then the awkward ones found on each wall
// (along it, ending or starting on it, through its ends, of zero length).
// Both must agree on hit or miss, on the hit point within 0.01 and on the
// face met, or one with the same longest edge (two faces of one wall meet
// on their shared diagonal). The wall test benchmark compares hit or miss
// on a million random segments per circuit.
//
// Exact touches agree too: the index settles every face that comes near a
// segment with the engine's own face test, in the same arithmetic, and keeps
// the first of the faces met at the same distance in the engine's order. A
// ray that only reaches a wall at its end point is no hit for either (the
// hit must lie strictly nearer to both ends than their distance), nor is one
// that runs along a wall's face (it never crosses the face's plane).
#include <algorithm>
#include <cmath>
#include <random>
#include <string>
#include <utility>
#include <vector>

#include "core/game_state.h"
#include "platform/text.h"
#include "scene/wall_index.h"
#include "scene/wall_test.h"
#include "scene/wall_triangles.h"
#include "support/shipped_circuit.h"
#include "support/test_meshes.h"

using namespace irr;

namespace {
// The engine answers about 50,000 segments a second (it looks at every
// wall: they all sit in its octree's root).
constexpr int kRandomSegments = 20000;

struct Segment {
    f32 x1, z1, x2, z2;
};

// A face's longest edge, its ends in a fixed order.
std::pair<core::vector3df, core::vector3df> LongestEdge(const core::triangle3df& t) {
    const core::vector3df corners[3] = {t.pointA, t.pointB, t.pointC};
    int best = 0;
    for (int i = 1; i < 3; ++i)
        if (corners[i].getDistanceFromSQ(corners[(i + 1) % 3]) >
            corners[best].getDistanceFromSQ(corners[(best + 1) % 3]))
            best = i;
    core::vector3df p = corners[best], q = corners[(best + 1) % 3];
    if (q.X < p.X || (q.X == p.X && (q.Z < p.Z || (q.Z == p.Z && q.Y < p.Y)))) std::swap(p, q);
    return {p, q};
}

::testing::AssertionResult SameAnswer(scene::ITriangleSelector* selector, const WallIndex& walls,
                                      const Segment& s) {
    core::vector3df engineHit, indexHit;
    core::triangle3df engineFace, indexFace;
    const bool engine = FirstSelectorHit(selector, s.x1, s.z1, s.x2, s.z2, engineHit, engineFace);
    const bool index = walls.FirstHit(s.x1, s.z1, s.x2, s.z2, indexHit, indexFace);
    auto failure = [&]() {
        return ::testing::AssertionFailure() << "(" << s.x1 << ", " << s.z1 << ") - (" << s.x2 << ", "
                                             << s.z2 << "): ";
    };
    if (engine != index || index != walls.SegmentHits(s.x1, s.z1, s.x2, s.z2))
        return failure() << "engine " << engine << ", index " << index;
    if (!engine) return ::testing::AssertionSuccess();
    if (engineHit.getDistanceFrom(indexHit) > 0.01f)
        return failure() << "hit (" << engineHit.X << ", " << engineHit.Z << ") against (" << indexHit.X
                         << ", " << indexHit.Z << ")";
    if (!(engineFace == indexFace) && LongestEdge(engineFace) != LongestEdge(indexFace))
        return failure() << "another face";
    return ::testing::AssertionSuccess();
}

// Where an upright face meets height 0, when its side edges cross it.
bool CutOf(const core::triangle3df& t, core::vector2df& a, core::vector2df& b) {
    const core::vector3df corners[3] = {t.pointA, t.pointB, t.pointC};
    std::vector<core::vector2df> points;
    for (int i = 0; i < 3; ++i) {
        const core::vector3df& p = corners[i];
        const core::vector3df& q = corners[(i + 1) % 3];
        if ((p.Y < 0) == (q.Y < 0)) continue;
        const f32 k = p.Y / (p.Y - q.Y);
        points.push_back({p.X + k * (q.X - p.X), p.Z + k * (q.Z - p.Z)});
    }
    if (points.size() != 2) return false;
    a = points[0];
    b = points[1];
    return a != b;
}

class WallIndexTest : public ShippedCircuitTest {
protected:
    void Build(const std::wstring& name) {
        BuildCircuit(name);
        ASSERT_FALSE(WallTriangles().empty());
        box_ = game.circuitNode->getTransformedBoundingBox();
    }

    // Random segments over the circuit and a cell around it: a tenth from
    // anywhere to anywhere, the others moves of up to ten cells, from
    // anywhere or (one in three) between cell centres as the rules ask.
    std::vector<Segment> RandomSegments(int count) const {
        std::mt19937 random(2026);
        std::uniform_real_distribution<f32> x(box_.MinEdge.X - 100, box_.MaxEdge.X + 100);
        std::uniform_real_distribution<f32> z(box_.MinEdge.Z - 100, box_.MaxEdge.Z + 100);
        std::uniform_real_distribution<f32> reach(-1000, 1000);
        std::uniform_int_distribution<int> cells(-10, 10);
        std::vector<Segment> segments;
        for (int i = 0; i < count; ++i) {
            Segment s{x(random), z(random), 0, 0};
            if (i % 10 == 0) {
                s.x2 = x(random);
                s.z2 = z(random);
            } else if (i % 3 == 0) {
                s.x1 = std::round(s.x1 / 100) * 100;
                s.z1 = std::round(s.z1 / 100) * 100;
                s.x2 = s.x1 + 100.0f * static_cast<f32>(cells(random));
                s.z2 = s.z1 + 100.0f * static_cast<f32>(cells(random));
            } else {
                s.x2 = s.x1 + reach(random);
                s.z2 = s.z1 + reach(random);
            }
            segments.push_back(s);
        }
        return segments;
    }

    // Around every wall's cut at height 0 from a to b: along it and past
    // its ends, ending on it, leaving from it, through each end at several
    // angles, and of zero length on it.
    static std::vector<Segment> AwkwardSegments() {
        std::vector<Segment> segments;
        for (const core::triangle3df& face : WallTriangles()) {
            core::vector2df a, b;
            if (!CutOf(face, a, b)) continue;
            const core::vector2df along = (b - a).normalize();
            const core::vector2df across(-along.Y, along.X);
            const core::vector2df middle = (a + b) / 2;
            auto add = [&segments](core::vector2df p, core::vector2df q) {
                segments.push_back({p.X, p.Y, q.X, q.Y});
            };
            add(a, b);
            add(a - along * 50, b + along * 50);
            add(a + across * 0.001f, b + across * 0.001f);
            add(middle + across * 80, middle);
            add(middle - across * 80, middle);
            add(middle, middle + across * 80);
            add(middle + across * 80 + along * 30, middle);
            add(middle, middle);
            for (const core::vector2df& end : {a, b}) {
                add(end, end);
                add(end - along * 60, end);
                for (int angle = 0; angle < 360; angle += 45) {
                    core::vector2df d(1, 0);
                    d.rotateBy(angle);
                    add(end - d * 70, end + d * 70);
                    add(end + d * 70, end);
                }
            }
        }
        return segments;
    }

    // Every segment agrees; stops after a few disagreements.
    static void ExpectSameAnswers(const std::vector<Segment>& segments) {
        int failures = 0;
        for (const Segment& s : segments) {
            const ::testing::AssertionResult same = SameAnswer(game.circuitSelector, CircuitWallIndex(), s);
            EXPECT_TRUE(same);
            if (!same && ++failures == 5) return;
        }
    }

    core::aabbox3df box_;
};

TEST_F(WallIndexTest, AnswersAsTheEngineOnEveryShippedCircuit) {
    for (const wchar_t* name : kShippedCircuits) {
        SCOPED_TRACE(ToUtf8(name));
        Build(name);
        ExpectSameAnswers(RandomSegments(kRandomSegments));
        ExpectSameAnswers(AwkwardSegments());
    }
}

// Faces no shipped circuit has, against the engine with a plain selector
// over them: a ramp crossing height 0 at a slant, a face flat on height 0,
// one touching it with a corner, one with an edge on it, a long sliver
// crossing it at a shallow angle, and an upright wall.
using OddFacesTest = GameTest;

TEST_F(OddFacesTest, AnswerAsTheEngine) {
    std::vector<core::triangle3df> faces = Wall(600, 0, 600, 400);
    faces.push_back({{0, -30, 0}, {300, 30, 100}, {0, -30, 300}});
    faces.push_back({{400, 0, 0}, {500, 0, 0}, {400, 0, 100}});
    faces.push_back({{100, 0, 500}, {200, 20, 500}, {100, 20, 600}});
    faces.push_back({{300, 0, 500}, {400, 0, 550}, {350, 30, 600}});
    faces.push_back({{0, -1, 700}, {600, 1, 702}, {0, 5, 700}});
    WriteIrrMesh("odd.irrmesh", faces);
    scene::IAnimatedMesh* mesh = game.sceneManager->getMesh("odd.irrmesh");
    ASSERT_NE(mesh, nullptr);
    scene::ITriangleSelector* selector = game.sceneManager->createTriangleSelector(mesh->getMesh(0), nullptr);
    std::vector<core::triangle3df> listed(static_cast<size_t>(selector->getTriangleCount()));
    s32 count = 0;
    selector->getTriangles(listed.data(), static_cast<s32>(listed.size()), count, nullptr);
    WallIndex walls;
    walls.Build(listed);
    std::mt19937 random(7);
    std::uniform_real_distribution<f32> coordinate(-100, 800);
    int failures = 0;
    for (int i = 0; i < 20000 && failures < 5; ++i) {
        const Segment s{coordinate(random), coordinate(random), coordinate(random), coordinate(random)};
        const ::testing::AssertionResult same = SameAnswer(selector, walls, s);
        EXPECT_TRUE(same);
        failures += !same;
    }
    selector->drop();
}
}  // namespace
