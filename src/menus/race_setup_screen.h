// The race setup's widgets and what it remembers between frames.
#pragma once

#include <irrlicht.h>

#include <string>
#include <vector>

constexpr int kRaceSetupRows = 20;

struct RaceSetupRow {
    irr::gui::IGUIComboBox* pilot = nullptr;   // "Aucun pilote", then the pilots
    irr::gui::IGUIComboBox* colour = nullptr;  // "rouge", "bleu", "vert", "jaune"
    irr::gui::IGUIComboBox* driver = nullptr;  // "Humain", "IA", "IA combative"
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
};

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
