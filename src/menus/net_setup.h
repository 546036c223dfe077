// A race over the network set up on the host, in the game as in the
// simulator: the joiners' pilots checked as the race setup checks the
// host's own, their cars added after the host's, and who decides each car
// once they are numbered.
#pragma once

#include <string>
#include <vector>

#include "files/net_race.h"
#include "menus/quick_race.h"

struct HostedRace {
    std::wstring circuit;
    bool decor = false;
    std::vector<QuickRacePilot> pilots;  // the host's own
};

// Why a joiner's pilot cannot race beside the host's pilots; empty when he can.
std::wstring JoinerRefusal(const NetPilot& pilot, const std::vector<QuickRacePilot>& hostPilots);

// Loads a joiner's pilot into car `car`, in the colour `colour` and with
// his own driver.
void LoadJoinerCar(int car, const NetPilot& joiner, const std::wstring& colour);

// Loads the circuit, the host's pilots, then a car per joiner (colours in
// turn, his driver), checked as the race setup does; the refusals.
std::vector<std::wstring> SetUpHostedCars(const HostedRace& race, const std::vector<NetPilot>& joiners);

// Who decides each car once the cars are numbered: a joiner his pilot's,
// the host its persons', every machine alike the host's computers'.
std::vector<int> CarSeats(const std::vector<NetPilot>& joiners);
