#include "ui/dice_dialog.h"

#include <algorithm>

#include "core/frame_pump.h"
#include "core/game_state.h"
#include "core/random.h"
#include "platform/clock.h"
#include "platform/text.h"
#include "scene/camera_control.h"
#include "scene/race_frame.h"
#include "ui/hud.h"
#include "ui/message_countdown.h"
#include "ui/message_window.h"
#include "ui/race_screen.h"

using namespace irr;

namespace {
constexpr size_t kMaxDialogText = 500;
bool dialogsAnswerThemselves = false;

int AnswerWithoutWindow(DialogState& dialog) {
    const int result = dialog.choiceState > 0 ? 1 : dialog.dieFaces > 0 ? RollDie(dialog.dieFaces) : 0;
    dialog.dialogOpen = 0;
    dialog.dieFaces = 0;
    dialog.dieState = 0;
    dialog.choiceState = 0;
    dialog.aboutCar = 0;
    return result;
}


// The face shown and the slow-down under way.
struct DieRoll {
    int face = 0;
    int lastFaceCounter = -1;
    DieSlowdown slowdown;
};

void ShowFace(const MessageWindow& w, int face) { w.dieFace->setText(IntText(face).c_str()); }

void PlaceAwayFromAnchor(const MessageWindow& w, const core::vector3df& anchor) {
    const core::position2di projected = ScreenPosition(anchor);
    const core::dimension2du screen = game.videoDriver->getScreenSize();
    core::rect<s32> box = w.window->getRelativePosition();
    const core::position2di at = DialogPlacement(projected.X, box.getWidth(), box.getHeight(),
                                                 static_cast<int>(screen.Width),
                                                 static_cast<int>(screen.Height));
    w.window->setRelativePosition(at);
}

// Where the last message about a car had its button, and in which turn: the
// next message about the same car in the same turn puts its button there,
// so the mouse waits on "Fermer" instead of chasing it.
struct LastPlace {
    s32 round = -1, turnCar = 0, aboutCar = 0;
    core::position2di button;
};
LastPlace lastPlace;

bool SameTurnAndCar(const LastPlace& place, int aboutCar) {
    return aboutCar != 0 && place.aboutCar == aboutCar && place.round == game.roundNumber &&
           place.turnCar == game.currentCar;
}

void PlaceButtonAt(const MessageWindow& w, core::position2di button) {
    const core::rect<s32> box = w.window->getRelativePosition();
    const core::dimension2du screen = game.videoDriver->getScreenSize();
    core::position2di at = button - w.button->getRelativePosition().getCenter();
    at.X = core::clamp(at.X, 0, std::max(0, static_cast<s32>(screen.Width) - box.getWidth()));
    at.Y = core::clamp(at.Y, 0, std::max(0, static_cast<s32>(screen.Height) - box.getHeight()));
    w.window->setRelativePosition(at);
}

void PlaceMessageWindow(const MessageWindow& w, const core::vector3df& anchor, int aboutCar) {
    if (SameTurnAndCar(lastPlace, aboutCar)) PlaceButtonAt(w, lastPlace.button);
    else PlaceAwayFromAnchor(w, anchor);
}

void RememberPlace(const MessageWindow& w, int aboutCar) {
    const core::position2di corner = w.window->getRelativePosition().UpperLeftCorner;
    lastPlace = {game.roundNumber, game.currentCar, aboutCar,
                 corner + w.button->getRelativePosition().getCenter()};
}

void ShowControls(const MessageWindow& w, const DialogState& dialog) {
    w.dieFace->setVisible(dialog.dieFaces != 0);
    if (dialog.dieFaces != 0) w.button->setText(L"Arréter le Dé");
    for (int i = 1; i <= 4; ++i) w.choices[i]->setVisible(false);
    if (dialog.choiceState > 0) {
        for (int i = 1; i <= dialog.choiceState && i <= 4; ++i) {
            w.choices[i]->setText(dialog.choiceLabels[i].c_str());
            w.choices[i]->setVisible(true);
        }
        w.button->setVisible(false);
    }
}

// Steps 3 to 5 of each frame: rolling, stop, slow-down. Returns true when
// the die has come to rest on roll.face.
bool AdvanceDie(const MessageWindow& w, DialogState& dialog, DieRoll& roll) {
    if (dialog.dieFaces == 0) return false;
    if (dialog.dieState == 0) {
        roll.face = DieFormula(dialog.dieFaces);
        ShowFace(w, roll.face);
    }
    if (dialog.dieState == 1) {
        roll.slowdown = StartSlowdown(dialog.dieSlowdownFrames);
        roll.lastFaceCounter = LastFaceCounter(dialog.dieSlowdownFrames);
        dialog.dieState = 2;
        w.button->setVisible(false);
        // Without a face left to draw, the face at rest is this one.
        if (roll.lastFaceCounter < 0) roll.face = RollDie(dialog.dieFaces);
        ShowFace(w, roll.face);
    }
    if (dialog.dieState != 2) return false;
    if (SlowdownStep(roll.slowdown, dialog.dieSlowdownFrames)) {
        const bool last = roll.slowdown.counter == roll.lastFaceCounter;
        roll.face = last ? RollDie(dialog.dieFaces) : DieFormula(dialog.dieFaces);
        ShowFace(w, roll.face);
    }
    return roll.slowdown.counter < 1;
}

// The line from the window to the anchor point and the coloured frame that
// the window covers but for one pixel.
void DrawAnchor(const MessageWindow& w, const core::vector3df& anchor, video::SColor colour) {
    const core::position2di to = ScreenPosition(anchor);
    const core::rect<s32> box = w.window->getAbsolutePosition();
    const core::position2di from = box.getCenter();
    const core::position2di offsets[5] = {{0, 0}, {-1, 0}, {1, 0}, {0, -1}, {0, 1}};
    for (const core::position2di& offset : offsets)
        game.videoDriver->draw2DLine(from, to + offset, colour);
    game.videoDriver->draw2DRectangle(colour, core::rect<s32>(box.UpperLeftCorner - core::position2di(1, 1),
                                                              box.LowerRightCorner + core::position2di(1, 1)));
}

void DrawDialogFrame(const MessageWindow& w, const core::vector3df& anchor, int highlightedCar,
                     video::SColor colour, const MessageCountdown& countdown) {
    if (!FrameDue()) return;
    BeginRaceScene();
    game.sceneManager->drawAll();
    UsePlainDrawing();
    DrawGrid();
    for (int i = 1; i <= game.carCount; ++i) DrawTrail(i, i == highlightedCar);
    DrawOilAndSkids();
    if (anchor.X != -1 && anchor.Y != -1 && anchor.Z != -1) DrawAnchor(w, anchor, colour);
    ShowCurrentCarOnColumn();
    ShowPauseStatus();
    game.guiEnvironment->drawAll();
    countdown.Draw(w.window->getAbsolutePosition());
    game.videoDriver->endScene();
}

int RunDialogLoop(const MessageWindow& w, const core::vector3df& anchor, int highlightedCar,
                  video::SColor colour, MessageCountdown& countdown) {
    DialogState& dialog = game.dialog;
    DieRoll roll;
    int result = 0;
    while (dialog.dialogOpen == 1) {
        PumpFrameOrEnd();
        if (countdown.Over()) dialog.dialogOpen = 0;
        if (dialog.choiceState >= 11 && dialog.choiceState <= 14) {
            result = dialog.choiceState - 10;
            dialog.dialogOpen = 0;
        }
        if (AdvanceDie(w, dialog, roll)) {
            result = roll.face;
            dialog.dialogOpen = 0;
        }
        ClearActionRequests();
        CameraControl();
        RunRaceScreenEventHandler();
        DrawDialogFrame(w, anchor, highlightedCar, colour, countdown);
        SleepMilliseconds(static_cast<int>(game.frameDelay));
    }
    return result;
}
}  // namespace

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

core::position2di DialogPlacement(int anchorX, int w, int h, int sw, int sh) {
    const int left = anchorX <= sw / 2 ? (sw / 2 - w) / 2 + sw / 2 : (sw / 2 - w) / 2;
    int top = (sh / 2 - h) / 2;
    if (top < 20) top = (sh - h) / 2;
    return {left, top};
}


void SetDialogsAnswerThemselves(bool answer) { dialogsAnswerThemselves = answer; }

int DiceDialog(const std::wstring& text, int x, int y, int z, int highlightedCar,
               bool placeNearAnchor, u32 colour) {
    if (dialogsAnswerThemselves) return AnswerWithoutWindow(game.dialog);
    const MessageWindow& w = TheMessageWindow();
    DialogState& dialog = game.dialog;
    const core::vector3df anchor(static_cast<f32>(x), static_cast<f32>(y), static_cast<f32>(z));
    w.button->setText(L"Fermer");
    SetDialogOpaque(true, false);
    w.text->setText(text.substr(0, kMaxDialogText).c_str());
    // A text too long for the small window is shown whole in the large one.
    const bool enlarged = !DialogLayoutIsLarge() &&
                          w.text->getTextHeight() > w.text->getRelativePosition().getHeight();
    if (enlarged) DialogLayout(true);
    if (placeNearAnchor) PlaceMessageWindow(w, anchor, dialog.aboutCar);
    RememberPlace(w, dialog.aboutCar);
    dialog.dialogOpen = 1;
    dialog.messagesShown += 1;
    ShowControls(w, dialog);
    w.window->setVisible(true);
    game.guiEnvironment->getRootGUIElement()->bringToFront(w.window);

    MessageCountdown countdown(
        ClosesByItself(dialog) ? ReadingTimeMs(w.text->getText(), game.computerMessages) : 0);
    const int result = RunDialogLoop(w, anchor, highlightedCar, video::SColor(colour), countdown);

    w.button->setVisible(true);
    w.window->setVisible(false);
    dialog.dialogOpen = 0;
    dialog.dieFaces = 0;
    dialog.dieState = 0;
    dialog.choiceState = 0;
    dialog.aboutCar = 0;
    SetDialogOpaque(false, false);
    if (enlarged) DialogLayout(false);
    return result;
}
