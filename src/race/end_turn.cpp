#include "race/end_turn.h"

#include "core/decisions.h"
#include "core/frame_pump.h"
#include "core/game_state.h"
#include "rules/race_results.h"
#include "rules/race_standing.h"
#include "scene/game_sounds.h"
#include "ui/car_message.h"
#include "ui/dice_dialog.h"

namespace {
bool IsStillMoving(const CarRecord& car) {
    return car.prevCellX != car.cellX || car.prevCellY != car.cellY || car.targetX != -1 ||
           car.targetY != -1;
}

// The crowd cheers each car crossing the line; the first to cross it is
// told to keep out of the way while others race.
void CongratulateFinisher(int index) {
    const CarRecord& car = game.cars[index];
    const bool justFinished = car.finishOrder != -1 && car.finishOrder == game.roundNumber;
    if (justFinished) PlayAtCar(Sound::Crowd, index);
    const int carsStillRacing = game.carCount - CarsOutOfRace();
    if (!justFinished || CarsFinished() != 1 || carsStillRacing <= 2) return;
    DiceDialogAboutCar(car.pilotName + L" vous avez passé la ligne d'arrivée premier.\n" +
                           L"Veuillez vous mettre à l'abri en attendant que le véhicule suivant "
                           L"passe la ligne.\n",
                       index);
}

int NextIndex(int index) { return index >= game.carCount ? 1 : index + 1; }
}  // namespace

bool RaceIsOver() {
    const int out = CarsOutOfRace();
    const int done = CarsFinished();
    return out + done >= game.carCount - 1 || done > 1;
}

void EndTurn() {
    if (CarsOutOfRace() == game.carCount) {
        DiceDialog(L"Il ne reste plus de véhicules en jeu. Le programme va se fermer", -1, -1, -1,
                   -1, false, kOpaqueGreen);
        CheckState(RaceEventKind::RaceEnd, 0, 0);
        EndProgram();
    }
    CongratulateFinisher(game.currentCar);

    const int previous = game.currentCar;
    CarRecord& current = game.cars[game.currentCar];
    current.hasMoved = 0;
    current.hasActed = 0;
    game.cameraMovedByPlayer = 0;
    game.currentCar = NextIndex(game.currentCar);
    for (;;) {
        CarRecord& next = game.cars[game.currentCar];
        if (next.inRace) break;
        if (IsStillMoving(next)) {
            // A wreck with momentum slides on at its turn.
            next.skidPending = 1;
            next.pendingMoveFlag = 1;
            break;
        }
        next.prevCellX = next.cellX;
        next.prevCellY = next.cellY;
        next.AppendTrailPoint(next.cellX, next.cellY);
        game.currentCar = NextIndex(game.currentCar);
    }

    if (game.currentCar <= previous) {
        game.roundNumber += 1;
        // The results settled, the race screen closes.
        if (RaceIsOver()) SettleRaceResults();
    }
    if (!game.resultsSettled) CheckState(RaceEventKind::TurnStart, game.currentCar, game.roundNumber);
}
