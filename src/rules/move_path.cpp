#include "rules/move_path.h"

#include "core/game_state.h"

using namespace irr;

MovePath PathOf(const CarRecord& car) {
    const f32 cell = static_cast<f32>(game.circuit.cellSize);
    MovePath path;
    path.start = {car.prevCellX * cell, kCarHeight, car.prevCellY * cell};
    path.end = {car.cellX * cell, kCarHeight, car.cellY * cell};
    const core::vector3df travel = path.end - path.start;
    path.length = travel.getLength();
    if (path.length > 0) path.direction = travel / path.length;
    path.step = path.length / kMoveSteps;
    return path;
}
