#include "race/computer_driver.h"

#include <cmath>
#include <vector>

#include "core/decisions.h"
#include "core/checkpoints.h"
#include "core/frame_pump.h"
#include "core/game_state.h"
#include "core/random.h"
#include "platform/clock.h"
#include "race/cell_walls.h"
#include "rules/move_candidates.h"
#include "rules/move_choice.h"
#include "rules/move_execution.h"
#include "scene/race_frame.h"
#include "scene/wall_test.h"

namespace {
struct Candidate {
    int x = 0, y = 0;
    double distanceToAim = 0;
    double length = 0;
    bool safe = false;
};

// The search's frames keep the window alive; at 60 a second they do not
// keep the search waiting for the screen.
constexpr long long kSearchFrameMs = 16;
long long lastSearchFrame = -1;
bool searchFramesDrawn = true;

double Distance(double ax, double ay, double bx, double by) { return std::hypot(ax - bx, ay - by); }

bool WallBetweenCells(double x1, double y1, double x2, double y2) {
    const double cell = game.circuit.cellSize;
    return SegmentHitsWall(static_cast<float>(x1 * cell), static_cast<float>(y1 * cell),
                           static_cast<float>(x2 * cell), static_cast<float>(y2 * cell));
}

// A frame when a sixtieth of a second has passed since the search's last
// one (or the clock was set back).
void KeepWindowAlive() {
    if (!searchFramesDrawn) return;
    const long long now = CurrentTimeMilliseconds();
    if (lastSearchFrame >= 0 && now >= lastSearchFrame && now - lastSearchFrame < kSearchFrameMs) return;
    lastSearchFrame = now;
    PumpFrameOrEnd();
    DrawRaceFrame();
}

// Checkpoint n's ends, in cells; all zero when there is no such checkpoint.
void CheckpointEnds(int n, double& sx, double& sy, double& ex, double& ey) {
    float x1 = 0, y1 = 0, x2 = 0, y2 = 0;
    CheckpointLine(n, x1, y1, x2, y2);
    sx = x1;
    sy = y1;
    ex = x2;
    ey = y2;
}

AimPoint Midpoint(int n) {
    double sx, sy, ex, ey;
    CheckpointEnds(n, sx, sy, ex, ey);
    return {(sx + ex) / 2, (sy + ey) / 2};
}

bool AnotherCarOn(int index, int x, int y) {
    for (int i = 1; i <= game.carCount; ++i)
        if (i != index && static_cast<int>(game.cars[i].cellX) == x &&
            static_cast<int>(game.cars[i].cellY) == y)
            return true;
    return false;
}

// A fast candidate must be able to stop: the braking distance past it must
// be clear of walls.
bool CannotBrake(int x, int y, const Candidate& q) {
    if (q.length <= 3) return false;
    const int m = static_cast<int>(std::floor(q.length));
    const double factor = (m * (m - 1) / 2.0) / q.length;
    return WallBetweenCells(q.x, q.y, q.x + (q.x - x) * factor, q.y + (q.y - y) * factor);
}

std::vector<Candidate> Candidates(int index, const AimPoint& aim, CellWalls& walls) {
    const CarRecord& car = game.cars[index];
    const int x = static_cast<int>(car.cellX), y = static_cast<int>(car.cellY);
    const CellStep step = InertialStep(index);
    const double speed = Distance(x, y, car.prevCellX, car.prevCellY);
    int depth = static_cast<int>(std::floor(static_cast<int>(speed)));
    depth = depth < 1 ? 1 : (depth > 4 ? 4 : depth);

    std::vector<Candidate> candidates(10);
    int k = 1;
    for (int dx = -1; dx <= 1; ++dx) {
        for (int dy = -1; dy <= 1; ++dy, ++k) {
            Candidate& q = candidates[k];
            q.x = x + step.x + dx;
            q.y = y + step.y + dy;
            q.distanceToAim = Distance(q.x, q.y, aim.x, aim.y);
            q.length = Distance(q.x, q.y, x, y);
            q.safe = !walls.Between(x, y, q.x, q.y) && !CannotBrake(x, y, q) &&
                     !AnotherCarOn(index, q.x, q.y) && !IsDeadEnd(walls, x, y, q.x, q.y, depth, 1);
        }
    }
    return candidates;
}

int Shortest(const std::vector<Candidate>& candidates, bool safeOnly, double above) {
    int best = 0;
    for (int k = 1; k <= 9; ++k) {
        const Candidate& q = candidates[k];
        if ((safeOnly && !q.safe) || q.length <= above) continue;
        if (best == 0 || q.length < candidates[best].length) best = k;
    }
    return best;
}

// Before a bend the computer takes the second-shortest safe move when it
// brings it at least as near to its aim.
int BrakeBeforeBend(int index, const std::vector<Candidate>& candidates, const AimPoint& aim,
                    int chosen) {
    const CarRecord& car = game.cars[index];
    if (car.checkpointsPassed + 2 > game.circuit.checkpointCount) return chosen;
    const AimPoint next = Midpoint(car.checkpointsPassed + 2);
    const double vx = car.cellX - car.prevCellX, vy = car.cellY - car.prevCellY;
    const double x = static_cast<int>(car.cellX), y = static_cast<int>(car.cellY);
    const int speed = static_cast<int>(Distance(x, y, car.prevCellX, car.prevCellY));
    const int toAim = static_cast<int>(Distance(aim.x, aim.y, x, y));
    if ((next.x - aim.x) * vx + (next.y - aim.y) * vy > 0 || toAim >= 2 * speed || speed < 4)
        return chosen;
    const int k1 = Shortest(candidates, true, -1);
    if (k1 == 0) return chosen;
    const int k2 = Shortest(candidates, true, candidates[k1].length);
    if (k2 != 0 && candidates[k2].distanceToAim <= candidates[k1].distanceToAim) return k2;
    return k1;
}
}  // namespace

AimPoint ComputerAimPoint(int index) {
    const CarRecord& car = game.cars[index];
    const double x = static_cast<int>(car.cellX), y = static_cast<int>(car.cellY);
    const int count = game.circuit.checkpointCount;
    const int n = car.checkpointsPassed + 1;
    if (car.checkpointsPassed >= count) return {car.cellX, car.cellY};
    double sx, sy, ex, ey;
    CheckpointEnds(n, sx, sy, ex, ey);
    AimPoint aim;
    double best = 0;
    for (int k = 1; k <= 9; ++k) {
        const AimPoint p{ex + k * (sx - ex) / 10, ey + k * (sy - ey) / 10};
        const double d = Distance(p.x, p.y, x, y);
        if (k == 1 || d < best) {
            best = d;
            aim = p;
        }
    }
    const double speed = Distance(x, y, car.prevCellX, car.prevCellY);
    if (car.checkpointsPassed + 2 <= count && (best < 2 * speed || best < 4)) {
        const AimPoint next = Midpoint(n + 1);
        aim.x += (next.x - aim.x) / 3;
        aim.y += (next.y - aim.y) / 3;
    }
    return aim;
}

bool IsDeadEnd(CellWalls& walls, int fromX, int fromY, int toX, int toY, int depth, int level) {
    if (level == 2) KeepWindowAlive();
    const int vx = toX - fromX, vy = toY - fromY;
    for (int dx = -1; dx <= 1; ++dx) {
        for (int dy = -1; dy <= 1; ++dy) {
            const int qx = toX + vx + dx, qy = toY + vy + dy;
            if (walls.Between(toX, toY, qx, qy)) continue;
            if (depth == 1 || !IsDeadEnd(walls, toX, toY, qx, qy, depth - 1, level + 1)) return false;
        }
    }
    return true;
}

bool IsDeadEnd(int fromX, int fromY, int toX, int toY, int depth, int level) {
    CellWalls walls;
    return IsDeadEnd(walls, fromX, fromY, toX, toY, depth, level);
}

int ComputerChoice(int index, bool rememberWalls) {
    const AimPoint aim = ComputerAimPoint(index);
    CellWalls walls(rememberWalls);
    const std::vector<Candidate> candidates = Candidates(index, aim, walls);
    if (Shortest(candidates, true, -1) == 0) return Shortest(candidates, false, -1);

    double nearest = -1;
    for (int k = 1; k <= 9; ++k)
        if (candidates[k].safe && (nearest < 0 || candidates[k].distanceToAim < nearest))
            nearest = candidates[k].distanceToAim;
    // Every candidate as near as the nearest safe one takes part in the draw.
    std::vector<int> tied;
    for (int k = 1; k <= 9; ++k)
        if (candidates[k].distanceToAim == nearest) tied.push_back(k);
    const int chosen =
        tied.size() > 1 ? tied[DieFormula(static_cast<int>(tied.size())) - 1] : tied[0];
    return BrakeBeforeBend(index, candidates, aim, chosen);
}

void ComputerMove(int index) {
    DrawRaceFrame();
    // The computer's cross is recorded like a person's: a replay then skips
    // the search, and stays true to the race even if the driver changes.
    const int k = Decide(RaceEventKind::Cross, index, [index] { return ComputerChoice(index); });
    const CarRecord& car = game.cars[index];
    const CellStep step = InertialStep(index);
    const int x = static_cast<int>(car.cellX) + step.x + (k - 1) / 3 - 1;
    const int y = static_cast<int>(car.cellY) + step.y + (k - 1) % 3 - 1;
    ResolveMove(index, RecordMove(index, x, y));
}

void DrawSearchFrames(bool drawn) { searchFramesDrawn = drawn; }
bool SearchFramesDrawn() { return searchFramesDrawn; }
