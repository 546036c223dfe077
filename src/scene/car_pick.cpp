#include "scene/car_pick.h"

#include <limits>

#include "core/cursor.h"
#include "core/game_state.h"
#include "scene/cross_markers.h"
#include "scene/race_frame.h"

using namespace irr;

namespace {
constexpr f32 kNearbyPixels = 50;

int CarOfNode(const scene::ISceneNode* node) {
    if (!node) return -1;
    for (int i = 1; i <= game.carCount; ++i)
        if (game.cars[i].sceneNode == node) return i;
    return -1;
}

int NearestCarOnScreen(core::position2di cursor, const std::function<bool(int)>& nearby) {
    int nearest = -1;
    f32 best = std::numeric_limits<f32>::max();
    for (int i = 1; i <= game.carCount; ++i) {
        if (!nearby(i)) continue;
        const f32 distance =
            static_cast<f32>(ScreenPosition(CarModelPosition(i)).getDistanceFrom(cursor));
        if (distance < kNearbyPixels && distance < best) {
            best = distance;
            nearest = i;
        }
    }
    return nearest;
}
}  // namespace

core::vector3df CarModelPosition(int car) {
    const CarRecord& record = game.cars[car];
    if (record.sceneNode) return record.sceneNode->getPosition();
    const f32 cell = static_cast<f32>(game.circuit.cellSize);
    return {record.cellX * cell, 7, record.cellY * cell};
}

int PickCarUnderCursor(const std::function<bool(int)>& wanted,
                       const std::function<bool(int)>& nearby) {
    const core::position2di cursor = CursorPosition();
    ScreenPosition({0, 0, 0});  // brings the camera's view up to date for the pick
    const int picked = CarOfNode(game.sceneManager->getSceneCollisionManager()
                                     ->getSceneNodeFromScreenCoordinatesBB(cursor, kCarPickId));
    if (picked != -1 && wanted(picked)) return picked;
    return NearestCarOnScreen(cursor, nearby);
}
