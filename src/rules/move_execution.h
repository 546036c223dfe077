// Carrying out a move once its destination is recorded: the car's node is
// turned and animated along its path in 30 steps, the events found on the
// path are settled as the car reaches them, and the move's end is recorded.
#pragma once

struct MoveOutcome {
    bool continueMove = false;  // a bounce: call again at once
    bool nextSpin = false;
    bool nextStopAfter = false;
};

// `spin`: the car turns on itself along the way (it skids); `stopAfter`: its
// velocity is zero at the end of the move.
MoveOutcome ExecuteMove(int car, bool spin, bool stopAfter);

// Runs ExecuteMove until it reports that the move is over.
void ResolveMove(int car, bool spin);

// Number of animation steps of a move.
constexpr int kMoveSteps = 30;
