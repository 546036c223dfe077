#include "rules/move_candidates.h"

#include "core/game_state.h"
#include "scene/cross_markers.h"

CellStep InertialStep(int index) {
    const CarRecord& car = game.cars[index];
    CellStep step{static_cast<int>(car.cellX - car.prevCellX),
                  static_cast<int>(car.cellY - car.prevCellY)};
    if (car.targetX != -1) step.x = car.targetX - static_cast<int>(car.cellX);
    if (car.targetY != -1) step.y = car.targetY - static_cast<int>(car.cellY);
    return step;
}

CellStep FacingStep(float rotationY) {
    int angle = static_cast<int>(rotationY);
    while (angle < 0) angle += 360;
    while (angle > 360) angle -= 360;
    static const CellStep steps[] = {{0, 1},  {1, 1},   {1, 0},  {1, -1},
                                     {0, -1}, {-1, -1}, {-1, 0}, {-1, 1}};
    // Sectors of 45 degrees centred on the eight directions; whole degrees
    // never fall on a boundary.
    const int sector = static_cast<int>((angle + 22.5) / 45.0) % 8;
    return steps[sector];
}

CellStep NitroStepFromHeading(float rotationY) {
    const CellStep step = FacingStep(rotationY);
    return {2 * step.x, 2 * step.y};
}

void BuildCandidates(int index, int stepFactor) {
    const CarRecord& car = game.cars[index];
    CellStep step = InertialStep(index);
    step.x *= stepFactor;
    step.y *= stepFactor;
    if (stepFactor == 2 && step.x == 0 && step.y == 0 && car.sceneNode)
        step = NitroStepFromHeading(car.Heading());

    ShowMarkerBlock(static_cast<int>(car.cellX) + step.x, static_cast<int>(car.cellY) + step.y,
                    car.colourName + L"clair");
}
