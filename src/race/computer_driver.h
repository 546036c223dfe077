// The computer driver: aims at the next checkpoint, keeps away from walls,
// cars and dead ends, brakes before bends and commits its move.
#pragma once

struct AimPoint {
    double x = 0;
    double y = 0;
};

// Where the car aims this turn, in cells.
AimPoint ComputerAimPoint(int car);

class CellWalls;

// The candidate number 1..9 the computer picks. `rememberWalls` false asks
// the walls every time the search comes to a segment, as a check of the
// remembered answers: the choice must not change.
int ComputerChoice(int car, bool rememberWalls = true);

// Whether every path from `to` onward hits a wall within `depth` moves,
// asking the walls through `walls` (the second form with answers of its
// own). While it searches a frame is drawn, at most one a sixtieth of a
// second.
bool IsDeadEnd(CellWalls& walls, int fromX, int fromY, int toX, int toY, int depth, int level);
bool IsDeadEnd(int fromX, int fromY, int toX, int toY, int depth, int level);

// Whether the search draws its frames (on by default). Drawn on the clock,
// their number changes from run to run and so, through the scene they
// update, may the race: without a window (the simulator) none is drawn and
// a seeded race replays exactly.
void DrawSearchFrames(bool drawn);
bool SearchFramesDrawn();

// Chooses and commits the move of a computer-driven car.
void ComputerMove(int car);
