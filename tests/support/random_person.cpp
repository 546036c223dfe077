#include "support/random_person.h"

#include "core/fitted_gadgets.h"
#include "core/game_state.h"
#include "race/computer_driver.h"

namespace {
// The buttons of the race column a person may press, with the gadget that
// shows each.
struct ButtonGadget {
    int request;
    const wchar_t* gadget;
};
const ButtonGadget kButtons[] = {
    {RequestNitro, L"Nitro"},           {RequestFrontGun, L"Mitrailleuse avant"},
    {RequestRearGun, L"Mitrailleuse arrière"}, {RequestOilProjector, L"Projecteur d'huile"},
    {RequestGrenade, L"Lance Grenades"}, {RequestPistol, L"Pistolet"},
    {RequestBazooka, L"Bazooka"},
};

bool Carries(int car, int request) {
    for (const ButtonGadget& button : kButtons)
        if (button.request == request) return CountGadgets(button.gadget, car, kAllSides) > 0;
    return false;
}
}  // namespace

void RandomPerson::Reseed(RaceEventKind kind, int car, int value) {
    std::seed_seq seq{seed_, static_cast<unsigned>(RaceRecord().size()), static_cast<unsigned>(kind),
                      static_cast<unsigned>(car), static_cast<unsigned>(value)};
    random_.seed(seq);
}

int RandomPerson::Choose(RaceEventKind kind, int car, const std::vector<int>& offered) {
    Reseed(kind, car, static_cast<int>(offered.size()));
    if (kind == RaceEventKind::DieStop) return Uniform(0, 60);
    if (kind == RaceEventKind::Cross) return Cross(car, offered);
    return offered.empty() ? 0 : offered[static_cast<size_t>(Uniform(0, static_cast<int>(offered.size()) - 1))];
}

bool RandomPerson::Take(RaceEventKind kind, int car, int value) {
    Reseed(kind, car, value);
    if (kind == RaceEventKind::EndTurn) return Uniform(0, 3) > 0;
    if (value == pressed_) {
        pressed_ = -1;
        return true;
    }
    return Carries(car, value) && Uniform(0, 40) == 0;
}

// Half the time the cross the computer would take, else any; now and then
// a button of the column instead, pressed during the choice.
int RandomPerson::Cross(int car, const std::vector<int>& offered) {
    const int roll = Uniform(0, 19);
    if (roll == 0) {
        const ButtonGadget& button = kButtons[Uniform(0, 6)];
        if (Carries(car, button.request)) {
            pressed_ = button.request;
            return 0;
        }
    }
    if (roll < 10 || offered.empty()) return ComputerChoice(car);
    return offered[static_cast<size_t>(Uniform(0, static_cast<int>(offered.size()) - 1))];
}
