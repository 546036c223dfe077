#include "support/scene_test.h"

#include "core/fitted_gadgets.h"
#include "core/gadget_catalogue.h"
#include "core/game_state.h"
#include "platform/text.h"
#include "scene/circuit_scene.h"
#include "support/test_meshes.h"

void SceneTest::SetUp() {
    GameTest::SetUp();
    FillCatalogue();
    WriteSceneMeshes();
    UseTestCircuit();
}

void SceneTest::WriteSceneMeshes() {
    WriteFile("data/voitures/voiture_modele_1.ms3d", Ms3dBox(22, 10, 40));
    WriteFile("data/croix.ms3d", Ms3dBox(30, 1, 30));
    std::vector<irr::core::triangle3df> circuit = Floor(-50, -50, 950, 950);
    const auto wall = Wall(450, -50, 450, 350);
    circuit.insert(circuit.end(), wall.begin(), wall.end());
    WriteIrrMesh("data/circuit_test.irrmesh", circuit);
}

void SceneTest::UseTestCircuit() {
    CircuitData& c = game.circuit;
    c.circuitName = L"Test";
    c.circuitMaxCars = 4;
    c.circuitMeshFile = L"circuit_test.irrmesh";
    c.circuitTextureFile = L"circuit_test.jpg";
    c.gridWidth = 10;
    c.gridLength = 10;
    c.checkpointCount = 2;
    c.checkpointX = {0, 0, 0, 5, 9, 0, 0};
    c.checkpointY = {0, 0, 4, 5, 5, 0, 0};
    const int slots[5][2] = {{0, 0}, {1, 1}, {3, 1}, {1, 3}, {3, 3}};
    for (int i = 1; i <= 4; ++i) {
        c.startCellX[i] = slots[i][0];
        c.startCellY[i] = slots[i][1];
    }
}

int SceneTest::AddCar(const std::wstring& pilot, int gadgets, const std::wstring& colour) {
    const int k = ++game.carCount;
    CarRecord& car = game.cars[k];
    car.pilotName = pilot;
    car.meshNumber = 1;
    car.meshFile = L"voiture_modele_1.ms3d";
    car.textureBase = L"map_voiture_1";
    car.textureExt = L".jpg";
    car.colourName = colour;
    car.controller = L"Humain";
    for (int g = 0; g < gadgets; ++g) AddGadget(k, SideMisc, L"Nitro");
    car.mass = ComputeMass(k);
    return k;
}

void SceneTest::BuildScene() {
    std::wstring error;
    ASSERT_TRUE(BuildCircuitScene(error)) << ToUtf8(error);
}
