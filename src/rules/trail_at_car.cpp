#include "rules/trail_at_car.h"

#include "core/game_state.h"

using namespace irr;

TrailEndsAtCar::TrailEndsAtCar(CarRecord& car) : car_(car) {
    if (car.trailCount < 1 || !car.sceneNode) return;
    savedX_ = car.trail[2 * car.trailCount - 1];
    savedY_ = car.trail[2 * car.trailCount];
    const f32 cell = static_cast<f32>(game.circuit.cellSize);
    const core::vector3df at = car.sceneNode->getPosition();
    car.ReplaceLastTrailPoint(at.X / cell, at.Z / cell);
    moved_ = true;
}

TrailEndsAtCar::~TrailEndsAtCar() {
    if (moved_) car_.ReplaceLastTrailPoint(savedX_, savedY_);
}
