#include "menus/network_race.h"

#include <utility>

namespace {
std::unique_ptr<NetRace> kept;
}

void KeepNetworkRace(std::unique_ptr<NetRace> race) { kept = std::move(race); }

std::unique_ptr<NetRace> TakeNetworkRace() { return std::move(kept); }
