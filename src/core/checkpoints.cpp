#include "core/checkpoints.h"

#include "core/game_state.h"

namespace {
int Orientation(float px, float py, float qx, float qy, float rx, float ry) {
    const long long value =
        static_cast<long long>(qx - px) * static_cast<long long>(ry - py) -
        static_cast<long long>(qy - py) * static_cast<long long>(rx - px);
    return (value > 0) - (value < 0);
}

// Whether checkpoint n crosses the trail segment from point k to point k + 1.
bool CheckpointCrossesTrail(int n, const CarRecord& car, int k) {
    float sx, sy, ex, ey;
    if (k < 1 || !CheckpointLine(n, sx, sy, ex, ey)) return false;
    const std::vector<f32>& trail = car.trail;
    return SegmentsCross(sx, sy, ex, ey, trail[2 * k - 1], trail[2 * k], trail[2 * k + 1],
                         trail[2 * k + 2]);
}
}  // namespace

bool CheckpointLine(int n, float& startX, float& startY, float& endX, float& endY) {
    const CircuitData& circuit = game.circuit;
    const size_t end = static_cast<size_t>(2 * n);
    if (n < 1 || end >= circuit.checkpointX.size() || end >= circuit.checkpointY.size())
        return false;
    startX = circuit.checkpointX[end - 1];
    startY = circuit.checkpointY[end - 1];
    endX = circuit.checkpointX[end];
    endY = circuit.checkpointY[end];
    return true;
}

bool SegmentsCross(float ax, float ay, float bx, float by, float cx, float cy, float dx,
                   float dy) {
    return Orientation(ax, ay, bx, by, cx, cy) * Orientation(ax, ay, bx, by, dx, dy) <= 0 &&
           Orientation(cx, cy, dx, dy, ax, ay) * Orientation(cx, cy, dx, dy, bx, by) <= 0;
}

void UpdateCheckpoints(int carIndex) {
    CarRecord& car = game.cars[carIndex];
    if (!car.inRace) return;
    const int count = game.circuit.checkpointCount;
    const int last = car.trailCount - 1;  // the last segment runs from this point
    bool crossed = true;
    while (crossed && car.checkpointsPassed < count) {
        const int n = car.checkpointsPassed + 1;
        crossed = CheckpointCrossesTrail(n, car, last) || CheckpointCrossesTrail(n, car, last - 1);
        if (crossed) car.checkpointsPassed += 1;
    }
    if (car.finishOrder == -1 && car.checkpointsPassed == count) car.finishOrder = game.roundNumber;
}
