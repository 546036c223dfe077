// The race setup's widgets and what it remembers between frames.
#pragma once

#include <irrlicht.h>

#include <memory>
#include <string>
#include <vector>

#include "files/net_race.h"

constexpr int kRaceSetupRows = 20;

struct RaceSetupRow {
    irr::gui::IGUIComboBox* pilot = nullptr;   // "Aucun pilote", then the pilots
    irr::gui::IGUIComboBox* colour = nullptr;  // "rouge", "bleu", "vert", "jaune"
    irr::gui::IGUIComboBox* driver = nullptr;  // "Humain", "IA", "IA combative", "À distance"
    irr::gui::IGUIStaticText* remote = nullptr;  // in the pilot's place: who joined for the row
    int lastPilot = 0;
};

struct RaceSetupScreen {
    int x0 = 0, y0 = 0;
    std::vector<std::wstring> circuitNames;  // entries 1..n
    std::wstring loadedCircuit;              // empty while none is chosen
    std::vector<std::wstring> pilotNames;    // entries 1..m
    irr::video::ITexture* thumbnail = nullptr;
    irr::gui::IGUIComboBox* circuit = nullptr;
    irr::gui::IGUICheckBox* decor = nullptr;  // "Activer décor"
    irr::gui::IGUIButton* launch = nullptr;   // "LANCER"
    RaceSetupRow rows[kRaceSetupRows + 1];     // entries 1..20
    // While rows are "À distance": the race hosted for their players, and
    // what the screen says of it.
    std::unique_ptr<NetRace> hosting;
    irr::gui::IGUIStaticText* hostingText = nullptr;
    std::wstring hostingError;
};

// The driver combo's item for a seat kept for a player who joins.
constexpr int kRemoteDriverItem = 3;
// Whether the row is a car of a player who joins over the network.
bool IsRemoteRow(const RaceSetupScreen& screen, int row);
// The row's pilot chosen on this machine (his item, from 1); 0 for none
// and for a remote row, whose pilot is the joiner's.
int PilotChosenHere(const RaceSetupScreen& screen, int row);
// The joiner seated in a remote row (the remote rows take the joiners in
// the order they came); null while the row waits for one.
const NetPilot* JoinerOfRow(const RaceSetupScreen& screen, int row);
// Each frame: hosts the race while rows are "À distance" (the places follow
// their count; none left, the hosting ends), answers the joiners and shows
// who came.
void FollowRemoteRows(RaceSetupScreen& screen);
// Why a joiner's pilot cannot race beside the rows' pilots; empty when he can.
std::wstring RefusalBesideRows(const RaceSetupScreen& screen, const NetPilot& joiner);

// The selected item of a combo box, 0 when none is.
int Selected(irr::gui::IGUIComboBox* combo);

// Adds every widget of the screen, the rows and "LANCER" hidden, and makes
// skin colour 3 opaque.
void AddRaceSetupWidgets(RaceSetupScreen& screen);
// Removes them and gives skin colour 3 back its alpha.
void RemoveRaceSetupWidgets(RaceSetupScreen& screen);

// Hides every row and empties the pilot choices.
void HideAllRows(RaceSetupScreen& screen);

// "LANCER": the checks in order, their messages, and the chosen pilots
// loaded into cars 1..k. True when the race may start (carCount, decor and
// raceStart set).
bool LaunchRace(const RaceSetupScreen& screen);
// The port the race setup hosts its races on: 7777 unless set (0: any free
// port, as tests ask).
void SetHostingPort(int port);
