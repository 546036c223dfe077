// "LANCER": the race setup's checks, in the order the player is told them.
#include <string>

#include "core/game_state.h"
#include "menus/net_setup.h"
#include "menus/race_cars.h"
#include "menus/race_setup_screen.h"
#include "ui/notice.h"

namespace {


// One answer however many rows repeat a pilot.
bool SamePilotTwice(const RaceSetupScreen& s) {
    const int rows = RaceCarLimit();
    for (int i = 1; i <= rows; ++i)
        for (int j = 1; j <= rows; ++j)
            if (i != j && PilotChosenHere(s, i) != 0 && PilotChosenHere(s, i) == PilotChosenHere(s, j)) return true;
    return false;
}

int RowsWithPilot(const RaceSetupScreen& s) {
    int count = 0;
    for (int i = 1; i <= RaceCarLimit(); ++i) count += PilotChosenHere(s, i) != 0 || IsRemoteRow(s, i);
    return count;
}

// Why the remote rows cannot race yet: a place still waits for its player,
// or a joiner's pilot is now chosen in a row too. Empty when they can.
std::wstring RemoteRowsRefusal(const RaceSetupScreen& s) {
    int rows = 0, joined = 0;
    for (int i = 1; i <= RaceCarLimit(); ++i) {
        if (!IsRemoteRow(s, i)) continue;
        ++rows;
        const NetPilot* joiner = JoinerOfRow(s, i);
        if (!joiner) continue;
        ++joined;
        const std::wstring refusal = RefusalBesideRows(s, *joiner);
        if (!refusal.empty()) return refusal;
    }
    if (joined < rows)
        return L"En attente des joueurs à distance : " + std::to_wstring(joined) + L" venu(s) sur " +
               std::to_wstring(rows) + L".";
    return L"";
}

bool Refuse(const std::wstring& message) {
    ShowNotice(message);
    return false;
}

// The rows with a pilot become cars 1..k in row order; returns k.
int LoadChosenPilots(const RaceSetupScreen& s) {
    int k = 0;
    for (int i = 1; i <= RaceCarLimit(); ++i) {
        const int pilot = PilotChosenHere(s, i);
        const RaceSetupRow& row = s.rows[i];
        if (const NetPilot* joiner = JoinerOfRow(s, i)) {
            LoadJoinerCar(++k, *joiner, ColourWord(Selected(row.colour)));
            continue;
        }
        if (pilot == 0 || pilot >= static_cast<int>(s.pilotNames.size())) continue;
        LoadRaceCar(++k, s.pilotNames[pilot], ColourWord(Selected(row.colour)),
                    DriverOfItem(Selected(row.driver)));
    }
    return k;
}
}  // namespace

bool LaunchRace(const RaceSetupScreen& s) {
    bool valid = true;
    if (SamePilotTwice(s)) valid = Refuse(kSamePilotTwice);
    if (Selected(s.circuit) == 0) valid = Refuse(kChooseCircuitAndPilots);
    if (valid && RowsWithPilot(s) < 2) valid = Refuse(kAtLeastTwoPilots);
    if (valid) {
        const std::wstring remote = RemoteRowsRefusal(s);
        if (!remote.empty()) valid = Refuse(remote);
    }
    if (!valid) return false;
    const int cars = LoadChosenPilots(s);
    for (const std::wstring& refusal : IntegrityRefusals(cars)) valid = Refuse(refusal);
    if (!valid) return false;
    game.decorEnabled = s.decor->isChecked() ? 1 : 0;
    game.carCount = cars;
    game.raceStart = 1;
    return true;
}
