// Carrying out a move once its destination is recorded: the collisions on
// its path are found first, then the car's node is turned and animated
// along the path in 30 steps, each collision settled as the car reaches
// it, and the move's end recorded.
#pragma once

#include "rules/collision_event.h"
#include "rules/move_path.h"

struct MoveOutcome {
    bool continueMove = false;  // a bounce: call again at once
    bool nextSpin = false;
    bool nextStopAfter = false;
};

// The collisions on the path, in the order they are found: the wall, the
// cars run into (a car hit before the wall stops the move short of it),
// then the sideswipes. Nothing is settled or shown.
CollisionEvents DetectCollisions(int car, MovePath& path, bool spin, int spinSign);

// `spin`: the car turns on itself along the way (it skids); `stopAfter`: its
// velocity is zero at the end of the move.
MoveOutcome ExecuteMove(int car, bool spin, bool stopAfter);

// Runs ExecuteMove until it reports that the move is over: after each wall
// the bounce runs as a new move. A car caught bouncing between walls stops
// on its cell after kMaxBounces bounces.
void ResolveMove(int car, bool spin);

constexpr int kMaxBounces = 50;
