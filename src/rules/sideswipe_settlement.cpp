#include "core/game_state.h"
#include "rules/damage.h"
#include "rules/side_words.h"
#include "rules/sideswipes.h"
#include "scene/game_sounds.h"
#include "ui/car_message.h"

namespace {
// Messages of a sideswipe are anchored at the moving car.
void Tell(const std::wstring& text, int about, int mover) {
    DiceDialogAboutCar(text, about, mover);
}

// A piloting test to avoid the sideswipe; true when it is avoided.
bool AvoidanceTest(int index, int mover) {
    const CarRecord& car = game.cars[index];
    const int roll =
        RollTestForCar(L"Test de pilotage pour éviter la touchette\n", index, car.drivingSkill, true, mover);
    const bool avoided = roll <= car.drivingSkill;
    if (IsComputerDriven(car))
        Tell(car.pilotName + (avoided ? L" réussi à esquiver la touchette.\n"
                                      : L" loupe son test de pilotage.\n"),
             index, mover);
    return avoided;
}

// Whether the car tries to avoid it: the computer always does, a person
// answers "Oui" or "Non".
bool TriesToAvoid(int index, int mover, const std::wstring& question) {
    const CarRecord& car = game.cars[index];
    if (!car.inRace) return false;
    if (IsComputerDriven(car)) {
        Tell(car.pilotName + L" souhaite éviter la touchette.\n", index, mover);
        return true;
    }
    return AskAboutCar(question, index, L"Oui", L"Non", mover) == 1;
}

void BrushWall(int index, const CollisionEvent& event) {
    const CarRecord& car = game.cars[index];
    const int roll = RollTestForCar(
        L"Touchette avec le mur. Veuillez faire un test de pilotage pour éviter les dégâts", index, car.drivingSkill,
        true);
    const bool failed = roll > car.drivingSkill;
    if (IsComputerDriven(car))
        Tell(car.pilotName + (failed ? L" fait un test de touchette avec le mur et le loupe.\n"
                                     : L" fait un test de touchette avec le mur et le réussi.\n"),
             index, index);
    if (failed) ApplyDamage(index, SideIndexOfWord(event.moverSide), event.damageToMover);
}

void BrushCar(int a, const CollisionEvent& event) {
    const int b = event.otherCar;
    const std::wstring moverQuestion = L"Voiture " + std::to_wstring(a) + L" : \n" +
                                       L"Souhaitez vous éviter la touchette ?";
    if (TriesToAvoid(a, a, moverQuestion) && AvoidanceTest(a, a)) return;
    const std::wstring otherQuestion = L"Voiture " + std::to_wstring(b) + L" :\n" + L"Le véhicule " +
                                       std::to_wstring(a) +
                                       L" est parti pour vous toucher, souhaitez vous éviter la touchette ?";
    if (TriesToAvoid(b, a, otherQuestion) && AvoidanceTest(b, a)) return;
    if (game.cars[a].inRace) ApplyDamage(a, SideIndexOfWord(event.moverSide), event.damageToMover);
    if (game.cars[b].inRace) ApplyDamage(b, SideIndexOfWord(event.otherSide), event.damageToOther);
}
}  // namespace

void SettleSideswipe(int car, const CollisionEvent& event) {
    PlayAtCar(event.kind == CollisionKind::LightWall ? Sound::WallHit : Sound::CarHit, car, ImpactLoudness(0));
    if (event.kind == CollisionKind::LightWall) {
        if (game.cars[car].inRace) BrushWall(car, event);
    } else if (event.kind == CollisionKind::LightCar) {
        BrushCar(car, event);
    }
}
