// Races over the network in the game's window, started from the command
// line or prepared by the menus: the host waits for its players on a screen that shows who has
// come, then plays the race with them; a joiner waits for the start, then
// plays the host's race with his pilot. While another machine decides, the
// race is shown and the status line says who is awaited; a message about a
// car played elsewhere closes by itself.
#pragma once

#include "files/net_race.h"
#include "menus/quick_race.h"

// With the game window open. 0 once the race is over or left, 1 when it
// could not start or stopped (the reason shown in the window).
int HostNetworkRace(const QuickRaceOptions& options);
int JoinNetworkRace(const QuickRaceOptions& options);

// The race hosted (every place taken) or joined (started by the host) from
// the menus, played with the other machines.
int PlayHostedRace(NetRace& session);
int PlayJoinedRace(NetRace& session);
