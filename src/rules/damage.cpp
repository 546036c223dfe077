#include "rules/damage.h"

#include <algorithm>
#include <string>

#include "core/fitted_gadgets.h"
#include "core/game_state.h"
#include "core/random.h"
#include "platform/text.h"
#include "rules/race_results.h"
#include "scene/explosion.h"
#include "scene/game_sounds.h"
#include "scene/scene_files.h"
#include "ui/car_message.h"
#include "ui/message_window.h"

namespace {
const std::wstring kReinforcement = L"Renfort Latéral";

bool IsCarIndex(int car) { return car >= 1 && car <= game.carCount; }

// Every armour plate of the side takes one point.
void TakeOnArmour(int car, int side, int& points, std::wstring& report) {
    const int plates = CountGadgets(L"Blindage", car, side);
    if (plates == 1) report += L"Votre Blindage absorbe 1 point.\n\n";
    if (plates > 1) report += L"Vos Blindages absorbent " + IntText(plates) + L" points.\n\n";
    points = std::max(0, points - plates);
}

// The reinforcements in fitting order, each taking what it still can; they
// are numbered over all of them, spent ones included.
void TakeOnReinforcements(int car, int side, int& points, std::wstring& report) {
    if (points <= 0 || CountGadgets(kReinforcement, car, side, L"sup", 0) == 0) return;
    CarSide& s = game.cars[car].sides[side];
    int number = 0;
    for (int position = 1; position <= s.gadgetCount; ++position) {
        GadgetRecord& gadget = s.gadgets[position];
        if (gadget.name != kReinforcement) continue;
        ++number;
        if (gadget.charges <= 0 || points <= 0) continue;
        const int taken = std::min(points, gadget.charges);
        gadget.charges -= taken;
        points -= taken;
        report += L"Renfort Latéral n°" + IntText(number) + L" : Encaisse " + IntText(taken) +
                  L" points (" + IntText(gadget.charges) + L" restants)\n";
    }
    report += L"\n";
}

// The side's structure takes what it can; returns the points that go past
// it, once it is gone, to the gadgets and the pilot.
int TakeOnStructure(CarSide& s, int points, std::wstring& report) {
    const int structure = std::max(0, s.structure);
    const std::wstring& name = s.sideName;
    if (points > structure) {
        report += structure == 0 ? std::wstring(L"Vous n'avez plus de point de structure sur ce côté :")
                                 : L"Les " + IntText(structure) + L" points de structure restants y passent.";
        report += L"\n\n";
        s.structure = 0;
        return points - structure;
    }
    report += IntText(points) + L" points encaissés par la structure " + name + L".\n";
    s.structure = structure - points;
    if (s.structure > 0) {
        report += L"Nb de points restant sur le côté " + name + L" : " + IntText(s.structure);
        return 0;
    }
    report += L"Nb de pts restants sur le côté" + name + L" : 0\n\n";
    report += L"Les prochains points de dégâts qui arriveront sur ce côté détruiront des gadgets qui y "
              L"sont installés, puis passeront sur le pilote.";
    return 0;
}

// Once the structure is gone every point destroys one gadget of the side,
// drawn at random; returns the points left for the pilot.
int DestroyGadgets(int car, int side, int rest, std::wstring& report) {
    const CarSide& s = game.cars[car].sides[side];
    bool destroyedAny = false;
    while (s.gadgetCount > 0 && rest > 0) {
        const int position = DieFormula(s.gadgetCount);
        report += L"(gadget) " + s.gadgets[position].name + L" détruit\n";
        RemoveGadget(car, side, position);
        destroyedAny = true;
        --rest;
    }
    if (!destroyedAny) return rest;
    report += L"\n";
    if (rest == 0 && s.gadgetCount == 0)
        report += L"Il ne reste plus de gadgets sur ce côté. Les prochains points de dégâts passeront "
                  L"sur le pilote\n";
    return rest;
}

void WoundPilot(CarRecord& car, int rest, std::wstring& report) {
    if (rest <= 0) return;
    report += L"Les " + IntText(rest) + L" points de dégâts restants passent sur le pilote\n";
    car.hitPoints = std::max(0, car.hitPoints - rest);
}

std::wstring DamageReport(int car, int side, int points) {
    CarSide& s = game.cars[car].sides[side];
    std::wstring report = L"Voiture : " + IntText(car) + L"\n\n";
    report += IntText(points) + L" point(s) de dégâts arrivent du côté " + s.sideName + L"\n\n";
    TakeOnArmour(car, side, points, report);
    TakeOnReinforcements(car, side, points, report);
    const int rest = DestroyGadgets(car, side, TakeOnStructure(s, points, report), report);
    WoundPilot(game.cars[car], rest, report);
    return report;
}

void ShowBurnt(const CarRecord& car) {
    irr::video::ITexture* burnt = LoadGameTexture(L"\\data\\carbonise.bmp");
    if (car.sceneNode && burnt) car.sceneNode->setMaterialTexture(0, burnt);
}
}  // namespace

void ApplyDamage(int car, int side, int points) {
    if (points < 1 || !IsCarIndex(car) || side < 0 || side >= kSideCount) return;
    DialogLayout(true);
    TellAboutCar(DamageReport(car, side, points), car);
    DialogLayout(false);
    CarRecord& record = game.cars[car];
    // A wreck is burnt out once: its pilot's fate is already settled.
    if (record.hitPoints <= 0 && record.inRace) {
        BurnOutCar(car);
        record.inRace = 0;
    }
}

void BurnOutCar(int car) {
    if (!IsCarIndex(car)) return;
    CarRecord& record = game.cars[car];
    RemoveAllGadgets(car);
    ShowBurnt(record);
    PlayAtCar(Sound::BurnOut, car);
    PlayExplosionAtCar(car);
    PilotFate(car);
    for (int side = SideFront; side <= SideLeft; ++side) record.sides[side].structure = 0;
    record.hitPoints = record.shootingSkill = record.drivingSkill = 0;
    record.inRace = 0;
}
