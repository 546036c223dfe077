#include "rules/oil_projector.h"

#include "core/fitted_gadgets.h"
#include "core/game_state.h"
#include "rules/gadget_charges.h"
#include "scene/game_sounds.h"
#include "ui/car_message.h"

namespace {
// A person confirms; a computer driver has chosen to spray and says so.
bool ConfirmSpray(int index) {
    const CarRecord& car = game.cars[index];
    if (!IsComputerDriven(car))
        return AskAboutCar(L"Vous aller laisser sur le terrain une traînée d'huile tout le long "
                           L"du mouvement que vous allez effectuer ce tour ci. Confirmer ?",
                           index, L"Oui", L"Non") == 1;
    TellAboutCar(car.pilotName + L" active son projecteur d'huile : une traînée d'huile suivra tout son "
                                 L"mouvement ce tour ci.\n",
                 index);
    return true;
}
}  // namespace

void SprayOil(int index) {
    if (CountGadgets(L"Cartouche d'huile", index, kAllSides, L"sup", 0) == 0) return;
    if (!ConfirmSpray(index)) return;
    SpendChargeOfChosenSide(index, L"Cartouche d'huile",
                            L"Vous avez des cartouches d'huile disponibles sur plusieurs côtés, "
                            L"laquelle souhaitez vous utiliser :");
    CarRecord& car = game.cars[index];
    car.oilSprayed = 1;
    car.hasActed = 1;
    PlayAtCar(Sound::Oil, index);
}
