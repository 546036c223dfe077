// A die rolled in the message window, frame by frame: while it rolls it draws
// a face every frame; once stopped it slows down, drawing faces ever more
// rarely, and comes to rest on the last one. How many faces it drew before
// the stop is the person's decision; the faces themselves come from the
// game's random source, so the same decision gives the same face, on screen
// or not.
#pragma once

#include "core/game_state.h"

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

// The face shown, the faces drawn while rolling and the slow-down under way.
struct DieRoll {
    int face = 0;
    int facesRolled = 0;
    int lastFaceCounter = -1;
    DieSlowdown slowdown;
};

// One frame of the die set up in the dialog state (dieFaces; dieState 0
// rolling, 1 stop asked, 2 slowing down): true once it has come to rest on
// roll.face.
bool AdvanceDie(DialogState& dialog, DieRoll& roll);

// The face a die of `faces` comes to rest on when stopped after drawing
// `facesRolled` faces, drawn as the window draws them.
int RollStoppedDie(int faces, int facesRolled);
