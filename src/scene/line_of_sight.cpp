#include "scene/line_of_sight.h"

#include "core/game_state.h"
#include "scene/car_pick.h"
#include "scene/race_frame.h"
#include "scene/wall_test.h"

using namespace irr;

namespace {
// A car on the very spot of another: the same place on the ground.
bool SameSpot(const core::vector3df& p, const core::vector3df& q) { return p.X == q.X && p.Z == q.Z; }

bool CarInTheWay(int car, const core::line3df& segment) {
    scene::ISceneNode* node = game.cars[car].sceneNode;
    if (!node || !node->getTriangleSelector()) return false;
    node->updateAbsolutePosition();
    return LineHitsSelector(node->getTriangleSelector(), segment);
}
}  // namespace

bool LineOfSightBlocked(int a, int b, bool spareCarsAtB) {
    PlaceCarNodes();  // the bodies where the game state has them, drawn or not
    const core::vector3df from = CarModelPosition(a), to = CarModelPosition(b);
    if (SegmentHitsWall(from.X, from.Z, to.X, to.Z)) return true;
    const core::line3df segment(from, to);
    for (int i = 1; i <= game.carCount; ++i) {
        if (i == a || i == b) continue;
        if (spareCarsAtB && SameSpot(CarModelPosition(i), to)) continue;
        if (CarInTheWay(i, segment)) return true;
    }
    return false;
}
