#include "ui/dice_dialog.h"

#include <algorithm>

#include "core/decisions.h"
#include "core/frame_pump.h"
#include "core/game_state.h"
#include "core/random.h"
#include "platform/clock.h"
#include "platform/text.h"
#include "scene/camera_control.h"
#include "scene/game_sounds.h"
#include "scene/race_frame.h"
#include "ui/hud.h"
#include "ui/message_countdown.h"
#include "ui/message_place.h"
#include "ui/message_window.h"
#include "ui/race_screen.h"

using namespace irr;

namespace {
constexpr size_t kMaxDialogText = 500;
bool dialogsAnswerThemselves = false;

void ShowFace(const MessageWindow& w, int face) { w.dieFace->setText(IntText(face).c_str()); }

void ShowControls(const MessageWindow& w, const DialogState& dialog) {
    w.dieFace->setVisible(dialog.dieFaces != 0);
    w.dieTarget->setVisible(dialog.dieFaces != 0 && dialog.dieTarget > 0);
    // The game's fonts stop at U+00FF: the value to reach in words.
    w.dieTarget->setText((IntText(dialog.dieTarget) + L" ou moins").c_str());
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
    ShowSoundStatus();
    game.guiEnvironment->drawAll();
    countdown.Draw(w.window->getAbsolutePosition());
    game.videoDriver->endScene();
}

// How the window is answered when a replay shows it: the answer recorded,
// clicked once the question has been read; the die stopped after the faces
// recorded.
struct ScriptedAnswer {
    int answer = 0;
    int facesRolled = -1;
    MessageCountdown reading{0};
};

struct DialogOutcome {
    int result = 0;  // the answer, the die's face, or 0
    int facesRolled = 0;
};

void ApplyScript(DialogState& dialog, const DieRoll& roll, ScriptedAnswer* script) {
    if (!script) return;
    if (script->answer > 0 && dialog.choiceState > 0 && dialog.choiceState <= 4 && script->reading.Over())
        dialog.choiceState = 10 + script->answer;
    if (dialog.dieState == 0 && roll.facesRolled == script->facesRolled) dialog.dieState = 1;
}

// The window's frames, one at a time: the die rolled and stopped, the
// answer clicked, the camera and the race drawn behind.
class DialogFrames {
public:
    DialogFrames(const MessageWindow& w, const core::vector3df& anchor, int highlightedCar, video::SColor colour,
                 MessageCountdown& countdown, ScriptedAnswer* script)
        : w_(w), anchor_(anchor), highlightedCar_(highlightedCar), colour_(colour), countdown_(countdown),
          script_(script),
          // The die rattles while it rolls and slows down, and knocks as it comes to rest.
          rattle_(game.dialog.dieFaces != 0 ? PlayBesidePlayer(Sound::DieRolling, 0.5f, true) : 0) {}
    ~DialogFrames() { StopVoice(rattle_); }
    DialogFrames(const DialogFrames&) = delete;
    DialogFrames& operator=(const DialogFrames&) = delete;

    // One frame; false once the window has closed.
    bool Step() {
        DialogState& dialog = game.dialog;
        if (dialog.dialogOpen != 1) return false;
        PumpFrameOrEnd();
        ApplyScript(dialog, roll_, script_);
        if (countdown_.Over()) dialog.dialogOpen = 0;
        if (dialog.choiceState >= 11 && dialog.choiceState <= 14) {
            outcome_.result = dialog.choiceState - 10;
            dialog.dialogOpen = 0;
        }
        const int shown = roll_.face;
        if (AdvanceDie(dialog, roll_)) {
            outcome_.result = roll_.face;
            dialog.dialogOpen = 0;
            StopVoice(rattle_);
            PlayBesidePlayer(Sound::DieStop);
        }
        if (roll_.face != shown) ShowFace(w_, roll_.face);
        if (dialog.dieState == 2) w_.button->setVisible(false);
        // A replay's "Quitter" waits for the message to close.
        const u8 leaving = Replaying() ? game.actionRequests[RequestQuit] : 0;
        ClearActionRequests();
        game.actionRequests[RequestQuit] = leaving;
        CameraControl();
        RunRaceScreenEventHandler();
        DrawDialogFrame(w_, anchor_, highlightedCar_, colour_, countdown_);
        SleepMilliseconds(static_cast<int>(game.frameDelay));
        return dialog.dialogOpen == 1;
    }

    // The die rolled again from its first face to its `count`-th at once
    // (the race's random source taken back to where the roll began).
    void RollAgainTo(int count) {
        roll_ = DieRoll();
        while (roll_.facesRolled < count) AdvanceDie(game.dialog, roll_);
        ShowFace(w_, roll_.face);
    }
    int FacesRolled() const { return roll_.facesRolled; }

    DialogOutcome Outcome() const { return {outcome_.result, roll_.facesRolled}; }

private:
    const MessageWindow& w_;
    core::vector3df anchor_;
    int highlightedCar_;
    video::SColor colour_;
    MessageCountdown& countdown_;
    ScriptedAnswer* script_;
    Voice rattle_;
    DieRoll roll_;
    DialogOutcome outcome_;
};

DialogOutcome RunDialogLoop(const MessageWindow& w, const core::vector3df& anchor, int highlightedCar,
                            video::SColor colour, MessageCountdown& countdown, ScriptedAnswer* script) {
    DialogFrames frames(w, anchor, highlightedCar, colour, countdown, script);
    while (frames.Step()) {
    }
    return frames.Outcome();
}

// The message's window, shown while one lives: its text, place and
// controls, and the count-down of a message that closes by itself.
class ShownWindow {
public:
    ShownWindow(const std::wstring& text, const core::vector3df& anchor, bool placeNearAnchor, bool scripted)
        : w_(TheMessageWindow()) {
        DialogState& dialog = game.dialog;
        w_.button->setText(L"Fermer");
        SetDialogOpaque(true, false);
        w_.text->setText(text.substr(0, kMaxDialogText).c_str());
        // A text too long for the small window is shown whole in the large one.
        enlarged_ = !DialogLayoutIsLarge() && w_.text->getTextHeight() > w_.text->getRelativePosition().getHeight();
        if (enlarged_) DialogLayout(true);
        if (placeNearAnchor) PlaceMessageWindow(w_, anchor, dialog.aboutCar);
        RememberPlace(w_, dialog.aboutCar);
        dialog.dialogOpen = 1;
        ShowControls(w_, dialog);
        // What a replay shows was decided already: its buttons are not the
        // watcher's to press.
        if (scripted) {
            if (dialog.dieFaces != 0) w_.button->setVisible(false);
            for (int i = 1; i <= 4; ++i) w_.choices[i]->setEnabled(false);
        }
        w_.window->setVisible(true);
        game.guiEnvironment->getRootGUIElement()->bringToFront(w_.window);
        countdown = MessageCountdown(ClosesByItself(dialog) ? ReadingTimeMs(w_.text->getText()) : 0);
    }
    ~ShownWindow() {
        w_.button->setVisible(true);
        for (int i = 1; i <= 4; ++i) w_.choices[i]->setEnabled(true);
        w_.window->setVisible(false);
        SetDialogOpaque(false, false);
        if (enlarged_) DialogLayout(false);
    }
    ShownWindow(const ShownWindow&) = delete;
    ShownWindow& operator=(const ShownWindow&) = delete;
    const MessageWindow& Window() const { return w_; }

    MessageCountdown countdown{0};

private:
    const MessageWindow& w_;
    bool enlarged_ = false;
};

// The message shown in the window until it is answered or closes.
DialogOutcome RunWindow(const std::wstring& text, const core::vector3df& anchor, int highlightedCar,
                        bool placeNearAnchor, u32 colour, ScriptedAnswer* script) {
    ShownWindow shown(text, anchor, placeNearAnchor, script != nullptr);
    return RunDialogLoop(shown.Window(), anchor, highlightedCar, video::SColor(colour), shown.countdown, script);
}

// While one lives, the frames spent waiting for another machine show it.
class WaitingScreen {
public:
    explicit WaitingScreen(FrameHook frame) { SetWaitingScreen(std::move(frame)); }
    ~WaitingScreen() { SetWaitingScreen(nullptr); }
    WaitingScreen(const WaitingScreen&) = delete;
    WaitingScreen& operator=(const WaitingScreen&) = delete;
};

// A die rolled by a person at another machine rolls here from the moment
// his does, and stops where he stopped it: the faces rolled while his stop
// was awaited are drawn again from the race's random source once it comes
// (the roll goes on to his stop, or comes back to it), so the race draws
// exactly what his did.
int RollAlongWithTheRoller(const std::wstring& text, const core::vector3df& anchor, int highlightedCar,
                           bool placeNearAnchor, u32 colour, const std::function<int()>& awaitStop) {
    ScriptedAnswer script;  // no stop yet: the die rolls on
    ShownWindow shown(text, anchor, placeNearAnchor, true);
    DialogFrames frames(shown.Window(), anchor, highlightedCar, video::SColor(colour), shown.countdown, &script);
    int stop = 0;
    {
        RandomUntouched rolledWhileWaiting;
        WaitingScreen screen([&frames] { frames.Step(); });
        stop = awaitStop();
    }
    frames.RollAgainTo(std::min(frames.FacesRolled(), stop));
    script.facesRolled = stop;
    while (frames.Step()) {
    }
    return frames.Outcome().result;
}

// A decision answered without the window's own loop (the record of a
// replay, a stand-in for the person): the die stopped after the faces
// decided, drawn without a window or shown rolling in it.
int ShowDecided(const std::wstring& text, const core::vector3df& anchor, int highlightedCar,
                bool placeNearAnchor, u32 colour, int decided) {
    const DialogState& dialog = game.dialog;
    if (dialogsAnswerThemselves)
        return dialog.choiceState > 0 ? decided : RollStoppedDie(dialog.dieFaces, decided);
    ScriptedAnswer script;
    if (dialog.choiceState > 0) {
        script.answer = decided;
        script.reading = MessageCountdown(ReadingTimeMs(text));
    } else {
        script.facesRolled = decided;
    }
    return RunWindow(text, anchor, highlightedCar, placeNearAnchor, colour, &script).result;
}

// The question's answer or the die's face. The person decides in the
// window; without one, the first answer is taken and the die stopped at once.
int DecideInWindow(const std::wstring& text, const core::vector3df& anchor, int highlightedCar,
                   bool placeNearAnchor, u32 colour) {
    const DialogState& dialog = game.dialog;
    const RaceEventKind kind = dialog.choiceState > 0 ? RaceEventKind::Answer : RaceEventKind::DieStop;
    bool asked = false;
    int result = 0;
    auto ask = [&] {
        if (dialogsAnswerThemselves) return dialog.choiceState > 0 ? 1 : 0;
        asked = true;
        const DialogOutcome outcome = RunWindow(text, anchor, highlightedCar, placeNearAnchor, colour, nullptr);
        result = outcome.result;
        return kind == RaceEventKind::Answer ? outcome.result : outcome.facesRolled;
    };
    std::vector<int> answers;
    for (int i = 1; i <= dialog.choiceState && i <= 4; ++i) answers.push_back(i);
    if (kind == RaceEventKind::DieStop && !dialogsAnswerThemselves && DecidedOnAnotherMachine(dialog.aboutCar))
        return RollAlongWithTheRoller(text, anchor, highlightedCar, placeNearAnchor, colour,
                                      [&] { return Decide(kind, dialog.aboutCar, ask, answers); });
    const int decided = Decide(kind, dialog.aboutCar, ask, answers);
    return asked ? result : ShowDecided(text, anchor, highlightedCar, placeNearAnchor, colour, decided);
}

void CloseDialogState(DialogState& dialog) {
    dialog.dialogOpen = 0;
    dialog.dieFaces = 0;
    dialog.dieState = 0;
    dialog.dieTarget = 0;
    dialog.choiceState = 0;
    dialog.aboutCar = 0;
}
}  // namespace

core::position2di DialogPlacement(int anchorX, int w, int h, int sw, int sh) {
    const int left = anchorX <= sw / 2 ? (sw / 2 - w) / 2 + sw / 2 : (sw / 2 - w) / 2;
    int top = (sh / 2 - h) / 2;
    if (top < 20) top = (sh - h) / 2;
    return {left, top};
}

void SetDialogsAnswerThemselves(bool answer) { dialogsAnswerThemselves = answer; }
bool DialogsAnswerThemselves() { return dialogsAnswerThemselves; }

int DiceDialog(const std::wstring& text, int x, int y, int z, int highlightedCar,
               bool placeNearAnchor, u32 colour) {
    DialogState& dialog = game.dialog;
    const core::vector3df anchor(static_cast<f32>(x), static_cast<f32>(y), static_cast<f32>(z));
    dialog.messagesShown += 1;
    int result = 0;
    if (dialog.dieFaces > 0 || dialog.choiceState > 0) {
        result = DecideInWindow(text, anchor, highlightedCar, placeNearAnchor, colour);
    } else if (!dialogsAnswerThemselves) {
        RunWindow(text, anchor, highlightedCar, placeNearAnchor, colour, nullptr);
    }
    CloseDialogState(dialog);
    return result;
}
