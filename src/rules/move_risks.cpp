#include "rules/move_risks.h"

#include "core/game_state.h"
#include "core/random.h"
#include "rules/move_execution.h"
#include "rules/move_path.h"
#include "rules/oil_contact.h"
#include "scene/cross_markers.h"

MoveRisk RiskOfMove(int index, int cellX, int cellY) {
    // The detection of a car hit draws where it would push the car: taken back.
    const RandomUntouched random;
    CarRecord& car = game.cars[index];
    const CarRecord before = car;
    const irr::core::vector3df rotation = car.sceneNode ? car.sceneNode->getRotation() : irr::core::vector3df();
    // The move as it would be recorded and started: from the car's cell,
    // facing the way it goes.
    car.prevCellX = car.cellX;
    car.prevCellY = car.cellY;
    car.cellX = static_cast<irr::f32>(cellX);
    car.cellY = static_cast<irr::f32>(cellY);
    if (car.cellX != car.prevCellX || car.cellY != car.prevCellY) car.FaceLastMove();
    if (car.sceneNode) car.sceneNode->setRotation({0, car.heading, 0});
    MovePath path = PathOf(car);
    MoveRisk risk;
    for (const CollisionEvent& event : DetectCollisions(index, path, false, 1)) {
        const bool wall = event.kind == CollisionKind::HeavyWall || event.kind == CollisionKind::LightWall;
        (wall ? risk.wall : risk.car) = true;
    }
    risk.oil = PathMeetsOil(path);
    car = before;
    if (car.sceneNode) car.sceneNode->setRotation(rotation);
    return risk;
}

void ColourCrosses(int index, bool risks) {
    const CarRecord& car = game.cars[index];
    for (int k = 1; k <= 9; ++k) {
        CrossMarker& marker = game.crossMarkers[k];
        if (!marker.node || !marker.node->isVisible()) continue;
        SetMarkerColour(marker, marker.selected ? car.colourName : car.colourName + L"clair");
        if (risks && !marker.selected && RiskOfMove(index, marker.cellX, marker.cellY).Any()) MarkRiskyMarker(marker);
    }
}
