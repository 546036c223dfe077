#include "core/event_receiver.h"

#include "core/cursor.h"
#include "core/game_state.h"
#include "core/race_keys.h"
#include "core/text_input.h"
#include "platform/window_keyboard.h"

using namespace irr;

bool IsMenuId(int id) {
    return (id >= 10001 && id <= 10009) || (id >= 10010 && id <= 10015) ||
           (id >= 10020 && id <= 10024) || id == 10030 || id == 10040 || id == 10050 ||
           id == 20000 || id == 20011 || id == 20021 || id == 20030 || id == 20031 || id == 20043;
}

namespace {
// Action request set by each race-screen button, or -1.
int ActionRequestFor(int id) {
    switch (id) {
        case gui_id::Nitro: return RequestNitro;
        case gui_id::FrontGun: return RequestFrontGun;
        case gui_id::RearGun: return RequestRearGun;
        case gui_id::OilProjector: return RequestOilProjector;
        case gui_id::Grenade: return RequestGrenade;
        case gui_id::Pistol: return RequestPistol;
        case gui_id::Bazooka: return RequestBazooka;
        case gui_id::Quit: return RequestQuit;
        case gui_id::SaveRace: return RequestSave;
        default: return -1;
    }
}

void OnButtonClicked(int id) {
    DialogState& dialog = game.dialog;
    if (id == gui_id::MessageButton) {
        if (dialog.dieFaces == 0)
            dialog.dialogOpen = 0;
        else
            dialog.dieState = 1;
    } else if (id >= gui_id::Choice1 && id <= gui_id::Choice4) {
        dialog.choiceState = 11 + (id - gui_id::Choice1);
    } else if (id == gui_id::ViewCar) {
        game.cameraCommand = 1;
    } else if (id == gui_id::CentreCamera) {
        game.cameraCommand = 2;
    } else if (ActionRequestFor(id) >= 0) {
        game.actionRequests[ActionRequestFor(id)] = 1;
    } else if (IsMenuId(id)) {
        game.lastGuiId = id;
    }
}
}  // namespace

bool GameEventReceiver::OnEvent(const SEvent& event) {
    switch (event.EventType) {
        case EET_GUI_EVENT: return OnGuiEvent(event.GUIEvent);
        case EET_MOUSE_INPUT_EVENT: return OnMouseEvent(event.MouseInput);
        case EET_KEY_INPUT_EVENT: return OnKeyEvent(event.KeyInput);
        default: return false;
    }
}

namespace {
ButtonClickedHook buttonClickedHook = nullptr;
}  // namespace

void SetButtonClickedHook(ButtonClickedHook hook) { buttonClickedHook = hook; }

bool GameEventReceiver::OnGuiEvent(const SEvent::SGUIEvent& event) {
    const int id = event.Caller ? event.Caller->getID() : -1;
    if (event.EventType == gui::EGET_BUTTON_CLICKED && buttonClickedHook) buttonClickedHook();
    if (event.EventType == gui::EGET_CHECKBOX_CHANGED &&
        (id == gui_id::AutoEndTurn || id == gui_id::ShowIntersections ||
         id == gui_id::HideWalls || id == gui_id::ShowTrail || id == gui_id::ShowRisks)) {
        game.lastGuiId = id;
        return true;
    }
    if (event.EventType != gui::EGET_BUTTON_CLICKED) return false;
    if (id == gui_id::EndTurn) {
        game.lastGuiId = id;
        return true;
    }
    OnButtonClicked(id);
    return false;
}

bool GameEventReceiver::OnMouseEvent(const SEvent::SMouseInput& event) {
    MouseState& mouse = game.mouse;
    switch (event.Event) {
        case EMIE_LMOUSE_PRESSED_DOWN:
            mouse.leftHeld = 1;
            mouse.leftClicked = 1;
            return false;
        case EMIE_LMOUSE_LEFT_UP:
            mouse.leftHeld = 0;
            return false;
        case EMIE_RMOUSE_PRESSED_DOWN: {
            if (mouse.rightHeld) return false;
            const core::position2di at = CursorPosition();
            mouse.rightHeld = 1;
            mouse.rightPressX = static_cast<f32>(at.X);
            mouse.rightPressY = static_cast<f32>(at.Y);
            return true;
        }
        case EMIE_RMOUSE_LEFT_UP: {
            const core::position2di at = CursorPosition();
            mouse.rightHeld = 0;
            mouse.pickRequest = static_cast<f32>(at.X) == mouse.rightPressX &&
                                static_cast<f32>(at.Y) == mouse.rightPressY;
            return true;
        }
        case EMIE_MOUSE_WHEEL:
            if (event.Wheel < 0) mouse.wheelZoom -= 10;
            if (event.Wheel > 0) mouse.wheelZoom += 10;
            return true;
        default: return false;
    }
}

bool GameEventReceiver::OnKeyEvent(const SEvent::SKeyInput& event) {
    if (game.inMenu) return TypedByTextInput(event);
    const unsigned key = static_cast<unsigned>(event.Key);
    if (key >= sizeof game.keyDown) return true;
    // The keyboard repeats a held key's presses: only the first one counts.
    const bool newPress = event.PressedDown && !game.keyDown[key];
    game.keyDown[key] = event.PressedDown ? 1 : 0;
    // Where the window's keys are read from the X server, the race keys come
    // from there, in the layout in use.
    if (newPress && !WindowKeyboardOpen()) PressRaceKey(RaceKeyOfEngineKey(event.Key));
    return true;
}
