#include "rules/shot_impact.h"

#include <string>

#include "core/game_state.h"
#include "platform/text.h"
#include "ui/car_message.h"

void ShotImpactTest(int index) {
    CarRecord& car = game.cars[index];
    if (car.skidPending || !car.inRace) return;
    const bool computer = IsComputerDriven(car);
    const int roll = RollTestForCar(L"Voiture " + IntText(index) + L" :\n" +
                                        L"Veuillez faire un test de pilotage pour savoir si ce tir vous "
                                        L"fait déraper\n",
                                    index, car.drivingSkill, false, 0, false);
    std::wstring text;
    if (roll <= car.drivingSkill) {
        text = computer ? car.pilotName + L" stabilise son véhicule sans problème.\n"
                        : L"Vous stabilisez votre véhicule sans problème.\n";
    } else {
        text = computer ? car.pilotName +
                              L" loupe son test de pilotage et l'impact lui fait perdre le contrôle "
                              L"de son véhicule.\n"
                        : L"L'impact vous fait perdre le contrôle de votre véhicule.\n";
        car.skidPending = 1;
        car.pendingMoveFlag = 1;
    }
    TellAboutCar(text, index, 0, false);
}
