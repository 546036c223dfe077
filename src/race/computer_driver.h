// The computer driver: aims at the next checkpoint, keeps away from walls,
// cars and dead ends, brakes before bends and commits its move.
#pragma once

struct AimPoint {
    double x = 0;
    double y = 0;
};

// Where the car aims this turn, in cells.
AimPoint ComputerAimPoint(int car);

// The candidate number 1..9 the computer picks.
int ComputerChoice(int car);

// Whether every path from `to` onward hits a wall within `depth` moves.
bool IsDeadEnd(int fromX, int fromY, int toX, int toY, int depth, int level);

// Chooses and commits the move of a computer-driven car.
void ComputerMove(int car);
