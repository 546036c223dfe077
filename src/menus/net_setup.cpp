#include "menus/net_setup.h"

#include "core/game_state.h"
#include "files/pilot_file.h"
#include "menus/race_cars.h"

namespace {
constexpr int kScratchCar = 0;  // the joiners' pilots are checked in it

bool KnownDriver(const std::wstring& word) { return word == L"Humain" || word == L"IA" || word == L"IAC"; }
}  // namespace

std::wstring JoinerRefusal(const NetPilot& pilot, const std::vector<QuickRacePilot>& hostPilots) {
    if (!KnownDriver(pilot.driver)) return L"Conducteur inconnu : " + pilot.driver + L".";
    for (const QuickRacePilot& own : hostPilots)
        if (own.name == pilot.name) return L"Le pilote " + pilot.name + L" est déjà dans la course.";
    if (!ReadPilotFileBytes(kScratchCar, pilot.fileBytes) || game.cars[kScratchCar].pilotName != pilot.name ||
        ComputeSecu(kScratchCar) != game.cars[kScratchCar].secu)
        return pilot.name + L" est invalide : son Xml semble avoir été modifié à la main";
    return L"";
}

void LoadJoinerCar(int car, const NetPilot& joiner, const std::wstring& colour) {
    ReadPilotFileBytes(car, joiner.fileBytes);
    game.cars[car].colourName = colour;
    game.cars[car].controller = joiner.driver;
}

std::vector<std::wstring> SetUpHostedCars(const HostedRace& hosted, const std::vector<NetPilot>& joiners) {
    QuickRaceOptions race;
    race.circuit = hosted.circuit;
    race.decor = hosted.decor;
    race.pilots = hosted.pilots;
    race.joiningCars = static_cast<int>(joiners.size());
    std::vector<std::wstring> refusals = SetUpQuickRace(race);
    if (!refusals.empty()) return refusals;
    int car = game.carCount;
    for (const NetPilot& joiner : joiners) {
        ++car;
        LoadJoinerCar(car, joiner, ColourWord((car - 1) % kColourWordCount));
    }
    game.carCount = car;
    return IntegrityRefusals(car);
}

std::vector<int> CarSeats(const std::vector<NetPilot>& joiners) {
    std::vector<int> seats;
    for (int i = 1; i <= game.carCount; ++i) {
        int seat = IsComputerDriven(game.cars[i]) ? kSeatEveryMachine : kSeatHost;
        for (const NetPilot& joiner : joiners)
            if (joiner.name == game.cars[i].pilotName) seat = joiner.seat;
        seats.push_back(seat);
    }
    return seats;
}
