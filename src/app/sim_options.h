// The options of skarvoll3d-sim, the race simulator:
//   skarvoll3d-sim --circuit NOM [--pilot NOM[:IA|:IAC] ...] [--courses N] [--graine S] [--ecrire]
//                  [--journaux DOSSIER]
//   skarvoll3d-sim --verifier JOURNAL...
//   skarvoll3d-sim --heberger PORT --circuit NOM [--pilot ...] [--distants N] [--graine S] [--journaux DOSSIER]
//                  [--absence S]
//   skarvoll3d-sim --rejoindre HOTE:PORT --pilot NOM[:IA|:IAC] [--journaux DOSSIER]
// A pilot is driven by the computer that only drives ("IA"), unless ":IAC"
// gives him to the computer that also fights.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "menus/quick_race.h"

struct SimOptions {
    bool help = false;
    std::wstring circuit;
    std::vector<QuickRacePilot> pilots;  // empty: every pilot that fits the circuit
    int races = 1;
    bool seedGiven = false;
    uint32_t seed = 0;
    bool write = false;  // --ecrire: the pilot files change as after real races
    std::string journalFolder;  // --journaux: one journal per race written there
    std::vector<std::string> journalsToCheck;  // --verifier: journals replayed and checked
    // A race over the network: hosted on a port (0: any free port) with
    // places for joiners, or joined at an address and port.
    bool hosting = false;
    int hostPort = 0;
    int places = 1;
    std::string joinAddress;  // empty: not joining
    int joinPort = 0;
    int waitSeconds = 120;  // for the joiners, or for the host's start
    int absenceSeconds = 30;  // for a joiner who no longer answers, before the computer takes his cars
};

std::string SimUsage();

// Reads the options; false, with a French message in `error`, for an unknown
// option, a missing or wrong value, or no circuit.
bool ParseSimArgs(int argc, char** argv, SimOptions& options, std::string& error);
