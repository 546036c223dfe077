// "LANCER": the race setup's checks, in the order the player is told them.
#include "core/game_state.h"
#include "menus/race_cars.h"
#include "menus/race_setup_screen.h"
#include "ui/notice.h"

namespace {
int PilotIn(const RaceSetupScreen& s, int row) { return Selected(s.rows[row].pilot); }

// The driver combo's items in order: "Humain", "IA", "IA combative".
Driver DriverChosen(irr::gui::IGUIComboBox* combo) {
    switch (Selected(combo)) {
    case 1: return Driver::Computer;
    case 2: return Driver::FightingComputer;
    default: return Driver::Person;
    }
}

// One answer however many rows repeat a pilot.
bool SamePilotTwice(const RaceSetupScreen& s) {
    const int rows = RaceCarLimit();
    for (int i = 1; i <= rows; ++i)
        for (int j = 1; j <= rows; ++j)
            if (i != j && PilotIn(s, i) != 0 && PilotIn(s, i) == PilotIn(s, j)) return true;
    return false;
}

int RowsWithPilot(const RaceSetupScreen& s) {
    int count = 0;
    for (int i = 1; i <= RaceCarLimit(); ++i) count += PilotIn(s, i) != 0;
    return count;
}

bool Refuse(const std::wstring& message) {
    ShowNotice(message);
    return false;
}

// The rows with a pilot become cars 1..k in row order; returns k.
int LoadChosenPilots(const RaceSetupScreen& s) {
    int k = 0;
    for (int i = 1; i <= RaceCarLimit(); ++i) {
        const int pilot = PilotIn(s, i);
        if (pilot == 0 || pilot >= static_cast<int>(s.pilotNames.size())) continue;
        const RaceSetupRow& row = s.rows[i];
        LoadRaceCar(++k, s.pilotNames[pilot], ColourWord(Selected(row.colour)),
                    DriverChosen(row.driver));
    }
    return k;
}
}  // namespace

bool LaunchRace(const RaceSetupScreen& s) {
    bool valid = true;
    if (SamePilotTwice(s)) valid = Refuse(kSamePilotTwice);
    if (Selected(s.circuit) == 0) valid = Refuse(kChooseCircuitAndPilots);
    if (valid && RowsWithPilot(s) < 2) valid = Refuse(kAtLeastTwoPilots);
    if (!valid) return false;
    const int cars = LoadChosenPilots(s);
    for (const std::wstring& refusal : IntegrityRefusals(cars)) valid = Refuse(refusal);
    if (!valid) return false;
    game.decorEnabled = s.decor->isChecked() ? 1 : 0;
    game.carCount = cars;
    game.raceStart = 1;
    return true;
}
