#include "rules/oil_projector.h"

#include "core/fitted_gadgets.h"
#include "core/game_state.h"
#include "rules/gadget_charges.h"
#include "ui/car_message.h"

void SprayOil(int index) {
    if (CountGadgets(L"Cartouche d'huile", index, kAllSides, L"sup", 0) == 0) return;
    const int answer = AskAboutCar(L"Vous aller laisser sur le terrain une traînée d'huile tout le long "
                                   L"du mouvement que vous allez effectuer ce tour ci. Confirmer ?",
                                   index, L"Oui", L"Non");
    if (answer != 1) return;
    SpendChargeOfChosenSide(index, L"Cartouche d'huile",
                            L"Vous avez des cartouches d'huile disponibles sur plusieurs côtés, "
                            L"laquelle souhaitez vous utiliser :");
    CarRecord& car = game.cars[index];
    car.oilSprayed = 1;
    car.hasActed = 1;
}
