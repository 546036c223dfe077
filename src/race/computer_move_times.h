// How long the computer takes over its moves (the search and the move
// itself), for the simulator's report.
#pragma once

struct ComputerMoveTimes {
    long long moves = 0;
    double seconds = 0;
    double slowest = 0;
};

// Counted since the program started, or since the last reset.
ComputerMoveTimes& TheComputerMoveTimes();

// The computer driver's move, timed.
void TimedComputerMove(int car);
