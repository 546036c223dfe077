#include "race/end_turn.h"

#include "core/frame_pump.h"
#include "core/game_state.h"
#include "ui/car_message.h"
#include "ui/dice_dialog.h"

namespace {
bool AnyCarInRace() {
    for (int i = 1; i <= game.carCount; ++i)
        if (game.cars[i].inRace) return true;
    return false;
}

int CountCars(bool (*test)(const CarRecord&)) {
    int count = 0;
    for (int i = 1; i <= game.carCount; ++i)
        if (test(game.cars[i])) ++count;
    return count;
}

bool IsOut(const CarRecord& car) { return !car.inRace; }
bool HasFinished(const CarRecord& car) { return car.finishOrder != -1; }

bool IsStillMoving(const CarRecord& car) {
    return car.prevCellX != car.cellX || car.prevCellY != car.cellY || car.targetX != -1 ||
           car.targetY != -1;
}

// The first to cross the line is told to keep out of the way while others race.
void CongratulateFirstFinisher(int index) {
    const CarRecord& car = game.cars[index];
    const bool justFinished = car.finishOrder != -1 && car.finishOrder == game.roundNumber;
    const int carsStillRacing = game.carCount - CountCars(IsOut);
    if (!justFinished || CountCars(HasFinished) != 1 || carsStillRacing <= 2) return;
    DiceDialogAboutCar(car.pilotName + L" vous avez passé la ligne d'arrivée premier.\n" +
                           L"Veuillez vous mettre à l'abri en attendant que le véhicule suivant "
                           L"passe la ligne.\n",
                       index, car.colour);
}

int NextIndex(int index) { return index >= game.carCount ? 1 : index + 1; }
}  // namespace

bool RaceIsOver() {
    const int out = CountCars(IsOut);
    const int done = CountCars(HasFinished);
    return out + done >= game.carCount - 1 || done > 1;
}

void EndTurn() {
    if (!AnyCarInRace()) {
        DiceDialog(L"Il ne reste plus de véhicules en jeu. Le programme va se fermer", -1, -1, -1,
                   -1, false, kOpaqueGreen);
        EndProgram();
    }
    CongratulateFirstFinisher(game.currentCar);

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
        // The results and rewards are settled when the race screen closes.
        if (RaceIsOver()) game.quitToMenu = 1;
    }
}
