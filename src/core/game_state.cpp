#include "core/game_state.h"

#include "core/decisions.h"

#include "core/move_geometry.h"

GameState game;

void CarRecord::AppendTrailPoint(f32 x, f32 y) {
    trailCount += 1;
    trail.resize(2 * trailCount + 1, 0.0f);
    trail[2 * trailCount - 1] = x;
    trail[2 * trailCount] = y;
}

void CarRecord::ReplaceLastTrailPoint(f32 x, f32 y) {
    if (trailCount < 1 || static_cast<int>(trail.size()) < 2 * trailCount + 1) {
        AppendTrailPoint(x, y);
        return;
    }
    trail[2 * trailCount - 1] = x;
    trail[2 * trailCount] = y;
}

void CarRecord::FaceLastMove() {
    if (prevCellX != cellX || prevCellY != cellY)
        heading = static_cast<f32>(::Heading(prevCellX, prevCellY, cellX, cellY));
}

bool AnyActionRequest() {
    for (u8 request : game.actionRequests)
        if (request) return true;
    return false;
}

void ClearActionRequests() {
    for (u8& request : game.actionRequests) request = 0;
}

const wchar_t* DriverWord(Driver driver) {
    switch (driver) {
        case Driver::Computer: return L"IA";
        case Driver::FightingComputer: return L"IAC";
        case Driver::Person: break;
    }
    return L"Humain";
}

bool IsComputerDriven(const CarRecord& car) {
    return car.controller == DriverWord(Driver::Computer) || IsFightingComputer(car);
}

bool IsFightingComputer(const CarRecord& car) {
    return car.controller == DriverWord(Driver::FightingComputer);
}

bool NoPersonInRace() {
    for (int i = 1; i <= game.carCount; ++i)
        if (!IsComputerDriven(game.cars[i])) return false;
    return true;
}

bool RaceOnlyWatched() { return NoPersonInRace() || Replaying(); }

const wchar_t* SideName(int side) {
    static const wchar_t* const names[kSideCount] = {L"Divers", L"Avant", L"Arrière", L"Droite",
                                                     L"Gauche"};
    return (side >= 0 && side < kSideCount) ? names[side] : L"";
}
