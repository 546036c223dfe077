// Races over the network without a window: the simulator hosts a race of
// its computer drivers and waits for joiners, or joins a hosted race with
// one pilot driven by the computer on this machine. Each machine writes its
// journal and, with --ecrire, its own pilots' files only. What the tests
// and soak runs of the network use.
#pragma once

#include "app/sim_options.h"

// Exit codes: 0 when the race ran to its end, 1 when it stopped (a
// difference between machines, a machine gone), 2 when it could not start.
int HostSimulatedRace(const SimOptions& options);
int JoinSimulatedRace(const SimOptions& options);
