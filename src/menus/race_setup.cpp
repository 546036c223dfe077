// The race setup: a circuit, then one row per car with its pilot, colour and
// driver, and "LANCER".
#include "core/event_receiver.h"
#include "core/game_state.h"
#include "files/circuit_file.h"
#include "files/file_listing.h"
#include "menus/menu_column.h"
#include "menus/menu_drawing.h"
#include "menus/menu_screens.h"
#include "menus/network_race.h"
#include "menus/race_cars.h"
#include "menus/race_setup_screen.h"
#include "scene/scene_files.h"
#include "ui/notice.h"

using namespace irr;

namespace {
void ForgetCircuit(RaceSetupScreen& s) {
    s.loadedCircuit.clear();
    HideAllRows(s);
    s.launch->setVisible(false);
    s.decor->setVisible(false);
    s.thumbnail = nullptr;
}

void OfferPilots(RaceSetupScreen& s) {
    ListFiles(L"\\pilotes\\", s.pilotNames);
    for (int i = 1; i <= RaceCarLimit(); ++i) {
        RaceSetupRow& row = s.rows[i];
        row.pilot->setVisible(true);
        row.pilot->addItem(L"Aucun pilote");
        for (size_t k = 1; k < s.pilotNames.size(); ++k) row.pilot->addItem(s.pilotNames[k].c_str());
        row.lastPilot = 0;
    }
}

void LoadCircuit(RaceSetupScreen& s, int item) {
    s.loadedCircuit = s.circuitNames[item];
    // A circuit file that says less than another must not inherit its values.
    game.circuit = CircuitData();
    LoadCircuitFile(s.loadedCircuit);
    HideAllRows(s);
    s.decor->setVisible(false);
    OfferPilots(s);
    s.launch->setVisible(true);
    s.decor->setVisible(true);
    s.thumbnail =
        LoadGameTexture(L"\\data\\interface\\thumb_cir_" + game.circuit.circuitName + L".jpg");
}

void FollowCircuitChoice(RaceSetupScreen& s) {
    int item = Selected(s.circuit);
    if (item >= static_cast<int>(s.circuitNames.size())) item = 0;
    if (s.circuitNames[item] == s.loadedCircuit) return;
    if (item == 0)
        ForgetCircuit(s);
    else
        LoadCircuit(s, item);
}

// A row shows its colour and driver once it has a pilot.
void FollowPilotChoices(RaceSetupScreen& s) {
    if (s.loadedCircuit.empty()) return;
    for (int i = 1; i <= RaceCarLimit(); ++i) {
        RaceSetupRow& row = s.rows[i];
        const int pilot = Selected(row.pilot);
        if (pilot == row.lastPilot) continue;
        row.lastPilot = pilot;
        row.colour->setVisible(pilot != 0);
        row.driver->setVisible(pilot != 0);
    }
}

void DrawRaceSetupImages(const RaceSetupScreen& s) {
    DrawStretchedImage(game.menuBackground, core::recti(1, 1, 699, 599),
                       core::recti(s.x0 + 101, s.y0 + 1, s.x0 + 798, s.y0 + 598));
    DrawStretchedImage(s.thumbnail, core::recti(0, 0, 243, 243),
                       core::recti(s.x0 + 527, s.y0 + 66, s.x0 + 770, s.y0 + 309));
}

// One frame; false once the screen must close.
bool RaceSetupFrame(RaceSetupScreen& s) {
    if (MenuColumnFrame()) return false;
    UpkeepNotice();
    if (game.lastGuiId == gui_id::Launch) {
        game.lastGuiId = 0;
        if (LaunchRace(s)) {
            if (s.hosting) KeepNetworkRace(std::move(s.hosting));
            return false;
        }
    }
    FollowCircuitChoice(s);
    FollowPilotChoices(s);
    FollowRemoteRows(s);
    DrawMenuScreen(s.x0, s.y0, [&s] { DrawRaceSetupImages(s); }, true);
    return true;
}
}  // namespace

void RaceSetup(int x0, int y0) {
    RaceSetupScreen screen;
    screen.x0 = x0;
    screen.y0 = y0;
    AddRaceSetupWidgets(screen);
    while (RaceSetupFrame(screen)) {
    }
    RemoveRaceSetupWidgets(screen);
}
