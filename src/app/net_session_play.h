// A race over the network played on this machine, in the game's window as
// in the simulator: the other machines' seats answer for their cars, this
// machine writes its own players' pilot files only, and whatever stops the
// race (a machine gone or leaving, the machines no longer playing the same
// race) is told, the race's save kept to be resumed here; the link is
// closed at the end.
#pragma once

#include <functional>
#include <string>

#include "files/net_race.h"

struct NetSessionWays {
    std::function<void()> waitingFrame;  // each frame spent waiting for another machine
    std::function<void()> everyFrame;    // each frame of the race (none: only while waiting)
    std::function<void()> finishing;     // each frame while the others finish (none: nothing)
    std::function<void(const std::wstring&)> tellStop;  // why the race stopped, for the players
};

// Plays the race through `play` with the other machines. 0 once it ran to
// its end (the others told, the link closed), 1 when it stopped (told).
// The race's record is left for the caller to read, then stop.
int PlayNetSession(NetRace& session, const NetSessionWays& ways, const std::function<void()>& play);
