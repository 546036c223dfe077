#include "scene/car_setup.h"

#include "core/fitted_gadgets.h"
#include "core/game_state.h"
#include "platform/text.h"
#include "scene/scene_files.h"

using namespace irr;

namespace {
constexpr f32 kCarHeight = 7;

void ResetForStart(int index) {
    CarRecord& car = game.cars[index];
    const int slot = car.carNumber;
    const CircuitData& circuit = game.circuit;
    car.cellX = car.prevCellX = static_cast<f32>(circuit.startCellX[slot]);
    car.cellY = car.prevCellY = static_cast<f32>(circuit.startCellY[slot]);
    car.mass = ComputeMass(index);
    car.targetX = car.targetY = -1;
    car.inRace = 1;
    car.hasMoved = car.hasActed = 0;
    car.autoEndTurn = 1;
    car.showIntersections = car.hideWalls = car.showTrail = car.showRisks = 0;
    car.pendingMoveFlag = car.skidPending = 0;
}

bool AddCarNode(CarRecord& car, std::wstring& error) {
    const std::wstring meshPath = L"\\data\\voitures\\" + car.meshFile;
    car.carMesh = LoadGameMesh(meshPath);
    car.sceneNode = car.carMesh ? AddUnlitMeshNode(car.carMesh) : nullptr;
    if (!car.sceneNode) {
        error = MissingFileMessage(meshPath);
        return false;
    }
    SetNodeTexture(car.sceneNode,
                   L"\\data\\voitures\\" + car.textureBase + car.colourName + car.textureExt);
    car.sceneNode->setName(ToUtf8(L"Voiture " + IntText(car.carNumber)).c_str());
    car.sceneNode->setVisible(true);
    GiveOctreeSelector(car.sceneNode);
    return true;
}
}  // namespace

bool ColourOfName(const std::wstring& colourName, u32& colour) {
    if (colourName == L"bleu") colour = video::SColor(255, 0, 0, 255).color;
    else if (colourName == L"rouge") colour = video::SColor(255, 255, 0, 0).color;
    else if (colourName == L"vert") colour = video::SColor(255, 0, 150, 0).color;
    else if (colourName == L"jaune") colour = video::SColor(255, 255, 255, 0).color;
    else return false;
    return true;
}

bool SetupCarForRace(int index, int carNumber, const std::wstring& colourName,
                     std::wstring& error) {
    CarRecord& car = game.cars[index];
    car.carNumber = carNumber;
    car.colourName = colourName;
    ResetForStart(index);
    if (!AddCarNode(car, error)) return false;
    for (int side = 0; side < kSideCount; ++side) car.sides[side].sideName = SideName(side);
    car.sceneNode->setPosition({car.cellX * static_cast<f32>(game.circuit.cellSize), kCarHeight,
                                car.cellY * static_cast<f32>(game.circuit.cellSize)});
    ColourOfName(colourName, car.colour);
    car.trail.assign(5, 0.0f);
    car.trail[1] = car.trail[3] = car.cellX;
    car.trail[2] = car.trail[4] = car.cellY;
    car.trailCount = 2;
    return true;
}
