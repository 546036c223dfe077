// The straight path of a move in world units and its 30 animation steps,
// shared by the detection passes and the animated pass.
#pragma once

#include <irrlicht.h>

struct CarRecord;

// Number of animation steps of a move.
constexpr int kMoveSteps = 30;
// The height of a car's node during a move.
constexpr irr::f32 kCarHeight = 7.0f;

struct MovePath {
    irr::core::vector3df start;      // the previous cell, at the car's height
    irr::core::vector3df end;        // the destination
    irr::core::vector3df direction;  // unit vector, zero for a move that stays put
    irr::f32 length = 0;
    irr::f32 step = 0;  // length / 30
    irr::core::vector3df At(irr::f32 t) const { return start + direction * t; }
};

// The path from the car's previous cell to its cell.
MovePath PathOf(const CarRecord& car);

// The distances t = 1, 1 + e, 1 + 2e, ... of the steps, the last one
// clamped to the length; a single step at 0 for a move that stays put.
// Calls step(t, isLast) for each; stops early when it returns false.
template <typename StepFn>
void ForEachStep(const MovePath& path, StepFn step) {
    if (path.length <= 0) {
        step(irr::f32(0), true);
        return;
    }
    const irr::f32 e = path.step > 0 ? path.step : path.length;
    for (irr::f32 t = 1;; t += e) {
        const bool last = t >= path.length;
        if (!step(last ? path.length : t, last) || last) return;
    }
}

// The turn of a spinning car at each step: 2 * sign * e degrees.
inline irr::f32 SpinPerStep(const MovePath& path, int spinSign) {
    return 2.0f * static_cast<irr::f32>(spinSign) * path.step;
}
