#include "rules/race_standing.h"

#include "core/game_state.h"

namespace {
int CountCars(bool (*test)(const CarRecord&)) {
    int count = 0;
    for (int i = 1; i <= game.carCount; ++i) count += test(game.cars[i]);
    return count;
}

bool IsOut(const CarRecord& car) { return !car.inRace; }
bool HasFinished(const CarRecord& car) { return car.finishOrder != -1; }
}  // namespace

int CarsOutOfRace() { return CountCars(IsOut); }
int CarsFinished() { return CountCars(HasFinished); }
