#include "ui/die_roll.h"

#include "core/random.h"

DieSlowdown StartSlowdown(int frames) { return {frames, 10}; }

bool SlowdownStep(DieSlowdown& s, int frames) {
    s.counter -= 1;
    s.sub -= 1;
    bool newFace = false;
    if (s.counter < frames && s.counter > frames / 2 && s.sub < 1) {
        s.sub = 10;
        newFace = true;
    }
    if (s.counter <= frames / 2 && s.counter > frames / 6 && s.sub < 1) {
        s.sub = 20;
        newFace = true;
    }
    return newFace;
}

int LastFaceCounter(int frames) {
    DieSlowdown s = StartSlowdown(frames);
    int last = -1;
    while (s.counter >= 1) {
        if (SlowdownStep(s, frames)) last = s.counter;
    }
    return last;
}

bool AdvanceDie(DialogState& dialog, DieRoll& roll) {
    if (dialog.dieFaces == 0) return false;
    if (dialog.dieState == 0) {
        roll.face = DieFormula(dialog.dieFaces);
        roll.facesRolled += 1;
    }
    if (dialog.dieState == 1) {
        roll.slowdown = StartSlowdown(dialog.dieSlowdownFrames);
        roll.lastFaceCounter = LastFaceCounter(dialog.dieSlowdownFrames);
        dialog.dieState = 2;
        // Without a face left to draw, the face at rest is this one.
        if (roll.lastFaceCounter < 0) roll.face = RollDie(dialog.dieFaces);
    }
    if (dialog.dieState != 2) return false;
    if (SlowdownStep(roll.slowdown, dialog.dieSlowdownFrames)) {
        const bool last = roll.slowdown.counter == roll.lastFaceCounter;
        roll.face = last ? RollDie(dialog.dieFaces) : DieFormula(dialog.dieFaces);
    }
    return roll.slowdown.counter < 1;
}

int RollStoppedDie(int faces, int facesRolled) {
    DialogState dialog = game.dialog;
    dialog.dieFaces = faces;
    dialog.dieState = 0;
    DieRoll roll;
    while (roll.facesRolled < facesRolled) AdvanceDie(dialog, roll);
    dialog.dieState = 1;
    while (!AdvanceDie(dialog, roll)) {
    }
    return roll.face;
}
