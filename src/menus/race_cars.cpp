#include "menus/race_cars.h"

#include <algorithm>

#include "core/game_state.h"
#include "files/pilot_file.h"

const wchar_t* const kSamePilotTwice = L"Vous ne pouvez pas avoir 2 fois le même pilote en jeu.";
const wchar_t* const kChooseCircuitAndPilots =
    L"Vous devez choisir un circuit et mettre des pilotes en jeu.";
const wchar_t* const kAtLeastTwoPilots = L"Vous devez mettre au moins 2 pilotes en jeu.";

const wchar_t* DriverItem(int item) {
    static const wchar_t* const kItems[kDriverItemCount] = {L"Humain", L"IA", L"IA combative"};
    return kItems[std::clamp(item, 0, kDriverItemCount - 1)];
}

Driver DriverOfItem(int item) {
    switch (item) {
        case 1: return Driver::Computer;
        case 2: return Driver::FightingComputer;
        default: return Driver::Person;
    }
}

const wchar_t* ColourWord(int item) {
    static const wchar_t* const kWords[kColourWordCount] = {L"rouge", L"bleu", L"vert", L"jaune"};
    return kWords[std::clamp(item, 0, kColourWordCount - 1)];
}

int RaceCarLimit() { return std::clamp(game.circuit.circuitMaxCars, 0, kMaxCars); }

void LoadRaceCar(int car, const std::wstring& pilot, const std::wstring& colour, Driver driver) {
    ReadPilotFile(car, pilot);
    game.cars[car].colourName = colour;
    game.cars[car].controller = DriverWord(driver);
}

std::vector<std::wstring> IntegrityRefusals(int count) {
    std::vector<std::wstring> refusals;
    for (int j = 1; j <= count; ++j)
        if (ComputeSecu(j) != game.cars[j].secu)
            refusals.push_back(game.cars[j].pilotName +
                               L" est invalide : son Xml semble avoir été modifié à la main");
    return refusals;
}
