// The end of a race: placings paid in Zonks, experience for every survivor,
// the survivors' pilot files written; and the fate of a burnt-out pilot.
#pragma once

// Pays the placed pilots, lets every surviving pilot raise one skill and
// writes their files; then the race screen closes (quitToMenu).
void SettleRaceResults();

// A six-sided die decides whether a burnt-out pilot dies (his file is
// deleted) or loses two points of piloting or of shooting (his file is
// rewritten).
void PilotFate(int car);
