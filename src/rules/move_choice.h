// The choice of a move: the human player's two clicks on a cross, the Nitro
// move, the skid move of a car that lost control, and the commit every move
// shares.
#pragma once

// Human move: returns once the move is made, or without moving when an
// action button of the race screen was pressed.
void ChooseMove(int car);

// Nitro move: the step doubled; spends one Nitro charge on commit.
void ChooseNitroMove(int car);

// A car that lost control slides to one of its nine cells at random.
void SkidMove(int car);

// Records the move to marker k's cell and carries it out.
void CommitMove(int car, int k);

// The car's destination recorded: previous cell, new cell, trail, flags.
// Returns the spin the move starts with (its pending-move flag, cleared).
bool RecordMove(int car, int cellX, int cellY);
