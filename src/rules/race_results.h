// The end of a race: placings paid in Zonks, experience for every survivor,
// the survivors' pilot files written; and the fate of a burnt-out pilot.
#pragma once

// Pays the placed pilots, lets every surviving pilot raise one skill and
// writes their files; then the race screen closes (quitToMenu).
void SettleRaceResults();

// The car that won the race: the sole survivor, or the first over the line
// (the first of the car table among those who crossed it together); 0 for none.
int RaceWinner();

// A six-sided die decides whether a burnt-out pilot dies (his file is
// deleted) or loses two points of piloting or of shooting (his file is
// rewritten).
void PilotFate(int car);
