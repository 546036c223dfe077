// A race started from the command line, without the menus:
//   skarvoll3d --circuit NAME --pilot NAME[:IA|:IAC] --pilot NAME[:IA|:IAC] ...
// ":IA" after a name gives the pilot to the computer that only drives,
// ":IAC" to the computer that also fights; no suffix, to a person.
// The circuit and pilots are checked and loaded as the race setup does.
#pragma once

#include <string>
#include <vector>

#include "core/game_state.h"

struct QuickRacePilot {
    std::wstring name;
    Driver driver = Driver::Person;
};

// A --pilot value: the name, and the driver its suffix gives (":IA" or
// ":IAC", matched exactly at the end); `unmarked` for a name without one.
QuickRacePilot ReadPilotOption(const std::wstring& value, Driver unmarked);

// The port a race over the network is hosted on when none is given.
constexpr int kDefaultNetPort = 7777;

// "HOTE" or "HOTE:PORT": the address and the port (7777 when none is
// given); false when either is missing or wrong.
bool ReadHostAddress(const std::string& value, std::string& address, int& port);
// What the player is told of an address that cannot be read.
std::wstring HostAddressRefusal(const std::string& value);

struct QuickRaceOptions {
    bool help = false;
    bool decor = true;
    std::wstring circuit;
    std::vector<QuickRacePilot> pilots;
    // Cars of players joining over the network, loaded after these pilots:
    // counted with them against the minimum of two and the circuit's places.
    int joiningCars = 0;
    // A race over the network: hosted on a port (0: any free one) for
    // `places` players joining, or joined at an address and port.
    int hostPort = -1;  // -1: not hosting
    int places = 1;
    std::string joinAddress;  // empty: not joining
    int joinPort = kDefaultNetPort;
};

// The usage text printed by --help and after a wrong option.
std::string QuickRaceUsage();

// Reads the options; false, with a French message in `error`, for an
// unknown option or a missing value.
bool ParseQuickRaceArgs(int argc, char** argv, QuickRaceOptions& options, std::string& error);

// Loads the circuit and the pilots into cars 1..N (colours "rouge", "bleu",
// "vert", then "jaune"; "Humain", "IA" or "IAC") and sets carCount, with the race
// setup's checks. Returns the refusal messages; empty when the race may
// start. Needs an engine device (for the file reader).
std::vector<std::wstring> SetUpQuickRace(const QuickRaceOptions& options);

// Reads the options and checks the race without opening a window: false,
// with the exit code to end on, after --help (0) or a refused race or wrong
// options (2, the reasons on standard error). True when the race is loaded
// into the car table and may be played.
bool PrepareQuickRace(int argc, char** argv, QuickRaceOptions& options, int& exitCode);

