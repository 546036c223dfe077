#include "rules/move_choice.h"

#include <cmath>
#include <limits>
#include <string>
#include <vector>

#include "core/cursor.h"
#include "core/decisions.h"
#include "core/fitted_gadgets.h"
#include "core/frame_pump.h"
#include "core/game_state.h"
#include "core/random.h"
#include "platform/clock.h"
#include "rules/gadget_charges.h"
#include "rules/move_candidates.h"
#include "rules/move_execution.h"
#include "rules/move_risks.h"
#include "scene/camera_control.h"
#include "scene/cross_markers.h"
#include "scene/game_sounds.h"
#include "scene/race_frame.h"
#include "ui/car_message.h"
#include "ui/dice_dialog.h"
#include "ui/hud.h"
#include "ui/race_screen.h"

using namespace irr;

namespace {
constexpr int kStatusFrames = 100;
constexpr f32 kPickRadius = 220.0f;

// The marker nearest to the cursor on screen, within 220 pixels, or null.
scene::ISceneNode* NearestMarker(core::position2di cursor) {
    scene::ISceneNode* nearest = nullptr;
    f32 best = std::numeric_limits<f32>::max();
    for (int k = 1; k <= 9; ++k) {
        scene::ISceneNode* node = game.crossMarkers[k].node;
        if (!node || !node->isVisible()) continue;
        const core::position2di at = ScreenPosition(node->getAbsolutePosition());
        const f32 distance = static_cast<f32>(at.getDistanceFrom(cursor));
        if (distance < kPickRadius && distance < best) {
            best = distance;
            nearest = node;
        }
    }
    return nearest;
}

// The marker number the player clicked, or 0 when the click was on no marker
// (the status line then says what was under the cursor).
int PickedMarker() {
    const core::position2di cursor = CursorPosition();
    ScreenPosition({0, 0, 0});  // brings the camera's view up to date for the pick
    scene::ISceneNode* node = game.sceneManager->getSceneCollisionManager()
                                  ->getSceneNodeFromScreenCoordinatesBB(cursor, kMarkerPickId);
    if (!node) node = NearestMarker(cursor);
    if (!node) {
        ShowStatus(L"Pas de Node", kStatusFrames, false);
        return 0;
    }
    const std::string name = std::string(node->getName()).substr(0, 30);
    if (name.compare(0, 5, "Croix") != 0) {
        ShowStatus(std::wstring(name.begin(), name.end()), kStatusFrames, false);
        return 0;
    }
    std::string digits = name.size() >= 3 ? name.substr(name.size() - 3) : name;
    while (!digits.empty() && digits[0] == '0') digits.erase(0, 1);
    ShowStatus(L"Croix sélectionnée n°" + std::wstring(digits.begin(), digits.end()),
               kStatusFrames, false);
    const int k = std::atoi(digits.c_str());
    return (k >= 1 && k <= 9) ? k : 0;
}

// One frame of a choice loop.
void ChoiceFrame() {
    PumpFrameOrEnd();
    RunRaceScreenEventHandler();
    CameraControl();
    DrawRaceFrame();
    SleepMilliseconds(static_cast<int>(game.frameDelay));
}

int SelectedMarker() {
    for (int k = 1; k <= 9; ++k)
        if (game.crossMarkers[k].selected) return k;
    return 0;
}

// A cross taken by a click or a key: the first time it is selected, the
// second time confirmed. True when confirmed.
bool TakeMarker(int index, int k) {
    if (game.crossMarkers[k].selected) return true;
    SelectMarker(k, game.cars[index].colourName);
    return false;
}

// The cross of a keypad digit, when it is shown; the status line says which.
int MarkerOfKey(int digit) {
    const int k = MarkerOfPadDigit(digit);
    const scene::ISceneNode* node = k ? game.crossMarkers[k].node : nullptr;
    if (!node || !node->isVisible()) return 0;
    ShowStatus(L"Croix sélectionnée n°" + std::to_wstring(k), kStatusFrames, false);
    return k;
}

// The keyboard's part of the choice: a keypad digit takes its cross, Return
// confirms the selected one. The confirmed marker, or 0.
int MarkerChosenByKeys(int index) {
    KeyRequests& keys = game.keys;
    const int digit = keys.padDigit;
    const bool confirm = keys.confirm;
    keys.padDigit = 0;
    keys.confirm = 0;
    if (const int k = digit ? MarkerOfKey(digit) : 0)
        if (TakeMarker(index, k)) return k;
    return confirm ? SelectedMarker() : 0;
}

// "Voir risques" followed during the choice: the crosses coloured again when
// the box changes or a cross is selected (-1: to be coloured again).
void FollowRiskBox(int index, int& shown) {
    const int wanted = game.cars[index].showRisks;
    if (wanted == shown) return;
    shown = wanted;
    ColourCrosses(index, wanted != 0);
}

// Two clicks on the same cross: the first selects it, the second confirms;
// or a keypad digit, then the same digit or Return. Returns the confirmed
// marker, or 0 when an action button ended the choice.
int ChooseMarker(int index) {
    game.mouse.leftHeld = 0;
    game.mouse.leftClicked = 0;
    game.keys = KeyRequests();
    int risksShown = 0;  // the crosses come without risk colours
    for (;;) {
        FollowRiskBox(index, risksShown);
        const int selected = SelectedMarker();
        if (game.mouse.leftHeld || game.mouse.leftClicked) {
            game.mouse.leftClicked = 0;
            const int k = PointOnRaceScreenControls(CursorPosition()) ? 0 : PickedMarker();
            if (k > 0 && TakeMarker(index, k)) return k;
            if (k > 0) game.mouse.leftHeld = 0;
        }
        if (const int k = MarkerChosenByKeys(index)) return k;
        if (SelectedMarker() != selected) risksShown = -1;
        ChoiceFrame();
        if (AnyActionRequest()) {
            HideChoiceMarkers();
            return 0;
        }
    }
}
}  // namespace

bool RecordMove(int index, int cellX, int cellY) {
    CarRecord& car = game.cars[index];
    car.prevCellX = car.cellX;
    car.prevCellY = car.cellY;
    car.cellX = static_cast<f32>(cellX);
    car.cellY = static_cast<f32>(cellY);
    car.AppendTrailPoint(car.cellX, car.cellY);
    car.hasMoved = 1;
    car.targetX = -1;
    car.targetY = -1;
    const bool spin = car.pendingMoveFlag;
    car.pendingMoveFlag = 0;
    return spin;
}

void CommitMove(int index, int k) {
    HideChoiceMarkers();
    const CrossMarker& marker = game.crossMarkers[k];
    ResolveMove(index, RecordMove(index, marker.cellX, marker.cellY));
}

namespace {
// The person's cross, asked on the screen or fed by a replay; 0 when a
// button ended the choice.
int DecideMarker(int index) {
    std::vector<int> shown;
    for (int k = 1; k <= 9; ++k)
        if (game.crossMarkers[k].node && game.crossMarkers[k].node->isVisible()) shown.push_back(k);
    const int k = Decide(RaceEventKind::Cross, index, [index] { return ChooseMarker(index); }, shown);
    if (k == 0) HideChoiceMarkers();
    return k;
}
}  // namespace

void ChooseMove(int index) {
    BuildCandidates(index, 1);
    const int k = DecideMarker(index);
    if (k > 0) CommitMove(index, k);
}

void ChooseNitroMove(int index) {
    if (CountGadgets(L"Nitro", index, kAllSides, L"sup", 0) == 0) {
        DiceDialogAboutCar(L"Vous n'avez plus de nitro chargée.\n", index);
        return;
    }
    BuildCandidates(index, 2);
    const int k = DecideMarker(index);
    if (k == 0) {
        // Pressing Nitro again cancels the Nitro move.
        if (game.actionRequests[RequestNitro]) ClearActionRequests();
        return;
    }
    SpendChargeOfChosenSide(
        index, L"Nitro",
        L"Vous avez des nitros disponibles sur plusieurs côtés, laquelle souhaitez vous utiliser :");
    CommitMove(index, k);
}

void SkidMove(int index) {
    BuildCandidates(index, 1);
    const int k = DieFormula(9);
    const CarRecord& car = game.cars[index];
    SelectMarker(k, car.colourName);
    const std::wstring text =
        IsComputerDriven(car) ? car.pilotName + L" dérape ici" : std::wstring(L"Vous dérapez ici");
    const scene::ISceneNode* node = game.crossMarkers[k].node;
    const core::vector3df at = node ? node->getAbsolutePosition() : core::vector3df(-1, -1, -1);
    game.dialog.aboutCar = index;
    DiceDialog(text, static_cast<int>(at.X), static_cast<int>(at.Y), static_cast<int>(at.Z), -1,
               true, car.colour);
    PlayAtCar(Sound::Tyres, index);
    CommitMove(index, k);
}
