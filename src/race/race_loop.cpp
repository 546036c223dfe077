#include "race/race_loop.h"

#include <functional>

#include "core/decisions.h"
#include "core/fitted_gadgets.h"
#include "core/frame_pump.h"
#include "core/game_state.h"
#include "core/random.h"
#include "files/race_pilot_results.h"
#include "platform/clock.h"
#include "race/computer_fighter.h"
#include "race/computer_move_times.h"
#include "race/end_turn.h"
#include "race/race_input.h"
#include "rules/bazooka_reload.h"
#include "rules/grenade.h"
#include "rules/hand_weapon.h"
#include "rules/machine_gun.h"
#include "rules/move_choice.h"
#include "rules/oil_projector.h"
#include "scene/camera_control.h"
#include "scene/race_frame.h"
#include "ui/car_message.h"
#include "ui/dice_dialog.h"
#include "ui/hud.h"
#include "ui/race_screen.h"

namespace {
const wchar_t* const kAlreadyMoved = L"Vous vous êtes déjà déplacé ce tour çi";
const wchar_t* const kAlreadyActed = L"Vous avez déjà effectué votre action ce tour ci";
const wchar_t* const kOilAlreadyOn = L"Vous avez déjà activé le projecteur d'huile pour ce tour";
const wchar_t* const kOilAfterMove =
    L"Vous devez activer le projecteur d'huile AVANT votre mouvement\n";
const wchar_t* const kBazookaTooFast =
    L"Vous devez être en vitesse 1 ou à l'arrêt pour pouvoir recharger votre bazooka";

void Refuse(const wchar_t* text) { DiceDialogUnanchored(text, kOpaqueGreen); }

// Takes a request: true when the current car's driver pressed its button
// (in a replay, when the record says so), which clears it.
bool TakeRequest(ActionRequest request) {
    const bool set = game.actionRequests[request] != 0;
    game.actionRequests[request] = 0;
    return DecideIfTaken(RaceEventKind::Button, game.currentCar, request, set);
}

void ChooseWheelSide(int index) {
    CarRecord& car = game.cars[index];
    if (!IsComputerDriven(car)) {
        game.dialog.choiceLabels[1] = L"Gauche";
        game.dialog.choiceLabels[2] = L"Droite";
        game.dialog.choiceState = 2;
        const int answer = DiceDialogAboutCar(
            car.pilotName +
                L" vous avez un système de volant double.\nDe quel côté souhaitez vous "
                L"l'installer pour cette course ?\n",
            index);
        car.wheelSide = answer == 1 ? L"Gauche" : L"Droite";
        return;
    }
    car.wheelSide = Rand() / 16383 == 1 ? L"Gauche" : L"Droite";
    DiceDialogAboutCar(car.pilotName +
                           L" dispose d'un système de volant double et a choisi de l'installer du côté " +
                           car.wheelSide + L".\n",
                       index);
}

// The machine guns, the pistol and the grenades: used by the current car when
// it has not used its action this turn.
void ShotRequest(ActionRequest request, irr::gui::IGUIButton* button,
                 const std::function<void(int)>& fire) {
    if (!TakeRequest(request)) return;
    if (game.cars[game.currentCar].hasActed) return Refuse(kAlreadyActed);
    ButtonHighlight highlight(button);
    fire(game.currentCar);
}

void BazookaRequest() {
    if (!TakeRequest(RequestBazooka)) return;
    const int index = game.currentCar;
    const CarRecord& car = game.cars[index];
    if (car.hasActed) {
        Refuse(kAlreadyActed);
        return;
    }
    const bool loaded = BazookaLoaded(index);
    if (!loaded && !SlowEnoughToReload(index)) {
        Refuse(kBazookaTooFast);
        return;
    }
    if (!loaded) {
        ButtonHighlight reloading(raceScreen.bazooka);
        ReloadBazooka(index);
        return;
    }
    ButtonHighlight highlight(raceScreen.bazooka);
    FireHandWeapon(index, L"Bazooka");
}

void OilRequest() {
    if (!TakeRequest(RequestOilProjector)) return;
    const CarRecord& car = game.cars[game.currentCar];
    if (car.oilSprayed)
        Refuse(kOilAlreadyOn);
    else if (car.hasMoved)
        Refuse(kOilAfterMove);
    else {
        ButtonHighlight highlight(raceScreen.oilProjector);
        SprayOil(game.currentCar);
    }
}

void NitroRequest() {
    if (!TakeRequest(RequestNitro)) return;
    if (game.cars[game.currentCar].hasMoved) {
        Refuse(kAlreadyMoved);
        return;
    }
    ButtonHighlight highlight(raceScreen.nitro);
    ChooseNitroMove(game.currentCar);
}

void QuitRequest() {
    // Whoever watches a replay leaves it at once: it changes nothing.
    if (Replaying() && game.actionRequests[RequestQuit]) {
        game.actionRequests[RequestQuit] = 0;
        game.quitToMenu = 1;
        return;
    }
    if (!TakeRequest(RequestQuit)) return;
    game.dialog.choiceLabels[1] = L"Oui";
    game.dialog.choiceLabels[2] = L"Non";
    game.dialog.choiceState = 2;
    const int answer = DiceDialogUnanchored(
        L"Etes vous sûr de vouloir retourner au menu sans finir la course et sans sauvegarder ?",
        kOpaqueWhite);
    if (answer == 1) game.quitToMenu = 1;
}

// "Sauvegarder": the race stops where it stands, to be resumed later.
void SaveRequest() {
    const bool asked = game.actionRequests[RequestSave] != 0;
    game.actionRequests[RequestSave] = 0;
    if (!asked || Replaying()) return;
    game.savedToResume = 1;
    game.quitToMenu = 1;
}

// Each turn shows its car: a person finds the car to play, and sees a
// computer drive. Until the current car has moved, the camera stands over it
// as "Centrer Caméra" puts it, unless the player has moved the camera since
// the turn began.
void FollowCurrentCar() {
    const CarRecord& car = game.cars[game.currentCar];
    if (car.hasMoved || game.cameraMovedByPlayer) return;
    PlaceCameraNearCar(game.currentCar);
}

// The first turn starts over car 1 as every later turn starts over its car
// (EndTurn): what the mouse did before the race, such as the wheel turned
// over the race setup's lists, is no camera move of that turn.
void ForgetCameraInputsBeforeTheRace() {
    game.mouse.wheelZoom = 0;
    game.mouse.rightHeld = 0;
    game.cameraMovedByPlayer = 0;
}

// The current car's move, chosen by the player or by the computer; a
// fighting computer may act before it (a shot that makes it lose control
// turns its move into a slide).
void CurrentCarMoves() {
    const int index = game.currentCar;
    const CarRecord& car = game.cars[index];
    if (car.hasMoved || car.skidPending) return;
    if (!IsComputerDriven(car)) {
        ChooseMove(index);
        return;
    }
    FightBeforeMove(index);
    if (!car.skidPending) TimedComputerMove(index);
}

void FightAfterCurrentMove() { FightAfterMove(game.currentCar); }

void MachineGunRequests() {
    ShotRequest(RequestFrontGun, raceScreen.frontGun,
                [](int car) { FireMachineGun(car, GunMount::Front); });
    ShotRequest(RequestRearGun, raceScreen.rearGun,
                [](int car) { FireMachineGun(car, GunMount::Rear); });
}

void PistolRequest() {
    ShotRequest(RequestPistol, raceScreen.pistol, [](int car) { FireHandWeapon(car, L"Pistolet"); });
}

void GrenadeRequest() {
    ShotRequest(RequestGrenade, raceScreen.grenade, [](int car) { FireGrenade(car); });
}

void PendingSkid() {
    CarRecord& car = game.cars[game.currentCar];
    if (car.hasMoved || !car.skidPending) return;
    car.skidPending = 0;
    SkidMove(game.currentCar);
}

void AutoEndTurn() {
    const CarRecord& car = game.cars[game.currentCar];
    if (car.hasMoved && DecideIfTaken(RaceEventKind::EndTurn, game.currentCar, 0, car.autoEndTurn))
        EndTurn();
}
}  // namespace

void StartRace() {
    DrawRaceFrame();
    for (int i = 1; i <= game.carCount; ++i)
        if (CountGadgets(L"Volant double", i, kAllSides) > 0) ChooseWheelSide(i);
}

bool RaceFrame() {
    // The work of one frame, in order. The race is left as soon as it is
    // over or the player quits: a "Fin Tour" that ends the race must not let
    // the next car play in the same frame. A paused race is only watched.
    static void (*const steps[])() = {
        CameraControl,    HandleRaceScreenEvents, FollowCurrentCar, CurrentCarMoves,
        NitroRequest,     MachineGunRequests,     PistolRequest,    BazookaRequest,
        GrenadeRequest,   OilRequest,             PendingSkid,      FightAfterCurrentMove,
        AutoEndTurn,      QuitRequest,            SaveRequest,
    };
    for (void (*step)() : steps) {
        if (game.paused && step != CameraControl && step != HandleRaceScreenEvents &&
            step != QuitRequest && step != SaveRequest)
            continue;
        step();
        if (game.quitToMenu) return false;
    }
    DrawRaceFrame();
    SleepMilliseconds(static_cast<int>(game.frameDelay));
    return true;
}

void RunRace() {
    RememberRacePilots();
    CreateRaceScreen();
    SetHudDrawer(UpdateHud);
    SetRaceScreenEventHandler(HandleRaceScreenEvents);
    MarkPickableNodes();
    ForgetCameraInputsBeforeTheRace();
    StartRace();
    CheckState(RaceEventKind::TurnStart, game.currentCar, game.roundNumber);
    while (PumpFrame())
        if (!RaceFrame()) break;
}
