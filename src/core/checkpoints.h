// The checkpoint lines a car must cross in order, tested on its trail.
#pragma once

// The ends of checkpoint n in cells, from its start point to its end point.
// False, with nothing stored, when the circuit has no such checkpoint.
bool CheckpointLine(int n, float& startX, float& startY, float& endX, float& endY);

// Whether segment AB crosses segment CD (touching counts). Orientations are
// taken on differences truncated to whole numbers, as the board does.
bool SegmentsCross(float ax, float ay, float bx, float by, float cx, float cy, float dx,
                   float dy);

// Counts the checkpoints that the car's last move crossed (its last two trail
// segments are looked at, several checkpoints may pass at once) and records
// the round of its finish.
void UpdateCheckpoints(int car);
