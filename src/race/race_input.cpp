#include "race/race_input.h"

#include <cstdlib>
#include <string>

#include "core/cursor.h"
#include "core/decisions.h"
#include "core/event_receiver.h"
#include "core/game_state.h"
#include "race/end_turn.h"
#include "scene/cross_markers.h"
#include "ui/car_sheet.h"
#include "ui/hud.h"
#include "ui/race_screen.h"

using namespace irr;

namespace {
void HandleCarPick() {
    game.mouse.pickRequest = 0;
    const core::position2di cursor = CursorPosition();
    scene::ISceneNode* node = game.sceneManager->getSceneCollisionManager()
                                  ->getSceneNodeFromScreenCoordinatesBB(cursor, kCarPickId);
    if (!node) return;
    const std::string name = node->getName();
    if (name.compare(0, 7, "Voiture") != 0) return;
    const int car = std::atoi(name.c_str() + 7);
    if (car < 1 || car > game.carCount) return;
    ShowStatus(L"Voiture Cliquée", 100, false);
    CarMenu(car, cursor.X, cursor.Y);
    // The clicks made in the menu and the sheet were theirs.
    game.mouse.leftClicked = 0;
}

u8 Checked(gui::IGUICheckBox* box) { return box && box->isChecked() ? 1 : 0; }

void HandleGuiId(int id) {
    CarRecord& car = game.cars[game.currentCar];
    switch (id) {
        case gui_id::AutoEndTurn: car.autoEndTurn = Checked(raceScreen.autoEndTurn); break;
        case gui_id::ShowIntersections:
            car.showIntersections = Checked(raceScreen.showIntersections);
            break;
        case gui_id::HideWalls: car.hideWalls = Checked(raceScreen.hideWalls); break;
        case gui_id::ShowTrail: car.showTrail = Checked(raceScreen.showTrail); break;
        case gui_id::ShowRisks: car.showRisks = Checked(raceScreen.showRisks); break;
        case gui_id::EndTurn:
            // A turn cannot end while a rule's message is open.
            if (game.dialog.dialogOpen || Replaying()) break;
            if (car.hasMoved) {
                if (DecideIfTaken(RaceEventKind::EndTurn, game.currentCar, 0, true)) EndTurn();
            } else
                ShowStatus(L"Veillez jouer d'abord", 200, false);
            break;
        default: break;
    }
}

s32 PickId(const scene::ISceneNode* node) {
    for (int i = 1; i <= game.carCount; ++i)
        if (node == game.cars[i].sceneNode) return kCarPickId;
    for (const CrossMarker& marker : game.crossMarkers)
        if (marker.node && node == marker.node) return kMarkerPickId;
    return 0;
}

void MarkTree(scene::ISceneNode* node) {
    for (scene::ISceneNode* child : node->getChildren()) {
        child->setID(PickId(child));
        MarkTree(child);
    }
}
}  // namespace

void HandleRaceScreenEvents() {
    if (game.mouse.pickRequest) HandleCarPick();
    if (game.lastGuiId != 0) {
        const int id = game.lastGuiId;
        game.lastGuiId = 0;
        HandleGuiId(id);
    }
}

void MarkPickableNodes() { MarkTree(game.sceneManager->getRootSceneNode()); }
