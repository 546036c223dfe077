// The race over the network a menu screen prepared (hosted from the race
// setup with every place taken, or joined and started from the join
// screen), handed from the menus to the race.
#pragma once

#include <memory>

#include "files/net_race.h"

void KeepNetworkRace(std::unique_ptr<NetRace> race);
// The race kept, once; null when the menus prepared none.
std::unique_ptr<NetRace> TakeNetworkRace();
