#include "rules/move_execution.h"

#include <cmath>
#include <vector>

#include "core/checkpoints.h"
#include "core/frame_pump.h"
#include "core/game_state.h"
#include "core/random.h"
#include "platform/clock.h"
#include "core/move_geometry.h"
#include "rules/oil_patches.h"
#include "scene/camera_control.h"
#include "scene/race_frame.h"

using namespace irr;

namespace {
constexpr f32 kCarHeight = 7.0f;

// The straight path of a move in world units.
struct MovePath {
    core::vector3df start;
    core::vector3df direction;  // unit vector, zero for a move that stays put
    f32 length = 0;
    f32 step = 0;  // length / 30
    core::vector3df At(f32 t) const { return start + direction * t; }
};

MovePath PathOf(const CarRecord& car) {
    const f32 cell = static_cast<f32>(game.circuit.cellSize);
    MovePath path;
    path.start = {car.prevCellX * cell, kCarHeight, car.prevCellY * cell};
    const core::vector3df end(car.cellX * cell, kCarHeight, car.cellY * cell);
    const core::vector3df travel = end - path.start;
    path.length = travel.getLength();
    if (path.length > 0) path.direction = travel / path.length;
    path.step = path.length / kMoveSteps;
    return path;
}

bool ChangedCell(const CarRecord& car) {
    return static_cast<int>(car.prevCellX) != static_cast<int>(car.cellX) ||
           static_cast<int>(car.prevCellY) != static_cast<int>(car.cellY);
}

// One animation step: the car placed at distance t, turned when it spins,
// and a full frame drawn.
void AnimateStep(CarRecord& car, const MovePath& path, f32 t, bool spin, int spinSign) {
    if (car.sceneNode) {
        car.sceneNode->setPosition(path.At(t));
        if (spin) {
            core::vector3df rotation = car.sceneNode->getRotation();
            rotation.Y += 2.0f * spinSign * path.step;
            car.sceneNode->setRotation(rotation);
        }
        car.sceneNode->updateAbsolutePosition();
    }
    PumpFrameOrEnd();
    CameraControl();
    DrawRaceFrame();
    SleepMilliseconds(static_cast<int>(game.frameDelay));
}

// The animated pass: t = 1, 1 + e, ... up to the path's length.
void AnimatePass(CarRecord& car, const MovePath& path, bool spin, int spinSign) {
    if (path.length <= 0) {
        AnimateStep(car, path, 0, spin, spinSign);
        return;
    }
    const f32 e = path.step > 0 ? path.step : path.length;
    for (f32 t = 1;; t += e) {
        const bool last = t >= path.length;
        AnimateStep(car, path, last ? path.length : t, spin, spinSign);
        if (last) break;
    }
}

// The end of a move that met no wall: oil laid along it, the car stopped
// when asked, the checkpoints tested.
void FinishMove(int index, bool stopAfter) {
    CarRecord& car = game.cars[index];
    if (car.oilSprayed) {
        AddOilPatch(car.prevCellX, car.prevCellY, car.cellX, car.cellY);
        car.oilSprayed = 0;
    }
    if (stopAfter) {
        car.AppendTrailPoint(car.cellX, car.cellY);
        car.prevCellX = car.cellX;
        car.prevCellY = car.cellY;
    }
    UpdateCheckpoints(index);
}
}  // namespace

MoveOutcome ExecuteMove(int index, bool spin, bool stopAfter) {
    CarRecord& car = game.cars[index];
    const int spinSign = CoinFlip() ? 1 : -1;
    if (ChangedCell(car) && !spin && car.sceneNode)
        car.sceneNode->setRotation(
            {0, static_cast<f32>(Heading(car.prevCellX, car.prevCellY, car.cellX, car.cellY)), 0});
    const MovePath path = PathOf(car);
    SetCarInMotion(index);
    AnimatePass(car, path, spin, spinSign);
    SetCarInMotion(0);
    FinishMove(index, stopAfter);
    return {};
}

void ResolveMove(int index, bool spin) {
    MoveOutcome outcome = ExecuteMove(index, spin, false);
    while (outcome.continueMove) outcome = ExecuteMove(index, outcome.nextSpin, outcome.nextStopAfter);
}
