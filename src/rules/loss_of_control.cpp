#include "rules/loss_of_control.h"

#include "core/game_state.h"
#include "ui/car_message.h"

void LossOfControlTest(int index, const std::wstring& failureText, int anchorCar) {
    CarRecord& car = game.cars[index];
    const std::wstring number = std::to_wstring(index);
    const int roll = RollTestForCar(L"Voiture : " + number +
                                        L" \n Veuillez faire un test de pilotage pour savoir si vous "
                                        L"perdez le contrôle de votre voiture pour le prochain tour :",
                                    index, car.drivingSkill, false, anchorCar);
    const bool computer = IsComputerDriven(car);
    std::wstring text;
    if (roll > car.drivingSkill) {
        text = computer ? car.pilotName + failureText
                        : L"Voiture : " + number + L"\nVous ne controlerez pas votre véhicule ";
        car.skidPending = 1;
    } else {
        text = computer ? car.pilotName + L" réussi son test de pilotage et contrôle son véhicule.\n"
                        : L"Voiture : " + number + L"\nVous controlez votre véhicule ";
    }
    DiceDialogAboutCar(text, index, anchorCar);
}
