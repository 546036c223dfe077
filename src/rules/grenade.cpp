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
#include "ui/car_message.h"

namespace {
const wchar_t* const kLauncher = L"Lance Grenades";

struct Launcher {
    int side;
    int direction;  // +1 ahead of the car, -1 behind it
};

bool Loaded(int index, int side) { return CountGadgets(kLauncher, index, side, L"sup", 0) > 0; }

Launcher ChooseLauncher(int index) {
    const Launcher front{SideFront, 1}, rear{SideRear, -1};
    if (Loaded(index, SideFront) && Loaded(index, SideRear)) {
        const int answer = AskAboutCar(L"Lequel de vos deux Lance Grenades souhaitez vous utiliser ?\n",
                                       index, L"Arrière", L"Avant");
        return answer == 1 ? rear : front;
    }
    return Loaded(index, SideFront) ? front : rear;
}

// The centre of the nine cells: the car's last move from its cell, or two
// cells the way it faces when it stands still; a move of one cell reaches
// two cells too.
CellStep GrenadeCentre(int index, int direction) {
    CellStep v = FiringVector(index, false);
    if (std::abs(v.x) <= 1 && std::abs(v.y) <= 1) v = {2 * v.x, 2 * v.y};
    const CarRecord& car = game.cars[index];
    return {static_cast<int>(car.cellX + direction * v.x), static_cast<int>(car.cellY + direction * v.y)};
}

bool InBlast(const CarRecord& car, CellStep centre) {
    return car.inRace && std::abs(static_cast<int>(car.cellX - centre.x)) <= 1 &&
           std::abs(static_cast<int>(car.cellY - centre.y)) <= 1;
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
                     firstName + L" et le côté " + secondName + L".\n\n" +
                     L"Veuillez lancer 1 dé à 4 faces de dégats pour chacun de ces côtés.\n",
                 thrower, index);
    const int firstPoints = RollForCar(L"Dégâts du côté " + firstName + L".\n", thrower, 4, index);
    const int secondPoints = RollForCar(L"Dégâts du côté " + secondName + L".\n", thrower, 4, index);
    ApplyDamage(index, first, firstPoints);
    ApplyDamage(index, second, secondPoints);
    ShotImpactTest(index);
}

void ThrowGrenade(int index, int side, CellStep centre) {
    SpendFirstCharge(index, kLauncher, side);
    if (RollForCar(L"Test de tir :\n", index, 20) <= game.cars[index].shootingSkill) {
        for (int i = 1; i <= game.carCount; ++i)
            if (InBlast(game.cars[i], centre)) HitByGrenade(index, i);
    } else {
        TellAboutCar(L"Tir loupé\n", index);
    }
    game.cars[index].hasActed = 1;
}
}  // namespace

void FireGrenade(int index) {
    if (!Loaded(index, kAllSides)) return;
    const Launcher launcher = ChooseLauncher(index);
    const CellStep centre = GrenadeCentre(index, launcher.direction);
    ShowMarkerBlock(centre.x, centre.y, game.cars[index].colourName);
    const int answer = AskAboutCar(L"Voulez vous lancer une grenade qui touchera les 9 cases suivantes ?\n",
                                   index, L"Oui", L"Non");
    if (answer == 1) ThrowGrenade(index, launcher.side, centre);
    HideChoiceMarkers();
}
