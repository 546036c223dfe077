// The checkpoint lines a car must cross in order, tested on its trail.
#pragma once

// Whether segment AB crosses segment CD (touching counts). Orientations are
// taken on differences truncated to whole numbers, as the board does.
bool SegmentsCross(float ax, float ay, float bx, float by, float cx, float cy, float dx,
                   float dy);

// Counts the checkpoints that the car's last move crossed (its last two trail
// segments are looked at, several checkpoints may pass at once) and records
// the round of its finish.
void UpdateCheckpoints(int car);
