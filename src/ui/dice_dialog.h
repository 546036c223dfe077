// DiceDialog: the modal message of the rules. It tells, asks a question with
// up to four answers, or rolls a die until the player stops it, while the
// race keeps being drawn behind it.
#pragma once

#include <irrlicht.h>

#include <string>

// Shows `text` in the message window and runs until it is answered. Before
// the call the caller sets game.dialog.dieFaces (0 = no die) and
// game.dialog.choiceState (number of answers, 0..4) with the answer labels.
// (x, y, z) is the world point the message is about (-1, -1, -1 for none);
// with placeNearAnchor the window opens in the half of the screen away from
// it. Returns the answer 1..4, the die's final face, or 0 for a plain notice.
int DiceDialog(const std::wstring& text, int x, int y, int z, int highlightedCar,
               bool placeNearAnchor, irr::u32 colour);

// The simulator's races have no one to answer: every dialog then returns at
// once, without a window: the first answer, a rolled die, or 0.
void SetDialogsAnswerThemselves(bool answer);

// The slow-down of a stopped die: a countdown of frames during which the face
// changes every 10 frames, then every 20, then stays.
struct DieSlowdown {
    int counter = 0;
    int sub = 0;
};
DieSlowdown StartSlowdown(int frames);
// One frame of slow-down; true when a new face is drawn in this frame.
bool SlowdownStep(DieSlowdown& slowdown, int frames);
// The counter value at which the last new face of a slow-down is drawn, or
// -1 when none is drawn.
int LastFaceCounter(int frames);

// Top-left corner of a W x H window placed in the half of a SW x SH screen
// that does not hold the point projected at x = anchorX.
irr::core::position2di DialogPlacement(int anchorX, int w, int h, int sw, int sh);
