#include "rules/collision_event.h"

#include <cmath>

using namespace irr;

bool EventFiresAt(const CollisionEvent& event, f32 t, f32 e, bool lastStep) {
    if (event.fired) return false;
    const f32 trigger = event.triggerDistance;
    if (trigger <= 0 || e <= 0) return t >= trigger;  // a move that stays put
    const double ratio = std::round(static_cast<double>(t) / trigger * 1e6) / 1e6;
    const bool reached = t >= trigger || ratio >= 1.0;
    return reached && t < trigger + (lastStep ? 2 * e : e);
}
