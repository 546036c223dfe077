#include "rules/bazooka_reload.h"

#include <cmath>
#include <vector>

#include "core/fitted_gadgets.h"
#include "core/game_state.h"
#include "ui/car_message.h"

bool BazookaLoaded(int index) { return CountGadgets(L"Bazooka", index, SideMisc, L"ega", 0) > 0; }

bool BazookaFired(int index) { return CountGadgets(L"Bazooka", index, SideMisc, L"sup", 0) > 0; }

bool SlowEnoughToReload(int index) {
    const CarRecord& car = game.cars[index];
    return std::abs(car.cellX - car.prevCellX) <= 1 && std::abs(car.cellY - car.prevCellY) <= 1;
}

void ReloadBazooka(int index) {
    std::vector<int> sides, positions;
    if (FindGadgets(L"Bazooka", index, SideMisc, L"sup", 0, L"", 0, L"", 0, sides, positions) == 0)
        return;
    game.cars[index].sides[SideMisc].gadgets[positions[1]].charges = 0;
    TellAboutCar(ForDriver(index, L"Bazooka rechargé", game.cars[index].pilotName + L" recharge son bazooka."),
                 index);
    game.cars[index].hasActed = 1;
}
