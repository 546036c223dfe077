#include "core/race_keys.h"

#include <algorithm>

#include "core/event_receiver.h"
#include "core/game_device.h"
#include "core/game_state.h"
#include "platform/audio.h"
#include "platform/window_keyboard.h"

using namespace irr;

namespace {
// Whether a person could click the element: it and its parents are shown,
// and it is enabled.
gui::IGUIElement* Clickable(int id) {
    if (!game.guiEnvironment) return nullptr;
    gui::IGUIElement* element = game.guiEnvironment->getRootGUIElement()->getElementFromId(id, true);
    if (!element || !element->isEnabled()) return nullptr;
    for (const gui::IGUIElement* e = element; e; e = e->getParent())
        if (!e->isVisible()) return nullptr;
    return element;
}

// The event that a click on the element sends to the game's receiver: a
// button is clicked, a check box changes its tick.
void Click(int id) {
    gui::IGUIElement* element = Clickable(id);
    if (!element) return;
    SEvent event{};
    event.EventType = EET_GUI_EVENT;
    event.GUIEvent.Caller = element;
    event.GUIEvent.EventType = gui::EGET_BUTTON_CLICKED;
    if (element->getType() == gui::EGUIET_CHECK_BOX) {
        auto* box = static_cast<gui::IGUICheckBox*>(element);
        box->setChecked(!box->isChecked());
        event.GUIEvent.EventType = gui::EGET_CHECKBOX_CHANGED;
    }
    TheEventReceiver().OnEvent(event);
}

constexpr int kRosterLetter = 'L';  // the roster of the race shown or hidden
constexpr int kMuteLetter = 'O';    // the sound cut and given back

int ColumnControlOfLetter(int letter) {
    for (const ColumnKey& key : ColumnKeys())
        if (key.letter == letter) return key.guiId;
    return 0;
}

void PressConfirm() {
    if (game.paused && RaceOnlyWatched()) {
        // One turn, then the pause again.
        game.paused = 0;
        game.pauseAtNextTurn = 1;
    } else if (game.dialog.dialogOpen) {
        Click(gui_id::MessageButton);
    } else {
        game.keys.confirm = 1;
    }
}

void ChangeWatchSpeed(bool faster) {
    if (!RaceOnlyWatched()) return;
    game.watchSpeed = faster ? std::min(game.watchSpeed * 2, 8) : std::max(game.watchSpeed / 2, 1);
}
}  // namespace

const std::vector<ColumnKey>& ColumnKeys() {
    // Free of the camera's keys Z, Q, S, D, P and M.
    static const std::vector<ColumnKey> keys = {
        {gui_id::EndTurn, 'F'},      {gui_id::AutoEndTurn, 'U'}, {gui_id::ShowIntersections, 'I'},
        {gui_id::ShowTrail, 'V'},    {gui_id::HideWalls, 'C'},   {gui_id::Quit, 'X'},
        {gui_id::SaveRace, 'E'},     {gui_id::ShowRisks, 'K'},
        {gui_id::Nitro, 'N'},        {gui_id::FrontGun, 'A'},    {gui_id::RearGun, 'R'},
        {gui_id::OilProjector, 'H'}, {gui_id::Grenade, 'G'},     {gui_id::Pistol, 'T'},
        {gui_id::Bazooka, 'B'},
    };
    return keys;
}

void PressRaceKey(const RaceKey& key) {
    switch (key.kind) {
        case RaceKey::Confirm: PressConfirm(); break;
        case RaceKey::Space:
            if (RaceOnlyWatched()) game.paused = !game.paused;
            else if (game.dialog.dialogOpen) Click(gui_id::MessageButton);
            break;
        case RaceKey::Escape: game.keys.escape = 1; break;
        case RaceKey::Digit:
            if (game.dialog.dialogOpen && key.value <= 4) Click(gui_id::Choice1 + key.value - 1);
            break;
        case RaceKey::Pad: game.keys.padDigit = key.value; break;
        case RaceKey::Letter:
            if (key.value == kRosterLetter) game.rosterShown = !game.rosterShown;
            else if (key.value == kMuteLetter) SetAudioMuted(!AudioMuted());
            else if (const int id = ColumnControlOfLetter(key.value)) Click(id);
            break;
        case RaceKey::CameraHome: game.keys.cameraHome = 1; break;
        case RaceKey::Faster: ChangeWatchSpeed(true); break;
        case RaceKey::Slower: ChangeWatchSpeed(false); break;
        case RaceKey::NoKey: break;
    }
}

RaceKey RaceKeyOfEngineKey(EKEY_CODE key) {
    if (key == KEY_RETURN) return {RaceKey::Confirm, 0};
    if (key == KEY_SPACE) return {RaceKey::Space, 0};
    if (key == KEY_ESCAPE) return {RaceKey::Escape, 0};
    if (key == KEY_HOME) return {RaceKey::CameraHome, 0};
    if (key >= KEY_KEY_1 && key <= KEY_KEY_9) return {RaceKey::Digit, key - KEY_KEY_0};
    if (key >= KEY_NUMPAD1 && key <= KEY_NUMPAD9) return {RaceKey::Pad, key - KEY_NUMPAD0};
    if (key >= KEY_KEY_A && key <= KEY_KEY_Z) return {RaceKey::Letter, key - KEY_KEY_A + 'A'};
    if (key == KEY_PLUS || key == KEY_ADD) return {RaceKey::Faster, 0};
    if (key == KEY_MINUS || key == KEY_SUBTRACT) return {RaceKey::Slower, 0};
    return {};
}

void DeliverRaceKeys() {
    if (!WindowKeyboardOpen()) return;
    const std::vector<RaceKey> keys = TakeRaceKeys();
    if (game.inMenu) return;
    for (const RaceKey& key : keys) PressRaceKey(key);
}
