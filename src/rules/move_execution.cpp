#include "rules/move_execution.h"

#include <algorithm>

#include "core/checkpoints.h"
#include "core/frame_pump.h"
#include "core/game_state.h"
#include "core/oil_patches.h"
#include "core/random.h"
#include "platform/clock.h"
#include "rules/car_impact.h"
#include "rules/collision_event.h"
#include "rules/oil_contact.h"
#include "rules/sideswipes.h"
#include "rules/wall_impact.h"
#include "scene/camera_control.h"
#include "scene/game_sounds.h"
#include "scene/race_frame.h"

using namespace irr;

namespace {
bool ChangedCell(const CarRecord& car) {
    return static_cast<int>(car.prevCellX) != static_cast<int>(car.cellX) ||
           static_cast<int>(car.prevCellY) != static_cast<int>(car.cellY);
}

// One animation step: the car placed at distance t, turned when it spins,
// and a full frame drawn.
void AnimateStep(CarRecord& car, const MovePath& path, f32 t, bool spin, int spinSign) {
    if (spin) car.heading += SpinPerStep(path, spinSign);
    if (car.sceneNode) {
        car.sceneNode->setPosition(path.At(t));
        car.sceneNode->setRotation({0, car.heading, 0});
        car.sceneNode->updateAbsolutePosition();
    }
    if (car.oilSprayed) ShowOilBeingLaid(path.start, path.At(t));
    PumpFrameOrEnd();
    CameraControl();
    DrawRaceFrame();
    SleepMilliseconds(static_cast<int>(game.frameDelay));
}

// Settles the event; true when it ends the move (a wall).
bool Settle(int index, const CollisionEvent& event) {
    switch (event.kind) {
        case CollisionKind::HeavyWall:
            SettleWallImpact(index, event);
            return true;
        case CollisionKind::HeavyCar:
            SettleCarImpact(index, event);
            return false;
        case CollisionKind::LightWall:
            if (game.cars[index].inRace) SettleSideswipe(index, event);
            return false;
        case CollisionKind::LightCar:
            SettleSideswipe(index, event);
            return false;
    }
    return false;
}

// The engine heard through a move, its pitch set by the move's length in cells.
struct MoveEngine {
    Voice voice;
    f32 cells;
};

// The animated pass; true when the car met a wall, which ends the move.
bool AnimatePass(int index, const MovePath& path, bool spin, int spinSign, CollisionEvents& events,
                 const MoveEngine& engine) {
    CarRecord& car = game.cars[index];
    bool oilTested = false, wallMet = false;
    OilMarks oilMarks;
    ForEachStep(path, [&](f32 t, bool last) {
        const bool testOil = !oilTested && !car.skidPending;
        AnimateStep(car, path, t, spin, spinSign);
        FollowWithEngine(engine.voice, index, engine.cells);
        if (testOil) oilTested = OilStep(index, path, t, oilMarks);
        for (CollisionEvent& event : events) {
            if (!EventFiresAt(event, t, path.step, last)) continue;
            event.fired = true;
            if (Settle(index, event)) {
                wallMet = true;
                return false;
            }
        }
        return true;
    });
    return wallMet;
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

CollisionEvents DetectCollisions(int index, MovePath& path, bool spin, int spinSign) {
    CollisionEvents events;
    f32 wallDistance = 0;
    if (DetectWallImpact(index, path, events)) {
        const CollisionEvent& wall = events.front();
        wallDistance = core::vector2df(wall.impactX - path.start.X, wall.impactY - path.start.Z)
                           .getLength();
    }
    const size_t before = events.size();
    DetectCarImpacts(index, path, spin, spinSign, events, wallDistance);
    if (events.size() > before && wallDistance > 0) events.erase(events.begin());
    DetectSideswipes(index, path, spin, spinSign, events);
    return events;
}

MoveOutcome ExecuteMove(int index, bool spin, bool stopAfter) {
    CarRecord& car = game.cars[index];
    const int spinSign = CoinFlip() ? 1 : -1;
    if (ChangedCell(car) && !spin) car.FaceLastMove();
    if (car.sceneNode) car.sceneNode->setRotation({0, car.heading, 0});
    MovePath path = PathOf(car);
    CollisionEvents events = DetectCollisions(index, path, spin, spinSign);
    SetCarInMotion(index);
    const f32 cells = path.length / static_cast<f32>(game.circuit.cellSize);
    const MoveEngine engine{StartEngine(index, cells), cells};
    if (spin) PlayAtCar(Sound::Tyres, index);
    const bool wallMet = AnimatePass(index, path, spin, spinSign, events, engine);
    StopVoice(engine.voice);
    SetCarInMotion(0);
    HideOilBeingLaid();
    if (wallMet) return {true, true, true};
    FinishMove(index, stopAfter);
    // Its move over, a car that did not stop faces the way it went.
    car.FaceLastMove();
    return {};
}

void ResolveMove(int index, bool spin) {
    MoveOutcome outcome = ExecuteMove(index, spin, false);
    for (int bounces = 1; outcome.continueMove; ++bounces) {
        if (bounces > kMaxBounces) {
            FinishMove(index, true);
            return;
        }
        outcome = ExecuteMove(index, outcome.nextSpin, outcome.nextStopAfter);
    }
}
