#include "rules/grenade.h"

#include <cstdlib>
#include <string>

#include "core/fitted_gadgets.h"
#include "core/game_state.h"
#include "core/random.h"
#include "platform/text.h"
#include "rules/damage.h"
#include "rules/firing_geometry.h"
#include "rules/gadget_charges.h"
#include "rules/shot_impact.h"
#include "scene/cross_markers.h"
#include "scene/game_sounds.h"
#include "ui/car_message.h"

namespace {
const wchar_t* const kLauncher = L"Lance Grenades";

bool Loaded(int index, int side) { return CountGadgets(kLauncher, index, side, L"sup", 0) > 0; }

// The rear launcher (true) or the front one.
bool ChooseRearLauncher(int index) {
    if (Loaded(index, SideFront) && Loaded(index, SideRear))
        return AskAboutCar(L"Lequel de vos deux Lance Grenades souhaitez vous utiliser ?\n", index,
                           L"Arrière", L"Avant") == 1;
    return !Loaded(index, SideFront);
}

// Whether the player throws at the nine cells shown; a computer thrower has
// already chosen to, and says so.
bool ConfirmThrow(int index) {
    const CarRecord& car = game.cars[index];
    if (!IsComputerDriven(car))
        return AskAboutCar(L"Voulez vous lancer une grenade qui touchera les 9 cases suivantes ?\n", index,
                           L"Oui", L"Non") == 1;
    TellAboutCar(car.pilotName + L" lance une grenade qui touchera les 9 cases marquées.\n", index);
    return true;
}

// Car `index` takes a d4 on each of two different faces drawn at random,
// rolled by the thrower.
void HitByGrenade(int thrower, int index) {
    const int first = RollDie(4);
    int second = RollDie(4);
    while (second == first) second = RollDie(4);
    const CarRecord& car = game.cars[index];
    const std::wstring firstName = car.sides[first].sideName, secondName = car.sides[second].sideName;
    TellAboutCar(L"Voiture " + IntText(index) + L" touchée.\n\n" + L"Les deux côtés touchés sont le côté " +
                     firstName + L" et le côté " + secondName + L".\n" +
                     ForDriver(thrower, L"\nVeuillez lancer 1 dé à 4 faces de dégats pour chacun de ces côtés.\n",
                               L""),
                 thrower, index);
    const int firstPoints = RollForCar(L"Dégâts du côté " + firstName + L".\n", thrower, 4, index);
    const int secondPoints = RollForCar(L"Dégâts du côté " + secondName + L".\n", thrower, 4, index);
    ApplyDamage(index, first, firstPoints);
    ApplyDamage(index, second, secondPoints);
    ShotImpactTest(index);
}

void ThrowGrenade(int index, int side, CellStep centre) {
    SpendFirstCharge(index, kLauncher, side);
    const f32 cell = static_cast<f32>(game.circuit.cellSize);
    PlayAtPoint(Sound::Grenade, {static_cast<f32>(centre.x) * cell, 0, static_cast<f32>(centre.y) * cell});
    const int skill = game.cars[index].shootingSkill;
    if (RollTestForCar(L"Test de tir :\n", index, skill, true) <= skill) {
        for (int i = 1; i <= game.carCount; ++i)
            if (InGrenadeBlast(i, centre)) HitByGrenade(index, i);
    } else {
        TellAboutCar(ForDriver(index, L"Tir loupé\n",
                               L"Tir loupé : la grenade de " + game.cars[index].pilotName +
                                   L" n'atteint pas sa cible.\n"),
                     index);
    }
    game.cars[index].hasActed = 1;
}
}  // namespace

bool GrenadeLauncherLoaded(int index, bool rear) { return Loaded(index, rear ? SideRear : SideFront); }

CellStep GrenadeBlastCentre(int index, bool rear) {
    CellStep v = FiringVector(index, false);
    if (std::abs(v.x) <= 1 && std::abs(v.y) <= 1) v = {2 * v.x, 2 * v.y};
    const int direction = rear ? -1 : 1;
    const CarRecord& car = game.cars[index];
    return {static_cast<int>(car.cellX + direction * v.x), static_cast<int>(car.cellY + direction * v.y)};
}

bool InGrenadeBlast(int index, CellStep centre) {
    const CarRecord& car = game.cars[index];
    return car.inRace && std::abs(static_cast<int>(car.cellX - centre.x)) <= 1 &&
           std::abs(static_cast<int>(car.cellY - centre.y)) <= 1;
}

void ThrowGrenadeFrom(int index, bool rear) {
    if (!GrenadeLauncherLoaded(index, rear)) return;
    const CellStep centre = GrenadeBlastCentre(index, rear);
    ShowMarkerBlock(centre.x, centre.y, game.cars[index].colourName);
    if (ConfirmThrow(index)) ThrowGrenade(index, rear ? SideRear : SideFront, centre);
    HideChoiceMarkers();
}

void FireGrenade(int index) {
    if (!Loaded(index, kAllSides)) return;
    ThrowGrenadeFrom(index, ChooseRearLauncher(index));
}
