// The end of a turn: play passes to the next car able to play, rounds are
// counted and the race-over test runs.
#pragma once

// Ends the current car's turn.
void EndTurn();

// The race is over when at most one car is neither burnt out nor finished,
// or when two cars have finished.
bool RaceIsOver();
