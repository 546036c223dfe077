#include "rules/bazooka_reload.h"

#include <vector>

#include "core/fitted_gadgets.h"
#include "core/game_state.h"
#include "ui/car_message.h"

void ReloadBazooka(int index) {
    std::vector<int> sides, positions;
    if (FindGadgets(L"Bazooka", index, SideMisc, L"sup", 0, L"", 0, L"", 0, sides, positions) == 0)
        return;
    game.cars[index].sides[SideMisc].gadgets[positions[1]].charges = 0;
    TellAboutCar(ForDriver(index, L"Bazooka rechargé", game.cars[index].pilotName + L" recharge son bazooka."),
                 index);
    game.cars[index].hasActed = 1;
}
